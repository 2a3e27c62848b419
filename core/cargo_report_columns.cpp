// SPDX-License-Identifier: GPL-3.0-or-later
// The names a cargo report goes by: the tables each edition runs, the column heads, the
// operations, and the CSV a report is exported as.
#include "core/cargo_report.h"

#include "core/csv.h"

namespace dravex {

namespace {

const ReportTables kTables1980Us{
    {"Form5", "Form21"}, {"Form23", "Form24"}, {"Table 6A", "Table 6B"}, {"Table 5A", "Table 5B"}, "Table 11"};
const ReportTables kTables1980Metric{
    {"Form22", "Form6"}, {"Form25", "Form26"}, {"Table 54A", "Table 54B"}, {"Table 53A", "Table 53B"}, "Table 57"};
// The 2004 edition window serves both product types and both steps of an observed pair.
const ReportTables kEdition2004Us{{"Vcf2004", "Vcf2004"},
                                  {"Vcf2004", "Vcf2004"},
                                  {"2004 edition, crude oils", "2004 edition, refined products"},
                                  {"2004 edition, crude oils", "2004 edition, refined products"},
                                  "Table 11"};
const ReportTables kEdition2004Metric{{"Vcf2004", "Vcf2004"},
                                      {"Vcf2004", "Vcf2004"},
                                      {"2004 edition, crude oils", "2004 edition, refined products"},
                                      {"2004 edition, crude oils", "2004 edition, refined products"},
                                      "Table 57"};

} // namespace

const ReportTables &TablesFor(Edition edition, UnitSystem units)
{
    const bool us = units == UnitSystem::US;
    switch (edition) {
    case Edition::Tables1980:
        break;
    case Edition::Edition2004:
        return us ? kEdition2004Us : kEdition2004Metric;
    }
    return us ? kTables1980Us : kTables1980Metric;
}

std::string_view EditionId(Edition edition)
{
    switch (edition) {
    case Edition::Tables1980:
        return "1980";
    case Edition::Edition2004:
        return "2004";
    }
    return "1980";
}

std::optional<Edition> EditionFromId(std::string_view id)
{
    if (id == "1980")
        return Edition::Tables1980;
    if (id == "2004")
        return Edition::Edition2004;
    return std::nullopt;
}

std::string TablesUsed(Edition edition, UnitSystem units)
{
    const ReportTables &t = TablesFor(edition, units);
    const bool us = units == UnitSystem::US;
    if (edition == Edition::Edition2004)
        return std::string("2004 edition (API MPMS 11.1-2004): crude oils (A) and refined products (B) to ") +
               (us ? "60 F" : "15 C") + " at pressure 0, observed " + (us ? "API gravities" : "densities") +
               " corrected to the base by the same edition; " + t.longTonTable + " long-ton factor from the " +
               (us ? "API at 60 F" : "density at 15 C") + "; metric tons in air " +
               (us ? "from long tons" : "at density less 1.1 kg/m3");
    return std::string(EditionId(edition)) + " tables: " + t.volumeTable[0] + ", " + t.volumeTable[1] + ", " +
           t.gravityTable[0] + ", " + t.gravityTable[1] + ", " + t.longTonTable + "; metric tons in air " +
           (units == UnitSystem::US ? "from long tons" : "at density less 1.1 kg/m3");
}

std::string TankColumnHead(TankColumn c, UnitSystem units)
{
    const bool us = units == UnitSystem::US;
    switch (c) {
    case TankColumn::Tank:
        return "Tank";
    case TankColumn::Grade:
        return "Grade";
    case TankColumn::Type:
        return "Type";
    case TankColumn::TotalObserved:
        return us ? "Total observed (bbl)" : "Total observed (m3)";
    case TankColumn::FreeWater:
        return us ? "Free water (bbl)" : "Free water (m3)";
    case TankColumn::Temperature:
        return us ? "Temperature (F)" : "Temperature (C)";
    case TankColumn::Gravity:
        return us ? "API at 60 F" : "Density at 15 C (kg/m3)";
    case TankColumn::ObservedGravity:
        return us ? "Observed API" : "Observed density (kg/m3)";
    case TankColumn::ObservedGravityTemp:
        return us ? "Observed at (F)" : "Observed at (C)";
    }
    return {};
}

std::string ResultColumnHead(ResultColumn c, UnitSystem units)
{
    const bool us = units == UnitSystem::US;
    switch (c) {
    case ResultColumn::GrossObserved:
        return us ? "Gross observed (bbl)" : "Gross observed (m3)";
    case ResultColumn::GravityUsed:
        return us ? "API used" : "Density used";
    case ResultColumn::Vcf:
        return "VCF";
    case ResultColumn::GrossStandard:
        return us ? "Gross standard (bbl at 60 F)" : "Gross standard (m3 at 15 C)";
    case ResultColumn::LongTonFactor:
        return "LT factor";
    case ResultColumn::LongTons:
        return "Long tons";
    case ResultColumn::MetricTons:
        return "Metric tons in air";
    }
    return {};
}

std::string_view OperationId(ReportOperation op)
{
    switch (op) {
    case ReportOperation::Loading:
        return "loading";
    case ReportOperation::Discharge:
        return "discharge";
    case ReportOperation::OnArrival:
        return "on-arrival";
    case ReportOperation::OnSailing:
        return "on-sailing";
    case ReportOperation::Other:
        return "other";
    }
    return "other";
}

std::string_view OperationName(ReportOperation op)
{
    switch (op) {
    case ReportOperation::Loading:
        return "Loading";
    case ReportOperation::Discharge:
        return "Discharge";
    case ReportOperation::OnArrival:
        return "On arrival";
    case ReportOperation::OnSailing:
        return "On sailing";
    case ReportOperation::Other:
        return "Other";
    }
    return "Other";
}

namespace {

void appendRecord(std::string &out, const std::vector<std::string> &fields)
{
    const std::vector<std::string_view> views(fields.begin(), fields.end());
    AppendCsvRecord(out, views);
}

} // namespace

std::string WriteReportCsv(const CargoReport &report, const ReportResult &result)
{
    std::string out;
    std::vector<std::string> fields;
    // A gauged report (version 2) adds the volumes from TOV to TCV and the table's hash
    // before the notice.
    const bool gauged = report.gauged();
    const std::string unit = report.units == UnitSystem::US ? " (bbl)" : " (m3)";
    const std::vector<std::string> volumeHeads = {"TOV" + unit, "FW" + unit,  "GOV" + unit, "GSV" + unit,   "S&W %",
                                                  "CSW",        "NSV" + unit, "TCV" + unit, "Table SHA-256"};
    const std::size_t extra = gauged ? volumeHeads.size() : 0;
    for (int c = 0; c < kTankColumns; ++c)
        fields.push_back(TankColumnHead(static_cast<TankColumn>(c), report.units));
    for (int c = 0; c < kResultColumns; ++c)
        fields.push_back(ResultColumnHead(static_cast<ResultColumn>(c), report.units));
    if (gauged)
        fields.insert(fields.end(), volumeHeads.begin(), volumeHeads.end());
    fields.push_back("Notice");
    appendRecord(out, fields);
    for (std::size_t i = 0; i < report.rows.size(); ++i) {
        if (result.rows[i].blank)
            continue;
        fields.assign(report.rows[i].cells.begin(), report.rows[i].cells.end());
        fields.insert(fields.end(), result.rows[i].figures.begin(), result.rows[i].figures.end());
        if (gauged) {
            const RowResult::Volumes &v = result.rows[i].volumes;
            fields.insert(fields.end(),
                          {v.tov, v.freeWater, v.gov, v.gsv, v.swPercent, v.csw, v.nsv, v.tcv, v.tableSha256});
            if (report.rows[i].gauge) {
                // The typed total and free water are not used: the gauge gives them.
                fields[static_cast<int>(TankColumn::TotalObserved)] = "gauged";
                fields[static_cast<int>(TankColumn::FreeWater)] = {};
            } else {
                fields[static_cast<int>(TankColumn::TotalObserved)] += " (manual)";
            }
        }
        fields.push_back(result.rows[i].notice);
        appendRecord(out, fields);
    }
    const auto totalRow = [&](const ReportTotal &t, const std::string &label) {
        fields.assign(kTankColumns + kResultColumns + extra + 1, {});
        if (gauged) {
            const std::size_t v = kTankColumns + kResultColumns;
            fields[v] = t.tov;
            fields[v + 1] = t.freeWater;
            fields[v + 2] = t.grossObserved;
            fields[v + 3] = t.grossStandard;
            fields[v + 6] = t.nsv;
            fields[v + 7] = t.tcv;
        }
        fields[static_cast<int>(TankColumn::Tank)] = label;
        fields[static_cast<int>(TankColumn::Grade)] = t.grade;
        fields[static_cast<int>(TankColumn::Temperature)] = t.averageTemperature;
        const auto at = [&](ResultColumn c) -> std::string & { return fields[kTankColumns + static_cast<int>(c)]; };
        at(ResultColumn::GrossObserved) = t.grossObserved;
        at(ResultColumn::GrossStandard) = t.grossStandard;
        at(ResultColumn::LongTons) = t.longTons;
        at(ResultColumn::MetricTons) = t.metricTons;
        std::string notice = std::to_string(t.tanks) + (t.tanks == 1 ? " tank" : " tanks");
        if (!t.stoppedTanks.empty()) {
            notice += "; left out, stopped:";
            for (std::size_t k = 0; k < t.stoppedTanks.size(); ++k)
                notice += (k ? ", " : " ") + t.stoppedTanks[k];
        }
        if (!t.advisedTanks.empty()) {
            notice += "; counted with a notice:";
            for (std::size_t k = 0; k < t.advisedTanks.size(); ++k)
                notice += (k ? ", " : " ") + t.advisedTanks[k];
        }
        if (!t.notice.empty())
            notice += "; " + t.notice;
        fields.back() = notice;
        appendRecord(out, fields);
    };
    for (const ReportTotal &g : result.grades)
        totalRow(g, "Total grade");
    totalRow(result.overall, "Total");
    // The ship/shore comparison under the totals: a label and its value per row.
    for (const auto &[label, value] : ComparisonLines(report, result)) {
        fields.assign(kTankColumns + kResultColumns + extra + 1, {});
        fields[0] = label;
        fields[1] = value;
        appendRecord(out, fields);
    }
    return out;
}

} // namespace dravex
