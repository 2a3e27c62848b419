// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shore_tank.h"

#include "core/conventions.h"
#include "core/gravity_correction.h"
#include "core/standard_volume.h"

#include <algorithm>
#include <cmath>

namespace dravex {

namespace {

std::string num(double x)
{
    return std::isfinite(x) ? FormatFieldNumber(x) : std::string("-");
}

} // namespace

double ShellTemperature(double liquid, double ambient, bool insulated)
{
    if (insulated)
        return RoundHalfUp(liquid, 0);
    return RoundHalfUp(((7 * liquid) + ambient) / 8, 0);
}

double Ctsh(double alpha, double shellTemperature, double referenceTemperature)
{
    const double dT = shellTemperature - referenceTemperature;
    return RoundHalfUp(1 + (2 * alpha) * dT + (alpha * alpha) * (dT * dT), 5);
}

RoofState RoofStateAt(const FloatingRoof &roof, double innage)
{
    if (innage >= roof.criticalHigh)
        return RoofState::Floating;
    if (innage <= roof.criticalLow)
        return RoofState::Resting;
    return RoofState::CriticalZone;
}

ObservedGravity ObservedGravityAtTemperature(double baseGravity, double t, bool crude, bool metric, GravityScale scale)
{
    ObservedGravity r;
    r.table = metric ? (crude ? "Table 53A" : "Table 53B") : (crude ? "Table 5A" : "Table 5B");
    // The base the table gives from an observed gravity, unrounded; nullopt beyond its range.
    const auto base = [&](double observed) -> std::optional<double> {
        try {
            if (metric) {
                const Density15Correction c =
                    ObservedDensityToDensity15(observed, t, crude ? DensityTable::Table53A : DensityTable::Table53B);
                if (c.outOfRange)
                    return std::nullopt;
                return c.density15;
            }
            return ObservedApiToApi60(observed, t,
                                      crude ? TemperatureDifference::WholeDegrees : TemperatureDifference::Exact)
                .api60;
        } catch (const CalcFault &) {
            return std::nullopt;
        }
    };
    // A density is within 15 % of its base and an API within 60 degrees of it over any
    // temperature the tables cover; the gravity rises (density falls) with the observed one.
    const double span = metric ? baseGravity * 0.15 : 60;
    double low = baseGravity - span;
    double high = baseGravity + span;
    if (!metric)
        low = std::max(low, -131.0);
    const std::optional<double> atLow = base(low);
    const std::optional<double> atHigh = base(high);
    if (!std::isfinite(baseGravity) || !std::isfinite(t) || !atLow || !atHigh || *atLow > baseGravity ||
        *atHigh < baseGravity) {
        r.reason = r.table + " gives no observed gravity for " + num(baseGravity) + (metric ? " kg/m3" : " API") +
                   " at " + num(t) + (metric ? " C" : " F");
        return r;
    }
    for (int i = 0; i < 64 && high - low > 1e-9; ++i) {
        const double middle = (low + high) / 2;
        const std::optional<double> at = base(middle);
        if (!at) {
            r.reason = r.table + " gives no observed gravity for " + num(baseGravity) + (metric ? " kg/m3" : " API") +
                       " at " + num(t) + (metric ? " C" : " F");
            return r;
        }
        (*at < baseGravity ? low : high) = middle;
    }
    double observed = (low + high) / 2;
    const bool wantApi = scale == GravityScale::Api;
    if (metric && wantApi)
        observed = 141360.198 / observed - 131.5;
    else if (!metric && !wantApi)
        observed = 141360.198 / (observed + 131.5);
    r.value = RoundHalfUp(observed, 1);
    return r;
}

TableValue RoofAdjustment(const FloatingRoof &roof, VolumeUnit unit, double gravity, double densityInAir, double vcf)
{
    TableValue r;
    auto refuse = [&](std::string notice) {
        r.stop = CalcStop{notice, notice, false};
        return r;
    };
    const std::string u(VolumeUnitName(unit));
    try {
        if (roof.tableDeducted) {
            const bool api = roof.scale == GravityScale::Api;
            const double observed = RoundHalfUp(Finite(gravity), 1);
            const double difference = observed - roof.referenceGravity;
            const double change = RecordVolume(difference * roof.rate, unit);
            r.value = api ? -change : change;
            const std::string scale = api ? " API" : " kg/m3";
            r.working.push_back("Roof adjustment: " + num(r.value) + " " + u + " (gravity at tank temperature " +
                                num(observed) + scale + " against the table's " + num(roof.referenceGravity) + scale +
                                ", " + num(roof.rate) + " " + u + " per unit)");
        } else {
            if (!(densityInAir > 0) || !(vcf > 0))
                return refuse("The roof correction needs the liquid's density in air and its VCF, both above 0");
            r.value = -RecordVolume(Divide(roof.weight, densityInAir * vcf), unit);
            r.working.push_back("Roof correction: " + num(r.value) + " " + u + " (roof weight " + num(roof.weight) +
                                " / (density in air " + num(densityInAir) + " x VCF " + num(vcf) + "))");
        }
    } catch (const CalcFault &fault) {
        return refuse(fault.message());
    }
    return r;
}

ShoreTankResult ShoreGrossObservedVolume(const TankTable &table, const ShoreTankInput &in)
{
    ShoreTankResult r;
    auto stop = [&](std::string notice) {
        r.working.push_back("Stopped: " + notice);
        r.stop = CalcStop{notice, notice, false};
        return r;
    };
    if (!table.shore)
        return stop("Tank " + table.name + " has no shore tank data (shell and roof)");
    const ShoreTankData &s = *table.shore;
    const std::string u(VolumeUnitName(table.volumeUnit));
    const std::string deg = s.scale == TemperatureScale::Fahrenheit ? "F" : "C";
    try {
        if (in.freeWater > in.tov)
            return stop("The free water " + num(in.freeWater) + " " + u + " is more than the TOV " + num(in.tov) + " " +
                        u);
        Finite(in.liquidTemperature);
        Finite(in.ambientTemperature);
        r.shellTemperature = ShellTemperature(in.liquidTemperature, in.ambientTemperature, s.insulated);
        r.working.push_back("Shell temperature: " + num(r.shellTemperature) + " " + deg +
                            (s.insulated ? " (insulated: the liquid's)"
                                         : " ((7 x liquid " + num(in.liquidTemperature) + " + ambient " +
                                               num(in.ambientTemperature) + ") / 8, to a whole degree)"));
        const double alpha = ShellAlpha(s);
        r.ctsh = Ctsh(alpha, r.shellTemperature, s.shellReferenceTemperature);
        r.working.push_back("CTSh: " + num(r.ctsh) + " (1 + 2 a dT + a^2 dT^2, a " + num(alpha) + " per " + deg + " (" +
                            s.material + "), dT from " + num(s.shellReferenceTemperature) + " " + deg + ")");
        if (s.roof) {
            const double innage = table.levelKind == LevelKind::Innage ? in.level : table.referenceHeight - in.level;
            r.roof = RoofStateAt(*s.roof, innage);
            if (*r.roof == RoofState::CriticalZone)
                return stop("Tank " + table.name + ": the innage " + FormatLevel(innage, table.levelUnit) +
                            " is in the roof's critical zone (" + FormatLevel(s.roof->criticalLow, table.levelUnit) +
                            " to " + FormatLevel(s.roof->criticalHigh, table.levelUnit) + "): gauge it again");
            if (*r.roof == RoofState::Resting) {
                r.working.push_back("Roof: resting on its legs, no roof adjustment");
            } else {
                TableValue a = RoofAdjustment(*s.roof, table.volumeUnit, in.gravity, in.densityInAir, in.vcf);
                r.working.insert(r.working.end(), a.working.begin(), a.working.end());
                if (a.stop)
                    return stop(a.stop->notice);
                r.roofAdjustment = a.value;
            }
        }
        r.gov = RecordVolume((in.tov - in.freeWater) * r.ctsh + r.roofAdjustment, table.volumeUnit);
        r.working.push_back("GOV: " + num(r.gov) + " " + u + " ((TOV " + num(in.tov) + " - FW " + num(in.freeWater) +
                            ") x CTSh " + num(r.ctsh) + (r.roofAdjustment < 0 ? " - " : " + ") +
                            num(std::fabs(r.roofAdjustment)) + ")");
    } catch (const CalcFault &fault) {
        return stop(fault.message());
    }
    return r;
}

} // namespace dravex
