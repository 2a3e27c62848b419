// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/procedure.h"

namespace dravex {

struct VolumeFactor;
enum class FactorTable;

// Net barrels at 60 F from gross barrels and the factor, rounded to 0.01 (a magnitude).
//   NetBarrels(10000, 0.9911) == 9911
double NetBarrels(double gross, double vcf);

// Whole net gallons in a net volume of barrels (42 US gallons each), cut, not rounded.
//   NetGallonsFromBarrels(9911) == 416262, NetGallonsFromBarrels(0.01) == 0
double NetGallonsFromBarrels(double netBarrels);

// Whole net litres at 15 C from gross litres and the factor, rounded half up (a magnitude).
//   NetLitres(10000, 0.9915) == 9915, NetLitres(-10000, 0.9915) == 9915
double NetLitres(double gross, double vcf);

// Whole US gallons at 60 F in whole net litres at 15 C, half up: Int(g * litres + 0.5).
//   NetGallonsFromLitres(9915, 0.264264) == 2620, NetGallonsFromLitres(1, 0.264264) == 0
double NetGallonsFromLitres(double litres, double gallonsPerLitre);

// Net barrels from whole net gallons, rounded to 0.01, so they move in steps of 1/42.
//   BarrelsFromGallons(2620) == 62.38
double BarrelsFromGallons(double gallons);

// Cubic metres in litres, not rounded.
//   CubicMetres(9915) == 9.915
double CubicMetres(double litres);

// Table 6B has no product group above 1074 kg/m3: a calculation that needs its factor
// stops there, writes nothing more and asks for the out-of-range window. The notice names
// the gravity and the density it gives, the working the density.
//   API 0 on Table 6B: "API gravity 0 is a density of 1074.98 kg/m3, above 1074: no product
//   group; nothing was computed"
void RequireProductGroup(FormRun &run, const VolumeFactor &factor, double api);

// The ranges the printed 1980 Tables 6A and 6B cover, as their published descriptions give
// them: API gravity 0 to 100 (6A) or 0 to 85 (6B); temperature 0 to 300 F up to 40 API,
// to 250 F up to 50 API and to 200 F above. Outside them the factor is the tables' formula
// carried on: an advisory says so, and nothing computed changes. The metric tables: 54A
// and 53A density 610.5 to 1075 kg/m3, 54B and 53B 653 to 1075 kg/m3, temperature -18 to
// 150 C.
//   API 60 at 220 F on Table 6A: "Temperature 220 F is beyond the printed Table 6A (0 to 200
//   F): the results are an extrapolation"
void CheckTable6Range(FormRun &run, FactorTable table, double api, double t);

// Volume correction in barrels at 60 F: Form5 for crude oils (Table 6A), Form21 for
// generalized products (Table 6B). Enter in txtgv reads txtem and txtapi, writes the
// factor (6A here, 6B only once the gross has been read), net barrels and gallons, then
// reads the gravity again for the long-ton factor of Table 11: rounded to 5 places on 6A,
// cut on 6B. Above 1074 kg/m3 Table 6B has no product group: the out-of-range window, and
// nothing written.
//   Form5: API 30, 80 F, 10000 bbl -> 0.9911, 9911 bbl, 416262 gal, LT factor 0.13679, 1355.73 LT
//   Form21: API 50, 80 F, 10000 bbl -> 0.9882, 9882 bbl, 415044 gal, 0.12169, 1202.54 LT
extern const FormSpec kForm5;
extern const FormSpec kForm21;
FormResult Table6ANetVolume(const FieldTexts &texts);
FormResult Table6BNetVolume(const FieldTexts &texts);
// Their procedures alone, for runs over slots.
void Table6ANetVolumeSteps(FormRun &run);
void Table6BNetVolumeSteps(FormRun &run);

// Volume correction in litres at 15 C: Form22 for crude oils (Table 54A), Form6 for
// generalized products (Table 54B). Enter in txtgv reads txtem and txtapi (the density,
// read once for every factor), then the gross litres; writes the factor, net barrels, the
// factor again, net litres, gallons, cubic metres, the long-ton factor of Table 57 and the
// long tons. Above 1074 kg/m3 there is no gallons factor (nor a Table 54B product group):
// the out-of-range window, and nothing written.
//   Form22: 850 kg/m3, 25 C, 10000 l -> 0.9915, 9915 l, 62.38 bbl, 2620 gal, 9.915 m3,
//     LT factor 0.8355, 8.28 LT
//   Form6: 780 kg/m3, 25 C, -10000 l -> 0.9895, 9895 l, 62.29 bbl, 2616 gal, 9.895 m3,
//     0.7666, 7.59 LT
extern const FormSpec kForm22;
extern const FormSpec kForm6;
FormResult Table54ANetVolume(const FieldTexts &texts);
FormResult Table54BNetVolume(const FieldTexts &texts);
void Table54ANetVolumeSteps(FormRun &run);
void Table54BNetVolumeSteps(FormRun &run);

} // namespace dravex
