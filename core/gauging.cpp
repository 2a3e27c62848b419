// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/gauging.h"

#include "core/conventions.h"
#include "core/correction_model.h"
#include "core/volume_correction.h"

#include <string>

namespace dravex {

namespace {

constexpr double kInchesPerFoot = 12;
constexpr double kMillimetresPerMetre = 1000;
constexpr double kCubicMetresPerCubicFoot = 0.028317;
constexpr double kBarrelsPerCubicMetre = 6.2898;
// The wedge is half of the box H * (H / s) * width.
constexpr double kWedgeFactor = 2;

struct WedgeUnitNames
{
    const char *system;
    const char *length;
    const char *reading;
    const char *volume;
    const char *toLength;
    const char *quantity;
};

WedgeUnitNames unitNames(WedgeUnits units)
{
    if (units == WedgeUnits::English)
        return {"English", "ft", "in", "ft3", "reading / 12", "bbl"};
    return {"Metric", "m", "mm", "m3", "reading / 1000", "m3"};
}

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

void DescribeWedgeLimit(WedgeUnits units, double trim, double innage, double limit, bool beyond, Working &w)
{
    const WedgeUnitNames u = unitNames(units);
    w.addText("Units", u.system,
              std::string("lengths in ") + u.length + ", innage in " + u.reading + ", quantity in " + u.quantity);
    w.add("Trim", trim, u.length, "aft draft - forward draft");
    w.add("Innage", innage, u.length, u.toLength);
    w.add("Limit", limit, u.length, "(tank length - hatch to bulkhead) x trim / vessel length");
    if (beyond)
        w.addText("Out of range", "innage above the limit",
                  "the liquid reaches the far bulkhead; the wedge formula's quantity is given all the same");
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
    // For the working only, so unchecked: a zero slope stops the calculation at the volume
    // below all the same.
    w.wedgeLength = w.depthAtBulkhead / w.slope;
    const double square = Finite(w.depthAtBulkhead * w.depthAtBulkhead);
    w.doubledVolume = Divide(Finite(square * tankWidth), Divide(trim, vesselLength));
    w.volume = w.doubledVolume / kWedgeFactor;
    if (units == WedgeUnits::English)
        w.cubicMetres = w.volume * kCubicMetresPerCubicFoot;
    else
        w.cubicMetres = w.volume;
    w.roundedCubicMetres = RoundToPlaces(w.cubicMetres, 3);
    if (units == WedgeUnits::English) {
        w.barrels = Finite(w.roundedCubicMetres * kBarrelsPerCubicMetre);
        w.quantity = RoundToPlaces(w.barrels, 2);
    } else {
        w.quantity = w.roundedCubicMetres;
    }
    return w;
}

void DescribeWedgeVolume(const WedgeVolume &wedge, double tankLength, WedgeUnits units, Working &w)
{
    const WedgeUnitNames u = unitNames(units);
    w.add("Slope", wedge.slope, {}, "trim / vessel length");
    w.add("Depth at bulkhead", wedge.depthAtBulkhead, u.length,
          "innage + (hatch to bulkhead - tank depth x trim / vessel length) x slope");
    w.add("Wedge length", wedge.wedgeLength, u.length, "depth at bulkhead / slope, from the low bulkhead");
    w.add("Tank length", tankLength, u.length, "the wedge must not be longer");
    w.add("Twice the wedge volume", wedge.doubledVolume, u.volume, "depth at bulkhead^2 x tank width / slope");
    w.add("Wedge volume", wedge.volume, u.volume, "half of it");
    if (units == WedgeUnits::English) {
        w.add("Wedge volume in cubic metres", wedge.cubicMetres, "m3", "x 0.028317");
        w.add("Cubic metres rounded", wedge.roundedCubicMetres, "m3", "rounded to 0.001, sign dropped");
        w.add("Barrels before rounding", wedge.barrels, "bbl", "rounded cubic metres x 6.2898");
        w.add("Quantity remaining", wedge.quantity, "bbl", "rounded to 0.01");
    } else {
        w.add("Quantity remaining", wedge.quantity, "m3", "rounded to 0.001, sign dropped");
    }
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

namespace {

const FieldSpec kWedgeFields[] = {
    {"txtvl", "Vsl Length"},
    {"txttl", "Tank Length"},
    {"txttw", "Tank Width"},
    {"txtbhd", "Distance from Ullage Hatch to Bulkhead"},
    {"txtfdt", "Forward Draft"},
    {"txtadt", "Aft Draft"},
    {"txttdp", "Tank Depth"},
    {"txtinn", "Innage"},
    {"txtrob", "Quantity Remaining in Tank:"},
    {"txtmes", "Unit"},
    {"Option1", "English, ft. and in."},
    {"Option2", "Metric, meters"},
};

const FieldSpec kStopGaugeFields[] = {
    {"txtbm", "Net Quantity to be Moved"},
    {"txtgv", "Opening gauge quantity"},
    {"txtem", "Temp."},
    {"txtapi", "API"},
    {"txtstp", "This is the stop gauge quantity.  Find this quantity in the receiving tank strapping tables.  "
               "The gauge shown is your stop gauge."},
    {"Option1", "Table 6 A"},
    {"Option2", "Table 6 B"},
};

const FieldSpec kAverageGravityFields[] = {
    {"txtt1", "Tank 1 Gravity"}, {"txtt2", "Tank 2 Gravity"}, {"txtt3", "Tank 3 Gravity"},
    {"txtt4", "Tank 4 Gravity"}, {"txtt5", "Tank 5 Gravity"}, {"txtv1", "Tank 1 Volume"},
    {"txtv2", "Tank 2 Volume"},  {"txtv3", "Tank 3 Volume"},  {"txtv4", "Tank 4 Volume"},
};

const FieldSpec kTheoreticalDensityFields[] = {
    {"txtd1", "Density"},        {"txtv1", "Open Volume"},         {"txtd2", "Vessel Composit Density"},
    {"txtv2", "Closing Volume"}, {"txtd3", "Theoretical Density"},
};

void wedgeQuantityRemaining(FormRun &run)
{
    // Without a unit system there is no quantity to give: ask for one instead of
    // answering 0.
    if (!run.chosen("Option1") && !run.chosen("Option2"))
        run.stopForChoice("Choose English or Metric units, then press Enter in Innage again.", "no unit system chosen");
    const WedgeUnits units = run.chosen("Option1") ? WedgeUnits::English : WedgeUnits::Metric;
    const WedgeUnitNames u = unitNames(units);
    const double aftDraft = run.Read("txtadt");
    const double forwardDraft = run.Read("txtfdt");
    const double trim = WedgeTrim(aftDraft, forwardDraft);
    const double reading = run.Read("txtinn");
    const double innage = WedgeInnage(reading, units);
    const double tankLength = run.Read("txttl");
    const double hatchToBulkhead = run.Read("txtbhd");
    const double vesselLength = run.Read("txtvl");
    const double limit = WedgeLimit(tankLength, hatchToBulkhead, trim, vesselLength);
    const bool beyond = WedgeBeyondLimit(innage, limit);
    DescribeWedgeLimit(units, trim, innage, limit, beyond, run.working());
    // Deeper than the wedge: say so, and give the wedge formula's quantity all the same.
    if (beyond)
        run.warnOutOfRange("Innage " + FormatFieldNumber(reading) + " " + u.reading + " is " +
                           FormatFieldNumber(innage) + " " + u.length + ", above the wedge's limit of " +
                           FormatFieldNumber(limit) + " " + u.length +
                           ": the liquid reaches the far bulkhead; the quantity shown is the wedge formula's");
    const double tankDepth = run.Read("txttdp");
    const double tankWidth = run.Read("txttw");
    const WedgeVolume wedge = WedgeQuantity(innage, hatchToBulkhead, tankDepth, trim, vesselLength, tankWidth, units);
    DescribeWedgeVolume(wedge, tankLength, units, run.working());
    run.Show("txtrob", wedge.quantity);
    run.setText("txtmes", units == WedgeUnits::English ? "BBLS." : "Cub. Mtrs.");
}

void stopGauge(FormRun &run, VolumeFactor (*factorOf)(double api, double t))
{
    const double api = run.Read("txtapi");
    const double t = run.Read("txtem");
    const VolumeFactor factor = factorOf(api, t);
    RequireProductGroup(run, factor, api);
    CheckTable6Range(run, factor.table, api, t);
    Working &working = run.working();
    DescribeVolumeFactor(factor, working);
    const double net = run.Read("txtbm");
    const double gross = StopGaugeGross(net, factor.vcf);
    working.add("Net quantity to move", net, {}, "at 60 F");
    working.add("Gross quantity to move", gross, {}, "net / factor, not rounded");
    const double opening = run.Read("txtgv");
    const double stop = StopGaugeQuantity(opening, gross);
    const double shown = StopGaugeShown(stop);
    working.add("Opening quantity", opening);
    working.add("Stop quantity before rounding", stop, {}, "opening - gross");
    working.add("Stop gauge quantity", shown, {}, "rounded to 0.01, sign kept");
    run.Show("txtstp", shown);
}

void receivingTankGravity(FormRun &run)
{
    // The volumes first, then each tank's gravity: a missing number is reported in the
    // order the fields are read.
    static constexpr const char *kVolumes[] = {"txtv1", "txtv2", "txtv3", "txtv4"};
    static constexpr const char *kGravities[] = {"txtt1", "txtt2", "txtt3", "txtt4"};
    std::array<TankGravity, 4> tanks;
    for (std::size_t k = 0; k < tanks.size(); ++k)
        tanks[k].volume = run.Read(kVolumes[k]);
    for (std::size_t k = 0; k < tanks.size(); ++k)
        tanks[k].gravity = run.Read(kGravities[k]);
    run.Show("txtt5", AverageGravity(tanks).shown);
}

void shoreTankDensity(FormRun &run)
{
    const double openDensity = run.Read("txtd1");
    const double openVolume = run.Read("txtv1");
    const double closingVolume = run.Read("txtv2");
    const double vesselDensity = run.Read("txtd2");
    run.Show("txtd3", TheoreticalDensity(openDensity, openVolume, vesselDensity, closingVolume).shown);
}

} // namespace

const FormSpec kForm7{"Form7", "WEDGE CALCULATIONS", kWedgeFields};
const FormSpec kForm9{"Form9", "STOP GAUGE", kStopGaugeFields};
const FormSpec kForm8{"Form8", "AVERAGE GRAVITY", kAverageGravityFields};
const FormSpec kForm20{"Form20", "THEORETICAL DENSITY", kTheoreticalDensityFields};

FormResult WedgeQuantityRemaining(const FieldTexts &texts)
{
    return RunForm(kForm7, texts, wedgeQuantityRemaining);
}

FormResult StopGaugeTable6A(const FieldTexts &texts)
{
    return RunForm(kForm9, texts, [](FormRun &run) { stopGauge(run, Table6AFactor); });
}

FormResult StopGaugeTable6B(const FieldTexts &texts)
{
    return RunForm(kForm9, texts, [](FormRun &run) { stopGauge(run, Table6BFactor); });
}

FormResult ReceivingTankGravity(const FieldTexts &texts)
{
    return RunForm(kForm8, texts, receivingTankGravity);
}

FormResult ShoreTankDensity(const FieldTexts &texts)
{
    return RunForm(kForm20, texts, shoreTankDensity);
}

} // namespace dravex
