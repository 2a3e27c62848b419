// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/tank_table.h"

#include <optional>

namespace dravex {

// ---- Corrections from the tank's geometry, where the table gives none ----

enum class LengthUnit { Metres, Feet };

// d the distance from the gauge point to the tank's longitudinal centre, positive aft of it;
// t the trim (by the stern positive); LBP the length between perpendiculars; all in
// lengthUnit. The correction (d x t) / LBP in the level unit, rounded to 1 mm (1/8 in).
//   d 10 m, t 1 m, LBP 200 m, mm: 50 mm
TableValue GeometricTrimCorrection(double d, double trim, double lbp, LengthUnit lengthUnit, LevelUnit levelUnit);
// e the gauge point's transverse distance from the centre line, positive on the low side;
// the correction e x tan(list) in the level unit, rounded to 1 mm (1/8 in).
TableValue GeometricListCorrection(double e, double listDegrees, LengthUnit lengthUnit, LevelUnit levelUnit);
// Corrected ullage = observed + correction; corrected innage = observed - correction.
double ApplyGeometricCorrection(LevelKind kind, double observed, double correction);

// ---- Total observed volume ----

// The trim, list and geometry a reading is corrected with.
struct GaugeConditions
{
    double trim = 0; // draft aft - draft forward
    double list = 0; // degrees, positive to starboard
    // For the geometric corrections, when the table has no trim (list) correction.
    std::optional<double> lbp;
    std::optional<double> longitudinalOffset; // d
    std::optional<double> transverseOffset;   // e, positive on the low side
    LengthUnit lengthUnit = LengthUnit::Metres;
    // The caller has found the table sound (CheckTankTable) already: a report checks each
    // table once, not at every lookup.
    bool tableChecked = false;
};

// The volume at an observed level in the table's unit: level corrections (rounded to 1 mm,
// 1/8 in) applied first, then the volume looked up, then volume corrections added.
//   Layout 1: even keel at the level corrected by geometry (if given);
//   Layout 2: the grid at the list-corrected level and the trim;
//   Layout 3: even keel at the level plus the table's rounded level correction;
//   Layout 4: even keel at the level plus the table's volume correction.
// List: the table's list correction (to the level or the volume) or the geometric one.
// The volume is not rounded.
TableValue ObservedVolume(const TankTable &table, double level, const GaugeConditions &conditions);

// The level at which the table holds volume: layout 1 and the even-keel table of layouts 3
// and 4 directly (at even keel only: their corrections run from the observed level), layout
// 2 on the column at the trim. The level is the table's, before any geometric correction.
TableValue ReverseVolume(const TankTable &table, double volume, double trim);

} // namespace dravex
