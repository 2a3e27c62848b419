// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/job.h"
#include "core/ship_shore.h"
#include "core/vef.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <limits>
#include <map>

namespace dravex {
namespace {

VoyageEntry voyage(std::string id, std::string date, double tcv, std::optional<double> onBoard,
                   std::optional<double> shore, std::string unit = "bbl", VoyageOperation op = VoyageOperation::Load)
{
    VoyageEntry e;
    e.vessel = "Northern Star";
    e.voyage = std::move(id);
    e.date = std::move(date);
    e.vesselTcv = tcv;
    e.onBoard = onBoard;
    e.shoreTcv = shore;
    e.unit = std::move(unit);
    e.operation = op;
    return e;
}

// Eight loads of one vessel, in barrels. Vessel = TCV less OBQ, rounded half up once:
//   L1 100350.40 - 250.40 = 100100   / 100000  ratio 1.00100
//   L2  80200                         /  80000        1.00250
//   L3 120000 - 120.5 = 119879.5 -> 119880 / 120000  0.99900
//   L4  90450 - 450 = 90000           /  89900  1.0011123 -> 1.00111
//   L5 100000                         /  99000  1.0101010 -> 1.01010
//   L6 100000                         /  97000  1.0309278: gross error, rejected
//   L7 110300 - 300 = 110000          / 109800  1.0018214 -> 1.00182
//   L8  95000                         /  95100  0.9989485 -> 0.99895
// Not rejected (all but L6): vessel 695180, shore 693800; mean 695180 / 693800 =
// 1.0019890 -> 1.00199; limits 1.00199 x 0.997 = 0.99898403 -> 0.99898 and
// 1.00199 x 1.003 = 1.00499597 -> 1.00500. L5 is above, L8 below (0.99895 < 0.99898):
// set aside. Qualifying L1 L2 L3 L4 L7: vessel 500180, shore 499700,
// VEFL 500180 / 499700 = 1.00096058 -> 1.0010.
std::vector<VoyageEntry> eightLoads()
{
    return {voyage("L1", "2025-01-10", 100350.40, 250.40, 100000), voyage("L2", "2025-02-10", 80200, {}, 80000),
            voyage("L3", "2025-03-10", 120000, 120.5, 120000),     voyage("L4", "2025-04-10", 90450, 450, 89900),
            voyage("L5", "2025-05-10", 100000, 0, 99000),          voyage("L6", "2025-06-10", 100000, 0, 97000),
            voyage("L7", "2025-07-10", 110300, 300, 109800),       voyage("L8", "2025-08-10", 95000, 0, 95100)};
}

struct Expected
{
    VoyageStatus status;
    VoyageReason reason;
    std::int64_t vessel = 0, shore = 0, ratio = 0; // checked when not zero
};
using S = VoyageStatus;
using R = VoyageReason;

struct VefCase
{
    const char *name;
    std::vector<VoyageEntry> log;
    VefRequest request;
    std::map<std::string, Expected> voyages; // by voyage id
    std::optional<std::int64_t> mean, lower, upper;
    int considered, rejected, qualifying;
    std::optional<std::int64_t> vef;
    int moreNeeded;
};

std::vector<VefCase> vefCases()
{
    std::vector<VefCase> cases;
    const VefRequest load{"Northern Star", VoyageOperation::Load, "", ""};

    cases.push_back({"qualifying_set_aside_both_sides_and_gross_error",
                     eightLoads(),
                     load,
                     {{"L1", {S::Qualifying, R::None, 100100, 100000, 100100}},
                      {"L2", {S::Qualifying, R::None, 80200, 80000, 100250}},
                      {"L3", {S::Qualifying, R::None, 119880, 120000, 99900}},
                      {"L4", {S::Qualifying, R::None, 90000, 89900, 100111}},
                      {"L5", {S::SetAside, R::OutsideBand, 100000, 99000, 101010}},
                      {"L6", {S::Rejected, R::GrossError, 100000, 97000, 103093}},
                      {"L7", {S::Qualifying, R::None, 110000, 109800, 100182}},
                      {"L8", {S::SetAside, R::OutsideBand, 95000, 95100, 99895}}},
                     100199,
                     99898,
                     100500,
                     8,
                     1,
                     5,
                     10010,
                     0});

    // L2 marked not usable moves the mean: vessel 614980, shore 613800, mean
    // 1.0019224 -> 1.00192, limits 0.99891424 -> 0.99891 and 1.00492576 -> 1.00493: L8
    // (0.99895) now qualifies. Qualifying L1 L3 L4 L7 L8: 514980 / 514800 = 1.00034965 ->
    // 1.0003.
    {
        std::vector<VoyageEntry> log = eightLoads();
        log[1].usable = false;
        cases.push_back({"not_usable_is_rejected_before_the_mean",
                         log,
                         load,
                         {{"L2", {S::Rejected, R::MarkedNotUsable}},
                          {"L5", {S::SetAside, R::OutsideBand}},
                          {"L8", {S::Qualifying, R::None}}},
                         100192,
                         99891,
                         100493,
                         8,
                         2,
                         5,
                         10003,
                         0});
    }

    // L1 L2 L3 L5 L6: not rejected L1 L2 L3 L5, vessel 400180, shore 399000, mean
    // 1.0029574 -> 1.00296, limits 0.99995112 -> 0.99995 and 1.00596888 -> 1.00597: L3
    // (0.99900) and L5 (1.01010) set aside, 2 qualify; 5 needed, 3 more.
    {
        const std::vector<VoyageEntry> all = eightLoads();
        cases.push_back({"too_few_qualify",
                         {all[0], all[1], all[2], all[4], all[5]},
                         load,
                         {{"L3", {S::SetAside, R::OutsideBand}}, {"L5", {S::SetAside, R::OutsideBand}}},
                         100296,
                         99995,
                         100597,
                         5,
                         1,
                         2,
                         std::nullopt,
                         3});
    }

    // Twenty-one loads and the current voyage. The newest (N21) has no bill of lading: it is
    // rejected but holds one of the twenty places. N02..N20 are 1000 / 1000 (ratio
    // 1.00000); N01, the oldest, is 1002 / 1000 and falls outside the twenty. The current
    // voyage CUR, newer still, takes no place. Mean 19000 / 19000 = 1.00000, limits
    // 0.99700 and 1.00300; VEFL 1.0000 (with N01 it would be 19002 / 19000 -> 1.0001).
    {
        std::vector<VoyageEntry> log;
        log.push_back(voyage("N01", "2024-01-01", 1002, {}, 1000));
        for (int i = 2; i <= 20; ++i)
            log.push_back(voyage((i < 10 ? "N0" : "N") + std::to_string(i),
                                 "2024-02-" + std::string(i < 10 ? "0" : "") + std::to_string(i), 1000, {}, 1000));
        log.push_back(voyage("N21", "2024-03-01", 1000, {}, std::nullopt));
        log.push_back(voyage("CUR", "2024-04-01", 1000, {}, 1000));
        cases.push_back({"twenty_most_recent_rejected_count_current_left_out",
                         log,
                         {"northern  STAR ", VoyageOperation::Load, "cur", ""},
                         {{"N01", {S::NotConsidered, R::BeyondLimit}},
                          {"N02", {S::Qualifying, R::None, 1000, 1000, 100000}},
                          {"N21", {S::Rejected, R::NoShoreFigure}},
                          {"CUR", {S::NotConsidered, R::CurrentVoyage}}},
                         100000,
                         99700,
                         100300,
                         20,
                         1,
                         19,
                         10000,
                         0});
    }

    // Faults, each rejected with its reason, beside five good loads of 1000 / 1000. G is
    // two grades combined before the one rounding: 50000.4 + (30000.3 - 100.2) = 79900.5
    // -> 79901 (rounding each grade first would give 79900), shore 49900 + 29950 = 79850,
    // ratio 1.00063870 -> 1.00064. Not rejected: the five and G: 84901 / 84850 =
    // 1.00060106 -> 1.00060, limits 0.99759820 -> 0.99760 and 1.00360180 -> 1.00360; all
    // six qualify, VEFL 84901 / 84850 -> 1.0006. The mixed unit is m3 among barrels.
    {
        std::vector<VoyageEntry> log;
        for (int i = 1; i <= 5; ++i)
            log.push_back(voyage("OK" + std::to_string(i), "2025-0" + std::to_string(i) + "-01", 1000, {}, 1000));
        VoyageEntry g1 = voyage("G", "2025-06-01", 50000.4, {}, 49900);
        g1.grade = "Gasoil";
        VoyageEntry g2 = voyage("G", "2025-06-02", 30000.3, 100.2, 29950);
        g2.grade = "Jet A-1";
        log.push_back(g1);
        log.push_back(g2);
        log.push_back(voyage("ZERO", "2025-06-03", 1000, {}, 0));
        log.push_back(voyage("M3", "2025-06-04", 1000, {}, 1000, "m3"));
        log.push_back(voyage("DUP", "2025-06-05", 1000, {}, 1000));
        log.push_back(voyage("DUP", "2025-06-05", 1001, {}, 1000));
        log.push_back(voyage("OK1", "2025-01-01", 1000, {}, 1000)); // the same line again
        log.push_back(voyage("OBQ", "2025-06-06", 1000, 1000, 1000));
        log.push_back(voyage("NODATE", "06/07/2025", 1000, {}, 1000));
        VoyageEntry bad = voyage("BAD", "2025-06-08", 1000, {}, std::nullopt);
        bad.problem = "shore_tcv: '1.0.0' is not a number";
        log.push_back(bad);
        VoyageEntry nan = voyage("NAN", "2025-06-09", std::numeric_limits<double>::quiet_NaN(), {}, 1000);
        log.push_back(nan);
        cases.push_back({"rejections_and_grades_combined",
                         log,
                         load,
                         {{"G", {S::Qualifying, R::None, 79901, 79850, 100064}},
                          {"ZERO", {S::Rejected, R::NoShoreFigure}},
                          {"M3", {S::Rejected, R::MixedUnits}},
                          {"DUP", {S::Rejected, R::Duplicated}},
                          {"OBQ", {S::Rejected, R::NoVesselFigure}},
                          {"NODATE", {S::Rejected, R::NoDate}},
                          {"BAD", {S::Rejected, R::NotReadable}},
                          {"NAN", {S::Rejected, R::NoVesselFigure}}},
                         100060,
                         99760,
                         100360,
                         12,
                         6,
                         6,
                         10006,
                         0});
    }

    // Load and discharge apart: the eight loads with five discharges of ratio 0.99000
    // (99000 / 100000) that would sink the VEFL if mixed in. VEFL as in the first case;
    // VEFD 0.9900 from the five.
    {
        std::vector<VoyageEntry> log = eightLoads();
        for (int i = 1; i <= 5; ++i)
            log.push_back(voyage("D" + std::to_string(i), "2025-0" + std::to_string(i) + "-20", 99500, 500, 100000,
                                 "bbl", VoyageOperation::Discharge));
        cases.push_back({"load_kept_apart_from_discharge", log, load, {}, 100199, 99898, 100500, 8, 1, 5, 10010, 0});
        cases.push_back({"discharge_kept_apart_from_load",
                         log,
                         {"Northern Star", VoyageOperation::Discharge, "", ""},
                         {{"D1", {S::Qualifying, R::None, 99000, 100000, 99000}}},
                         99000,
                         98703,
                         99297,
                         5,
                         0,
                         5,
                         9900,
                         0});
    }
    return cases;
}

TEST(Vef, primary_method_cases)
{
    for (const VefCase &c : vefCases()) {
        SCOPED_TRACE(c.name);
        const VefResult r = ComputeVef(c.log, c.request);
        EXPECT_EQ(r.mean, c.mean);
        EXPECT_EQ(r.lower, c.lower);
        EXPECT_EQ(r.upper, c.upper);
        EXPECT_EQ(r.considered, c.considered);
        EXPECT_EQ(r.rejected, c.rejected);
        EXPECT_EQ(r.qualifying, c.qualifying);
        EXPECT_EQ(r.vef, c.vef);
        EXPECT_EQ(r.moreNeeded, c.moreNeeded);
        for (const auto &[id, e] : c.voyages) {
            SCOPED_TRACE(id);
            const auto v = std::find_if(r.voyages.begin(), r.voyages.end(),
                                        [&](const VefVoyage &x) { return x.voyage == id && !x.entries.empty(); });
            ASSERT_NE(v, r.voyages.end());
            EXPECT_EQ(v->status, e.status) << v->why;
            EXPECT_EQ(v->reason, e.reason) << v->why;
            EXPECT_FALSE(v->why.empty());
            if (e.ratio) {
                EXPECT_EQ(v->vessel, e.vessel);
                EXPECT_EQ(v->shore, e.shore);
                EXPECT_EQ(v->ratio, e.ratio);
            }
        }
    }
}

TEST(Vef, every_voyage_and_repeat_is_listed_with_its_reason)
{
    const VefCase c = vefCases()[4];
    const VefResult r = ComputeVef(c.log, c.request);
    // 13 voyages (OK1..OK5, G, ZERO, M3, DUP, OBQ, NODATE, BAD, NAN) and the repeated line,
    // last; the undated voyage before it, out of the twelve considered.
    ASSERT_EQ(r.voyages.size(), 14u);
    EXPECT_EQ(r.voyages[12].voyage, "NODATE");
    EXPECT_EQ(r.voyages[13].reason, VoyageReason::RepeatedEntry);
    EXPECT_EQ(r.voyages[13].why, "entry 12 repeats entry 1: counted once");
    const auto dup =
        std::find_if(r.voyages.begin(), r.voyages.end(), [](const VefVoyage &v) { return v.voyage == "DUP"; });
    EXPECT_EQ(dup->why, "entered twice with different figures: entry 10 and entry 11");
    EXPECT_EQ(r.summary, "VEFL 1.0006 from 6 qualifying voyages of 12");
    EXPECT_EQ(ComputeVef(vefCases()[2].log, c.request).summary, "No VEFL: 2 voyages qualify; 5 are needed, 3 more");
    // Oldest first.
    EXPECT_EQ(ComputeVef(eightLoads(), c.request).voyages.front().voyage, "L1");
}

TEST(Vef, fleet_gives_each_vessel_and_operation)
{
    std::vector<VoyageEntry> log = eightLoads();
    VoyageEntry other = voyage("X1", "2025-01-01", 1000, {}, 1000, "bbl", VoyageOperation::Discharge);
    other.vessel = "Southern Cross";
    log.push_back(other);
    const std::vector<VefResult> all = ComputeFleetVefs(log);
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].vessel, "Northern Star");
    EXPECT_EQ(all[0].vef, 10010);
    EXPECT_EQ(all[1].vessel, "Southern Cross");
    EXPECT_EQ(all[1].operation, VoyageOperation::Discharge);
    EXPECT_EQ(all[1].moreNeeded, 4);
}

