// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cargo_report.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <set>
#include <vector>

namespace dravex {

namespace {

using Json = nlohmann::ordered_json;

// The keys of a tank object, by TankColumn.
constexpr const char *kTankKeys[kTankColumns] = {
    "tank", "grade", "type", "total", "freeWater", "temperature", "gravity", "observedGravity", "observedTemperature"};
constexpr const char *kHeaderKeys[] = {"vessel", "voyage", "port", "date", "surveyor", "remarks"};
// Version 2: the ship's condition.
constexpr const char *kConditionKeys[] = {"draftForward", "draftAft", "lbp", "list", "listSide"};
constexpr ReportOperation kOperations[] = {ReportOperation::Loading, ReportOperation::Discharge,
                                           ReportOperation::OnArrival, ReportOperation::OnSailing,
                                           ReportOperation::Other};

std::string *headerField(ReportHeader &h, std::string_view key)
{
    if (key == "vessel")
        return &h.vessel;
    if (key == "voyage")
        return &h.voyage;
    if (key == "port")
        return &h.port;
    if (key == "date")
        return &h.date;
    if (key == "surveyor")
        return &h.surveyor;
    if (key == "remarks")
        return &h.remarks;
    return nullptr;
}

std::string *conditionField(ShipConditionText &c, std::string_view key)
{
    if (key == "draftForward")
        return &c.draftForward;
    if (key == "draftAft")
        return &c.draftAft;
    if (key == "lbp")
        return &c.lbp;
    if (key == "list")
        return &c.list;
    if (key == "listSide")
        return &c.listSide;
    return nullptr;
}

struct Damaged
{
    std::string what;
};

// The text at a key of an object: absent is empty, anything but a string is damage.
std::string textAt(const Json &object, const char *key, const std::string &where)
{
    const auto it = object.find(key);
    if (it == object.end() || it->is_null())
        return {};
    if (!it->is_string())
        throw Damaged{where + "." + key + " is not text"};
    return it->get<std::string>();
}

// Line and column (1-based) of a byte offset into the text.
void lineAndColumn(std::string_view text, std::size_t offset, int &line, int &column)
{
    offset = std::min(offset, text.size());
    line = 1;
    column = 1;
    for (std::size_t i = 0; i < offset; ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            ++column; // count characters, not UTF-8 continuation bytes
        }
    }
}

// The texts of a gauge, by their keys in a tank's "gauge" object.
struct GaugeKey
{
    const char *key;
    std::string TankGauge::*text;
};
constexpr GaugeKey kGaugeKeys[] = {{"table", &TankGauge::table},
                                   {"tableSha256", &TankGauge::tableSha256},
                                   {"levelUnit", &TankGauge::levelUnit},
                                   {"referenceHeight", &TankGauge::referenceHeight},
                                   {"waterCut", &TankGauge::waterCut},
                                   {"sedimentWater", &TankGauge::sedimentWater},
                                   {"ambientTemperature", &TankGauge::ambientTemperature},
                                   {"roofGravity", &TankGauge::roofGravity},
                                   {"roofDensity", &TankGauge::roofDensity}};

Json gaugeJson(const TankGauge &g)
{
    Json j = Json::object();
    j["table"] = g.table;
    j["tableSha256"] = g.tableSha256;
    j["levelUnit"] = g.levelUnit;
    Json readings = Json::array();
    std::size_t last = g.readings.size();
    while (last > 0 && g.readings[last - 1].empty())
        --last;
    for (std::size_t i = 0; i < last; ++i)
        readings.push_back(g.readings[i]);
    j["readings"] = std::move(readings);
    for (const GaugeKey &k : kGaugeKeys)
        if (!j.contains(k.key))
            j[k.key] = g.*k.text;
    return j;
}

ReportReadResult failure(ReportReadError::Kind kind, std::string message, int line = 0, int column = 0)
{
    ReportReadResult r;
    r.error = ReportReadError{kind, std::move(message), line, column};
    return r;
}

} // namespace

