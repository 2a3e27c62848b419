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