// The comparison. Loading: receiver vessel, sender shore; discharge the other way.
struct CompareCase
{
    const char *name;
    Transfer transfer;
    double tcv;
    std::optional<double> onBoard, shore, vef, tolerance;
    int decimals;
    double vessel, difference, percent;
    std::optional<double> vefVessel, vefDifference, vefPercent;
    bool notice;
};

TEST(ShipShore, sign_and_percent_base)
{
    const CompareCase cases[] = {
        // 50210 - 210 = 50000; 50000 - 50100 = -100, -100 / 50100 = -0.1996 % -> -0.200.
        // 50000 / 1.0012 = 49940.0719 -> 49940.072; -159.928 / 50100 = -0.31922 % -> -0.319,
        // beyond 0.3 %.
        {"loading_with_vef_beyond_tolerance", Transfer::Loading, 50210, 210, 50100, 1.0012, 0.3, 3, 50000, -100, -0.2,
         49940.072, -159.928, -0.319, true},
        // 60120 - 120 = 60000; outturn less vessel 59880 - 60000 = -120, of 60000: -0.200 %.
        // 60000 / 0.9985 = 60090.1352 -> 60090.14; 59880 - 60090.14 = -210.14; of the
        // vessel's 60090.14: -0.34971 % -> -0.350 (of the shore's it would be -0.351).
        {"discharge_with_vef_within_tolerance", Transfer::Discharge, 60120, 120, 59880, 0.9985, 0.5, 2, 60000, -120,
         -0.2, 60090.14, -210.14, -0.35, false},
        // Shore 1010 against vessel 1000: loading -10 of 1010 = -0.990 %; discharge +10 of
        // 1000 = +1.000 %. No tolerance: never a notice.
        {"loading_percent_of_shore", Transfer::Loading, 1000, {}, 1010, {}, {}, 3, 1000, -10, -0.99, {}, {}, {}, false},
        {"discharge_percent_of_vessel", Transfer::Discharge, 1000, {}, 1010, {}, {}, 3, 1000, 10, 1, {}, {}, {}, false},
    };
    for (const CompareCase &c : cases) {
        SCOPED_TRACE(c.name);
        ShipShoreInput in;
        in.transfer = c.transfer;
        in.vesselTcv = c.tcv;
        in.onBoard = c.onBoard;
        in.shoreTcv = c.shore;
        in.vef = c.vef;
        in.tolerancePercent = c.tolerance;
        in.decimals = c.decimals;
        in.unit = "bbl";
        const ShipShoreComparison r = CompareShipShore(in);
        ASSERT_FALSE(r.stopped) << r.notice;
        EXPECT_EQ(FormatFixed(r.measured.vessel, 3), FormatFixed(c.vessel, 3));
        EXPECT_EQ(FormatFixed(r.measured.difference, 3), FormatFixed(c.difference, 3));
        EXPECT_EQ(FormatFixed(r.measured.percent, 3), FormatFixed(c.percent, 3));
        ASSERT_EQ(r.withVef.has_value(), c.vefVessel.has_value());
        if (c.vefVessel) {
            EXPECT_EQ(FormatFixed(r.withVef->vessel, 3), FormatFixed(*c.vefVessel, 3));
            EXPECT_EQ(FormatFixed(r.withVef->difference, 3), FormatFixed(*c.vefDifference, 3));
            EXPECT_EQ(FormatFixed(r.withVef->percent, 3), FormatFixed(*c.vefPercent, 3));
        }
        EXPECT_EQ(!r.discrepancyNotice.empty(), c.notice);
    }
}

