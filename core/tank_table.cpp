// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tank_table.h"

#include "core/conventions.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace dravex {

namespace {

std::string num(double x)
{
    return std::isfinite(x) ? FormatFieldNumber(x) : std::string("-");
}

TableValue refused(std::string notice, std::string reason, std::vector<std::string> working = {})
{
    TableValue r;
    r.stop = CalcStop{std::move(notice), std::move(reason), true};
    r.working = std::move(working);
    return r;
}

// A value interpolated between finite entries can still overflow (entries near the double's
// limit); it is refused, never shown.
TableValue finite(TableValue r)
{
    if (!r.stop && !std::isfinite(r.value))
        return refused("The table's values are too large to interpolate", "overflow");
    return r;
}

// The rows that bracket x: lo <= x <= hi, lo == hi on an exact entry. False outside.
bool bracket(const std::vector<double> &axis, double x, std::size_t &lo, std::size_t &hi)
{
    if (axis.empty() || !(x >= axis.front()) || !(x <= axis.back()))
        return false;
    const auto it = std::lower_bound(axis.begin(), axis.end(), x);
    hi = static_cast<std::size_t>(it - axis.begin());
    lo = *it == x ? hi : hi - 1;
    return true;
}

// V1 + (u - u1)(V2 - V1) / (u2 - u1), in that order.
double interpolate(double u, double u1, double u2, double v1, double v2)
{
    return v1 + ((u - u1) * (v2 - v1)) / (u2 - u1);
}

std::string outside(std::string_view what, double x, const std::vector<double> &axis)
{
    const bool below = !axis.empty() && x < axis.front();
    std::string text = "The " + std::string(what) + " " + num(x) + " is outside the table";
    if (axis.empty())
        return text + ": the table has no rows";
    return text + " (" + (below ? "first entry " + num(axis.front()) : "last entry " + num(axis.back())) +
           "): not extrapolated";
}

// Bracketing columns of a grid; an index of -1 is the even-keel zero column a correction
// grid has without printing it.
struct ColumnBracket
{
    int a = 0, b = 0;
    double ca = 0, cb = 0;
};

bool bracketColumns(const std::vector<double> &cols, double x, bool correction, ColumnBracket &out)
{
    const bool addZero = correction && !std::binary_search(cols.begin(), cols.end(), 0.0);
    // The zero column goes after the printed columns below zero.
    const std::size_t zeroAt =
        addZero ? static_cast<std::size_t>(std::lower_bound(cols.begin(), cols.end(), 0.0) - cols.begin()) : 0;
    const std::size_t n = cols.size() + (addZero ? 1 : 0);
    auto index = [&](std::size_t k) -> int {
        if (!addZero || k < zeroAt)
            return static_cast<int>(k);
        return k == zeroAt ? -1 : static_cast<int>(k - 1);
    };
    auto value = [&](std::size_t k) { return index(k) < 0 ? 0.0 : cols[static_cast<std::size_t>(index(k))]; };
    if (!(x >= value(0)) || !(x <= value(n - 1)))
        return false;
    std::size_t k = 0;
    while (value(k) < x)
        ++k;
    if (value(k) == x)
        out = {index(k), index(k), x, x};
    else
        out = {index(k - 1), index(k), value(k - 1), value(k)};
    return true;
}

double cell(const TableGrid &grid, std::size_t row, int column)
{
    return column < 0 ? 0.0 : grid.at(row, static_cast<std::size_t>(column));
}

bool strictlyIncreasing(const std::vector<double> &v)
{
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (!std::isfinite(v[i]))
            return false;
        if (i > 0 && !(v[i] > v[i - 1]))
            return false;
    }
    return true;
}

std::string checkGrid(const TableGrid &g, std::string_view name, bool withColumns)
{
    const std::string n(name);
    if (g.levels.size() < 2)
        return n + " needs at least two levels";
    if (!strictlyIncreasing(g.levels))
        return n + ": the levels are not strictly increasing";
    if (withColumns && g.columns.empty())
        return n + " has no columns";
    if (!withColumns && !g.columns.empty())
        return n + " must have one column only";
    if (!strictlyIncreasing(g.columns))
        return n + ": the columns are not strictly increasing";
    if (g.values.size() != g.levels.size() * g.width())
        return n + " has " + std::to_string(g.values.size()) + " values for " + std::to_string(g.levels.size()) +
               " levels x " + std::to_string(g.width()) + " columns";
    for (double v : g.values)
        if (!std::isfinite(v))
            return n + " holds a value that is not a number";
    return {};
}

} // namespace

