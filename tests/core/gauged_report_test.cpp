// SPDX-License-Identifier: GPL-3.0-or-later
// Gauged tanks in the cargo report, worked by hand from the test tables below (made for
// these tests; no real vessel's).
#include "core/cargo_report.h"
#include "core/shore_tank.h"
#include "core/tank_table_file.h"

#include <gtest/gtest.h>

namespace dravex {
namespace {

// A ship's tank, ullages in mm to m3, reference height 2000 mm, volumes over level x trim
// (metres, by the stern positive).
TankTable shipTable()
{
    TankTable t;
    t.name = "1P";
    t.kind = TankKind::Ship;
    t.levelKind = LevelKind::Ullage;
    t.referenceHeight = 2000;
    t.levelUnit = LevelUnit::Millimetres;
    t.volumeUnit = VolumeUnit::CubicMetres;
    t.layout = TableLayout::TrimVolumeGrid;
    t.trim.levels = {0, 1000, 1100, 1900, 2000};
    t.trim.columns = {0, 1};
    t.trim.values = {9000, 9000, 5000, 5010, 4900, 4912, 60, 80, 0, 0};
    return t;
}

// A shore tank, innages in inches (feet-inches-eighths) to barrels, whose table deducted a
// floating roof at 35.0 API, 24.59 bbl per degree API, critical zone 2 ft to 5 ft.
TankTable shoreTable()
{
    TankTable t;
    t.name = "T-101";
    t.kind = TankKind::Shore;
    t.levelKind = LevelKind::Innage;
    t.referenceHeight = 240;
    t.levelUnit = LevelUnit::FeetInchesEighths;
    t.volumeUnit = VolumeUnit::Barrels;
    t.layout = TableLayout::LevelToVolume;
    t.evenKeel.levels = {0, 120, 240};
    t.evenKeel.values = {0, 1000, 2000};
    ShoreTankData shore;
    FloatingRoof roof;
    roof.tableDeducted = true;
    roof.scale = GravityScale::Api;
    roof.referenceGravity = 35;
    roof.rate = 24.59;
    roof.criticalLow = 24;
    roof.criticalHigh = 60;
    shore.roof = roof;
    t.shore = shore;
    return t;
}

TankRow row(std::array<std::string, kTankColumns> cells, std::optional<TankGauge> gauge = std::nullopt)
{
    TankRow r{std::move(cells)};
    r.gauge = std::move(gauge);
    return r;
}

TankGauge gauge(std::string table, std::vector<std::string> readings, std::string waterCut, std::string sw)
{
    TankGauge g;
    g.table = std::move(table);
    for (std::size_t i = 0; i < readings.size(); ++i)
        g.readings[i] = readings[i];
    g.waterCut = std::move(waterCut);
    g.sedimentWater = std::move(sw);
    return g;
}

// Metric report at 15 C, where every VCF is 1.0000, so the chain is the table's.
//   Readings 1052, 1054, 1053 mm: average 1053 mm (spread 2 mm, not flagged).
//   Trim 8.6 - 8.0 = 0.6 m by the stern; the table's trim column 0.6.
//   Row 1000: 5000 + 0.6 x (5010 - 5000) = 5006; row 1100: 4900 + 0.6 x 12 = 4907.2;
//   level fraction (1053 - 1000) / 100 = 0.53: 5006 - 0.53 x 98.8 = 4953.636 m3 TOV.
//   Water cut 50 mm innage = ullage 1950: row 1900 at 0.6: 60 + 0.6 x 20 = 72, row 2000: 0,
//   fraction 0.5: FW 36.000 m3. GOV 4953.636 - 36 = 4917.636 m3; GSV x 1.0000 = 4917.636.
//   S&W 0.25 %: CSW 0.99750; NSV 4917.636 x 0.9975 = 4905.34191 -> 4905.342 m3.
//   TCV 4917.636 + 36 = 4953.636 m3.
// Typed tank 2C: 1000 m3 at 15 C, no water: GSV = NSV = TCV = 1000.000.
TEST(GaugedReport, ship_tank_from_readings_to_nsv_as_worked_by_hand)
{
    TankTableDocument doc;
    doc.owner = "MT Test";
    doc.tables = {shipTable()};
    CargoReport report;
    report.units = UnitSystem::Metric;
    report.condition = {"8.0", "8.6", "", "", ""};
    report.rows.push_back(
        row({"1P", "Crude", "A", "", "", "15", "850", "", ""}, gauge("1P", {"1052", "1054", "1053"}, "50", "0.25")));
    report.rows.push_back(row({"2C", "Crude", "A", "1000", "", "15", "850", "", ""}));
    const ReportResult result = Recompute(report, &doc);

    const RowResult &p = result.rows[0];
    ASSERT_FALSE(p.stopped) << p.notice;
    EXPECT_EQ(p.volumes.tov, "4953.636");
    EXPECT_EQ(p.volumes.freeWater, "36");
    EXPECT_EQ(p.volumes.gov, "4917.636");
    EXPECT_EQ(p.figure(ResultColumn::Vcf), "1");
    EXPECT_EQ(p.volumes.gsv, "4917.636");
    EXPECT_EQ(p.volumes.csw, "0.9975");
    EXPECT_EQ(p.volumes.nsv, "4905.342");
    EXPECT_EQ(p.volumes.tcv, "4953.636");
    EXPECT_EQ(p.volumes.tableSha256, TankTableSha256(doc.tables[0]));
    // The working names the trim in words and the fractions it interpolated with.
    std::string working;
    for (const std::string &line : p.trace().working)
        working += line + "\n";
    EXPECT_NE(working.find("0.6 m by the stern"), std::string::npos) << working;
    EXPECT_NE(working.find("0.53"), std::string::npos) << working;

    EXPECT_EQ(result.overall.tanks, 2);
    EXPECT_EQ(result.overall.tov, "5953.636");
    EXPECT_EQ(result.overall.freeWater, "36");
    EXPECT_EQ(result.overall.grossObserved, "5917.636");
    EXPECT_EQ(result.overall.grossStandard, "5917.636");
    EXPECT_EQ(result.overall.nsv, "5905.342");
    EXPECT_EQ(result.overall.tcv, "5953.636");
}

// US report at 60 F, VCF 1.0000; shore tank T-101:
//   Reading 10 ft 6 in = 126 in: 1000 + 6/120 x 1000 = 1050.00 bbl TOV;
//   water cut 1 ft = 12 in: 100.00 bbl FW.
//   Shell (7 x 60 + 88) / 8 = 63.5 -> 64 F; dT 4; CTSh 1 + 2 x 0.0000062 x 4 + (0.0000248)^2
//   = 1.0000496... -> 1.00005.
//   Innage 126 in is above the critical zone (60 in): the roof floats; 37.2 API at tank
//   temperature is 2.2 above the table's 35.0: 2.2 x 24.59 = 54.098 -> 54.10 bbl taken off.
//   GOV (1050 - 100) x 1.00005 - 54.10 = 950.0475 - 54.10 = 895.9475 -> 895.95 bbl.
//   GSV x 1.0000 = 895.95; S&W 0.5 %: CSW 0.995; NSV 895.95 x 0.995 = 891.47025 -> 891.47;
//   TCV 895.95 + 100 = 995.95 bbl.
TEST(GaugedReport, shore_tank_with_shell_and_roof_as_worked_by_hand)
{
    TankTableDocument doc;
    doc.ownerKind = TableOwnerKind::Terminal;
    doc.owner = "Test terminal";
    doc.tables = {shoreTable()};
    CargoReport report;
    report.units = UnitSystem::US;
    TankGauge g = gauge("T-101", {"10 6 0"}, "1 0 0", "0.5");
    g.levelUnit = "ft-in-8";
    g.ambientTemperature = "88";
    g.roofGravity = "37.2";
    report.rows.push_back(row({"T-101", "Crude", "A", "", "", "60", "35.0", "", ""}, g));
    const ReportResult result = Recompute(report, &doc);
    const RowResult &t = result.rows[0];
    ASSERT_FALSE(t.stopped) << t.notice;
    EXPECT_EQ(t.volumes.tov, "1050");
    EXPECT_EQ(t.volumes.freeWater, "100");
    EXPECT_EQ(t.volumes.gov, "895.95");
    EXPECT_EQ(t.volumes.gsv, "895.95");
    EXPECT_EQ(t.volumes.nsv, "891.47");
    EXPECT_EQ(t.volumes.tcv, "995.95");
}

// The gravity at tank temperature a deducted roof is adjusted at, from the gravity at base
// through the gravity tables run backwards (the windows' own worked examples, read the
// other way): Table 5A gives 33.1 API from 35 API at 85 F and 52 from 50 at 40 F; Table
// 53A 860.4 kg/m3 from 850 at 30 C; Table 53B 771.9 from 750 at 40 C. 850 kg/m3 is
// 141360.198 / 850 - 131.5 = 34.806 API.
TEST(GaugedReport, roof_gravity_at_tank_temperature_from_the_base)
{
    struct Case
    {
        double base, t;
        bool crude, metric;
        GravityScale scale;
        std::optional<double> observed;
    };
    const Case cases[] = {
        {33.1, 85, true, false, GravityScale::Api, 35},
        {52, 40, true, false, GravityScale::Api, 50},
        {860.4, 30, true, true, GravityScale::KgPerCubicMetre, 850},
        {860.4, 30, true, true, GravityScale::Api, 34.8},
        {771.9, 40, false, true, GravityScale::KgPerCubicMetre, 750},
        {1200, 40, false, true, GravityScale::KgPerCubicMetre, std::nullopt}, // beyond Table 53B
    };
    for (const Case &c : cases) {
        const ObservedGravity g = ObservedGravityAtTemperature(c.base, c.t, c.crude, c.metric, c.scale);
        EXPECT_EQ(g.value, c.observed) << c.base << " at " << c.t << ": " << g.reason;
        if (!c.observed)
            EXPECT_NE(g.reason.find("Table 53B"), std::string::npos) << g.reason;
    }

    // The shore tank above at 40 F with 52 API at 60 F and no gravity taken at tank
    // temperature: the roof floats at 50.0 API, 15 above the table's 35.0:
    //   15 x 24.59 = 368.85 bbl taken off; shell (7 x 40 + 88) / 8 = 46 F, dT -14,
    //   CTSh 1 - 0.0001736 + 0.0000000075 -> 0.99983;
    //   GOV (1050 - 100) x 0.99983 - 368.85 = 949.8385 - 368.85 = 580.9885 -> 580.99 bbl.
    TankTableDocument doc;
    doc.ownerKind = TableOwnerKind::Terminal;
    doc.owner = "Test terminal";
    doc.tables = {shoreTable()};
    CargoReport report;
    report.units = UnitSystem::US;
    TankGauge g = gauge("T-101", {"10 6 0"}, "1 0 0", "");
    g.levelUnit = "ft-in-8";
    g.ambientTemperature = "88";
    report.rows.push_back(row({"T-101", "Crude", "A", "", "", "40", "52", "", ""}, g));
    const ReportResult result = Recompute(report, &doc);
    ASSERT_FALSE(result.rows[0].stopped) << result.rows[0].notice;
    EXPECT_EQ(result.rows[0].volumes.gov, "580.99");
    std::string working;
    for (const std::string &line : result.rows[0].trace().working)
        working += line + "\n";
    EXPECT_NE(working.find("50 API (Table 5A from 52 API at 60 F at 40 F)"), std::string::npos) << working;
}

// A table that changed since the report used it, a missing table and readings in another
// unit each stop their tank, named under the totals and left out of them.
TEST(GaugedReport, changed_missing_or_mismatched_tables_stop_the_tank)
{
    TankTableDocument doc;
    doc.owner = "MT Test";
    doc.tables = {shipTable()};
    const std::string now = TankTableSha256(doc.tables[0]);
    const std::string before(64, 'a');
    CargoReport report;
    report.units = UnitSystem::Metric;
    TankGauge changed = gauge("1P", {"1053"}, "", "");
    changed.tableSha256 = before;
    TankGauge otherUnit = gauge("1P", {"105.3"}, "", "");
    otherUnit.levelUnit = "cm";
    report.rows.push_back(row({"1P", "Crude", "A", "", "", "15", "850", "", ""}, changed));
    report.rows.push_back(row({"3P", "Crude", "A", "", "", "15", "850", "", ""}, gauge("3P", {"1053"}, "", "")));
    report.rows.push_back(row({"1P cm", "Crude", "A", "", "", "15", "850", "", ""}, otherUnit));
    report.rows.push_back(row({"2C", "Crude", "A", "1000", "", "15", "850", "", ""}));
    const ReportResult result = Recompute(report, &doc);

    EXPECT_TRUE(result.rows[0].stopped);
    EXPECT_NE(result.rows[0].notice.find(before), std::string::npos) << result.rows[0].notice;
    EXPECT_NE(result.rows[0].notice.find(now), std::string::npos) << result.rows[0].notice;
    EXPECT_TRUE(result.rows[0].volumes.tov.empty());
    EXPECT_TRUE(result.rows[1].stopped);
    EXPECT_NE(result.rows[1].notice.find("'3P' is not in"), std::string::npos) << result.rows[1].notice;
    EXPECT_TRUE(result.rows[2].stopped);
    EXPECT_NE(result.rows[2].notice.find("in cm but"), std::string::npos) << result.rows[2].notice;
    EXPECT_EQ(result.overall.stoppedTanks, (std::vector<std::string>{"1P", "3P", "1P cm"}));
    EXPECT_EQ(result.overall.tanks, 1);
    EXPECT_EQ(result.overall.tov, "1000");
    EXPECT_EQ(result.overall.nsv, "1000");

    // Without the document every gauged tank stops; the recorded hash is kept on saving.
    EXPECT_TRUE(Recompute(report).rows[1].stopped);
    RecordTableHashes(report, doc);
    EXPECT_EQ(report.rows[0].gauge->tableSha256, before);
    const ReportReadResult read = ReadReportJson(WriteReportJson(report));
    ASSERT_TRUE(read.report) << read.error->message;
    EXPECT_EQ(*read.report, report);
}

// A table with no trim or list columns, corrected from its gauge point: 10 m aft of the
// tank's centre, 2 m to port of its centre line. Ullages 0, 1000, 2000 mm hold 2000, 1000,
// 0 m3. Drafts 8.0 forward, 9.0 aft: 1.0 m by the stern; LBP 200 m; list 1 degree.
//   Trim: 10 x 1.0 / 200 = 0.05 m = 50 mm; list: 2 x tan 1 = 0.0349 m -> 35 mm.
//   Listed to port (the gauge point on the low side): ullage 1000 + 50 + 35 = 1085 mm;
//   1000 + (85 / 1000) x (0 - 1000) = 915 m3.
//   Listed to starboard (on the high side): 1000 + 50 - 35 = 1015 mm -> 985 m3.
// At 15 C the VCF is 1.0000: GOV = GSV = NSV.
TEST(GaugedReport, geometric_trim_and_list_from_the_tables_gauge_point)
{
    TankTable t;
    t.name = "4S";
    t.levelKind = LevelKind::Ullage;
    t.referenceHeight = 2000;
    t.evenKeel.levels = {0, 1000, 2000};
    t.evenKeel.values = {2000, 1000, 0};
    t.geometry = TankGeometry{10, -2, std::nullopt};
    TankTableDocument doc;
    doc.owner = "MT Test";
    doc.tables = {t};
    // The gauge point is kept with the table and read back.
    const TankTableReadResult read = ReadTankTablesJson(WriteTankTablesJson(doc));
    ASSERT_TRUE(read.document) << read.error->message;
    EXPECT_EQ(read.document->tables[0].geometry, t.geometry);

    const struct
    {
        const char *side;
        const char *nsv;
    } cases[] = {{"port", "915"}, {"starboard", "985"}};
    for (const auto &c : cases) {
        CargoReport report;
        report.units = UnitSystem::Metric;
        report.condition = {"8.0", "9.0", "200", "1", c.side};
        report.rows.push_back(row({"4S", "Crude", "A", "", "", "15", "850", "", ""}, gauge("4S", {"1000"}, "", "")));
        const RowResult r = Recompute(report, &doc).rows[0];
        ASSERT_FALSE(r.stopped) << c.side << ": " << r.notice;
        EXPECT_EQ(r.volumes.tov, c.nsv) << c.side;
        EXPECT_EQ(r.volumes.nsv, c.nsv) << c.side;
    }

    // Without its gauge point the same table is refused at a trim, never read at even keel.
    doc.tables[0].geometry.reset();
    CargoReport report;
    report.units = UnitSystem::Metric;
    report.condition = {"8.0", "9.0", "200", "", ""};
    report.rows.push_back(row({"4S", "Crude", "A", "", "", "15", "850", "", ""}, gauge("4S", {"1000"}, "", "")));
    const RowResult r = Recompute(report, &doc).rows[0];
    EXPECT_TRUE(r.stopped);
    EXPECT_NE(r.notice.find("no trim correction"), std::string::npos) << r.notice;
}

// A report with nothing gauged is written as version 1, exactly as before; a version 1
// file of an earlier version reads unchanged.
TEST(GaugedReport, version_1_files_open_and_stay_version_1)
{
    const char *v1 = R"({
  "format": "dravex-cargo-report",
  "version": 1,
  "edition": "1980",
  "units": "us",
  "vcf": "per-tank",
  "header": {
    "vessel": "MT Old",
    "voyage": "7",
    "port": "Houston",
    "date": "2025-01-02",
    "surveyor": "A. B.",
    "remarks": "",
    "operation": "discharge"
  },
  "tanks": [
    {
      "tank": "1P",
      "grade": "Crude",
      "type": "A",
      "total": "10000",
      "freeWater": "12.5",
      "temperature": "60",
      "gravity": "35.0",
      "observedGravity": "",
      "observedTemperature": ""
    }
  ]
}
)";
    const ReportReadResult read = ReadReportJson(v1);
    ASSERT_TRUE(read.report) << read.error->message;
    EXPECT_FALSE(read.report->gauged());
    EXPECT_FALSE(read.report->rows[0].gauge);
    EXPECT_EQ(WriteReportJson(*read.report), v1);
}

} // namespace
} // namespace dravex
