// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tank_volume.h"

#include "core/conventions.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace dravex {

namespace {

std::string num(double x)
{
    return std::isfinite(x) ? FormatFieldNumber(x) : std::string("-");
}

TableValue refused(std::string notice, std::string reason)
{
    TableValue r;
    r.stop = CalcStop{std::move(notice), std::move(reason), true};
    return r;
}

// Metres or feet to the level unit.
double lengthFactor(LengthUnit from, LevelUnit to)
{
    const bool metres = from == LengthUnit::Metres;
    switch (to) {
    case LevelUnit::Millimetres:
        return metres ? 1000 : 304.8;
    case LevelUnit::Centimetres:
        return metres ? 100 : 30.48;
    case LevelUnit::Metres:
        return metres ? 1 : 0.3048;
    case LevelUnit::FeetInchesEighths:
        return metres ? 1 / 0.0254 : 12;
    }
    return 1;
}

// The physical trims (or lists) a grid covers, given its sign convention: a trim outside
// them is refused in words, so a table printed by the head positive is not misread.
std::optional<CalcStop> beyondColumns(const TableGrid &grid, bool correction, double physical, bool turned, bool isTrim,
                                      std::string_view lengthUnit)
{
    if (grid.columns.empty())
        return std::nullopt;
    const double lo = correction ? std::min(grid.columns.front(), 0.0) : grid.columns.front();
    const double hi = correction ? std::max(grid.columns.back(), 0.0) : grid.columns.back();
    const double from = turned ? -hi : lo;
    const double to = turned ? -lo : hi;
    if (physical >= from && physical <= to)
        return std::nullopt;
    auto words = [&](double x) { return isTrim ? TrimInWords(x, lengthUnit) : ListInWords(x); };
    std::string notice = std::string(isTrim ? "The trim " : "The list ") + words(physical) + " is beyond the table's " +
                         (isTrim ? "trims" : "lists") + " (" + words(from) + " to " + words(to) + "): not extrapolated";
    return CalcStop{notice, notice, true};
}
} // namespace

TableValue GeometricTrimCorrection(double d, double trim, double lbp, LengthUnit lengthUnit, LevelUnit levelUnit)
{
    if (!(lbp > 0) || !std::isfinite(d) || !std::isfinite(trim) || !std::isfinite(lbp))
        return refused("The length between perpendiculars must be greater than 0", "no LBP");
    TableValue r;
    const double raw = ((d * trim) / lbp) * lengthFactor(lengthUnit, levelUnit);
    r.value = RoundLevelCorrection(raw, levelUnit);
    r.working.push_back("Trim correction: " + FormatLevel(r.value, levelUnit) + " ((d x t) / LBP = " + num(d) + " x " +
                        num(trim) + " / " + num(lbp) + ", rounded to " +
                        FormatLevel(LevelResolution(levelUnit), levelUnit) + ")");
    return r;
}

TableValue GeometricListCorrection(double e, double listDegrees, LengthUnit lengthUnit, LevelUnit levelUnit)
{
    if (!std::isfinite(e) || !(std::fabs(listDegrees) < 45))
        return refused("A list must be less than 45 degrees", "list out of range");
    TableValue r;
    const double raw = (e * std::tan(listDegrees * std::numbers::pi / 180)) * lengthFactor(lengthUnit, levelUnit);
    r.value = RoundLevelCorrection(raw, levelUnit);
    r.working.push_back("List correction: " + FormatLevel(r.value, levelUnit) + " (e x tan(list) = " + num(e) +
                        " x tan " + num(listDegrees) + ", rounded)");
    return r;
}

double ApplyGeometricCorrection(LevelKind kind, double observed, double correction)
{
    return kind == LevelKind::Ullage ? observed + correction : observed - correction;
}

