// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/conventions.h"
#include "core/gravity_correction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace dravex {
namespace {

using Form = TemperatureDifference;
using Table = DensityTable;

std::string shownApi(double api, double t, Form form)
{
    return FormatFieldNumber(ShownApi60(ObservedApiToApi60(api, t, form).api60));
}

std::string shownDensity(double rho, double t, Table table)
{
    return FormatFieldNumber(RoundToPlaces(ObservedDensityToDensity15(rho, t, table).density15, 1));
}

std::vector<double> passDensities(const SubstitutionPasses &passes)
{
    std::vector<double> densities;
    for (const SubstitutionPass &p : passes)
        densities.push_back(p.density);
    return densities;
}

CalcFault::Kind faultOf(const std::function<void()> &op)
{
    try {
        op();
    } catch (const CalcFault &fault) {
        return fault.kind();
    }
    ADD_FAILURE() << "no fault";
    return CalcFault::Kind::NotANumber;
}

TEST(ObservedApiToApi60, ShownResults)
{
    struct Case
    {
        const char *name;
        double api, t;
        const char *table5A, *table5B;
    };
    const Case cases[] = {
        {"worked example", 35, 85, "33.1", "33.1"},
        {"85.5 F: 5A takes 26 (half to even), 5B 25.5", 35, 85.5, "33", "33.1"},
        {"86.5 F: 5A again 26", 35, 86.5, "33", "33"},
        {"77.5 F: 5A takes 18", 35, 77.5, "33.6", "33.7"},
        {"60.5 F: 5A takes 0", 30, 60.5, "30", "30"},
        {"below 60 F", 50, 40, "52", "52"},
        {"last whole degree above", 45, 241.4, "30.8", "30.7"},
        {"last whole degree below", 45, -121.4, "64.6", "64.7"},
        {"negative gravity keeps its sign", -5, 80, "-5.7", "-5.7"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(shownApi(c.api, c.t, Form::WholeDegrees), c.table5A) << c.name;
        EXPECT_EQ(shownApi(c.api, c.t, Form::Exact), c.table5B) << c.name;
    }
    EXPECT_EQ(ShownApi60(-4.96), -5);
    EXPECT_EQ(FormatFieldNumber(ShownApi60(-0.04)), "0");
}

TEST(ObservedApiToApi60, WorkedExampleStepByStep)
{
    const Api60Correction c = ObservedApiToApi60(35, 85, Form::WholeDegrees);
    EXPECT_EQ(c.deltaT, 25);
    EXPECT_EQ(c.observedDensity, 849.01);
    EXPECT_EQ(c.glass.a1, 0.0003195);
    EXPECT_EQ(c.glass.a2, 0.000003875);
    EXPECT_EQ(c.densityAtTemperature, 848.74);
    EXPECT_EQ(passDensities(c.passes),
              (std::vector<double>{858.942, 858.698, 858.704, 858.704, 858.704, 858.704, 858.704, 858.704}));
    EXPECT_EQ(c.api60, 141360.198 / 858.704 - 131.5);
    EXPECT_EQ(ObservedApiToApi60(50, 40, Form::Exact).glass.factor, (1 + 0.0002556) - 0.00000248);
}

TEST(ObservedApiToApi60, Faults)
{
    // Table 5A squares its whole-degree difference in 16 bits: 181 fits, 182 does not.
    EXPECT_EQ(ObservedApiToApi60(45, 241.4, Form::WholeDegrees).deltaTSquared, 32761);
    for (double t : {241.5, -121.5, 1e6})
        EXPECT_EQ(faultOf([&] { ObservedApiToApi60(45, t, Form::WholeDegrees); }), CalcFault::Kind::Overflow) << t;
    EXPECT_EQ(shownApi(45, 241.5, Form::Exact), "30.7");
    for (Form form : {Form::WholeDegrees, Form::Exact}) {
        EXPECT_EQ(faultOf([&] { ObservedApiToApi60(-131.5, 80, form); }), CalcFault::Kind::DivisionByZero);
        // A density that rounds to zero leaves nothing to divide by in the passes.
        EXPECT_EQ(faultOf([&] { ObservedApiToApi60(1e12, 80, form); }), CalcFault::Kind::DivisionByZero);
    }
}

TEST(ObservedDensityToDensity15, ShownResults)
{
    struct Case
    {
        const char *name;
        double rho, t;
        const char *table53A, *table53B;
        bool outOfRange53B;
    };
    const Case cases[] = {
        {"worked example, fuel oils", 850, 30, "860.4", "860.3", false},
        {"below 15 C", 850, 5, "842.9", "843.1", false},
        {"gasolines", 750, 40, "769.7", "771.9", false},
        {"gasolines up to 778.5, chosen as observed", 778.5, 40, "797.4", "800", false},
        {"jet fuels above 778.5", 778.6, 40, "797.5", "796.9", false},
        {"jet fuels up to 838.5", 838.5, 40, "856", "855.5", false},
        {"fuel oils above 838.5", 838.6, 40, "856.1", "855.8", false},
        {"fuel oils up to 1075", 1075, 40, "1088.5", "1090.9", false},
        {"650 is a gasoline", 650, 40, "672.7", "673.7", false},
        {"above 1075: glass correction alone", 1080, 40, "1093.5", "1079.4", true},
        {"below 650: glass correction alone", 640, 40, "663", "639.6", true},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(shownDensity(c.rho, c.t, Table::Table53A), c.table53A) << c.name;
        EXPECT_EQ(shownDensity(c.rho, c.t, Table::Table53B), c.table53B) << c.name;
        EXPECT_EQ(ObservedDensityToDensity15(c.rho, c.t, Table::Table53B).outOfRange, c.outOfRange53B) << c.name;
    }
}

TEST(ObservedDensityToDensity15, WorkedExampleStepByStep)
{
    const Density15Correction c = ObservedDensityToDensity15(850, 30, Table::Table53A);
    EXPECT_EQ(c.glass.factor, (1 - 0.000345) - 0.0000045);
    EXPECT_EQ(c.densityAtTemperature, 849.7);
    EXPECT_EQ(passDensities(c.passes),
              (std::vector<double>{860.72, 860.435, 860.442, 860.442, 860.442, 860.442, 860.442, 860.442}));
    EXPECT_EQ(ObservedDensityToDensity15(778.5, 40, Table::Table53B).density15, 800.004);
}

TEST(ObservedDensityToDensity15, AlwaysRunsEightPasses)
{
    // This sample swings between two estimates; the eighth pass decides.
    const Density15Correction c = ObservedDensityToDensity15(778.5, 40, Table::Table53A);
    EXPECT_EQ(c.passes[6].density, 797.422);
    EXPECT_EQ(c.density15, 797.419);
}

TEST(ObservedDensityToDensity15, ZeroDensityDividesByZero)
{
    for (Table table : {Table::Table53A, Table::Table53B})
        EXPECT_EQ(faultOf([&] { ObservedDensityToDensity15(0, 40, table); }), CalcFault::Kind::DivisionByZero);
}

// The wanted lines appear in this order; others may stand between them.
::testing::AssertionResult linesInOrder(const std::vector<std::string> &lines, const std::vector<std::string> &wanted)
{
    auto at = lines.begin();
    for (const std::string &line : wanted) {
        at = std::find(at, lines.end(), line);
        if (at == lines.end())
            return ::testing::AssertionFailure() << "missing or out of order: " << line;
        ++at;
    }
    return ::testing::AssertionSuccess();
}

TEST(DescribeGravityCorrection, WorkedExamples)
{
    struct Case
    {
        const char *name;
        std::function<void(Working &)> describe;
        std::vector<std::string> lines;
    };
    const auto api60 = [](double api, double t, Form form) {
        return [=](Working &w) { DescribeApi60Correction(ObservedApiToApi60(api, t, form), w); };
    };
    const auto density15 = [](double rho, double t, Table table) {
        return [=](Working &w) { DescribeDensity15Correction(ObservedDensityToDensity15(rho, t, table), w); };
    };
    const Case cases[] = {
        {"5A at API 35, 85 F",
         api60(35, 85, Form::WholeDegrees),
         {"Temperature difference: 25 F (t - 60)",
          "Whole degrees used: 25 F (nearest whole degree, halves to the even one)",
          "Observed density: 849.01 kg/m3 (141360.198 / (gravity + 131.5), rounded to 0.01)",
          "Glass correction a1: 0.0003195 (0.00001278 x difference, rounded to 9 places)",
          "Glass correction a2: 3.875E-06 (0.0000000062 x difference squared, rounded to 9 places)",
          "Hydrometer correction: 0.999676625 (1 - a1 - a2, at or above 60 F)",
          "Density at the observed temperature: 848.74 kg/m3 (observed density x hydrometer correction, rounded to "
          "0.01)",
          "Constant K0: 341.0957 (crude oils, for every gravity)", "Constant K1: 0",
          "Pass 1 density estimate: 858.942 kg/m3 (density at the observed temperature / factor, cut to 3 places)",
          "Pass 2 density estimate: 858.698 kg/m3", "Pass 3 density estimate: 858.704 kg/m3",
          "Pass 8 expansion coefficient: 0.0004626 per F", "Pass 8 factor: 0.988396",
          "Pass 8 density estimate: 858.704 kg/m3", "Density at 60 F: 858.704 kg/m3 (the eighth pass)",
          "API gravity at 60 F: 33.1204023738098 API (141360.198 / density - 131.5)"}},
        {"5B below 60 F",
         api60(50, 40, Form::Exact),
         {"Temperature difference: -20 F (t - 60)",
          "Observed density: 778.84 kg/m3 (141360.198 / (gravity + 131.5), rounded to 0.01)",
          "Hydrometer correction: 1.00025312 (1 + a1 - a2, below 60 F)",
          "Pass 1 factor: 1.011201 (x = alpha x difference cut to 8 places, y = 0.8 x cut, z = x y rounded; "
          "exp(x - z) rounded to 6 places)",
          "Pass 8 density estimate: 770.214 kg/m3", "Density at 60 F: 770.214 kg/m3 (the eighth pass)"}},
        {"53A at 850, 30 C",
         density15(850, 30, Table::Table53A),
         {"Temperature difference: 15 C (t - 15)", "Observed density: 850 kg/m3 (as entered)",
          "Hydrometer correction: 0.9996505 (1 - a1 - a2, at or above 15 C)",
          "Density at the observed temperature: 849.7 kg/m3 (observed density x hydrometer correction, rounded to "
          "0.01)",
          "Product group: crude oils (any density)", "Constant K0: 613.9723", "Constant K1: 0",
          "Pass 1 factor: 0.987196 (x = alpha x difference cut to 9 places, y = 0.8 x cut, z = x y rounded; "
          "exp(-x - z) rounded to 6 places)",
          "Pass 1 density estimate: 860.72 kg/m3 (density at the observed temperature / factor, cut to 3 places)",
          "Pass 2 density estimate: 860.435 kg/m3", "Pass 3 density estimate: 860.442 kg/m3",
          "Density at 15 C: 860.442 kg/m3 (the eighth pass)"}},
        {"53B gasolines at 750, 40 C",
         density15(750, 40, Table::Table53B),
         {"Density at the observed temperature: 749.56 kg/m3 (observed density x hydrometer correction, rounded to "
          "0.01)",
          "Product group: gasolines (650 <= observed density <= 778.5)",
          "Pass 1 density estimate: 772.984 kg/m3 (density at the observed temperature / factor, cut to 3 places)",
          "Pass 2 density estimate: 771.882 kg/m3", "Pass 3 density estimate: 771.93 kg/m3",
          "Pass 4 density estimate: 771.928 kg/m3", "Density at 15 C: 771.928 kg/m3 (the eighth pass)"}},
        {"53B out of range at 1080, 40 C",
         density15(1080, 40, Table::Table53B),
         {"Product group: none (observed density below 650 or above 1075: no expansion, the glass correction "
          "alone)",
          "Constant K0: 0", "Constant K1: 0", "Pass 8 factor: 1", "Pass 8 density estimate: 1079.37 kg/m3",
          "Density at 15 C: 1079.37 kg/m3 (the eighth pass)"}},
    };
    for (const Case &c : cases) {
        Working w;
        c.describe(w);
        EXPECT_TRUE(linesInOrder(w.lines(), c.lines)) << c.name;
        // Three lines for each of the eight passes, whatever the inputs.
        EXPECT_EQ(std::count_if(w.lines().begin(), w.lines().end(),
                                [](const std::string &line) { return line.rfind("Pass ", 0) == 0; }),
                  3 * kSubstitutionPasses)
            << c.name;
    }
    // Table 5B uses the difference as typed: no whole-degree line.
    Working exact;
    DescribeApi60Correction(ObservedApiToApi60(35, 85.5, Form::Exact), exact);
    EXPECT_EQ(exact.lines().at(1), "Observed density: 849.01 kg/m3 (141360.198 / (gravity + 131.5), rounded to 0.01)");
}

} // namespace
} // namespace dravex
