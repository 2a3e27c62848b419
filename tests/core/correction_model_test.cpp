// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/conventions.h"
#include "core/correction_model.h"
#include "core/volume_correction.h"

#include <gtest/gtest.h>

namespace dravex {
namespace {

using G = ProductGroup;

struct FactorCase
{
    const char *name;
    VolumeFactor (*op)(double, double);
    double input;
    double t;
    double density;
    G group;
    double alpha;
    double vcf;
};

TEST(VolumeFactors, WorkedExamplesAndEdges)
{
    const FactorCase cases[] = {
        {"6A 30 API 80F", Table6AFactor, 30, 80, 875.3, G::CrudeOils, 0.0004452, 0.9911},
        {"6A base temperature", Table6AFactor, 30, 60, 875.3, G::CrudeOils, 0.0004452, 1},
        {"6A negative gravity as its magnitude", Table6AFactor, -30, 80, 875.3, G::CrudeOils, 0.0004452, 0.9911},
        {"6B transition zone", Table6BFactor, 50, 80, 778.84, G::TransitionZone, -0.0018684 + 0.00245481, 0.9882},
        {"6B fuel oils", Table6BFactor, 30, 80, 875.3, G::FuelOils, 0.0004442, 0.9911},
        {"6B 52 API is a gasoline", Table6BFactor, 52, 60, 770.36, G::Gasolines, 0, 1},
        {"6B 51.99 API is transition", Table6BFactor, 51.99, 60, 770.40, G::TransitionZone, 0, 1},
        {"54A 850 25C", Table54AFactor, 850, 25, 850, G::CrudeOils, 0.0008498, 0.9915},
        {"54B transition zone", Table54BFactor, 780, 25, 780, G::TransitionZone, -0.00336312 + 0.00440552, 0.9895},
    };
    for (const auto &c : cases) {
        const VolumeFactor f = c.op(c.input, c.t);
        EXPECT_EQ(f.density, c.density) << c.name;
        ASSERT_TRUE(f.group) << c.name;
        EXPECT_EQ(*f.group, c.group) << c.name;
        if (c.alpha != 0) {
            EXPECT_EQ(f.alpha, c.alpha) << c.name;
        }
        EXPECT_EQ(f.vcf, c.vcf) << c.name;
    }
}

TEST(VolumeFactors, BelowBaseTemperatureExpands)
{
    EXPECT_GT(Table6AFactor(30, 40).vcf, 1);
    EXPECT_GT(Table6BFactor(30, 40).vcf, 1);
    EXPECT_GT(Table54AFactor(850, 5).vcf, 1);
    EXPECT_GT(Table54BFactor(850, 5).vcf, 1);
}

TEST(VolumeFactors, TransitionSumsWithoutRounding)
{
    const VolumeFactor f = Table6BFactor(50, 80);
    EXPECT_EQ(f.recipe, AlphaRecipe::Transition);
    EXPECT_EQ(f.alpha, -0.0018684 + 0.00245481);
    EXPECT_EQ(f.deltaT, 20);
}

TEST(ProductGroups, BandsIncludeTheirUpperLimit)
{
    struct Band
    {
        std::optional<G> (*op)(double);
        double rho;
        std::optional<G> group;
    };
    const Band bands[] = {
        {Table6BGroup, 770.36, G::Gasolines},      {Table6BGroup, 770.37, G::TransitionZone},
        {Table6BGroup, 787.52, G::TransitionZone}, {Table6BGroup, 787.53, G::JetFuels},
        {Table6BGroup, 838.93, G::JetFuels},       {Table6BGroup, 838.94, G::FuelOils},
        {Table6BGroup, 1074, G::FuelOils},         {Table6BGroup, 1074.01, std::nullopt},
        {Table54BGroup, 770.5, G::Gasolines},      {Table54BGroup, 770.51, G::TransitionZone},
        {Table54BGroup, 787.5, G::TransitionZone}, {Table54BGroup, 839, G::JetFuels},
        {Table54BGroup, 839.01, G::FuelOils},      {Table54BGroup, 1074, G::FuelOils},
        {Table54BGroup, 1074.5, std::nullopt},
    };
    for (const auto &b : bands)
        EXPECT_EQ(b.op(b.rho), b.group) << b.rho;
}

TEST(ProductGroups, AboveTheLastBandThereIsNoFactor)
{
    EXPECT_TRUE(Table6BFactor(0.1, 60).outOfRange());
    EXPECT_FALSE(Table6BFactor(0.13, 60).outOfRange());
    EXPECT_TRUE(Table54BFactor(1080, 20).outOfRange());
    EXPECT_FALSE(GallonsPerLitre(1074.01));
}

TEST(GallonsPerLitre, BandsByDensityAsEntered)
{
    EXPECT_EQ(GallonsPerLitre(770), 0.26439);
    EXPECT_EQ(GallonsPerLitre(770.2), 0.264348);
    EXPECT_EQ(GallonsPerLitre(787.5), 0.264348);
    EXPECT_EQ(GallonsPerLitre(839), 0.264306);
    EXPECT_EQ(GallonsPerLitre(1074), 0.264264);
}

TEST(LongTonFactors, Tables11And57)
{
    const double f30 = Table11LongTonFactor(30);
    EXPECT_EQ(RoundToPlaces(f30, 5), 0.13679);
    EXPECT_EQ(TruncateToPlaces(f30, 5), 0.13679);
    EXPECT_EQ(TruncateToPlaces(Table11LongTonFactor(50), 5), 0.12169);
    EXPECT_EQ(RoundToPlaces(Table11LongTonFactor(50), 5), 0.1217);
    // The windows' rule: Table 6A rounds, Table 6B cuts.
    EXPECT_EQ(Table11FactorToFivePlaces(Table11LongTonFactor(50), FactorTable::Table6A), 0.1217);
    EXPECT_EQ(Table11FactorToFivePlaces(Table11LongTonFactor(50), FactorTable::Table6B), 0.12169);
    // The long-ton factor takes the gravity with its sign.
    EXPECT_EQ(Table11LongTonFactor(-30), (141360.198 / 101.5 / 1000 - 0.0011) * 0.1564765);
    EXPECT_THROW(Table11LongTonFactor(-131.5), CalcFault);
    EXPECT_EQ(Table57LongTonFactor(850), 0.8355);
    EXPECT_EQ(LongTons(0.13679, 9911), 1355.73);
}

TEST(NetVolumes, BarrelsAndGallons)
{
    EXPECT_EQ(NetBarrels(10000, 0.9911), 9911);
    EXPECT_EQ(NetBarrels(-10000, 0.9911), 9911);
    EXPECT_EQ(NetGallonsFromBarrels(9911), 416262);
    EXPECT_EQ(NetGallonsFromBarrels(9882), 415044);
    EXPECT_EQ(NetGallonsFromBarrels(0.01), 0);
    EXPECT_THROW(NetGallonsFromBarrels(1e308), CalcFault);
}

TEST(VolumeFactors, ZeroDensityDividesByZero)
{
    EXPECT_THROW(Table54AFactor(0, 20), CalcFault);
    EXPECT_THROW(Table54BFactor(0, 20), CalcFault);
}

} // namespace
} // namespace dravex
