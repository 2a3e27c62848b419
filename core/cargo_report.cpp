// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cargo_report.h"

#include "core/cargo_report_row.h"
#include "core/tank_table_file.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace dravex {

using namespace report_rows;

namespace {

struct Sums
{
    double grossObserved = 0, grossStandard = 0, longTons = 0, metricTons = 0;
    double tov = 0, freeWater = 0, nsv = 0, tcv = 0;
    void add(const RowResult &r)
    {
        const auto value = [&](ResultColumn c) { return ParseFieldNumber(r.figure(c)); };
        grossObserved += value(ResultColumn::GrossObserved);
        grossStandard += value(ResultColumn::GrossStandard);
        longTons += value(ResultColumn::LongTons);
        metricTons += value(ResultColumn::MetricTons);
        tov += ParseFieldNumber(r.volumes.tov);
        freeWater += ParseFieldNumber(r.volumes.freeWater);
        nsv += ParseFieldNumber(r.volumes.nsv);
        tcv += ParseFieldNumber(r.volumes.tcv);
    }
};

void finishTotal(ReportTotal &total, const Sums &sums, UnitSystem units)
{
    try {
        total.grossObserved = FormatFieldNumber(RoundToPlaces(sums.grossObserved, kGrossObservedPlaces));
        total.grossStandard = FormatFieldNumber(RoundToPlaces(sums.grossStandard, grossStandardPlaces(units)));
        total.longTons = FormatFieldNumber(RoundToPlaces(sums.longTons, kLongTonPlaces));
        total.metricTons = FormatFieldNumber(RoundToPlaces(sums.metricTons, kMetricTonPlaces));
        total.tov = FormatFieldNumber(signedRound(Finite(sums.tov), kGrossObservedPlaces));
        total.freeWater = FormatFieldNumber(signedRound(Finite(sums.freeWater), kGrossObservedPlaces));
        total.nsv = FormatFieldNumber(signedRound(Finite(sums.nsv), grossStandardPlaces(units)));
        total.tcv = FormatFieldNumber(signedRound(Finite(sums.tcv), grossStandardPlaces(units)));
    } catch (const CalcFault &fault) {
        total.grossObserved = total.grossStandard = total.longTons = total.metricTons = {};
        total.tov = total.freeWater = total.nsv = total.tcv = {};
        total.notice = "Totals: " + fault.message();
    }
}

} // namespace

double MetricTonsFromLongTons(double longTons)
{
    return RoundToPlaces(Finite(longTons * kMetricTonsPerLongTon), 3);
}

double MetricTonsInAir(double cubicMetres, double density15)
{
    const double perCubicMetre = (density15 - 1.1) / 1000;
    return RoundToPlaces(Finite(cubicMetres * perCubicMetre), 3);
}

bool TankRow::blank() const
{
    if (gauge)
        return false;
    for (const std::string &c : cells)
        if (!isBlankText(c))
            return false;
    return true;
}

bool CargoReport::gauged() const
{
    return !tankTables.empty() || condition.typed() ||
           std::any_of(rows.begin(), rows.end(), [](const TankRow &r) { return r.gauge.has_value(); });
}

void RecordTableHashes(CargoReport &report, const TankTableDocument &tables)
{
    for (TankRow &row : report.rows) {
        if (!row.gauge || !row.gauge->tableSha256.empty())
            continue;
        const std::string name = row.gauge->table.empty() ? trimmed(row[TankColumn::Tank]) : row.gauge->table;
        for (const TankTable &t : tables.tables)
            if (t.name == name) {
                row.gauge->tableSha256 = TankTableSha256(t);
                break;
            }
    }
}

std::string RowName(const CargoReport &report, std::size_t row)
{
    const std::string name = trimmed(report.rows[row][TankColumn::Tank]);
    return name.empty() ? "row " + std::to_string(row + 1) : name;
}

