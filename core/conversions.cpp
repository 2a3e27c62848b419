// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/conversions.h"

#include "core/conventions.h"

namespace dravex {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

constexpr double kApiNumerator = 141360.198;
constexpr double kApiOffset = 131.5;
constexpr double kCoefficientScale = 1000;
constexpr double kDensityNudge = 0.1;
constexpr double kDensityPerSpecificGravity = 1000;
constexpr double kSpecificGravityOffset = 0.0011;

// The band limits of the gravity conversion, not those of the measurement tables.
constexpr double kTransitionFrom = 769.94;
constexpr double kFuelOilsFrom = 787.52;
constexpr double kNoGroupFrom = 1074.98;

void describeAlpha(const ConversionAlpha &a, Working &w)
{
    if (!a.group) {
        w.addText("Product group", "none", "density 1074.98 and above");
        w.add("Expansion coefficient", a.alpha, {}, "no group");
        return;
    }
    switch (*a.group) {
    case ProductGroup::Gasolines:
        w.addText("Product group", ProductGroupName(*a.group), "density < 769.94");
        w.add("Expansion coefficient", a.alpha, {}, "192.4571 / density^2 + 0.2438 / density");
        break;
    case ProductGroup::TransitionZone:
        w.addText("Product group", ProductGroupName(*a.group), "769.94 <= density < 787.52");
        w.add("Expansion coefficient", a.alpha, {}, "1489.067 / density^2 - 0.0018684");
        break;
    default:
        w.addText("Product group", ProductGroupName(*a.group), "787.52 <= density < 1074.98");
        w.add("Expansion coefficient", a.alpha, {}, "103.872 / density^2 + 0.2701 / density");
        break;
    }
}

} // namespace

double CelsiusToFahrenheit(double celsius)
{
    const double factor = 9.0 / 5.0;
    const double scaled = Finite(celsius * factor);
    return Finite(scaled + 32);
}

double LeadingNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    const std::size_t begin = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    int digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    // The exponent counts only with at least one digit; "3E" reads as 3.
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        const std::size_t firstExponentDigit = j;
        while (j < text.size() && isDigit(text[j]))
            ++j;
        if (j > firstExponentDigit)
            end = j;
    }
    // The slice has the shape the field reader takes, so it reads the same digits the
    // same way (and a value beyond the double range is an overflow).
    return ParseFieldNumber(text.substr(begin, end - begin));
}

CelsiusFromFahrenheit FahrenheitToCelsius(double fahrenheit)
{
    CelsiusFromFahrenheit r;
    r.difference = Finite(fahrenheit - 32);
    r.differenceAsRead = LeadingNumber(FormatFieldNumber(r.difference));
    const double times5 = Finite(r.differenceAsRead * 5);
    r.celsius = times5 / 9;
    return r;
}

ConversionAlpha GravityConversionAlpha(double rho)
{
    ConversionAlpha a;
    if (rho < kTransitionFrom) {
        a.group = ProductGroup::Gasolines;
        const double square = rho * rho;
        a.alpha = Finite(Divide(192.4571, square) + Divide(0.2438, rho));
    } else if (rho < kFuelOilsFrom) {
        a.group = ProductGroup::TransitionZone;
        const double square = rho * rho;
        a.alpha = Divide(1489.067, square) - 0.0018684;
    } else if (rho < kNoGroupFrom) {
        a.group = ProductGroup::FuelOils;
        const double square = rho * rho;
        a.alpha = Divide(103.872, square) + Divide(0.2701, rho);
    }
    return a;
}

Density15 Density15FromDensity60(double rho60)
{
    Density15 d;
    d.alpha = GravityConversionAlpha(rho60);
    const double step = d.alpha.alpha * kCoefficientScale;
    d.unrounded = Finite(rho60 + step - kDensityNudge);
    d.density = RoundToPlaces(d.unrounded, 1);
    return d;
}

void DescribeDensity15(const Density15 &d, Working &w)
{
    describeAlpha(d.alpha, w);
    w.add("Density at 15 C before rounding", d.unrounded, "kg/m3", "density at 60 F + coefficient x 1000 - 0.1");
    w.add("Density at 15 C", d.density, "kg/m3", "rounded to 0.1");
}

