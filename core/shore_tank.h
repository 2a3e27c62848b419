// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/procedure.h"
#include "core/tank_table.h"

#include <optional>
#include <string>
#include <vector>

namespace dravex {

// ---- The corrections of an upright shore tank ----

// The shell's temperature, rounded to a whole degree (half up, sign kept): for an
// uninsulated tank (7 x liquid + ambient) / 8, for an insulated one the liquid's.
//   ShellTemperature(135, 88, false) == 129 (128.875), ShellTemperature(135, 80, false) == 128
//   (128.125), ShellTemperature(135, 88, true) == 135
double ShellTemperature(double liquid, double ambient, bool insulated);

// CTSh = 1 + 2 a dT + a^2 dT^2, dT = shell - reference, to 5 places.
//   Ctsh(0.0000062, 129, 60) == 1.00086 (dT 69: 1 + 0.0008556 + 0.000000183)
double Ctsh(double alpha, double shellTemperature, double referenceTemperature);

enum class RoofState { Floating, Resting, CriticalZone };
// Where the roof is at an innage: at or above the top of the critical zone it floats, at
// or below its bottom it rests on its legs, between them it is in the critical zone.
RoofState RoofStateAt(const FloatingRoof &roof, double innage);

// The roof's volume adjustment, added to the volume (negative to subtract), recorded in the
// table's volume unit.
//   Table that deducted the roof at referenceGravity: gravity at tank temperature (API to
//   0.1, or kg/m3 to 0.1) against the table's: on the API scale each degree above it
//   subtracts the rate and each below adds it; on the density scale each kg/m3 above adds it
//   (a denser liquid lifts the roof with less volume) and below subtracts it.
//     35.0 API table, 24.59 bbl per API, observed 37.2 API: -54.10 bbl (2.2 x 24.59)
//   Table with no roof deduction: weight / (density in air x VCF) is subtracted, the density
//   in the roof weight's unit per table volume unit, the VCF that of the liquid.
//     246666 kg, 750 kg/m3, VCF 1: -328.888 m3
// gravity is the observed gravity (deducted table); density and vcf are for the other kind.
TableValue RoofAdjustment(const FloatingRoof &roof, VolumeUnit unit, double gravity, double densityInAir, double vcf);

// The observed gravity at a tank's temperature that the gravity tables carry back to the
// gravity at base, for a roof correction on a table that deducted the roof at a stated
// gravity. The tables run from an observed gravity to the base, so the observed gravity is
// found by bisection over their own arithmetic and then rounded:
//   US (API at 60 F, t in F): Table 5A for crude oils, 5B for products, to 0.1 API;
//   metric (density at 15 C in kg/m3, t in C): Table 53A for crude oils, 53B for products,
//   to 0.1 kg/m3.
// scale is the scale the roof's rate is given on; a gravity found on the other scale is
// turned over (API = 141360.198 / density - 131.5) before it is rounded.
//   API 33.1 at 60 F, crude, 85 F -> 35 API (Table 5A gives 33.1 from 35 at 85 F)
//   860.4 kg/m3 at 15 C, crude, 30 C -> 850 kg/m3 (Table 53A gives 860.4 from 850 at 30 C)
// nullopt with why when the base or temperature lies outside what the tables cover.
struct ObservedGravity
{
    std::optional<double> value;
    std::string table;  // "Table 5A", ...
    std::string reason; // when there is no value
};
ObservedGravity ObservedGravityAtTemperature(double baseGravity, double t, bool crude, bool metric, GravityScale scale);

struct ShoreTankInput
{
    double tov = 0;       // recorded, table unit
    double freeWater = 0; // recorded, table unit
    double level = 0;     // the gauge as the table reads it (ullage or innage), for the roof
    double liquidTemperature = 0;
    double ambientTemperature = 0;
    double gravity = 0;      // roof on a deducted table: gravity at tank temperature
    double densityInAir = 0; // roof on a table without deduction
    double vcf = 1;
};

struct ShoreTankResult
{
    double shellTemperature = 0;
    double ctsh = 1;
    std::optional<RoofState> roof;
    double roofAdjustment = 0;
    double gov = 0; // (TOV - FW) x CTSh + roof adjustment, recorded
    std::optional<CalcStop> stop;
    std::vector<std::string> working;
};

// GOV = (TOV - FW) x CTSh +/- roof adjustment, with the working of each step. A roof in its
// critical zone stops the tank with a notice; so does a free water above the TOV.
ShoreTankResult ShoreGrossObservedVolume(const TankTable &table, const ShoreTankInput &input);

} // namespace dravex
