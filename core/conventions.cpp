#include "core/conventions.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace dravex {

CalcFault::CalcFault(Kind kind, std::string field, std::string text)
    : m_kind(kind), m_field(std::move(field)), m_text(std::move(text))
{
}

std::string CalcFault::message() const
{
    const std::string prefix = m_field.empty() ? std::string() : m_field + ": ";
    switch (m_kind) {
    case Kind::NotANumber:
        if (m_text.empty())
            return prefix + "no number entered";
        return prefix + "'" + m_text + "' is not a number";
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

    // Copy the number without its thousands separators, checking its shape on the way:
    // [sign] digits[,digits...] [. digits] [E [sign] digits], with at least one digit
    // before the exponent.
    std::string plain;
    std::size_t i = begin;
    if (i < end && (text[i] == '+' || text[i] == '-'))
        plain += text[i++];
    int mantissaDigits = 0;
    while (i < end && (isDigit(text[i]) || text[i] == ',')) {
        if (text[i] == ',') {
            // A thousands separator follows a digit and comes before a group of exactly
            // three digits: "12,5" is a decimal comma typed by mistake, not 125.
            const auto digitAt = [&](std::size_t k) { return k < end && isDigit(text[k]); };
            const bool group = mantissaDigits > 0 && digitAt(i + 1) && digitAt(i + 2) && digitAt(i + 3)
                               && !digitAt(i + 4);
            if (!group)
                throw notANumber();
        } else {
            plain += text[i];
            ++mantissaDigits;
        }
        ++i;
    }
    if (i < end && text[i] == '.') {
        plain += text[i++];
        while (i < end && isDigit(text[i])) {
            plain += text[i++];
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        throw notANumber();
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-'))
            plain += text[i++];
        int exponentDigits = 0;
        while (i < end && isDigit(text[i])) {
            plain += text[i++];
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            throw notANumber();
    }
    if (i != end)
        throw notANumber();

    // from_chars takes no leading "+".
    const char *first = plain.data();
    if (*first == '+')
        ++first;
    double value = 0;
    const auto [ptr, ec] = std::from_chars(first, plain.data() + plain.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Too large is an overflow; too small to represent is zero.
        const bool tooLarge = [&] {
            const std::size_t e = plain.find('e');
            if (e == std::string::npos)
                return true;
            return plain.find('-', e) == std::string::npos;
        }();
        if (tooLarge)
            throw CalcFault(CalcFault::Kind::Overflow, std::string(caption), std::string(text));
        return plain.front() == '-' ? -0.0 : 0.0;
    }
    if (ec != std::errc() || ptr != plain.data() + plain.size())
        throw notANumber();
    return value;
}

std::string FormatFieldNumber(double x)
{
    Finite(x);
    if (x == 0)
        return "0";
    std::array<char, 40> buffer{};
    const auto [ptr, ec] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, std::chars_format::general, 15);
    std::string text(buffer.data(), ptr);
    // C's "%.15G": capital exponent marker and at least two exponent digits.
    const std::size_t e = text.find('e');
    if (e != std::string::npos) {
        text[e] = 'E';
        std::size_t digits = text.size() - (e + 2);
        if (digits < 2)
            text.insert(e + 2, 2 - digits, '0');
    }
    return text;
}

double RoundToPlaces(double x, int n)
{
    const double scale = std::pow(10.0, n);
    const double scaled = std::fabs(x) * scale;
    const double shifted = scaled + 0.5;
    const double whole = std::floor(shifted);
    return Finite(whole / scale);
}

double TruncateToPlaces(double x, int n)
{
    const double scale = std::pow(10.0, n);
    const double scaled = std::fabs(x) * scale;
    const double whole = std::floor(scaled);
    return Finite(whole / scale);
}

double Divide(double a, double b)
{
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

} // namespace dravex
