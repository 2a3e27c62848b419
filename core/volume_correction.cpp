#include "core/volume_correction.h"

#include "core/conventions.h"

#include <cmath>

namespace dravex {

double NetBarrels(double gross, double vcf)
{
    return RoundToPlaces(Finite(gross * vcf), 2);
}

double NetGallonsFromBarrels(double netBarrels)
{
    return std::floor(std::fabs(Finite(netBarrels * 42)));
}

double NetLitres(double gross, double vcf)
{
    return RoundToPlaces(Finite(gross * vcf), 0);
}

double NetGallonsFromLitres(double litres, double gallonsPerLitre)
{
    return std::floor(Finite(gallonsPerLitre * litres) + 0.5);
}

double BarrelsFromGallons(double gallons)
{
    return RoundToPlaces(gallons / 42, 2);
}

double CubicMetres(double litres)
{
    return Finite(litres / 1000);
}

} // namespace dravex
