// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/vcf2004.h"

#include "core/conventions.h"

#include <cmath>
#include <string>

namespace dravex {

namespace {

// Density of water at 60 F (kg/m3) that turns API gravity and relative density into
// density, and the shift of 60 F between the IPTS-68 and ITS-90 scales (F).
constexpr double kWater60 = 999.016;
constexpr double kDelta60 = 0.01374979547;
constexpr double kBase60Ipts68 = 60.0068749;

// Coefficients a1..a8 of the ITS-90 to IPTS-68 difference (11.1.5.3).
constexpr std::array<double, 8> kIpts68{-0.148759, -0.267408, 1.080760, 1.269056,
                                        -4.089591, -1.871251, 7.438081, -3.536296};

constexpr double kKpaPerPsi = 6.894757;
constexpr double kBarPerPsi = 0.06894757;

// Limits (11.1.2): the temperature and pressure for every group, the density at 60 F
// and, for special applications, the expansion coefficient.
constexpr double kMinF = -58;
constexpr double kMaxF = 302;
constexpr double kMaxPsig = 1500;
// Full vacuum: one standard atmosphere (101.325 kPa) below the gauge's zero, in each unit
// as a gauge reads it.
constexpr double kFullVacuumPsig = -14.696;
constexpr double kFullVacuumKpa = -101.325;
constexpr double kFullVacuumBar = -1.01325;
constexpr double kMinDensity = 610.6;
constexpr double kMinLubricantDensity = 800.9;
constexpr double kMaxDensity = 1163.5;
constexpr double kMinAlpha = 230.0e-6;
constexpr double kMaxAlpha = 930.0e-6;

// Limits of an observed density (kg/m3), wider than those at 60 F: a product at its
// limit at 60 F is lighter when warm and denser when cold.
struct ObservedLimits
{
    double low;
    double high;
};

ObservedLimits observedLimits(Vcf2004Commodity commodity)
{
    switch (commodity) {
    case Vcf2004Commodity::RefinedProducts:
        return {470.4, 1209.5};
    case Vcf2004Commodity::LubricatingOils:
        return {714.3, 1208.3};
    case Vcf2004Commodity::CrudeOils:
    case Vcf2004Commodity::SpecialApplications:
        break;
    }
    return {470.5, 1201.8};
}

// Borders of the refined-product groups by density at 60 F.
constexpr double kGasolineBorder = 770.3520;
constexpr double kTransitionBorder = 787.5195;
constexpr double kJetFuelBorder = 838.3127;

Vcf2004Group fixedGroup(Vcf2004Commodity commodity)
{
    switch (commodity) {
    case Vcf2004Commodity::CrudeOils:
        return Vcf2004Group::CrudeOils;
    case Vcf2004Commodity::LubricatingOils:
        return Vcf2004Group::LubricatingOils;
    case Vcf2004Commodity::SpecialApplications:
        return Vcf2004Group::SpecialApplications;
    case Vcf2004Commodity::RefinedProducts:
        break;
    }
    return Vcf2004Group::FuelOils; // not reached for refined products
}

Vcf2004Group groupFor(Vcf2004Commodity commodity, double rho60)
{
    return commodity == Vcf2004Commodity::RefinedProducts ? RefinedProductsGroup(rho60) : fixedGroup(commodity);
}

const char *temperatureUnitName(Vcf2004TemperatureUnit unit)
{
    return unit == Vcf2004TemperatureUnit::Celsius ? "C" : "F";
}

} // namespace

const char *Vcf2004PressureUnitName(Vcf2004PressureUnit unit)
{
    switch (unit) {
    case Vcf2004PressureUnit::KPa:
        return "kPa";
    case Vcf2004PressureUnit::Bar:
        return "bar";
    case Vcf2004PressureUnit::Psig:
        break;
    }
    return "psig";
}

namespace {

const char *densityUnitName(Vcf2004DensityKind kind)
{
    switch (kind) {
    case Vcf2004DensityKind::Api:
        return "API";
    case Vcf2004DensityKind::RelativeDensity:
        return "RD";
    case Vcf2004DensityKind::KgPerM3:
        break;
    }
    return "kg/m3";
}

const char *baseName(Vcf2004Base base)
{
    switch (base) {
    case Vcf2004Base::C15:
        return "15 C";
    case Vcf2004Base::C20:
        return "20 C";
    case Vcf2004Base::F60:
        break;
    }
    return "60 F";
}

std::string shown(double x)
{
    return std::isfinite(x) ? FormatFieldNumber(x)
                            : std::string(std::isnan(x) ? "not a number" : "too large to calculate with");
}

Vcf2004Stop outOfLimit(const std::string &input, double value, double limit, const std::string &unit, bool below,
                       const std::string &what = {})
{
    Vcf2004Stop s;
    s.kind = Vcf2004Stop::Kind::OutOfLimit;
    s.input = input;
    s.value = value;
    s.limit = limit;
    s.unit = unit;
    const std::string u = unit.empty() ? "" : " " + unit;
    s.notice = input + " " + shown(value) + u + " is " + (below ? "below" : "above") + " the limit " + shown(limit) +
               u + (what.empty() ? "" : " " + what);
    return s;
}

// The stop for a value outside [low, high]; a value that is not a number is beyond both.
std::optional<Vcf2004Stop> checkRange(const std::string &input, double value, double low, double high,
                                      const std::string &unit, const std::string &what = {})
{
    if (!(value >= low))
        return outOfLimit(input, value, low, unit, true, what);
    if (!(value <= high))
        return outOfLimit(input, value, high, unit, false, what);
    return std::nullopt;
}

double densityFromEntry(double value, Vcf2004DensityKind kind)
{
    switch (kind) {
    case Vcf2004DensityKind::Api:
        return Vcf2004DensityFromApi(value);
    case Vcf2004DensityKind::RelativeDensity:
        return Vcf2004DensityFromRelativeDensity(value);
    case Vcf2004DensityKind::KgPerM3:
        break;
    }
    return value;
}

double baseFahrenheit(Vcf2004Base base)
{
    switch (base) {
    case Vcf2004Base::C15:
        return Vcf2004Fahrenheit(15, Vcf2004TemperatureUnit::Celsius);
    case Vcf2004Base::C20:
        return Vcf2004Fahrenheit(20, Vcf2004TemperatureUnit::Celsius);
    case Vcf2004Base::F60:
        break;
    }
    return 60;
}

// How steeply alpha60 falls with density in each group, the factor Dalpha of the
// temperature term of the search's derivative. Special applications have an alpha60 that
// does not depend on density.
double densitySlope(Vcf2004Group group)
{
    switch (group) {
    case Vcf2004Group::CrudeOils:
    case Vcf2004Group::JetFuels:
        return 2.0;
    case Vcf2004Group::FuelOils:
        return 1.3;
    case Vcf2004Group::TransitionZone:
        return 8.5;
    case Vcf2004Group::Gasolines:
        return 1.5;
    case Vcf2004Group::LubricatingOils:
        return 1.0;
    case Vcf2004Group::SpecialApplications:
        break;
    }
    return 0;
}

} // namespace

const char *Vcf2004GroupName(Vcf2004Group group)
{
    switch (group) {
    case Vcf2004Group::CrudeOils:
        return "crude oils";
    case Vcf2004Group::Gasolines:
        return "gasolines";
    case Vcf2004Group::TransitionZone:
        return "transition zone";
    case Vcf2004Group::JetFuels:
        return "jet fuels";
    case Vcf2004Group::FuelOils:
        return "fuel oils";
    case Vcf2004Group::LubricatingOils:
        return "lubricating oils";
    case Vcf2004Group::SpecialApplications:
        return "special applications";
    }
    return "";
}

Vcf2004Constants Vcf2004GroupConstants(Vcf2004Group group, double alpha60)
{
    switch (group) {
    case Vcf2004Group::CrudeOils:
        return {341.0957, 0, 0};
    case Vcf2004Group::Gasolines:
        return {192.4571, 0.2438, 0};
    case Vcf2004Group::TransitionZone:
        return {1489.0670, 0, -0.0018684};
    case Vcf2004Group::JetFuels:
        return {330.3010, 0, 0};
    case Vcf2004Group::FuelOils:
        return {103.8720, 0.2701, 0};
    case Vcf2004Group::LubricatingOils:
        return {0, 0.34878, 0};
    case Vcf2004Group::SpecialApplications:
        return {0, 0, alpha60};
    }
    return {};
}

Vcf2004Group RefinedProductsGroup(double rho60)
{
    if (rho60 < kGasolineBorder)
        return Vcf2004Group::Gasolines;
    if (rho60 < kTransitionBorder)
        return Vcf2004Group::TransitionZone;
    if (rho60 < kJetFuelBorder)
        return Vcf2004Group::JetFuels;
    return Vcf2004Group::FuelOils;
}

double Vcf2004DensityFromApi(double api)
{
    return 141.5 / (api + 131.5) * kWater60;
}

double Vcf2004DensityFromRelativeDensity(double rd)
{
    return rd * kWater60;
}

double Vcf2004ApiFromDensity(double rho)
{
    return 141.5 / (rho / kWater60) - 131.5;
}

double Vcf2004RelativeDensityFromDensity(double rho)
{
    return rho / kWater60;
}

double Vcf2004Fahrenheit(double t, Vcf2004TemperatureUnit unit)
{
    return unit == Vcf2004TemperatureUnit::Celsius ? 1.8 * t + 32 : t;
}

double Vcf2004Psig(double pressure, Vcf2004PressureUnit unit)
{
    switch (unit) {
    case Vcf2004PressureUnit::KPa:
        return pressure / kKpaPerPsi;
    case Vcf2004PressureUnit::Bar:
        return pressure / kBarPerPsi;
    case Vcf2004PressureUnit::Psig:
        break;
    }
    return pressure;
}

double Vcf2004FpInUnit(double fpPerPsi, Vcf2004PressureUnit unit)
{
    switch (unit) {
    case Vcf2004PressureUnit::KPa:
        return fpPerPsi / kKpaPerPsi;
    case Vcf2004PressureUnit::Bar:
        return fpPerPsi / kBarPerPsi;
    case Vcf2004PressureUnit::Psig:
        break;
    }
    return fpPerPsi;
}

double Vcf2004Ipts68Fahrenheit(double tF)
{
    const double tC = (tF - 32) / 1.8;
    const double tau = tC / 630;
    double sum = kIpts68[7];
    for (int i = 6; i >= 0; --i)
        sum = kIpts68[static_cast<std::size_t>(i)] + tau * sum;
    const double dt = tau * sum;
    const double t68 = tC - dt;
    return 1.8 * t68 + 32;
}

Vcf2004Factors Vcf2004FactorsAt(Vcf2004Commodity commodity, double rho60, double tF, double psig, double alpha60)
{
    Vcf2004Factors f;
    f.group = groupFor(commodity, rho60);
    f.constants = Vcf2004GroupConstants(f.group, alpha60);
    const double k0 = f.constants.k0;
    const double k1 = f.constants.k1;
    const double k2 = f.constants.k2;
    f.rho60 = rho60;
    f.a = kDelta60 / 2 * ((k0 / rho60 + k1) / rho60 + k2);
    f.b = (2 * k0 + k1 * rho60) / (k0 + (k1 + k2 * rho60) * rho60);
    f.rhoStar = rho60 * (1 + (std::exp(f.a * (1 + 0.8 * f.a)) - 1) / (1 + f.a * (1 + 1.6 * f.a) * f.b));
    f.tStar = Vcf2004Ipts68Fahrenheit(tF);
    f.alpha60 = k0 / (f.rhoStar * f.rhoStar) + k1 / f.rhoStar + k2;
    f.deltaT = f.tStar - kBase60Ipts68;
    f.ctl = std::exp(-f.alpha60 * f.deltaT * (1 + 0.8 * f.alpha60 * (f.deltaT + kDelta60)));
    f.fp = std::exp(-1.9947 + 0.00013427 * f.tStar + (793920 + 2326 * f.tStar) / (f.rhoStar * f.rhoStar));
    f.pressure = psig > 0 ? psig : 0;
    f.cpl = 1 / (1 - 0.00001 * f.fp * f.pressure);
    f.ctpl = f.ctl * f.cpl;
    return f;
}

Vcf2004Search Vcf2004ObservedToBase(Vcf2004Commodity commodity, double observed, double tF, double psig, double alpha60)
{
    Vcf2004Search s;
    // The estimates stay within the commodity's limits of density at 60 F: the start and
    // every step beyond them is set back to the limit it crossed. A density at 60 F truly
    // beyond a limit keeps being set back and never converges; that crossing is recorded.
    const bool bounded = commodity != Vcf2004Commodity::SpecialApplications;
    const double low = commodity == Vcf2004Commodity::LubricatingOils ? kMinLubricantDensity : kMinDensity;
    const auto keepWithinLimits = [&](double rho) {
        if (!bounded || !std::isfinite(rho))
            return rho;
        if (rho < low || rho > kMaxDensity)
            s.beyondLimit = rho;
        else
            s.beyondLimit.reset();
        return rho < low ? low : rho > kMaxDensity ? kMaxDensity : rho;
    };
    double rho = keepWithinLimits(observed);
    for (int m = 0; m < kVcf2004MaxIterations; ++m) {
        if (!(rho > 0) || !std::isfinite(rho))
            break;
        const Vcf2004Factors f = Vcf2004FactorsAt(commodity, rho, tF, psig, alpha60);
        s.factors = f;
        Vcf2004Iteration &step = s.steps[static_cast<std::size_t>(m)];
        s.count = m + 1;
        step.rho60 = rho;
        step.group = f.group;
        step.ctpl = f.ctpl;
        step.residual = rho * f.ctl * f.cpl - observed;
        if (std::fabs(step.residual) < kVcf2004Tolerance) {
            step.next = rho;
            s.converged = true;
            break;
        }
        // Newton's step on rho60 CTL CPL = observed. The derivatives are taken on the
        // temperature as entered (t - 60, not t*), the temperature term through the group's
        // slope factor, the pressure term with its own sign.
        const double e = observed / (f.ctl * f.cpl) - rho;
        const double dt = tF - 60;
        const double dtl = densitySlope(f.group) * f.alpha60 * dt * (1 + 1.6 * f.alpha60 * dt);
        const double dp = -2 * f.cpl * f.pressure * f.fp * (7.93920 + 0.02326 * tF) / (rho * rho);
        step.next = keepWithinLimits(rho + e / (1 + dtl + dp));
        rho = step.next;
    }
    return s;
}

void DescribeVcf2004InputRounding(const Vcf2004Input &entered, const Vcf2004Input &rounded, Working &w)
{
    const auto line = [&w](const char *name, double from, double to, const std::string &unit, const char *step) {
        if (from != to)
            w.add(name, to, unit, shown(from) + " " + unit + " rounded to " + step + ", the table increment");
    };
    static const char *const densitySteps[] = {"0.1", "0.0001", "0.1"};
    line("Density used", entered.density, rounded.density, densityUnitName(entered.densityKind),
         densitySteps[static_cast<int>(entered.densityKind)]);
    line("Temperature used", entered.temperature, rounded.temperature, temperatureUnitName(entered.temperatureUnit),
         entered.temperatureUnit == Vcf2004TemperatureUnit::Celsius ? "0.05" : "0.1");
    static const char *const pressureSteps[] = {"1", "5", "0.05"};
    line("Pressure used", entered.pressure, rounded.pressure, Vcf2004PressureUnitName(entered.pressureUnit),
         pressureSteps[static_cast<int>(entered.pressureUnit)]);
}

Vcf2004Result Vcf2004Correction(const Vcf2004Input &input)
{
    Vcf2004Result r;
    r.input = input;
    const Vcf2004Commodity commodity = input.commodity;
    const bool special = commodity == Vcf2004Commodity::SpecialApplications;
    const char *tUnit = temperatureUnitName(input.temperatureUnit);

    // Limits on the entries as given, in the unit they were given in.
    if (special) {
        if (!input.alpha60) {
            Vcf2004Stop s;
            s.kind = Vcf2004Stop::Kind::MissingAlpha;
            s.input = "Alpha60";
            s.notice = "Special applications need the expansion coefficient alpha60";
            r.stop = s;
            return r;
        }
        if ((r.stop = checkRange("Alpha60", *input.alpha60, kMinAlpha, kMaxAlpha, "per F")))
            return r;
    }
    const double alpha60 = special ? *input.alpha60 : 0;
    r.tF = Vcf2004Fahrenheit(input.temperature, input.temperatureUnit);
    if (input.temperatureUnit == Vcf2004TemperatureUnit::Celsius)
        r.stop = checkRange("Temperature", input.temperature, -50, 150, tUnit);
    else
        r.stop = checkRange("Temperature", input.temperature, kMinF, kMaxF, tUnit);
    if (r.stop)
        return r;
    r.psig = Vcf2004Psig(input.pressure, input.pressureUnit);
    const char *pUnit = Vcf2004PressureUnitName(input.pressureUnit);
    // Below full vacuum a gauge pressure is impossible: a stop, as beyond the upper limit.
    const double vacuum = input.pressureUnit == Vcf2004PressureUnit::KPa   ? kFullVacuumKpa
                          : input.pressureUnit == Vcf2004PressureUnit::Bar ? kFullVacuumBar
                                                                           : kFullVacuumPsig;
    if (!(input.pressure >= vacuum) || std::isnan(r.psig)) {
        r.stop = outOfLimit("Pressure", input.pressure, vacuum, pUnit, true, "(full vacuum)");
        return r;
    }
    if (!(r.psig <= kMaxPsig)) {
        const double limit = kMaxPsig / Vcf2004Psig(1, input.pressureUnit);
        r.stop = outOfLimit("Pressure", input.pressure, limit, pUnit, false);
        return r;
    }
    if (r.psig < 0) {
        r.vacuumTakenAsZero = true;
        r.vacuumNotice = "Pressure " + shown(input.pressure) + " " + pUnit +
                         " is below 0: the 2004 edition takes a negative gauge pressure as 0 " + pUnit;
    }
    if ((input.densityKind != Vcf2004DensityKind::KgPerM3) && !input.observed && input.base != Vcf2004Base::F60) {
        Vcf2004Stop s;
        s.kind = Vcf2004Stop::Kind::OutOfLimit;
        s.input = "Density";
        s.value = input.density;
        s.unit = densityUnitName(input.densityKind);
        s.notice = std::string("API gravity and relative density are at 60 F: give the density at ") +
                   baseName(input.base) + " in kg/m3";
        r.stop = s;
        return r;
    }

    const double entered = densityFromEntry(input.density, input.densityKind);
    if (!std::isfinite(entered)) {
        // An API gravity of -131.5 is no density at all; a relative density near the
        // largest number is beyond what can be calculated with.
        Vcf2004Stop s;
        s.kind = Vcf2004Stop::Kind::OutOfLimit;
        s.input = "Density";
        s.value = input.density;
        s.unit = densityUnitName(input.densityKind);
        s.notice = std::string(input.densityKind == Vcf2004DensityKind::Api ? "API gravity " : "Density ") +
                   shown(input.density) + " " + s.unit + " gives no density at 60 F";
        r.stop = s;
        return r;
    }
    const double minDensity = commodity == Vcf2004Commodity::LubricatingOils ? kMinLubricantDensity : kMinDensity;
    r.baseF = baseFahrenheit(input.base);
    const std::string groupWord =
        std::string("for ") +
        (commodity == Vcf2004Commodity::RefinedProducts ? "refined products" : Vcf2004GroupName(fixedGroup(commodity)));
    const auto noConvergence = [&r](double value) {
        Vcf2004Stop s;
        s.kind = Vcf2004Stop::Kind::NoConvergence;
        s.input = "Density";
        s.value = value;
        s.unit = "kg/m3";
        s.notice = "The density at 60 F could not be found from " + shown(value) + " kg/m3 within " +
                   std::to_string(kVcf2004MaxIterations) + " steps";
        r.stop = s;
    };

    // The density at 60 F: as given, or found by search from the observed density (at t
    // and P) or from the density at a metric base (at the base temperature and 0 psig).
    if (!input.observed && input.base == Vcf2004Base::F60) {
        r.density60 = entered;
    } else {
        if (!(entered > 0) || !std::isfinite(entered)) {
            r.stop = outOfLimit("Density", entered, 0, "kg/m3", !(entered > 0));
            return r;
        }
        if (input.observed && !special) {
            const ObservedLimits lim = observedLimits(commodity);
            if ((r.stop = checkRange("Observed density", entered, lim.low, lim.high, "kg/m3", groupWord)))
                return r;
        }
        const double searchF = input.observed ? r.tF : r.baseF;
        const double searchPsig = input.observed ? r.psig : 0;
        r.search = Vcf2004ObservedToBase(commodity, entered, searchF, searchPsig, alpha60);
        if (!r.search->converged && r.search->beyondLimit) {
            r.stop = checkRange("Density at 60 F", *r.search->beyondLimit, minDensity, kMaxDensity, "kg/m3", groupWord);
            return r;
        }
        if (!r.search->converged) {
            noConvergence(entered);
            return r;
        }
        r.density60 = r.search->factors.rho60;
    }
    if ((r.stop = checkRange("Density at 60 F", r.density60, minDensity, kMaxDensity, "kg/m3", groupWord)))
        return r;

    // The correction from 60 F to t and P, and at a metric base the correction from 60 F
    // to the base, whose ratio takes the base to t.
    if (input.observed && input.base == Vcf2004Base::F60)
        r.factors = r.search->factors;
    else
        r.factors = Vcf2004FactorsAt(commodity, r.density60, r.tF, r.psig, alpha60);
    r.ctl = r.factors.ctl;
    if (input.base != Vcf2004Base::F60) {
        if (!input.observed)
            r.atBase = r.search->factors;
        else
            r.atBase = Vcf2004FactorsAt(commodity, r.density60, r.baseF, 0, alpha60);
        r.ctl = r.factors.ctl / r.atBase->ctl;
    }
    r.densityBase =
        input.observed ? (r.atBase ? r.density60 * r.atBase->ctl : r.density60) : (r.atBase ? entered : r.density60);
    r.fp = r.factors.fp;
    r.cpl = r.factors.cpl;
    r.ctpl = r.ctl * r.cpl;
    r.ctlRounded = Vcf2004RoundFactor(r.ctl);
    r.fpRounded = Vcf2004RoundFp(r.fp, Vcf2004PressureUnit::Psig);
    r.cplRounded = Vcf2004RoundFactor(r.cpl);
    r.ctplRounded = Vcf2004RoundFactor(r.ctpl);
    r.api60 = Vcf2004ApiFromDensity(r.density60);
    r.rd60 = Vcf2004RelativeDensityFromDensity(r.density60);
    // Every result a window shows must be a number: a non-finite factor is a stop.
    if (!std::isfinite(r.ctpl) || !std::isfinite(r.fp) || !std::isfinite(r.densityBase))
        noConvergence(entered);
    return r;
}

namespace {

void describeFactors(const Vcf2004Factors &f, const std::string &where, Working &w)
{
    w.addText("Group", Vcf2004GroupName(f.group), "constants K0, K1, K2 of the group");
    w.add("K0", f.constants.k0);
    w.add("K1", f.constants.k1);
    w.add("K2", f.constants.k2);
    w.add("A", f.a, {}, "delta60 / 2 x ((K0 / rho60 + K1) / rho60 + K2)");
    w.add("B", f.b, {}, "(2 K0 + K1 rho60) / (K0 + (K1 + K2 rho60) rho60)");
    w.add("Density rho*", f.rhoStar, "kg/m3", "rho60 shifted to the IPTS-68 basis");
    w.add("Temperature t*" + where, f.tStar, "F", "on the IPTS-68 scale");
    w.add("Alpha60", f.alpha60, "per F", "K0 / rho*^2 + K1 / rho* + K2");
    w.add("Delta T" + where, f.deltaT, "F", "t* - 60.0068749");
    w.add("CTL" + where, f.ctl, {}, "exp(-alpha60 dT (1 + 0.8 alpha60 (dT + delta60))), unrounded");
    w.add("Fp" + where, f.fp, "per psi", "exp(-1.9947 + 0.00013427 t* + (793920 + 2326 t*) / rho*^2), unrounded");
    w.add("Pressure" + where, f.pressure, "psig", "a negative gauge pressure taken as 0");
    w.add("CPL" + where, f.cpl, {}, "1 / (1 - 0.00001 Fp P), unrounded");
}

} // namespace

void DescribeVcf2004Correction(const Vcf2004Result &r, Working &w)
{
    const Vcf2004Input &in = r.input;
    if (in.commodity == Vcf2004Commodity::SpecialApplications && in.alpha60)
        w.add("Alpha60 entered", *in.alpha60, "per F");
    w.add(in.observed ? "Observed density" : std::string("Density at ") + baseName(in.base), in.density,
          densityUnitName(in.densityKind));
    w.add("Temperature", in.temperature, temperatureUnitName(in.temperatureUnit));
    w.add("Pressure", in.pressure, Vcf2004PressureUnitName(in.pressureUnit));
    if (r.stop && r.stop->input != "Density at 60 F" && r.stop->kind != Vcf2004Stop::Kind::NoConvergence) {
        w.addText("Stopped", r.stop->notice);
        return;
    }
    if (in.temperatureUnit == Vcf2004TemperatureUnit::Celsius)
        w.add("Temperature in F", r.tF, "F", "1.8 t + 32");
    if (in.pressureUnit != Vcf2004PressureUnit::Psig)
        w.add("Pressure in psig", r.psig, "psig");
    if (in.densityKind != Vcf2004DensityKind::KgPerM3)
        w.add("Density entered", densityFromEntry(in.density, in.densityKind), "kg/m3",
              in.densityKind == Vcf2004DensityKind::Api ? "141.5 / (API + 131.5) x 999.016" : "RD x 999.016");
    if (r.search) {
        const std::string from = in.observed ? "the observed density at t and P" : "the base density at the base";
        w.addText("Search for the density at 60 F", "from " + from, "11.1.6.2, at most 15 steps");
        for (int i = 0; i < r.search->count; ++i) {
            const Vcf2004Iteration &s = r.search->steps[static_cast<std::size_t>(i)];
            const std::string n = "Step " + std::to_string(i + 1);
            w.add(n + " estimate", s.rho60, "kg/m3", Vcf2004GroupName(s.group));
            w.add(n + " CTPL", s.ctpl);
            w.add(n + " residual", s.residual, "kg/m3", "estimate x CTL x CPL - entered");
            if (s.next != s.rho60)
                w.add(n + " next estimate", s.next, "kg/m3", "estimate + E / (1 + DTL + DP)");
            else
                w.addText(n, "converged", "residual below 0.000001 kg/m3");
        }
    }
    if (r.stop) {
        w.addText("Stopped", r.stop->notice);
        return;
    }
    w.add("Density at 60 F", r.density60, "kg/m3", "rho60");
    describeFactors(r.factors, "", w);
    if (r.atBase) {
        w.addText("Correction from 60 F to the base", baseName(in.base), "at 0 psig");
        w.add("t* at the base", r.atBase->tStar, "F");
        w.add("CTL at the base", r.atBase->ctl, {}, "unrounded");
        w.add("CTL from the base", r.ctl, {}, "CTL / CTL at the base, unrounded");
        w.add(std::string("Density at ") + baseName(in.base), r.densityBase, "kg/m3");
    }
    w.add("CTPL", r.ctpl, {}, "unrounded CTL x unrounded CPL");
    w.add("CTL rounded", r.ctlRounded, {}, "to 5 places");
    w.add("Fp rounded", r.fpRounded, "per psi", "to 3 places");
    w.add("CPL rounded", r.cplRounded, {}, "to 5 places");
    w.add("CTPL rounded", r.ctplRounded, {}, "to 5 places, from the unrounded product");
}

} // namespace dravex
