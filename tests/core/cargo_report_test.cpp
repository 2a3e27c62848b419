// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cargo_report.h"
#include "core/vcf2004_form.h"
#include "core/volume_correction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace dravex {
namespace {

TankRow tank(std::array<std::string, kTankColumns> cells)
{
    return TankRow{std::move(cells)};
}

// Figures of a row in ResultColumn order: gross observed, gravity used, VCF, gross
// standard, LT factor, long tons, metric tons.
using Figures = std::array<std::string, kResultColumns>;

struct TotalLine
{
    std::string grade;
    int tanks;
    std::vector<std::string> stopped;
    std::string grossObserved, grossStandard, longTons, metricTons;
};

void expectTotal(const ReportTotal &t, const TotalLine &e)
{
    SCOPED_TRACE("total of grade '" + e.grade + "'");
    EXPECT_EQ(t.grade, e.grade);
    EXPECT_EQ(t.tanks, e.tanks);
    EXPECT_EQ(t.stoppedTanks, e.stopped);
    EXPECT_EQ(t.grossObserved, e.grossObserved);
    EXPECT_EQ(t.grossStandard, e.grossStandard);
    EXPECT_EQ(t.longTons, e.longTons);
    EXPECT_EQ(t.metricTons, e.metricTons);
}

struct WorkedReport
{
    const char *name;
    CargoReport report;
    std::vector<Figures> rows; // empty figures: the row stopped
    std::vector<std::string> notices;
    std::vector<TotalLine> grades;
    TotalLine overall;
};

// Five tanks, two grades, one stopped row, one gravity from an observed pair. The
// figures come from the table windows' own examples:
//   Table 6A, API 30, 80 F, 10000 bbl: VCF 0.9911, 9911 bbl, LT factor 0.13679, 1355.73 LT
//   Table 6B, API 50, 80 F, 10000 bbl: VCF 0.9882, 9882 bbl, LT factor 0.12169, 1202.54 LT
// 1P: 10050 less 50 free water = 10000 bbl. 1S: observed API 30.0 at 60 F gives API 30
// (the hydrometer needs no correction at 60 F; 141360.198 / 875.3 - 131.5 = 29.999 shows
// 30). 2C holds no number: stopped, named, not counted. 3S: 5000 x 0.9882 = 4941 bbl;
// 0.12169 x 4941 = 601.27029 -> 601.27 LT.
// Metric tons in air = LT x 1.0160469088 to 0.001 t: 1355.73 -> 1377.485 (1377.485275),
// 1202.54 -> 1221.837 (1221.8370...), 601.27 -> 610.919 (610.9185).
// Totals: Arab Light 9911 x 2 = 19822 bbl, 1355.73 x 2 = 2711.46 LT, 2754.97 t;
// Gasoline 9882 + 4941 = 14823 bbl, 1202.54 + 601.27 = 1803.81 LT, 1832.756 t;
// all 34645 bbl, 4515.27 LT, 4587.726 t over 4 tanks.
WorkedReport usReport()
{
    WorkedReport w{"US", {}, {}, {}, {}, {}};
    w.report.units = UnitSystem::US;
    w.report.rows = {
        tank({"1P", "Arab Light", "A", "10050", "50", "80", "30", "", ""}),
        tank({"1S", "Arab Light", "A", "10000", "", "80", "", "30.0", "60"}),
        tank({"2C", "Arab Light", "A", "abc", "", "80", "30", "", ""}),
        tank({"3P", "Gasoline", "B", "10,000", "", "80", "50", "", ""}),
        tank({"3S", "Gasoline", "b", "5000", "0", "80", "50", "", ""}),
    };
    w.rows = {{"10000", "30", "0.9911", "9911", "0.13679", "1355.73", "1377.485"},
              {"10000", "30", "0.9911", "9911", "0.13679", "1355.73", "1377.485"},
              {},
              {"10000", "50", "0.9882", "9882", "0.12169", "1202.54", "1221.837"},
              {"5000", "50", "0.9882", "4941", "0.12169", "601.27", "610.919"}};
    w.notices = {"", "", "Total observed (bbl): 'abc' is not a number", "", ""};
    w.grades = {{"Arab Light", 2, {"2C"}, "20000", "19822", "2711.46", "2754.97"},
                {"Gasoline", 2, {}, "15000", "14823", "1803.81", "1832.756"}};
    w.overall = {"", 4, {"2C"}, "35000", "34645", "4515.27", "4587.726"};
    return w;
}

// The metric sister: Table 54A, density 850, 25 C, 10000 L: VCF 0.9915, 9915 L, 9.915 m3,
// LT factor 0.8355, 8.28 LT; Table 54B, density 780, 25 C, 10000 L: 0.9895, 9895 L,
// 9.895 m3, 0.7666, 7.59 LT. Volumes are typed in m3 and run as litres (x 1000).
// T2: observed 850 at 15 C is 850 at 15 C. T3: free water above the total: stopped.
// T5: 5 m3 = 5000 L x 0.9895 = 4947.5 -> 4948 L (half up) = 4.948 m3; 0.7666 x 4.948 =
// 3.7931 -> 3.79 LT.
// Metric tons in air = m3 x (density - 1.1) / 1000 to 0.001 t: 9.915 x 0.8489 = 8.41684
// -> 8.417; 9.895 x 0.7789 = 7.70722 -> 7.707; 4.948 x 0.7789 = 3.85400 -> 3.854.
// Totals: Crude 19.83 m3, 16.56 LT, 16.834 t; Naphtha 14.843 m3, 11.38 LT, 11.561 t.
WorkedReport metricReport()
{
    WorkedReport w{"metric", {}, {}, {}, {}, {}};
    w.report.units = UnitSystem::Metric;
    w.report.rows = {
        tank({"T1", "Crude", "A", "10.05", "0.05", "25", "850", "", ""}),
        tank({"T2", "Crude", "A", "10", "", "25", "", "850.0", "15"}),
        tank({"T3", "Crude", "A", "20", "25", "25", "850", "", ""}),
        tank({"T4", "Naphtha", "B", "10", "", "25", "780", "", ""}),
        tank({"T5", "Naphtha", "B", "5", "", "25", "780", "", ""}),
    };
    w.rows = {{"10", "850", "0.9915", "9.915", "0.8355", "8.28", "8.417"},
              {"10", "850", "0.9915", "9.915", "0.8355", "8.28", "8.417"},
              {},
              {"10", "780", "0.9895", "9.895", "0.7666", "7.59", "7.707"},
              {"5", "780", "0.9895", "4.948", "0.7666", "3.79", "3.854"}};
    w.notices = {"", "", "Free water (m3) exceeds the total observed volume", "", ""};
    w.grades = {{"Crude", 2, {"T3"}, "20", "19.83", "16.56", "16.834"},
                {"Naphtha", 2, {}, "15", "14.843", "11.38", "11.561"}};
    w.overall = {"", 4, {"T3"}, "35", "34.673", "27.94", "28.395"};
    return w;
}

class WorkedReports : public testing::TestWithParam<WorkedReport (*)()>
{
};

TEST_P(WorkedReports, every_figure_and_total_as_worked_by_hand)
{
    const WorkedReport w = GetParam()();
    const ReportResult r = Recompute(w.report);
    ASSERT_EQ(r.rows.size(), w.rows.size());
    for (std::size_t i = 0; i < w.rows.size(); ++i) {
        SCOPED_TRACE("row " + RowName(w.report, i));
        if (w.rows[i][0].empty()) {
            EXPECT_TRUE(r.rows[i].stopped);
            EXPECT_EQ(r.rows[i].figure(ResultColumn::Vcf), "");
        } else {
            EXPECT_FALSE(r.rows[i].stopped) << r.rows[i].notice;
            EXPECT_EQ(r.rows[i].figures, w.rows[i]);
        }
        EXPECT_EQ(r.rows[i].notice, w.notices[i]);
    }
    ASSERT_EQ(r.grades.size(), w.grades.size());
    for (std::size_t g = 0; g < w.grades.size(); ++g)
        expectTotal(r.grades[g], w.grades[g]);
    expectTotal(r.overall, w.overall);
}

TEST_P(WorkedReports, survives_a_save_and_open_unchanged)
{
    WorkedReport w = GetParam()();
    w.report.header = {"MT Example \"Star\"",
                       "V-042",
                       "Rotterdam",
                       "2026-12-07",
                       ReportOperation::OnSailing,
                       "J. Doe",
                       "Line 1\nLine 2, with a comma; ünïcödé"};
    w.report.vcfMethod = VcfMethod::GradeAverageTemperature;
    w.report.rows.push_back(tank({"", "", "", " 1,234.50 ", "", "", "", "", ""}));
    const ReportReadResult read = ReadReportJson(WriteReportJson(w.report));
    ASSERT_TRUE(read.report) << read.error->message;
    EXPECT_EQ(*read.report, w.report);
}

INSTANTIATE_TEST_SUITE_P(CargoReport, WorkedReports, testing::Values(&usReport, &metricReport),
                         [](const auto &info) { return std::string(info.param == &usReport ? "US" : "metric"); });

TEST(CargoReport, grade_average_temperature_weights_by_volume_and_skips_stopped_tanks)
{
    CargoReport report;
    report.vcfMethod = VcfMethod::GradeAverageTemperature;
    report.rows = {
        // (30000 x 76 + 10000 x 92) / 40000 = 80 F; C stops and weighs nothing.
        tank({"A", "Crude", "A", "30000", "", "76", "30", "", ""}),
        tank({"B", "Crude", "A", "10000", "", "92", "30", "", ""}),
        tank({"C", "Crude", "A", "50000", "", "40", "x", "", ""}),
        // (10000 x 70 + 20000 x 71) / 30000 = 70.666... -> 70.7 F
        tank({"D", "Light", "A", "10000", "", "70", "30", "", ""}),
        tank({"E", "Light", "A", "20000", "", "71", "30", "", ""}),
    };
    const ReportResult r = Recompute(report);
    EXPECT_EQ(r.grades[0].averageTemperature, "80");
    EXPECT_EQ(r.grades[1].averageTemperature, "70.7");
    // At 80 F the factor is Table 6A's worked 0.9911: 30000 x 0.9911 = 29733.
    EXPECT_EQ(r.rows[0].figure(ResultColumn::Vcf), "0.9911");
    EXPECT_EQ(r.rows[0].figure(ResultColumn::GrossStandard), "29733");
    EXPECT_EQ(r.rows[1].figure(ResultColumn::GrossStandard), "9911");
    EXPECT_TRUE(r.rows[2].stopped);
    EXPECT_EQ(r.grades[0].stoppedTanks, std::vector<std::string>{"C"});
    // The grade's tanks run at the average as the window would with that temperature.
    const FormResult at707 = Table6ANetVolume({{"txtapi", "30"}, {"txtem", "70.7"}, {"txtgv", "20000"}});
    EXPECT_EQ(r.rows[4].figure(ResultColumn::Vcf), *at707.written("txtvcf"));
    EXPECT_EQ(r.rows[4].figure(ResultColumn::GrossStandard), *at707.written("txtbbl"));
    EXPECT_NE(r.rows[4].figure(ResultColumn::Vcf), Recompute([&] {
                                                       CargoReport perTank = report;
                                                       perTank.vcfMethod = VcfMethod::PerTank;
                                                       return perTank;
                                                   }())
                                                       .rows[4]
                                                       .figure(ResultColumn::Vcf));
}

// The average temperature is over the tanks counted: a tank that stops at its own
// temperature (no product group, beyond a 2004 limit) weighs nothing, and a grade whose
// tanks all stopped has no average. Kept tanks read as at the average of the others:
// Table 6A, API 30, 80 F: VCF 0.9911 (the window's worked example); the 2004 edition,
// crude oils, API 30, 80 F: CTPL 0.99107 (as in the 2004 report above).
TEST(CargoReport, grade_average_temperature_is_over_the_counted_tanks_only)
{
    const struct
    {
        const char *name;
        Edition edition;
        std::vector<TankRow> rows;
        std::vector<std::string> averages; // per grade
        std::vector<std::string> stopped;  // overall
        std::string vcfOfFirst;
    } cases[] = {
        // API 0 is 141360.198 / 131.5 = 1075 kg/m3: no product group in Table 6B. Averaged in, 40 F would
        // pull the grade to (30000 x 76 + 10000 x 92 + 50000 x 40) / 90000 = 57.8 F.
        {"1980, no product group",
         Edition::Tables1980,
         {tank({"A", "Crude", "A", "30000", "", "76", "30", "", ""}),
          tank({"B", "Crude", "A", "10000", "", "92", "30", "", ""}),
          tank({"C", "Crude", "B", "50000", "", "40", "0", "", ""})},
         {"80"},
         {"C"},
         "0.9911"},
        {"1980, every tank of a grade stopped",
         Edition::Tables1980,
         {tank({"A", "Crude", "A", "10000", "", "80", "30", "", ""}),
          tank({"H", "Heavy", "B", "10000", "", "80", "0", "", ""}),
          tank({"I", "Heavy", "B", "10000", "", "70", "0.1", "", ""})},
         {"80", ""},
         {"H", "I"},
         "0.9911"},
        // 350 F is beyond the 2004 edition's 302 F: stopped before the average, which
        // would otherwise be (10000 x 80 + 10000 x 350) / 20000 = 215 F.
        {"2004, beyond a limit",
         Edition::Edition2004,
         {tank({"A", "Crude", "A", "10000", "", "80", "30", "", ""}),
          tank({"X", "Crude", "A", "10000", "", "350", "30", "", ""})},
         {"80"},
         {"X"},
         "0.99107"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CargoReport report;
        report.edition = c.edition;
        report.vcfMethod = VcfMethod::GradeAverageTemperature;
        report.rows = c.rows;
        const ReportResult r = Recompute(report);
        ASSERT_EQ(r.grades.size(), c.averages.size());
        for (std::size_t g = 0; g < c.averages.size(); ++g)
            EXPECT_EQ(r.grades[g].averageTemperature, c.averages[g]) << g;
        EXPECT_EQ(r.overall.stoppedTanks, c.stopped);
        EXPECT_EQ(r.rows[0].figure(ResultColumn::Vcf), c.vcfOfFirst);
        EXPECT_EQ(ReportRecomputer()(report).grades[0].averageTemperature, c.averages[0]);
    }
}

// A tank a table window computes beyond its printed table is counted with the window's
// notice in its row and named under the totals, and the report is not clean; a fault in a
// window names the tank's inputs it ran with.
TEST(CargoReport, extrapolated_tanks_and_faults_say_so_in_the_row_and_the_totals)
{
    const struct
    {
        const char *name;
        UnitSystem units;
        TankRow row;
        bool stopped;
        std::vector<std::string> says; // in the row's notice
    } cases[] = {
        {"API read from 1,250",
         UnitSystem::US,
         tank({"T", "G", "A", "1000", "", "60", "1,250", "", ""}),
         false,
         {"API gravity 1250 API is beyond the printed Table 6A (0 to 100 API): the results are an extrapolation"}},
        {"400 F",
         UnitSystem::US,
         tank({"T", "G", "A", "1000", "", "400", "30", "", ""}),
         false,
         {"Temperature 400 F is beyond the printed Table 6A", "extrapolation"}},
        {"6B at 90 API",
         UnitSystem::US,
         tank({"T", "G", "B", "1000", "", "60", "90", "", ""}),
         false,
         {"beyond the printed Table 6B (0 to 85 API)"}},
        {"metric 33.4 kg/m3",
         UnitSystem::Metric,
         tank({"T", "G", "A", "10", "", "15", "33.4", "", ""}),
         false,
         {"beyond the printed Table 54A", "extrapolation"}},
        {"API -131.5 divides by zero",
         UnitSystem::US,
         tank({"T", "G", "A", "1000", "", "60", "-131.5", "", ""}),
         true,
         {"Table 6A with API at 60 F '-131.5', Temperature (F) '60': ", "ivision by zero"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CargoReport report;
        report.units = c.units;
        const bool us = c.units == UnitSystem::US;
        report.rows = {c.row, tank({"U", "G", "A", "1000", "", us ? "60" : "15", us ? "30" : "850", "", ""})};
        const ReportResult r = Recompute(report);
        const RowResult &row = r.rows[0];
        EXPECT_EQ(row.stopped, c.stopped);
        for (const std::string &part : c.says)
            EXPECT_NE(row.notice.find(part), std::string::npos) << row.notice;
        EXPECT_FALSE(r.clean());
        EXPECT_TRUE(r.rows[1].notice.empty()) << r.rows[1].notice;
        if (c.stopped)
            continue;
        EXPECT_TRUE(row.advised);
        EXPECT_FALSE(row.figure(ResultColumn::Vcf).empty());
        EXPECT_EQ(r.overall.tanks, 2);
        EXPECT_EQ(r.overall.advisedTanks, std::vector<std::string>{"T"});
        EXPECT_EQ(r.grades[0].advisedTanks, std::vector<std::string>{"T"});
        EXPECT_NE(WriteReportCsv(report, r).find("2 tanks; counted with a notice: T"), std::string::npos);
    }
    CargoReport clean;
    clean.rows = {tank({"U", "G", "A", "1000", "", "60", "30", "", ""})};
    EXPECT_TRUE(Recompute(clean).clean());
}

// A 2004 report looks the long-ton factor up with the API as typed, rounded once: 41.35
// is 41.4, whose Table 11 factor is (141360.198 / 172.9 / 1000 - 0.0011) x 0.1564765 =
// 0.1277605 -> 0.12776 (41.3 would give 0.12783).
TEST(CargoReport, edition_2004_takes_the_typed_api_for_the_long_ton_factor)
{
    CargoReport report;
    report.edition = Edition::Edition2004;
    report.rows = {tank({"T", "G", "A", "10000", "", "60", "41.35", "", ""})};
    const ReportResult r = Recompute(report);
    ASSERT_FALSE(r.rows[0].stopped) << r.rows[0].notice;
    EXPECT_EQ(r.rows[0].figure(ResultColumn::GravityUsed), "41.4");
    EXPECT_EQ(r.rows[0].figure(ResultColumn::LongTonFactor), "0.12776");
}

TEST(CargoReport, marks_every_bad_cell_and_ignores_blank_rows)
{
    CargoReport report;
    report.rows = {
        tank({"X", "G", "C", "1,0", "", "hot", "30", "", ""}),
        tank({"", "", "", "", "", "", "", "", ""}),
        tank({"Y", "G", "A", "100", "", "60", "30", "31", "60"}),
    };
    const ReportResult r = Recompute(report);
    EXPECT_TRUE(r.rows[0].bad(TankColumn::Type));
    EXPECT_TRUE(r.rows[0].bad(TankColumn::TotalObserved));
    EXPECT_TRUE(r.rows[0].bad(TankColumn::Temperature));
    EXPECT_FALSE(r.rows[0].bad(TankColumn::Gravity));
    EXPECT_TRUE(r.rows[1].blank);
    EXPECT_TRUE(r.rows[2].bad(TankColumn::Gravity)); // both gravities given
    EXPECT_EQ(r.overall.tanks, 0);
    EXPECT_EQ(r.overall.stoppedTanks, (std::vector<std::string>{"X", "Y"}));
    EXPECT_EQ(r.overall.grossStandard, "0");
}

TEST(CargoReport, refuses_damaged_foreign_and_newer_files_saying_which_and_where)
{
    using Kind = ReportReadError::Kind;
    const struct
    {
        const char *name;
        std::string text;
        Kind kind;
        int line, column;
        const char *says;
    } cases[] = {
        {"empty", "", Kind::NotJson, 1, 1, "not valid JSON at line 1, column 1"},
        {"truncated", "{\n  \"format\": \"dravex-cargo-report\",\n  \"version\": 1,\n  \"tanks\": [", Kind::NotJson, 4,
         13, "line 4, column 13"},
        {"bad byte", "{\"format\": \"dravex-cargo-report\", \"version\": 1, \"header\": {\"port\": \"\xff\"}}",
         Kind::NotJson, 1, 0, "not valid JSON"},
        {"a list", "[1, 2]", Kind::NotAReport, 0, 0, "not a Dravex cargo report"},
        {"another format", R"({"format": "something-else", "version": 1})", Kind::NotAReport, 0, 0, "not a Dravex"},
        {"no version", R"({"format": "dravex-cargo-report"})", Kind::Damaged, 0, 0, "no version"},
        {"newer", R"({"format": "dravex-cargo-report", "version": 3})", Kind::NewerVersion, 0, 0, "newer version"},
        {"unknown edition", R"({"format": "dravex-cargo-report", "version": 1, "edition": "2031"})", Kind::NewerVersion,
         0, 0, "edition '2031', which this version does not know: it was written by a newer version"},
        {"tanks not a list", R"({"format": "dravex-cargo-report", "version": 1, "tanks": {}})", Kind::Damaged, 0, 0,
         "report.tanks is not a list"},
        {"number cell", R"({"format": "dravex-cargo-report", "version": 1, "tanks": [{}, {"total": 5}]})",
         Kind::Damaged, 0, 0, "tanks[2].total is not text"},
        {"bad units", R"({"format": "dravex-cargo-report", "version": 1, "units": "imperial"})", Kind::Damaged, 0, 0,
         "'imperial'"},
        {"a key twice in a tank",
         R"({"format": "dravex-cargo-report", "version": 1, "tanks": [{"total": "1"}, {"total": "5", "total": "6"}]})",
         Kind::Damaged, 0, 0, "the key \"total\" is given twice in tanks[2]"},
        {"a key twice in the header",
         R"({"format": "dravex-cargo-report", "version": 1, "header": {"port": "A", "port": "B"}})", Kind::Damaged, 0,
         0, "the key \"port\" is given twice in header"},
        {"version twice", R"({"format": "dravex-cargo-report", "version": 1, "version": 1})", Kind::Damaged, 0, 0,
         "the key \"version\" is given twice in the report"},
        {"largest unsigned version", R"({"format": "dravex-cargo-report", "version": 18446744073709551615})",
         Kind::NewerVersion, 0, 0, "newer version of Dravex (file version 18446744073709551615;"},
        {"version beyond every integer", R"({"format": "dravex-cargo-report", "version": 1e30})", Kind::NewerVersion, 0,
         0, "newer version"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const ReportReadResult r = ReadReportJson(c.text);
        ASSERT_FALSE(r.report);
        ASSERT_TRUE(r.error);
        EXPECT_EQ(r.error->kind, c.kind);
        EXPECT_NE(r.error->message.find(c.says), std::string::npos) << r.error->message;
        if (c.column) {
            EXPECT_EQ(r.error->line, c.line);
            EXPECT_EQ(r.error->column, c.column);
        }
    }
}

// The 2004 edition window's texts for one run, as a user fills it in for a tank: the
// group by type, the density as API (US) or kg/m3 (metric), observed or at the base of
// 60 F or 15 C, the temperature in F or C, no pressure, psig.
FieldTexts window2004Texts(bool us, bool crude, const std::string &density, bool observed,
                           const std::string &temperature, const std::string &gross)
{
    return {{crude ? "optCrude" : "optProducts", "1"},
            {"txtdensity", density},
            {us ? "optApi" : "optKgm3", "1"},
            {observed ? "optObserved" : "optAtBase", "1"},
            {us ? "optBase60F" : "optBase15C", "1"},
            {"txttemp", temperature},
            {us ? "optF" : "optC", "1"},
            {"optPsig", "1"},
            {"txtgross", gross}};
}

std::string written(const FormResult &r, const char *field)
{
    const std::string *text = r.written(field);
    return text ? *text : "(not written by the window)";
}

struct Worked2004
{
    const char *name;
    UnitSystem units;
    std::vector<TankRow> rows;
    // Per row: the figures worked by hand (gross standard to the units' places, LT factor,
    // long tons, metric tons), or the window's notice for a row beyond a limit of the 2004
    // edition.
    std::vector<std::array<std::string, 4>> weights;
    std::vector<TotalLine> grades;
    TotalLine overall;
};

// Two grades, one gravity from an observed pair, one tank beyond the 2004 edition's
// temperature limit (stopped with the window's notice, left out of the totals). The
// VCF, gross standard volume and gravity used are the window's own texts for the same
// entries (an observed pair first run observed, its API at 60 F or density at 15 C then
// typed in at the base); the weights are worked here:
// US: the long-ton factor of Table 11 from the window's API at 60 F, (141360.198 /
//   (API + 131.5) / 1000 - 0.0011) x 0.1564765, rounded (A) or cut (B) to 5 places;
//   long tons = factor x net barrels to 0.01; metric tons = LT x 1.0160469088 to 0.001.
//   1P: API 30 -> 0.1367912 -> 0.13679; CTPL 0.99107 x 10000 = 9910.7 bbl; 1355.6846 ->
//     1355.68 LT; 1377.4344 -> 1377.434 t.
//   2P: 31.2 API observed at 70 F is 30.5 API at 60 F -> 0.1363683 -> 0.13637;
//     0.98854 x 8000 = 7908.32 bbl; 1078.4575 -> 1078.46 LT; 1095.7656 -> 1095.766 t.
//   3C: API 55 -> 0.1184310, cut 0.11843; 0.99012 x 5000 = 4950.6 bbl; 586.2996 ->
//     586.3 LT; 595.7083 -> 595.708 t. 4C: 350 F is beyond the edition's 302 F.
// Metric: Table 57 from the window's density at 15 C, (density / 1000 - 0.0011) x
//   0.984236 cut to 4 places; long tons = factor x m3; metric tons = m3 x (density - 1.1)
//   / 1000 to 0.001.
//   T1: 850 -> 0.8355; 0.99148 x 10 = 9.9148 m3, shown 9.915; 0.8355 x 9.915 = 8.28398
//     -> 8.28 LT; 9.915 x 0.8489 = 8.41684 -> 8.417 t.
//   T2: 848.3 observed at 22 C is 853.3 at 15 C -> 0.8387659, cut 0.8387; 0.98709 x
//     12.5 = 12.338625 m3, shown 12.339; 10.34872 -> 10.35 LT; 12.339 x 0.8522 = 10.51530
//     -> 10.515 t.
//   T3: 780 -> 0.7666; 0.9895 x 5 = 4.9475 m3, shown 4.948; 3.79314 -> 3.79 LT; 4.948 x
//     0.7789 = 3.85400 -> 3.854 t.
//   T4: 160 C is beyond the edition's 150 C.
// Gross standard volumes are shown to 0.01 bbl or 0.001 m3, and the totals sum what is
// shown (9.915 + 12.339 = 22.254; 4.948).
Worked2004 us2004()
{
    return {"US",
            UnitSystem::US,
            {tank({"1P", "Arab Light", "A", "10050", "50", "80", "30", "", ""}),
             tank({"2P", "Arab Light", "A", "8000", "", "85.5", "", "31.2", "70"}),
             tank({"3C", "Gasoline", "B", "5000", "", "75", "55", "", ""}),
             tank({"4C", "Gasoline", "B", "3000", "", "350", "55", "", ""})},
            {{"9910.7", "0.13679", "1355.68", "1377.434"},
             {"7908.32", "0.13637", "1078.46", "1095.766"},
             {"4950.6", "0.11843", "586.3", "595.708"},
             {"Temperature 350 F is above the limit 302 F", "", "", ""}},
            {{"Arab Light", 2, {}, "18000", "17819.02", "2434.14", "2473.2"},
             {"Gasoline", 1, {"4C"}, "5000", "4950.6", "586.3", "595.708"}},
            {"", 3, {"4C"}, "23000", "22769.62", "3020.44", "3068.908"}};
}

Worked2004 metric2004()
{
    return {
        "metric",
        UnitSystem::Metric,
        {tank({"T1", "Crude", "A", "10.05", "0.05", "25", "850", "", ""}),
         tank({"T2", "Crude", "A", "12.5", "", "30.25", "", "848.3", "22"}),
         tank({"T3", "Naphtha", "B", "5", "", "25", "780", "", ""}),
         tank({"T4", "Naphtha", "B", "5", "", "160", "780", "", ""})},
        {{"9.915", "0.8355", "8.28", "8.417"},
         {"12.339", "0.8387", "10.35", "10.515"},
         {"4.948", "0.7666", "3.79", "3.854"},
         {"Temperature 160 C is above the limit 150 C", "", "", ""}},
        {{"Crude", 2, {}, "22.5", "22.254", "18.63", "18.932"}, {"Naphtha", 1, {"T4"}, "5", "4.948", "3.79", "3.854"}},
        {"", 3, {"T4"}, "27.5", "27.202", "22.42", "22.786"}};
}

class Edition2004Reports : public testing::TestWithParam<Worked2004 (*)()>
{
};

TEST_P(Edition2004Reports, every_tank_reads_as_the_2004_window_shows_it)
{
    const Worked2004 w = GetParam()();
    const bool us = w.units == UnitSystem::US;
    CargoReport report;
    report.units = w.units;
    report.edition = Edition::Edition2004;
    report.rows = w.rows;
    const ReportResult r = Recompute(report);
    for (std::size_t i = 0; i < w.rows.size(); ++i) {
        const TankRow &row = w.rows[i];
        SCOPED_TRACE("tank " + row[TankColumn::Tank]);
        const bool crude = row[TankColumn::Type] == "A";
        std::string gravity = row[TankColumn::Gravity];
        if (gravity.empty()) {
            const FormResult observed = Vcf2004Volume(window2004Texts(us, crude, row[TankColumn::ObservedGravity], true,
                                                                      row[TankColumn::ObservedGravityTemp], ""));
            ASSERT_TRUE(observed.completed()) << observed.notice;
            gravity = written(observed, us ? "txtapi60" : "txtdensitybase");
        }
        const RowResult &got = r.rows[i];
        const FormResult window = Vcf2004Volume(window2004Texts(us, crude, gravity, false, row[TankColumn::Temperature],
                                                                got.figure(ResultColumn::GrossObserved)));
        if (!window.completed()) {
            EXPECT_TRUE(got.stopped);
            EXPECT_EQ(got.notice, window.notice);
            EXPECT_EQ(got.notice, w.weights[i][0]);
            EXPECT_EQ(got.figures, Figures{});
            continue;
        }
        EXPECT_FALSE(got.stopped) << got.notice;
        EXPECT_EQ(got.figure(ResultColumn::GravityUsed), written(window, us ? "txtapi60" : "txtdensitybase"));
        EXPECT_EQ(got.figure(ResultColumn::Vcf), written(window, "txtctpl"));
        EXPECT_EQ(got.figure(ResultColumn::GrossStandard), w.weights[i][0]);
        EXPECT_EQ(got.figure(ResultColumn::LongTonFactor), w.weights[i][1]);
        EXPECT_EQ(got.figure(ResultColumn::LongTons), w.weights[i][2]);
        EXPECT_EQ(got.figure(ResultColumn::MetricTons), w.weights[i][3]);
        // The working carries the window's own lines.
        const std::vector<std::string> &working = got.trace().working;
        for (const std::string &line : window.working)
            EXPECT_NE(std::find(working.begin(), working.end(), line), working.end()) << line;
    }
    ASSERT_EQ(r.grades.size(), w.grades.size());
    for (std::size_t g = 0; g < w.grades.size(); ++g)
        expectTotal(r.grades[g], w.grades[g]);
    expectTotal(r.overall, w.overall);

    // The edition survives a save and open, and the figures with it.
    const ReportReadResult read = ReadReportJson(WriteReportJson(report));
    ASSERT_TRUE(read.report) << read.error->message;
    EXPECT_EQ(*read.report, report);
    EXPECT_EQ(WriteReportCsv(*read.report, Recompute(*read.report)), WriteReportCsv(report, r));
}

INSTANTIATE_TEST_SUITE_P(CargoReport, Edition2004Reports, testing::Values(&us2004, &metric2004),
                         [](const auto &info) { return std::string(info.param == &us2004 ? "US" : "metric"); });

TEST(CargoReport, csv_has_a_row_per_tank_and_ends_with_totals)
{
    const WorkedReport w = usReport();
    const std::string csv = WriteReportCsv(w.report, Recompute(w.report));
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
              "Tank,Grade,Type,Total observed (bbl),Free water (bbl),Temperature (F),API at 60 F,Observed API,"
              "Observed at (F),Gross observed (bbl),API used,VCF,Gross standard (bbl at 60 F),LT factor,Long tons,"
              "Metric tons in air,Notice");
    EXPECT_NE(csv.find("\r\n3P,Gasoline,B,\"10,000\",,80,50,,,10000,50,0.9882,9882,0.12169,1202.54,1221.837,\r\n"),
              std::string::npos);
    EXPECT_NE(csv.find("\r\n2C,Arab Light,A,abc,,80,30,,,,,,,,,,Total observed (bbl): 'abc' is not a number\r\n"),
              std::string::npos);
    const std::string last = "Total,,,,,,,,,35000,,,34645,,4515.27,4587.726,\"4 tanks; left out, stopped: 2C\"\r\n";
    ASSERT_GE(csv.size(), last.size());
    EXPECT_EQ(csv.substr(csv.size() - last.size()), last);
}

} // namespace
} // namespace dravex

namespace dravex {
namespace {

// Reusing unchanged rows after each edit gives what a full recomputation gives.
TEST(CargoReport, recomputing_after_edits_equals_recomputing_afresh)
{
    WorkedReport w = usReport();
    CargoReport &r = w.report;
    ReportRecomputer recompute;
    const std::vector<std::function<void()>> edits = {
        [] {},
        [&] { r.rows[0][TankColumn::Temperature] = "90"; },
        [&] { r.rows[2][TankColumn::TotalObserved] = "7000"; },
        [&] { r.vcfMethod = VcfMethod::GradeAverageTemperature; },
        [&] { r.rows[3][TankColumn::Temperature] = "70"; },
        [&] { r.rows.erase(r.rows.begin() + 1); },
        [&] { r.edition = Edition::Edition2004; },
        [&] { r.units = UnitSystem::Metric; },
        [&] { r.rows.insert(r.rows.begin(), r.rows[2]); },
    };
    for (std::size_t step = 0; step < edits.size(); ++step) {
        SCOPED_TRACE("edit " + std::to_string(step));
        edits[step]();
        const ReportResult fresh = Recompute(r);
        const ReportResult reused = recompute(r);
        EXPECT_EQ(WriteReportCsv(r, reused), WriteReportCsv(r, fresh));
        for (std::size_t i = 0; i < r.rows.size(); ++i)
            EXPECT_EQ(reused.rows[i].trace().working, fresh.rows[i].trace().working);
    }
}

} // namespace
} // namespace dravex
