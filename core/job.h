// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/cargo_report.h"

#include <nlohmann/json_fwd.hpp>

#include <optional>
#include <string>

namespace dravex {

// What a figure was computed for: a vessel or a shore terminal, a voyage or reference, a
// port, an operation and a date. Texts are kept as typed; the date is free text here (the
// voyage log needs YYYY-MM-DD to order voyages, a job does not).
enum class JobSite { Vessel, ShoreTerminal };

struct Job
{
    JobSite site = JobSite::Vessel;
    std::string name;   // the vessel's or the terminal's name
    std::string voyage; // voyage number, or the terminal's reference
    std::string port;
    ReportOperation operation = ReportOperation::Loading;
    std::string date;

    // Nothing typed: "No job".
    bool empty() const;
    bool operator==(const Job &) const = default;
};

std::string_view JobSiteId(JobSite site); // "vessel", "shore-terminal"

// One line for a status bar or a printout's head, the parts that are typed, in order:
//   "Vessel Northern Star, voyage 24/07, Rotterdam, Loading, 2026-03-14"; "No job".
std::string JobLabel(const Job &job);

// As a JSON object: {"site": "vessel", "name": ..., "voyage": ..., "port": ...,
// "operation": "loading", "date": ...}; the operation ids are the cargo report's.
nlohmann::ordered_json JobToJson(const Job &job);

struct JobReadResult
{
    std::optional<Job> job;
    std::string error; // which key is wrong and why, when job is empty
};

// A job from a JSON object as JobToJson writes it. Absent or null keys are empty (the
// site a vessel, the operation loading); a key of the wrong type or an unknown site or
// operation is an error that names it. Never throws.
JobReadResult JobFromJson(const nlohmann::ordered_json &json);

} // namespace dravex
