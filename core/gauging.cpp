#include "core/gauging.h"

#include "core/conventions.h"

namespace dravex {

namespace {

constexpr double kInchesPerFoot = 12;
constexpr double kMillimetresPerMetre = 1000;
constexpr double kCubicMetresPerCubicFoot = 0.028317;
constexpr double kBarrelsPerCubicMetre = 6.2898;
// The wedge is half of the box H * (H / s) * width.
constexpr double kWedgeFactor = 2;

} // namespace

double WedgeTrim(double aftDraft, double forwardDraft)
{
    return Finite(aftDraft - forwardDraft);
}

double WedgeInnage(double reading, WedgeUnits units)
{
    if (units == WedgeUnits::English)
        return reading / kInchesPerFoot;
    return reading / kMillimetresPerMetre;
}

double WedgeLimit(double tankLength, double hatchToBulkhead, double trim, double vesselLength)
{
    const double length = Finite(tankLength - hatchToBulkhead);
    return Divide(Finite(length * trim), vesselLength);
}

bool WedgeBeyondLimit(double innage, double limit)
{
    return innage > limit;
}

WedgeVolume WedgeQuantity(double innage, double hatchToBulkhead, double tankDepth, double trim, double vesselLength,
                          double tankWidth, WedgeUnits units)
{
    WedgeVolume w;
    // The tape leans with the trim: it meets the bottom (TD * T) / VL further aft than the
    // hatch, so the sounding point lies BHD - (TD * T) / VL from the low bulkhead.
    const double lean = Divide(Finite(tankDepth * trim), vesselLength);
    const double run = Finite(hatchToBulkhead - lean);
    w.slope = Divide(trim, vesselLength);
    w.depthAtBulkhead = Finite(innage + Finite(run * w.slope));
    const double square = Finite(w.depthAtBulkhead * w.depthAtBulkhead);
    w.doubledVolume = Divide(Finite(square * tankWidth), Divide(trim, vesselLength));
    const double volume = w.doubledVolume / kWedgeFactor;
    if (units == WedgeUnits::English)
        w.cubicMetres = volume * kCubicMetresPerCubicFoot;
    else
        w.cubicMetres = volume;
    w.roundedCubicMetres = RoundToPlaces(w.cubicMetres, 3);
    if (units == WedgeUnits::English) {
        w.barrels = Finite(w.roundedCubicMetres * kBarrelsPerCubicMetre);
        w.quantity = RoundToPlaces(w.barrels, 2);
    } else {
        w.quantity = w.roundedCubicMetres;
    }
    return w;
}

double StopGaugeGross(double net, double vcf)
{
    return Divide(net, vcf);
}

double StopGaugeQuantity(double opening, double gross)
{
    return Finite(opening - gross);
}

double StopGaugeShown(double stop)
{
    const double magnitude = RoundToPlaces(stop, 2);
    return stop < 0 ? -magnitude : magnitude;
}

AverageGravityResult AverageGravity(const std::array<TankGravity, 4> &tanks)
{
    AverageGravityResult r;
    for (std::size_t k = 0; k < tanks.size(); ++k)
        r.products[k] = Finite(tanks[k].gravity * tanks[k].volume);
    r.sum = Finite(Finite(Finite(r.products[0] + r.products[1]) + r.products[2]) + r.products[3]);
    r.totalVolume = Finite(Finite(Finite(tanks[0].volume + tanks[1].volume) + tanks[2].volume) + tanks[3].volume);
    r.mean = Divide(r.sum, r.totalVolume);
    r.shown = RoundToPlaces(r.mean, 2);
    return r;
}

TheoreticalDensityResult TheoreticalDensity(double openDensity, double openVolume, double vesselDensity,
                                            double closingVolume)
{
    TheoreticalDensityResult r;
    r.openProduct = Finite(openDensity * openVolume);
    r.received = Finite(closingVolume - openVolume);
    r.receivedProduct = Finite(vesselDensity * r.received);
    r.sum = Finite(r.openProduct + r.receivedProduct);
    r.density = Divide(r.sum, closingVolume);
    r.shown = RoundToPlaces(r.density, 1);
    return r;
}

} // namespace dravex
