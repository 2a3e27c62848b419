// SPDX-License-Identifier: GPL-3.0-or-later
// Calls per second of the correction model's four factor operations, over a spread of
// gravities, densities and temperatures that crosses every product group.
#include "core/correction_model.h"
#include "core/gravity_correction.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

constexpr std::array<double, 8> kGravities{10, 25, 30, 37, 45, 50, 52, 70};
constexpr std::array<double, 8> kDensities{650, 720, 770.5, 780, 800, 839, 900, 1050};
constexpr std::array<double, 4> kFahrenheit{20, 60, 80, 150};
constexpr std::array<double, 4> kCelsius{-5, 15, 25, 60};

template <dravex::VolumeFactor (*Op)(double, double), const auto &Inputs, const auto &Temperatures>
void factor(benchmark::State &state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        const double x = Inputs[i % Inputs.size()];
        const double t = Temperatures[(i / Inputs.size()) % Temperatures.size()];
        benchmark::DoNotOptimize(Op(x, t).vcf);
        ++i;
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(factor<dravex::Table6AFactor, kGravities, kFahrenheit>)->Name("Table6AFactor");
BENCHMARK(factor<dravex::Table6BFactor, kGravities, kFahrenheit>)->Name("Table6BFactor");
BENCHMARK(factor<dravex::Table54AFactor, kDensities, kCelsius>)->Name("Table54AFactor");
BENCHMARK(factor<dravex::Table54BFactor, kDensities, kCelsius>)->Name("Table54BFactor");

namespace {

// Gravity correction: eight substitution passes per call.
void api60(benchmark::State &state, dravex::TemperatureDifference form)
{
    std::size_t i = 0;
    for (auto _ : state) {
        const double api = kGravities[i % kGravities.size()];
        const double t = kFahrenheit[(i / kGravities.size()) % kFahrenheit.size()];
        benchmark::DoNotOptimize(dravex::ObservedApiToApi60(api, t, form).api60);
        ++i;
    }
    state.SetItemsProcessed(state.iterations());
}

void density15(benchmark::State &state, dravex::DensityTable table)
{
    std::size_t i = 0;
    for (auto _ : state) {
        const double rho = kDensities[i % kDensities.size()];
        const double t = kCelsius[(i / kDensities.size()) % kCelsius.size()];
        benchmark::DoNotOptimize(dravex::ObservedDensityToDensity15(rho, t, table).density15);
        ++i;
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK_CAPTURE(api60, Table5A, dravex::TemperatureDifference::WholeDegrees)->Name("ObservedApiToApi60/5A");
BENCHMARK_CAPTURE(api60, Table5B, dravex::TemperatureDifference::Exact)->Name("ObservedApiToApi60/5B");
BENCHMARK_CAPTURE(density15, Table53A, dravex::DensityTable::Table53A)->Name("ObservedDensityToDensity15/53A");
BENCHMARK_CAPTURE(density15, Table53B, dravex::DensityTable::Table53B)->Name("ObservedDensityToDensity15/53B");

#include "core/vcf2004.h"

namespace {

// The 2004 edition: one CTPL from a density at 60 F (every refined-product group, both
// sides of 60 F, with and without pressure), and one observed-to-base search.
constexpr std::array<double, 8> kDensities60{650, 720, 775, 790, 820, 850, 950, 1100};
constexpr std::array<double, 4> kFahrenheit2004{-20, 55, 95, 250};
constexpr std::array<double, 4> kPsig{0, 150, 600, 1400};

void ctplFromBase(benchmark::State &state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        const double rho = kDensities60[i % kDensities60.size()];
        const double t = kFahrenheit2004[(i / kDensities60.size()) % kFahrenheit2004.size()];
        const double p = kPsig[(i / 32) % kPsig.size()];
        benchmark::DoNotOptimize(dravex::Vcf2004FactorsAt(dravex::Vcf2004Commodity::RefinedProducts, rho, t, p).ctpl);
        ++i;
    }
    state.SetItemsProcessed(state.iterations());
}

void observedToBase(benchmark::State &state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        const double rho = kDensities60[i % kDensities60.size()];
        const double t = kFahrenheit2004[(i / kDensities60.size()) % kFahrenheit2004.size()];
        const double p = kPsig[(i / 32) % kPsig.size()];
        benchmark::DoNotOptimize(
            dravex::Vcf2004ObservedToBase(dravex::Vcf2004Commodity::RefinedProducts, rho, t, p).factors.rho60);
        ++i;
    }
    state.SetItemsProcessed(state.iterations());
}

// The whole calculation a window runs: limits, search, factors and roundings, no working.
void correction(benchmark::State &state)
{
    std::size_t i = 0;
    dravex::Vcf2004Input in;
    in.commodity = dravex::Vcf2004Commodity::RefinedProducts;
    in.observed = true;
    for (auto _ : state) {
        in.density = kDensities60[i % kDensities60.size()];
        in.temperature = kFahrenheit2004[(i / kDensities60.size()) % kFahrenheit2004.size()];
        in.pressure = kPsig[(i / 32) % kPsig.size()];
        benchmark::DoNotOptimize(dravex::Vcf2004Correction(in).ctplRounded);
        ++i;
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(ctplFromBase)->Name("Vcf2004FactorsAt");
BENCHMARK(observedToBase)->Name("Vcf2004ObservedToBase");
BENCHMARK(correction)->Name("Vcf2004Correction/observed");