static TableValue observedVolume(const TankTable &t, double level, const GaugeConditions &g)
{
    TableValue r;
    auto &w = r.working;
    const std::string_view unit = LevelUnitName(t.levelUnit);
    const std::string kindWord = t.levelKind == LevelKind::Ullage ? "ullage" : "innage";
    const std::string fault = g.tableChecked ? std::string() : CheckTankTable(t);
    if (!fault.empty())
        return refused(fault, fault);
    if (!std::isfinite(level) || !std::isfinite(g.trim) || !std::isfinite(g.list))
        return refused("The " + kindWord + ", trim or list is not a number", "not a number");
    w.push_back("Observed " + kindWord + ": " + FormatLevel(level, t.levelUnit));
    w.push_back("Trim: " + TrimInWords(g.trim, g.lengthUnit == LengthUnit::Metres ? "m" : "ft"));
    if (g.list != 0 || t.list)
        w.push_back("List: " + ListInWords(g.list));
    const std::string lengthUnit = g.lengthUnit == LengthUnit::Metres ? "m" : "ft";
    if (t.layout != TableLayout::LevelToVolume) {
        if (auto s = beyondColumns(t.trim, t.layout != TableLayout::TrimVolumeGrid, g.trim,
                                   t.trimConvention == TrimConvention::HeadPositive, true, lengthUnit)) {
            r.stop = std::move(s);
            return r;
        }
    }
    if (t.list) {
        if (auto s = beyondColumns(t.list->grid, true, g.list, t.list->convention == ListConvention::PortPositive,
                                   false, lengthUnit)) {
            r.stop = std::move(s);
            return r;
        }
    }
    auto take = [&](TableValue &&part) {
        w.insert(w.end(), part.working.begin(), part.working.end());
        if (part.stop) {
            r.stop = std::move(part.stop);
            return false;
        }
        return true;
    };
    double corrected = level;

    // Corrections to the level, each rounded to 1 mm (1/8 in) before it is applied.
    const bool trimTable = t.layout != TableLayout::LevelToVolume;
    if (t.layout == TableLayout::TrimLevelCorrection) {
        TableValue c = LookupGrid(t.trim, level, TableTrim(t.trimConvention, g.trim), true);
        if (!take(std::move(c)))
            return r;
        const double rounded = RoundLevelCorrection(c.value, t.levelUnit);
        corrected += rounded;
        w.push_back("Trim correction from the table: " + FormatLevel(rounded, t.levelUnit) + " (added as printed)");
    } else if (!trimTable && g.trim != 0) {
        if (g.lbp && g.longitudinalOffset) {
            TableValue c = GeometricTrimCorrection(*g.longitudinalOffset, g.trim, *g.lbp, g.lengthUnit, t.levelUnit);
            if (!take(std::move(c)))
                return r;
            corrected = ApplyGeometricCorrection(t.levelKind, corrected, c.value);
        } else if (t.kind == TankKind::Ship) {
            r.stop = CalcStop{"The table has no trim correction: give the gauge point's distance from the tank's "
                              "centre and the length between perpendiculars",
                              "no trim correction", false};
            return r;
        }
    }
    if (t.list && t.list->target == CorrectionTarget::Level) {
        TableValue c = LookupGrid(t.list->grid, level, TableList(t.list->convention, g.list), true, "list");
        if (!take(std::move(c)))
            return r;
        const double rounded = RoundLevelCorrection(c.value, t.levelUnit);
        corrected += rounded;
        w.push_back("List correction from the table: " + FormatLevel(rounded, t.levelUnit) + " (added as printed)");
    } else if (!t.list && g.list != 0) {
        if (g.transverseOffset) {
            // e is on the low side, whichever side that is: the list's size, not its side.
            TableValue c = GeometricListCorrection(*g.transverseOffset, std::fabs(g.list), g.lengthUnit, t.levelUnit);
            if (!take(std::move(c)))
                return r;
            corrected = ApplyGeometricCorrection(t.levelKind, corrected, c.value);
        } else if (t.kind == TankKind::Ship) {
            r.stop = CalcStop{"The table has no list correction: give the gauge point's distance from the tank's "
                              "centre line",
                              "no list correction", false};
            return r;
        }
    }
    if (corrected != level)
        w.push_back("Corrected " + kindWord + ": " + FormatLevel(corrected, t.levelUnit));

    const std::string what = kindWord + " (" + std::string(unit) + ")";
    TableValue v = t.layout == TableLayout::TrimVolumeGrid
                       ? LookupGrid(t.trim, corrected, TableTrim(t.trimConvention, g.trim), false)
                       : LookupColumn(t.evenKeel, corrected, what);
    double volume = v.value;
    if (!take(std::move(v)))
        return r;
    if (t.layout == TableLayout::TrimVolumeCorrection) {
        TableValue c = LookupGrid(t.trim, level, TableTrim(t.trimConvention, g.trim), true);
        const double corr = c.value;
        if (!take(std::move(c)))
            return r;
        volume = volume + corr;
        w.push_back("Trim correction to the volume: " + num(corr) + " (added as printed)");
    }
    if (t.list && t.list->target == CorrectionTarget::Volume) {
        TableValue c = LookupGrid(t.list->grid, level, TableList(t.list->convention, g.list), true, "list");
        const double corr = c.value;
        if (!take(std::move(c)))
            return r;
        volume = volume + corr;
        w.push_back("List correction to the volume: " + num(corr) + " (added as printed)");
    }
    r.value = Finite(volume);
    w.push_back("Volume: " + num(volume) + " " + std::string(VolumeUnitName(t.volumeUnit)));
    return r;
}

TableValue ObservedVolume(const TankTable &table, double level, const GaugeConditions &conditions)
{
    try {
        return observedVolume(table, level, conditions);
    } catch (const CalcFault &fault) {
        return refused(fault.message(), fault.message());
    }
}

TableValue ReverseVolume(const TankTable &table, double volume, double trim)
{
    const std::string fault = CheckTankTable(table);
    if (!fault.empty())
        return refused(fault, fault);
    if (table.layout != TableLayout::TrimVolumeGrid) {
        if (table.layout != TableLayout::LevelToVolume && trim != 0)
            return refused("A level for a volume is found on the even-keel table only: the trim corrections run from "
                           "the observed level",
                           "trim correction table");
        return ReverseLookupColumn(table.evenKeel, volume);
    }
    const TableGrid &g = table.trim;
    const double column = TableTrim(table.trimConvention, trim);
    if (!(column >= g.columns.front()) || !(column <= g.columns.back()))
        return refused("The trim " + TrimInWords(trim, "m") + " is beyond the table's trims: not extrapolated",
                       "trim beyond the table");
    TableGrid atTrim;
    atTrim.levels = g.levels;
    atTrim.values.reserve(g.levels.size());
    for (double level : g.levels) {
        const TableValue v = LookupGrid(g, level, column, false, "trim", false);
        if (v.stop)
            return v;
        atTrim.values.push_back(v.value);
    }
    TableValue r = ReverseLookupColumn(atTrim, volume);
    r.working.insert(r.working.begin(), "Volumes at the trim " + TrimInWords(trim, "m") + " along every level");
    return r;
}

} // namespace dravex
