// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/conventions.h"
#include "core/vcf2004.h"
#include "core/vcf2004_form.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace dravex {
namespace {

using C = Vcf2004Commodity;
using D = Vcf2004DensityKind;
using G = Vcf2004Group;
using PU = Vcf2004PressureUnit;
using TU = Vcf2004TemperatureUnit;
using B = Vcf2004Base;

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

Vcf2004Input entry(C commodity, double density, D kind, bool observed, double t, double p, double alpha = kNone,
                   TU tu = TU::Fahrenheit, PU pu = PU::Psig, B base = B::F60)
{
    Vcf2004Input in;
    in.commodity = commodity;
    if (!std::isnan(alpha))
        in.alpha60 = alpha;
    in.density = density;
    in.densityKind = kind;
    in.observed = observed;
    in.base = base;
    in.temperature = t;
    in.temperatureUnit = tu;
    in.pressure = p;
    in.pressureUnit = pu;
    return in;
}

struct Published
{
    const char *name;
    Vcf2004Input in;
    G group;
    double rho60;        // kNone: not printed
    double ctl, fp, cpl; // unrounded; Fp in the unit of the entered pressure
    double ctpl;         // rounded
};

// The published examples of API MPMS 11.1-2004: 11.1.6.1 (from a base density), 11.1.6.2
// (from an observed density) and 11.1.7.1 (15 C and 20 C bases, C, kPa and bar), as the
// standard's own test suite prints them (11.1.6.2 example 6 in both of its printings).
TEST(Vcf2004, PublishedExamples)
{
    const Published rows[] = {
        {"11.1.6.1 ex 1", entry(C::CrudeOils, 17.785, D::Api, false, -27.7, 0), G::CrudeOils, kNone, 1.033011591958,
         0.305779891997, 1, 1.03301},
        {"11.1.6.1 ex 2", entry(C::CrudeOils, -10, D::Api, false, 301.93, 1500), G::CrudeOils, kNone, 0.938051116886,
         0.427958509999, 1.006460852301, 0.94411},
        {"11.1.6.1 ex 3", entry(C::RefinedProducts, 19.4, D::Api, false, 48.04, -7.3), G::FuelOils, kNone,
         1.004858068990, 0.384339609206, 1, 1.00486},
        {"11.1.6.1 ex 4", entry(C::RefinedProducts, 0.7943, D::RelativeDensity, false, 85, 247.3), G::JetFuels, kNone,
         0.986832406683, 0.664706197066, 1.001646525013, 0.98846},
        {"11.1.6.1 ex 5", entry(C::RefinedProducts, 48.0015, D::Api, false, 55.9, 350), G::TransitionZone, kNone,
         1.002182725702, 0.608111538634, 1.002132930093, 1.00432},
        {"11.1.6.1 ex 6", entry(C::RefinedProducts, 657.3, D::KgPerM3, false, 27.3, 1234.5), G::Gasolines, kNone,
         1.026475833518, 0.993527440282, 1.012417396817, 1.03922},
        {"11.1.6.1 ex 7", entry(C::SpecialApplications, 1.0537, D::RelativeDensity, false, 97.7, 287.4, 0.000732185),
         G::SpecialApplications, kNone, 0.9721737956968, 0.346454796729, 1.000996703515, 0.97314},
        {"11.1.6.1 ex 8", entry(C::LubricatingOils, 42.9, D::Api, false, 129.3, 138.8), G::LubricatingOils, kNone,
         0.969922293864, 0.732650236105, 1.001017953704, 0.97091},
        {"11.1.6.2 ex 1", entry(C::CrudeOils, 823.7, D::KgPerM3, true, 80.3, -5), G::CrudeOils, 832.048516184234,
         0.989966310837, 0.567045450015, 1, 0.98997},
        {"11.1.6.2 ex 2", entry(C::CrudeOils, 0.72332, D::RelativeDensity, true, -57.95, 113.5), G::CrudeOils,
         663.445062852402, 1.088429741690, 0.603436540820, 1.000685369884, 1.08918},
        {"11.1.6.2 ex 3", entry(C::RefinedProducts, 0.8665, D::RelativeDensity, true, 68, 11), G::FuelOils,
         868.722680008428, 0.996406814700, 0.484824263921, 1.000053333513, 0.99646},
        {"11.1.6.2 ex 4", entry(C::RefinedProducts, 41.4, D::Api, true, 72, 375), G::JetFuels, 820.670624131605,
         0.994103137645, 0.572609969057, 1.002151908149, 0.99624},
        {"11.1.6.2 ex 5, just inside the transition zone",
         entry(C::RefinedProducts, 803.141, D::KgPerM3, true, 25.3, 267), G::TransitionZone, 787.507922593917,
         1.018381017381, 0.539959363768, 1.001443772976, 1.01985},
        {"11.1.6.2 ex 6, just inside the gasolines",
         entry(C::RefinedProducts, 0.7322, D::RelativeDensity, true, 139, 100), G::Gasolines, 770.349794252060,
         0.948677079691, 0.910923457238, 1.000911753995, 0.94954},
        {"11.1.6.2 ex 6 (test suite printing)", entry(C::RefinedProducts, 49.85, D::Api, true, 41.85, 248.3),
         G::Gasolines, 769.3624510058947, 1.011613933078, 0.616704425784, 1.001533625495, 1.01317},
        {"11.1.6.2 ex 7", entry(C::SpecialApplications, 853.7, D::KgPerM3, true, 84.5, 573, 0.00057634),
         G::SpecialApplications, 863.403098613648, 0.985817857839, 0.519616156675, 1.002986291965, 0.98876},
        {"11.1.6.2 ex 8", entry(C::LubricatingOils, 23.6, D::Api, true, 78.7, 128), G::LubricatingOils,
         917.442430351448, 0.992874116475, 0.438941943315, 1.000562161535, 0.99343},
        {"11.1.6.2 ex 9", entry(C::LubricatingOils, 62, D::Api, true, 302, 1499.97), G::LubricatingOils,
         801.061124838869, 0.892011191342, 1.459310590459, 1.022379081731, 0.91197},
        {"11.1.7.1 ex 1",
         entry(C::CrudeOils, 772.3, D::KgPerM3, false, -32.8, 24.6, kNone, TU::Celsius, PU::Bar, B::C15), G::CrudeOils,
         kNone, 1.048420095319, 6.706348860257, 1.001652488031, 1.05015},
        {"11.1.7.1 ex 2",
         entry(C::CrudeOils, 772.3, D::KgPerM3, false, -32.8, 24.65, kNone, TU::Celsius, PU::Bar, B::C20), G::CrudeOils,
         kNone, 1.05331266825, 6.622983078151, 1.001635234957, 1.05504},
        {"11.1.7.1 ex 3",
         entry(C::RefinedProducts, 865.6, D::KgPerM3, false, 87.32, 75, kNone, TU::Celsius, PU::KPa, B::C15),
         G::FuelOils, kNone, 0.940416747194, 0.105233071273, 1.000078931033, 0.94049},
        {"11.1.7.1 ex 4",
         entry(C::RefinedProducts, 793.5, D::KgPerM3, false, 27.37, 17.05, kNone, TU::Celsius, PU::Bar, B::C15),
         G::JetFuels, kNone, 0.988274000560, 9.520173044783, 1.001625828532, 0.98988},
        {"11.1.7.1 ex 5",
         entry(C::RefinedProducts, 772.3, D::KgPerM3, false, -36, 8.6, kNone, TU::Celsius, PU::Bar, B::C20),
         G::TransitionZone, kNone, 1.060143267269, 6.467511380549, 1.000556515516, 1.06073},
        {"11.1.7.1 ex 6",
         entry(C::RefinedProducts, 657.3, D::KgPerM3, false, 27.35, 1235, kNone, TU::Celsius, PU::KPa, B::C15),
         G::Gasolines, kNone, 0.981752516460, 0.194781276352, 1.002411349381, 0.98412},
        {"11.1.7.1 ex 7",
         entry(C::SpecialApplications, 641.8, D::KgPerM3, false, 89.9, 45.35, 0.000446759, TU::Celsius, PU::Bar,
               B::C15),
         G::SpecialApplications, kNone, 0.938841277179, 41.702651081010, 1.019276716462, 0.95694},
    };
    for (const auto &row : rows) {
        const Vcf2004Result r = Vcf2004Correction(row.in);
        ASSERT_TRUE(r.ok()) << row.name << ": " << r.stop->notice;
        EXPECT_EQ(r.factors.group, row.group) << row.name;
        if (!std::isnan(row.rho60)) {
            EXPECT_NEAR(r.density60, row.rho60, 1e-9) << row.name;
        }
        EXPECT_NEAR(r.ctl, row.ctl, 1e-9) << row.name;
        EXPECT_NEAR(Vcf2004FpInUnit(r.fp, row.in.pressureUnit), row.fp, 1e-9) << row.name;
        EXPECT_NEAR(r.cpl, row.cpl, 1e-9) << row.name;
        EXPECT_EQ(FormatFieldNumber(r.ctplRounded), FormatFieldNumber(row.ctpl)) << row.name;
    }
}

// The intermediate values 11.1.6.1 prints for its first and fourth examples, which pin the
// shift to IPTS-68 of temperature and density.
TEST(Vcf2004, ShiftToIpts68)
{
    EXPECT_NEAR(Vcf2004Ipts68Fahrenheit(-27.7), -27.712499233089, 1e-12);
    EXPECT_NEAR(Vcf2004Ipts68Fahrenheit(85), 85.013358222928, 1e-12);
    EXPECT_NEAR(Vcf2004Ipts68Fahrenheit(301.93), 301.993163042978, 1e-12);
    const Vcf2004Factors f = Vcf2004FactorsAt(C::CrudeOils, Vcf2004DensityFromApi(17.785), -27.7, 0);
    EXPECT_NEAR(f.rhoStar, 946.921215770785, 1e-9);
    EXPECT_NEAR(f.alpha60, 0.000380407044, 1e-12);
    const Vcf2004Factors jet =
        Vcf2004FactorsAt(C::RefinedProducts, Vcf2004DensityFromRelativeDensity(0.7943), 85, 247.3);
    EXPECT_NEAR(jet.rhoStar, 793.521270459968, 1e-9);
    EXPECT_NEAR(jet.alpha60, 0.000524557068, 1e-12);
}

// CTPL is rounded from the product of the unrounded factors: 11.1.6.1 example 6 gives
// 1.03922, where the rounded factors 1.02648 x 1.01242 would give 1.03923.
TEST(Vcf2004, CtplRoundsTheUnroundedProduct)
{
    const Vcf2004Result r = Vcf2004Correction(entry(C::RefinedProducts, 657.3, D::KgPerM3, false, 27.3, 1234.5));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(FormatFieldNumber(r.ctlRounded), "1.02648");
    EXPECT_EQ(FormatFieldNumber(r.cplRounded), "1.01242");
    EXPECT_EQ(FormatFieldNumber(r.ctplRounded), "1.03922");
    EXPECT_EQ(FormatFieldNumber(Vcf2004RoundFactor(r.ctlRounded * r.cplRounded)), "1.03923");
    EXPECT_EQ(FormatFieldNumber(r.fpRounded), "0.994");
}

TEST(Vcf2004, RefinedProductBordersBelongToTheDenserGroup)
{
    const struct
    {
        double rho60;
        G group;
    } cases[] = {
        {610.6, G::Gasolines},        {770.3519999, G::Gasolines},
        {770.352, G::TransitionZone}, {787.5194999, G::TransitionZone},
        {787.5195, G::JetFuels},      {838.3126999, G::JetFuels},
        {838.3127, G::FuelOils},      {1163.5, G::FuelOils},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(RefinedProductsGroup(c.rho60), c.group) << c.rho60;
        EXPECT_EQ(Vcf2004FactorsAt(C::RefinedProducts, c.rho60, 80, 0).group, c.group) << c.rho60;
    }
    // Observed densities: the group is the one of the converged density at 60 F, not of
    // the observed density (803.141 is a jet fuel, its density at 60 F is not).
    const Vcf2004Search s = Vcf2004ObservedToBase(C::RefinedProducts, 803.141, 25.3, 267);
    ASSERT_TRUE(s.converged);
    EXPECT_EQ(s.steps[0].group, G::JetFuels);
    EXPECT_EQ(s.factors.group, G::TransitionZone);
}

struct LimitCase
{
    const char *name;
    Vcf2004Input in;
    const char *stoppedOn; // nullptr: within the limits
};

TEST(Vcf2004, LimitsOnBothSides)
{
    const LimitCase cases[] = {
        {"-58 F", entry(C::CrudeOils, 850, D::KgPerM3, false, -58, 0), nullptr},
        {"-58.01 F", entry(C::CrudeOils, 850, D::KgPerM3, false, -58.01, 0), "Temperature"},
        {"302 F", entry(C::CrudeOils, 850, D::KgPerM3, false, 302, 0), nullptr},
        {"302.01 F", entry(C::CrudeOils, 850, D::KgPerM3, false, 302.01, 0), "Temperature"},
        {"-50 C", entry(C::CrudeOils, 850, D::KgPerM3, false, -50, 0, kNone, TU::Celsius), nullptr},
        {"-50.025 C (11.1.7.1 ex 8)",
         entry(C::CrudeOils, 610.46, D::KgPerM3, false, -50.025, -5, kNone, TU::Celsius, PU::KPa, B::C15),
         "Temperature"},
        {"150 C", entry(C::CrudeOils, 850, D::KgPerM3, false, 150, 0, kNone, TU::Celsius), nullptr},
        {"150.025 C", entry(C::CrudeOils, 850, D::KgPerM3, false, 150.025, 0, kNone, TU::Celsius), "Temperature"},
        {"temperature not a number", entry(C::CrudeOils, 850, D::KgPerM3, false, kNone, 0), "Temperature"},
        {"1500 psig", entry(C::CrudeOils, 850, D::KgPerM3, false, 60, 1500), nullptr},
        {"1500.12 psig", entry(C::CrudeOils, 850, D::KgPerM3, false, 60, 1500.12), "Pressure"},
        {"10342 kPa", entry(C::CrudeOils, 850, D::KgPerM3, false, 60, 10342, kNone, TU::Fahrenheit, PU::KPa), nullptr},
        {"10343 kPa", entry(C::CrudeOils, 850, D::KgPerM3, false, 60, 10343, kNone, TU::Fahrenheit, PU::KPa),
         "Pressure"},
        {"103.42 bar", entry(C::CrudeOils, 850, D::KgPerM3, false, 60, 103.42, kNone, TU::Fahrenheit, PU::Bar),
         nullptr},
        {"103.43 bar", entry(C::CrudeOils, 850, D::KgPerM3, false, 60, 103.43, kNone, TU::Fahrenheit, PU::Bar),
         "Pressure"},
        {"a vacuum taken as 0 psig", entry(C::CrudeOils, 850, D::KgPerM3, false, 60, -14), nullptr},
        {"610.6 kg/m3", entry(C::CrudeOils, 610.6, D::KgPerM3, false, 60, 0), nullptr},
        {"610.59 kg/m3", entry(C::CrudeOils, 610.59, D::KgPerM3, false, 60, 0), "Density at 60 F"},
        {"1163.5 kg/m3", entry(C::RefinedProducts, 1163.5, D::KgPerM3, false, 60, 0), nullptr},
        {"1163.55 kg/m3", entry(C::RefinedProducts, 1163.55, D::KgPerM3, false, 60, 0), "Density at 60 F"},
        {"100 API", entry(C::CrudeOils, 100, D::Api, false, 60, 0), nullptr},
        {"100.1 API", entry(C::CrudeOils, 100.1, D::Api, false, 60, 0), "Density at 60 F"},
        {"-10 API", entry(C::CrudeOils, -10, D::Api, false, 60, 0), nullptr},
        {"-10.1 API", entry(C::CrudeOils, -10.1, D::Api, false, 60, 0), "Density at 60 F"},
        {"lubricants 800.9", entry(C::LubricatingOils, 800.9, D::KgPerM3, false, 60, 0), nullptr},
        {"lubricants 800.849", entry(C::LubricatingOils, 800.849, D::KgPerM3, false, 60, 0), "Density at 60 F"},
        {"observed beyond the limit at 60 F", entry(C::CrudeOils, 1160, D::KgPerM3, true, 100, 0), "Density at 60 F"},
        {"lubricants observed below the limit at 60 F", entry(C::LubricatingOils, 780, D::KgPerM3, true, 90, 0),
         "Density at 60 F"},
        {"observed 470.5 at 302 F", entry(C::CrudeOils, 470.5, D::KgPerM3, true, 302, 0), nullptr},
        {"observed 470.49", entry(C::CrudeOils, 470.49, D::KgPerM3, true, 302, 0), "Observed density"},
        {"refined observed 470.4", entry(C::RefinedProducts, 470.4, D::KgPerM3, true, 302, 0), nullptr},
        {"refined observed 470.39", entry(C::RefinedProducts, 470.39, D::KgPerM3, true, 302, 0), "Observed density"},
        {"lubricants observed 1208.31", entry(C::LubricatingOils, 1208.31, D::KgPerM3, true, -58, 0),
         "Observed density"},
        {"alpha60 230E-6", entry(C::SpecialApplications, 850, D::KgPerM3, false, 60, 0, 230e-6), nullptr},
        {"alpha60 229.9E-6", entry(C::SpecialApplications, 850, D::KgPerM3, false, 60, 0, 229.9e-6), "Alpha60"},
        {"alpha60 930E-6", entry(C::SpecialApplications, 850, D::KgPerM3, false, 60, 0, 930e-6), nullptr},
        {"alpha60 930.1E-6", entry(C::SpecialApplications, 850, D::KgPerM3, false, 60, 0, 930.1e-6), "Alpha60"},
        {"alpha60 missing", entry(C::SpecialApplications, 850, D::KgPerM3, false, 60, 0), "Alpha60"},
        {"11.1.6.2 ex 10", entry(C::CrudeOils, 169.16, D::Api, true, -58.05, 0), "Temperature"},
        {"11.1.6.2 ex 11", entry(C::CrudeOils, -13.88, D::Api, true, 302.8, 1500.12), "Temperature"},
        {"API at a 15 C base", entry(C::CrudeOils, 30, D::Api, false, 60, 0, kNone, TU::Fahrenheit, PU::Psig, B::C15),
         "Density"},
    };
    for (const auto &c : cases) {
        const Vcf2004Result r = Vcf2004Correction(c.in);
        if (!c.stoppedOn) {
            EXPECT_TRUE(r.ok()) << c.name << ": " << r.stop->notice;
            continue;
        }
        ASSERT_FALSE(r.ok()) << c.name;
        EXPECT_EQ(r.stop->input, c.stoppedOn) << c.name;
        EXPECT_EQ(r.ctplRounded, 0) << c.name;
    }
    EXPECT_EQ(Vcf2004Correction(entry(C::CrudeOils, -13.88, D::Api, true, 302.8, 1500.12)).stop->notice,
              "Temperature 302.8 F is above the limit 302 F");
    EXPECT_EQ(Vcf2004Correction(entry(C::CrudeOils, 850, D::KgPerM3, false, 60, 10343, kNone, TU::Fahrenheit, PU::KPa))
                  .stop->notice,
              "Pressure 10343 kPa is above the limit 10342.1355 kPa");
    EXPECT_EQ(Vcf2004Correction(entry(C::LubricatingOils, 800.849, D::KgPerM3, false, 60, 0)).stop->notice,
              "Density at 60 F 800.849 kg/m3 is below the limit 800.9 kg/m3 for lubricating oils");
    // API -131.5 is a division by zero on the way to a density: said as such, never as an
    // infinite density, at base and observed alike.
    for (const bool observed : {false, true})
        EXPECT_EQ(Vcf2004Correction(entry(C::CrudeOils, -131.5, D::Api, observed, 60, 0)).stop->notice,
                  "API gravity -131.5 API gives no density at 60 F");
    const Vcf2004Result vacuum = Vcf2004Correction(entry(C::CrudeOils, 850, D::KgPerM3, false, 60, -14));
    EXPECT_EQ(vacuum.factors.pressure, 0);
    EXPECT_EQ(vacuum.cpl, 1);
}

// 11.1.7: a density at 15 C corrected to 15 C and 0 psig is itself, and an observed density
// at 15 C and 0 psig gives back its own density at 15 C; the same through 20 C.
TEST(Vcf2004, MetricBaseIdentities)
{
    for (const B base : {B::C15, B::C20}) {
        const double tBase = base == B::C15 ? 15 : 20;
        for (const double rho : {650.0, 780.0, 800.0, 900.0, 1100.0}) {
            for (const C commodity : {C::CrudeOils, C::RefinedProducts}) {
                const Vcf2004Result at = Vcf2004Correction(
                    entry(commodity, rho, D::KgPerM3, false, tBase, 0, kNone, TU::Celsius, PU::Psig, base));
                ASSERT_TRUE(at.ok()) << rho;
                EXPECT_EQ(at.ctl, 1) << rho;
                EXPECT_EQ(at.ctplRounded, 1) << rho;
                EXPECT_EQ(at.densityBase, rho);
                const Vcf2004Result back = Vcf2004Correction(
                    entry(commodity, rho, D::KgPerM3, true, tBase, 0, kNone, TU::Celsius, PU::Psig, base));
                ASSERT_TRUE(back.ok()) << rho;
                EXPECT_EQ(back.density60, at.density60) << rho;
                EXPECT_NEAR(back.densityBase, rho, 1e-6) << rho;
            }
        }
    }
    // 60 F is 15.5556 C: between the bases the density falls as the base rises.
    const Vcf2004Result r15 =
        Vcf2004Correction(entry(C::CrudeOils, 850, D::KgPerM3, true, 30, 0, kNone, TU::Celsius, PU::Psig, B::C15));
    const Vcf2004Result r20 =
        Vcf2004Correction(entry(C::CrudeOils, 850, D::KgPerM3, true, 30, 0, kNone, TU::Celsius, PU::Psig, B::C20));
    EXPECT_GT(r15.densityBase, r15.density60);
    EXPECT_LT(r20.densityBase, r15.density60);
}

// The search is bounded: absurd entries end within kVcf2004MaxIterations steps, and a
// search that fails is a stop, never a hang or a result that is not a number.
TEST(Vcf2004, SearchNeverHangs)
{
    const double inf = std::numeric_limits<double>::infinity();
    for (const double observed : {1e-300, 1e-3, 1e300, inf, kNone, -5.0}) {
        for (const double t : {-1e6, -58.0, 302.0, 1e6}) {
            const Vcf2004Search s = Vcf2004ObservedToBase(C::RefinedProducts, observed, t, 1500);
            EXPECT_LE(s.count, kVcf2004MaxIterations);
        }
    }
    const Vcf2004Result tiny =
        Vcf2004Correction(entry(C::SpecialApplications, 1e-200, D::KgPerM3, true, 80, 0, 500e-6));
    ASSERT_FALSE(tiny.ok());
    EXPECT_EQ(tiny.stop->kind, Vcf2004Stop::Kind::NoConvergence);
    ASSERT_FALSE(Vcf2004Correction(entry(C::CrudeOils, -1, D::KgPerM3, true, 80, 0)).ok());
    ASSERT_FALSE(Vcf2004Correction(entry(C::CrudeOils, -131.5, D::Api, false, 80, 0)).ok());
}

TEST(Vcf2004, ConversionsAndInputRounding)
{
    EXPECT_EQ(FormatFieldNumber(Vcf2004DensityFromRelativeDensity(0.7943)), "793.5184088");
    EXPECT_EQ(FormatFieldNumber(Vcf2004Fahrenheit(15, TU::Celsius)), "59");
    EXPECT_EQ(FormatFieldNumber(Vcf2004Psig(100, PU::KPa)), "14.5037743897283");
    EXPECT_EQ(FormatFieldNumber(Vcf2004Psig(1, PU::Bar)), "14.5037743897283");
    EXPECT_EQ(FormatFieldNumber(Vcf2004ApiFromDensity(Vcf2004DensityFromApi(30))), "30");

    Vcf2004Input in = entry(C::CrudeOils, 17.785, D::Api, false, 301.93, 1499.6);
    Vcf2004Input r = RoundVcf2004Inputs(in);
    EXPECT_EQ(FormatFieldNumber(r.density), "17.8");
    EXPECT_EQ(FormatFieldNumber(r.temperature), "301.9");
    EXPECT_EQ(FormatFieldNumber(r.pressure), "1500");
    r = RoundVcf2004Inputs(
        entry(C::CrudeOils, 0.72332, D::RelativeDensity, false, 15.025, 12.5, kNone, TU::Celsius, PU::KPa));
    EXPECT_EQ(FormatFieldNumber(r.density), "0.7233");
    EXPECT_EQ(FormatFieldNumber(r.temperature), "15.05");
    EXPECT_EQ(FormatFieldNumber(r.pressure), "15");
    r = RoundVcf2004Inputs(
        entry(C::CrudeOils, 657.34, D::KgPerM3, false, -27.75, 24.625, kNone, TU::Fahrenheit, PU::Bar));
    EXPECT_EQ(FormatFieldNumber(r.density), "657.3");
    EXPECT_EQ(FormatFieldNumber(r.temperature), "-27.8");
    EXPECT_EQ(FormatFieldNumber(r.pressure), "24.65");

    Working w;
    DescribeVcf2004InputRounding(in, RoundVcf2004Inputs(in), w);
    ASSERT_EQ(w.lines().size(), 3u);
    EXPECT_EQ(w.lines()[1], "Temperature used: 301.9 F (301.93 F rounded to 0.1, the table increment)");
}

TEST(Vcf2004, WorkingListsEveryStepOrWhereItStopped)
{
    Working w;
    DescribeVcf2004Correction(Vcf2004Correction(entry(C::CrudeOils, 823.7, D::KgPerM3, true, 80.3, -5)), w);
    const auto has = [&w](const std::string &line) {
        for (const auto &l : w.lines())
            if (l == line)
                return true;
        return false;
    };
    EXPECT_TRUE(has("Step 1 estimate: 823.7 kg/m3 (crude oils)"));
    EXPECT_TRUE(has("Step 3: converged (residual below 0.000001 kg/m3)"));
    EXPECT_TRUE(has("Density at 60 F: 832.048516184234 kg/m3 (rho60)"));
    EXPECT_TRUE(has("Pressure: 0 psig (a negative gauge pressure taken as 0)"));
    EXPECT_TRUE(has("CTPL rounded: 0.98997 (to 5 places, from the unrounded product)"));

    Working stopped;
    DescribeVcf2004Correction(Vcf2004Correction(entry(C::CrudeOils, 850, D::KgPerM3, false, 302.8, 0)), stopped);
    EXPECT_EQ(stopped.lines().back(), "Stopped: Temperature 302.8 F is above the limit 302 F");
}

// The window's procedure: every entry is read before anything is written, so a limit or a
// bad entry leaves every result as it was; an empty pressure is 0 and an empty gross
// volume empties the net volume.
TEST(Vcf2004, WindowProcedureReadsEverythingBeforeWriting)
{
    FieldTexts texts{{"optProducts", "1"},   {"optKgm3", "1"},     {"optObserved", "1"},      {"optBase60F", "1"},
                     {"optF", "1"},          {"optPsig", "1"},     {"txtdensity", "803.141"}, {"txttemp", "25.3"},
                     {"txtpressure", "267"}, {"txtgross", "10000"}};
    FormResult r = Vcf2004Volume(texts);
    ASSERT_TRUE(r.completed()) << r.notice;
    std::vector<std::string> shown;
    for (const FieldText &w : r.writes)
        shown.push_back(w.field + "=" + w.text);
    EXPECT_EQ(shown, (std::vector<std::string>{"txtdensitybase=787.5", "txtdensity60=787.5", "txtapi60=48",
                                               "txtrd60=0.7883", "txtctl=1.01838", "txtfp=0.54", "txtcpl=1.00144",
                                               "txtctpl=1.01985", "txtnet=10198.5", "txtgroupused=transition zone"}));

    texts["txtpressure"] = " ";
    texts["txtgross"] = "";
    r = Vcf2004Volume(texts);
    ASSERT_TRUE(r.completed()) << r.notice;
    EXPECT_EQ(*r.written("txtcpl"), "1");
    EXPECT_EQ(*r.written("txtnet"), "");

    const struct
    {
        const char *field;
        const char *text;
        const char *notice;
    } stops[] = {
        {"txttemp", "302.8", "Temperature 302.8 F is above the limit 302 F"},
        {"txtgross", "lots", "Gross volume: 'lots' is not a number"},
        {"optF", "", "Choose F or C for the temperature"},
    };
    for (const auto &stop : stops) {
        FieldTexts bad = texts;
        bad[stop.field] = stop.text;
        r = Vcf2004Volume(bad);
        EXPECT_FALSE(r.completed()) << stop.field;
        EXPECT_EQ(r.notice, stop.notice);
        EXPECT_TRUE(r.writes.empty()) << stop.field;
    }
}

// Every shown value is rounded once from its decimal form, a next digit of 5 or more
// raising the last place kept. A gravity typed at 60 F is shown as typed: each API
// x.y5 with y odd shows x.(y+1), never the x.y that the density it gives reads back as.
TEST(Vcf2004, ShownValuesRoundOnceFromTheirDecimalForm)
{
    const struct
    {
        double x;
        int places;
        const char *shown;
    } rounded[] = {
        {41.35, 1, "41.4"},       {41.349999999999994, 1, "41.3"},
        {-0.125, 2, "-0.13"},     {0.00049, 3, "0"},
        {99.96, 1, "100"},        {1.039224, 5, "1.03922"},
        {1.039225, 5, "1.03923"}, {0.145, 2, "0.15"},
        {1234.5, 0, "1235"},      {5e-324, 3, "0"},
        {1e300, 2, "1E+300"},
    };
    for (const auto &c : rounded)
        EXPECT_EQ(FormatFieldNumber(Vcf2004RoundDecimal(c.x, c.places)), c.shown) << c.x << " to " << c.places;

    const auto at60 = [](const char *kind, const std::string &density) {
        return Vcf2004Volume({{"optCrude", "1"},
                              {kind, "1"},
                              {"optAtBase", "1"},
                              {"optBase60F", "1"},
                              {"optF", "1"},
                              {"optPsig", "1"},
                              {"txtdensity", density},
                              {"txttemp", "60"}});
    };
    int checked = 0;
    for (int whole = 0; whole < 60; ++whole)
        for (int tenth = 1; tenth <= 9; tenth += 2) {
            const std::string typed = std::to_string(whole) + "." + std::to_string(tenth) + "5";
            const std::string shown =
                tenth == 9 ? std::to_string(whole + 1) : std::to_string(whole) + "." + std::to_string(tenth + 1);
            const FormResult r = at60("optApi", typed);
            ASSERT_TRUE(r.completed()) << typed << ": " << r.notice;
            EXPECT_EQ(*r.written("txtapi60"), shown) << typed;
            ++checked;
        }
    EXPECT_EQ(checked, 300);
    EXPECT_EQ(*at60("optApi", "41.349").written("txtapi60"), "41.3");
    EXPECT_EQ(*at60("optRd", "0.78835").written("txtrd60"), "0.7884");
    EXPECT_EQ(*at60("optRd", "0.78835").written("txtapi60"), "48");
}

// Below full vacuum a gauge pressure is impossible and stops, in each unit as entered; a
// negative pressure above it is taken as 0 and the notice line says so.
TEST(Vcf2004, NegativePressureStopsBelowFullVacuumAndIsSaidWhenTakenAsZero)
{
    const struct
    {
        const char *pressure;
        const char *unit;
        bool completed;
        const char *notice;
    } cases[] = {
        {"-5", "optPsig", true,
         "Pressure -5 psig is below 0: the 2004 edition takes a negative gauge pressure as 0 psig"},
        {"-14.696", "optPsig", true,
         "Pressure -14.696 psig is below 0: the 2004 edition takes a negative gauge pressure as 0 psig"},
        {"-14.697", "optPsig", false, "Pressure -14.697 psig is below the limit -14.696 psig (full vacuum)"},
        {"-150", "optPsig", false, "Pressure -150 psig is below the limit -14.696 psig (full vacuum)"},
        {"-1e300", "optPsig", false, "Pressure -1E+300 psig is below the limit -14.696 psig (full vacuum)"},
        {"-101.325", "optKpa", true,
         "Pressure -101.325 kPa is below 0: the 2004 edition takes a negative gauge pressure as 0 kPa"},
        {"-101.33", "optKpa", false, "Pressure -101.33 kPa is below the limit -101.325 kPa (full vacuum)"},
        {"-1.01325", "optBar", true,
         "Pressure -1.01325 bar is below 0: the 2004 edition takes a negative gauge pressure as 0 bar"},
        {"-1.0133", "optBar", false, "Pressure -1.0133 bar is below the limit -1.01325 bar (full vacuum)"},
        {"0", "optPsig", true, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.pressure) + " " + c.unit);
        const FormResult r = Vcf2004Volume({{"optCrude", "1"},
                                            {"optKgm3", "1"},
                                            {"optAtBase", "1"},
                                            {"optBase60F", "1"},
                                            {"optF", "1"},
                                            {c.unit, "1"},
                                            {"txtdensity", "850"},
                                            {"txttemp", "80"},
                                            {"txtpressure", c.pressure},
                                            {"txtgross", "1000"}});
        EXPECT_EQ(r.completed(), c.completed);
        EXPECT_EQ(r.notice, c.notice);
        if (c.completed)
            EXPECT_EQ(*r.written("txtcpl"), "1");
        else
            EXPECT_TRUE(r.writes.empty());
    }
}

} // namespace
} // namespace dravex
