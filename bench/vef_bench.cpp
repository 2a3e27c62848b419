// SPDX-License-Identifier: GPL-3.0-or-later
// Vessel experience factors over a fleet's voyage log: 10,000 voyages of 200 vessels, half
// loads and half discharges, with the faults a real log holds (gross errors, a missing
// shore figure, outliers, two-grade voyages).
#include "core/vef.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr int kVessels = 200;
constexpr int kVoyagesPerVessel = 50;

// A fixed sequence, the same on every run.
std::uint32_t next(std::uint32_t &state)
{
    state = state * 1664525u + 1013904223u;
    return state >> 8;
}

std::vector<dravex::VoyageEntry> fleetLog()
{
    std::vector<dravex::VoyageEntry> log;
    log.reserve(kVessels * kVoyagesPerVessel + kVessels * 5);
    std::uint32_t state = 12345;
    for (int v = 0; v < kVessels; ++v) {
        const std::string vessel = "Vessel " + std::to_string(v + 1);
        for (int n = 0; n < kVoyagesPerVessel; ++n) {
            dravex::VoyageEntry e;
            e.vessel = vessel;
            e.voyage = std::to_string(n / 2 + 1) + (n % 2 ? "D" : "L");
            e.operation = n % 2 ? dravex::VoyageOperation::Discharge : dravex::VoyageOperation::Load;
            e.date = std::to_string(2020 + n / 24) + "-" + (n % 24 / 2 < 9 ? "0" : "") +
                     std::to_string(n % 24 / 2 + 1) + "-" + (n % 2 ? "20" : "05");
            e.port = n % 2 ? "Rotterdam" : "Ras Tanura";
            e.unit = "bbl";
            const double shore = 150000 + static_cast<double>(next(state) % 10000000) / 100.0;
            // Ratios mostly within 0.3 % of 1.002, some outliers, a few gross errors.
            const int spread = static_cast<int>(next(state) % 1000);
            double ratio = 1.002 + (spread - 500) / 100000.0;
            if (spread % 17 == 0)
                ratio += 0.008;
            if (spread % 97 == 0)
                ratio = 1.03;
            e.shoreTcv = shore;
            e.onBoard = static_cast<double>(next(state) % 50000) / 100.0;
            e.vesselTcv = shore * ratio + *e.onBoard;
            if (spread % 211 == 0)
                e.shoreTcv.reset();
            if (n % 10 == 3) { // a second grade
                dravex::VoyageEntry g = e;
                g.grade = "Grade B";
                e.grade = "Grade A";
                log.push_back(g);
            }
            log.push_back(std::move(e));
        }
    }
    return log;
}

void fleetVefs(benchmark::State &state)
{
    const std::vector<dravex::VoyageEntry> log = fleetLog();
    for (auto _ : state)
        benchmark::DoNotOptimize(dravex::ComputeFleetVefs(log));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(log.size()));
}

void oneVessel(benchmark::State &state)
{
    const std::vector<dravex::VoyageEntry> log = fleetLog();
    const dravex::VefRequest request{"Vessel 137", dravex::VoyageOperation::Discharge, "25D", ""};
    for (auto _ : state)
        benchmark::DoNotOptimize(dravex::ComputeVef(log, request));
}

void readAndCompute(benchmark::State &state)
{
    const std::string text = dravex::WriteVoyagesCsv(fleetLog());
    for (auto _ : state) {
        const dravex::VoyageFileResult file = dravex::ReadVoyagesCsv(text);
        benchmark::DoNotOptimize(dravex::ComputeFleetVefs(file.entries));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

} // namespace

BENCHMARK(fleetVefs)->Name("FleetVefs/10000voyages/200vessels")->Unit(benchmark::kMillisecond);
BENCHMARK(oneVessel)->Name("OneVesselFrom10000")->Unit(benchmark::kMillisecond);
BENCHMARK(readAndCompute)->Name("ReadCsvAndFleetVefs/10000voyages")->Unit(benchmark::kMillisecond);
