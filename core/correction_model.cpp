// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/correction_model.h"

#include "core/conventions.h"

#include <cmath>

namespace dravex {

namespace {

struct GroupConstants
{
    AlphaRecipe recipe;
    double first;  // K0, or A for the transition recipe
    double second; // K1, or B for the transition recipe
};

// English constants per F.
constexpr GroupConstants kTable6ACrude{AlphaRecipe::Crude, 341.0957, 0};
constexpr GroupConstants kTable6BGasolines{AlphaRecipe::Split, 192.4571, 0.2438};
constexpr GroupConstants kTable6BTransition{AlphaRecipe::Transition, -0.0018684, 1489.067};
constexpr GroupConstants kTable6BJetFuels{AlphaRecipe::Split, 330.301, 0};
constexpr GroupConstants kTable6BFuelOils{AlphaRecipe::Split, 103.872, 0.2701};

// Metric constants per C. The 54B jet fuels take the transition recipe with A = 0.
constexpr GroupConstants kTable54ACrude{AlphaRecipe::Split, 613.9723, 0};
constexpr GroupConstants kTable54BGasolines{AlphaRecipe::Split, 346.4228, 0.4388};
constexpr GroupConstants kTable54BTransition{AlphaRecipe::Transition, -0.00336312, 2680.3206};
constexpr GroupConstants kTable54BJetFuels{AlphaRecipe::Transition, 0, 594.5418};
constexpr GroupConstants kTable54BFuelOils{AlphaRecipe::Split, 186.9696, 0.4862};

double alphaFor(const GroupConstants &c, double rho)
{
    switch (c.recipe) {
    case AlphaRecipe::Crude:
        return CrudeAlpha(c.first, c.second, rho);
    case AlphaRecipe::Split:
        return SplitAlpha(c.first, c.second, rho);
    case AlphaRecipe::Transition:
        return TransitionAlpha(c.first, c.second, rho);
    }
    return 0;
}

// Product form, Table 6A: exp((-a*ΔT) * (1 + ΔT * (0.8 * a))) rounded to 4 places.
void productForm(VolumeFactor &f)
{
    const double a = f.alpha;
    const double dt = f.deltaT;
    const double first = Finite(-a * dt);
    const double inner = Finite(dt * (0.8 * a));
    f.exponent = Finite(first * (1 + inner));
    f.unrounded = Finite(std::exp(f.exponent));
    f.vcf = RoundToPlaces(f.unrounded, 4);
}

// Expanded form, Tables 6B, 54A and 54B: exp((-a*ΔT) - ΔT^2 * (a^2 * 0.8)) cut to 6
// places, then rounded to 4 (through 6 places below 1, twice to 4 above; the same value).
void expandedForm(VolumeFactor &f)
{
    const double a = f.alpha;
    const double dt = f.deltaT;
    const double first = Finite(-a * dt);
    const double dtSquared = Finite(dt * dt);
    const double alphaSquared = a * a;
    const double second = Finite(dtSquared * (alphaSquared * 0.8));
    f.exponent = Finite(first - second);
    f.unrounded = Finite(std::exp(f.exponent));
    const double v = TruncateToPlaces(f.unrounded, 6);
    if (v == 1)
        f.vcf = 1;
    else if (v > 1)
        f.vcf = RoundToPlaces(RoundToPlaces(v, 4), 4);
    else
        f.vcf = RoundToPlaces(RoundToPlaces(v, 6), 4);
}

// Density for the English tables: the gravity rounded to 0.01 (sign dropped), then the
// density rounded to 0.01.
void englishDensity(VolumeFactor &f, double api)
{
    f.gravityUsed = RoundToPlaces(api, 2);
    f.density = RoundToPlaces(DensityFromApi(f.gravityUsed), 2);
}

const GroupConstants &table6BConstants(ProductGroup g)
{
    switch (g) {
    case ProductGroup::Gasolines:
        return kTable6BGasolines;
    case ProductGroup::TransitionZone:
        return kTable6BTransition;
    case ProductGroup::JetFuels:
        return kTable6BJetFuels;
    default:
        return kTable6BFuelOils;
    }
}

const GroupConstants &table54BConstants(ProductGroup g)
{
    switch (g) {
    case ProductGroup::Gasolines:
        return kTable54BGasolines;
    case ProductGroup::TransitionZone:
        return kTable54BTransition;
    case ProductGroup::JetFuels:
        return kTable54BJetFuels;
    default:
        return kTable54BFuelOils;
    }
}

std::string_view bandText(FactorTable table, ProductGroup group)
{
    const bool b6 = table == FactorTable::Table6B;
    switch (group) {
    case ProductGroup::CrudeOils:
        return "any density";
    case ProductGroup::Gasolines:
        return b6 ? "density <= 770.36" : "density <= 770.5";
    case ProductGroup::TransitionZone:
        return b6 ? "770.36 < density <= 787.52" : "770.5 < density <= 787.5";
    case ProductGroup::JetFuels:
        return b6 ? "787.52 < density <= 838.93" : "787.5 < density <= 839";
    case ProductGroup::FuelOils:
        return b6 ? "838.93 < density <= 1074" : "839 < density <= 1074";
    }
    return {};
}

const char *recipeText(AlphaRecipe recipe)
{
    switch (recipe) {
    case AlphaRecipe::Crude:
        return "K0 / density / density, rounded to 7 places";
    case AlphaRecipe::Split:
        return "K0 / density cut to 8 places, / density rounded to 9, plus K1 / density rounded to 9, "
               "rounded to 7";
    case AlphaRecipe::Transition:
        return "A + (B / density rounded to 6 places) / density rounded to 8";
    }
    return "";
}

} // namespace

void DescribeVolumeFactor(const VolumeFactor &f, Working &w)
{
    const bool english = f.table == FactorTable::Table6A || f.table == FactorTable::Table6B;
    const std::string_view unit = english ? "F" : "C";
    if (english) {
        w.add("Gravity used", f.gravityUsed, "API", "rounded to 0.01, sign dropped");
        w.add("Density at 60 F", f.density, "kg/m3", "rounded to 0.01");
    } else {
        w.add("Density", f.density, "kg/m3", "as entered");
    }
    if (!f.group) {
        w.addText("Product group", "none", "density above 1074");
        return;
    }
    w.addText("Product group", ProductGroupName(*f.group), bandText(f.table, *f.group));
    w.add("Expansion coefficient", f.alpha, english ? "per F" : "per C", recipeText(f.recipe));
    w.add("Temperature difference", f.deltaT, unit, english ? "t - 60" : "t - 15");
    w.add("Factor before rounding", f.unrounded);
    const bool productForm = f.table == FactorTable::Table6A;
    w.add("Volume correction factor", f.vcf, {}, productForm ? "rounded to 4 places" : "cut to 6 places, rounded to 4");
}

double DensityFromApi(double api)
{
    return Divide(141360.198, Finite(api + 131.5));
}

const char *ProductGroupName(ProductGroup group)
{
    switch (group) {
    case ProductGroup::CrudeOils:
        return "crude oils";
    case ProductGroup::Gasolines:
        return "gasolines";
    case ProductGroup::TransitionZone:
        return "transition zone";
    case ProductGroup::JetFuels:
        return "jet fuels";
    case ProductGroup::FuelOils:
        return "fuel oils";
    }
    return "";
}

std::optional<ProductGroup> Table6BGroup(double rho)
{
    if (rho <= 770.36)
        return ProductGroup::Gasolines;
    if (rho <= 787.52)
        return ProductGroup::TransitionZone;
    if (rho <= 838.93)
        return ProductGroup::JetFuels;
    if (rho <= 1074)
        return ProductGroup::FuelOils;
    return std::nullopt;
}

std::optional<ProductGroup> Table54BGroup(double rho)
{
    if (rho <= 770.5)
        return ProductGroup::Gasolines;
    if (rho <= 787.5)
        return ProductGroup::TransitionZone;
    if (rho <= 839)
        return ProductGroup::JetFuels;
    if (rho <= 1074)
        return ProductGroup::FuelOils;
    return std::nullopt;
}

double CrudeAlpha(double k0, double k1, double rho)
{
    const double first = Divide(Divide(k0, rho), rho);
    const double second = Divide(k1, rho);
    return RoundToPlaces(first + second, 7);
}

double SplitAlpha(double k0, double k1, double rho)
{
    const double p = TruncateToPlaces(Divide(k0, rho), 8);
    const double q = RoundToPlaces(Divide(p, rho), 9);
    const double r = RoundToPlaces(Divide(k1, rho), 9);
    return RoundToPlaces(r + q, 7);
}

double TransitionAlpha(double a, double b, double rho)
{
    const double p = RoundToPlaces(Divide(b, rho), 6);
    const double q = RoundToPlaces(Divide(p, rho), 8);
    return a + q;
}

VolumeFactor Table6AFactor(double api, double t)
{
    VolumeFactor f;
    f.table = FactorTable::Table6A;
    englishDensity(f, api);
    f.group = ProductGroup::CrudeOils;
    f.deltaT = Finite(t - 60);
    f.recipe = kTable6ACrude.recipe;
    f.alpha = alphaFor(kTable6ACrude, f.density);
    productForm(f);
    return f;
}

VolumeFactor Table6BFactor(double api, double t)
{
    VolumeFactor f;
    f.table = FactorTable::Table6B;
    englishDensity(f, api);
    f.group = Table6BGroup(f.density);
    if (!f.group)
        return f;
    const GroupConstants &c = table6BConstants(*f.group);
    f.deltaT = Finite(t - 60);
    f.recipe = c.recipe;
    f.alpha = alphaFor(c, f.density);
    expandedForm(f);
    return f;
}

VolumeFactor Table54AFactor(double rho, double t)
{
    VolumeFactor f;
    f.table = FactorTable::Table54A;
    f.density = rho;
    f.group = ProductGroup::CrudeOils;
    f.deltaT = Finite(t - 15);
    f.recipe = kTable54ACrude.recipe;
    f.alpha = alphaFor(kTable54ACrude, f.density);
    expandedForm(f);
    return f;
}

VolumeFactor Table54BFactor(double rho, double t)
{
    VolumeFactor f;
    f.table = FactorTable::Table54B;
    f.density = rho;
    f.group = Table54BGroup(rho);
    if (!f.group)
        return f;
    const GroupConstants &c = table54BConstants(*f.group);
    f.deltaT = Finite(t - 15);
    f.recipe = c.recipe;
    f.alpha = alphaFor(c, f.density);
    expandedForm(f);
    return f;
}

double Table11LongTonFactor(double api)
{
    const double rho = DensityFromApi(api);
    return Finite((rho / 1000 - 0.0011) * 0.1564765);
}

double Table11FactorToFivePlaces(double factor, FactorTable table)
{
    return table == FactorTable::Table6A ? RoundToPlaces(factor, 5) : TruncateToPlaces(factor, 5);
}

double Table57LongTonFactor(double rho)
{
    return TruncateToPlaces(Finite((rho / 1000 - 0.0011) * 0.984236), 4);
}

double LongTons(double factor, double volume)
{
    return RoundToPlaces(Finite(factor * volume), 2);
}

std::optional<double> GallonsPerLitre(double rho)
{
    if (rho <= 770)
        return 0.26439;
    if (rho <= 787.5)
        return 0.264348;
    if (rho <= 839)
        return 0.264306;
    if (rho <= 1074)
        return 0.264264;
    return std::nullopt;
}

} // namespace dravex
