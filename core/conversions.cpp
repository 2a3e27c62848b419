#include "core/conversions.h"

#include "core/conventions.h"

namespace dravex {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A value written into a field and read from it again: what the next step sees.
double throughFieldText(double x)
{
    return ParseFieldNumber(FormatFieldNumber(x));
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

GravityConversion ConvertFromApi(double api)
{
    GravityConversion c;
    c.api = api;
    c.density60 = throughFieldText(DensityFromApi(api));
    const Density15 d = Density15FromDensity60(c.density60);
    c.alpha = d.alpha;
    c.density = throughFieldText(d.density);
    c.specificGravity = SpecificGravityFromDensity(c.density);
    return c;
}

GravityConversion ConvertFromDensity(double rho)
{
    GravityConversion c;
    c.density = rho;
    const Api60 a = Api60FromDensity15(rho);
    c.alpha = a.alpha;
    c.api = a.gravity;
    c.specificGravity = SpecificGravityFromDensity(rho);
    return c;
}

GravityConversion ConvertFromSpecificGravity(double sg)
{
    GravityConversion c;
    c.specificGravity = sg;
    c.density = throughFieldText(DensityFromSpecificGravity(sg));
    const Api60 a = Api60FromDensity15(c.density);
    c.alpha = a.alpha;
    c.api = a.gravity;
    return c;
}

} // namespace dravex
