// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <nlohmann/json_fwd.hpp>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dravex {

// The vessel experience factor by the primary method of API MPMS Chapter 17.9: for one
// vessel, loading voyages (VEFL) and discharge voyages (VEFD) apart, the ratio of the
// vessel's figures to the shore's over the voyages that qualify. Every voyage the
// calculation saw comes back with its status and the reason, so the factor can be checked
// by hand (docs/vessel-experience-factor.md gives the rules and their sources).

enum class VoyageOperation { Load, Discharge };
std::string_view VoyageOperationId(VoyageOperation op); // "load", "discharge"
std::string_view VefName(VoyageOperation op);           // "VEFL", "VEFD"

// The primary method's limits.
inline constexpr int kVefMaxVoyages = 20;   // most recent voyages considered
inline constexpr int kVefMinQualifying = 5; // qualifying voyages needed for a VEF
// Ratios in hundred-thousandths (five places): outside 0.98000 to 1.02000 is a gross error.
inline constexpr std::int64_t kGrossErrorLowest = 98000;
inline constexpr std::int64_t kGrossErrorHighest = 102000;
// The band around the first mean, in thousandths of the mean: mean x (1 -/+ 0.003).
inline constexpr std::int64_t kBandPerMille = 3;

// One line of a vessel's voyage log: one voyage, or one grade of a voyage of several
// grades (lines of the same vessel, operation and voyage are combined).
struct VoyageEntry
{
    std::string vessel;
    std::string voyage;
    std::string date; // YYYY-MM-DD orders the voyages
    std::string port;
    std::string grade; // empty: the voyage's only grade
    VoyageOperation operation = VoyageOperation::Load;
    std::optional<double> vesselTcv; // at sailing (load) or on arrival (discharge)
    std::optional<double> onBoard;   // OBQ (load) or ROB (discharge); none is zero
    std::optional<double> shoreTcv;  // bill of lading (load) or outturn (discharge)
    std::string unit;                // "bbl", "m3", "t", ...
    bool usable = true;              // false: marked not to be used, by agreement
    std::string problem;             // what could not be read of it; it is rejected with this
    std::size_t line = 0;            // its line in the file it came from; 0 when typed

    bool operator==(const VoyageEntry &) const = default;
};

enum class VoyageStatus {
    Qualifying,    // counted in the VEF
    SetAside,      // within the gross-error band but outside the band around the mean
    Rejected,      // not used, for the reason given, before the mean
    NotConsidered, // not among the voyages the form holds (current, older, repeated entry)
};
std::string_view VoyageStatusName(VoyageStatus s); // "qualifying", "set aside", ...

enum class VoyageReason {
    None,
    OutsideBand,     // set aside
    NotReadable,     // a figure, flag or date that could not be read
    Duplicated,      // the same voyage and grade twice, with different figures
    MarkedNotUsable, // marked not usable
    MixedUnits,      // no unit, or a unit other than the form's
    NoShoreFigure,   // missing, zero or negative
    NoVesselFigure,  // missing, zero or negative TCV, or OBQ/ROB not less than it
    GrossError,      // ratio outside 0.98000 to 1.02000
    NoDate,          // no YYYY-MM-DD date: its place among the voyages is unknown
    CurrentVoyage,   // the voyage the VEF is for
    BeyondLimit,     // older than the most recent kVefMaxVoyages
    RepeatedEntry,   // the same line again (a report saved twice): counted once
};

struct VefVoyage
{
    std::string voyage, date, port;   // as typed (the latest date of its grades)
    std::vector<std::size_t> entries; // indexes into the voyage log, grades combined
    VoyageStatus status = VoyageStatus::Rejected;
    VoyageReason reason = VoyageReason::None;
    std::string why; // the reason in words, with the figures that decided it
    // Whole numbers in the form's unit, OBQ/ROB taken off, when they could be formed.
    bool hasFigures = false;
    std::int64_t vessel = 0, shore = 0;
    // vessel / shore in hundred-thousandths, rounded half up: 99875 is 0.99875.
    bool hasRatio = false;
    std::int64_t ratio = 0;
};

struct VefRequest
{
    std::string vessel; // compared without case or surrounding blanks
    VoyageOperation operation = VoyageOperation::Load;
    std::string currentVoyage; // left out; empty when none
    std::string unit;          // the form's unit; empty: the one most voyages use
};

