// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/procedure.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dravex {

// ---- A tank's calibration table as surveyors receive it ----

enum class TankKind { Ship, Shore };
// An ullage is measured down from the reference point to the liquid, an innage (sounding)
// up from the datum plate.
enum class LevelKind { Ullage, Innage };
// Feet, inches and eighths are held as inches (12 ft 3 4/8 in is 147.5).
enum class LevelUnit { Millimetres, Centimetres, Metres, FeetInchesEighths };
enum class VolumeUnit { CubicMetres, Barrels, Litres, UsGallons };

// What the table's columns hold:
//   LevelToVolume         one column, level -> volume;
//   TrimVolumeGrid        level x trim -> volume;
//   TrimLevelCorrection   level x trim -> correction to the level, plus an even-keel table;
//   TrimVolumeCorrection  level x trim -> correction to the volume, plus an even-keel table.
enum class TableLayout { LevelToVolume = 1, TrimVolumeGrid = 2, TrimLevelCorrection = 3, TrimVolumeCorrection = 4 };

// Which sign the table's trim columns give a trim by the stern. Trims entered here are always
// draft aft - draft forward (positive by the stern); a table printed the other way round
// has its columns read with the sign turned.
enum class TrimConvention { SternPositive, HeadPositive };
// Which sign the table's list columns give a list to starboard. Lists entered here are
// positive to starboard.
enum class ListConvention { StarboardPositive, PortPositive };
enum class CorrectionTarget { Level, Volume };

// Values over levels (rows) and, where the table has them, trim or list columns. With no
// columns the grid is one column: values[i] belongs to levels[i]. With columns, values
// holds the rows one after another: values[i * columns.size() + j].
struct TableGrid
{
    std::vector<double> levels;  // strictly increasing, in the table's level unit
    std::vector<double> columns; // strictly increasing, in the table's own sign convention
    std::vector<double> values;

    std::size_t width() const { return columns.empty() ? 1 : columns.size(); }
    double at(std::size_t row, std::size_t column) const { return values[row * width() + column]; }
    bool operator==(const TableGrid &) const = default;
};

struct ListCorrections
{
    CorrectionTarget target = CorrectionTarget::Level;
    ListConvention convention = ListConvention::StarboardPositive;
    TableGrid grid; // levels x list in degrees -> correction
    bool operator==(const ListCorrections &) const = default;
};

// The roof of a floating-roof shore tank. Levels are innages in the table's level unit.
enum class GravityScale { Api, KgPerCubicMetre };
struct FloatingRoof
{
    double weight = 0; // in the unit the density for a roof correction is given per volume
    // The table deducted the roof already, at referenceGravity; the adjustment is rate (volume
    // units) per unit of gravity on scale. Otherwise the roof's volume is worked out from
    // its weight.
    bool tableDeducted = false;
    GravityScale scale = GravityScale::Api;
    double referenceGravity = 0;
    double rate = 0;
    double criticalLow = 0;  // at or below: the roof rests on its legs
    double criticalHigh = 0; // at or above: the roof floats
    bool operator==(const FloatingRoof &) const = default;
};

enum class TemperatureScale { Fahrenheit, Celsius };
struct ShoreTankData
{
    std::string material = "mild steel";
    TemperatureScale scale = TemperatureScale::Fahrenheit;
    // Linear expansion of the shell per degree of scale; absent: mild steel's default.
    std::optional<double> alpha;
    double shellReferenceTemperature = 60;
    bool insulated = false;
    std::optional<FloatingRoof> roof;
    bool operator==(const ShoreTankData &) const = default;
};

// Mild steel's linear expansion, per degree Fahrenheit and per degree Celsius (the metric
// figure is 0.0000062 x 1.8, as the standard's metric correction table uses it).
inline constexpr double kMildSteelAlphaPerF = 0.0000062;
inline constexpr double kMildSteelAlphaPerC = 0.00001116;

// Where a ship's tank's gauge point lies and how large the tank is, for the corrections a
// table does not give: the trim and list corrections of a table with no trim (list) columns,
// and the wedge where the liquid does not reach every bulkhead. Lengths in metres for a
// table in mm, cm or m; in feet for one in feet and inches.
struct TankWedgeSize
{
    double tankLength = 0;
    double tankWidth = 0;
    double tankDepth = 0;
    double hatchToBulkhead = 0; // from the gauge hatch to the aft bulkhead
    bool operator==(const TankWedgeSize &) const = default;
};
struct TankGeometry
{
    // d: from the tank's longitudinal centre to the gauge point, positive aft of it.
    std::optional<double> longitudinalOffset;
    // From the tank's centre line to the gauge point, positive to starboard; on the low side
    // when the ship lists to that side.
    std::optional<double> transverseOffset;
    std::optional<TankWedgeSize> wedge;
    bool operator==(const TankGeometry &) const = default;
};

