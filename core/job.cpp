// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/job.h"

#include <nlohmann/json.hpp>

namespace dravex {

namespace {

using Json = nlohmann::ordered_json;

constexpr ReportOperation kOperations[] = {ReportOperation::Loading, ReportOperation::Discharge,
                                           ReportOperation::OnArrival, ReportOperation::OnSailing,
                                           ReportOperation::Other};

struct BadKey
{
    std::string what;
};

std::string textAt(const Json &object, const char *key)
{
    const auto it = object.find(key);
    if (it == object.end() || it->is_null())
        return {};
    if (!it->is_string())
        throw BadKey{std::string("job.") + key + " is not text"};
    return it->get<std::string>();
}

} // namespace

bool Job::empty() const
{
    return name.empty() && voyage.empty() && port.empty() && date.empty();
}

std::string_view JobSiteId(JobSite site)
{
    return site == JobSite::Vessel ? "vessel" : "shore-terminal";
}

std::string JobLabel(const Job &job)
{
    if (job.empty())
        return "No job";
    std::string label;
    const auto add = [&label](const std::string &part) {
        if (part.empty())
            return;
        if (!label.empty())
            label += ", ";
        label += part;
    };
    if (!job.name.empty())
        add((job.site == JobSite::Vessel ? "Vessel " : "Terminal ") + job.name);
    if (!job.voyage.empty())
        add((job.site == JobSite::Vessel ? "voyage " : "reference ") + job.voyage);
    add(job.port);
    add(std::string(OperationName(job.operation)));
    add(job.date);
    return label;
}

Json JobToJson(const Job &job)
{
    Json j;
    j["site"] = JobSiteId(job.site);
    j["name"] = job.name;
    j["voyage"] = job.voyage;
    j["port"] = job.port;
    j["operation"] = OperationId(job.operation);
    j["date"] = job.date;
    return j;
}

JobReadResult JobFromJson(const Json &json)
{
    JobReadResult r;
    if (!json.is_object()) {
        r.error = "job is not an object";
        return r;
    }
    try {
        Job job;
        const std::string site = textAt(json, "site");
        if (site == "shore-terminal")
            job.site = JobSite::ShoreTerminal;
        else if (site != "vessel" && !site.empty())
            throw BadKey{"job.site is '" + site + "', not vessel or shore-terminal"};
        job.name = textAt(json, "name");
        job.voyage = textAt(json, "voyage");
        job.port = textAt(json, "port");
        job.date = textAt(json, "date");
        const std::string op = textAt(json, "operation");
        bool known = op.empty();
        for (const ReportOperation o : kOperations) {
            if (OperationId(o) == op) {
                job.operation = o;
                known = true;
            }
        }
        if (!known)
            throw BadKey{"job.operation is '" + op + "', not one of loading, discharge, on-arrival, on-sailing, other"};
        r.job = std::move(job);
    } catch (const BadKey &bad) {
        r.error = bad.what;
    }
    return r;
}

} // namespace dravex