TEST(ShipShore, notice_of_apparent_discrepancy_wording)
{
    const ShipShoreComparison r =
        CompareShipShoreTexts(Transfer::Loading, {"50210", "210", "50100", "1.0012", "0.3"}, 3, "bbl");
    EXPECT_EQ(r.discrepancyNotice,
              "Notice of apparent discrepancy at loading. The vessel's figure, TCV 50210.000 bbl less OBQ 210.000 bbl, "
              "is 50000.000 bbl, 49940.072 bbl with the vessel experience factor of 1.0012 applied; the bill of "
              "lading figure is 50100.000 bbl. The vessel received 159.928 bbl (0.319 %) less than the bill of lading "
              "states, beyond the agreed tolerance of 0.300 %. The difference is noted for investigation and all "
              "rights of the parties are reserved.");
}

TEST(ShipShore, bad_input_stops_with_a_notice_never_a_figure)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Bad
    {
        Transfer transfer;
        ShipShoreTexts texts;
        std::optional<double> tcv, onBoard, shore, vef; // used when texts are empty
        const char *noticeStart;
    };
    const Bad cases[] = {
        {Transfer::Loading, {"1000", "", "", "", ""}, {}, {}, {}, {}, "Shore TCV (bill of lading): no figure"},
        {Transfer::Discharge, {"1000", "", "0", "", ""}, {}, {}, {}, {}, "Shore TCV (outturn): must be more"},
        {Transfer::Loading, {"1000", "1000.5", "990", "", ""}, {}, {}, {}, {}, "OBQ: 1000.500 is not less"},
        {Transfer::Discharge, {"1000", "1000", "990", "", ""}, {}, {}, {}, {}, "ROB: 1000.000 is not less"},
        {Transfer::Loading, {"1000", "-1", "990", "", ""}, {}, {}, {}, {}, "OBQ: cannot be negative"},
        {Transfer::Discharge, {"1000", "999.9999", "990", "", ""}, {}, {}, {}, {}, "ROB: 1000.000 leaves nothing"},
        {Transfer::Loading, {"1000", "", "abc", "", ""}, {}, {}, {}, {}, "Shore TCV (bill of lading): 'abc' is not"},
        {Transfer::Loading, {"1000", "", "990", "1.5", ""}, {}, {}, {}, {}, "VEF: 1.5 is outside"},
        {Transfer::Loading, {"1000", "", "990", "0", ""}, {}, {}, {}, {}, "VEF: 0 is outside"},
        {Transfer::Loading, {"1000", "", "990", "", "-0.1"}, {}, {}, {}, {}, "Tolerance: cannot be negative"},
        {Transfer::Loading, {}, nan, {}, 1000, {}, "Vessel TCV: not a finite number"},
        {Transfer::Loading, {}, 1000, {}, inf, {}, "Shore TCV (bill of lading): not a finite number"},
        {Transfer::Loading, {}, 1000, nan, 1000, {}, "OBQ: not a finite number"},
        {Transfer::Loading, {}, 1e308, {}, 1e-300, {}, "Overflow"},
    };
    for (const Bad &c : cases) {
        SCOPED_TRACE(c.noticeStart);
        ShipShoreComparison r;
        if (!c.texts.vesselTcv.empty()) {
            r = CompareShipShoreTexts(c.transfer, c.texts, 3, "bbl");
        } else {
            ShipShoreInput in;
            in.transfer = c.transfer;
            in.vesselTcv = c.tcv;
            in.onBoard = c.onBoard;
            in.shoreTcv = c.shore;
            in.vef = c.vef;
            r = CompareShipShore(in);
        }
        EXPECT_TRUE(r.stopped);
        EXPECT_EQ(r.notice.rfind(c.noticeStart, 0), 0u) << r.notice;
        EXPECT_FALSE(r.withVef);
        EXPECT_EQ(r.measured.percent, 0);
        EXPECT_TRUE(r.working.empty());
    }
}

