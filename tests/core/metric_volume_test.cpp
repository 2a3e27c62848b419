// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/conventions.h"
#include "core/correction_model.h"
#include "core/volume_correction.h"

#include <gtest/gtest.h>

namespace dravex {
namespace {

// A Table 54 calculation piece by piece, in the order the screens run it.
TEST(MetricVolumes, WorkedExamplesAndEdges)
{
    struct Case
    {
        const char *name;
        VolumeFactor (*op)(double, double);
        double rho, t, gross;
        double litres, gallons, barrels, cubic, tons;
    };
    const Case cases[] = {
        {"54A worked example", Table54AFactor, 850, 25, 10000, 9915, 2620, 62.38, 9.915, 8.28},
        {"54B transition zone", Table54BFactor, 780, 25, 10000, 9895, 2616, 62.29, 9.895, 7.59},
        {"litres rounded half up", Table54AFactor, 850, 15, 1234.5, 1235, 326, 7.76, 1.235, 1.03},
        {"one litre is no gallon", Table54AFactor, 850, 25, 1, 1, 0, 0, 0.001, 0},
    };
    for (const Case &c : cases) {
        const double litres = NetLitres(c.gross, c.op(c.rho, c.t).vcf);
        EXPECT_EQ(litres, c.litres) << c.name;
        const double gallons = NetGallonsFromLitres(litres, GallonsPerLitre(c.rho).value());
        EXPECT_EQ(gallons, c.gallons) << c.name;
        EXPECT_EQ(BarrelsFromGallons(gallons), c.barrels) << c.name;
        EXPECT_EQ(CubicMetres(litres), c.cubic) << c.name;
        EXPECT_EQ(LongTons(Table57LongTonFactor(c.rho), CubicMetres(litres)), c.tons) << c.name;
    }
    EXPECT_EQ(NetLitres(-10000, 0.9915), 9915);
    EXPECT_THROW(NetLitres(1e308, 10), CalcFault);
}

} // namespace
} // namespace dravex