struct TankTable
{
    std::string name;
    TankKind kind = TankKind::Ship;
    LevelKind levelKind = LevelKind::Ullage;
    double referenceHeight = 0; // in the level unit
    LevelUnit levelUnit = LevelUnit::Millimetres;
    VolumeUnit volumeUnit = VolumeUnit::CubicMetres;
    TableLayout layout = TableLayout::LevelToVolume;
    TrimConvention trimConvention = TrimConvention::SternPositive;
    // Layouts 1, 3 and 4: level -> volume at even keel (no columns).
    TableGrid evenKeel;
    // Layout 2: volumes; 3: level corrections; 4: volume corrections. Columns are trims.
    TableGrid trim;
    std::optional<ListCorrections> list;
    std::optional<ShoreTankData> shore;
    std::optional<TankGeometry> geometry; // ship tanks
    bool operator==(const TankTable &) const = default;
};

// The shell's expansion coefficient: the table's own, else mild steel's on its scale.
double ShellAlpha(const ShoreTankData &shore);

// A table's first fault, or "" when it can be used: levels strictly increasing and finite,
// columns strictly increasing, as many values as rows x columns, the grids the layout
// needs present; a shore tank's roof with its critical zone's bottom below its top, no
// negative weight and, when the table deducted it, a reference gravity above 0.
std::string CheckTankTable(const TankTable &table);

// ---- Units and words ----

std::string_view LevelUnitName(LevelUnit unit);   // "mm", "cm", "m", "ft-in-8"
std::string_view VolumeUnitName(VolumeUnit unit); // "m3", "bbl", "l", "US gal"
// The level's resolution, 1 mm or 1/8 in, in the level unit: 1, 0.1, 0.001, 0.125.
double LevelResolution(LevelUnit unit);
// A level in its unit for the working: "1234 mm", "12 ft 3 4/8 in" (to the nearest eighth).
std::string FormatLevel(double level, LevelUnit unit);
// Places a volume is recorded to: bbl and US gal 2, m3 3, litres 0.
int VolumeDecimals(VolumeUnit unit);

// Rounded half up on the decimal value, to n places, keeping the sign (RoundDecimalForm),
// so a value recorded as 1.005 rounds to 1.01 as written (RoundToPlaces works on the
// binary value, a hair below 1.005, and drops the sign).
//   RoundHalfUp(1.005, 2) == 1.01, RoundHalfUp(-2.5, 0) == -3, RoundHalfUp(1.0008558, 5) == 1.00086
// A value that is not finite is an Overflow fault (CalcFault).
double RoundHalfUp(double x, int n);
// A level correction rounded to the unit's resolution, keeping its sign:
//   0.5 mm -> 1 mm, -2.5 mm -> -3 mm, 0.19 in -> 0.25 in (2/8), 0.0014 m -> 0.001 m.
double RoundLevelCorrection(double correction, LevelUnit unit);

// Trim = draft aft - draft forward, to 6 places (the drafts' decimals, without the binary
// noise of the subtraction); a draft that is not finite is an Overflow fault (CalcFault).
// In words, never a bare sign:
//   TrimInWords(0.8, "m") == "0.8 m by the stern", TrimInWords(-0.5, "m") == "0.5 m by the head",
//   TrimInWords(0, "m") == "even keel"
double TrimFromDrafts(double draftAft, double draftForward);
std::string TrimInWords(double trim, std::string_view unit);
// List, positive to starboard: "1.5 degrees to starboard", "2 degrees to port", "upright".
std::string ListInWords(double list);

// ---- Lookups ----

// A value from a table, or a stop that says why not. The working names the bracketing rows
// and columns and the interpolation fractions.
struct TableValue
{
    double value = 0;
    std::optional<CalcStop> stop;
    std::vector<std::string> working;
    bool ok() const { return !stop; }
};

// Linear interpolation of a one-column grid: V = V1 + (u - u1)(V2 - V1) / (u2 - u1); an
// exact entry is the table's value. A level outside the rows is refused, naming the limit.
TableValue LookupColumn(const TableGrid &grid, double level, std::string_view what = "level");
// Bilinear over level x column: at each bracketing row along the columns, then along the
// levels. A correction grid (corrections to an even-keel table, zero at column 0) reads
// between 0 and its first column towards zero; any other value beyond the first or last
// column is refused.
// describe false leaves the working empty (a refusal still says why).
TableValue LookupGrid(const TableGrid &grid, double level, double column, bool correction,
                      std::string_view columnName = "trim", bool describe = true);
// The level at which a one-column grid holds volume, on an increasing or a decreasing
// column; refused outside the column's range or where the column turns back.
TableValue ReverseLookupColumn(const TableGrid &grid, double volume);

// A table's trim column value for a physical trim (positive by the stern).
double TableTrim(TrimConvention convention, double trim);
double TableList(ListConvention convention, double list);

} // namespace dravex
