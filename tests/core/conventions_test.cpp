// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/conventions.h"
#include "tests/fuzz/reference_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <random>
#include <string>

namespace dravex {
namespace {

struct ParseCase
{
    const char *text;
    double value;
};

// Thousands groups are caught in either form; a decimal fraction of other length, a lone
// leading 0, an exponent or mixed separators are ordinary numbers.
TEST(ThousandsShape, FindsGroupsOfThreeAfterOneSeparator)
{
    const std::pair<const char *, SeparatorShape> cases[] = {
        {"10.000", SeparatorShape::Point}, {" -1.250 ", SeparatorShape::Point},  {"+999.999", SeparatorShape::Point},
        {"1,250", SeparatorShape::Comma},  {"1,250,000", SeparatorShape::Comma}, {"0.125", SeparatorShape::None},
        {"10.5", SeparatorShape::None},    {"1.2500", SeparatorShape::None},     {"1000.000", SeparatorShape::None},
        {"1,25", SeparatorShape::None},    {"1.250,500", SeparatorShape::None},  {"1E3", SeparatorShape::None},
        {"1.", SeparatorShape::None},      {"", SeparatorShape::None},           {".250", SeparatorShape::None},
        {"1.250e3", SeparatorShape::None},
    };
    for (const auto &[text, shape] : cases)
        EXPECT_EQ(ThousandsShape(text), shape) << text;
}

TEST(ParseFieldNumber, AcceptsNumbersAsTyped)
{
    const ParseCase cases[] = {
        {"30", 30},          {" 30 ", 30},          {"-2.5", -2.5},     {"+4", 4},           {".5", 0.5},
        {"5.", 5},           {"1.5E3", 1500},       {"1.5e-3", 0.0015}, {"1,234.5", 1234.5}, {"1,000,000", 1e6},
        {"-12,345", -12345}, {"1234,567", 1234567}, {"\t7\t", 7},       {"0.1", 0.1},        {"-0", -0.0},
        {"1E-400", 0},       {"00012", 12},         {"1e+2", 100},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ParseFieldNumber(c.text), c.value) << c.text;
}

TEST(ParseFieldNumber, RejectsWhatIsNoNumber)
{
    const char *bad[] = {"",      "   ",     "abc",  "1..2", "-",    "+",      "inf",     "nan", "0x10",
                         "1e",    "e5",      ".",    "1 2",  "1,",   ",1",     "1.2.3",   "--1", "1e5.5",
                         "12abc", "1,2.3,4", "1.,5", "12,5", "1,23", "1,2345", "1,000,00"};
    for (const char *text : bad) {
        try {
            ParseFieldNumber(text, "Gross Barrels");
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const CalcFault &fault) {
            EXPECT_EQ(fault.kind(), CalcFault::Kind::NotANumber) << text;
        }
    }
}

TEST(ParseFieldNumber, ValueBeyondDoubleRangeIsAnOverflow)
{
    for (const char *text : {"1E999", "-1e400",
                             "1"
                             "000000000000000000000000000000000000000000000000000000000000"
                             "000000000000000000000000000000000000000000000000000000000000"
                             "000000000000000000000000000000000000000000000000000000000000"
                             "000000000000000000000000000000000000000000000000000000000000"
                             "000000000000000000000000000000000000000000000000000000000000"
                             "0000000000"}) {
        try {
            ParseFieldNumber(text);
            ADD_FAILURE() << "accepted " << text;
        } catch (const CalcFault &fault) {
            EXPECT_EQ(fault.kind(), CalcFault::Kind::Overflow) << text;
        }
    }
}

// Whether a number is too large or too small for a double is decided by its value, not
// by the look of its digits or of its exponent's sign.
TEST(ParseFieldNumber, LongMantissasReadByTheirValue)
{
    const std::string z400(400, '0');
    const struct
    {
        const char *name;
        std::string text;
        std::optional<double> value; // empty: an overflow
    } cases[] = {
        {"huge mantissa, negative exponent", "1" + z400 + "e-10", std::nullopt},
        {"huge mantissa cancelled", "1" + z400 + "e-400", 1},
        {"tiny without exponent", "0." + z400 + "1", 0},
        {"tiny negative", "-0." + z400 + "1", -0.0},
        {"tiny lifted by exponent", "0." + z400 + "1e400", 0.1},
        {"largest double", "1.7976931348623157e308", 1.7976931348623157e308},
        {"just past the largest", "1.7976931348623159e308", std::nullopt},
        {"subnormal", "4e-324", 4.9406564584124654e-324},
        {"below the smallest", "2e-324", 0},
        {"exponent of many digits", "1e99999999999999999999999", std::nullopt},
        {"negative exponent of many digits", "5e-99999999999999999999999", 0},
        {"zero with a large exponent", "0e99999999999999999999999", 0},
    };
    for (const auto &c : cases) {
        if (c.value) {
            const double x = ParseFieldNumber(c.text);
            EXPECT_EQ(x, *c.value) << c.name;
            EXPECT_EQ(std::signbit(x), std::signbit(*c.value)) << c.name;
        } else {
            try {
                ParseFieldNumber(c.text);
                ADD_FAILURE() << c.name << ": no overflow";
            } catch (const CalcFault &fault) {
                EXPECT_EQ(fault.kind(), CalcFault::Kind::Overflow) << c.name;
            }
        }
    }
}

// Number-shaped texts of every length and exponent, the same seed each run, read by the
// field reader and by the C library: they must agree on every one.
TEST(ParseFieldNumber, AgreesWithTheCLibrary)
{
    std::mt19937 random(20261207);
    const auto digits = [&](int most) {
        std::string s(std::uniform_int_distribution<int>(0, most)(random), '0');
        for (char &c : s)
            if (random() % 3 == 0)
                c = char('0' + random() % 10);
        return s;
    };
    for (int i = 0; i < 50000; ++i) {
        std::string text = random() % 2 ? "-" : "";
        text += digits(i % 10 == 0 ? 420 : 25);
        if (random() % 2)
            text += "." + digits(i % 10 == 1 ? 420 : 25);
        if (text.find_first_of("0123456789") == std::string::npos)
            text += "1";
        if (random() % 2)
            text += "e" + std::to_string(std::uniform_int_distribution<int>(-800, 800)(random));
        EXPECT_TRUE(test::AgreesWithReference(text)) << text;
    }
}

TEST(CheckedOperations, InfiniteOrNanOperandIsTheOverflowItCameFrom)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::function<double()> calls[] = {
        [&] { return Divide(1, inf); },        [&] { return Divide(inf, 2); },
        [&] { return Divide(nan, 2); },        [&] { return Divide(1, -inf); },
        [&] { return RoundToPlaces(inf, 2); }, [&] { return TruncateToPlaces(nan, 2); },
    };
    for (const auto &call : calls) {
        try {
            call();
            ADD_FAILURE() << "no fault";
        } catch (const CalcFault &fault) {
            EXPECT_EQ(fault.kind(), CalcFault::Kind::Overflow);
        }
    }
}

TEST(CalcFault, MessageNamesTheFieldOrTheFault)
{
    try {
        ParseFieldNumber("abc", "Gross Barrels");
        FAIL();
    } catch (const CalcFault &fault) {
        EXPECT_EQ(fault.message(), "Gross Barrels: 'abc' is not a number");
    }
    try {
        Divide(1, 0);
        FAIL();
    } catch (const CalcFault &fault) {
        EXPECT_EQ(fault.message(), "Division by zero");
    }
    EXPECT_EQ(CalcFault(CalcFault::Kind::NotANumber, "Gross Barrels").message(), "Gross Barrels: no number entered");
    // A long text is quoted by its start, never cut inside a character.
    const std::string degrees = std::string(59, 'x') + "\xC2\xB0" + std::string(100, 'y');
    EXPECT_EQ(CalcFault(CalcFault::Kind::NotANumber, "Celsius", degrees).message(),
              "Celsius: '" + std::string(59, 'x') + "...' is not a number");
}

struct FormatCase
{
    double value;
    const char *text;
};

TEST(FormatFieldNumber, ShortestGeneralFormOfFifteenDigits)
{
    const FormatCase cases[] = {
        {1, "1"},
        {0.5, "0.5"},
        {1234.5, "1234.5"},
        {1.0 / 3, "0.333333333333333"},
        {1e16, "1E+16"},
        {1e15, "1E+15"},
        {123456789012345, "123456789012345"},
        {1e-5, "1E-05"},
        {0.0001, "0.0001"},
        {-0.0, "0"},
        {-2.5, "-2.5"},
        {0.1 + 0.2, "0.3"},
        {416262, "416262"},
        {37.77777777777778, "37.7777777777778"},
        {1.7976931348623157e308, "1.79769313486232E+308"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormatFieldNumber(c.value), c.text) << c.text;
}

TEST(FormatFieldNumber, NonFiniteIsAnOverflowNeverText)
{
    for (double x : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_THROW(FormatFieldNumber(x), CalcFault);
    }
}

struct PlacesCase
{
    double x;
    int places;
    double rounded;
    double cut;
};

TEST(Places, RoundAndCutMagnitudes)
{
    const PlacesCase cases[] = {
        {-1.25, 1, 1.3, 1.2},    {0.00005, 4, 0.0001, 0},         {0.000049, 4, 0, 0},
        {-2, 0, 2, 2},           {-0.98769, 4, 0.9877, 0.9876},   {2.5, 0, 3, 2},
        {9911.0, 2, 9911, 9911}, {0.1216986, 5, 0.1217, 0.12169}, {1.005, 2, 1, 1},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(RoundToPlaces(c.x, c.places), c.rounded) << c.x << " to " << c.places;
        EXPECT_EQ(TruncateToPlaces(c.x, c.places), c.cut) << c.x << " to " << c.places;
    }
}

TEST(Places, OverflowingScaleIsAFault)
{
    EXPECT_THROW(RoundToPlaces(1e307, 2), CalcFault);
    EXPECT_THROW(TruncateToPlaces(-1e307, 2), CalcFault);
}

TEST(CheckedArithmetic, DivideAndFinite)
{
    EXPECT_EQ(Divide(1, 4), 0.25);
    EXPECT_THROW(Divide(0, 0), CalcFault);
    EXPECT_THROW(Divide(1e308, 1e-308), CalcFault);
    EXPECT_EQ(Finite(3), 3);
    EXPECT_THROW(Finite(std::nan("")), CalcFault);
}

TEST(CheckedArithmetic, SixteenBitsHoldTheirRangeOnly)
{
    EXPECT_EQ(CheckedInt16(181.0 * 181), 32761);
    EXPECT_EQ(CheckedInt16(-32768), -32768);
    EXPECT_EQ(CheckedInt16(-2.9), -2);
    for (const double beyond : {182.0 * 182, 32768.0, -32769.0, std::nan(""), HUGE_VAL}) {
        try {
            CheckedInt16(beyond, "Operand count");
            ADD_FAILURE() << beyond;
        } catch (const CalcFault &fault) {
            EXPECT_EQ(fault.message(), "Operand count: Overflow: a value is too large to calculate with") << beyond;
        }
    }
}

} // namespace
} // namespace dravex