namespace {

constexpr const char *kFigureKeys[kResultColumns] = {"grossObserved", "gravityUsed", "vcf",       "grossStandard",
                                                     "longTonFactor", "longTons",    "metricTons"};

Json totalJson(const ReportTotal &t, bool gauged)
{
    Json j;
    if (!t.grade.empty() || !t.averageTemperature.empty())
        j["grade"] = t.grade;
    j["tanks"] = t.tanks;
    j["stoppedTanks"] = t.stoppedTanks;
    j["tanksWithNotice"] = t.advisedTanks;
    if (!t.averageTemperature.empty())
        j["averageTemperature"] = t.averageTemperature;
    j["grossObserved"] = t.grossObserved;
    j["grossStandard"] = t.grossStandard;
    j["longTons"] = t.longTons;
    j["metricTons"] = t.metricTons;
    if (gauged) {
        j["tov"] = t.tov;
        j["freeWater"] = t.freeWater;
        j["nsv"] = t.nsv;
        j["tcv"] = t.tcv;
    }
    j["notice"] = t.notice;
    return j;
}

} // namespace

std::string WriteReportResultsJson(const CargoReport &report, const ReportResult &result)
{
    Json j = Json::parse(WriteReportJson(report));
    j["format"] = "dravex-cargo-report-results";
    Json &tanks = j["tanks"];
    for (std::size_t i = 0; i < report.rows.size(); ++i) {
        const RowResult &r = result.rows[i];
        Json &tank = tanks[i];
        for (int c = 0; c < kResultColumns; ++c)
            tank[kFigureKeys[c]] = r.figures[c];
        if (report.gauged()) {
            // The volumes of version 2 reports: every tank's chain to NSV and TCV.
            const RowResult::Volumes &v = r.volumes;
            tank["volumes"] = {{"tov", v.tov},
                               {"freeWater", v.freeWater},
                               {"gov", v.gov},
                               {"gsv", v.gsv},
                               {"sw", v.swPercent},
                               {"csw", v.csw},
                               {"nsv", v.nsv},
                               {"tcv", v.tcv},
                               {"tableSha256", v.tableSha256}};
        }
        tank["stopped"] = r.stopped;
        tank["clean"] = !r.blank && !r.stopped && !r.advised;
        tank["notice"] = r.notice;
    }
    Json grades = Json::array();
    for (const ReportTotal &g : result.grades) {
        Json t = totalJson(g, report.gauged());
        t["grade"] = g.grade;
        grades.push_back(std::move(t));
    }
    j["grades"] = std::move(grades);
    j["total"] = totalJson(result.overall, report.gauged());
    if (ComparisonUsed(report))
        j["comparison"] = ComparisonResultJson(report, result);
    return j.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::string WriteReportJson(const CargoReport &report)
{
    Json j;
    // A report that needs nothing of version 2 stays version 1, so earlier versions of
    // Dravex open it.
    const bool gauged = report.gauged();
    j["format"] = kReportFormat;
    j["version"] = gauged ? kReportVersion : 1;
    j["edition"] = EditionId(report.edition);
    j["units"] = report.units == UnitSystem::US ? "us" : "metric";
    j["vcf"] = report.vcfMethod == VcfMethod::PerTank ? "per-tank" : "grade-average-temperature";
    Json header = Json::object();
    ReportHeader h = report.header;
    for (const char *key : kHeaderKeys)
        header[key] = *headerField(h, key);
    header["operation"] = OperationId(report.header.operation);
    if (gauged) {
        ShipConditionText c = report.condition;
        for (const char *key : kConditionKeys)
            header[key] = *conditionField(c, key);
    }
    j["header"] = std::move(header);
    WriteComparisonKeys(report, j["header"], j);
    if (gauged)
        j["tankTables"] = report.tankTables;
    Json tanks = Json::array();
    for (const TankRow &row : report.rows) {
        Json tank = Json::object();
        for (int c = 0; c < kTankColumns; ++c)
            tank[kTankKeys[c]] = row.cells[c];
        if (row.gauge)
            tank["gauge"] = gaugeJson(*row.gauge);
        tanks.push_back(std::move(tank));
    }
    j["tanks"] = std::move(tanks);
    // Bytes that are not UTF-8 (pasted from elsewhere) are written as U+FFFD, not refused.
    return j.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

namespace {

// Where the parser is, for the first key an object gives twice: the path of objects and
// lists down to it ("tanks[2]") and the keys each open object has given so far.
class DuplicateKeyWatch
{
public:
    bool operator()(int, Json::parse_event_t event, Json &parsed)
    {
        switch (event) {
        case Json::parse_event_t::object_start:
            enter(true);
            break;
        case Json::parse_event_t::array_start:
            enter(false);
            break;
        case Json::parse_event_t::object_end:
        case Json::parse_event_t::array_end:
            if (!m_open.empty())
                m_open.pop_back();
            break;
        case Json::parse_event_t::key:
            if (!m_open.empty()) {
                Frame &frame = m_open.back();
                frame.key = parsed.get<std::string>();
                if (!frame.keys.insert(frame.key).second && m_found.empty())
                    m_found = "the key \"" + frame.key + "\" is given twice in " + where();
            }
            break;
        case Json::parse_event_t::value:
            break;
        }
        return true;
    }

    // Empty when no object gave a key twice.
    const std::string &found() const { return m_found; }

private:
    struct Frame
    {
        bool object;
        std::set<std::string> keys;
        std::string key;   // the object's current key
        std::size_t items; // the list's items begun
    };

    void enter(bool object)
    {
        // A value begun inside a list is its next item.
        if (!m_open.empty() && !m_open.back().object)
            ++m_open.back().items;
        m_open.push_back({object, {}, {}, 0});
    }

    std::string where() const
    {
        std::string path;
        for (std::size_t i = 0; i + 1 < m_open.size(); ++i) {
            const Frame &f = m_open[i];
            if (f.object)
                path += (path.empty() ? "" : ".") + f.key;
            else
                path += "[" + std::to_string(f.items) + "]";
        }
        return path.empty() ? "the report" : path;
    }

    std::vector<Frame> m_open;
    std::string m_found;
};

TankGauge readGauge(const Json &j, const std::string &where)
{
    if (!j.is_object())
        throw Damaged{where + " is not an object"};
    TankGauge g;
    for (const GaugeKey &k : kGaugeKeys)
        g.*k.text = textAt(j, k.key, where);
    if (const auto readings = j.find("readings"); readings != j.end() && !readings->is_null()) {
        if (!readings->is_array())
            throw Damaged{where + ".readings is not a list"};
        if (readings->size() > kGaugeReadings)
            throw Damaged{where + ".readings holds " + std::to_string(readings->size()) + " readings, more than " +
                          std::to_string(kGaugeReadings)};
        for (std::size_t i = 0; i < readings->size(); ++i) {
            if (!(*readings)[i].is_string())
                throw Damaged{where + ".readings[" + std::to_string(i + 1) + "] is not text"};
            g.readings[i] = (*readings)[i].get<std::string>();
        }
    }
    return g;
}

} // namespace

ReportReadResult ReadReportJson(std::string_view text)
{
    Json j;
    DuplicateKeyWatch duplicates;
    try {
        j = Json::parse(text.begin(), text.end(), std::ref(duplicates));
    } catch (const Json::parse_error &e) {
        int line = 0, column = 0;
        lineAndColumn(text, e.byte > 0 ? e.byte - 1 : 0, line, column);
        return failure(ReportReadError::Kind::NotJson,
                       "The file is damaged: not valid JSON at line " + std::to_string(line) + ", column " +
                           std::to_string(column),
                       line, column);
    } catch (const Json::exception &) {
        return failure(ReportReadError::Kind::NotJson, "The file is damaged: not valid JSON");
    }

    const auto format = j.is_object() ? j.find("format") : j.end();
    if (!j.is_object() || format == j.end() || !format->is_string() || format->get<std::string>() != kReportFormat)
        return failure(ReportReadError::Kind::NotAReport, "The file is not a Dravex cargo report");
    // A key given twice would leave one of its values unread: which one was meant cannot
    // be told, so the file is damaged.
    if (!duplicates.found().empty())
        return failure(ReportReadError::Kind::Damaged, "The file is damaged: " + duplicates.found());
    const auto version = j.find("version");
    if (version == j.end() || !version->is_number_integer()) {
        // A whole number too large for an integer is read as a floating-point one.
        if (version != j.end() && version->is_number_float() && version->get<double>() > kReportVersion &&
            std::floor(version->get<double>()) == version->get<double>())
            return failure(ReportReadError::Kind::NewerVersion,
                           "The report was written by a newer version of Dravex (file version " + version->dump() +
                               "; this version reads up to " + std::to_string(kReportVersion) + ")");
        return failure(ReportReadError::Kind::Damaged, "The file is damaged: it has no version number");
    }
    // Above the largest signed integer the number is held unsigned: newer all the same.
    if (version->is_number_unsigned() ? version->get<std::uint64_t>() > static_cast<std::uint64_t>(kReportVersion)
                                      : version->get<std::int64_t>() > kReportVersion)
        return failure(ReportReadError::Kind::NewerVersion,
                       "The report was written by a newer version of Dravex (file version " + version->dump() +
                           "; this version reads up to " + std::to_string(kReportVersion) + ")");
    if (version->get<std::int64_t>() < 1)
        return failure(ReportReadError::Kind::Damaged, "The file is damaged: version " +
                                                           std::to_string(version->get<std::int64_t>()) +
                                                           " does not exist");

    try {
        CargoReport report;
        const std::string edition = textAt(j, "edition", "report");
        const std::optional<Edition> e = EditionFromId(edition.empty() ? "1980" : edition);
        if (!e)
            return failure(ReportReadError::Kind::NewerVersion,
                           "The report uses the tables edition '" + edition +
                               "', which this version does not know: it was written by a newer version of Dravex");
        report.edition = *e;
        const std::string units = textAt(j, "units", "report");
        if (units == "us" || units.empty())
            report.units = UnitSystem::US;
        else if (units == "metric")
            report.units = UnitSystem::Metric;
        else
            throw Damaged{"report.units is '" + units + "', not us or metric"};
        report.tankTables = textAt(j, "tankTables", "report");
        const std::string vcf = textAt(j, "vcf", "report");
        if (vcf == "per-tank" || vcf.empty())
            report.vcfMethod = VcfMethod::PerTank;
        else if (vcf == "grade-average-temperature")
            report.vcfMethod = VcfMethod::GradeAverageTemperature;
        else
            throw Damaged{"report.vcf is '" + vcf + "', not per-tank or grade-average-temperature"};

        if (const auto header = j.find("header"); header != j.end() && !header->is_null()) {
            if (!header->is_object())
                throw Damaged{"report.header is not an object"};
            for (const char *key : kHeaderKeys)
                *headerField(report.header, key) = textAt(*header, key, "header");
            for (const char *key : kConditionKeys)
                *conditionField(report.condition, key) = textAt(*header, key, "header");
            const std::string op = textAt(*header, "operation", "header");
            const auto found = std::find_if(std::begin(kOperations), std::end(kOperations),
                                            [&](ReportOperation o) { return OperationId(o) == op; });
            if (found == std::end(kOperations) && !op.empty())
                throw Damaged{"header.operation is '" + op +
                              "', not one of loading, discharge, on-arrival, "
                              "on-sailing, other"};
            report.header.operation = found == std::end(kOperations) ? ReportOperation::Loading : *found;
        }

        if (const std::string fault = ReadComparisonKeys(j, report); !fault.empty())
            throw Damaged{fault};

        if (const auto tanks = j.find("tanks"); tanks != j.end() && !tanks->is_null()) {
            if (!tanks->is_array())
                throw Damaged{"report.tanks is not a list"};
            report.rows.reserve(tanks->size());
            for (std::size_t i = 0; i < tanks->size(); ++i) {
                const Json &tank = (*tanks)[i];
                const std::string where = "tanks[" + std::to_string(i + 1) + "]";
                if (!tank.is_object())
                    throw Damaged{where + " is not an object"};
                TankRow row;
                for (int c = 0; c < kTankColumns; ++c)
                    row.cells[c] = textAt(tank, kTankKeys[c], where);
                if (const auto gauge = tank.find("gauge"); gauge != tank.end() && !gauge->is_null())
                    row.gauge = readGauge(*gauge, where + ".gauge");
                report.rows.push_back(std::move(row));
            }
        }
        ReportReadResult r;
        r.report = std::move(report);
        return r;
    } catch (const Damaged &d) {
        return failure(ReportReadError::Kind::Damaged, "The file is damaged: " + d.what);
    } catch (const Json::exception &e) {
        return failure(ReportReadError::Kind::Damaged, std::string("The file is damaged: ") + e.what());
    }
}

} // namespace dravex
