// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/correction_model.h"
#include "core/procedure.h"
#include "core/working.h"

#include <array>
#include <optional>

namespace dravex {

// Gravity correction: a hydrometer reading taken at the temperature of the sample is
// corrected for the expansion of the glass, and the volume correction is then inverted by
// substitution, each intermediate cut or rounded at fixed places. Tables 5A and 5B work in
// API gravity and degrees Fahrenheit (base 60 F), Tables 53A and 53B in kg/m3 and degrees
// Celsius (base 15 C).

// The passes always run to the end: there is no convergence test.
constexpr int kSubstitutionPasses = 8;

// Expansion of the hydrometer glass: HYC = 1 - a1 - a2 at or above the base temperature,
// 1 + a1 - a2 below it, with a1 and a2 the rounded magnitudes of the linear and square
// terms.
struct GlassCorrection
{
    double a1 = 0;
    double a2 = 0;
    double factor = 0; // HYC
};

// One substitution pass, in the order it is computed.
struct SubstitutionPass
{
    double q = 0;        // K0 / rho, cut to 8 places
    double k0 = 0;       // q / rho, cut to 10 places
    double k1 = 0;       // K1 / rho, cut to 10 places
    double alpha = 0;    // k0 + k1 rounded to 7 places
    double x = 0;        // alpha * dT, cut
    double y = 0;        // 0.8 * x, cut
    double z = 0;        // x * y, rounded
    double exponent = 0; // -x - z at or above the base temperature, x - z below
    double vcf = 0;      // exp(exponent) rounded to 6 places
    double density = 0;  // density at the temperature / vcf, cut to 3 places: the new estimate
};

using SubstitutionPasses = std::array<SubstitutionPass, kSubstitutionPasses>;

// How Table 5A and Table 5B form the temperature difference T - 60.
enum class TemperatureDifference {
    // Table 5A: the nearest whole degree, halves to the even neighbour, held in a 16-bit
    // integer and squared as a 16-bit product; beyond 181 degrees either way that
    // arithmetic overflows.
    WholeDegrees,
    // Table 5B: T - 60 exactly, squared as a double.
    Exact,
};

// An API gravity at 60 F and the working behind it.
struct Api60Correction
{
    TemperatureDifference form = TemperatureDifference::Exact;
    bool atOrAboveBase = true; // the typed temperature against 60 F, which picks the signs
    double difference = 0;     // t - 60 as typed
    double deltaT = 0;         // the difference the correction uses: whole degrees on Table 5A
    double deltaTSquared = 0;
    double observedDensity = 0; // kg/m3 from the observed gravity, rounded to 2 places
    GlassCorrection glass;
    double densityAtTemperature = 0; // observed density * HYC, rounded to 2 places
    SubstitutionPasses passes{};
    double density60 = 0; // the last pass's density
    double api60 = 0;     // 141360.198 / density60 - 131.5, unrounded
};

// Tables 5A and 5B: observed API gravity at t degrees F to API gravity at 60 F, with
// K0 = 341.0957, K1 = 0, and x, y and z at 8 places.
//   ObservedApiToApi60(35, 85, WholeDegrees): dT 25, observed density 849.01,
//     a1 0.0003195, a2 0.000003875, HYC 0.999676625, density at 85 F 848.74, passes
//     858.942, 858.698, then 858.704 six times; API 33.1204..., shown as 33.1 (5B the same)
//   ObservedApiToApi60(35, 85.5, ...): 5A takes dT 26 and shows 33, 5B (25.5) shows 33.1
//   ObservedApiToApi60(50, 40, ...): dT -20, HYC 1.00025312, density 779.04, last pass
//     770.214, shown as 52
//   ObservedApiToApi60(45, 241.4, ...): 5A (dT 181) shows 30.8, 5B (181.4) shows 30.7;
//     at 241.5 F Table 5A's difference rounds to 182 and overflows
// Faults: a gravity of -131.5 divides by zero; a density or factor of zero in the passes
// divides by zero; values beyond the double range overflow.
Api60Correction ObservedApiToApi60(double api, double t, TemperatureDifference form);

// The working of a gravity correction, one line per value in the order computed: the
// temperature difference (and on Table 5A the whole degrees it used), the observed
// density, the glass correction, the density at the observed temperature, the constants,
// the expansion coefficient, factor and density estimate of each pass, the density and the
// gravity at 60 F.
//   ObservedApiToApi60(35, 85, WholeDegrees): "Temperature difference: 25 F (t - 60)",
//   "Whole degrees used: 25 F (...)", "Observed density: 849.01 kg/m3 (...)", ...,
//   "Pass 1 density estimate: 858.942 kg/m3 (...)", ..., "Density at 60 F: 858.704 kg/m3
//   (the eighth pass)", "API gravity at 60 F: 33.1204... API (...)"
void DescribeApi60Correction(const Api60Correction &correction, Working &working);

// The API gravity at 60 F as the screens show it: rounded to one place, keeping the sign
// of a gravity below zero (a heavy product beyond 1076 kg/m3 is a real negative gravity).
//   ShownApi60(33.1204) == 33.1, ShownApi60(-5.04) == -5, ShownApi60(-0.04) == 0
double ShownApi60(double api60);

enum class DensityTable { Table53A, Table53B };

// Table 53B expansion groups, chosen on the observed density as typed: gasolines from 650
// up to 778.5, jet fuels up to 838.5, fuel oils up to 1075, each band including its upper
// limit; none below 650 or above 1075. There is no transition zone.
//   Table53BGroup(778.5) == Gasolines, Table53BGroup(778.6) == JetFuels,
//   Table53BGroup(640) and Table53BGroup(1080) are empty
std::optional<ProductGroup> Table53BGroup(double observedDensity);

// A density at 15 C and the working behind it.
struct Density15Correction
{
    DensityTable table = DensityTable::Table53A;
    bool atOrAboveBase = true;  // the typed temperature against 15 C, which picks the signs
    double observedDensity = 0; // as typed: it chooses the Table 53B band
    double deltaT = 0;
    double deltaTSquared = 0;
    GlassCorrection glass;
    double densityAtTemperature = 0;   // observed density * HYC, rounded to 2 places
    std::optional<ProductGroup> group; // Table 53A: crude oils; 53B: the band, if any
    double k0 = 0;
    double k1 = 0;
    SubstitutionPasses passes{};
    double density15 = 0; // the last pass's density, unrounded
    // Table 53B only: the observed density lies in no band, so the passes ran with
    // K0 = K1 = 0 (no expansion) and the density is the observed one corrected for the
    // glass alone.
    bool outOfRange = false;
};

// Tables 53A and 53B: observed density (kg/m3) at t degrees C to density at 15 C, with
// x, y and z at 9 places. Table 53A takes K0 = 613.9723, K1 = 0 for every density; Table
// 53B takes the pair of the observed density's band.
//   ObservedDensityToDensity15(850, 30, Table53A): HYC 0.9996505, density at 30 C 849.7,
//     passes 860.72, 860.435, then 860.442 six times, shown as 860.4; 53B ends at 860.291
//   ObservedDensityToDensity15(750, 40, Table53B): gasolines, 771.928, shown as 771.9
//   ObservedDensityToDensity15(1080, 40, Table53B): out of range, 1079.37, shown as 1079.4
// Faults: a density at the temperature of zero divides by zero in the passes.
Density15Correction ObservedDensityToDensity15(double observedDensity, double t, DensityTable table);

// The working of a density correction in the order computed: the temperature difference,
// the observed density, the glass correction, the density at the observed temperature,
// the product group with its band (or why there is none) and its constants, the passes
// and the density at 15 C.
//   ObservedDensityToDensity15(850, 30, Table53B): ..., "Product group: fuel oils
//   (838.5 < observed density <= 1075)", "Constant K0: 186.9696", ..., "Density at 15 C:
//   860.291 kg/m3 (the eighth pass)"
void DescribeDensity15Correction(const Density15Correction &correction, Working &working);

// Gravity correction windows: Form23 (Table 5A) and Form24 (Table 5B) in API gravity,
// Form25 (Table 53A) and Form26 (Table 53B) in kg/m3. Enter in txtobt reads txtobt, then
// txtobg, and writes txtcg. Outside the Table 53B bands the out-of-range window is due and
// the density corrected for the glass alone is still written.
//   Form23: 35, 85.5 F -> 33 (whole degrees); Form24: 35, 85.5 F -> 33.1
//   Form25: 850, 30 C -> 860.4; Form26: 850, 30 C -> 860.3; Form26: 1080, 40 C -> 1079.4
extern const FormSpec kForm23;
extern const FormSpec kForm24;
extern const FormSpec kForm25;
extern const FormSpec kForm26;
FormResult Table5AGravity(const FieldTexts &texts);
FormResult Table5BGravity(const FieldTexts &texts);
FormResult Table53ADensity(const FieldTexts &texts);
FormResult Table53BDensity(const FieldTexts &texts);
// Their procedures alone, for runs over slots.
void Table5AGravitySteps(FormRun &run);
void Table5BGravitySteps(FormRun &run);
void Table53ADensitySteps(FormRun &run);
void Table53BDensitySteps(FormRun &run);

} // namespace dravex
