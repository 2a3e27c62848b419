// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/additives.h"
#include "core/conventions.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace dravex {
namespace {

// A value as a field shows it, and as it reads back from there.
std::string shown(double x)
{
    return FormatFieldNumber(x);
}

double readBack(double x)
{
    return ParseFieldNumber(FormatFieldNumber(x));
}

CalcFault::Kind faultOf(void (*step)())
{
    try {
        step();
    } catch (const CalcFault &fault) {
        return fault.kind();
    }
    ADD_FAILURE() << "no fault";
    return CalcFault::Kind::NotANumber;
}

struct FsiiCase
{
    const char *name;
    double desired, quantity, lab;
    const char *barrelsGallons, *perThousand, *gallonsGallons;
};

TEST(Fsii, WorkedExamplesThroughTheShownGallons)
{
    const FsiiCase cases[] = {
        {"help example", .12, 1234.56, .09, "15.555456", "12.6", "0.370368"},
        {"252 gallons", .15, 10000, .09, "252", "25.2", "6"},
        {"lab equals desired", .09, 1000, .09, "0", "0", "0"},
        {"lab above desired", .09, 1000, .12, "-12.6", "-12.6", "-0.3"},
        // The per-1000 figure from the unrounded gallons would be 8.40000000000001.
        {"per-1000 from the shown gallons", .14, 1234.56, .12, "10.370304", "8.4", "0.246912"},
    };
    for (const auto &c : cases) {
        const double fraction = FsiiFraction(c.desired, c.lab);
        const double gallons = FsiiGallonsForBarrels(c.quantity, fraction);
        EXPECT_EQ(shown(gallons), c.barrelsGallons) << c.name;
        EXPECT_EQ(shown(FsiiGallonsPerThousandBarrels(readBack(gallons), c.quantity)), c.perThousand) << c.name;
        EXPECT_EQ(shown(FsiiGallonsForGallons(c.quantity, fraction)), c.gallonsGallons) << c.name;
    }
}

TEST(Fsii, FaultsInsteadOfInfinities)
{
    EXPECT_EQ(faultOf([] { FsiiGallonsPerThousandBarrels(0, 0); }), CalcFault::Kind::DivisionByZero);
    // A quantity so small that its thousands are zero.
    EXPECT_EQ(faultOf([] { FsiiGallonsPerThousandBarrels(1, 1e-322); }), CalcFault::Kind::DivisionByZero);
    EXPECT_EQ(faultOf([] { FsiiFraction(1e308, -1e308); }), CalcFault::Kind::Overflow);
    EXPECT_EQ(faultOf([] { FsiiGallonsForBarrels(1e307, 1); }), CalcFault::Kind::Overflow);
    EXPECT_EQ(faultOf([] { FsiiGallonsPerThousandBarrels(1e307, 1e-5); }), CalcFault::Kind::Overflow);
}

struct SdaCase
{
    const char *name;
    double quantity, lab, desired;
    const char *mix, *fuel;
};

TEST(Sda, BarrelsWorkedExamples)
{
    const SdaCase cases[] = {
        // C is 0.19999999999999996, so the cut E is 688.7, not 688.8.
        {"decimal arithmetic would give 688.8", 1000, 50, 250, "1.82", "16.38"},
        {"1234.56 barrels", 1234.56, 20, 300, "3.15", "28.35"},
        {"100 barrels", 100, 50, 250, "0.18", "1.62"},
        {"desired equals lab", 1000, 50, 50, "0", "0"},
        {"desired below lab needs nothing", 1000, 250, 50, "0", "0"},
        {"negative quantity as its magnitude", -1000, 50, 250, "1.82", "16.38"},
    };
    for (const auto &c : cases) {
        const SdaBarrelsMix mix = SdaMixForBarrels(SdaDoseFor(c.lab, c.desired), c.quantity);
        EXPECT_EQ(shown(mix.shown), c.mix) << c.name;
        EXPECT_EQ(shown(SdaPremixFuelForBarrels(readBack(mix.shown))), c.fuel) << c.name;
    }
    const SdaDose dose = SdaDoseFor(50, 250);
    EXPECT_EQ(dose.fraction, 0.19999999999999996);
    const SdaBarrelsMix mix = SdaMixForBarrels(dose, 1000);
    EXPECT_EQ(mix.dose, 688.7999999999997);
    EXPECT_EQ(mix.cut, 688.7);
    EXPECT_EQ(mix.millilitres, 6887);
}

TEST(Sda, GallonsWorkedExamplesWithTheOneGallonMinimum)
{
    const SdaCase cases[] = {
        {"10000 gallons", 10000, 50, 250, "163.9", "4.3"},
        {"pre-mix 0.4 raised to 1", 1000, 50, 250, "16.3", "1"},
        {"50000 gallons", 50000, 20, 300, "1148", "30.3"},
        {"desired equals lab", 1000, 50, 50, "0", "1"},
        {"desired below lab needs nothing", 1000, 250, 50, "0", "1"},
        {"pre-mix of 1.1 stays", 2540, 50, 250, "41.6", "1.1"},
    };
    for (const auto &c : cases) {
        const SdaGallonsMix mix = SdaMixForGallons(SdaDoseFor(c.lab, c.desired), c.quantity);
        EXPECT_EQ(shown(mix.millilitres), c.mix) << c.name;
        const double fuel = readBack(SdaPremixFuelForGallons(mix).shown);
        EXPECT_EQ(shown(SdaMinimumPremixFuel(fuel).value_or(fuel)), c.fuel) << c.name;
    }
    EXPECT_EQ(SdaMixForGallons(SdaDoseFor(50, 250), 10000).dose, 163.99999999999994);
    EXPECT_EQ(SdaMinimumPremixFuel(1), 1.0);
    EXPECT_EQ(SdaMinimumPremixFuel(1.05), std::nullopt);
}

TEST(Sda, OverflowIsAFault)
{
    EXPECT_EQ(faultOf([] { SdaMixForBarrels(SdaDoseFor(0, 1e300), 1e300); }), CalcFault::Kind::Overflow);
    EXPECT_EQ(faultOf([] { SdaPremixFuelForGallons(SdaMixForGallons(SdaDoseFor(0, 1000), 1.5e308)); }),
              CalcFault::Kind::Overflow);
}

TEST(CorrosionInhibitor, ProductsMatchExactlyInListOrder)
{
    const auto &products = CorrosionInhibitors();
    EXPECT_EQ(products.front().name, "APOLLO PRI-19");
    EXPECT_EQ(products[5].name, "TOLAD 245");
    EXPECT_EQ(products.back().name, "SPEC-AID 8021");
    const struct
    {
        const char *name;
        std::optional<int> dose;
    } lookups[] = {
        {"APOLLO PRI-19", 18}, {"TOLAD 245", 28},           {"SPEC-AID 8021", 11},
        {"", std::nullopt},    {"tolad 245", std::nullopt}, {"TOLAD 245 ", std::nullopt},
    };
    for (const auto &l : lookups)
        EXPECT_EQ(CorrosionInhibitorDoseNumber(l.name), l.dose) << '"' << l.name << '"';
}

struct CiCase
{
    const char *name;
    int dose;
    double gravity, quantity;
    VolumeUnit unit;
    const char *amount, *unitText;
};

TEST(CorrosionInhibitor, WorkedExamplesPerUnit)
{
    const CiCase cases[] = {
        {"DCI-4A barrels", 9, .95, 10000, VolumeUnit::Barrels, "4", "GALs"},
        {"DCI-4A gallons", 9, .95, 42000, VolumeUnit::Gallons, "0.4", "GALs"},
        {"DCI-4A 1000 barrels", 9, .95, 1000, VolumeUnit::Barrels, "0.4", "GALs"},
        {"DCI-4A litres", 9, .95, 10000, VolumeUnit::Litres, "1.1", "LTRs"},
        {"TOLAD barrels", 28, .95, 1000, VolumeUnit::Barrels, "1.2", "GALs"},
        // X6 * Q is 0.35 on paper; through a tenth of it in binary it rounds down.
        {"barrels by way of a tenth", 12, .9, 625, VolumeUnit::Barrels, "0.3", "GALs"},
        {"negative quantity as its magnitude", 9, .95, -10000, VolumeUnit::Litres, "1.1", "LTRs"},
    };
    for (const auto &c : cases) {
        const CorrosionInhibitorRate rate = CorrosionInhibitorRateFor(c.dose, c.gravity);
        const CorrosionInhibitorAmount amount = CorrosionInhibitorAmountFor(rate.rounded, c.quantity, c.unit);
        EXPECT_EQ(shown(amount.amount), c.amount) << c.name;
        EXPECT_EQ(amount.unitText, c.unitText) << c.name;
    }
    const CorrosionInhibitorRate dci = CorrosionInhibitorRateFor(9, .95);
    EXPECT_EQ(dci.active, 3.15);
    EXPECT_EQ(shown(dci.weight), "7.9116");
    EXPECT_EQ(shown(dci.perBarrel), "0.000398149552555741");
    EXPECT_EQ(dci.rounded, 0.000398);
    EXPECT_EQ(CorrosionInhibitorRateFor(28, .95).rounded, 0.001239);
}

TEST(CorrosionInhibitor, ZeroGravityIsADivisionByZero)
{
    EXPECT_EQ(faultOf([] { CorrosionInhibitorRateFor(9, 0); }), CalcFault::Kind::DivisionByZero);
    EXPECT_EQ(faultOf([] { CorrosionInhibitorRateFor(9, 1e-320); }), CalcFault::Kind::Overflow);
}

TEST(Dmd, CutToTwoPlaces)
{
    const struct
    {
        double barrels;
        const char *gallons;
    } cases[] = {
        {10000, "4"},
        {12345, "4.93"},
        {1000, "0.4"},
        {20, "0"},
        {-12345, "4.93"},
        // 0.7 * 0.4 is 0.27999999999999997 in binary: the cut gives 0.27.
        {700, "0.27"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(shown(DmdDoseForBarrels(c.barrels).shown), c.gallons) << c.barrels;
    EXPECT_EQ(DmdDoseForBarrels(12345).gallons, 4.938000000000001);
}

} // namespace
} // namespace dravex
