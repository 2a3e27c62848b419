// SPDX-License-Identifier: GPL-3.0-or-later
// A voyage log and a VEF result as JSON.
#include "core/vef.h"

#include <nlohmann/json.hpp>

#include <cmath>

namespace dravex {

namespace {

using Json = nlohmann::ordered_json;

struct BadKey
{
    std::string what;
};

std::string textAt(const Json &object, const char *key, const std::string &where)
{
    const auto it = object.find(key);
    if (it == object.end() || it->is_null())
        return {};
    if (!it->is_string())
        throw BadKey{where + "." + key + " is not text"};
    return it->get<std::string>();
}

std::optional<double> numberAt(const Json &object, const char *key, const std::string &where)
{
    const auto it = object.find(key);
    if (it == object.end() || it->is_null())
        return std::nullopt;
    if (!it->is_number())
        throw BadKey{where + "." + key + " is not a number"};
    return it->get<double>();
}

Json figure(const std::optional<double> &x)
{
    return x && std::isfinite(*x) ? Json(*x) : Json(nullptr);
}

std::string_view statusId(VoyageStatus s)
{
    switch (s) {
    case VoyageStatus::Qualifying:
        return "qualifying";
    case VoyageStatus::SetAside:
        return "set-aside";
    case VoyageStatus::Rejected:
        return "rejected";
    case VoyageStatus::NotConsidered:
        return "not-considered";
    }
    return "rejected";
}

Json ratioJson(const std::optional<std::int64_t> &x, int places)
{
    return x ? Json(PlacesText(*x, places)) : Json(nullptr);
}

} // namespace

std::string_view VoyageReasonId(VoyageReason reason)
{
    switch (reason) {
    case VoyageReason::None:
        return "";
    case VoyageReason::OutsideBand:
        return "outside-band";
    case VoyageReason::NotReadable:
        return "not-readable";
    case VoyageReason::Duplicated:
        return "duplicated";
    case VoyageReason::MarkedNotUsable:
        return "not-usable";
    case VoyageReason::MixedUnits:
        return "mixed-units";
    case VoyageReason::NoShoreFigure:
        return "no-shore-figure";
    case VoyageReason::NoVesselFigure:
        return "no-vessel-figure";
    case VoyageReason::GrossError:
        return "gross-error";
    case VoyageReason::NoDate:
        return "no-date";
    case VoyageReason::CurrentVoyage:
        return "current-voyage";
    case VoyageReason::BeyondLimit:
        return "beyond-limit";
    case VoyageReason::RepeatedEntry:
        return "repeated-entry";
    }
    return "";
}

Json VoyagesToJson(const std::vector<VoyageEntry> &entries)
{
    Json list = Json::array();
    for (const VoyageEntry &e : entries) {
        Json j;
        j["vessel"] = e.vessel;
        j["voyage"] = e.voyage;
        j["date"] = e.date;
        j["port"] = e.port;
        j["grade"] = e.grade;
        j["operation"] = VoyageOperationId(e.operation);
        j["vesselTcv"] = figure(e.vesselTcv);
        j["onBoard"] = figure(e.onBoard);
        j["shoreTcv"] = figure(e.shoreTcv);
        j["unit"] = e.unit;
        j["usable"] = e.usable;
        if (!e.problem.empty())
            j["problem"] = e.problem;
        list.push_back(std::move(j));
    }
    return list;
}

VoyageFileResult VoyagesFromJson(const Json &json)
{
    VoyageFileResult result;
    if (!json.is_array()) {
        result.error = "voyages is not a list";
        return result;
    }
    try {
        for (std::size_t i = 0; i < json.size(); ++i) {
            const Json &j = json[i];
            const std::string where = "voyages[" + std::to_string(i + 1) + "]";
            if (!j.is_object())
                throw BadKey{where + " is not an object"};
            VoyageEntry e;
            e.vessel = textAt(j, "vessel", where);
            e.voyage = textAt(j, "voyage", where);
            e.date = textAt(j, "date", where);
            e.port = textAt(j, "port", where);
            e.grade = textAt(j, "grade", where);
            const std::string op = textAt(j, "operation", where);
            if (op == "discharge")
                e.operation = VoyageOperation::Discharge;
            else if (op != "load")
                throw BadKey{where + ".operation is '" + op + "', not load or discharge"};
            e.vesselTcv = numberAt(j, "vesselTcv", where);
            e.onBoard = numberAt(j, "onBoard", where);
            e.shoreTcv = numberAt(j, "shoreTcv", where);
            e.unit = textAt(j, "unit", where);
            if (const auto usable = j.find("usable"); usable != j.end() && !usable->is_null()) {
                if (!usable->is_boolean())
                    throw BadKey{where + ".usable is not true or false"};
                e.usable = usable->get<bool>();
            }
            e.problem = textAt(j, "problem", where);
            result.entries.push_back(std::move(e));
        }
    } catch (const BadKey &bad) {
        result.entries.clear();
        result.error = bad.what;
    }
    return result;
}

Json VefResultToJson(const VefResult &r)
{
    Json j;
    j["vessel"] = r.vessel;
    j["operation"] = VoyageOperationId(r.operation);
    j["name"] = VefName(r.operation);
    j["unit"] = r.unit;
    j["vef"] = ratioJson(r.vef, 4);
    j["summary"] = r.summary;
    j["considered"] = r.considered;
    j["rejected"] = r.rejected;
    j["qualifying"] = r.qualifying;
    j["moreNeeded"] = r.moreNeeded;
    j["sumVessel"] = r.sumVessel;
    j["sumShore"] = r.sumShore;
    j["mean"] = ratioJson(r.mean, 5);
    j["lower"] = ratioJson(r.lower, 5);
    j["upper"] = ratioJson(r.upper, 5);
    j["qualifyingVessel"] = r.qualifyingVessel;
    j["qualifyingShore"] = r.qualifyingShore;
    Json voyages = Json::array();
    for (const VefVoyage &v : r.voyages) {
        Json o;
        o["voyage"] = v.voyage;
        o["date"] = v.date;
        o["port"] = v.port;
        o["status"] = statusId(v.status);
        o["reason"] = VoyageReasonId(v.reason);
        o["why"] = v.why;
        o["vessel"] = v.hasFigures ? Json(v.vessel) : Json(nullptr);
        o["shore"] = v.hasFigures ? Json(v.shore) : Json(nullptr);
        o["ratio"] = v.hasRatio ? Json(PlacesText(v.ratio, 5)) : Json(nullptr);
        Json entries = Json::array();
        for (const std::size_t i : v.entries)
            entries.push_back(i + 1);
        o["entries"] = std::move(entries);
        voyages.push_back(std::move(o));
    }
    j["voyages"] = std::move(voyages);
    j["working"] = r.working;
    return j;
}

} // namespace dravex
