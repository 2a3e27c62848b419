// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/procedure.h"
#include "core/tank_volume.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace dravex {

// ---- A ship's tank from its readings to the gross observed volume ----

// Up to five readings of one tank, averaged and recorded to 1 mm (1/8 in). Readings more
// than 3 mm (1/8 in) apart are flagged, not refused: the surveyor decides.
//   1234, 1236, 1235 mm: average 1235, spread 2, not flagged; 1234, 1238: 1236, flagged
struct ReadingsAverage
{
    double average = 0;  // unrounded
    double recorded = 0; // to the level's resolution
    double spread = 0;   // highest - lowest
    bool flagged = false;
    std::optional<CalcStop> stop;
    std::vector<std::string> working;
};
inline constexpr std::size_t kMaxReadings = 5;
ReadingsAverage AverageReadings(std::span<const double> readings, LevelUnit unit);

// The wedge window's tank, in feet (English: inches read, barrels out) or metres (Metric:
// millimetres read, cubic metres out); used where the liquid does not reach the forward
// bulkhead.
struct WedgeTank
{
    double vesselLength = 0;
    double tankLength = 0;
    double tankWidth = 0;
    double tankDepth = 0;
    double hatchToBulkhead = 0;
};

struct ShipGaugeInput
{
    std::vector<double> readings; // as the table reads them (ullage or innage)
    std::optional<double> observedReferenceHeight;
    double waterCut = 0; // innage of the free water, 0: none
    // Trim (draft aft - draft forward), list and geometry; see GaugeConditions.
    GaugeConditions conditions;
    std::optional<WedgeTank> wedge;
};

struct ShipGaugeResult
{
    ReadingsAverage gauge;
    std::optional<double> referenceDifference; // observed - table's
    double tov = 0;                            // recorded
    double freeWater = 0;                      // recorded
    double gov = 0;                            // TOV - FW, recorded
    bool oilWedge = false;
    bool waterWedge = false;
    std::optional<CalcStop> stop;
    std::vector<std::string> working;
};

// Readings -> recorded level -> TOV through the table and its corrections; the water cut
// through the same table and corrections -> FW; GOV = TOV - FW. With the wedge tank given and
// the ship trimmed by the stern, a liquid whose innage lies within the wedge limit (it does
// not reach the forward bulkhead) is computed by the wedge window's procedure instead; that
// needs the table in mm and m3 (metric) or feet-inches and barrels (English).
ShipGaugeResult ShipGrossObservedVolume(const TankTable &table, const ShipGaugeInput &input);

} // namespace dravex
