// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cargo_report.h"
#include "core/cargo_report_comparison.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dravex {
namespace {

// One tank, Table 6A, API 30 at 80 F: VCF 0.9911, so 10000 bbl is 9911 bbl at 60 F and,
// without free water, a TCV of 9911 bbl.
CargoReport oneTank(ReportOperation op, std::string total = "10000")
{
    CargoReport r;
    r.header.vessel = "MT Example";
    r.header.operation = op;
    r.rows = {TankRow{{"1P", "Crude", "A", std::move(total), "", "80", "30", "", ""}}};
    return r;
}

struct ComparisonCase
{
    const char *name;
    ReportOperation operation;
    ReportComparisonText typed;
    // Measured, then with the VEF (empty: none); difference and percent as shown.
    std::string vessel, difference, percent;
    std::string vesselVef, differenceVef, percentVef;
    bool notice; // a notice of apparent discrepancy
    // The tank's total and free water, its TCV as shown, and the free-water line beside it
    // (vessel, less OBQ/ROB, net; empty: no line).
    std::string tankTotal = "10000", tankFreeWater = "", vesselTcv = "9911";
    std::vector<std::string> freeWater = {};
};

// Worked by hand: the vessel's figure is 9911 less OBQ/ROB 11 = 9900.00 bbl.
//   Loading, bill of lading 10000: vessel less shore = -100.00, of the shore's 10000:
//     -1.000 %. VEF 0.99: 9900 / 0.99 = 10000.00, difference 0.00, 0.000 %: within 0.5 %
//     with the VEF, so no notice although the measured line is beyond it.
//   Discharge, outturn 9801: shore less vessel = -99.00, of the vessel's 9900: -1.000 %
//     (of the shore's it would be -1.010 %); beyond 0.5 %: a notice.
//   Discharge, VEF 1.01: 9900 / 1.01 = 9801.980 -> 9801.98; 9801 - 9801.98 = -0.98;
//     -0.98 / 9801.98 = -0.00998 % -> -0.010 %.
//   Loading on sailing, no OBQ, bill of lading 9900: 9911 - 9900 = +11.00, +0.111 %.
//   Discharge with free water: 1P 10100 bbl of which 100 free water, GOV 10000, GSV 9911,
//     TCV 9911 + 100 = 10011; ROB 111 of which 40 free water: vessel figure 10011 - 111 =
//     9900.00 against the outturn 9801 as above (-99.00, -1.000 %), no tolerance; free
//     water beside it 100 - 40 = 60.00, not in the comparison.
const ComparisonCase kCases[] = {
    {"loading_vef_brings_within",
     ReportOperation::Loading,
     {"11", "", "10000", "0.99", "0.5", ""},
     "9900.00",
     "-100.00",
     "-1.000",
     "10000.00",
     "0.00",
     "0.000",
     false},
    {"discharge_base_is_vessel",
     ReportOperation::Discharge,
     {"11", "", "9801", "", "0.5", ""},
     "9900.00",
     "-99.00",
     "-1.000",
     "",
     "",
     "",
     true},
    {"discharge_with_vef",
     ReportOperation::OnArrival,
     {"11", "", "9801", "1.01", "", ""},
     "9900.00",
     "-99.00",
     "-1.000",
     "9801.98",
     "-0.98",
     "-0.010",
     false},
    {"on_sailing_gain",
     ReportOperation::OnSailing,
     {"", "", "9900", "", "", ""},
     "9911.00",
     "11.00",
     "0.111",
     "",
     "",
     "",
     false},
    {"discharge_free_water_beside",
     ReportOperation::Discharge,
     {"111", "", "9801", "", "", "40"},
     "9900.00",
     "-99.00",
     "-1.000",
     "",
     "",
     "",
     false,
     "10100",
     "100",
     "10011",
     {"100", "40.00", "60.00"}},
};

void PrintTo(const ComparisonCase &c, std::ostream *os)
{
    *os << c.name;
}

class ReportComparisons : public testing::TestWithParam<ComparisonCase>
{
};

TEST_P(ReportComparisons, sign_is_receiver_less_sender_in_percent_of_the_sender)
{
    const ComparisonCase &c = GetParam();
    CargoReport report = oneTank(c.operation, c.tankTotal);
    report.rows[0].cells[4] = c.tankFreeWater;
    report.comparison = c.typed;
    const ReportResult result = Recompute(report);
    const ReportComparison cmp = CompareReport(report, result);
    ASSERT_TRUE(cmp.made()) << cmp.notice;
    EXPECT_EQ(cmp.vesselTcv, c.vesselTcv);
    EXPECT_EQ(FormatFixed(cmp.figures.measured.vessel, 2), c.vessel);
    EXPECT_EQ(FormatFixed(cmp.figures.measured.difference, 2), c.difference);
    EXPECT_EQ(FormatFixed(cmp.figures.measured.percent, 3), c.percent);
    ASSERT_EQ(cmp.figures.withVef.has_value(), !c.vesselVef.empty());
    if (cmp.figures.withVef) {
        EXPECT_EQ(FormatFixed(cmp.figures.withVef->vessel, 2), c.vesselVef);
        EXPECT_EQ(FormatFixed(cmp.figures.withVef->difference, 2), c.differenceVef);
        EXPECT_EQ(FormatFixed(cmp.figures.withVef->percent, 3), c.percentVef);
    }
    EXPECT_EQ(!cmp.figures.discrepancyNotice.empty(), c.notice) << cmp.figures.discrepancyNotice;

    // The same figures reach the CSV export and the results, and the report's own
    // figures never carry the VEF.
    const std::string csv = WriteReportCsv(report, result);
    EXPECT_NE(csv.find("\"Difference, receiver less sender (bbl)\"," + c.difference + ","), std::string::npos) << csv;
    EXPECT_NE(WriteReportResultsJson(report, result).find("\"percent\": \"" + c.percent + "\""), std::string::npos);
    EXPECT_EQ(result.overall.tcv, c.vesselTcv);
    ASSERT_EQ(cmp.freeWaterShown, !c.freeWater.empty());
    if (cmp.freeWaterShown) {
        EXPECT_EQ((std::vector<std::string>{cmp.vesselFreeWater, cmp.onBoardFreeWater, cmp.netFreeWater}), c.freeWater);
        EXPECT_NE(csv.find("\nFree water less ROB (bbl)," + c.freeWater[2] + ","), std::string::npos) << csv;
    }
}

INSTANTIATE_TEST_SUITE_P(CargoReport, ReportComparisons, testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ReportComparison, is_not_made_on_an_incomplete_total_a_survey_or_another_operation)
{
    CargoReport stopped = oneTank(ReportOperation::Loading);
    stopped.rows.push_back(TankRow{{"2P", "Crude", "A", "abc", "", "80", "30", "", ""}});
    stopped.comparison.shoreTcv = "9900";
    ReportComparison c = CompareReport(stopped, Recompute(stopped));
    EXPECT_FALSE(c.made());
    EXPECT_NE(c.notice.find("2P"), std::string::npos) << c.notice;

    CargoReport survey = oneTank(ReportOperation::Loading);
    survey.header.survey = SurveyKind::Obq;
    survey.comparison.shoreTcv = "9900";
    EXPECT_FALSE(CompareReport(survey, Recompute(survey)).made());

    CargoReport other = oneTank(ReportOperation::Other);
    other.comparison.shoreTcv = "9900";
    EXPECT_FALSE(CompareReport(other, Recompute(other)).made());

    CargoReport badVef = oneTank(ReportOperation::Loading);
    badVef.comparison = {"", "", "9900", "1.5", "", ""};
    c = CompareReport(badVef, Recompute(badVef));
    EXPECT_FALSE(c.made());
    EXPECT_NE(c.notice.find("VEF"), std::string::npos) << c.notice;

    // Free water is part of the OBQ taken off: never more than it.
    CargoReport badWater = oneTank(ReportOperation::Loading);
    badWater.comparison = {"11", "", "9900", "", "", "12"};
    c = CompareReport(badWater, Recompute(badWater));
    EXPECT_FALSE(c.made());
    EXPECT_NE(c.notice.find("OBQ free water"), std::string::npos) << c.notice;
}

// An OBQ survey of 100 bbl at API 30, 80 F: 99.11 bbl, taken off a loading report only.
TEST(ReportComparison, takes_the_obq_off_a_saved_survey_of_the_same_vessel_and_units)
{
    CargoReport obq = oneTank(ReportOperation::Loading, "100");
    obq.header.survey = SurveyKind::Obq;
    const ReportResult obqResult = Recompute(obq);
    const CargoReport loading = oneTank(ReportOperation::Loading);
    EXPECT_EQ(OnBoardFromSurvey(loading, obq, obqResult).figure, "99.11");
    CargoReport wet = obq;
    wet.rows[0].cells[4] = "10";
    EXPECT_EQ(OnBoardFromSurvey(loading, wet, Recompute(wet)).freeWater, "10");

    struct Refused
    {
        const char *name;
        CargoReport target;
        const char *says;
    };
    CargoReport discharge = oneTank(ReportOperation::Discharge);
    CargoReport metric = oneTank(ReportOperation::Loading);
    metric.units = UnitSystem::Metric;
    CargoReport otherVessel = oneTank(ReportOperation::Loading);
    otherVessel.header.vessel = "MT Other";
    for (const Refused &r : {Refused{"ROB wanted", discharge, "ROB survey"}, Refused{"units", metric, "m3"},
                             Refused{"vessel", otherVessel, "MT Other"}}) {
        const OnBoardTaken taken = OnBoardFromSurvey(r.target, obq, obqResult);
        EXPECT_TRUE(taken.figure.empty()) << r.name;
        EXPECT_NE(taken.notice.find(r.says), std::string::npos) << r.name << ": " << taken.notice;
    }
}

// Files without the comparison are written exactly as before; one with it keeps every text.
TEST(ReportComparison, version_2_files_stay_byte_identical_and_comparison_keys_survive)
{
    const char *v2 = R"({
  "format": "dravex-cargo-report",
  "version": 2,
  "edition": "1980",
  "units": "metric",
  "vcf": "per-tank",
  "header": {
    "vessel": "MT New",
    "voyage": "8",
    "port": "Antwerp",
    "date": "2026-03-04",
    "surveyor": "",
    "remarks": "",
    "operation": "loading",
    "draftForward": "8.2",
    "draftAft": "8.8",
    "lbp": "180",
    "list": "",
    "listSide": ""
  },
  "tankTables": "tables.json",
  "tanks": [
    {
      "tank": "1P",
      "grade": "Crude",
      "type": "A",
      "total": "",
      "freeWater": "",
      "temperature": "25",
      "gravity": "850",
      "observedGravity": "",
      "observedTemperature": "",
      "gauge": {
        "table": "1P",
        "tableSha256": "",
        "levelUnit": "mm",
        "readings": [
          "1200"
        ],
        "referenceHeight": "",
        "waterCut": "",
        "sedimentWater": "",
        "ambientTemperature": "",
        "roofGravity": "",
        "roofDensity": ""
      }
    }
  ]
}
)";
    const ReportReadResult read = ReadReportJson(v2);
    ASSERT_TRUE(read.report) << read.error->message;
    EXPECT_FALSE(ComparisonUsed(*read.report));
    EXPECT_EQ(WriteReportJson(*read.report), v2);

    CargoReport report = *read.report;
    report.header.survey = SurveyKind::Rob;
    report.comparison = {"12.5", "rob.json", "9801", "1.0012", "0.3", ""};
    EXPECT_EQ(WriteReportJson(report).find("onBoardFreeWater"), std::string::npos);
    report.comparison.onBoardFreeWater = "2.5";
    const std::string text = WriteReportJson(report);
    EXPECT_NE(text.find("\"survey\": \"rob\""), std::string::npos) << text;
    const ReportReadResult again = ReadReportJson(text);
    ASSERT_TRUE(again.report) << again.error->message;
    EXPECT_EQ(*again.report, report);

    const ReportReadResult damaged =
        ReadReportJson(R"({"format": "dravex-cargo-report", "version": 1, "header": {"survey": "tank"}})");
    ASSERT_TRUE(damaged.error);
    EXPECT_NE(damaged.error->message.find("header.survey"), std::string::npos) << damaged.error->message;
}

} // namespace
} // namespace dravex
