#pragma once

namespace dravex {

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

} // namespace dravex
