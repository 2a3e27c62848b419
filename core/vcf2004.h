// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/working.h"

#include <array>
#include <optional>
#include <string>

namespace dravex {

// The 2004 edition of the volume correction tables: API MPMS Chapter 11.1-2004 (ASTM
// D1250-04), temperature and pressure correction of generalized crude oils, refined
// products and lubricating oils. Everything is computed in kg/m3, degrees F and psig on
// the ITS-90 scale, shifted to the IPTS-68 basis the correlations were fitted on; other
// units are converted on the way in. Nothing is rounded or cut inside the procedure: the
// standard rounds only its outputs (CTL, CPL and CTPL to 5 places), and CTPL is rounded
// from the product of the unrounded CTL and CPL.
//
// Inputs are computed as given. The standard's published examples (11.1.6.1, 11.1.6.2,
// 11.1.7.1) enter values finer than the table increments (301.93 F, 1499.97 psig, RD
// 0.72332) and expect a stop for 1500.12 psig, -50.025 C and 1163.55 kg/m3, which a
// rounding to 1 psig, 0.05 C and 0.1 kg/m3 first would have let through or made
// ambiguous: the implementation procedure works on the unrounded values. Rounding the
// inputs to the increments of the printed tables is a separate step a caller may take
// first (RoundVcf2004Inputs), which the working then reports.

// The commodity a user chooses.
enum class Vcf2004Commodity { CrudeOils, RefinedProducts, LubricatingOils, SpecialApplications };

// The group whose constants a correction used: refined products split into four by the
// density at 60 F.
enum class Vcf2004Group {
    CrudeOils,
    Gasolines,
    TransitionZone,
    JetFuels,
    FuelOils,
    LubricatingOils,
    SpecialApplications
};

const char *Vcf2004GroupName(Vcf2004Group group);

enum class Vcf2004DensityKind { Api, RelativeDensity, KgPerM3 };
enum class Vcf2004TemperatureUnit { Fahrenheit, Celsius };
enum class Vcf2004PressureUnit { Psig, KPa, Bar };
enum class Vcf2004Base { F60, C15, C20 };

// The pressure unit as notices and the working write it: "psig", "kPa", "bar".
const char *Vcf2004PressureUnitName(Vcf2004PressureUnit unit);

// The constants of the correlation alpha60 = K0 / rho*^2 + K1 / rho* + K2, per F.
struct Vcf2004Constants
{
    double k0 = 0;
    double k1 = 0;
    double k2 = 0;
};

// Crude oils (341.0957, 0, 0), gasolines (192.4571, 0.2438, 0), transition zone
// (1489.0670, 0, -0.0018684), jet fuels (330.3010, 0, 0), fuel oils (103.8720, 0.2701, 0),
// lubricating oils (0, 0.34878, 0), special applications (0, 0, alpha60).
Vcf2004Constants Vcf2004GroupConstants(Vcf2004Group group, double alpha60 = 0);

// Refined products by density at 60 F (kg/m3). Each border belongs to the denser group:
// gasolines below 770.3520, transition zone from 770.3520 to below 787.5195, jet fuels
// from 787.5195 to below 838.3127, fuel oils from 838.3127. Outside the limits the nearest
// band is taken (the observed-to-base search may pass there; the limits are checked on
// its result).
//   RefinedProductsGroup(770.3519) == Gasolines, RefinedProductsGroup(770.352) ==
//   TransitionZone, RefinedProductsGroup(838.3127) == FuelOils
Vcf2004Group RefinedProductsGroup(double rho60);

// Density at 60 F in kg/m3 from an API gravity or a relative density 60/60 F, and back.
//   Vcf2004DensityFromApi(17.785) == 141.5 / (17.785 + 131.5) * 999.016 (946.9187...),
//   Vcf2004DensityFromRelativeDensity(0.7943) == 793.5184088
double Vcf2004DensityFromApi(double api);
double Vcf2004DensityFromRelativeDensity(double rd);
double Vcf2004ApiFromDensity(double rho);
double Vcf2004RelativeDensityFromDensity(double rho);

// Temperatures and pressures to the units of the correlations.
//   Vcf2004Fahrenheit(15, Celsius) == 59, Vcf2004Psig(100, KPa) == 14.5037743...,
//   Vcf2004Psig(1, Bar) == 14.5037743...
double Vcf2004Fahrenheit(double t, Vcf2004TemperatureUnit unit);
double Vcf2004Psig(double pressure, Vcf2004PressureUnit unit);

// The scaled compressibility factor Fp (per psi, scaled by 1E5) in the unit of a pressure:
// CPL = 1 / (1 - 1E-5 * Fp * P) holds with P and Fp in the same unit.
//   Vcf2004FpInUnit(0.462, Bar) == 0.462 / 0.06894757 (6.7007...)
double Vcf2004FpInUnit(double fpPerPsi, Vcf2004PressureUnit unit);

// A temperature in F on the ITS-90 scale shifted to IPTS-68 (11.1.5.3): through C,
// tau = t / 630, Δt = tau * (a1 + tau * (a2 + ... + tau * a8)), t68 = t - Δt, back to F.
//   Vcf2004Ipts68Fahrenheit(-27.7) == -27.712499233089, (85) == 85.013358222928
double Vcf2004Ipts68Fahrenheit(double tF);

// One correction at a density at 60 F, every value in the order the standard computes it
// (11.1.6.1 steps with the group's constants, nothing rounded).
struct Vcf2004Factors
{
    Vcf2004Group group = Vcf2004Group::CrudeOils;
    Vcf2004Constants constants;
    double rho60 = 0;    // kg/m3 at 60 F, ITS-90
    double a = 0;        // A = δ60 / 2 * ((K0 / rho60 + K1) / rho60 + K2)
    double b = 0;        // B = (2 K0 + K1 rho60) / (K0 + (K1 + K2 rho60) rho60)
    double rhoStar = 0;  // rho* = rho60 (1 + (exp(A (1 + 0.8 A)) - 1) / (1 + A (1 + 1.6 A) B))
    double tStar = 0;    // the temperature on IPTS-68, F
    double alpha60 = 0;  // K0 / rho*^2 + K1 / rho* + K2, per F
    double deltaT = 0;   // t* - 60.0068749
    double ctl = 0;      // exp(-alpha60 ΔT (1 + 0.8 alpha60 (ΔT + δ60)))
    double fp = 0;       // exp(-1.9947 + 0.00013427 t* + (793920 + 2326 t*) / rho*^2), per psi
    double pressure = 0; // psig used: a negative gauge pressure taken as 0
    double cpl = 0;      // 1 / (1 - 1E-5 Fp P)
    double ctpl = 0;     // CTL * CPL
};

// 11.1.6.1 from a density at 60 F (kg/m3), a temperature in F and a gauge pressure in psig;
// no limits checked. Refined products choose their group by rho60.
//   Vcf2004FactorsAt(Crude, 946.918739324112, -27.7, 0): rho* 946.921215770785,
//     alpha60 0.000380407044, CTL 1.033011591958, Fp 0.305779891997, CPL 1
//   Vcf2004FactorsAt(Refined, 657.3, 27.3, 1234.5): gasolines, CTL 1.026475833518,
//     Fp 0.993527440282, CPL 1.012417396817, CTPL rounded 1.03922 (not 1.02648 * 1.01242)
Vcf2004Factors Vcf2004FactorsAt(Vcf2004Commodity commodity, double rho60, double tF, double psig, double alpha60 = 0);

// The observed-to-base search of 11.1.6.2: the density at 60 F whose correction to t and P
// gives the observed density. Starts at the observed density; each step takes the group
// of the current estimate (refined products), its factors, and is converged when the
// estimate corrected to t and P is within 0.000001 kg/m3 of the observed density: that
// estimate and its factors are the result, with no further step. Otherwise Newton's step
//   E = observed / (CTL CPL) - rho60,
//   DTL = Dalpha alpha60 (t - 60) (1 + 1.6 alpha60 (t - 60)),
//   DP = -2 CPL P Fp (7.93920 + 0.02326 t) / rho60^2,
//   next estimate = rho60 + E / (1 + DTL + DP),
// with t the temperature as entered (F, not t*), P the gauge pressure used and Dalpha the
// group's factor: 2.0 crude oils and jet fuels, 1.3 fuel oils, 8.5 transition zone, 1.5
// gasolines, 1.0 lubricating oils, 0 special applications (alpha60 does not depend on
// density). The start and every estimate are kept within the commodity's limits of
// density at 60 F (special applications have none): an estimate beyond one is set back to
// it and recorded in beyondLimit, cleared again by an estimate within the limits.
// At most kVcf2004MaxIterations steps: a search that has not converged by then, or whose
// estimate stops being a positive finite number, has failed (never a hang).
constexpr int kVcf2004MaxIterations = 15;
constexpr double kVcf2004Tolerance = 0.000001;

struct Vcf2004Iteration
{
    double rho60 = 0; // the estimate the step started from
    Vcf2004Group group = Vcf2004Group::CrudeOils;
    double ctpl = 0;     // its correction to t and P
    double residual = 0; // rho60 * CTL * CPL - observed
    double next = 0;     // the next estimate (equal to rho60 on the converged step)
};

struct Vcf2004Search
{
    std::array<Vcf2004Iteration, kVcf2004MaxIterations> steps{};
    int count = 0;
    bool converged = false;
    Vcf2004Factors factors; // of the converged estimate (or the last one tried)
    // The last estimate beyond the limits of density at 60 F, before it was set back.
    std::optional<double> beyondLimit;
};

//   Vcf2004ObservedToBase(Crude, 823.7, 80.3, -5): rho60 832.048516184234, CTL
//     0.989966310837, Fp 0.567045450015
//   Vcf2004ObservedToBase(Refined, 803.141, 25.3, 267): starts among the jet fuels, ends
//     in the transition zone at 787.507922593917, just below the jet fuel border 787.5195
Vcf2004Search Vcf2004ObservedToBase(Vcf2004Commodity commodity, double observed, double tF, double psig,
                                    double alpha60 = 0);

// The whole calculation as a window or the command line asks for it.
struct Vcf2004Input
{
    Vcf2004Commodity commodity = Vcf2004Commodity::CrudeOils;
    std::optional<double> alpha60; // per F; special applications only
    double density = 0;
    Vcf2004DensityKind densityKind = Vcf2004DensityKind::KgPerM3;
    bool observed = false; // density at the temperature and pressure, else at the base
    Vcf2004Base base = Vcf2004Base::F60;
    double temperature = 60;
    Vcf2004TemperatureUnit temperatureUnit = Vcf2004TemperatureUnit::Fahrenheit;
    double pressure = 0;
    Vcf2004PressureUnit pressureUnit = Vcf2004PressureUnit::Psig;
};

// Each input rounded to the increment of the printed tables: F to 0.1, C to 0.05, psig
// to 1, kPa to 5, bar to 0.05, API to 0.1, RD to 0.0001, kg/m3 to 0.1, halves away from
// zero; alpha60 as given. Not part of the implementation procedure (see above): a caller
// that wants table values calls this first and says so in the working.
//   RoundVcf2004Inputs({..., 301.93 F, 1499.6 psig, 17.785 API}): 301.9 F, 1500 psig,
//   17.8 API; 15.025 C -> 15.05 C, 12.5 kPa -> 15 kPa
Vcf2004Input RoundVcf2004Inputs(const Vcf2004Input &input);

// The lines a caller adds to the working when it rounded the inputs: "Temperature used:
// 301.9 F (301.93 F rounded to 0.1, the table increment)", one per input that changed.
void DescribeVcf2004InputRounding(const Vcf2004Input &entered, const Vcf2004Input &rounded, Working &working);

// Why a calculation stopped before any result: an input beyond a limit (naming the input,
// its value and the limit), a missing alpha60 for special applications, or a search that
// did not converge.
struct Vcf2004Stop
{
    enum class Kind { OutOfLimit, MissingAlpha, NoConvergence };
    Kind kind = Kind::OutOfLimit;
    std::string input; // "Temperature", "Pressure", "Density at 60 F", "Alpha60"
    double value = 0;  // in the unit of the limit
    double limit = 0;
    std::string unit;
    std::string notice; // "Temperature -58.045 F is below the limit -58 F"
};

struct Vcf2004Result
{
    Vcf2004Input input;
    std::optional<Vcf2004Stop> stop; // set: nothing below is a result

