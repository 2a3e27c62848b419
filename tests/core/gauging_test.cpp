#include "core/conventions.h"
#include "core/gauging.h"

#include <gtest/gtest.h>

namespace dravex {
namespace {

using U = WedgeUnits;

struct WedgeCase
{
    const char *name;
    U units;
    double vl, tl, tw, bhd, fd, ad, td, reading;
    bool beyond;
    double depthAtBulkhead; // 0: not checked
    double roundedCubicMetres;
    double quantity;
};

// The screen's steps in its order: trim, innage, limit test, then the wedge.
TEST(Wedge, WorkedExamplesAndLimit)
{
    const WedgeCase cases[] = {
        {"English within the wedge", U::English, 600, 40, 30, 10, 20, 26, 50, 3, false, 0.345, 5.056, 31.8},
        {"English beyond the wedge still computes", U::English, 600, 40, 30, 10, 20, 26, 50, 6, true, 0.595, 15.037,
         94.58},
        {"Metric within the wedge", U::Metric, 200, 12, 10, 2, 8, 10, 20, 50, false, 0.068, 2.312, 2.312},
        {"Metric innage equal to the limit is a wedge", U::Metric, 200, 12, 10, 2, 8, 10, 20, 100, false, 0, 6.962,
         6.962},
        {"Metric beyond the wedge", U::Metric, 200, 12, 10, 2, 8, 10, 20, 150, true, 0, 14.112, 14.112},
        // By the head the limit is negative and the volume negative before rounding.
        {"trim by the head shows the magnitude", U::Metric, 200, 12, 10, 2, 10, 8, 20, 50, true, 0.028, 0.392, 0.392},
    };
    for (const auto &c : cases) {
        const double trim = WedgeTrim(c.ad, c.fd);
        const double h = WedgeInnage(c.reading, c.units);
        EXPECT_EQ(WedgeBeyondLimit(h, WedgeLimit(c.tl, c.bhd, trim, c.vl)), c.beyond) << c.name;
        const WedgeVolume w = WedgeQuantity(h, c.bhd, c.td, trim, c.vl, c.tw, c.units);
        if (c.depthAtBulkhead != 0) {
            EXPECT_DOUBLE_EQ(w.depthAtBulkhead, c.depthAtBulkhead) << c.name;
        }
        EXPECT_EQ(w.roundedCubicMetres, c.roundedCubicMetres) << c.name;
        EXPECT_EQ(FormatFieldNumber(w.quantity), FormatFieldNumber(c.quantity)) << c.name;
    }
}

TEST(Wedge, EnglishRoundsCubicMetresBeforeBarrels)
{
    // Innage 1.3 in: R = 1.75612595 m3, M = 1.756, B = 11.0448888 -> 11.04; barrels from the
    // unrounded cubic metres would give 11.05.
    const WedgeVolume w = WedgeQuantity(WedgeInnage(1.3, U::English), 10, 50, 6, 600, 30, U::English);
    EXPECT_EQ(w.slope, 0.01);
    EXPECT_EQ(w.roundedCubicMetres, 1.756);
    EXPECT_EQ(w.quantity, 11.04);
    // Metric gives no barrels: the cubic metres are the result.
    EXPECT_EQ(WedgeQuantity(0.05, 2, 20, 2, 200, 10, U::Metric).barrels, 0);
}

TEST(Wedge, EvenKeelAndZeroLengthAreDivisionsByZero)
{
    const auto expectDivision = [](auto op, const char *name) {
        try {
            op();
            ADD_FAILURE() << name << ": no fault";
        } catch (const CalcFault &f) {
            EXPECT_EQ(f.kind(), CalcFault::Kind::DivisionByZero) << name;
        }
    };
    // An even keel passes the limit test (limit 0) and fails on the slope.
    EXPECT_TRUE(WedgeBeyondLimit(0.25, WedgeLimit(40, 10, WedgeTrim(20, 20), 600)));
    expectDivision([] { WedgeQuantity(0.25, 10, 50, WedgeTrim(20, 20), 600, 30, U::English); }, "even keel");
    expectDivision([] { WedgeLimit(40, 10, 6, 0); }, "limit, length 0");
    expectDivision([] { WedgeQuantity(0.25, 10, 50, 6, 0, 30, U::English); }, "wedge, length 0");
}

TEST(Wedge, HugeEntriesOverflowInsteadOfShowingInfinity)
{
    EXPECT_THROW(WedgeQuantity(1e200, 10, 50, 6, 600, 1e200, U::Metric), CalcFault);
    EXPECT_THROW(WedgeLimit(1e308, -1e308, 6, 600), CalcFault);
}

TEST(StopGauge, WorkedExamplesKeepTheSign)
{
    struct Case
    {
        const char *name;
        double api, t, net, opening;
        const char *shown;
    };
    const Case cases[] = {
        {"6A worked example", 35, 80, 10000, 50000, "39904.09"},
        {"base temperature", 35, 60, 10000, 50000, "40000"},
        {"more moved than held", 35, 80, 10000, 5000, "-5095.91"},
        {"rounding to zero shows no sign", 35, 60, 10000, 9999.996, "0"},
    };
    for (const auto &c : cases) {
        const VolumeFactor f = Table6AFactor(c.api, c.t);
        const double gross = StopGaugeGross(c.net, f.vcf);
        EXPECT_EQ(FormatFieldNumber(StopGaugeShown(StopGaugeQuantity(c.opening, gross))), c.shown) << c.name;
    }
    EXPECT_EQ(Table6AFactor(35, 80).vcf, 0.9905);
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
        {"equal volumes: the plain mean", {{{30, 2}, {31, 2}, {32, 2}, {33.5, 2}}}, 253, 8, "31.63"},
        {"unused tank with a gravity adds nothing", {{{30, 1000}, {99, 0}, {0, 0}, {0, 0}}}, 30000, 1000, "30"},
    };
    for (const auto &c : cases) {
        const AverageGravityResult r = AverageGravity(c.tanks);
        EXPECT_EQ(r.sum, c.sum) << c.name;
        EXPECT_EQ(r.totalVolume, c.volume) << c.name;
        EXPECT_EQ(FormatFieldNumber(r.shown), c.shown) << c.name;
    }
    // Summed left to right: (1e16 + 1) + (-1e16) loses the 1 that another order would keep.
    const AverageGravityResult r = AverageGravity({{{1, 1e16}, {1, 1}, {1, -1e16}, {1, 1}}});
    EXPECT_EQ(r.sum, 1);
    EXPECT_EQ(r.totalVolume, 1);
}

TEST(AverageGravity, ZeroTotalVolumeIsADivisionByZero)
{
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
    const TheoreticalDensityResult r = TheoreticalDensity(820.0, 1000, 840.0, 5000);
    EXPECT_EQ(r.openProduct, 820000);
    EXPECT_EQ(r.received, 4000);
    EXPECT_EQ(r.receivedProduct, 3360000);
    EXPECT_THROW(TheoreticalDensity(820.0, 1000, 840.0, 0), CalcFault);
}

} // namespace
} // namespace dravex
