#include "core/conventions.h"
#include "core/correction_model.h"
#include "core/volume_correction.h"

#include <gtest/gtest.h>

namespace dravex {
namespace {

// The results of a Table 54 screen, computed piece by piece in the order the screen does.
struct MetricCase
{
    const char *name;
    VolumeFactor (*op)(double, double);
    double rho;
    double t;
    double gross;
    double vcf;
    double litres;
    double gallons;
    double barrels;
    double cubic;
    double ltFactor;
    double tons;
};

TEST(MetricVolumes, WorkedExamplesAndEdges)
{
    const MetricCase cases[] = {
        {"54A worked example", Table54AFactor, 850, 25, 10000, 0.9915, 9915, 2620, 62.38, 9.915, 0.8355, 8.28},
        {"54B transition zone", Table54BFactor, 780, 25, 10000, 0.9895, 9895, 2616, 62.29, 9.895, 0.7666, 7.59},
        {"base temperature rounds the gross", Table54AFactor, 850, 15, 1234.5, 1, 1235, 326, 7.76, 1.235, 0.8355,
         1.03},
        {"negative gross", Table54AFactor, 850, 25, -10000, 0.9915, 9915, 2620, 62.38, 9.915, 0.8355, 8.28},
        {"one litre is no gallon", Table54AFactor, 850, 25, 1, 0.9915, 1, 0, 0, 0.001, 0.8355, 0},
        {"770 takes the gasoline gallons", Table54BFactor, 770, 15, 100000, 1, 100000, 26439, 629.5, 100, 0.7567,
         75.67},
        {"770.2 takes the next gallons", Table54BFactor, 770.2, 15, 100000, 1, 100000, 26435, 629.4, 100, 0.7569,
         75.69},
    };
    for (const MetricCase &c : cases) {
        const VolumeFactor f = c.op(c.rho, c.t);
        EXPECT_EQ(f.vcf, c.vcf) << c.name;
        const double litres = NetLitres(c.gross, f.vcf);
        EXPECT_EQ(litres, c.litres) << c.name;
        const double gallons = NetGallonsFromLitres(litres, GallonsPerLitre(c.rho).value());
        EXPECT_EQ(gallons, c.gallons) << c.name;
        EXPECT_EQ(BarrelsFromGallons(gallons), c.barrels) << c.name;
        const double cubic = CubicMetres(litres);
        EXPECT_EQ(cubic, c.cubic) << c.name;
        const double ltFactor = Table57LongTonFactor(c.rho);
        EXPECT_EQ(ltFactor, c.ltFactor) << c.name;
        EXPECT_EQ(LongTons(ltFactor, cubic), c.tons) << c.name;
    }
}

TEST(MetricVolumes, HalvesRoundUp)
{
    EXPECT_EQ(NetLitres(0.5, 1), 1);
    EXPECT_EQ(NetLitres(2.5, 1), 3);
    EXPECT_EQ(NetGallonsFromLitres(2, 0.25), 1);
    EXPECT_EQ(BarrelsFromGallons(21), 0.5);
    EXPECT_THROW(NetLitres(1e308, 10), CalcFault);
}

} // namespace
} // namespace dravex
