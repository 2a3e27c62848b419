// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/procedure.h"
#include "core/working.h"

#include <array>

namespace dravex {

// ---- Wedge: the liquid left against the aft bulkhead of a tank trimmed by the stern ----

// English: lengths in feet, innage in inches, result in barrels.
// Metric: lengths in metres, innage in millimetres, result in cubic metres.
enum class WedgeUnits { English, Metric };

// Trim T = AD - FD, positive when the ship trims by the stern.
double WedgeTrim(double aftDraft, double forwardDraft);

// The innage reading in length units: inches / 12 (English), millimetres / 1000 (Metric).
//   WedgeInnage(3, English) == 0.25, WedgeInnage(50, Metric) == 0.05
double WedgeInnage(double reading, WedgeUnits units);

// How much higher the tank bottom lies at the far (forward) bulkhead than below the hatch:
// ((TL - BHD) * T) / VL. A vessel length of 0 is a division by zero.
//   WedgeLimit(40, 10, 6, 600) == 0.3
double WedgeLimit(double tankLength, double hatchToBulkhead, double trim, double vesselLength);

// An innage deeper than the limit reaches the far bulkhead: the tank holds more than a
// wedge. Strictly greater: an innage equal to the limit is still a wedge.
bool WedgeBeyondLimit(double innage, double limit);

// The working up to the limit test: the units, the trim, the innage in length units and the
// limit, and a line saying so when the innage lies beyond it.
//   English, trim 6, innage 0.25, limit 0.3: "Trim: 6 ft (aft draft - forward draft)",
//   "Innage: 0.25 ft (reading / 12)", "Limit: 0.3 ft (...)"
void DescribeWedgeLimit(WedgeUnits units, double trim, double innage, double limit, bool beyond, Working &working);

// The wedge volume and the values behind it, in the order they were computed.
struct WedgeVolume
{
    double slope = 0;              // s = T / VL
    double depthAtBulkhead = 0;    // H = h + (BHD - (TD * T) / VL) * s
    double wedgeLength = 0;        // H / s: how far the wedge runs from the low bulkhead
    double doubledVolume = 0;      // V = ((H * H) * TW) / s, twice the wedge in cubic length units
    double volume = 0;             // V / 2, the wedge in cubic length units
    double cubicMetres = 0;        // R: English (V / 2) * 0.028317, Metric V / 2
    double roundedCubicMetres = 0; // M = RoundToPlaces(R, 3), sign dropped
    double barrels = 0;            // English only: B = M * 6.2898
    double quantity = 0;           // shown: RoundToPlaces(B, 2) English, M Metric
};

// Steps after the limit test. The slope is taken afresh wherever it is used; an even keel
// (slope 0) or a vessel length of 0 is a division by zero. The English result is rounded
// twice: to 0.001 m3, then, in barrels, to 0.01.
//   English 600, 40, 30, 10, 20, 26, 50, innage 0.25 ft: H 0.345, V 357.075, M 5.056, 31.8 bbl
//   English same tank, innage 0.5 ft (beyond the limit 0.3): M 15.037, 94.58 bbl
//   Metric 200, 12, 10, 2, 8, 10, 20, innage 0.05 m: H 0.068, V 4.624, 2.312 m3
WedgeVolume WedgeQuantity(double innage, double hatchToBulkhead, double tankDepth, double trim, double vesselLength,
                          double tankWidth, WedgeUnits units);

// The working of the wedge: slope, depth at the bulkhead, the wedge length against the tank
// length it must not exceed, and the volume before and after each rounding.
//   English tank above, innage 0.25 ft: "Depth at bulkhead: 0.345 ft (...)", "Wedge length:
//   34.5 ft (...)", "Tank length: 40 ft (...)", ..., "Quantity remaining: 31.8 bbl (...)"
void DescribeWedgeVolume(const WedgeVolume &wedge, double tankLength, WedgeUnits units, Working &working);

// ---- Stop gauge: the tank quantity at which to stop a transfer of a net quantity ----

// Gross quantity to move: G = N / F, F the factor rounded to 4 places. G is not rounded.
//   StopGaugeGross(10000, 0.9905) == 10095.911...
double StopGaugeGross(double net, double vcf);

// Stop quantity S = O - G. Negative when more is to be moved than the tank holds.
double StopGaugeQuantity(double opening, double gross);

// S rounded to 0.01 keeping its sign: a negative stop quantity is no gauge at all and must
// not read as one.
//   StopGaugeShown(39904.0887...) == 39904.09, StopGaugeShown(-5095.9112...) == -5095.91
double StopGaugeShown(double stop);

// ---- Average gravity: the volume-weighted gravity of up to four issuing tanks ----

struct TankGravity
{
    double gravity = 0;
    double volume = 0;
};

struct AverageGravityResult
{
    std::array<double, 4> products{}; // Pk = gravity * volume
    double sum = 0;                   // ((P1 + P2) + P3) + P4
    double totalVolume = 0;           // ((V1 + V2) + V3) + V4
    double mean = 0;                  // sum / totalVolume
    double shown = 0;                 // RoundToPlaces(mean, 2), sign dropped
};

// The mean is taken on the numbers as entered, whatever the gravity scale. A total volume
// of 0 is a division by zero.
//   30, 40, 0, 0 with 1000, 3000, 0, 0: 150000 / 4000 == 37.5
//   35.2, 36.8, 34.1, 40.0 with 10000, 5000, 2500, 2500: 721250 / 20000 == 36.0625, shown 36.06
AverageGravityResult AverageGravity(const std::array<TankGravity, 4> &tanks);

// ---- Theoretical density: a shore tank's density after it has received a cargo ----

struct TheoreticalDensityResult
{
    double openProduct = 0;     // A = D1 * V1
    double received = 0;        // R = V2 - V1, negative when the tank closed below its opening
    double receivedProduct = 0; // B = D2 * R
    double sum = 0;             // A + B
    double density = 0;         // D3 = sum / V2
    double shown = 0;           // RoundToPlaces(D3, 1), sign dropped
};

// Open density D1 and volume V1, vessel composite density D2, closing volume V2. A closing
// volume of 0 is a division by zero.
//   820.0, 1000, 840.0, 5000: A 820000, R 4000, B 3360000, D3 836
//   815.3, 2500, 842.7, 10000: D3 835.85, shown 835.9
TheoreticalDensityResult TheoreticalDensity(double openDensity, double openVolume, double vesselDensity,
                                            double closingVolume);

// ---- The gauging windows' calculations ----

// Wedge (Form7), Enter in txtinn. With neither unit system chosen it stops at once and asks
// for one. Otherwise it reads txtadt, txtfdt, txtinn, txttl, txtbhd and txtvl for the limit
// test (an innage beyond it asks for the out-of-range window, and the calculation goes on),
// then txttdp and txttw, and writes the quantity to txtrob and its unit to txtmes.
//   English tank of WedgeQuantity, innage 3 in: "31.8", "BBLS."; 6 in: "94.58", out of range
extern const FormSpec kForm7;
FormResult WedgeQuantityRemaining(const FieldTexts &texts);

// Stop gauge (Form9), a key on the chosen table's option button: reads txtapi and txtem for
// the factor of that table (Table 6B above 1074 kg/m3 stops with the out-of-range window),
// then txtbm and txtgv, and writes the stop quantity to txtstp.
//   API 35, 80 F, net 10000, opening 50000, Table 6A: "39904.09"
extern const FormSpec kForm9;
FormResult StopGaugeTable6A(const FieldTexts &texts);
FormResult StopGaugeTable6B(const FieldTexts &texts);

// Average gravity (Form8), Enter in txtv4: reads the volumes txtv1 to txtv4, then the
// gravities txtt1 to txtt4, and writes the receiving tank's gravity to txtt5.
extern const FormSpec kForm8;
FormResult ReceivingTankGravity(const FieldTexts &texts);

// Theoretical density (Form20), Enter in txtv2: reads txtd1, txtv1, txtv2 and txtd2 and
// writes the density to txtd3.
extern const FormSpec kForm20;
FormResult ShoreTankDensity(const FieldTexts &texts);

} // namespace dravex