double ShellAlpha(const ShoreTankData &shore)
{
    if (shore.alpha)
        return *shore.alpha;
    return shore.scale == TemperatureScale::Fahrenheit ? kMildSteelAlphaPerF : kMildSteelAlphaPerC;
}

std::string CheckTankTable(const TankTable &t)
{
    if (t.name.empty())
        return "The table has no tank name";
    const std::string where = "Tank " + t.name + ": ";
    if (!std::isfinite(t.referenceHeight) || t.referenceHeight < 0)
        return where + "the reference height is not a length";
    std::string fault;
    switch (t.layout) {
    case TableLayout::LevelToVolume:
        fault = checkGrid(t.evenKeel, "the volume table", false);
        break;
    case TableLayout::TrimVolumeGrid:
        fault = checkGrid(t.trim, "the trim table", true);
        break;
    case TableLayout::TrimLevelCorrection:
    case TableLayout::TrimVolumeCorrection:
        fault = checkGrid(t.evenKeel, "the even-keel table", false);
        if (fault.empty())
            fault = checkGrid(t.trim, "the trim correction table", true);
        break;
    default:
        fault = "the layout is not one of 1 to 4";
    }
    if (fault.empty() && t.list)
        fault = checkGrid(t.list->grid, "the list correction table", true);
    if (fault.empty() && t.shore) {
        const ShoreTankData &s = *t.shore;
        if (s.alpha && (!std::isfinite(*s.alpha) || *s.alpha < 0 || *s.alpha > 0.001))
            fault = "the shell's expansion coefficient is not a coefficient of a metal";
        else if (!std::isfinite(s.shellReferenceTemperature))
            fault = "the shell reference temperature is not a number";
        else if (s.roof) {
            const FloatingRoof &r = *s.roof;
            if (!std::isfinite(r.weight) || !std::isfinite(r.referenceGravity) || !std::isfinite(r.rate) ||
                !std::isfinite(r.criticalLow) || !std::isfinite(r.criticalHigh))
                fault = "the floating roof holds a value that is not a number";
            else if (!(r.criticalLow < r.criticalHigh))
                fault = "the roof's critical zone must start below its end";
            else if (r.weight < 0 || (r.tableDeducted && !(r.referenceGravity > 0)))
                fault = "the floating roof's weight or reference gravity is not a quantity of a roof";
        }
    }
    if (fault.empty() && t.geometry) {
        const TankGeometry &g = *t.geometry;
        const auto finite = [](const std::optional<double> &x) { return !x || std::isfinite(*x); };
        if (!finite(g.longitudinalOffset) || !finite(g.transverseOffset))
            fault = "the gauge point's offset is not a number";
        else if (g.wedge && !(g.wedge->tankLength > 0 && g.wedge->tankWidth > 0 && g.wedge->tankDepth > 0 &&
                              g.wedge->hatchToBulkhead >= 0 && g.wedge->hatchToBulkhead <= g.wedge->tankLength &&
                              std::isfinite(g.wedge->tankLength) && std::isfinite(g.wedge->tankWidth) &&
                              std::isfinite(g.wedge->tankDepth)))
            fault = "the tank's size for the wedge is not a length more than 0 (the hatch within the tank)";
    }
    return fault.empty() ? fault : where + fault;
}

std::string_view LevelUnitName(LevelUnit unit)
{
    switch (unit) {
    case LevelUnit::Millimetres:
        return "mm";
    case LevelUnit::Centimetres:
        return "cm";
    case LevelUnit::Metres:
        return "m";
    case LevelUnit::FeetInchesEighths:
        return "ft-in-8";
    }
    return "";
}

std::string_view VolumeUnitName(VolumeUnit unit)
{
    switch (unit) {
    case VolumeUnit::CubicMetres:
        return "m3";
    case VolumeUnit::Barrels:
        return "bbl";
    case VolumeUnit::Litres:
        return "l";
    case VolumeUnit::UsGallons:
        return "US gal";
    }
    return "";
}

