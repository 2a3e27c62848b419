// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/correction_model.h"
#include "core/procedure.h"

#include <optional>
#include <string_view>

namespace dravex {

// Temperature

// Fahrenheit from Celsius: the factor 9 / 5 first, then times Tc, then plus 32.
//   37 -> 98.6, 100 -> 212, -40 -> -40
double CelsiusToFahrenheit(double celsius);

// The number at the start of a text, read the lenient way: leading blanks skipped, an
// optional sign, digits with one "." and an optional exponent; reading stops at the first
// character that does not fit, and a text without a leading number is 0.
//   LeadingNumber("  12.5abc") == 12.5, LeadingNumber("1E+16") == 1e16,
//   LeadingNumber("3E") == 3, LeadingNumber("12,5") == 12, LeadingNumber("abc") == 0
double LeadingNumber(std::string_view text);

// Celsius from Fahrenheit. The difference Tf - 32 passes through its field text and is
// read back with LeadingNumber before (D * 5) / 9, so it carries at most 15 significant
// digits.
//   100 -> 37.7777777777778 (shown), 212 -> 100, 44.5 -> 6.94444444444444 (shown)
struct CelsiusFromFahrenheit
{
    double difference = 0;       // Tf - 32
    double differenceAsRead = 0; // the same through its text
    double celsius = 0;
};
CelsiusFromFahrenheit FahrenheitToCelsius(double fahrenheit);

// Gravity conversion between API at 60 F, density at 15 C and specific gravity at 15 C.
// It has its own short approximation of the step between the two base temperatures: a
// coefficient by density band, unrounded, and nudges of 0.1.

// The coefficient of thermal expansion of the gravity conversion, by density (kg/m3).
// The bands have no jet fuels and limits of their own; a limit belongs to the band above
// it. From 1074.98 up there is no group and the coefficient is 0.
//   below 769.94             gasolines        192.4571 / rho^2 + 0.2438 / rho
//   769.94 to below 787.52   transition zone  1489.067 / rho^2 - 0.0018684
//   787.52 to below 1074.98  fuel oils        103.872 / rho^2 + 0.2701 / rho
//   GravityConversionAlpha(875.295343653251).alpha == 0.00044416... (fuel oils)
struct ConversionAlpha
{
    std::optional<ProductGroup> group; // empty from 1074.98 up
    double alpha = 0;
};
ConversionAlpha GravityConversionAlpha(double rho);

// Density at 15 C from the density at 60 F: RoundToPlaces(rho + alpha * 1000 - 0.1, 1).
//   875.295343653251 -> 875.6, 778.844066115703 -> 779.3, 738.17335770235 -> 738.8
struct Density15
{
    ConversionAlpha alpha;
    double unrounded = 0; // rho + alpha * 1000 - 0.1
    double density = 0;
};
Density15 Density15FromDensity60(double rho60);

// The working of the step to 15 C: the product group and coefficient of this conversion's
// own bands, the density before and after its rounding.
//   875.295343653251: "Product group: fuel oils (787.52 <= density < 1074.98)",
//   "Expansion coefficient: 0.000444159567786109 (...)", "Density at 15 C before rounding:
//   875.639503221037 kg/m3 (...)", "Density at 15 C: 875.6 kg/m3 (rounded to 0.1)"
void DescribeDensity15(const Density15 &d, Working &working);

// API at 60 F from the density at 15 C: 141360.198 / rho - 131.5, less alpha, plus 0.1,
// rounded to one place. A gravity below zero keeps its sign.
//   850 -> 34.9, 1074.98 -> 0.1, 1100 -> -2.9
struct Api60
{
    ConversionAlpha alpha;
    double api = 0;       // 141360.198 / rho - 131.5
    double unrounded = 0; // api - alpha + 0.1
    double gravity = 0;   // unrounded to one place, signed
};
Api60 Api60FromDensity15(double rho);

// The working of the step to an API gravity: the product group and coefficient, the
// gravity from the density, before and after its nudge and rounding.
//   850: ..., "API from density: 34.8061152941177 API (...)", ..., "API at 60 F: 34.9 API (...)"
void DescribeApi60(const Api60 &a, Working &working);

// Specific gravity at 15 C: the density in kg/l less 0.0011, unrounded.
//   875.6 -> 0.8745
double SpecificGravityFromDensity(double rho);

// Density at 15 C from the specific gravity: (sg + 0.0011) * 1000, unrounded.
//   0.85 -> 851.1 (shown)
double DensityFromSpecificGravity(double sg);

// Temperature conversion window, Form3: Enter in either field writes the other.
//   TemperatureFromCelsius: txtCels 37 -> txtFah 98.6
//   TemperatureFromFahrenheit: txtFah 100 -> txtCels 37.7777777777778
extern const FormSpec kForm3;
FormResult TemperatureFromCelsius(const FieldTexts &texts);
FormResult TemperatureFromFahrenheit(const FieldTexts &texts);

// Gravity conversion window, Form4: Enter in one field fills the other two. A density
// written on the way is read back from its field text before the next step uses it.
//   GravityFromApi: txtapi 30 -> txtden 875.295343653251 (read back), then 875.6;
//     txtspe 0.8745
//   GravityFromDensity: txtden 850 -> txtapi 34.9, txtspe 0.8489
//   GravityFromSpecificGravity: txtspe 0.85 -> txtden 851.1 (read back), txtapi 34.7
extern const FormSpec kForm4;
FormResult GravityFromApi(const FieldTexts &texts);
FormResult GravityFromDensity(const FieldTexts &texts);
FormResult GravityFromSpecificGravity(const FieldTexts &texts);

} // namespace dravex
