// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/gravity_correction.h"

#include "core/conventions.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

namespace dravex {

namespace {

// Table 5A and 5B constants, per F.
constexpr double kBase60 = 60;
constexpr double kGlassLinear60 = 0.00001278;
constexpr double kGlassSquare60 = 0.0000000062;
constexpr double kCrudeK0PerF = 341.0957;
constexpr double kCrudeK1PerF = 0;
constexpr int kPlaces60 = 8;

// Table 53A and 53B constants, per C.
constexpr double kBase15 = 15;
constexpr double kGlassLinear15 = 0.000023;
constexpr double kGlassSquare15 = 0.00000002;
constexpr double kCrudeK0PerC = 613.9723;
constexpr double kCrudeK1PerC = 0;
constexpr int kPlaces15 = 9;

struct ExpansionPair
{
    double k0;
    double k1;
};

constexpr ExpansionPair kTable53BGasolines{346.4228, 0.4388};
constexpr ExpansionPair kTable53BJetFuels{594.5418, 0};
constexpr ExpansionPair kTable53BFuelOils{186.9696, 0.4862};

// The nearest whole number, halves to the even neighbour: 17.5 -> 18, 16.5 -> 16,
// -0.5 -> 0. The fraction v - floor(v) is exact for every finite double.
double roundHalfToEven(double v)
{
    const double down = std::floor(v);
    const double fraction = v - down;
    if (fraction > 0.5)
        return down + 1;
    if (fraction < 0.5)
        return down;
    return std::fmod(down, 2) == 0 ? down : down + 1;
}

// Glass hydrometer correction from the difference, its square and the side of the base
// temperature the typed temperature lies on.
GlassCorrection glassCorrection(double linear, double square, double dt, double dtSquared, bool atOrAboveBase)
{
    GlassCorrection g;
    g.a1 = RoundToPlaces(Finite(linear * dt), 9);
    g.a2 = RoundToPlaces(Finite(square * dtSquared), 9);
    g.factor = atOrAboveBase ? (1 - g.a1) - g.a2 : (1 + g.a1) - g.a2;
    return g;
}

// The eight substitution passes from the density at the observed temperature; x, y and z
// kept to `places` decimals. Every pass starts from the previous pass's density.
SubstitutionPasses substitute(double densityAtTemperature, ExpansionPair k, double dt, bool atOrAboveBase, int places)
{
    SubstitutionPasses passes{};
    double rho = densityAtTemperature;
    for (SubstitutionPass &p : passes) {
        p.q = TruncateToPlaces(Divide(k.k0, rho), 8);
        p.k0 = TruncateToPlaces(Divide(p.q, rho), 10);
        p.k1 = TruncateToPlaces(Divide(k.k1, rho), 10);
        p.alpha = RoundToPlaces(p.k0 + p.k1, 7);
        p.x = TruncateToPlaces(Finite(p.alpha * dt), places);
        p.y = TruncateToPlaces(0.8 * p.x, places);
        p.z = RoundToPlaces(Finite(p.x * p.y), places);
        p.exponent = atOrAboveBase ? -p.x - p.z : p.x - p.z;
        p.vcf = RoundToPlaces(Finite(std::exp(p.exponent)), 6);
        p.density = TruncateToPlaces(Divide(densityAtTemperature, p.vcf), 3);
        rho = p.density;
    }
    return passes;
}

// The glass correction's lines; the linear and square coefficients as the notes name them.
void describeGlass(const GlassCorrection &g, bool atOrAboveBase, const std::string &linear, const std::string &square,
                   const std::string &base, Working &w)
{
    w.add("Glass correction a1", g.a1, {}, linear + " x difference, rounded to 9 places");
    w.add("Glass correction a2", g.a2, {}, square + " x difference squared, rounded to 9 places");
    w.add("Hydrometer correction", g.factor, {},
          atOrAboveBase ? "1 - a1 - a2, at or above " + base : "1 + a1 - a2, below " + base);
}

// Each pass's coefficient, factor and new estimate; the first pass carries the recipe.
void describePasses(const SubstitutionPasses &passes, bool atOrAboveBase, int places, const std::string &unit,
                    Working &w)
{
    const std::string cut = std::to_string(places);
    for (std::size_t i = 0; i < passes.size(); ++i) {
        const SubstitutionPass &p = passes[i];
        const std::string pass = "Pass " + std::to_string(i + 1) + " ";
        const bool first = i == 0;
        w.add(pass + "expansion coefficient", p.alpha, "per " + unit,
              first ? "K0 / estimate cut to 8 places, / estimate cut to 10, plus K1 / estimate cut to 10, "
                      "rounded to 7; the first estimate is the density at the observed temperature"
                    : "");
        w.add(pass + "factor", p.vcf, {},
              first ? "x = alpha x difference cut to " + cut + " places, y = 0.8 x cut, z = x y rounded; " +
                          (atOrAboveBase ? "exp(-x - z)" : "exp(x - z)") + " rounded to 6 places"
                    : "");
        w.add(pass + "density estimate", p.density, "kg/m3",
              first ? "density at the observed temperature / factor, cut to 3 places" : "");
    }
}

std::string table53BBand(ProductGroup group)
{
    switch (group) {
    case ProductGroup::Gasolines:
        return "650 <= observed density <= 778.5";
    case ProductGroup::JetFuels:
        return "778.5 < observed density <= 838.5";
    case ProductGroup::FuelOils:
        return "838.5 < observed density <= 1075";
    default:
        return {};
    }
}

} // namespace

Api60Correction ObservedApiToApi60(double api, double t, TemperatureDifference form)
{
    Api60Correction c;
    c.form = form;
    c.atOrAboveBase = t >= kBase60;
    const bool atOrAboveBase = c.atOrAboveBase;
    c.difference = Finite(t - kBase60);
    std::int16_t wholeDegrees = 0;
    if (form == TemperatureDifference::WholeDegrees) {
        wholeDegrees = CheckedInt16(roundHalfToEven(c.difference));
        c.deltaT = wholeDegrees;
    } else {
        c.deltaT = c.difference;
    }

    c.observedDensity = RoundToPlaces(DensityFromApi(api), 2);

    c.deltaTSquared =
        // The 16-bit product dT * dT: 181 * 181 = 32761 fits, 182 * 182 = 33124 does not.
        form == TemperatureDifference::WholeDegrees ? CheckedInt16(double(wholeDegrees) * wholeDegrees)
                                                    : Finite(c.deltaT * c.deltaT);
    c.glass = glassCorrection(kGlassLinear60, kGlassSquare60, c.deltaT, c.deltaTSquared, atOrAboveBase);
    c.densityAtTemperature = RoundToPlaces(Finite(c.observedDensity * c.glass.factor), 2);

    c.passes = substitute(c.densityAtTemperature, {kCrudeK0PerF, kCrudeK1PerF}, c.deltaT, atOrAboveBase, kPlaces60);
    c.density60 = c.passes.back().density;
    c.api60 = Divide(141360.198, c.density60) - 131.5;
    return c;
}

void DescribeApi60Correction(const Api60Correction &c, Working &w)
{
    w.add("Temperature difference", c.difference, "F", "t - 60");
    if (c.form == TemperatureDifference::WholeDegrees)
        w.add("Whole degrees used", c.deltaT, "F", "nearest whole degree, halves to the even one");
    w.add("Observed density", c.observedDensity, "kg/m3", "141360.198 / (gravity + 131.5), rounded to 0.01");
    describeGlass(c.glass, c.atOrAboveBase, "0.00001278", "0.0000000062", "60 F", w);
    w.add("Density at the observed temperature", c.densityAtTemperature, "kg/m3",
          "observed density x hydrometer correction, rounded to 0.01");
    w.add("Constant K0", kCrudeK0PerF, {}, "crude oils, for every gravity");
    w.add("Constant K1", kCrudeK1PerF);
    describePasses(c.passes, c.atOrAboveBase, kPlaces60, "F", w);
    w.add("Density at 60 F", c.density60, "kg/m3", "the eighth pass");
    w.add("API gravity at 60 F", c.api60, "API", "141360.198 / density - 131.5");
}

double ShownApi60(double api60)
{
    return std::copysign(RoundToPlaces(api60, 1), api60);
}

std::optional<ProductGroup> Table53BGroup(double observedDensity)
{
    if (observedDensity >= 650 && observedDensity <= 778.5)
        return ProductGroup::Gasolines;
    if (observedDensity > 778.5 && observedDensity <= 838.5)
        return ProductGroup::JetFuels;
    if (observedDensity > 838.5 && observedDensity <= 1075)
        return ProductGroup::FuelOils;
    return std::nullopt;
}

Density15Correction ObservedDensityToDensity15(double observedDensity, double t, DensityTable table)
{
    Density15Correction c;
    c.table = table;
    c.atOrAboveBase = t >= kBase15;
    const bool atOrAboveBase = c.atOrAboveBase;
    c.observedDensity = observedDensity;
    c.deltaT = Finite(t - kBase15);
    c.deltaTSquared = Finite(c.deltaT * c.deltaT);
    c.glass = glassCorrection(kGlassLinear15, kGlassSquare15, c.deltaT, c.deltaTSquared, atOrAboveBase);
    c.densityAtTemperature = RoundToPlaces(Finite(observedDensity * c.glass.factor), 2);

    ExpansionPair k{kCrudeK0PerC, kCrudeK1PerC};
    if (table == DensityTable::Table53A) {
        c.group = ProductGroup::CrudeOils;
    } else {
        c.group = Table53BGroup(observedDensity);
        if (!c.group) {
            // No band: the passes run without expansion.
            c.outOfRange = true;
            k = {0, 0};
        } else if (*c.group == ProductGroup::Gasolines) {
            k = kTable53BGasolines;
        } else if (*c.group == ProductGroup::JetFuels) {
            k = kTable53BJetFuels;
        } else {
            k = kTable53BFuelOils;
        }
    }
    c.k0 = k.k0;
    c.k1 = k.k1;

    c.passes = substitute(c.densityAtTemperature, k, c.deltaT, atOrAboveBase, kPlaces15);
    c.density15 = c.passes.back().density;
    return c;
}

void DescribeDensity15Correction(const Density15Correction &c, Working &w)
{
    w.add("Temperature difference", c.deltaT, "C", "t - 15");
    w.add("Observed density", c.observedDensity, "kg/m3", "as entered");
    describeGlass(c.glass, c.atOrAboveBase, "0.000023", "0.00000002", "15 C", w);
    w.add("Density at the observed temperature", c.densityAtTemperature, "kg/m3",
          "observed density x hydrometer correction, rounded to 0.01");
    if (c.table == DensityTable::Table53A)
        w.addText("Product group", ProductGroupName(ProductGroup::CrudeOils), "any density");
    else if (c.group)
        w.addText("Product group", ProductGroupName(*c.group), table53BBand(*c.group));
    else
        w.addText("Product group", "none",
                  "observed density below 650 or above 1075: no expansion, the glass correction alone");
    w.add("Constant K0", c.k0);
    w.add("Constant K1", c.k1);
    describePasses(c.passes, c.atOrAboveBase, kPlaces15, "C", w);
    w.add("Density at 15 C", c.density15, "kg/m3", "the eighth pass");
}

namespace {

const FieldSpec kTable5AFields[] = {
    {"txtobg", " Enter Observed API ( 0.5)"},
    {"txtobt", "Enter Observed Temp. (0.5)"},
    {"txtcg", "API at 60 Deg. F ="},
};

const FieldSpec kTable5BFields[] = {
    {"txtobg", "Enter Observed API"},
    {"txtobt", "Enter Observed Temp."},
    {"txtcg", "API at 60 Deg. F ="},
};

const FieldSpec kTable53Fields[] = {
    {"txtobg", "Enter Observed Density"},
    {"txtobt", "Enter Observed Temp. C"},
    {"txtcg", "Density at 15 Deg. C"},
};

// The ranges of the printed 1980 tables, as their published descriptions give them (see
// CheckTable6Range): Table 5A observed API gravity 0 to 100, Table 5B 0 to 85, both from 0
// to 300 F; Tables 53A (610.5 to 1075 kg/m3) and 53B (653 to 1075 kg/m3) from -18 to 150 C.
void table5Gravity(FormRun &run, TemperatureDifference form)
{
    const double t = run.Read("txtobt");
    const double api = run.Read("txtobg");
    const bool a = form == TemperatureDifference::WholeDegrees;
    const std::string_view table = a ? "Table 5A" : "Table 5B";
    run.advise(BeyondPrintedTable({table, "Observed API gravity", 0, a ? 100.0 : 85.0, "API"}, api));
    run.advise(BeyondPrintedTable({table, "Observed temperature", 0, 300, "F"}, t));
    const Api60Correction corrected = ObservedApiToApi60(api, t, form);
    DescribeApi60Correction(corrected, run.working());
    const double shown = ShownApi60(corrected.api60);
    run.Show("txtcg", shown);
    run.working().add("API at 60 F shown", shown, "API", "rounded to 0.1, sign kept");
}

void table53Density(FormRun &run, DensityTable table)
{
    const double t = run.Read("txtobt");
    const double observed = run.Read("txtobg");
    const Density15Correction corrected = ObservedDensityToDensity15(observed, t, table);
    DescribeDensity15Correction(corrected, run.working());
    // Outside the Table 53B bands the window says so, and the density corrected for the
    // glass alone is still shown.
    const bool a = table == DensityTable::Table53A;
    const std::string_view name = a ? "Table 53A" : "Table 53B";
    if (corrected.outOfRange)
        run.warnOutOfRange("Observed density " + FormatFieldNumber(observed) + " kg/m3 is " +
                           (observed < 650 ? "below 650" : "above 1075") +
                           ", outside the Table 53B product groups: the density shown is corrected for the "
                           "hydrometer glass alone");
    else
        run.advise(BeyondPrintedTable({name, "Observed density", a ? 610.5 : 653, 1075, "kg/m3"}, observed));
    run.advise(BeyondPrintedTable({name, "Observed temperature", -18, 150, "C"}, t));
    const double shown = RoundToPlaces(corrected.density15, 1);
    run.Show("txtcg", shown);
    run.working().add("Density at 15 C shown", shown, "kg/m3", "rounded to 0.1");
}

} // namespace

const FormSpec kForm23{"Form23", "GRAVITY CORRECTION (TABLE 5a)", kTable5AFields};
const FormSpec kForm24{"Form24", "GRAVITY CORRECTION (TABLE 5b)", kTable5BFields};
const FormSpec kForm25{"Form25", "GRAVITY CORRECTION (TABLE 53a)", kTable53Fields};
const FormSpec kForm26{"Form26", "GRAVITY CORRECTION (TABLE 53b)", kTable53Fields};

void Table5AGravitySteps(FormRun &run)
{
    table5Gravity(run, TemperatureDifference::WholeDegrees);
}

FormResult Table5AGravity(const FieldTexts &texts)
{
    return RunForm(kForm23, texts, Table5AGravitySteps);
}

void Table5BGravitySteps(FormRun &run)
{
    table5Gravity(run, TemperatureDifference::Exact);
}

FormResult Table5BGravity(const FieldTexts &texts)
{
    return RunForm(kForm24, texts, Table5BGravitySteps);
}

void Table53ADensitySteps(FormRun &run)
{
    table53Density(run, DensityTable::Table53A);
}

FormResult Table53ADensity(const FieldTexts &texts)
{
    return RunForm(kForm25, texts, Table53ADensitySteps);
}

void Table53BDensitySteps(FormRun &run)
{
    table53Density(run, DensityTable::Table53B);
}

FormResult Table53BDensity(const FieldTexts &texts)
{
    return RunForm(kForm26, texts, Table53BDensitySteps);
}

} // namespace dravex