    double tF = 0;   // the temperature in F
    double psig = 0; // the pressure in psig (before a negative one is taken as 0)
    // A negative gauge pressure (a partial vacuum) was taken as 0 psig; the notice says so.
    bool vacuumTakenAsZero = false;
    std::string vacuumNotice; // "Pressure -5 psig is below 0: the 2004 edition takes it as 0 psig"

    double baseF = 60; // the base temperature in F: 60, 59 or 68
    // Base density at the chosen base (kg/m3), and at 60 F.
    double densityBase = 0;
    double density60 = 0;
    // The observed-to-60 F search (observed entries), or the base-to-60 F search (15 C
    // and 20 C bases entered at the base: the base density is corrected from the base
    // temperature at 0 psig, as 11.1.7 prescribes).
    std::optional<Vcf2004Search> search;
    Vcf2004Factors factors;               // at 60 F base to t and P
    std::optional<Vcf2004Factors> atBase; // 60 F to the metric base at 0 psig
    // Correction between the base and t, P, unrounded: for the 60 F base the factors
    // themselves; for 15 C and 20 C CTL is the ratio CTL(t) / CTL(base).
    double ctl = 0;
    double fp = 0; // per psi
    double cpl = 0;
    double ctpl = 0;
    // As the standard rounds them: CTL, CPL, CTPL to 5 places, Fp to 3 (per psi).
    double ctlRounded = 0;
    double fpRounded = 0;
    double cplRounded = 0;
    double ctplRounded = 0;
    double api60 = 0; // from density60
    double rd60 = 0;

