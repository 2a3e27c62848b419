// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/procedure.h"

#include <array>
#include <optional>
#include <string_view>

namespace dravex {

// Fuel additive dosing: fuel system icing inhibitor (FSII), static dissipator additive
// (SDA), corrosion inhibitor (CI) and the metal deactivator DMD-2. Each function is the
// arithmetic a screen does between two of its field reads or writes; where a screen reads
// back a field it has just written, the function takes that value as the field shows it
// (at most 15 significant digits), not the double that was written.

// Fuel system icing inhibitor, concentrations in percent as the laboratory reports them.

// The fraction of FSII to add: (E - L) / 100, from the desired content E and the lab
// result L, both in percent. A lab result above the desired one gives a negative fraction.
//   FsiiFraction(.12, .09) == 0.0003
double FsiiFraction(double desired, double lab);

// FSII for a quantity of fuel in barrels, in US gallons: 42 * (Q * X), the product
// Q * X first.
//   FsiiGallonsForBarrels(1234.56, FsiiFraction(.12, .09)) == 15.555456 as shown
//   FsiiGallonsForBarrels(10000, FsiiFraction(.15, .09)) == 252 as shown
double FsiiGallonsForBarrels(double barrels, double fraction);

// FSII per 1000 barrels of fuel: the FSII gallons as the field shows them divided by the
// thousands of barrels, G / (Q / 1000). A quantity of 0 is a division by zero.
//   FsiiGallonsPerThousandBarrels(15.555456, 1234.56) == 12.6 as shown
//   FsiiGallonsPerThousandBarrels(10.370304, 1234.56) == 8.4 as shown, where the unshown
//   gallons of E .14, L .12 would give 8.40000000000001
double FsiiGallonsPerThousandBarrels(double shownGallons, double barrels);

// FSII for a quantity of fuel in gallons, in gallons: Q * X.
//   FsiiGallonsForGallons(1234.56, FsiiFraction(.12, .09)) == 0.370368 as shown
double FsiiGallonsForGallons(double gallons, double fraction);

// Static dissipator additive: lab results before and after injection.

// The dose per 1000 gallons of fuel for the increase of the lab result wanted, in the
// order the results depend on: A = R - L, B = (1000 - A) / 1000, C = 1 - B, D = C * 82.
// C is not A / 1000: with L 50 and R 250, C is 0.19999999999999996, and the one-decimal
// cuts further on see that last bit.
// A desired result below the lab result needs no additive: the dose is worked out as if
// the desired result equalled the lab result, A = 0 and D = 0.
struct SdaDose
{
    double increase = 0;    // A
    double remainder = 0;   // B
    double fraction = 0;    // C
    double perThousand = 0; // D
};
SdaDose SdaDoseFor(double lab, double desired);

// The barrels screen up to the SDA gallons it shows: W = Q * 42 gallons of fuel,
// E = (D / 1000) * W, G = E cut to one decimal (sign dropped), H = G * 10 millilitres,
// S = H / 3785 gallons, shown rounded to 2 places.
//   Q 1000, L 50, R 250: E 688.7999999999997, G 688.7, H 6887, shown 1.82
//   Q 1234.56, L 20, R 300: E 1190.5108992, G 1190.5, shown 3.15
struct SdaBarrelsMix
{
    double fuelGallons = 0; // W
    double dose = 0;        // E
    double cut = 0;         // G
    double millilitres = 0; // H
    double sdaGallons = 0;  // S
    double shown = 0;       // RoundToPlaces(S, 2)
};
SdaBarrelsMix SdaMixForBarrels(const SdaDose &dose, double barrels);

// Fuel for the pre-mix on the barrels screen: 9 times the SDA gallons as the field shows
// them, rounded to 2 places.
//   SdaPremixFuelForBarrels(1.82) == 16.38, SdaPremixFuelForBarrels(3.15) == 28.35
double SdaPremixFuelForBarrels(double shownSdaGallons);

// The gallons screen up to the millilitres it shows: E = (D / 1000) * Q, F = |E| * 10,
// millilitres Int(F) / 10, which is E cut to one decimal with the sign dropped.
//   Q 10000, L 50, R 250: E 163.99999999999994, millilitres 163.9
//   Q 1000, L 50, R 250: millilitres 16.3; Q 50000, L 20, R 300: millilitres 1148
struct SdaGallonsMix
{
    double dose = 0;        // E
    double tenths = 0;      // F
    double millilitres = 0; // Int(F) / 10
};
SdaGallonsMix SdaMixForGallons(const SdaDose &dose, double gallons);

// Fuel for the pre-mix on the gallons screen, from the uncut F of the mix:
// P = (F * 10) / 3785, shown RoundToPlaces(P, 1).
//   Q 10000, L 50, R 250: P 4.33289..., shown 4.3; Q 1000: P 0.43..., shown 0.4
struct SdaGallonsPremix
{
    double premix = 0; // P
    double shown = 0;  // RoundToPlaces(P, 1)
};
SdaGallonsPremix SdaPremixFuelForGallons(const SdaGallonsMix &mix);

// The pre-mix on the gallons screen is never less than one gallon of fuel. Takes the fuel
// as the field shows it; the minimum when that is 1 or less, otherwise nothing to change.
//   SdaMinimumPremixFuel(0.4) == 1, SdaMinimumPremixFuel(1) == 1, SdaMinimumPremixFuel(4.3) is empty
inline constexpr double kSdaMinimumPremixGallons = 1;
std::optional<double> SdaMinimumPremixFuel(double shownFuelGallons);

// Corrosion inhibitor: thirteen commercial products, each with its own dose number.

// The inhibitors the screen offers, in list order, with the dose number of each.
struct CorrosionInhibitor
{
    std::string_view name;
    int doseNumber;
};
const std::array<CorrosionInhibitor, 13> &CorrosionInhibitors();

// The dose number of the product whose name is exactly this text (case-sensitive), or
// nothing when no product has that name (no entry selected).
//   CorrosionInhibitorDoseNumber("TOLAD 245") == 28, CorrosionInhibitorDoseNumber("tolad 245") is empty
std::optional<int> CorrosionInhibitorDoseNumber(std::string_view name);

// Inhibitor per barrel of fuel: P = R * 0.35, WG = SG * 8.328, X = (P / WG) / 1000,
// X6 = RoundToPlaces(X, 6). A specific gravity of 0 is a division by zero.
//   R 9, SG .95: P 3.15, WG 7.9116, X 0.000398149..., X6 0.000398
//   R 28, SG .95: X 0.0012386..., X6 0.001239
struct CorrosionInhibitorRate
{
    double active = 0;    // P
    double weight = 0;    // WG
    double perBarrel = 0; // X
    double rounded = 0;   // X6
};
CorrosionInhibitorRate CorrosionInhibitorRateFor(int doseNumber, double specificGravity);

enum class VolumeUnit { Barrels, Gallons, Litres };

// The amount to mix for Q in the chosen unit, one decimal, with its unit text:
//   barrels  V = (X6 * Q) / 10, amount Int(|V| * 100 + 0.5) / 10, "GALs"
//   gallons  Y = (X6 / 42) * Q, amount RoundToPlaces(Y, 1), "GALs"
//   litres   Z = (X6 / 3.785) * Q, amount RoundToPlaces(Z, 1), "LTRs"
//   X6 0.000398: barrels 10000 -> 4 GALs, barrels 1000 -> 0.4, gallons 42000 -> 0.4,
//   litres 10000 -> 1.1 LTRs; X6 0.001239, barrels 1000 -> 1.2
struct CorrosionInhibitorAmount
{
    double unscaled = 0; // V, Y or Z
    double amount = 0;
    std::string_view unitText;
};
CorrosionInhibitorAmount CorrosionInhibitorAmountFor(double rounded, double quantity, VolumeUnit unit);

// Metal deactivator, a blend of 50% active ingredient and 50% solvent.

// DMD-2 blend for a quantity of fuel in barrels at 0.4 gallons per 1000 barrels:
// T = Q / 1000, G = T * 0.4, shown G cut (not rounded) to 2 places, sign dropped.
//   Q 12345: G 4.938..., shown 4.93; Q 10000: 4; Q 20: G 0.008, shown 0
struct DmdDose
{
    double thousands = 0; // T
    double gallons = 0;   // G
    double shown = 0;     // TruncateToPlaces(G, 2)
};
DmdDose DmdDoseForBarrels(double barrels);

// ---- The additive windows' calculations ----

// FSII, Enter in the lab result: Form10 for barrels reads txtflt, txterd and txtqtb and
// writes the gallons to txtfis, then reads txtfis back and txtqtb again for the gallons
// per 1000 barrels in txtgfs; Form16 for gallons reads txtpir, txterd and txtqfi and
// writes the gallons to txtfsi.
//   E .12, Q 1234.56, L .09: Form10 "15.555456", "12.6"; Form16 "0.370368"
extern const FormSpec kForm10;
extern const FormSpec kForm16;
FormResult FsiiInjectionBarrels(const FieldTexts &texts);
FormResult FsiiInjectionGallons(const FieldTexts &texts);

// SDA, Enter in txterw: both windows read txtilr, txterw and txtqti. Form11 for barrels
// writes the SDA gallons to txtmix, reads them back and writes the pre-mix fuel to txtprd;
// Form18 for gallons writes the millilitres to txtmix and the pre-mix fuel to txtprd, then
// reads txtprd back and writes the one-gallon minimum over it where it shows 1 or less.
//   Q 1000, L 50, R 250: Form11 "1.82", "16.38"; Form18 "16.3", "1"
extern const FormSpec kForm11;
extern const FormSpec kForm18;
FormResult SdaInjectionBarrels(const FieldTexts &texts);
FormResult SdaInjectionGallons(const FieldTexts &texts);

// Corrosion inhibitor (Form12), Enter in txtscg: without a product chosen in List1 it stops
// at once and asks for one; reads txtscg; without a unit chosen (Option1 barrels, Option2
// gallons, Option3 litres) it stops and asks for one, writing nothing; then reads txtqpt
// and writes the amount to txtami and its unit to txtqan.
//   DUPONT DCI-4A, SG .95, barrels 10000: "4", "GALs"
extern const FormSpec kForm12;
FormResult CorrosionInhibitorMix(const FieldTexts &texts);

// DMD-2 (Form19), Enter in txtbbl: reads txtbbl and writes the gallons to txtdmd.
//   Q 12345: "4.93"
extern const FormSpec kForm19;
FormResult Dmd2Injection(const FieldTexts &texts);

} // namespace dravex
