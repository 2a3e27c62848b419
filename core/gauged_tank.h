// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/cargo_report.h"
#include "core/tank_table.h"
#include "core/tank_volume.h"

#include <optional>
#include <string>
#include <vector>

namespace dravex {

struct TankTableDocument;

// ---- A gauged tank of the cargo report, from its readings to the gross observed volume ----

// Which typed entry of a gauged row a refusal is about (none: the table or the computation).
enum class GaugeField {
    None,
    Table,
    LevelUnit,
    Readings,
    ReferenceHeight,
    WaterCut,
    SedimentWater,
    AmbientTemperature,
    RoofGravity,
    RoofDensity,
    Condition, // the header's drafts, length or list
};

struct GaugedVolumes
{
    double tov = 0;       // recorded in the table's (and the report's) volume unit
    double freeWater = 0; // recorded
    double gov = 0;       // recorded: ship TOV - FW; shore (TOV - FW) x CTSh +/- roof
    std::string tableSha256;
    // Said beside the volumes: readings more than 3 mm (1/8 in) apart, a reference height
    // other than the table's.
    std::string advisory;
    std::optional<std::string> stop; // the notice; the tank is not counted
    GaugeField field = GaugeField::None;
    std::vector<std::string> working;
};

// The ship's condition from the report's header: trim (aft - forward) and list (degrees,
// positive to starboard), in metres for a metric report and feet for a US one. Empty entries
// are even keel and upright; a length between perpendiculars is needed only where a table
// has no trim correction. The notice names the entry that is not a number.
struct ShipCondition
{
    GaugeConditions conditions;
    std::string notice;
};
ShipCondition ConditionFromHeader(const ShipConditionText &condition, UnitSystem units);

// The liquid a gauged tank holds, as a shore tank's corrections need it: its temperature and,
// where the row gives it, its gravity at base (API at 60 F on a US report, density at 15 C
// in kg/m3 on a metric one) and whether it is a crude oil (Tables 5A, 53A) or a product (5B,
// 53B). A floating roof on a table that deducted it at a stated gravity is adjusted at the
// observed gravity the tables give from that base at the tank's temperature, unless the
// row gives the gravity at tank temperature itself.
struct TankLiquid
{
    double temperature = 0;
    std::optional<double> baseGravity;
    bool crude = true;
};

// The tank of a gauged row through its table: the readings averaged, corrected for the trim
// and list of the header and looked up (TOV), the water cut likewise (FW), and for a shore
// tank the shell and roof corrections at the liquid temperature (the row's). Refused, with a
// notice naming the fault, for: no document or no table of that name, a table changed since
// the report used it (both hashes shown), a table in another level unit than the readings
// or another volume unit than the report, a reading or trim outside the table.
// table is the document's table of the gauge's name (nullptr: none), tableSha256 its hash
// (empty: found here) and tableFault what CheckTankTable said of it (nullptr: checked here).
GaugedVolumes GaugeTank(const TankGauge &gauge, const std::string &tankName, const ShipCondition &condition,
                        UnitSystem units, const TankTableDocument *tables, const TankTable *table,
                        const std::string &tableSha256, const std::string *tableFault, const TankLiquid &liquid);

// S&W and the volumes after the VCF, each recorded once, every step from the recorded value
// before it: CSW = 1 - S&W / 100 (5 places, S&W to 3), NSV = GSV x CSW, TCV = GSV + FW.
// swText empty is no S&W. nullopt with notice when the S&W is not a number from 0 to under 100.
struct NetVolumes
{
    double swPercent = 0, csw = 1, nsv = 0, tcv = 0;
    std::string notice;
    std::vector<std::string> working;
};
NetVolumes NetFromGross(double gsv, double freeWater, const std::string &swText, UnitSystem units);

// The volume unit of a report's tanks: barrels (US) or cubic metres (metric).
VolumeUnit ReportVolumeUnit(UnitSystem units);

} // namespace dravex