TEST(Job, json_both_ways_and_faults_named)
{
    Job job{JobSite::ShoreTerminal, "Europoort T3", "BL-2291", "Rotterdam", ReportOperation::Discharge, "2026-03-14"};
    const JobReadResult back = JobFromJson(nlohmann::ordered_json::parse(JobToJson(job).dump()));
    ASSERT_TRUE(back.job) << back.error;
    EXPECT_EQ(*back.job, job);
    EXPECT_EQ(JobLabel(job), "Terminal Europoort T3, reference BL-2291, Rotterdam, Discharge, 2026-03-14");
    EXPECT_EQ(JobLabel(Job{}), "No job");
    EXPECT_EQ(JobFromJson(nlohmann::ordered_json::parse(R"({"operation":"bunkering"})")).error,
              "job.operation is 'bunkering', not one of loading, discharge, on-arrival, on-sailing, other");
    EXPECT_EQ(JobFromJson(nlohmann::ordered_json::parse(R"({"name":7})")).error, "job.name is not text");
    EXPECT_FALSE(JobFromJson(nlohmann::ordered_json::parse("[]")).job);
}

TEST(VoyageFile, reads_columns_in_any_order_and_names_bad_lines)
{
    const std::string text =
        "\xEF\xBB\xBF"
        "Voyage,Vessel,Operation,Date,Vessel TCV,OBQ/ROB,Shore TCV,Unit,Usable,Remarks\r\n"
        "12,\"Star, Northern\",load,2025-01-10,\"100,350.40\",250.4,100000,bbl,yes,\"said \"\"ok\"\"\"\r\n"
        "\r\n"
        "13,\"Star, Northern\",transfer,2025-02-10,1,,1,bbl,,\n"
        "14,,load,2025-02-10,1,,1,bbl,,\n"
        "15,\"Star, Northern\",Discharge,2025-03-10,1000,,1.0.0,bbl,no\n"
        "16,\"Star, Northern\",d,2025-03-11,1000,,1000,bbl,maybe\n";
    const VoyageFileResult r = ReadVoyagesCsv(text);
    ASSERT_TRUE(r.error.empty()) << r.error;
    ASSERT_EQ(r.entries.size(), 3u);
    EXPECT_EQ(r.entries[0].vessel, "Star, Northern");
    EXPECT_EQ(r.entries[0].vesselTcv, 100350.40);
    EXPECT_EQ(r.entries[0].onBoard, 250.4);
    EXPECT_EQ(r.entries[0].line, 2u);
    EXPECT_EQ(r.entries[1].operation, VoyageOperation::Discharge);
    EXPECT_FALSE(r.entries[1].usable);
    EXPECT_EQ(r.entries[1].problem, "shore_tcv: '1.0.0' is not a number");
    EXPECT_EQ(r.entries[2].problem, "usable: 'maybe' is not yes or no");
    const std::vector<std::string> notices = {
        "line 4: operation 'transfer' is neither load nor discharge; the line is left out",
        "line 5: no vessel; the line is left out", "line 6: shore_tcv: '1.0.0' is not a number; the voyage is rejected",
        "line 7: usable: 'maybe' is not yes or no; the voyage is rejected"};
    EXPECT_EQ(r.notices, notices);

    EXPECT_EQ(ReadVoyagesCsv("vessel,voyage,date\n").error,
              "The voyage file's header (line 1) has no column operation, vessel_tcv, shore_tcv, unit");
    EXPECT_FALSE(ReadVoyagesCsv("").error.empty());
    EXPECT_EQ(ReadVoyagesCsv("vessel,voyage,date,operation,vessel_tcv,shore_tcv,unit\nA,1,2025-01-01,load,1,1,\"bbl\n")
                  .notices.front(),
              "line 2: a quoted field is not closed; the line is left out");
}

