// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace dravex {

// A calculation that cannot go on: a field without a number, a division by zero or a
// value beyond the double range or a 16-bit integer. Thrown only by the field reader, the
// checked divide, the finiteness check and the checked 16-bit arithmetic; a calculation
// catches it in one place and shows its message.
class CalcFault
{
public:
    enum class Kind { NotANumber, DivisionByZero, Overflow };

    CalcFault(Kind kind, std::string field = {}, std::string text = {});

    Kind kind() const { return m_kind; }
    const std::string &field() const { return m_field; }
    const std::string &text() const { return m_text; }

    // "Gross Barrels: 'abc' is not a number", "Division by zero", "Overflow: ...".
    std::string message() const;

private:
    Kind m_kind;
    std::string m_field;
    std::string m_text;
};

// A field's text as a number. Blanks around the number, an optional sign, digits with an
// optional "." fraction and an optional exponent; a "," in the whole-number part that
// stands before a group of exactly three digits is a thousands separator and is skipped.
// Anything else is not a number:
//   ParseFieldNumber(" 1,234.5 ") == 1234.5, ParseFieldNumber("1.5E3") == 1500,
//   "", "abc", "1..2", "-", the words for infinity and not-a-number, "0x10", "12,5" throw NotANumber; "1E999" throws
//   Overflow.
// The caption names the field in the fault.
double ParseFieldNumber(std::string_view text, std::string_view caption = {});

// Which separator a typed number uses that a reader used to a decimal comma would read the
// other way: a whole number of one to three digits (not a lone 0) followed by groups of
// exactly three digits, all after the same separator, and nothing else.
//   "10.000", "-1.250" -> Point (read as 10 and -1.25); "1,250", "1,250,000" -> Comma (read
//   as thousands); "0.125", "10.5", "1.2500", "1,25", "1.250,5", "1E3" -> None
enum class SeparatorShape { None, Point, Comma };
SeparatorShape ThousandsShape(std::string_view text);

// A double as a field shows it: the shortest general form with at most 15 significant
// digits, "." as decimal separator, exponent form for very large or small magnitudes:
//   1 -> "1", 0.5 -> "0.5", 1/3 -> "0.333333333333333", 1e16 -> "1E+16", 1e-5 -> "1E-05".
// Negative zero shows as "0". A value that is not finite throws Overflow.
std::string FormatFieldNumber(double x);
// The same text put into text, in the room it already has.
void FormatFieldNumber(double x, std::string &text);

// Rounded magnitude: Int(|x| * 10^n + 0.5) / 10^n, Int the floor. The sign is dropped.
//   RoundToPlaces(-1.25, 1) == 1.3, RoundToPlaces(0.00005, 4) == 0.0001
double RoundToPlaces(double x, int n);

// x rounded once, in one step, from its decimal form (the shortest decimal text that reads
// back as x, which for a typed number is the text typed) to places decimals; a next digit
// of 5 or more raises the last place kept, so halves go away from zero. Rounding the
// decimal form, not the binary number times a power of ten, keeps a typed 41.35 at 41.4
// however it is stored. Infinity and NaN come back as they are.
//   RoundDecimalForm(41.35, 1) == 41.4, RoundDecimalForm(41.349999999999994, 1) == 41.3,
//   RoundDecimalForm(-0.125, 2) == -0.13, RoundDecimalForm(0.00049, 3) == 0,
//   RoundDecimalForm(99.96, 1) == 100
double RoundDecimalForm(double x, int places);

// Cut magnitude: Int(|x| * 10^n) / 10^n. The sign is dropped.
//   TruncateToPlaces(-0.98769, 4) == 0.9876
double TruncateToPlaces(double x, int n);

// a / b, or a DivisionByZero fault when b is zero; an infinite quotient is an Overflow.
double Divide(double a, double b);

// x itself, or an Overflow fault when x is infinite or not a number.
double Finite(double x);

// A whole number held as a 16-bit signed integer, as Table 5A keeps its temperature
// difference and its square and the desk calculator counts operands: value, a result of
// 16-bit arithmetic computed exactly in a wider type, must lie in -32768..32767. Beyond
// that range, or not a number at all, it is an Overflow fault naming caption. A fraction
// is cut toward zero.
//   CheckedInt16(181 * 181) == 32761, CheckedInt16(-32768) == -32768,
//   CheckedInt16(182 * 182) and CheckedInt16(32767 + 1) throw Overflow
std::int16_t CheckedInt16(double value, std::string_view caption = {});

} // namespace dravex
