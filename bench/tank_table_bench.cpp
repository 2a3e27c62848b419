// SPDX-License-Identifier: GPL-3.0-or-later
// Tank tables: one bilinear lookup over level x trim (with its working), and the import of
// a 20,000-row table with 8 trim columns from tab-separated text.
#include "core/tank_table.h"
#include "core/tank_table_import.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kRows = 20000;
constexpr int kTrims = 8;

// Innages 0, 1, 2, ... mm; trims -2 to 1.5 m by 0.5; volumes rising with both.
std::string tableText()
{
    std::string text = "Innage";
    for (int j = 0; j < kTrims; ++j)
        text += "\t" + std::to_string(-2 + 0.5 * j);
    text += "\n";
    for (int i = 0; i < kRows; ++i) {
        text += std::to_string(i);
        for (int j = 0; j < kTrims; ++j)
            text += "\t" + std::to_string(i * 1.25 + j * 0.375);
        text += "\n";
    }
    return text;
}

dravex::ImportMapping mapping()
{
    dravex::ImportMapping m;
    m.skipRows = 1;
    for (int j = 0; j < kTrims; ++j) {
        m.valueColumns.push_back(j + 1);
        m.columnValues.push_back(-2 + 0.5 * j);
    }
    return m;
}

template <bool Describe> void bilinearLookup(benchmark::State &state)
{
    const dravex::ImportResult imported = dravex::ImportTableGrid(tableText(), mapping());
    std::size_t i = 0;
    for (auto _ : state) {
        const double level = 137.5 + static_cast<double>((i * 7919) % 19000);
        const double trim = -1.9 + 0.1 * static_cast<double>(i % 30);
        benchmark::DoNotOptimize(dravex::LookupGrid(imported.grid, level, trim, false, "trim", Describe).value);
        ++i;
    }
    state.SetItemsProcessed(state.iterations());
}

void importTable(benchmark::State &state)
{
    const std::string text = tableText();
    const dravex::ImportMapping m = mapping();
    for (auto _ : state) {
        const dravex::ImportResult r = dravex::ImportTableGrid(text, m);
        if (!r.ok() || r.grid.levels.size() != kRows)
            state.SkipWithError("the table did not import");
        benchmark::DoNotOptimize(r.grid.values.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

} // namespace

BENCHMARK(bilinearLookup<false>)->Name("TankTableBilinearLookup");
BENCHMARK(bilinearLookup<true>)->Name("TankTableBilinearLookup/with working");
BENCHMARK(importTable)->Name("TankTableImport20000x8")->Unit(benchmark::kMillisecond);
