// SPDX-License-Identifier: GPL-3.0-or-later
// Rounding in the 2004 edition: inputs to the increments of the printed tables, and the
// values a window shows, each rounded once from its decimal form.
#include "core/vcf2004.h"

#include "core/conventions.h"

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace dravex {

namespace {

// Nearest multiple of an increment given as its reciprocal (10 for 0.1, 20 for 0.05),
// halves away from zero; roundStep for a whole increment (5 kPa).
double roundTo(double x, double perUnit)
{
    return std::round(x * perUnit) / perUnit;
}

double roundStep(double x, double step)
{
    return std::round(x / step) * step;
}

} // namespace

Vcf2004Input RoundVcf2004Inputs(const Vcf2004Input &input)
{
    Vcf2004Input r = input;
    switch (input.densityKind) {
    case Vcf2004DensityKind::Api:
        r.density = Vcf2004RoundDecimal(input.density, 1);
        break;
    case Vcf2004DensityKind::RelativeDensity:
        r.density = Vcf2004RoundDecimal(input.density, 4);
        break;
    case Vcf2004DensityKind::KgPerM3:
        r.density = Vcf2004RoundDecimal(input.density, 1);
        break;
    }
    r.temperature = input.temperatureUnit == Vcf2004TemperatureUnit::Celsius
                        ? roundTo(input.temperature, 20)
                        : Vcf2004RoundDecimal(input.temperature, 1);
    switch (input.pressureUnit) {
    case Vcf2004PressureUnit::Psig:
        r.pressure = Vcf2004RoundDecimal(input.pressure, 0);
        break;
    case Vcf2004PressureUnit::KPa:
        r.pressure = roundStep(input.pressure, 5);
        break;
    case Vcf2004PressureUnit::Bar:
        r.pressure = roundTo(input.pressure, 20);
        break;
    }
    return r;
}

double Vcf2004RoundDecimal(double x, int places)
{
    return RoundDecimalForm(x, places);
}

double Vcf2004RoundFactor(double factor)
{
    return Vcf2004RoundDecimal(factor, 5);
}

double Vcf2004RoundFp(double fp, Vcf2004PressureUnit unit)
{
    switch (unit) {
    case Vcf2004PressureUnit::KPa:
        return Vcf2004RoundDecimal(fp, 4);
    case Vcf2004PressureUnit::Bar:
        return Vcf2004RoundDecimal(fp, 2);
    case Vcf2004PressureUnit::Psig:
        break;
    }
    return Vcf2004RoundDecimal(fp, 3);
}

double Vcf2004RoundDensity(double density, Vcf2004DensityKind kind)
{
    return Vcf2004RoundDecimal(density, kind == Vcf2004DensityKind::RelativeDensity ? 4 : 1);
}

} // namespace dravex
