// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/conventions.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

namespace dravex {

CalcFault::CalcFault(Kind kind, std::string field, std::string text)
    : m_kind(kind), m_field(std::move(field)), m_text(std::move(text))
{
}

namespace {

// A typed text as a notice quotes it: whole up to kQuotedLength bytes, else its start and
// "...", cut between two UTF-8 characters. A notice names the text, it need not repeat
// ten thousand characters of it.
constexpr std::size_t kQuotedLength = 60;

std::string quoted(const std::string &text)
{
    if (text.size() <= kQuotedLength)
        return text;
    std::size_t cut = kQuotedLength;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return text.substr(0, cut) + "...";
}

} // namespace

std::string CalcFault::message() const
{
    const std::string prefix = m_field.empty() ? std::string() : m_field + ": ";
    switch (m_kind) {
    case Kind::NotANumber:
        if (m_text.empty())
            return prefix + "no number entered";
        return prefix + "'" + quoted(m_text) + "' is not a number";
    case Kind::DivisionByZero:
        return prefix + "Division by zero";
    case Kind::Overflow:
        return prefix + "Overflow: a value is too large to calculate with";
    }
    return prefix;
}

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The power of ten of the first significant digit of a number written as
// [sign] digits [. digits] [e [sign] digits]: "123.4" -> 2, "0.05" -> -2, "1e-10" -> -10.
// A number without a significant digit is 0. The exponent saturates far beyond any double.
long long DecimalMagnitude(std::string_view plain)
{
    std::size_t i = 0;
    if (i < plain.size() && (plain[i] == '+' || plain[i] == '-'))
        ++i;
    long long place = -1; // power of ten of the first significant digit, before the exponent
    bool found = false;
    long long wholeDigits = 0;
    for (; i < plain.size() && isDigit(plain[i]); ++i) {
        if (!found && plain[i] != '0') {
            found = true;
            wholeDigits = 0;
        }
        if (found)
            ++wholeDigits;
    }
    if (found)
        place = wholeDigits - 1;
    if (i < plain.size() && plain[i] == '.') {
        ++i;
        for (long long k = 1; i < plain.size() && isDigit(plain[i]); ++i, ++k)
            if (!found && plain[i] != '0') {
                found = true;
                place = -k;
            }
    }
    if (!found)
        return 0;
    long long exponent = 0;
    if (i < plain.size() && (plain[i] == 'e' || plain[i] == 'E')) {
        ++i;
        bool negative = false;
        if (i < plain.size() && (plain[i] == '+' || plain[i] == '-'))
            negative = plain[i++] == '-';
        constexpr long long kSaturated = 1'000'000'000'000LL;
        for (; i < plain.size() && isDigit(plain[i]); ++i)
            exponent = std::min(kSaturated, exponent * 10 + (plain[i] - '0'));
        if (negative)
            exponent = -exponent;
    }
    return place + exponent;
}

} // namespace