double LevelResolution(LevelUnit unit)
{
    switch (unit) {
    case LevelUnit::Millimetres:
        return 1;
    case LevelUnit::Centimetres:
        return 0.1;
    case LevelUnit::Metres:
        return 0.001;
    case LevelUnit::FeetInchesEighths:
        return 0.125;
    }
    return 1;
}

std::string FormatLevel(double level, LevelUnit unit)
{
    if (!std::isfinite(level))
        return "-";
    if (unit != LevelUnit::FeetInchesEighths)
        return FormatFieldNumber(level) + " " + std::string(LevelUnitName(unit));
    const double eighthsAll = std::floor(std::fabs(level) * 8 + 0.5);
    const long long e = static_cast<long long>(std::min(eighthsAll, 1e15));
    std::string text = level < 0 && e > 0 ? "-" : "";
    text += std::to_string(e / 96) + " ft " + std::to_string((e % 96) / 8);
    if (e % 8 != 0)
        text += " " + std::to_string(e % 8) + "/8";
    return text + " in";
}

int VolumeDecimals(VolumeUnit unit)
{
    switch (unit) {
    case VolumeUnit::CubicMetres:
        return 3;
    case VolumeUnit::Litres:
        return 0;
    case VolumeUnit::Barrels:
    case VolumeUnit::UsGallons:
        return 2;
    }
    return 3;
}

double RoundHalfUp(double x, int n)
{
    Finite(x);
    return x == 0 ? 0 : RoundDecimalForm(x, n);
}

double RoundLevelCorrection(double correction, LevelUnit unit)
{
    switch (unit) {
    case LevelUnit::Millimetres:
        return RoundHalfUp(correction, 0);
    case LevelUnit::Centimetres:
        return RoundHalfUp(correction, 1);
    case LevelUnit::Metres:
        return RoundHalfUp(correction, 3);
    case LevelUnit::FeetInchesEighths:
        return RoundHalfUp(correction * 8, 0) / 8;
    }
    return correction;
}

double TrimFromDrafts(double draftAft, double draftForward)
{
    // Drafts are read to a centimetre or a quarter inch; the binary difference of two such
    // decimals (9.2 - 8.4 = 0.7999999999999990) is taken back to the decimal it stands for.
    return RoundHalfUp(draftAft - draftForward, 6);
}

std::string TrimInWords(double trim, std::string_view unit)
{
    if (trim == 0)
        return "even keel";
    return num(std::fabs(trim)) + " " + std::string(unit) + (trim > 0 ? " by the stern" : " by the head");
}

std::string ListInWords(double list)
{
    if (list == 0)
        return "upright";
    return num(std::fabs(list)) + (std::fabs(list) == 1 ? " degree" : " degrees") +
           (list > 0 ? " to starboard" : " to port");
}

double TableTrim(TrimConvention convention, double trim)
{
    return convention == TrimConvention::SternPositive ? trim : -trim;
}

double TableList(ListConvention convention, double list)
{
    return convention == ListConvention::StarboardPositive ? list : -list;
}

TableValue LookupColumn(const TableGrid &grid, double level, std::string_view what)
{
    std::size_t lo = 0, hi = 0;
    if (grid.width() != 1 || grid.values.size() != grid.levels.size())
        return refused("The table is not a single column", "not a single column");
    if (!bracket(grid.levels, level, lo, hi)) {
        std::string notice = outside(what, level, grid.levels);
        return refused(notice, notice);
    }
    TableValue r;
    if (lo == hi) {
        r.value = grid.values[lo];
        r.working.push_back("Table entry at " + num(grid.levels[lo]) + ": " + num(r.value));
        return finite(std::move(r));
    }
    const double u1 = grid.levels[lo], u2 = grid.levels[hi];
    r.value = interpolate(level, u1, u2, grid.values[lo], grid.values[hi]);
    r.working.push_back("Between " + num(u1) + " (" + num(grid.values[lo]) + ") and " + num(u2) + " (" +
                        num(grid.values[hi]) + "), fraction " + num((level - u1) / (u2 - u1)) + ": " + num(r.value));
    return finite(std::move(r));
}

