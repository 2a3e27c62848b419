// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/gauged_tank.h"

#include "core/conventions.h"
#include "core/ship_gauge.h"
#include "core/shore_tank.h"
#include "core/standard_volume.h"
#include "core/tank_table_file.h"
#include "core/tank_table_import.h"

#include <algorithm>
#include <cmath>

namespace dravex {

namespace {

bool blankText(std::string_view s)
{
    return std::all_of(s.begin(), s.end(), [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
}

std::string num(double x)
{
    return std::isfinite(x) ? FormatFieldNumber(x) : std::string("-");
}

constexpr LevelUnit kLevelUnits[] = {LevelUnit::Millimetres, LevelUnit::Centimetres, LevelUnit::Metres,
                                     LevelUnit::FeetInchesEighths};

std::optional<LevelUnit> levelUnitFromName(std::string_view name)
{
    for (const LevelUnit u : kLevelUnits)
        if (LevelUnitName(u) == name)
            return u;
    return std::nullopt;
}

// A level as typed in its unit: feet, inches and eighths ("12 3 4") or a decimal number.
// Throws CalcFault naming the entry when it is neither.
double parseLevel(const std::string &text, LevelUnit unit, const std::string &caption)
{
    if (unit == LevelUnit::FeetInchesEighths)
        if (const auto inches = ParseFeetInchesEighths(text))
            return *inches;
    return ParseFieldNumber(text, caption);
}

// The table's gauge point and tank size into the conditions of a ship's tank. The table's
// lengths are in metres (a table in mm, cm or m) or feet (feet and inches); the offsets are
// brought to the report's unit, since only d is a length in d x t / LBP. The transverse
// offset, positive to starboard, is on the low side when the ship lists to starboard. The
// wedge stays in the table's unit (it needs the report's, and says so otherwise) and needs
// the length between perpendiculars.
void applyGeometry(const TankGeometry &geometry, LevelUnit levelUnit, ShipGaugeInput &in, std::vector<std::string> &w)
{
    GaugeConditions &c = in.conditions;
    const LengthUnit own = levelUnit == LevelUnit::FeetInchesEighths ? LengthUnit::Feet : LengthUnit::Metres;
    const std::string ownName = own == LengthUnit::Feet ? "ft" : "m";
    const auto toReport = [&](double x) {
        if (own == c.lengthUnit)
            return x;
        return own == LengthUnit::Feet ? x * 0.3048 : x / 0.3048;
    };
    if (geometry.longitudinalOffset) {
        const double d = *geometry.longitudinalOffset;
        c.longitudinalOffset = toReport(d);
        w.push_back("Gauge point: " + num(std::fabs(d)) + " " + ownName + (d < 0 ? " forward of" : " aft of") +
                    " the tank's centre");
    }
    if (geometry.transverseOffset) {
        const double e = *geometry.transverseOffset;
        c.transverseOffset = toReport(c.list < 0 ? -e : e);
        w.push_back("Gauge point: " + num(std::fabs(e)) + " " + ownName + (e < 0 ? " to port" : " to starboard") +
                    " of the tank's centre line" +
                    (c.list == 0               ? std::string()
                     : (c.list < 0) == (e < 0) ? ", on the low side"
                                               : ", on the high side"));
    }
    if (geometry.wedge && c.lbp) {
        const TankWedgeSize &k = *geometry.wedge;
        in.wedge = WedgeTank{*c.lbp, k.tankLength, k.tankWidth, k.tankDepth, k.hatchToBulkhead};
    }
}

} // namespace

VolumeUnit ReportVolumeUnit(UnitSystem units)
{
    return units == UnitSystem::US ? VolumeUnit::Barrels : VolumeUnit::CubicMetres;
}

ShipCondition ConditionFromHeader(const ShipConditionText &h, UnitSystem units)
{
    ShipCondition c;
    c.conditions.lengthUnit = units == UnitSystem::US ? LengthUnit::Feet : LengthUnit::Metres;
    const auto read = [&](const std::string &text, const char *caption) -> std::optional<double> {
        if (blankText(text) || !c.notice.empty())
            return std::nullopt;
        try {
            return ParseFieldNumber(text, caption);
        } catch (const CalcFault &fault) {
            c.notice = fault.message();
            return std::nullopt;
        }
    };
    const auto forward = read(h.draftForward, "Draft forward");
    const auto aft = read(h.draftAft, "Draft aft");
    c.conditions.lbp = read(h.lbp, "Length between perpendiculars");
    const auto list = read(h.list, "List");
    if (!c.notice.empty())
        return c;
    if (forward.has_value() != aft.has_value()) {
        c.notice = "Give both drafts, forward and aft, or neither (even keel)";
        return c;
    }
    try {
        if (forward)
            c.conditions.trim = TrimFromDrafts(*aft, *forward);
    } catch (const CalcFault &fault) {
        c.notice = fault.message();
        return c;
    }
    if (c.conditions.lbp && !(*c.conditions.lbp > 0)) {
        c.notice = "The length between perpendiculars must be more than 0";
        return c;
    }
    if (list && *list != 0) {
        std::string side;
        for (const char ch : h.listSide)
            side += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        if (side != "port" && side != "starboard") {
            c.notice = "Say which side the ship lists to: port or starboard";
            return c;
        }
        if (*list < 0 || *list >= 90) {
            c.notice = "The list is given in degrees from 0 to under 90, with its side";
            return c;
        }
        c.conditions.list = side == "port" ? -*list : *list;
    }
    return c;
}

GaugedVolumes GaugeTank(const TankGauge &g, const std::string &tankName, const ShipCondition &condition,
                        UnitSystem units, const TankTableDocument *tables, const TankTable *found,
                        const std::string &tableSha256, const std::string *tableFault, const TankLiquid &liquid)
{
    GaugedVolumes r;
    auto &w = r.working;
    const auto stop = [&](GaugeField field, std::string notice) {
        w.push_back("Stopped: " + notice);
        r.stop = std::move(notice);
        r.field = field;
        return r;
    };
    if (!tables)
        return stop(GaugeField::Table, "Tank " + tankName + ": the report names no tank table document to gauge with");
    const std::string name = g.table.empty() ? tankName : g.table;
    if (!found)
        return stop(GaugeField::Table,
                    "Tank " + tankName + ": the tank table '" + name + "' is not in the tables of " + tables->owner);
    const TankTable &table = *found;
    r.tableSha256 = tableSha256.empty() ? TankTableSha256(table) : tableSha256;
    w.push_back("Table: " + table.name + " of " + tables->owner + ", " + std::string(LevelUnitName(table.levelUnit)) +
                " " + (table.levelKind == LevelKind::Ullage ? "ullages" : "innages") + " to " +
                std::string(VolumeUnitName(table.volumeUnit)) + ", SHA-256 " + r.tableSha256);
    if (!g.tableSha256.empty() && g.tableSha256 != r.tableSha256)
        return stop(GaugeField::Table, "Tank " + tankName + ": the table '" + name +
                                           "' has changed since the report used it (the report used SHA-256 " +
                                           g.tableSha256 + ", the table is now " + r.tableSha256 + ")");
    if (!blankText(g.levelUnit)) {
        const auto unit = levelUnitFromName(g.levelUnit);
        if (!unit)
            return stop(GaugeField::LevelUnit,
                        "Tank " + tankName + ": the readings' unit '" + g.levelUnit + "' is not mm, cm, m or ft-in-8");
        if (*unit != table.levelUnit)
            return stop(GaugeField::LevelUnit, "Tank " + tankName + ": the readings are in " + g.levelUnit +
                                                   " but the table '" + name + "' reads " +
                                                   std::string(LevelUnitName(table.levelUnit)));
    }
    if (table.volumeUnit != ReportVolumeUnit(units))
        return stop(GaugeField::Table, "Tank " + tankName + ": the table '" + name + "' gives " +
                                           std::string(VolumeUnitName(table.volumeUnit)) + " but the report is in " +
                                           std::string(VolumeUnitName(ReportVolumeUnit(units))));
    if (!condition.notice.empty())
        return stop(GaugeField::Condition, condition.notice);
    const std::string fault = tableFault ? *tableFault : CheckTankTable(table);
    if (!fault.empty())
        return stop(GaugeField::Table, "Tank " + tankName + ": the table '" + name + "' cannot be used: " + fault);

    ShipGaugeInput in;
    const std::string unit(LevelUnitName(table.levelUnit));
    std::string caption;
    try {
        for (std::size_t i = 0; i < g.readings.size(); ++i) {
            if (blankText(g.readings[i]))
                continue;
            caption = "Reading " + std::to_string(i + 1);
            in.readings.push_back(parseLevel(g.readings[i], table.levelUnit, caption));
        }
    } catch (const CalcFault &fault) {
        return stop(GaugeField::Readings, "Tank " + tankName + ": " + fault.message());
    }
    if (in.readings.empty())
        return stop(GaugeField::Readings, "Tank " + tankName + ": no reading");
    try {
        if (!blankText(g.referenceHeight))
            in.observedReferenceHeight = parseLevel(g.referenceHeight, table.levelUnit, "Reference height");
    } catch (const CalcFault &fault) {
        return stop(GaugeField::ReferenceHeight, "Tank " + tankName + ": " + fault.message());
    }
    try {
        if (!blankText(g.waterCut))
            in.waterCut = parseLevel(g.waterCut, table.levelUnit, "Water cut");
    } catch (const CalcFault &fault) {
        return stop(GaugeField::WaterCut, "Tank " + tankName + ": " + fault.message());
    }
    const bool shore = table.kind == TankKind::Shore;
    // A shore tank stands upright: no trim or list.
    in.conditions.tableChecked = true;
    if (!shore) {
        in.conditions = condition.conditions;
        in.conditions.tableChecked = true;
        const std::string lengthUnit = condition.conditions.lengthUnit == LengthUnit::Feet ? "ft" : "m";
        w.push_back("Trim: " + TrimInWords(in.conditions.trim, lengthUnit) +
                    "; list: " + ListInWords(in.conditions.list));
        if (table.geometry)
            applyGeometry(*table.geometry, table.levelUnit, in, w);
    }
    const ShipGaugeResult ship = ShipGrossObservedVolume(table, in);
    w.insert(w.end(), ship.working.begin(), ship.working.end());
    if (ship.stop) {
        r.working.pop_back(); // the gauge's own "Stopped:" line, said again below
        const bool waterFault = ship.tov != 0 || ship.stop->notice.find("water") != std::string::npos;
        return stop(waterFault ? GaugeField::WaterCut : GaugeField::Readings,
                    "Tank " + tankName + ": " + ship.stop->notice);
    }
    if (ship.gauge.flagged)
        r.advisory =
            "Tank " + tankName + ": the readings are " + FormatLevel(ship.gauge.spread, table.levelUnit) + " apart";
    if (ship.referenceDifference && *ship.referenceDifference != 0)
        r.advisory += std::string(r.advisory.empty() ? "Tank " + tankName + ": the" : "; the") +
                      " observed reference height differs from the table's by " +
                      FormatLevel(std::fabs(*ship.referenceDifference), table.levelUnit);
    r.tov = ship.tov;
    r.freeWater = ship.freeWater;
    r.gov = ship.gov;
    if (!shore)
        return r;

    if (!table.shore)
        return stop(GaugeField::Table, "Tank " + tankName + ": the table '" + name + "' has no shell data");
    const bool fahrenheit = table.shore->scale == TemperatureScale::Fahrenheit;
    if (fahrenheit != (units == UnitSystem::US))
        return stop(GaugeField::Table, "Tank " + tankName + ": the table's shell temperatures are in " +
                                           (fahrenheit ? "F" : "C") + " but the report's in " +
                                           (units == UnitSystem::US ? "F" : "C"));
    ShoreTankInput s;
    s.tov = ship.tov;
    s.freeWater = ship.freeWater;
    s.level = ship.gauge.recorded;
    s.liquidTemperature = liquid.temperature;
    try {
        s.ambientTemperature = ParseFieldNumber(g.ambientTemperature, "Ambient temperature");
    } catch (const CalcFault &fault) {
        if (!table.shore->insulated)
            return stop(GaugeField::AmbientTemperature, "Tank " + tankName + ": " + fault.message());
        s.ambientTemperature = liquid.temperature;
    }
    if (table.shore->roof) {
        const FloatingRoof &roof = *table.shore->roof;
        const double innage = table.levelKind == LevelKind::Innage ? s.level : table.referenceHeight - s.level;
        if (RoofStateAt(roof, innage) == RoofState::Floating) {
            const bool deducted = roof.tableDeducted;
            if (deducted && blankText(g.roofGravity)) {
                // No gravity taken at tank temperature: the tables give it from the base.
                const bool metric = units != UnitSystem::US;
                if (!liquid.baseGravity)
                    return stop(GaugeField::RoofGravity,
                                "Tank " + tankName +
                                    ": the roof floats: give the gravity at base or the gravity at tank temperature");
                const ObservedGravity observed = ObservedGravityAtTemperature(*liquid.baseGravity, liquid.temperature,
                                                                              liquid.crude, metric, roof.scale);
                if (!observed.value)
                    return stop(GaugeField::RoofGravity, "Tank " + tankName + ": the roof floats: " + observed.reason);
                s.gravity = *observed.value;
                const char *baseScale = metric ? " kg/m3 at 15 C" : " API at 60 F";
                w.push_back("Roof: gravity at tank temperature " + num(*observed.value) +
                            (roof.scale == GravityScale::Api ? " API" : " kg/m3") + " (" + observed.table + " from " +
                            num(*liquid.baseGravity) + baseScale + " at " + num(liquid.temperature) +
                            (metric ? " C)" : " F)"));
            } else {
                const std::string &text = deducted ? g.roofGravity : g.roofDensity;
                const char *caption =
                    deducted ? "Gravity at tank temperature (roof)" : "Density in air at tank temperature (roof)";
                try {
                    const double value = ParseFieldNumber(text, caption);
                    if (deducted)
                        s.gravity = value;
                    else if (!(value > 0))
                        return stop(GaugeField::RoofDensity,
                                    "Tank " + tankName + ": " + caption + " must be more than 0");
                    else
                        s.densityInAir = value; // at tank temperature: the VCF is in it already
                } catch (const CalcFault &fault) {
                    return stop(deducted ? GaugeField::RoofGravity : GaugeField::RoofDensity,
                                "Tank " + tankName + ": the roof floats: " + fault.message());
                }
            }
        }
    }
    const ShoreTankResult shell = ShoreGrossObservedVolume(table, s);
    w.insert(w.end(), shell.working.begin(), shell.working.end());
    if (shell.stop) {
        r.working.pop_back();
        return stop(GaugeField::None, "Tank " + tankName + ": " + shell.stop->notice);
    }
    if (shell.roofAdjustment != 0)
        w.push_back("Roof: " + num(std::fabs(shell.roofAdjustment)) + " " +
                    std::string(VolumeUnitName(table.volumeUnit)) +
                    (shell.roofAdjustment < 0 ? " taken off" : " added"));
    r.gov = shell.gov;
    return r;
}

NetVolumes NetFromGross(double gsv, double freeWater, const std::string &swText, UnitSystem units)
{
    NetVolumes n;
    const VolumeUnit unit = ReportVolumeUnit(units);
    const std::string u(VolumeUnitName(unit));
    try {
        const double sw = blankText(swText) ? 0 : ParseFieldNumber(swText, "S&W");
        if (!(sw >= 0 && sw < 100)) {
            n.notice = "S&W must be 0 % or more and under 100 %";
            return n;
        }
        n.swPercent = RoundHalfUp(sw, 3);
        n.csw = RoundHalfUp(1 - n.swPercent / 100, 5);
        n.working.push_back("S&W: " + num(n.swPercent) + " %, CSW = 1 - " + num(n.swPercent) +
                            " / 100 = " + num(n.csw) + " (5 places)");
        n.nsv = RecordVolume(gsv * n.csw, unit);
        n.working.push_back("NSV: GSV " + num(gsv) + " x CSW " + num(n.csw) + " = " + num(n.nsv) + " " + u);
        n.tcv = RecordVolume(gsv + freeWater, unit);
        n.working.push_back("TCV: GSV " + num(gsv) + " + FW " + num(freeWater) + " = " + num(n.tcv) + " " + u);
    } catch (const CalcFault &fault) {
        n.notice = fault.message();
    }
    return n;
}

} // namespace dravex