double ParseFieldNumber(std::string_view text, std::string_view caption)
{
    const auto notANumber = [&] {
        return CalcFault(CalcFault::Kind::NotANumber, std::string(caption), std::string(text));
    };

    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;

    // Check the shape of the number: [sign] digits[,digits...] [. digits] [E [sign] digits],
    // with at least one digit before the exponent.
    std::size_t i = begin;
    if (i < end && (text[i] == '+' || text[i] == '-'))
        ++i;
    int mantissaDigits = 0;
    bool grouped = false;
    while (i < end && (isDigit(text[i]) || text[i] == ',')) {
        if (text[i] == ',') {
            // A thousands separator follows a digit and comes before a group of exactly
            // three digits: "12,5" is a decimal comma typed by mistake, not 125.
            const auto digitAt = [&](std::size_t k) { return k < end && isDigit(text[k]); };
            const bool group =
                mantissaDigits > 0 && digitAt(i + 1) && digitAt(i + 2) && digitAt(i + 3) && !digitAt(i + 4);
            if (!group)
                throw notANumber();
            grouped = true;
        } else {
            ++mantissaDigits;
        }
        ++i;
    }
    if (i < end && text[i] == '.') {
        ++i;
        while (i < end && isDigit(text[i])) {
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        throw notANumber();
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-'))
            ++i;
        int exponentDigits = 0;
        while (i < end && isDigit(text[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            throw notANumber();
    }
    if (i != end)
        throw notANumber();

    // The number without its thousands separators; most numbers have none and are read
    // where they stand.
    std::string_view plain = text.substr(begin, end - begin);
    std::string ungrouped;
    if (grouped) {
        ungrouped.reserve(plain.size());
        for (const char c : plain)
            if (c != ',')
                ungrouped += c;
        plain = ungrouped;
    }
    // from_chars takes no leading "+".
    const char *first = plain.data();
    if (*first == '+')
        ++first;
    double value = 0;
    const auto [ptr, ec] = std::from_chars(first, plain.data() + plain.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Beyond the double range one way or the other: the place of the first significant
        // digit says which. From 1 up the number is too large; below 1 it is too small to
        // hold and reads as zero. How the digits are written does not matter: "1" and 400
        // zeros with "e-10" is too large, "0." with 400 zeros and a "1" is zero.
        if (DecimalMagnitude(plain) >= 0)
            throw CalcFault(CalcFault::Kind::Overflow, std::string(caption), std::string(text));
        return plain.front() == '-' ? -0.0 : 0.0;
    }
    if (ec != std::errc() || ptr != plain.data() + plain.size())
        throw notANumber();
    return value;
}

namespace {

// "%.15G" from the shortest decimal that reads back as x, when it has at most 15
// significant digits: x then lies within half a unit in the last place of that decimal,
// far nearer than half a step of 15 digits, so rounding x to 15 digits gives the same
// digits. The shortest form is several times faster to find than a rounding to 15 digits.
// Writes to out (room for kShortRoom characters) and returns the end, or null when the
// shortest decimal has more than 15 digits.
constexpr std::size_t kShortRoom = 32;

char *formatShort(double x, char *out)
{
    char buffer[40];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific);
    if (ec != std::errc())
        return nullptr;
    // d[.ddd]e[+-]XX
    const char *p = buffer;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    char digits[20];
    std::size_t count = 0;
    for (; p < end && *p != 'e'; ++p) {
        if (*p == '.')
            continue;
        if (count == sizeof digits)
            return nullptr;
        digits[count++] = *p;
    }
    if (count > 15 || end - p < 3)
        return nullptr;
    int exponent = 0;
    for (const char *q = p + 2; q < end; ++q)
        exponent = exponent * 10 + (*q - '0');
    if (p[1] == '-')
        exponent = -exponent;
    char *o = out;
    if (negative)
        *o++ = '-';
    if (exponent < -4 || exponent >= 15) {
        *o++ = digits[0];
        if (count > 1) {
            *o++ = '.';
            o = std::copy(digits + 1, digits + count, o);
        }
        *o++ = 'E';
        *o++ = exponent < 0 ? '-' : '+';
        // At least two digits of exponent; a double has at most three.
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude >= 100)
            *o++ = static_cast<char>('0' + magnitude / 100);
        *o++ = static_cast<char>('0' + magnitude / 10 % 10);
        *o++ = static_cast<char>('0' + magnitude % 10);
    } else if (exponent < 0) {
        *o++ = '0';
        *o++ = '.';
        o = std::fill_n(o, -exponent - 1, '0');
        o = std::copy(digits, digits + count, o);
    } else {
        const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
        if (count <= whole) {
            o = std::copy(digits, digits + count, o);
            o = std::fill_n(o, whole - count, '0');
        } else {
            o = std::copy(digits, digits + whole, o);
            *o++ = '.';
            o = std::copy(digits + whole, digits + count, o);
        }
    }
    return o;
}

// The same text, found without the shortest-decimal search for a number that is a whole
// number of units of its last place, m / 10^p with p at most 15, the common case of a
// rounded result: the first p (from 0 up) at which floor(|x| * 10^p + 0.5) / 10^p == |x|
// gives the digits. That decimal reads back as x (the division, like reading the text,
// rounds the exact quotient once), and while m stays below 2^45, far from the 2^53 where
// neighbouring doubles lie a whole unit apart, any decimal with fewer places that read
// back as x would have been found at its own p, and no other decimal with as many places
// reads back as x: it is the shortest decimal. Returns null for the other numbers (m
// would reach 2^45, or a magnitude below 1E-04 that takes the exponent form).
char *formatFewPlaces(double x, char *out)
{
    static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    constexpr double kLimit = 35184372088832.0; // 2^45
    const double magnitude = std::fabs(x);
    for (int p = 0; p < static_cast<int>(std::size(kPowers)); ++p) {
        const double scaled = magnitude * kPowers[p];
        if (!(scaled < kLimit))
            return nullptr;
        // Below 2^45 adding 0.5 is exact, and the conversion cuts toward zero: a rounding.
        const auto m = static_cast<std::int64_t>(scaled + 0.5);
        if (static_cast<double>(m) / kPowers[p] != magnitude)
            continue;
        char digits[24];
        const char *end = std::to_chars(digits, digits + sizeof digits, m).ptr;
        const int count = static_cast<int>(end - digits);
        if (count - 1 - p < -4)
            return nullptr;
        char *o = out;
        if (x < 0)
            *o++ = '-';
        if (p == 0) {
            o = std::copy(digits, digits + count, o);
        } else if (count > p) {
            o = std::copy(digits, digits + count - p, o);
            *o++ = '.';
            o = std::copy(digits + count - p, digits + count, o);
        } else {
            *o++ = '0';
            *o++ = '.';
            o = std::fill_n(o, p - count, '0');
            o = std::copy(digits, digits + count, o);
        }
        return o;
    }
    return nullptr;
}

} // namespace

std::string FormatFieldNumber(double x)
{
    std::string text;
    FormatFieldNumber(x, text);
    return text;
}

void FormatFieldNumber(double x, std::string &out)
{
    Finite(x);
    if (x == 0) {
        out.assign(1, '0');
        return;
    }
    {
        char text[kShortRoom];
        if (const char *end = formatFewPlaces(x, text)) {
            out.assign(text, static_cast<std::size_t>(end - text));
            return;
        }
    }
    if (std::fabs(x) >= std::numeric_limits<double>::min()) {
        char text[kShortRoom];
        if (const char *end = formatShort(x, text)) {
            out.assign(text, static_cast<std::size_t>(end - text));
            return;
        }
    }
    std::array<char, 40> buffer{};
    const auto [ptr, ec] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, std::chars_format::general, 15);
    out.assign(buffer.data(), ptr);
    // C's "%.15G": capital exponent marker and at least two exponent digits.
    const std::size_t e = out.find('e');
    if (e != std::string::npos) {
        out[e] = 'E';
        std::size_t digits = out.size() - (e + 2);
        if (digits < 2)
            out.insert(e + 2, 2 - digits, '0');
    }
}

namespace {

// 10^n as std::pow(10.0, n) gives it: every power up to 10^22 is a double exactly, so the
// table holds the same values and saves the call.
double powerOfTen(int n)
{
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                         1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    return n >= 0 && n <= 22 ? kPowers[n] : std::pow(10.0, n);
}

// std::floor of a value that is not negative, the same number: below 2^62 the conversion
// to an integer cuts the fraction exactly, without a call to the library (this is on the
// path of every rounded result).
double floorOfMagnitude(double x)
{
    constexpr double kExact = 4611686018427387904.0; // 2^62
    return x < kExact ? static_cast<double>(static_cast<std::int64_t>(x)) : std::floor(x);
}

} // namespace

double RoundToPlaces(double x, int n)
{
    Finite(x);
    const double scale = powerOfTen(n);
    const double scaled = std::fabs(x) * scale;
    const double shifted = scaled + 0.5;
    const double whole = floorOfMagnitude(shifted);
    return Finite(whole / scale);
}

double RoundDecimalForm(double x, int places)
{
    if (!std::isfinite(x))
        return x;
    // The shortest decimal that reads back as x: sign, digits d.ddd and a power of ten.
    char text[64];
    const auto written = std::to_chars(text, text + sizeof text, x, std::chars_format::scientific);
    const std::string_view shortest(text, static_cast<std::size_t>(written.ptr - text));
    const bool negative = shortest.front() == '-';
    const std::size_t e = shortest.find('e');
    std::string digits;
    for (const char c : shortest.substr(0, e))
        if (c >= '0' && c <= '9')
            digits += c;
    int exponent = 0;
    const std::string_view power = shortest.substr(e + 1);
    std::from_chars(power.data() + (power.front() == '+' ? 1 : 0), power.data() + power.size(), exponent);
    // Digits kept: those before the decimal point and places after it.
    const long kept = static_cast<long>(exponent) + 1 + places;
    if (kept >= static_cast<long>(digits.size()))
        return x;
    std::string result;
    if (kept >= 0) {
        result = digits.substr(0, static_cast<std::size_t>(kept));
        const bool up = digits[static_cast<std::size_t>(kept)] >= '5';
        if (up) {
            std::size_t i = result.size();
            while (i > 0 && result[i - 1] == '9')
                result[--i] = '0';
            if (i == 0)
                result.insert(result.begin(), '1');
            else
                ++result[i - 1];
        }
    }
    if (result.empty())
        return 0;
    result = (negative ? "-" : "") + result + "e-" + std::to_string(places);
    double rounded = 0;
    std::from_chars(result.data(), result.data() + result.size(), rounded);
    return rounded;
}

double TruncateToPlaces(double x, int n)
{
    Finite(x);
    const double scale = powerOfTen(n);
    const double scaled = std::fabs(x) * scale;
    const double whole = floorOfMagnitude(scaled);
    return Finite(whole / scale);
}

double Divide(double a, double b)
{
    // An operand that is already infinite or not a number came from an overflow earlier
    // on: dividing by it would hide that overflow as a 0.
    Finite(a);
    Finite(b);
    if (b == 0)
        throw CalcFault(CalcFault::Kind::DivisionByZero);
    return Finite(a / b);
}

double Finite(double x)
{
    if (!std::isfinite(x))
        throw CalcFault(CalcFault::Kind::Overflow);
    return x;
}

std::int16_t CheckedInt16(double value, std::string_view caption)
{
    // Written so that NaN fails the test as well.
    if (!(value >= std::numeric_limits<std::int16_t>::min() && value <= std::numeric_limits<std::int16_t>::max()))
        throw CalcFault(CalcFault::Kind::Overflow, std::string(caption));
    return static_cast<std::int16_t>(value);
}

SeparatorShape ThousandsShape(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t lead = 0;
    while (lead < text.size() && digit(text[lead]))
        ++lead;
    if (lead == 0 || lead > 3 || (lead == 1 && text[0] == '0') || lead == text.size())
        return SeparatorShape::None;
    const char separator = text[lead];
    if (separator != '.' && separator != ',')
        return SeparatorShape::None;
    for (std::size_t at = lead; at < text.size(); at += 4) {
        if (text.size() - at < 4 || text[at] != separator || !digit(text[at + 1]) || !digit(text[at + 2]) ||
            !digit(text[at + 3]))
            return SeparatorShape::None;
    }
    return separator == '.' ? SeparatorShape::Point : SeparatorShape::Comma;
}

} // namespace dravex