Api60 Api60FromDensity15(double rho)
{
    Api60 a;
    a.alpha = GravityConversionAlpha(rho);
    a.api = Divide(kApiNumerator, rho) - kApiOffset;
    a.unrounded = a.api - a.alpha.alpha + kDensityNudge;
    // Rounding drops the sign; a gravity below zero is still below zero.
    const double magnitude = RoundToPlaces(a.unrounded, 1);
    a.gravity = a.unrounded < 0 ? -magnitude : magnitude;
    return a;
}

void DescribeApi60(const Api60 &a, Working &w)
{
    describeAlpha(a.alpha, w);
    w.add("API from density", a.api, "API", "141360.198 / density - 131.5");
    w.add("API before rounding", a.unrounded, "API", "API from density - coefficient + 0.1");
    w.add("API at 60 F", a.gravity, "API", "rounded to 0.1, sign kept");
}

double SpecificGravityFromDensity(double rho)
{
    return rho / kDensityPerSpecificGravity - kSpecificGravityOffset;
}

double DensityFromSpecificGravity(double sg)
{
    return Finite((sg + kSpecificGravityOffset) * kDensityPerSpecificGravity);
}

namespace {

const FieldSpec kTemperatureFields[] = {
    {"txtCels", "Celsius"},
    {"txtFah", "Fahrenheit"},
};

const FieldSpec kGravityFields[] = {
    {"txtapi", "API at 60 Deg. F"},
    {"txtden", "Density at 15 Deg. C"},
    {"txtspe", "Specific at 15 Deg. C"},
};

// The gravity conversion window's step from a density at 15 C to txtapi.
void showApi60(FormRun &run, double rho)
{
    const Api60 a = Api60FromDensity15(rho);
    DescribeApi60(a, run.working());
    run.Show("txtapi", a.gravity);
}

// The step from a density at 15 C to txtspe; note says which density.
void showSpecificGravity(FormRun &run, double rho, const char *note)
{
    const double sg = SpecificGravityFromDensity(rho);
    run.working().add("Specific gravity at 15 C", sg, {}, note);
    run.Show("txtspe", sg);
}

} // namespace

const FormSpec kForm3{"Form3", "Temperature Conversion", kTemperatureFields};
const FormSpec kForm4{"Form4", "GRAVITY CONVERSION", kGravityFields};

FormResult TemperatureFromCelsius(const FieldTexts &texts)
{
    return RunForm(kForm3, texts, [](FormRun &run) {
        const double celsius = run.Read("txtCels");
        run.Show("txtFah", CelsiusToFahrenheit(celsius));
    });
}

FormResult TemperatureFromFahrenheit(const FieldTexts &texts)
{
    return RunForm(kForm3, texts, [](FormRun &run) {
        const double fahrenheit = run.Read("txtFah");
        run.Show("txtCels", FahrenheitToCelsius(fahrenheit).celsius);
    });
}

FormResult GravityFromApi(const FieldTexts &texts)
{
    return RunForm(kForm4, texts, [](FormRun &run) {
        Working &working = run.working();
        const double api = run.Read("txtapi");
        working.add("API at 60 F", api, "API", "as entered");
        // The density at 60 F goes through the field before the step to 15 C.
        run.Show("txtden", DensityFromApi(api));
        const double rho60 = run.Read("txtden");
        working.add("Density at 60 F", rho60, "kg/m3", "141360.198 / (API + 131.5), read back from its field");
        const Density15 d = Density15FromDensity60(rho60);
        DescribeDensity15(d, working);
        run.Show("txtden", d.density);
        showSpecificGravity(run, run.Read("txtden"), "density as read back / 1000 - 0.0011, unrounded");
    });
}

FormResult GravityFromDensity(const FieldTexts &texts)
{
    return RunForm(kForm4, texts, [](FormRun &run) {
        const double rho = run.Read("txtden");
        run.working().add("Density at 15 C", rho, "kg/m3", "as entered");
        showApi60(run, rho);
        showSpecificGravity(run, rho, "density / 1000 - 0.0011, unrounded");
    });
}

FormResult GravityFromSpecificGravity(const FieldTexts &texts)
{
    return RunForm(kForm4, texts, [](FormRun &run) {
        Working &working = run.working();
        const double sg = run.Read("txtspe");
        working.add("Specific gravity at 15 C", sg, {}, "as entered");
        run.Show("txtden", DensityFromSpecificGravity(sg));
        const double rho = run.Read("txtden");
        working.add("Density at 15 C", rho, "kg/m3", "(specific gravity + 0.0011) x 1000, read back from its field");
        showApi60(run, rho);
    });
}

} // namespace dravex
