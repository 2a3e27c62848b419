// SPDX-License-Identifier: GPL-3.0-or-later
// Tank tables: every expected figure below is worked by hand from the small tables made
// here (the working is in the comments), or is the published shell-correction example.
#include "core/ship_gauge.h"
#include "core/shore_tank.h"
#include "core/standard_volume.h"
#include "core/tank_table.h"
#include "core/tank_table_file.h"
#include "core/tank_table_import.h"
#include "core/tank_volume.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dravex {
namespace {

TableGrid column(std::vector<double> levels, std::vector<double> values)
{
    return {std::move(levels), {}, std::move(values)};
}

// Ullage 0..300 mm, volume falling as the ullage grows.
TankTable ullageTable()
{
    TankTable t;
    t.name = "1P";
    t.referenceHeight = 300;
    t.evenKeel = column({0, 100, 200, 300}, {500, 400, 310, 200});
    return t;
}

// Innage 0..2000 mm at even keel.
TankTable innageTable(TableLayout layout)
{
    TankTable t;
    t.name = "2S";
    t.levelKind = LevelKind::Innage;
    t.referenceHeight = 2500;
    t.layout = layout;
    t.evenKeel = column({0, 1000, 2000}, {0, 100, 300});
    if (layout == TableLayout::TrimLevelCorrection) // mm, trims 1 and 2 by the stern
        t.trim = {{0, 2000}, {1, 2}, {-10, -20, -30, -60}};
    if (layout == TableLayout::TrimVolumeCorrection) // m3, trims 1 by the head and by the stern
        t.trim = {{0, 2000}, {-1, 1}, {2, -2, 4, -6}};
    return t;
}

// Level x trim volumes; the physical trims -1, 0, 1, 2 (by the stern positive).
const char *kSternPositiveCsv = "Ullage,-1,0,1,2\n1000,100,110,120,140\n2000,200,210,220,260\n";
// The same table printed with trims by the head positive, columns in another order.
const char *kHeadPositiveCsv = "Ullage;1;0;-1;-2\n1000;100;110;120;140\n2000;200;210;220;260\n";

TankTable gridTable(const char *csv, std::vector<double> printedTrims, TrimConvention convention)
{
    ImportMapping m;
    m.skipRows = 1;
    m.valueColumns = {1, 2, 3, 4};
    m.columnValues = std::move(printedTrims);
    const ImportResult imported = ImportTableGrid(csv, m);
    EXPECT_TRUE(imported.ok());
    TankTable t;
    t.name = "3C";
    t.layout = TableLayout::TrimVolumeGrid;
    t.trimConvention = convention;
    t.trim = imported.grid;
    return t;
}

GaugeConditions trimmed(double trim)
{
    GaugeConditions g;
    g.trim = trim;
    return g;
}

TEST(TankTable, LookupsOfEveryLayout)
{
    const TankTable grid = gridTable(kSternPositiveCsv, {-1, 0, 1, 2}, TrimConvention::SternPositive);
    TankTable listed = innageTable(TableLayout::LevelToVolume);
    listed.list = ListCorrections{CorrectionTarget::Volume, ListConvention::PortPositive, {{0, 2000}, {1}, {0.4, 0.8}}};
    TankTable listedLevel = innageTable(TableLayout::LevelToVolume);
    listedLevel.list =
        ListCorrections{CorrectionTarget::Level, ListConvention::StarboardPositive, {{0, 2000}, {2}, {-6, -10}}};
    struct Case
    {
        const char *name;
        TankTable table;
        double level, trim, list;
        double volume;
    };
    const Case cases[] = {
        // 400 + 50 x (310 - 400) / 100
        {"one column, falling, between rows", ullageTable(), 150, 0, 0, 355},
        {"one column, exact entry", ullageTable(), 200, 0, 0, 310},
        {"one column, first entry", ullageTable(), 0, 0, 0, 500},
        // rows at trim 0.5: 115 and 215; 115 + 500 x 100 / 1000
        {"grid, bilinear", grid, 1500, 0.5, 0, 165},
        // rows at trim 1.5: 130 and 240; 130 + 250 x 110 / 1000
        {"grid, bilinear by the stern", grid, 1250, 1.5, 0, 157.5},
        {"grid, exact corner", grid, 2000, 2, 0, 260},
        {"grid, by the head", grid, 1000, -0.5, 0, 105},
        // correction rows at trim 0.5 (towards zero below column 1): -5, -15; at 1000: -10
        // mm; even keel at 990: 99
        {"level correction towards zero", innageTable(TableLayout::TrimLevelCorrection), 1000, 0.5, 0, 99},
        // rows -15, -45: -30 mm; 970 -> 97
        {"level correction between columns", innageTable(TableLayout::TrimLevelCorrection), 1000, 1.5, 0, 97},
        // rows -2.5, -7.5 at 500: -3.75 mm, applied rounded to -4: 496 -> 49.6 (not 49.625)
        {"level correction rounded to whole mm", innageTable(TableLayout::TrimLevelCorrection), 500, 0.25, 0, 49.6},
        // rows at 0.5 by the stern: -1, -3; at 1000: -2 m3 on 100
        {"volume correction by the stern", innageTable(TableLayout::TrimVolumeCorrection), 1000, 0.5, 0, 98},
        // rows at 0.5 by the head: 1, 2; at 1000: 1.5 on 100
        {"volume correction by the head", innageTable(TableLayout::TrimVolumeCorrection), 1000, -0.5, 0, 101.5},
        {"volume correction at even keel", innageTable(TableLayout::TrimVolumeCorrection), 1000, 0, 0, 100},
        // 0.5 degrees to port is 0.5 on a port-positive table: rows 0.2, 0.4; 0.3 on 100
        {"list correction to the volume", listed, 1000, 0, -0.5, 100.3},
        // 1 degree to starboard: rows -3, -5 mm; at 1000: -4 mm; 996 -> 99.6
        {"list correction to the level", listedLevel, 1000, 0, 1, 99.6},
    };
    for (const Case &c : cases) {
        GaugeConditions g = trimmed(c.trim);
        g.list = c.list;
        const TableValue v = ObservedVolume(c.table, c.level, g);
        ASSERT_TRUE(v.ok()) << c.name << ": " << v.stop->notice;
        EXPECT_DOUBLE_EQ(v.value, c.volume) << c.name;
    }
}

TEST(TankTable, EitherTrimConventionGivesTheSameVolume)
{
    const TankTable stern = gridTable(kSternPositiveCsv, {-1, 0, 1, 2}, TrimConvention::SternPositive);
    const TankTable head = gridTable(kHeadPositiveCsv, {1, 0, -1, -2}, TrimConvention::HeadPositive);
    EXPECT_EQ(head.trim.columns, (std::vector<double>{-2, -1, 0, 1}));
    for (double trim : {-1.0, -0.25, 0.0, 0.5, 1.5, 2.0}) {
        for (double level : {1000.0, 1250.0, 2000.0}) {
            const TableValue a = ObservedVolume(stern, level, trimmed(trim));
            const TableValue b = ObservedVolume(head, level, trimmed(trim));
            ASSERT_TRUE(a.ok() && b.ok());
            EXPECT_EQ(a.value, b.value) << "trim " << trim << ", level " << level;
        }
    }
    EXPECT_EQ(ObservedVolume(head, 1500, trimmed(0.5)).value, 165);
    EXPECT_EQ(TrimInWords(TrimFromDrafts(9.2, 8.4), "m"), "0.8 m by the stern");
    EXPECT_EQ(TrimInWords(TrimFromDrafts(8, 8.5), "m"), "0.5 m by the head");
    EXPECT_EQ(TrimInWords(0, "m"), "even keel");
}

TEST(TankTable, ReverseLookupOnRisingAndFallingColumns)
{
    const TableGrid falling = ullageTable().evenKeel;
    const TableGrid rising = column({0, 1000, 2000}, {0, 10, 30});
    EXPECT_EQ(ReverseLookupColumn(falling, 355).value, 150);
    EXPECT_EQ(ReverseLookupColumn(falling, 255).value, 250); // 200 + (255 - 310) x 100 / (200 - 310)
    EXPECT_EQ(ReverseLookupColumn(falling, 500).value, 0);
    EXPECT_EQ(ReverseLookupColumn(rising, 20).value, 1500);
    EXPECT_EQ(ReverseLookupColumn(rising, 10).value, 1000);
    EXPECT_FALSE(ReverseLookupColumn(falling, 501).ok());
    EXPECT_FALSE(ReverseLookupColumn(column({0, 1, 2}, {0, 5, 5}), 5).ok()); // turns flat
    // On the grid at trim 0.5 the rows hold 115 and 215: 165 is at 1500 mm.
    const TankTable grid = gridTable(kSternPositiveCsv, {-1, 0, 1, 2}, TrimConvention::SternPositive);
    EXPECT_EQ(ReverseVolume(grid, 165, 0.5).value, 1500);
    EXPECT_FALSE(ReverseVolume(innageTable(TableLayout::TrimLevelCorrection), 100, 0.5).ok());
    EXPECT_EQ(ReverseVolume(innageTable(TableLayout::TrimLevelCorrection), 200, 0).value, 1500);
}

TEST(TankTable, RefusesRatherThanExtrapolates)
{
    const TankTable grid = gridTable(kSternPositiveCsv, {-1, 0, 1, 2}, TrimConvention::SternPositive);
    const TankTable headGrid = gridTable(kHeadPositiveCsv, {1, 0, -1, -2}, TrimConvention::HeadPositive);
    TankTable ship = innageTable(TableLayout::LevelToVolume);
    struct Case
    {
        const char *name;
        TableValue result;
        const char *limit;
    };
    const Case cases[] = {
        {"below the first row", ObservedVolume(ullageTable(), -1, {}), "first entry 0"},
        {"above the last row", ObservedVolume(ullageTable(), 301, {}), "last entry 300"},
        {"trim beyond the last column", ObservedVolume(grid, 1500, trimmed(2.5)),
         "(1 m by the head to 2 m by the stern)"},
        {"trim before the first column", ObservedVolume(grid, 1500, trimmed(-1.5)), "1.5 m by the head is beyond"},
        // printed by the head positive, columns -2..1: the same physical limits
        {"head-positive table, the same limits", ObservedVolume(headGrid, 1500, trimmed(2.5)),
         "(1 m by the head to 2 m by the stern)"},
        // corrections start at even keel; the table prints none by the head
        {"correction by the head", ObservedVolume(innageTable(TableLayout::TrimLevelCorrection), 1000, trimmed(-0.5)),
         "(even keel to 2 m by the stern)"},
        {"trim column refused by the lookup itself", LookupGrid(grid.trim, 1500, 2.5, false), "column 2"},
        {"ship trimmed with no correction at all", ObservedVolume(ship, 1000, trimmed(0.5)), "length between"},
    };
    for (const Case &c : cases) {
        ASSERT_FALSE(c.result.ok()) << c.name;
        EXPECT_NE(c.result.stop->notice.find(c.limit), std::string::npos) << c.name << ": " << c.result.stop->notice;
    }
}

TEST(TankTable, GeometricCorrectionsRoundedToTheGaugeResolution)
{
    struct Case
    {
        const char *name;
        TableValue correction;
        double expected;
    };
    const Case cases[] = {
        // 10 x 1 / 200 m = 50 mm
        {"trim, metres to mm", GeometricTrimCorrection(10, 1, 200, LengthUnit::Metres, LevelUnit::Millimetres), 50},
        // 30 x 2 / 600 ft = 0.1 ft = 1.2 in -> 9.6 eighths -> 10/8
        {"trim, feet to eighths", GeometricTrimCorrection(30, 2, 600, LengthUnit::Feet, LevelUnit::FeetInchesEighths),
         1.25},
        // gauge point forward of the centre, by the stern: -7 x 1.5 / 150 m = -70 mm
        {"trim, negative", GeometricTrimCorrection(-7, 1.5, 150, LengthUnit::Metres, LevelUnit::Millimetres), -70},
        // 2 x tan 1 degree = 0.0349 m = 34.9 mm -> 35
        {"list", GeometricListCorrection(2, 1, LengthUnit::Metres, LevelUnit::Millimetres), 35},
    };
    for (const Case &c : cases) {
        ASSERT_TRUE(c.correction.ok()) << c.name;
        EXPECT_EQ(c.correction.value, c.expected) << c.name;
    }
    EXPECT_EQ(ApplyGeometricCorrection(LevelKind::Ullage, 100, 50), 150);
    EXPECT_EQ(ApplyGeometricCorrection(LevelKind::Innage, 1000, 50), 950);
    EXPECT_FALSE(GeometricTrimCorrection(10, 1, 0, LengthUnit::Metres, LevelUnit::Millimetres).ok());

    // Through the table: ullage 100 + 50 = 150 -> 355; innage 1000 - 50 = 950 -> 95.
    GaugeConditions g = trimmed(1);
    g.lbp = 200;
    g.longitudinalOffset = 10;
    EXPECT_EQ(ObservedVolume(ullageTable(), 100, g).value, 355);
    EXPECT_EQ(ObservedVolume(innageTable(TableLayout::LevelToVolume), 1000, g).value, 95);
    // And a list with the gauge point 2 m to the low side: 35 mm more; 1000 - 50 - 35 -> 91.5.
    g.list = 1;
    g.transverseOffset = 2;
    EXPECT_EQ(ObservedVolume(innageTable(TableLayout::LevelToVolume), 1000, g).value, 91.5);
}

TEST(TankTable, RoundingHalfUpOnTheDecimalValue)
{
    EXPECT_EQ(RoundHalfUp(1.005, 2), 1.01); // the binary value is a hair below 1.005
    EXPECT_EQ(RoundHalfUp(-2.5, 0), -3);
    EXPECT_EQ(RoundHalfUp(0.0049, 2), 0);
    EXPECT_EQ(RoundHalfUp(9.9995, 3), 10);
    EXPECT_EQ(RecordVolume(1234.5675, VolumeUnit::CubicMetres), 1234.568);
    EXPECT_EQ(RecordVolume(1234.5, VolumeUnit::Litres), 1235);
    EXPECT_EQ(RecordTemperature(-3.25), -3.3);
    EXPECT_EQ(FormatLevel(147.5, LevelUnit::FeetInchesEighths), "12 ft 3 4/8 in");
}

TEST(ShoreTank, ShellCorrectionPublishedExample)
{
    // Liquid 135 F, ambient 88 F, mild steel, 60 F reference: shell 129 F, CTSh 1.00086.
    EXPECT_EQ(ShellTemperature(135, 88, false), 129);
    EXPECT_EQ(Ctsh(kMildSteelAlphaPerF, 129, 60), 1.00086);
    EXPECT_EQ(ShellTemperature(135, 80, false), 128); // 128.125
    EXPECT_EQ(ShellTemperature(135, 88, true), 135);
    // Metric: (7 x 40 + 24) / 8 = 38 C, dT 23: 1 + 0.00051336 + 0.0000000659 -> 1.00051
    EXPECT_EQ(Ctsh(kMildSteelAlphaPerC, ShellTemperature(40, 24, false), 15), 1.00051);
}

TankTable shoreTable()
{
    TankTable t;
    t.name = "T-101";
    t.kind = TankKind::Shore;
    t.levelKind = LevelKind::Innage;
    t.referenceHeight = 15000;
    t.volumeUnit = VolumeUnit::Barrels;
    t.evenKeel = column({0, 15000}, {0, 15000});
    ShoreTankData s;
    s.roof = FloatingRoof{1215000, true, GravityScale::Api, 35.0, 24.59, 1000, 1200};
    t.shore = s;
    return t;
}

TEST(ShoreTank, GrossObservedVolumeWithTheRoof)
{
    struct Case
    {
        const char *name;
        double level, gravity;
        double roof, gov;
    };
    const Case cases[] = {
        // 2.2 API above: -(2.2 x 24.59) = -54.098 -> -54.10; 9990 x 1.00086 = 9998.5914 - 54.10
        {"floating, lighter than the table's", 1200, 37.2, -54.10, 9944.49},
        // 33.96 -> 34.0 API: one below, + 24.59
        {"floating, heavier", 5000, 33.96, 24.59, 10023.18},
        {"resting on its legs", 1000, 37.2, 0, 9998.59},
    };
    for (const Case &c : cases) {
        ShoreTankInput in;
        in.tov = 10000;
        in.freeWater = 10;
        in.level = c.level;
        in.liquidTemperature = 135;
        in.ambientTemperature = 88;
        in.gravity = c.gravity;
        const ShoreTankResult r = ShoreGrossObservedVolume(shoreTable(), in);
        ASSERT_FALSE(r.stop) << c.name << ": " << r.stop->notice;
        EXPECT_EQ(r.ctsh, 1.00086) << c.name;
        EXPECT_EQ(r.roofAdjustment, c.roof) << c.name;
        EXPECT_EQ(r.gov, c.gov) << c.name;
    }
    ShoreTankInput inZone;
    inZone.tov = 10000;
    inZone.level = 1100;
    const ShoreTankResult zone = ShoreGrossObservedVolume(shoreTable(), inZone);
    ASSERT_TRUE(zone.stop);
    EXPECT_NE(zone.stop->notice.find("critical zone"), std::string::npos);

    // No deduction in the table: 246666 kg / (750 kg/m3 x 1.0) = 328.888 m3 subtracted.
    const FloatingRoof plain{246666, false, GravityScale::KgPerCubicMetre, 0, 0, 1000, 1200};
    EXPECT_EQ(RoofAdjustment(plain, VolumeUnit::CubicMetres, 0, 750, 1).value, -328.888);
    EXPECT_FALSE(RoofAdjustment(plain, VolumeUnit::CubicMetres, 0, 0, 1).ok());
}

TEST(StandardVolume, SedimentAndWaterChain)
{
    // GSV 10000 x 0.9875 = 9875; CSW 1 - 0.0025 = 0.9975; NSV 9850.3125 -> 9850.31; TCV 9887.5
    const StandardVolumes v = NetStandardVolume(10000, 0.9875, 0.25, 12.5, VolumeUnit::Barrels);
    ASSERT_FALSE(v.stop);
    EXPECT_EQ(v.gsv, 9875);
    EXPECT_EQ(v.csw, 0.9975);
    EXPECT_EQ(v.nsv, 9850.31);
    EXPECT_EQ(v.tcv, 9887.5);
    // S&W 0.1234 -> 0.123 %, CSW 0.99877; GSV 1234.567 m3, NSV 1233.048 (1233.04848...)
    const StandardVolumes m = NetStandardVolume(1234.567, 1, 0.1234, 0, VolumeUnit::CubicMetres);
    EXPECT_EQ(m.swPercent, 0.123);
    EXPECT_EQ(m.csw, 0.99877);
    EXPECT_EQ(m.nsv, 1233.048);
    EXPECT_TRUE(NetStandardVolume(100, 1, 100, 0, VolumeUnit::Litres).stop);
    EXPECT_TRUE(NetStandardVolume(100, 0, 0, 0, VolumeUnit::Litres).stop);
}

TEST(ShipGauge, ReadingsAveragedAndFlagged)
{
    struct Case
    {
        const char *name;
        std::vector<double> readings;
        LevelUnit unit;
        double recorded;
        bool flagged;
    };
    const Case cases[] = {
        {"close", {1234, 1236, 1235}, LevelUnit::Millimetres, 1235, false},
        {"3 mm apart is not flagged", {1234, 1237}, LevelUnit::Millimetres, 1236, false}, // 1235.5
        {"4 mm apart", {1234, 1238}, LevelUnit::Millimetres, 1236, true},
        {"metres, 3 mm apart", {1.231, 1.234}, LevelUnit::Metres, 1.233, false},     // 1.2325
        {"eighths", {147.5, 147.625}, LevelUnit::FeetInchesEighths, 147.625, false}, // 1180.5 eighths
        {"eighths, 2/8 apart", {147.5, 147.75}, LevelUnit::FeetInchesEighths, 147.625, true},
    };
    for (const Case &c : cases) {
        const ReadingsAverage a = AverageReadings(c.readings, c.unit);
        ASSERT_FALSE(a.stop) << c.name;
        EXPECT_EQ(a.recorded, c.recorded) << c.name;
        EXPECT_EQ(a.flagged, c.flagged) << c.name;
    }
    const std::vector<double> six(6, 100);
    EXPECT_TRUE(AverageReadings(six, LevelUnit::Millimetres).stop);
}

TEST(ShipGauge, TankToGrossObservedVolume)
{
    // Ullage 150 -> 355; water innage 50 is ullage 250 -> 255; GOV 100.
    ShipGaugeInput in;
    in.readings = {149, 151, 150};
    in.observedReferenceHeight = 302;
    in.waterCut = 50;
    ShipGaugeResult r = ShipGrossObservedVolume(ullageTable(), in);
    ASSERT_FALSE(r.stop) << r.stop->notice;
    EXPECT_EQ(r.tov, 355);
    EXPECT_EQ(r.freeWater, 255);
    EXPECT_EQ(r.gov, 100);
    EXPECT_EQ(r.referenceDifference, 2);

    // Trimmed 2 m by the stern: the water (50 mm) lies within the wedge limit (12 - 2) x 2 /
    // 200 = 0.1 m, so it is the wedge window's metric example, 2.312 m3; the oil at 1000 mm
    // reaches the bulkhead and comes from the table (gauge point at the tank's centre).
    in = {};
    in.readings = {1000};
    in.waterCut = 50;
    in.conditions.trim = TrimFromDrafts(10, 8);
    in.conditions.lbp = 200;
    in.conditions.longitudinalOffset = 0;
    in.wedge = WedgeTank{200, 12, 10, 20, 2};
    r = ShipGrossObservedVolume(innageTable(TableLayout::LevelToVolume), in);
    ASSERT_FALSE(r.stop) << r.stop->notice;
    EXPECT_FALSE(r.oilWedge);
    EXPECT_TRUE(r.waterWedge);
    EXPECT_EQ(r.tov, 100);
    EXPECT_EQ(r.freeWater, 2.312);
    EXPECT_EQ(r.gov, 97.688);

    // Without the wedge's dimensions a water cut of 20 mm less its 50 mm trim correction
    // leaves the table, and the notice points to the wedge.
    in.wedge.reset();
    in.waterCut = 20;
    in.conditions.trim = 1;
    in.conditions.longitudinalOffset = 10;
    r = ShipGrossObservedVolume(innageTable(TableLayout::LevelToVolume), in);
    ASSERT_TRUE(r.stop);
    EXPECT_NE(r.stop->notice.find("for the wedge"), std::string::npos) << r.stop->notice;
}

TEST(TankTableDocument, WritesReadsAndRefuses)
{
    TankTableDocument doc;
    doc.owner = "MT Example";
    doc.tables = {ullageTable(), innageTable(TableLayout::TrimLevelCorrection), shoreTable()};
    doc.tables[1].list = ListCorrections{
        CorrectionTarget::Level, ListConvention::StarboardPositive, {{0, 2000}, {-1, 1}, {3, -3, 5, -5}}};
    const std::string text = WriteTankTablesJson(doc);
    const TankTableReadResult back = ReadTankTablesJson(text);
    ASSERT_TRUE(back.document) << back.error->message;
    EXPECT_EQ(*back.document, doc);
    EXPECT_EQ(TankTableSha256(back.document->tables[0]), TankTableSha256(doc.tables[0]));
    EXPECT_NE(TankTableSha256(doc.tables[0]), TankTableSha256(doc.tables[1]));
    EXPECT_EQ(TextSha256("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");

    auto replaced = [&](const std::string &from, const std::string &to) {
        std::string t = text;
        t.replace(t.find(from), from.size(), to);
        return t;
    };
    using K = TankTableReadError::Kind;
    struct Case
    {
        const char *name;
        std::string text;
        K kind;
        const char *says;
    };
    const Case cases[] = {
        {"not JSON", "{\"format\":", K::NotJson, "not valid JSON"},
        {"another document", "{\"format\":\"dravex-cargo-report\",\"version\":1}", K::NotATableDocument, "not"},
        {"newer", replaced("\"version\": 1", "\"version\": 2"), K::NewerVersion, "newer version"},
        {"value changed by hand", replaced("310.0", "311.0"), K::Damaged, "SHA-256"},
        {"unknown unit", replaced("\"levelUnit\": \"mm\"", "\"levelUnit\": \"yd\""), K::Damaged, "levelUnit"},
    };
    for (const Case &c : cases) {
        const TankTableReadResult r = ReadTankTablesJson(c.text);
        ASSERT_TRUE(r.error) << c.name;
        EXPECT_FALSE(r.document) << c.name;
        EXPECT_EQ(r.error->kind, c.kind) << c.name;
        EXPECT_NE(r.error->message.find(c.says), std::string::npos) << c.name << ": " << r.error->message;
    }
}

TEST(TankTableImport, ChecksBeforeAnythingIsKept)
{
    const char *text = "Ullage;Volume\n"
                       "0;0\n"
                       "10;1,5\n" // row 3: decimal comma
                       "10;x2\n"  // row 4: not a number
                       "20;2\n"
                       "20;2.5\n" // row 6: repeats row 5
                       "30;3\n"
                       "\n"
                       "100;10\n" // row 9: a gap of 70 where the usual step is 20
                       "90;9\n";  // row 10: not above 100
    ImportMapping m;
    m.skipRows = 1;
    m.valueColumns = {1};
    const ImportResult r = ImportTableGrid(text, m);
    EXPECT_FALSE(r.ok());
    struct Expected
    {
        ImportIssue::Severity severity;
        int row, column;
        const char *says;
    };
    using S = ImportIssue::Severity;
    const Expected expected[] = {
        {S::Error, 3, 2, "decimal comma"},      {S::Error, 4, 2, "'x2' is not a number"},
        {S::Error, 6, 1, "repeats row 5"},      {S::Error, 10, 1, "not above the level 100"},
        {S::Warning, 9, 1, "usual step is 20"},
    };
    ASSERT_EQ(r.issues.size(), std::size(expected));
    for (std::size_t i = 0; i < r.issues.size(); ++i) {
        EXPECT_EQ(r.issues[i].severity, expected[i].severity) << i;
        EXPECT_EQ(r.issues[i].row, expected[i].row) << i;
        EXPECT_EQ(r.issues[i].column, expected[i].column) << i;
        EXPECT_NE(r.issues[i].message.find(expected[i].says), std::string::npos) << r.issues[i].message;
    }

    m.skipRows = 0;
    m.decimalComma = true;
    const ImportResult commas = ImportTableGrid("0\t0\n10\t1,5\n20\t1.002,5\n", m);
    EXPECT_TRUE(commas.ok());
    EXPECT_EQ(commas.grid.values, (std::vector<double>{0, 1.5, 1002.5}));

    // Rows printed from the top down are read in reverse, with a warning.
    m = {};
    m.valueColumns = {1};
    const ImportResult down = ImportTableGrid("300,200\n200,310\n100,400\n", m);
    EXPECT_TRUE(down.ok());
    EXPECT_EQ(down.grid.levels, (std::vector<double>{100, 200, 300}));
    EXPECT_EQ(down.grid.values, (std::vector<double>{400, 310, 200}));

    EXPECT_EQ(ParseFeetInchesEighths("12-03-4"), 147.5);
    EXPECT_EQ(ParseFeetInchesEighths("12 3 4/8"), 147.5);
    EXPECT_EQ(ParseFeetInchesEighths("12 ft 3 4/8 in"), 147.5);
    EXPECT_EQ(ParseFeetInchesEighths("12-03"), 147);
    EXPECT_FALSE(ParseFeetInchesEighths("12-13-0"));
    EXPECT_FALSE(ParseFeetInchesEighths("12.5"));
}

} // namespace
} // namespace dravex
