// SPDX-License-Identifier: GPL-3.0-or-later
// dravex-calc batch table6b against the floor of reading and writing CSV: a plain program
// that reads the same rows with std::from_chars and writes as many fields per row with
// std::to_chars (general, 15 significant digits), with no arithmetic. The two run
// interleaved in one process on the same input, and the ratio of their median CPU times
// is printed last. Target: 1.5 or less.
//
//   batch_bench [--rows=N] [benchmark options]   (N defaults to 1,000,000)
#include "cli/command_line.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::size_t g_rows = 1'000'000;
const std::string &input()
{
    // API 10 to 70, -20 to 150 F, gross volumes of one to seven digits with decimals: every
    // product group, both sides of 60 F. The same sequence on every run.
    static const std::string text = [] {
        std::string csv = "api,temp,gross\n";
        csv.reserve(g_rows * 24);
        std::uint32_t state = 12345;
        const auto next = [&state] {
            state = state * 1664525u + 1013904223u;
            return state >> 8;
        };
        for (std::size_t i = 0; i < g_rows; ++i) {
            const unsigned api = 100 + next() % 600;
            const int temp = -200 + static_cast<int>(next() % 1700);
            const unsigned gross = next() % 10'000'000;
            csv += std::to_string(api / 10) + '.' + std::to_string(api % 10) + ',' + (temp < 0 ? "-" : "") +
                   std::to_string(std::abs(temp) / 10) + '.' + std::to_string(std::abs(temp) % 10) + ',' +
                   std::to_string(gross / 100) + '.' + std::to_string(gross % 100) + '\n';
        }
        return csv;
    }();
    return text;
}

// Standard output of both: /dev/null through an ofstream, as dravex-calc writes.
std::ofstream &sink()
{
    static std::ofstream out("/dev/null", std::ios::binary);
    return out;
}

constexpr std::size_t kOutputFields = 9; // api, temp, gross, five outputs, notice

// The floor: each row read with from_chars, nine fields written with to_chars.
std::size_t floorRun(std::istream &in, std::ostream &out)
{
    std::array<char, 64 * 1024> buffer;
    std::string carry;
    std::string written;
    std::size_t rows = 0;
    bool header = true;
    const auto line = [&](std::string_view text) {
        if (header) {
            header = false;
            written += "api,temp,gross,vcf,net_bbl,net_gal,lt_factor,long_tons,notice\r\n";
            return;
        }
        std::array<double, 3> v{};
        const char *p = text.data();
        const char *end = text.data() + text.size();
        for (double &x : v) {
            const auto [next, ec] = std::from_chars(p, end, x);
            p = next < end ? next + 1 : end;
            (void)ec;
        }
        char field[32];
        for (std::size_t k = 0; k + 1 < kOutputFields; ++k) {
            const auto r = std::to_chars(field, field + sizeof field, v[k % 3], std::chars_format::general, 15);
            written.append(field, r.ptr);
            written += ',';
        }
        written += "\r\n";
        ++rows;
        if (written.size() >= 64 * 1024) {
            out.write(written.data(), static_cast<std::streamsize>(written.size()));
            written.clear();
        }
    };
    while (in) {
        in.read(buffer.data(), buffer.size());
        std::string_view got(buffer.data(), static_cast<std::size_t>(in.gcount()));
        for (std::size_t nl; (nl = got.find('\n')) != std::string_view::npos; got.remove_prefix(nl + 1)) {
            if (carry.empty()) {
                line(got.substr(0, nl));
            } else {
                carry.append(got.substr(0, nl));
                line(carry);
                carry.clear();
            }
        }
        carry.append(got);
    }
    if (!carry.empty())
        line(carry);
    out.write(written.data(), static_cast<std::streamsize>(written.size()));
    out.flush();
    return rows;
}

void BM_Floor(benchmark::State &state)
{
    for (auto _ : state) {
        std::istringstream in(input());
        benchmark::DoNotOptimize(floorRun(in, sink()));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * g_rows));
}

void BM_DravexCalcBatchTable6B(benchmark::State &state)
{
    std::ostringstream err;
    for (auto _ : state) {
        std::istringstream in(input());
        const int status = dravex::runCommandLine({"batch", "table6b"}, in, sink(), err);
        if (status != dravex::kExitComputed)
            state.SkipWithError("dravex-calc batch table6b failed");
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * g_rows));
}

// Keeps each repetition's CPU time per benchmark, for the ratio of the medians.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    std::map<std::string, std::vector<double>> cpu;

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                cpu[run.run_name.function_name].push_back(run.GetAdjustedCPUTime());
        ConsoleReporter::ReportRuns(runs);
    }
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    std::vector<char *> args;
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    std::string repetitions = "--benchmark_repetitions=5";
    args.push_back(argv[0]);
    args.push_back(interleave.data());
    args.push_back(repetitions.data());
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--rows=", 7) == 0)
            g_rows = std::stoul(argv[i] + 7);
        else
            args.push_back(argv[i]);
    }
    int count = static_cast<int>(args.size());
    input();
    benchmark::RegisterBenchmark("floor_from_chars_to_chars", BM_Floor)
        ->Iterations(1)
        ->MeasureProcessCPUTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("dravex_calc_batch_table6b", BM_DravexCalcBatchTable6B)
        ->Iterations(1)
        ->MeasureProcessCPUTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&count, args.data());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double floor = median(reporter.cpu["floor_from_chars_to_chars"]);
    const double dravex = median(reporter.cpu["dravex_calc_batch_table6b"]);
    if (floor > 0 && dravex > 0)
        std::printf("%zu rows: dravex-calc batch table6b / floor, median CPU time: %.3f s / %.3f s = %.2f "
                    "(target 1.5 or less)\n",
                    g_rows, dravex / 1e3, floor / 1e3, dravex / floor);
    benchmark::Shutdown();
    return 0;
}
