#include "core/cargo_report.h"
#include "core/volume_correction.h"

#include <gtest/gtest.h>

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
        {"newer", R"({"format": "dravex-cargo-report", "version": 2})", Kind::NewerVersion, 0, 0, "newer version"},
        {"unknown edition", R"({"format": "dravex-cargo-report", "version": 1, "edition": "2031"})", Kind::NewerVersion,
         0, 0, "'2031'"},
        {"tanks not a list", R"({"format": "dravex-cargo-report", "version": 1, "tanks": {}})", Kind::Damaged, 0, 0,
         "report.tanks is not a list"},
        {"number cell", R"({"format": "dravex-cargo-report", "version": 1, "tanks": [{}, {"total": 5}]})",
         Kind::Damaged, 0, 0, "tanks[2].total is not text"},
        {"bad units", R"({"format": "dravex-cargo-report", "version": 1, "units": "imperial"})", Kind::Damaged, 0, 0,
         "'imperial'"},
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
