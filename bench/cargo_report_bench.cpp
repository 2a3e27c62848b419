// SPDX-License-Identifier: GPL-3.0-or-later
// A cargo report of 500 tanks: recompute after an edit, open and save, PDF export.
#include "records/report/cargo_report_model.h"
#include "records/report/report_file.h"
#include "records/report/report_print.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QUndoStack>

#include <benchmark/benchmark.h>

using namespace dravex;

namespace {

// 500 tanks over five grades, crude and products, a third with an observed gravity pair,
// some free water, temperatures spread over 40 to 110 F.
CargoReport report500(UnitSystem units)
{
    CargoReport report;
    report.units = units;
    report.header.vessel = "MT Benchmark";
    const bool us = units == UnitSystem::US;
    for (int i = 0; i < 500; ++i) {
        const bool crude = i % 2 == 0;
        const std::string gravity = us ? std::to_string(crude ? 25 + i % 15 : 40 + i % 20)
                                       : std::to_string(crude ? 820 + i % 80 : 720 + i % 60);
        const std::string temperature = us ? std::to_string(40 + i % 71) : std::to_string(5 + i % 40);
        TankRow row;
        row[TankColumn::Tank] = "T" + std::to_string(i + 1);
        row[TankColumn::Grade] = "Grade " + std::to_string(i % 5);
        row[TankColumn::Type] = crude ? "A" : "B";
        row[TankColumn::TotalObserved] = std::to_string(10000 + i * 37) + ".25";
        row[TankColumn::FreeWater] = i % 7 == 0 ? "12.5" : "";
        row[TankColumn::Temperature] = temperature;
        if (i % 3 == 0) {
            row[TankColumn::ObservedGravity] = gravity;
            row[TankColumn::ObservedGravityTemp] = temperature;
        } else {
            row[TankColumn::Gravity] = gravity;
        }
        report.rows.push_back(row);
    }
    return report;
}

void Recompute500(benchmark::State &state)
{
    const CargoReport report = report500(state.range(0) ? UnitSystem::Metric : UnitSystem::US);
    for (auto _ : state)
        benchmark::DoNotOptimize(Recompute(report));
}
BENCHMARK(Recompute500)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One typed cell through the window's model: the undo step, the recomputation and the
// change notices the table view receives.
void EditOneCell500(benchmark::State &state)
{
    QUndoStack undo;
    CargoReportModel model(&undo);
    model.setReport(report500(UnitSystem::US));
    int n = 0;
    for (auto _ : state)
        model.setData(model.index(250, static_cast<int>(TankColumn::Temperature)), QString::number(60 + ++n % 40),
                      Qt::EditRole);
}
BENCHMARK(EditOneCell500)->Unit(benchmark::kMillisecond);

void Save500(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("r.json");
    const CargoReport report = report500(UnitSystem::US);
    QString error;
    for (auto _ : state)
        saveReportFile(path, report, &error);
}
BENCHMARK(Save500)->Unit(benchmark::kMillisecond);

// Open: read, parse and recompute, as the window does.
void Open500(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("r.json");
    QString error;
    saveReportFile(path, report500(UnitSystem::US), &error);
    for (auto _ : state) {
        const ReportFileRead read = readReportFile(path);
        benchmark::DoNotOptimize(Recompute(*read.report));
    }
}
BENCHMARK(Open500)->Unit(benchmark::kMillisecond);

void ExportPdf500(benchmark::State &state)
{
    QTemporaryDir dir;
    const CargoReport report = report500(UnitSystem::US);
    const ReportResult result = Recompute(report);
    QString error;
    for (auto _ : state)
        exportReportPdf(dir.filePath("r.pdf"), report, result, QStringLiteral("bench"), &error);
}
BENCHMARK(ExportPdf500)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