namespace {

// What a row's result depends on besides its texts: units, edition, how its temperature
// was chosen and the temperature used.
std::string rowKey(const CargoReport &report, const TankRow &row, VcfMethod method, const std::string &temperatureUsed,
                   const GaugeContext &gauge)
{
    std::string key;
    key += static_cast<char>('0' + static_cast<int>(report.units));
    key += static_cast<char>('0' + static_cast<int>(report.edition));
    key += static_cast<char>('0' + static_cast<int>(method));
    key += temperatureUsed;
    for (const std::string &cell : row.cells) {
        key += '\x1f';
        key += cell;
    }
    if (const std::optional<TankGauge> &g = row.gauge) {
        // A gauged row depends also on its gauge, its table and the ship's condition.
        const ShipConditionText &h = report.condition;
        for (const std::string *text : {&g->table, &g->tableSha256, &g->levelUnit, &g->referenceHeight, &g->waterCut,
                                        &g->sedimentWater, &g->ambientTemperature, &g->roofGravity, &g->roofDensity,
                                        &h.draftForward, &h.draftAft, &h.lbp, &h.list, &h.listSide}) {
            key += '\x1e';
            key += *text;
        }
        for (const std::string &reading : g->readings) {
            key += '\x1e';
            key += reading;
        }
        const auto hash = gauge.hashes.find(g->table.empty() ? trimmed(row[TankColumn::Tank]) : g->table);
        key += '\x1d';
        key += hash == gauge.hashes.end() ? std::string() : hash->second;
        key += gauge.tables ? gauge.tables->owner : std::string("\x1c");
    }
    return key;
}

// Each table's hash once per table content: a table equal to the one last hashed keeps its
// hash, so recomputing after an edit does not hash every table again.
using TableSeen = ReportRecomputer::TableSeen;
using HashCache = std::unordered_map<std::string, TableSeen>;

GaugeContext gaugeContext(const CargoReport &report, const TankTableDocument *tables, HashCache *hashes)
{
    GaugeContext c;
    c.tables = tables;
    c.condition = ConditionFromHeader(report.condition, report.units);
    if (!tables)
        return c;
    HashCache next;
    for (const TankRow &row : report.rows) {
        if (!row.gauge)
            continue;
        const std::string name = row.gauge->table.empty() ? trimmed(row[TankColumn::Tank]) : row.gauge->table;
        if (c.hashes.contains(name))
            continue;
        for (const TankTable &t : tables->tables) {
            if (t.name != name)
                continue;
            std::string hash;
            std::string fault;
            if (hashes) {
                // The table as last hashed moves on to the next call when it is unchanged.
                const auto found = hashes->find(name);
                if (found != hashes->end() && found->second.table == t) {
                    hash = found->second.hash;
                    fault = found->second.fault;
                    next.emplace(name, std::move(found->second));
                } else {
                    hash = TankTableSha256(t);
                    fault = CheckTankTable(t);
                    next.try_emplace(name, TableSeen{t, hash, fault});
                }
            } else {
                hash = TankTableSha256(t);
                fault = CheckTankTable(t);
            }
            c.faults.emplace(name, std::move(fault));
            c.hashes.emplace(name, std::move(hash));
            break;
        }
    }
    if (hashes)
        *hashes = std::move(next);
    return c;
}

using RowCache = std::unordered_map<std::string, RowResult>;

ReportResult compute(const CargoReport &report, const TankTableDocument *tables, RowCache *cache, HashCache *hashes)
{
    const GaugeContext gauge = gaugeContext(report, tables, hashes);
    RowCache next;
    ReportResult result;
    const std::size_t n = report.rows.size();
    result.rows.resize(n);
    std::vector<RowInputs> inputs(n);
    std::vector<bool> ready(n, false);

    // Grades in order of first appearance.
    std::map<std::string, std::size_t, std::less<>> gradeIndex;
    std::vector<std::size_t> gradeOf(n, 0);
    for (std::size_t i = 0; i < n; ++i) {
        const TankRow &row = report.rows[i];
        RowResult &out = result.rows[i];
        if (row.blank())
            continue;
        out.blank = false;
        const std::string grade = trimmed(row[TankColumn::Grade]);
        const auto [it, added] = gradeIndex.try_emplace(grade, result.grades.size());
        if (added) {
            result.grades.emplace_back();
            result.grades.back().grade = grade;
        }
        gradeOf[i] = it->second;
        try {
            ready[i] = RowRunner(report, row, out, &gauge).readInputs(inputs[i]);
        } catch (const CalcFault &fault) {
            out.stopped = true;
            out.notice = fault.message();
        }
        if (!ready[i])
            RowRunner::traceOf(out).working.push_back("Stopped: " + out.notice);
    }

    // One run of a ready row at a temperature, or the result of an earlier run with the
    // same texts and temperature (this call's or the last call's).
    const auto runRow = [&](std::size_t i, VcfMethod method, const std::string &temperature) {
        std::string key;
        if (cache) {
            key = rowKey(report, report.rows[i], method, method == VcfMethod::PerTank ? std::string() : temperature,
                         gauge);
            if (const auto found = next.find(key); found != next.end())
                return found->second;
            if (const auto found = cache->find(key); found != cache->end()) {
                next.try_emplace(key, found->second);
                return found->second;
            }
        }
        RowResult out = result.rows[i]; // as read: gross observed, no trace yet
        out.detail = std::make_shared<RowTrace>();
        RowRunner runner(report, report.rows[i], out, &gauge);
        try {
            if (method == VcfMethod::GradeAverageTemperature)
                out.detail->working.push_back("Grade average temperature (volume-weighted): " + temperature);
            runner.run(inputs[i], temperature);
            if (!out.stopped)
                runner.finishVolumes(inputs[i]);
        } catch (const CalcFault &fault) {
            runner.stop(fault.message());
        }
        // A stopped row shows its notice in place of its figures, none half done.
        if (out.stopped) {
            out.figures = {};
            out.volumes = {};
            out.advised = false;
        }
        if (cache)
            next.try_emplace(std::move(key), out);
        return out;
    };

    std::vector<RowResult> runs(n);
    for (std::size_t i = 0; i < n; ++i)
        if (ready[i])
            runs[i] = runRow(i, VcfMethod::PerTank, report.rows[i][TankColumn::Temperature]);

    // The average-temperature method: each grade's volume-weighted temperature over its
    // tanks that are counted. A tank that stops at its own temperature is left out before
    // the average; one that stops at the average is left out and the average taken again,
    // until every tank left computes (each round leaves one out at least).
    if (report.vcfMethod == VcfMethod::GradeAverageTemperature) {
        std::vector<bool> counted(n);
        for (std::size_t i = 0; i < n; ++i)
            counted[i] = ready[i] && !runs[i].stopped;
        std::vector<std::string> gradeTemperature(result.grades.size());
        for (bool again = true; again;) {
            again = false;
            std::vector<double> volume(result.grades.size(), 0), weighted(result.grades.size(), 0);
            for (std::size_t i = 0; i < n; ++i) {
                if (!counted[i])
                    continue;
                volume[gradeOf[i]] += inputs[i].grossObserved;
                weighted[gradeOf[i]] += inputs[i].grossObserved * inputs[i].temperature;
            }
            for (std::size_t g = 0; g < result.grades.size(); ++g) {
                gradeTemperature[g].clear();
                if (volume[g] > 0 && std::isfinite(weighted[g]) && std::isfinite(volume[g]))
                    gradeTemperature[g] =
                        FormatFieldNumber(signedRound(weighted[g] / volume[g], temperaturePlaces(report.units)));
            }
            for (std::size_t i = 0; i < n; ++i) {
                if (!counted[i])
                    continue;
                const std::string &temperature = gradeTemperature[gradeOf[i]];
                if (temperature.empty()) {
                    RowResult out = result.rows[i];
                    out.detail = std::make_shared<RowTrace>();
                    RowRunner(report, report.rows[i], out)
                        .stop("No volume to weight the grade's average temperature with");
                    out.figures = {};
                    runs[i] = out;
                } else {
                    runs[i] = runRow(i, VcfMethod::GradeAverageTemperature, temperature);
                }
                if (runs[i].stopped) {
                    counted[i] = false;
                    again = true;
                }
            }
        }
        for (std::size_t g = 0; g < result.grades.size(); ++g)
            result.grades[g].averageTemperature = gradeTemperature[g];
    }
    for (std::size_t i = 0; i < n; ++i)
        if (ready[i])
            result.rows[i] = std::move(runs[i]);
    if (cache)
        *cache = std::move(next);

    std::vector<Sums> gradeSums(result.grades.size());
    Sums all;
    for (std::size_t i = 0; i < n; ++i) {
        const RowResult &r = result.rows[i];
        if (r.blank)
            continue;
        ReportTotal &grade = result.grades[gradeOf[i]];
        if (r.stopped) {
            grade.stoppedTanks.push_back(RowName(report, i));
            result.overall.stoppedTanks.push_back(RowName(report, i));
            continue;
        }
        if (r.advised) {
            grade.advisedTanks.push_back(RowName(report, i));
            result.overall.advisedTanks.push_back(RowName(report, i));
        }
        gradeSums[gradeOf[i]].add(r);
        all.add(r);
        ++grade.tanks;
        ++result.overall.tanks;
    }
    for (std::size_t g = 0; g < result.grades.size(); ++g)
        finishTotal(result.grades[g], gradeSums[g], report.units);
    finishTotal(result.overall, all, report.units);
    return result;
}

} // namespace

const RowTrace &RowResult::trace() const
{
    static const RowTrace kNone;
    return detail ? *detail : kNone;
}

ReportResult Recompute(const CargoReport &report, const TankTableDocument *tables)
{
    return compute(report, tables, nullptr, nullptr);
}

ReportResult ReportRecomputer::operator()(const CargoReport &report, const TankTableDocument *tables)
{
    return compute(report, tables, &m_rows, &m_hashes);
}

} // namespace dravex
