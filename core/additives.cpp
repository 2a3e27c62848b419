#include "core/additives.h"

#include "core/conventions.h"

#include <cmath>

namespace dravex {

namespace {

constexpr double kGallonsPerBarrel = 42;

} // namespace

double FsiiFraction(double desired, double lab)
{
    const double difference = Finite(desired - lab);
    return difference / 100;
}

double FsiiGallonsForBarrels(double barrels, double fraction)
{
    const double product = Finite(barrels * fraction);
    return Finite(kGallonsPerBarrel * product);
}

double FsiiGallonsPerThousandBarrels(double shownGallons, double barrels)
{
    const double thousands = barrels / 1000;
    return Divide(shownGallons, thousands);
}

double FsiiGallonsForGallons(double gallons, double fraction)
{
    return Finite(gallons * fraction);
}

SdaDose SdaDoseFor(double lab, double desired)
{
    // Below the lab result the fuel already holds more than wanted: nothing to add.
    const double target = desired < lab ? lab : desired;
    SdaDose d;
    d.increase = Finite(target - lab);
    d.remainder = (1000 - d.increase) / 1000;
    d.fraction = Finite(1 - d.remainder);
    d.perThousand = Finite(d.fraction * 82);
    return d;
}

SdaBarrelsMix SdaMixForBarrels(const SdaDose &dose, double barrels)
{
    SdaBarrelsMix m;
    m.fuelGallons = Finite(barrels * kGallonsPerBarrel);
    m.dose = Finite((dose.perThousand / 1000) * m.fuelGallons);
    m.cut = TruncateToPlaces(m.dose, 1);
    m.millilitres = Finite(m.cut * 10);
    m.sdaGallons = m.millilitres / 3785;
    m.shown = RoundToPlaces(m.sdaGallons, 2);
    return m;
}

double SdaPremixFuelForBarrels(double shownSdaGallons)
{
    const double fuel = Finite(shownSdaGallons * 9);
    return RoundToPlaces(fuel, 2);
}

SdaGallonsMix SdaMixForGallons(const SdaDose &dose, double gallons)
{
    SdaGallonsMix m;
    m.dose = Finite((dose.perThousand / 1000) * gallons);
    m.tenths = Finite(std::fabs(m.dose) * 10);
    m.millilitres = std::floor(m.tenths) / 10;
    return m;
}

SdaGallonsPremix SdaPremixFuelForGallons(const SdaGallonsMix &mix)
{
    SdaGallonsPremix p;
    p.premix = Finite(mix.tenths * 10) / 3785;
    p.shown = RoundToPlaces(p.premix, 1);
    return p;
}

std::optional<double> SdaMinimumPremixFuel(double shownFuelGallons)
{
    if (shownFuelGallons <= kSdaMinimumPremixGallons)
        return kSdaMinimumPremixGallons;
    return std::nullopt;
}

const std::array<CorrosionInhibitor, 13> &CorrosionInhibitors()
{
    static constexpr std::array<CorrosionInhibitor, 13> products{{
        {"APOLLO PRI-19", 18},
        {"DUPONT DCI-4A", 9},
        {"DUPONT DCI-6A", 9},
        {"HITEC 580", 15},
        {"NALCO 5403", 14},
        {"TOLAD 245", 28},
        {"UNICOR J", 9},
        {"CHEMLINK IPC 4410", 9},
        {"CHEMLINK IPC 4445", 9},
        {"MOBILAD F800", 12},
        {"NALCO 5405", 11},
        {"WELCHEM 91120", 12},
        {"SPEC-AID 8021", 11},
    }};
    return products;
}

std::optional<int> CorrosionInhibitorDoseNumber(std::string_view name)
{
    for (const CorrosionInhibitor &product : CorrosionInhibitors())
        if (product.name == name)
            return product.doseNumber;
    return std::nullopt;
}

CorrosionInhibitorRate CorrosionInhibitorRateFor(int doseNumber, double specificGravity)
{
    CorrosionInhibitorRate r;
    r.active = doseNumber * 0.35;
    r.weight = Finite(specificGravity * 8.328);
    r.perBarrel = Divide(r.active, r.weight) / 1000;
    r.rounded = RoundToPlaces(r.perBarrel, 6);
    return r;
}

CorrosionInhibitorAmount CorrosionInhibitorAmountFor(double rounded, double quantity, VolumeUnit unit)
{
    CorrosionInhibitorAmount a;
    switch (unit) {
    case VolumeUnit::Barrels:
        // X6 * Q to one decimal, by way of a tenth of it.
        a.unscaled = Finite(rounded * quantity) / 10;
        a.amount = Finite(std::floor(Finite(std::fabs(a.unscaled) * 100) + 0.5) / 10);
        a.unitText = "GALs";
        break;
    case VolumeUnit::Gallons:
        a.unscaled = Finite((rounded / kGallonsPerBarrel) * quantity);
        a.amount = RoundToPlaces(a.unscaled, 1);
        a.unitText = "GALs";
        break;
    case VolumeUnit::Litres:
        a.unscaled = Finite((rounded / 3.785) * quantity);
        a.amount = RoundToPlaces(a.unscaled, 1);
        a.unitText = "LTRs";
        break;
    }
    return a;
}

DmdDose DmdDoseForBarrels(double barrels)
{
    DmdDose d;
    d.thousands = barrels / 1000;
    d.gallons = d.thousands * 0.4;
    d.shown = TruncateToPlaces(d.gallons, 2);
    return d;
}

} // namespace dravex
