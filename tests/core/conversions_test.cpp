// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/conventions.h"
#include "core/conversions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace dravex {
namespace {

std::string shown(double x)
{
    return FormatFieldNumber(x);
}

TEST(TemperatureConversion, ShowsWorkedExamples)
{
    const struct
    {
        double celsius;
        const char *fahrenheit;
    } toFahrenheit[] = {{100, "212"}, {-40, "-40"}, {37, "98.6"}, {0, "32"}, {-17.5, "0.5"}};
    for (const auto &c : toFahrenheit)
        EXPECT_EQ(shown(CelsiusToFahrenheit(c.celsius)), c.fahrenheit) << c.celsius;

    const struct
    {
        double fahrenheit;
        const char *celsius;
    } toCelsius[] = {
        {212, "100"},
        {32, "0"},
        {100, "37.7777777777778"},
        {0, "-17.7777777777778"},
        {98.6, "37"},
        // Only "." is a decimal point: the fraction of Tf - 32 survives its text.
        {44.5, "6.94444444444444"},
        // 14.01 - 32 is -17.990000000000002; its text "-17.99" is what is divided.
        {14.01, "-9.99444444444444"},
    };
    for (const auto &c : toCelsius)
        EXPECT_EQ(shown(FahrenheitToCelsius(c.fahrenheit).celsius), c.celsius) << c.fahrenheit;
}

TEST(TemperatureConversion, LeadingNumberStopsAtFirstMisfit)
{
    const struct
    {
        const char *text;
        double value;
    } cases[] = {
        {"  12.5abc", 12.5},
        {"1E+16", 1e16},
        {"-1.5E-05", -1.5e-5},
        {"3E", 3},
        {"3E+", 3},
        {"12,5", 12},
        {"abc", 0},
        {"", 0},
        {"-", 0},
        {".5", 0.5},
        {"+7.", 7},
        {"1.2.3", 1.2},
        {"\t-0.25 x", -0.25},
        {"1e-400", 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(LeadingNumber(c.text), c.value) << c.text;
    EXPECT_THROW(LeadingNumber("1E999"), CalcFault);
}

TEST(TemperatureConversion, HugeValuesAreOverflowsNotInfinity)
{
    EXPECT_THROW(CelsiusToFahrenheit(1e308), CalcFault);
    EXPECT_THROW(FahrenheitToCelsius(1e308), CalcFault);
}

TEST(GravityConversion, BandsHaveTheirOwnLimits)
{
    using G = ProductGroup;
    const struct
    {
        double rho;
        std::optional<G> group;
    } cases[] = {
        {769.93, G::Gasolines}, {769.94, G::TransitionZone}, {787.51, G::TransitionZone}, {787.52, G::FuelOils},
        {838.93, G::FuelOils},  {1074.97, G::FuelOils},      {1074.98, std::nullopt},     {-5, G::Gasolines},
    };
    for (const auto &c : cases)
        EXPECT_EQ(GravityConversionAlpha(c.rho).group, c.group) << c.rho;
    EXPECT_EQ(GravityConversionAlpha(769.94).alpha, 1489.067 / (769.94 * 769.94) - 0.0018684);
    EXPECT_EQ(GravityConversionAlpha(2000).alpha, 0);
}

// The texts a run of the gravity-conversion window wrote, in order, as "field=text".
std::vector<std::string> writes(const FormResult &r)
{
    std::vector<std::string> out;
    for (const FieldText &w : r.writes)
        out.push_back(w.field + "=" + w.text);
    return out;
}

bool workingHas(const FormResult &r, const std::string &line)
{
    return std::find(r.working.begin(), r.working.end(), line) != r.working.end();
}

TEST(GravityConversion, FromApiWritesDensityReadsItBackThenSpecificGravity)
{
    using Writes = std::vector<std::string>;
    const struct
    {
        const char *api;
        Writes writes;
        const char *group;
    } cases[] = {
        {"30", {"txtden=875.295343653251", "txtden=875.6", "txtspe=0.8745"}, "fuel oils (787.52 <= density < 1074.98)"},
        {"50",
         {"txtden=778.844066115703", "txtden=779.3", "txtspe=0.7782"},
         "transition zone (769.94 <= density < 787.52)"},
        {"60", {"txtden=738.17335770235", "txtden=738.8", "txtspe=0.7377"}, "gasolines (density < 769.94)"},
    };
    for (const auto &c : cases) {
        const FormResult r = GravityFromApi({{"txtapi", c.api}, {"txtden", "1"}, {"txtspe", "2"}});
        EXPECT_TRUE(r.completed()) << c.api;
        EXPECT_EQ(writes(r), c.writes) << c.api;
        EXPECT_TRUE(workingHas(r, std::string("Product group: ") + c.group)) << c.api;
    }
    EXPECT_TRUE(workingHas(GravityFromApi({{"txtapi", "30"}}),
                           "Expansion coefficient: 0.000444159567786109 (103.872 / density^2 + 0.2701 / density)"));
    const FormResult bad = GravityFromApi({{"txtapi", "-131.5"}});
    EXPECT_EQ(bad.fault, CalcFault::Kind::DivisionByZero);
    EXPECT_TRUE(bad.writes.empty());
}

TEST(GravityConversion, ToApiKeepsTheSignOfTheGravity)
{
    using Writes = std::vector<std::string>;
    const struct
    {
        const char *name;
        FormResult r;
        Writes writes;
    } cases[] = {
        {"density 850", GravityFromDensity({{"txtden", "850"}}), {"txtapi=34.9", "txtspe=0.8489"}},
        {"no group from 1074.98", GravityFromDensity({{"txtden", "1074.98"}}), {"txtapi=0.1", "txtspe=1.07388"}},
        {"below zero API", GravityFromDensity({{"txtden", "1100"}}), {"txtapi=-2.9", "txtspe=1.0989"}},
        {"between -0.05 and 0 shows 0", GravityFromDensity({{"txtden", "1076.2"}}), {"txtapi=0", "txtspe=1.0751"}},
        {"specific gravity 0.85", GravityFromSpecificGravity({{"txtspe", "0.85"}}), {"txtden=851.1", "txtapi=34.7"}},
    };
    for (const auto &c : cases) {
        EXPECT_TRUE(c.r.completed()) << c.name;
        EXPECT_EQ(writes(c.r), c.writes) << c.name;
    }
    EXPECT_EQ(shown(Api60FromDensity15(850).api), "34.8061152941177");
    // A fault stops the run where it happens: the density written before it stays.
    const FormResult zero = GravityFromDensity({{"txtden", "0"}});
    EXPECT_EQ(zero.fault, CalcFault::Kind::DivisionByZero);
    EXPECT_TRUE(zero.writes.empty());
    const FormResult offset = GravityFromSpecificGravity({{"txtspe", "-0.0011"}});
    EXPECT_EQ(offset.fault, CalcFault::Kind::DivisionByZero);
    EXPECT_EQ(writes(offset), Writes{"txtden=0"});
    EXPECT_EQ(GravityFromSpecificGravity({{"txtspe", ""}}).notice, "Specific at 15 Deg. C: no number entered");
}

// Each band's own limits and formula, the values before and after the rounding.
TEST(GravityConversion, WorkingOfTheWorkedExamples)
{
    using Lines = std::vector<std::string>;
    const auto toDensity = [](double rho60) {
        Working w;
        DescribeDensity15(Density15FromDensity60(rho60), w);
        return w.lines();
    };
    const auto toApi = [](double rho) {
        Working w;
        DescribeApi60(Api60FromDensity15(rho), w);
        return w.lines();
    };
    EXPECT_EQ(toDensity(875.295343653251),
              (Lines{"Product group: fuel oils (787.52 <= density < 1074.98)",
                     "Expansion coefficient: 0.000444159567786109 (103.872 / density^2 + 0.2701 / density)",
                     "Density at 15 C before rounding: 875.639503221037 kg/m3 (density at 60 F + coefficient x 1000 "
                     "- 0.1)",
                     "Density at 15 C: 875.6 kg/m3 (rounded to 0.1)"}));
    EXPECT_EQ(toDensity(778.844066115703).at(0), "Product group: transition zone (769.94 <= density < 787.52)");
    EXPECT_EQ(toDensity(738.17335770235).at(1),
              "Expansion coefficient: 0.000683471882619661 (192.4571 / density^2 + 0.2438 / density)");
    EXPECT_EQ(toApi(850), (Lines{"Product group: fuel oils (787.52 <= density < 1074.98)",
                                 "Expansion coefficient: 0.000461532179930796 (103.872 / density^2 + 0.2701 / density)",
                                 "API from density: 34.8061152941177 API (141360.198 / density - 131.5)",
                                 "API before rounding: 34.9056537619377 API (API from density - coefficient + 0.1)",
                                 "API at 60 F: 34.9 API (rounded to 0.1, sign kept)"}));
    EXPECT_EQ(toApi(1074.98).at(0), "Product group: none (density 1074.98 and above)");
    EXPECT_EQ(toApi(1074.98).at(1), "Expansion coefficient: 0 (no group)");
}

} // namespace
} // namespace dravex