TableValue LookupGrid(const TableGrid &grid, double level, double column, bool correction, std::string_view columnName,
                      bool describe)
{
    if (grid.columns.empty() || grid.values.size() != grid.levels.size() * grid.columns.size())
        return refused("The table has no " + std::string(columnName) + " columns", "no columns");
    std::size_t lo = 0, hi = 0;
    if (!bracket(grid.levels, level, lo, hi)) {
        std::string notice = outside("level", level, grid.levels);
        return refused(notice, notice);
    }
    ColumnBracket c;
    if (!bracketColumns(grid.columns, column, correction, c)) {
        const bool below = column < (correction ? std::min(grid.columns.front(), 0.0) : grid.columns.front());
        const double limit = below ? (correction ? std::min(grid.columns.front(), 0.0) : grid.columns.front())
                                   : (correction ? std::max(grid.columns.back(), 0.0) : grid.columns.back());
        std::string notice = "The " + std::string(columnName) + " " + num(column) + " is beyond the table's " +
                             (below ? "first" : "last") + " " + std::string(columnName) + " column " + num(limit) +
                             ": not extrapolated";
        return refused(notice, notice);
    }
    auto alongColumns = [&](std::size_t row) {
        const double va = cell(grid, row, c.a);
        if (c.a == c.b)
            return va;
        return interpolate(column, c.ca, c.cb, va, cell(grid, row, c.b));
    };
    TableValue r;
    const double v1 = alongColumns(lo);
    const double v2 = lo == hi ? v1 : alongColumns(hi);
    r.value = lo == hi ? v1 : interpolate(level, grid.levels[lo], grid.levels[hi], v1, v2);
    if (!describe)
        return finite(std::move(r));
    std::string line = std::string(columnName) + " " + num(column);
    if (c.a == c.b)
        line += " on the column " + num(c.ca);
    else
        line += " between columns " + num(c.ca) + " and " + num(c.cb) + ", fraction " +
                num((column - c.ca) / (c.cb - c.ca));
    line += "; level " + num(level);
    if (lo == hi)
        line += " on the row " + num(grid.levels[lo]) + ": " + num(v1);
    else
        line += " between rows " + num(grid.levels[lo]) + " (" + num(v1) + ") and " + num(grid.levels[hi]) + " (" +
                num(v2) + "), fraction " + num((level - grid.levels[lo]) / (grid.levels[hi] - grid.levels[lo]));
    r.working.push_back(line + ": " + num(r.value));
    return finite(std::move(r));
}

TableValue ReverseLookupColumn(const TableGrid &grid, double volume)
{
    const std::vector<double> &v = grid.values;
    if (grid.width() != 1 || v.size() != grid.levels.size() || v.size() < 2)
        return refused("The table is not a single column", "not a single column");
    const bool increasing = v[1] > v[0];
    for (std::size_t i = 1; i < v.size(); ++i) {
        if (increasing ? !(v[i] > v[i - 1]) : !(v[i] < v[i - 1])) {
            std::string notice =
                "The volumes turn back at level " + num(grid.levels[i]) + ": no single level holds a given volume";
            return refused(notice, notice);
        }
    }
    const double low = increasing ? v.front() : v.back();
    const double high = increasing ? v.back() : v.front();
    if (!(volume >= low) || !(volume <= high)) {
        std::string notice = "The volume " + num(volume) + " is outside the table (" + num(low) + " to " + num(high) +
                             "): not extrapolated";
        return refused(notice, notice);
    }
    TableValue r;
    for (std::size_t i = 0; i + 1 < v.size(); ++i) {
        const double a = v[i], b = v[i + 1];
        if (volume == a || volume == b) {
            const std::size_t k = volume == a ? i : i + 1;
            r.value = grid.levels[k];
            r.working.push_back("Table entry " + num(v[k]) + " at level " + num(r.value));
            return finite(std::move(r));
        }
        if ((volume > a && volume < b) || (volume < a && volume > b)) {
            r.value = interpolate(volume, a, b, grid.levels[i], grid.levels[i + 1]);
            r.working.push_back("Between " + num(a) + " (level " + num(grid.levels[i]) + ") and " + num(b) +
                                " (level " + num(grid.levels[i + 1]) + "): level " + num(r.value));
            return finite(std::move(r));
        }
    }
    return refused("The volume was not found in the table", "not found");
}

} // namespace dravex