TEST(VoyageFile, written_log_reads_back_the_same)
{
    std::vector<VoyageEntry> log = eightLoads();
    log[2].grade = "Jet A-1, \"low sulphur\"";
    log[3].usable = false;
    log[4].operation = VoyageOperation::Discharge;
    log[5].problem = "vessel_tcv: 'x' is not a number";
    const VoyageFileResult fromJson = VoyagesFromJson(nlohmann::ordered_json::parse(VoyagesToJson(log).dump()));
    ASSERT_TRUE(fromJson.error.empty()) << fromJson.error;
    EXPECT_EQ(fromJson.entries, log);
    log[5].problem.clear(); // CSV keeps what was read, not what could not be
    const VoyageFileResult back = ReadVoyagesCsv(WriteVoyagesCsv(log));
    ASSERT_TRUE(back.error.empty());
    ASSERT_EQ(back.entries.size(), log.size());
    for (std::size_t i = 0; i < log.size(); ++i) {
        VoyageEntry e = back.entries[i];
        e.line = 0;
        EXPECT_EQ(e, log[i]) << i;
    }
    EXPECT_EQ(VoyagesFromJson(
                  nlohmann::ordered_json::parse(R"([{"operation":"load"},{"operation":"load","shoreTcv":"1000"}])"))
                  .error,
              "voyages[2].shoreTcv is not a number");
}

