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

} // namespace dravex