// The shown form is C's "%.15G" for every finite double: normal and subnormal, short and
// long decimals, both sides of every exponent switch.
TEST(FormatFieldNumber, agrees_with_printf_15G_across_the_doubles)
{
    std::uint64_t state = 0x9E3779B97F4A7C15u;
    const auto next = [&] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    const auto check = [](double x) {
        if (!std::isfinite(x))
            return;
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.15G", x);
        ASSERT_EQ(dravex::FormatFieldNumber(x), x == 0 ? std::string("0") : std::string(expected)) << x;
    };
    for (int i = 0; i < 200000; ++i) {
        const std::uint64_t bits = next();
        double x;
        std::memcpy(&x, &bits, sizeof x);
        check(x);
        check(static_cast<double>(static_cast<std::int64_t>(bits % 2000000001) - 1000000000) /
              std::pow(10.0, static_cast<int>(bits % 13)));
        // Whole numbers of a last place with up to 16 places, around 2^45 units and below.
        const double units = std::ldexp(1.0, 45) - static_cast<double>(bits % 4096) * (bits % 3 == 0 ? 1e9 : 1);
        const double y = units / std::pow(10.0, static_cast<int>(bits % 17));
        check(y);
        check(std::nextafter(y, 0.0));
        check(std::nextafter(y, 1e300));
    }
    for (int e = -25; e <= 25; ++e)
        for (int m = 1; m < 200; ++m) {
            const double x = m * std::pow(10.0, e);
            check(x);
            check(std::nextafter(x, 0.0));
            check(std::nextafter(x, 1e300));
        }
}
