// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/conventions.h"
#include "core/correction_model.h"
#include "core/gauging.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dravex {
namespace {

using U = WedgeUnits;

// The screen's steps in its order: trim, innage, limit test, then the wedge.
TEST(Wedge, WorkedExamplesAndLimit)
{
    struct Case
    {
        const char *name;
        U units;
        double vl, tl, tw, bhd, fd, ad, td, reading;
        bool beyond;
        double roundedCubicMetres;
        const char *shown;
    };
    const Case cases[] = {
        {"English within the wedge", U::English, 600, 40, 30, 10, 20, 26, 50, 3, false, 5.056, "31.8"},
        {"English beyond still computes", U::English, 600, 40, 30, 10, 20, 26, 50, 6, true, 15.037, "94.58"},
        // Barrels from the rounded 1.756 m3; from the unrounded 1.75612595 they would be 11.05.
        {"English rounds twice", U::English, 600, 40, 30, 10, 20, 26, 50, 1.3, false, 1.756, "11.04"},
        {"Metric within the wedge", U::Metric, 200, 12, 10, 2, 8, 10, 20, 50, false, 2.312, "2.312"},
        {"Metric at the limit is a wedge", U::Metric, 200, 12, 10, 2, 8, 10, 20, 100, false, 6.962, "6.962"},
        {"Metric beyond the limit", U::Metric, 200, 12, 10, 2, 8, 10, 20, 150, true, 14.112, "14.112"},
        // By the head the limit is negative and the volume negative before rounding.
        {"trim by the head", U::Metric, 200, 12, 10, 2, 10, 8, 20, 50, true, 0.392, "0.392"},
    };
    for (const auto &c : cases) {
        const double trim = WedgeTrim(c.ad, c.fd);
        const double h = WedgeInnage(c.reading, c.units);
        EXPECT_EQ(WedgeBeyondLimit(h, WedgeLimit(c.tl, c.bhd, trim, c.vl)), c.beyond) << c.name;
        const WedgeVolume w = WedgeQuantity(h, c.bhd, c.td, trim, c.vl, c.tw, c.units);
        EXPECT_EQ(w.roundedCubicMetres, c.roundedCubicMetres) << c.name;
        EXPECT_EQ(FormatFieldNumber(w.quantity), c.shown) << c.name;
    }
    EXPECT_DOUBLE_EQ(WedgeQuantity(0.25, 10, 50, 6, 600, 30, U::English).depthAtBulkhead, 0.345);
}

// The working lists what the screen computed, in its order; beyond the limit it says so and
// goes on.
TEST(Wedge, WorkingOfTheWorkedExamples)
{
    const auto working = [](U units, double vl, double tl, double tw, double bhd, double fd, double ad, double td,
                            double reading) {
        Working w;
        const double trim = WedgeTrim(ad, fd);
        const double h = WedgeInnage(reading, units);
        const double limit = WedgeLimit(tl, bhd, trim, vl);
        DescribeWedgeLimit(units, trim, h, limit, WedgeBeyondLimit(h, limit), w);
        DescribeWedgeVolume(WedgeQuantity(h, bhd, td, trim, vl, tw, units), tl, units, w);
        return w.lines();
    };
    EXPECT_EQ(working(U::English, 600, 40, 30, 10, 20, 26, 50, 3),
              (std::vector<std::string>{
                  "Units: English (lengths in ft, innage in in, quantity in bbl)",
                  "Trim: 6 ft (aft draft - forward draft)",
                  "Innage: 0.25 ft (reading / 12)",
                  "Limit: 0.3 ft ((tank length - hatch to bulkhead) x trim / vessel length)",
                  "Slope: 0.01 (trim / vessel length)",
                  "Depth at bulkhead: 0.345 ft (innage + (hatch to bulkhead - tank depth x trim / vessel length) "
                  "x slope)",
                  "Wedge length: 34.5 ft (depth at bulkhead / slope, from the low bulkhead)",
                  "Tank length: 40 ft (the wedge must not be longer)",
                  "Twice the wedge volume: 357.075 ft3 (depth at bulkhead^2 x tank width / slope)",
                  "Wedge volume: 178.5375 ft3 (half of it)",
                  "Wedge volume in cubic metres: 5.0556463875 m3 (x 0.028317)",
                  "Cubic metres rounded: 5.056 m3 (rounded to 0.001, sign dropped)",
                  "Barrels before rounding: 31.8012288 bbl (rounded cubic metres x 6.2898)",
                  "Quantity remaining: 31.8 bbl (rounded to 0.01)",
              }));

    const std::vector<std::string> beyond = working(U::English, 600, 40, 30, 10, 20, 26, 50, 6);
    ASSERT_EQ(beyond.size(), 15u);
    EXPECT_EQ(beyond[4], "Out of range: innage above the limit (the liquid reaches the far bulkhead; the wedge "
                         "formula's quantity is given all the same)");
    EXPECT_EQ(beyond[7], "Wedge length: 59.5 ft (depth at bulkhead / slope, from the low bulkhead)");
    EXPECT_EQ(beyond.back(), "Quantity remaining: 94.58 bbl (rounded to 0.01)");

    // Metric has no conversion: the halved volume is the cubic metres, rounded once.
    const std::vector<std::string> metric = working(U::Metric, 200, 12, 10, 2, 8, 10, 20, 50);
    ASSERT_EQ(metric.size(), 11u);
    EXPECT_EQ(metric[6], "Wedge length: 6.8 m (depth at bulkhead / slope, from the low bulkhead)");
    EXPECT_EQ(metric.back(), "Quantity remaining: 2.312 m3 (rounded to 0.001, sign dropped)");
    EXPECT_EQ(metric[0], "Units: Metric (lengths in m, innage in mm, quantity in m3)");
    EXPECT_EQ(metric[2], "Innage: 0.05 m (reading / 1000)");
}

TEST(Wedge, FaultsInsteadOfInfinity)
{
    const auto kindOf = [](auto op) {
        try {
            op();
        } catch (const CalcFault &f) {
            return f.kind();
        }
        ADD_FAILURE() << "no fault";
        return CalcFault::Kind::NotANumber;
    };
    using K = CalcFault::Kind;
    // An even keel passes the limit test (limit 0) and fails on the slope.
    EXPECT_TRUE(WedgeBeyondLimit(0.25, WedgeLimit(40, 10, WedgeTrim(20, 20), 600)));
    EXPECT_EQ(kindOf([] { WedgeQuantity(0.25, 10, 50, WedgeTrim(20, 20), 600, 30, U::English); }), K::DivisionByZero);
    EXPECT_EQ(kindOf([] { WedgeLimit(40, 10, 6, 0); }), K::DivisionByZero);
    EXPECT_EQ(kindOf([] { WedgeQuantity(1e200, 10, 50, 6, 600, 1e200, U::Metric); }), K::Overflow);
}

TEST(StopGauge, WorkedExamplesKeepTheSign)
{
    struct Case
    {
        const char *name;
        double t, opening;
        const char *shown;
    };
    const Case cases[] = {
        {"6A worked example", 80, 50000, "39904.09"},
        {"base temperature", 60, 50000, "40000"},
        {"more moved than held", 80, 5000, "-5095.91"},
        {"rounding to zero shows no sign", 60, 9999.996, "0"},
    };
    for (const auto &c : cases) {
        const double gross = StopGaugeGross(10000, Table6AFactor(35, c.t).vcf);
        EXPECT_EQ(FormatFieldNumber(StopGaugeShown(StopGaugeQuantity(c.opening, gross))), c.shown) << c.name;
    }
    EXPECT_THROW(StopGaugeGross(10000, 0), CalcFault);
}

TEST(AverageGravity, WorkedExamplesAndOrderOfSums)
{
    struct Case
    {
        const char *name;
        std::array<TankGravity, 4> tanks;
        double sum, volume;
        const char *shown;
    };
    const Case cases[] = {
        {"two tanks", {{{30, 1000}, {40, 3000}, {0, 0}, {0, 0}}}, 150000, 4000, "37.5"},
        {"four tanks", {{{35.2, 10000}, {36.8, 5000}, {34.1, 2500}, {40.0, 2500}}}, 721250, 20000, "36.06"},
        {"equal volumes: plain mean, half up", {{{30, 2}, {31, 2}, {32, 2}, {33.5, 2}}}, 253, 8, "31.63"},
        // Left to right, (1e16 + 1) - 1e16 loses the 1 that another order would keep.
        {"sums left to right", {{{1, 1e16}, {1, 1}, {1, -1e16}, {1, 1}}}, 1, 1, "1"},
    };
    for (const auto &c : cases) {
        const AverageGravityResult r = AverageGravity(c.tanks);
        EXPECT_EQ(r.sum, c.sum) << c.name;
        EXPECT_EQ(r.totalVolume, c.volume) << c.name;
        EXPECT_EQ(FormatFieldNumber(r.shown), c.shown) << c.name;
    }
    EXPECT_THROW(AverageGravity({{{30, 0}, {40, 0}, {0, 0}, {0, 0}}}), CalcFault);
    EXPECT_THROW(AverageGravity({{{30, 1000}, {40, -1000}, {0, 0}, {0, 0}}}), CalcFault);
}

TEST(TheoreticalDensity, WorkedExamplesAndEdges)
{
    struct Case
    {
        const char *name;
        double d1, v1, d2, v2;
        const char *shown;
    };
    const Case cases[] = {
        {"whole result", 820.0, 1000, 840.0, 5000, "836"},
        {"half rounds up", 815.3, 2500, 842.7, 10000, "835.9"},
        {"nothing received", 815.34, 3000, 842.7, 3000, "815.3"},
        {"empty at the open gauge", 815.3, 0, 842.66, 4000, "842.7"},
        {"closing below the open volume", 820.0, 5000, 840.0, 4000, "815"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormatFieldNumber(TheoreticalDensity(c.d1, c.v1, c.d2, c.v2).shown), c.shown) << c.name;
    EXPECT_THROW(TheoreticalDensity(820.0, 1000, 840.0, 0), CalcFault);
}

} // namespace
} // namespace dravex
