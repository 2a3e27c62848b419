// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/working.h"

#include <optional>

namespace dravex {

// Gravity and density: rho = 141360.198 / (api + 131.5), kg/m3 at 15 C.
double DensityFromApi(double api);

// Product groups of the measurement tables. Table 6A and 54A treat every density as a
// crude oil; Tables 6B and 54B split generalized products into four bands.
enum class ProductGroup { CrudeOils, Gasolines, TransitionZone, JetFuels, FuelOils };

const char *ProductGroupName(ProductGroup group);

// Table 6B groups by density at 60 F; each band includes its upper limit. The limits
// 770.36, 787.52 and 838.93 are the densities of 52, 48 and 37 API. Above 1074 there is
// no group.
std::optional<ProductGroup> Table6BGroup(double rho);

// Table 54B groups by density at 15 C, each band including its upper limit.
std::optional<ProductGroup> Table54BGroup(double rho);

// How the coefficient of thermal expansion was found, for the working of a factor.
enum class AlphaRecipe { Crude, Split, Transition };

enum class FactorTable { Table6A, Table6B, Table54A, Table54B };

// A volume correction factor and the values behind it, in the order they were computed.
struct VolumeFactor
{
    FactorTable table = FactorTable::Table6A;
    double vcf = 0;                    // volume at base temperature per unit observed volume
    double gravityUsed = 0;            // English tables: the API gravity rounded to 0.01, sign dropped
    double density = 0;                // kg/m3 the coefficient was computed from
    std::optional<ProductGroup> group; // empty: above 1074 kg/m3, no factor computed
    AlphaRecipe recipe = AlphaRecipe::Crude;
    double alpha = 0;     // per F (English) or per C (metric)
    double deltaT = 0;    // t - 60 or t - 15, signed
    double exponent = 0;  // the argument of exp
    double unrounded = 0; // exp(exponent): the factor before any cut or rounding

    bool outOfRange() const { return !group; }
};

// The working of a factor, one line per value in the order computed: the gravity used
// (English tables), the density, the product group and its band, the coefficient, the
// temperature difference, the factor before and after its rounding. Above 1074 kg/m3 it
// ends at the product group.
//   Table6BFactor(50, 80): "Gravity used: 50 API (rounded to 0.01, sign dropped)",
//   "Density at 60 F: 778.84 kg/m3 (rounded to 0.01)", "Product group: transition zone
//   (770.36 < density <= 787.52)", "Expansion coefficient: 0.00058641 per F (...)", ...
void DescribeVolumeFactor(const VolumeFactor &factor, Working &working);

// Table 6A, crude oils: the gravity rounded to 0.01 (sign dropped) gives the density,
// rounded to 0.01; alpha = 341.0957 / rho^2 rounded to 7 places; ΔT = t - 60;
// VCF = RoundToPlaces(exp((-a*ΔT) * (1 + ΔT * (0.8 * a))), 4).
//   Table6AFactor(30, 80): density 875.3, alpha 0.0004452, VCF 0.9911
VolumeFactor Table6AFactor(double api, double t);

// Table 6B, generalized products, expanded form of the factor.
//   Table6BFactor(50, 80): density 778.84 (transition zone), alpha 0.00058641, VCF 0.9882
//   Table6BFactor(30, 80): density 875.3 (fuel oils), alpha 0.0004442, VCF 0.9911
// Below about 0.12 API (density above 1074) there is no group and no factor.
VolumeFactor Table6BFactor(double api, double t);

// Table 54A, crude oils, density in kg/m3 as entered, ΔT = t - 15.
//   Table54AFactor(850, 25): alpha 0.0008498, VCF 0.9915
VolumeFactor Table54AFactor(double rho, double t);

// Table 54B, generalized products, density as entered.
//   Table54BFactor(780, 25): transition zone, alpha 0.0010424, VCF 0.9895
VolumeFactor Table54BFactor(double rho, double t);

// Long tons per barrel before its cut or rounding to 5 places (Table 6A rounds, Table 6B
// cuts): (141360.198 / (api + 131.5) / 1000 - 0.0011) * 0.1564765, api as entered.
//   Table11LongTonFactor(30) == 0.136791...
double Table11LongTonFactor(double api);

// The long-ton factor a barrel window and a US report show: Table 11's factor rounded to
// 5 places with Table 6A (crude oils), cut to 5 places with Table 6B (products).
//   Table11FactorToFivePlaces(Table11LongTonFactor(50), FactorTable::Table6A) == 0.1217
//   Table11FactorToFivePlaces(Table11LongTonFactor(50), FactorTable::Table6B) == 0.12169
double Table11FactorToFivePlaces(double factor, FactorTable table);

// Long tons per cubic metre, cut to 4 places: (rho / 1000 - 0.0011) * 0.984236.
//   Table57LongTonFactor(850) == 0.8355
double Table57LongTonFactor(double rho);

// Weight from a long-ton factor and a volume, rounded to 0.01 long ton.
double LongTons(double factor, double volume);

// US gallons at 60 F per litre at 15 C by the density as entered; none above 1074.
//   GallonsPerLitre(770) == 0.26439, GallonsPerLitre(770.2) == 0.264348
std::optional<double> GallonsPerLitre(double rho);

// The three recipes for the coefficient of thermal expansion.
double CrudeAlpha(double k0, double k1, double rho);
double SplitAlpha(double k0, double k1, double rho);
double TransitionAlpha(double a, double b, double rho);

} // namespace dravex