struct VefResult
{
    std::string vessel;
    VoyageOperation operation = VoyageOperation::Load;
    std::string unit;
    // Chronological, oldest first, then voyages without a date and repeated entries.
    std::vector<VefVoyage> voyages;
    int considered = 0; // voyages on the form: the most recent, at most kVefMaxVoyages
    int rejected = 0;   // of those
    // Over the considered voyages not rejected: sums, and the mean ratio (hundred-
    // thousandths) with the band's limits around it; no mean when none is left.
    std::int64_t sumVessel = 0, sumShore = 0;
    std::optional<std::int64_t> mean, lower, upper;
    int qualifying = 0;
    std::int64_t qualifyingVessel = 0, qualifyingShore = 0;
    // Ten-thousandths, rounded half up: 10012 is 1.0012. None with too few qualifying.
    std::optional<std::int64_t> vef;
    int moreNeeded = 0; // qualifying voyages still needed for a VEF
    // "VEFL 1.0012 from 7 qualifying voyages of 9"; "No VEFL: 3 voyages qualify; 5 are
    // needed, 2 more".
    std::string summary;
    std::vector<std::string> working;
};

// A fixed-point figure as text: PlacesText(99875, 5) == "0.99875", PlacesText(10012, 4) ==
// "1.0012".
std::string PlacesText(std::int64_t value, int places);
inline double PlacesValue(std::int64_t value, int places)
{
    return static_cast<double>(value) / (places == 4 ? 1e4 : 1e5);
}

// The VEF of one vessel and operation from a voyage log. Never throws; any input gives a
// result whose every voyage has a status.
VefResult ComputeVef(const std::vector<VoyageEntry> &log, const VefRequest &request);

// Every vessel's VEFL and VEFD that has voyages in the log, no current voyage, in order of
// first appearance (vessel, then load before discharge).
std::vector<VefResult> ComputeFleetVefs(const std::vector<VoyageEntry> &log);

// Files: a voyage log as CSV, one line per voyage (or grade), a header naming the columns
// in any order: vessel, voyage, date, operation (load or discharge), vessel_tcv, shore_tcv,
// unit are required; port, grade, obq_rob, usable (yes/no) are optional. Other columns are
// ignored.
struct VoyageFileResult
{
    std::vector<VoyageEntry> entries;
    // Lines left out (no vessel, an operation other than load or discharge, a quoting fault),
    // each naming its line; lines kept with a problem carry it in VoyageEntry::problem.
    std::vector<std::string> notices;
    std::string error; // the file as a whole cannot be read: nothing was read
};
VoyageFileResult ReadVoyagesCsv(std::string_view text);
std::string WriteVoyagesCsv(const std::vector<VoyageEntry> &entries);

// A voyage log as a JSON list, for a document to store: one object per entry with the keys
// vessel, voyage, date, port, grade, operation ("load"/"discharge"), vesselTcv, onBoard,
// shoreTcv (numbers, or null when none), unit, usable, and problem when there is one.
nlohmann::ordered_json VoyagesToJson(const std::vector<VoyageEntry> &entries);
// The entries back; error names the first entry and key of the wrong kind ("voyages[3]
// .shoreTcv is not a number"), and then no entries are returned. Never throws.
VoyageFileResult VoyagesFromJson(const nlohmann::ordered_json &json);

// Voyages from elsewhere (the company store) put into a log. A voyage is known by its vessel
// (letter case aside), voyage, grade and operation; of several with one key, the last given
// counts. One the log lacks is added at the end; one the log has with other figures is left
// as the log has it and named in `differing` ("V12 (load)"), never merged by guess.
struct VoyageMerge
{
    std::vector<VoyageEntry> entries;
    std::size_t added = 0;
    std::vector<std::string> differing;
};
VoyageMerge MergeVoyages(std::vector<VoyageEntry> log, const std::vector<VoyageEntry> &incoming);

// A VEF result as JSON, for other programs: the figures as shown ("1.0010", ratios
// "0.99895"), every voyage with its status ("qualifying", "set-aside", "rejected",
// "not-considered"), reason id ("outside-band", "gross-error", ...), why, whole-number
// figures and ratio, and the log lines it was made of (1-based places in the log).
nlohmann::ordered_json VefResultToJson(const VefResult &result);
std::string_view VoyageReasonId(VoyageReason reason);

} // namespace dravex
