// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ship_gauge.h"

#include "core/conventions.h"
#include "core/gauging.h"
#include "core/standard_volume.h"

#include <algorithm>
#include <cmath>

namespace dravex {

namespace {

std::string num(double x)
{
    return std::isfinite(x) ? FormatFieldNumber(x) : std::string("-");
}

// The flag's threshold, 3 mm or 1/8 in, in the level unit.
double spreadLimit(LevelUnit unit)
{
    return unit == LevelUnit::FeetInchesEighths ? 0.125 : 3 * LevelResolution(unit);
}

struct Quantity
{
    double volume = 0;
    bool wedge = false;
    std::optional<CalcStop> stop;
};

// The volume of a liquid at an innage: the wedge where it lies within the wedge limit,
// else the table at the level the table reads.
Quantity liquidVolume(const TankTable &t, const ShipGaugeInput &in, double innage, double tableLevel,
                      std::string_view liquid, std::vector<std::string> &w)
{
    Quantity q;
    const GaugeConditions &g = in.conditions;
    if (in.wedge && g.trim > 0) {
        const bool metric = t.levelUnit == LevelUnit::Millimetres && t.volumeUnit == VolumeUnit::CubicMetres &&
                            g.lengthUnit == LengthUnit::Metres;
        const bool english = t.levelUnit == LevelUnit::FeetInchesEighths && t.volumeUnit == VolumeUnit::Barrels &&
                             g.lengthUnit == LengthUnit::Feet;
        if (!metric && !english) {
            std::string notice = "The wedge needs a table in mm and m3 with lengths in metres, or in feet-inches and "
                                 "barrels with lengths in feet";
            q.stop = CalcStop{notice, notice, false};
            return q;
        }
        const WedgeUnits units = metric ? WedgeUnits::Metric : WedgeUnits::English;
        const WedgeTank &k = *in.wedge;
        const double length = WedgeInnage(innage, units);
        const double limit = WedgeLimit(k.tankLength, k.hatchToBulkhead, g.trim, k.vesselLength);
        if (!WedgeBeyondLimit(length, limit)) {
            Working working;
            DescribeWedgeLimit(units, g.trim, length, limit, false, working);
            const WedgeVolume v =
                WedgeQuantity(length, k.hatchToBulkhead, k.tankDepth, g.trim, k.vesselLength, k.tankWidth, units);
            DescribeWedgeVolume(v, k.tankLength, units, working);
            w.push_back(std::string(liquid) + ": a wedge (it does not reach the forward bulkhead)");
            w.insert(w.end(), working.lines().begin(), working.lines().end());
            q.volume = v.quantity;
            q.wedge = true;
            return q;
        }
    }
    TableValue v = ObservedVolume(t, tableLevel, g);
    w.push_back(std::string(liquid) + " from the table:");
    w.insert(w.end(), v.working.begin(), v.working.end());
    if (v.stop) {
        q.stop = std::move(v.stop);
        // A trim correction larger than a small innage leaves the table; the wedge answers it.
        if (!in.wedge && g.trim != 0 && q.stop->outOfRange)
            q.stop->notice += "; where the liquid does not reach all bulkheads, give the tank's dimensions for the "
                              "wedge";
    }
    q.volume = v.value;
    return q;
}

} // namespace

ReadingsAverage AverageReadings(std::span<const double> readings, LevelUnit unit)
{
    ReadingsAverage r;
    auto refuse = [&](std::string notice) {
        r.stop = CalcStop{notice, notice, false};
        return r;
    };
    if (readings.empty() || readings.size() > kMaxReadings)
        return refuse("Give one to " + std::to_string(kMaxReadings) + " readings");
    try {
        double sum = 0;
        for (double x : readings)
            sum = Finite(sum + Finite(x));
        r.average = sum / static_cast<double>(readings.size());
        r.recorded = RoundLevelCorrection(r.average, unit);
        const auto [lo, hi] = std::minmax_element(readings.begin(), readings.end());
        r.spread = *hi - *lo;
        // Compared in whole steps of the resolution, so 1.234 m - 1.231 m is 3 mm exactly.
        r.flagged = RoundHalfUp(r.spread / LevelResolution(unit), 6) >
                    RoundHalfUp(spreadLimit(unit) / LevelResolution(unit), 6);
    } catch (const CalcFault &fault) {
        return refuse(fault.message());
    }
    std::string list;
    for (double x : readings)
        list += (list.empty() ? "" : ", ") + FormatLevel(x, unit);
    r.working.push_back("Readings: " + list);
    r.working.push_back("Recorded: " + FormatLevel(r.recorded, unit) + " (average " + num(r.average) + ", to " +
                        FormatLevel(LevelResolution(unit), unit) + ")");
    if (r.flagged)
        r.working.push_back("The readings are " + FormatLevel(r.spread, unit) + " apart, more than " +
                            FormatLevel(spreadLimit(unit), unit) + ": check them");
    return r;
}

ShipGaugeResult ShipGrossObservedVolume(const TankTable &t, const ShipGaugeInput &in)
{
    ShipGaugeResult r;
    auto &w = r.working;
    auto stop = [&](CalcStop s) {
        w.push_back("Stopped: " + s.reason);
        r.stop = std::move(s);
        return r;
    };
    r.gauge = AverageReadings(in.readings, t.levelUnit);
    w.insert(w.end(), r.gauge.working.begin(), r.gauge.working.end());
    if (r.gauge.stop)
        return stop(*r.gauge.stop);
    try {
        if (in.observedReferenceHeight) {
            r.referenceDifference = Finite(*in.observedReferenceHeight - t.referenceHeight);
            const double d = *r.referenceDifference;
            w.push_back("Reference height: observed " + FormatLevel(*in.observedReferenceHeight, t.levelUnit) +
                        ", table " + FormatLevel(t.referenceHeight, t.levelUnit) +
                        (d == 0 ? ", the same"
                                : ": " + FormatLevel(std::fabs(d), t.levelUnit) + (d > 0 ? " more" : " less") +
                                      " than the table's; investigate before using the table"));
        }
        const bool ullage = t.levelKind == LevelKind::Ullage;
        const double level = r.gauge.recorded;
        const double oilInnage = ullage ? t.referenceHeight - level : level;
        Quantity oil = liquidVolume(t, in, oilInnage, level, "Total observed volume", w);
        if (oil.stop)
            return stop(*oil.stop);
        r.oilWedge = oil.wedge;
        r.tov = RecordVolume(oil.volume, t.volumeUnit);
        const std::string u(VolumeUnitName(t.volumeUnit));
        w.push_back("TOV: " + num(r.tov) + " " + u);
        if (in.waterCut != 0) {
            if (!(in.waterCut > 0))
                return stop(CalcStop{"The water cut must be an innage of 0 or more", "negative water cut", false});
            const double water = in.waterCut;
            Quantity fw = liquidVolume(t, in, water, ullage ? t.referenceHeight - water : water, "Free water", w);
            if (fw.stop)
                return stop(*fw.stop);
            r.waterWedge = fw.wedge;
            r.freeWater = RecordVolume(fw.volume, t.volumeUnit);
        }
        w.push_back("FW: " + num(r.freeWater) + " " + u);
        if (r.freeWater > r.tov)
            return stop(
                CalcStop{"The free water is more than the total observed volume", "free water above TOV", false});
        r.gov = RecordVolume(r.tov - r.freeWater, t.volumeUnit);
        w.push_back("GOV: " + num(r.gov) + " " + u + " (TOV - FW)");
    } catch (const CalcFault &fault) {
        return stop(CalcStop{fault.message(), fault.message(), false});
    }
    return r;
}

} // namespace dravex
