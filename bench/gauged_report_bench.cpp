// SPDX-License-Identifier: GPL-3.0-or-later
// A 40-tank gauged cargo report recomputed after one reading is edited: every tank read
// through its table again, the edited tank's VCF window run again, the totals summed.
#include "core/cargo_report.h"
#include "core/tank_table_file.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kTanks = 40;
constexpr int kLevels = 2000; // ullages 0 to 19990 mm by 10 mm
constexpr int kTrims = 8;     // -2 to 1.5 m by 0.5

dravex::TankTableDocument tables()
{
    dravex::TankTableDocument doc;
    doc.owner = "Bench vessel";
    for (int t = 0; t < kTanks; ++t) {
        dravex::TankTable table;
        table.name = "T" + std::to_string(t);
        table.referenceHeight = 20000;
        table.layout = dravex::TableLayout::TrimVolumeGrid;
        for (int j = 0; j < kTrims; ++j)
            table.trim.columns.push_back(-2 + 0.5 * j);
        for (int i = 0; i < kLevels; ++i) {
            table.trim.levels.push_back(i * 10.0);
            for (int j = 0; j < kTrims; ++j)
                table.trim.values.push_back(12000 - i * 6.0 + j * 0.5 + t);
        }
        doc.tables.push_back(std::move(table));
    }
    return doc;
}

dravex::CargoReport report()
{
    dravex::CargoReport r;
    r.units = dravex::UnitSystem::Metric;
    r.condition.draftForward = "9.1";
    r.condition.draftAft = "9.9";
    for (int t = 0; t < kTanks; ++t) {
        dravex::TankRow row;
        row[dravex::TankColumn::Tank] = "T" + std::to_string(t);
        row[dravex::TankColumn::Grade] = t % 2 ? "Crude" : "Fuel oil";
        row[dravex::TankColumn::Type] = t % 2 ? "A" : "B";
        row[dravex::TankColumn::Temperature] = std::to_string(20 + t % 7);
        row[dravex::TankColumn::Gravity] = t % 2 ? "870" : "950";
        dravex::TankGauge g;
        g.readings = {"1234", "1236", "1235", "", ""};
        g.waterCut = "35";
        g.sedimentWater = "0.2";
        row.gauge = g;
        r.rows.push_back(std::move(row));
    }
    return r;
}

void GaugedReportAfterEdit(benchmark::State &state)
{
    const dravex::TankTableDocument doc = tables();
    dravex::CargoReport r = report();
    dravex::ReportRecomputer recompute;
    benchmark::DoNotOptimize(recompute(r, &doc));
    int edit = 0;
    for (auto _ : state) {
        // One reading of one tank changes, as typing does.
        dravex::TankGauge &g = *r.rows[edit % kTanks].gauge;
        g.readings[0] = g.readings[1] = g.readings[2] = std::to_string(1230 + edit % 9);
        ++edit;
        const dravex::ReportResult result = recompute(r, &doc);
        if (!result.clean())
            state.SkipWithError(("not clean: " + result.rows[0].notice).c_str());
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(GaugedReportAfterEdit)->Unit(benchmark::kMillisecond);

} // namespace