    bool ok() const { return !stop; }
};

// The 2004 correction: limits, density to 60 F (by search where the density is observed
// or at a metric base), the factors from the base to the temperature and pressure, the
// roundings. Out of a limit is a result with its stop, never an exception; no input
// makes it loop (the searches are bounded).
//   Vcf2004Correction({Refined, 657.3 kg/m3 at 60 F, 27.3 F, 1234.5 psig}): gasolines,
//     CTL 1.02648, Fp 0.994, CPL 1.01242, CTPL 1.03922
//   Vcf2004Correction({Crude, 823.7 kg/m3 observed, 80.3 F, -5 psig}): density60
//     832.048516184234, CTPL 0.98997
//   Vcf2004Correction({Crude, 772.3 kg/m3 at 15 C, -32.8 C, 24.6 bar}): CTL
//     1.048420095319, CPL 1.001652488031, CTPL 1.05015
//   Vcf2004Correction({Crude, ..., 302.8 F}): stop "Temperature 302.8 F is above the
//     limit 302 F"
// Limits: temperature -58 to 302 F (-50 to 150 C, checked in the unit entered); pressure
// from full vacuum (-14.696 psig, -101.325 kPa, -1.01325 bar: one standard atmosphere below
// the gauge's zero, checked in the unit entered) up to 1500 psig; a negative gauge pressure
// above full vacuum is taken as 0, as the standard's procedure prescribes, and the result
// says so (vacuumTakenAsZero); density at 60 F 610.6 to
// 1163.5 kg/m3 for every commodity (lubricating oils from 800.9); alpha60 of special
// applications 230E-6 to 930E-6 per F. An observed density is checked through the density
// at 60 F its search finds. API gravity and relative density are defined at 60 F: at a
// 15 C or 20 C base the density is given in kg/m3 (an observed one may be in any kind).
Vcf2004Result Vcf2004Correction(const Vcf2004Input &input);

// A value as the window shows it: RoundDecimalForm (core/conventions), rounded once from
// its decimal form, halves away from zero.
//   Vcf2004RoundDecimal(41.35, 1) == 41.4, (41.349999999999994, 1) == 41.3,
//   (-0.125, 2) == -0.13, (0.00049, 3) == 0, (99.96, 1) == 100
double Vcf2004RoundDecimal(double x, int places);

// Rounded as the standard prints them, each by Vcf2004RoundDecimal: CTL, CPL and CTPL to 5
// places, Fp per psi to 3 places (per kPa to 4, per bar to 2), densities to 0.1 kg/m3, API
// to 0.1, RD to 0.0001.
//   Vcf2004RoundFactor(1.039224) == 1.03922
double Vcf2004RoundFactor(double factor);
double Vcf2004RoundFp(double fp, Vcf2004PressureUnit unit);
//   Vcf2004RoundDensity(787.507922593917, KgPerM3) == 787.5, (48.0015, Api) == 48,
//   (0.78829, RelativeDensity) == 0.7883
double Vcf2004RoundDensity(double density, Vcf2004DensityKind kind);

// The working of a correction in the order computed: the entry and its density at 60 F,
// each search step (estimate, group, CTPL, residual, next estimate), the group and its
// constants, A, B, rho*, t*, alpha60, ΔT, CTL, Fp, CPL, CTPL (and at a metric base its
// correction and the ratio), then the roundings; or where it stopped and why.
void DescribeVcf2004Correction(const Vcf2004Result &result, Working &working);

} // namespace dravex