TEST(VoyageFile, voyages_from_the_store_are_added_once_and_never_merged_over_the_log)
{
    std::vector<VoyageEntry> log = {voyage("V1", "2026-01-05", 1000, {}, 1000),
                                    voyage("V2", "2026-02-05", 2000, {}, 2000)};
    log[0].line = 2; // read from a file: still the same voyage
    VoyageEntry same = log[0];
    same.line = 0;
    same.vessel = "NORTHERN STAR ";
    VoyageEntry corrected = log[1];
    corrected.shoreTcv = 1995;
    VoyageEntry discharge = voyage("V2", "2026-02-20", 1990, {}, 1985, "bbl", VoyageOperation::Discharge);
    discharge.vessel = "northern star"; // letter case aside, the same vessel
    VoyageEntry older = voyage("V3", "2026-03-05", 3000, {}, 3100);
    VoyageEntry newer = older;
    newer.shoreTcv = 3000; // sent again after a correction: the later one counts

    const VoyageMerge m = MergeVoyages(log, {same, corrected, discharge, older, newer});
    EXPECT_EQ(m.added, 2u);
    ASSERT_EQ(m.entries.size(), 4u);
    EXPECT_EQ(m.entries[0], log[0]);
    EXPECT_EQ(m.entries[1].shoreTcv, 2000); // the log's figure stays
    EXPECT_EQ(m.entries[2].operation, VoyageOperation::Discharge);
    EXPECT_EQ(m.entries[3].shoreTcv, 3000);
    EXPECT_EQ(m.differing, std::vector<std::string>{"V2 (load)"});
    EXPECT_EQ(MergeVoyages(m.entries, {same, discharge, newer}).added, 0u);
}

TEST(VoyageFile, vef_result_as_json_shows_figures_as_the_form_does)
{
    const nlohmann::ordered_json j =
        VefResultToJson(ComputeVef(eightLoads(), {"NORTHERN STAR", VoyageOperation::Load, "", ""}));
    EXPECT_EQ(j["vessel"], "Northern Star");
    EXPECT_EQ(j["name"], "VEFL");
    EXPECT_EQ(j["vef"], "1.0010");
    EXPECT_EQ(j["mean"], "1.00199");
    EXPECT_EQ(j["lower"], "0.99898");
    EXPECT_EQ(j["voyages"][5]["voyage"], "L6");
    EXPECT_EQ(j["voyages"][5]["status"], "rejected");
    EXPECT_EQ(j["voyages"][5]["reason"], "gross-error");
    EXPECT_EQ(j["voyages"][5]["ratio"], "1.03093");
    EXPECT_EQ(j["voyages"][7]["status"], "set-aside");
    EXPECT_EQ(j["voyages"][7]["entries"], nlohmann::ordered_json::parse("[8]"));
}

} // namespace
} // namespace dravex
