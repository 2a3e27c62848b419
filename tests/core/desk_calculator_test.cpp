// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/conventions.h"
#include "core/desk_calculator.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace dravex {
namespace {

// Presses keys named as on their buttons, blank-separated: "0" to "9", ".", "/", "+",
// "X", "-", "=", "%", "CE" or "C"; a longer number is typed digit by digit. Returns the
// display after each key; a division-by-zero message shows up as "box over <display while
// the box is up>" before its key's display.
std::vector<std::string> run(DeskCalculator &calc, const std::string &keys)
{
    std::vector<std::string> shown;
    std::istringstream in(keys);
    for (std::string key; in >> key;) {
        if (key == "C")
            calc.Cancel();
        else if (key == "CE")
            calc.CancelEntry();
        else if (key == ".")
            calc.Decimal();
        else if (key == "%")
            calc.Percent();
        else if (key[0] >= '0' && key[0] <= '9')
            for (char digit : key)
                digit == '.' ? calc.Decimal() : calc.Number(digit - '0');
        else
            calc.Operator(key[0], [&] { shown.push_back("box over " + calc.display()); });
        shown.push_back(calc.display());
    }
    return shown;
}

struct Sequence
{
    const char *keys;
    std::vector<std::string> shown;
};

TEST(DeskCalculator, ShowsEachKeyOfTheWorkedSequences)
{
    const Sequence cases[] = {
        {"2 + 3 =", {"2.", "2.", "3.", "5"}},
        {"2 + 3 = 4 X 2 =", {"2.", "2.", "3.", "5", "4.", "4", "2.", "8"}},
        {"1 2 . 5 X 2 =", {"1.", "12.", "12.", "12.5", "12.5", "2.", "25"}},
        {"2 + - 3 =", {"2.", "2.", "-", "-3.", "-1"}},
        {"- 5 + 1 =", {"-0.", "-5.", "-5.", "1.", "-4"}},
        {"2 0 0 X 1 0 % =", {"2.", "20.", "200.", "200.", "1.", "10.", "0.1", "20"}},
        // The box is up over the second operand; the first comes back as it was typed.
        {"7 / 0 =", {"7.", "7.", "0.", "box over 0.", "7."}},
    };
    for (const auto &c : cases) {
        DeskCalculator calc;
        EXPECT_EQ(run(calc, c.keys), c.shown) << c.keys;
    }
}

TEST(DeskCalculator, BuildsNumbersAndOperatesLikeTheDeskCalculator)
{
    const Sequence cases[] = {
        {"5", {"5."}},
        {"0 5 + 1 =", {"0.", "05.", "05.", "1.", "6"}},
        {". 5", {"0.", "0.5"}},
        {". . 5 0", {"0.", "0.", "0.5", "0.50"}},
        {"- . 5 X 2 =", {"-0.", "-0.", "-0.5", "-0.5", "2.", "-1"}},
        {"- - 5", {"-0.", "-0.", "-5."}},
        {"9 - 5 CE 3 =", {"9.", "9.", "5.", "0.", "3.", "6"}},
        {"2 + C 3 =", {"2.", "2.", "0.", "3.", "3."}},
        {"2 + 3 = C =", {"2.", "2.", "3.", "5", "0.", "0."}},
        {"2 + 3 = =", {"2.", "2.", "3.", "5", "5"}},
        {"2 + 3 = - 1 =", {"2.", "2.", "3.", "5", "5", "1.", "4"}},
        {"1 / 3 =", {"1.", "1.", "3.", "0.333333333333333"}},
        {"5 % =", {"5.", "0.05", "0.05"}},
        {"5 % = + 1 =", {"5.", "0.05", "0.05", "0.05", "1.", "1.05"}},
        // "%" replaces a pending "+" by the product.
        {"2 + 3 % =", {"2.", "2.", "3.", "0.03", "0.06"}},
        // A result in exponent form reads back as its number.
        {"99999999 X 99999999 = %", {"99999999.", "99999999.", "99999999.", "9.9999998E+15", "99999998000000"}},
        // Negative zero is zero: the message, and the first operand stays.
        {"5 / - 0 =", {"5.", "5.", "-", "-0.", "box over -0.", "5."}},
    };
    for (const auto &c : cases) {
        DeskCalculator calc;
        EXPECT_EQ(run(calc, c.keys), c.shown) << c.keys;
    }
}

std::string zeros(int n)
{
    return std::string(static_cast<std::size_t>(n), '0');
}

struct FaultCase
{
    const char *name;
    std::string before;   // keys that go through
    std::string faulting; // the key that fails
    CalcFault::Kind kind;
    std::string display;   // shown after the fault
    std::string recovery;  // keys pressed next
    std::string recovered; // shown after them
};

// "1E+14 X" twenty-two times over: the running product reaches 1E+308 with the last X.
std::string towardsOverflow()
{
    std::string keys;
    for (int i = 0; i < 22; ++i)
        keys += "1" + zeros(14) + " X ";
    return keys;
}

TEST(DeskCalculator, FaultStopsTheKeyAndTheCalculatorGoesOn)
{
    const std::string big = "9" + std::string(14, '9');
    const FaultCase cases[] = {
        {"lone minus converted", "2 + -", "%", CalcFault::Kind::NotANumber, "-", "3 =", "-1"},
        // The failed "=" had counted its operand: past two, operators wait for C.
        {"product overflows", towardsOverflow() + big, "=", CalcFault::Kind::Overflow, big + ".", "= 2 + 3 =", "3."},
        {"quotient overflows", towardsOverflow() + "1 / . 00000000000001", "=", CalcFault::Kind::Overflow,
         "0.00000000000001", "C 6 / 3 =", "2"},
    };
    for (const auto &c : cases) {
        DeskCalculator calc;
        run(calc, c.before);
        const DeskCalculator::Register accumulator = calc.accumulator();
        try {
            run(calc, c.faulting);
            ADD_FAILURE() << c.name << ": no fault";
        } catch (const CalcFault &fault) {
            EXPECT_EQ(fault.kind(), c.kind) << c.name;
        }
        EXPECT_EQ(calc.display(), c.display) << c.name;
        EXPECT_EQ(calc.accumulator(), accumulator) << c.name;
        EXPECT_EQ(run(calc, c.recovery).back(), c.recovered) << c.name;
    }
}

// A number being typed holds fifteen digits, as a desk calculator's display does; the
// keys after that are ignored, so a held-down key can neither slow the window nor reach
// beyond the double range.
TEST(DeskCalculator, TypedNumberHoldsFifteenDigits)
{
    const struct
    {
        const char *name;
        std::string keys;
        std::string display;
    } cases[] = {
        {"whole number", "1" + zeros(400), "1" + zeros(14) + "."},
        {"fraction", ". " + zeros(400) + "1", "0." + zeros(14)},
        {"negative", "- 12345678901234567890", "-123456789012345."},
        {"next number starts afresh", "1" + zeros(20) + " + 12", "12."},
    };
    for (const auto &c : cases) {
        DeskCalculator calc;
        EXPECT_EQ(run(calc, c.keys).back(), c.display) << c.name;
    }
}

TEST(DeskCalculator, OperandCountIsSixteenBits)
{
    DeskCalculator calc;
    run(calc, "5 % % %");
    while (calc.operandCount() < 32767)
        run(calc, "5 +");
    EXPECT_EQ(calc.operandCount(), 32767);

    // "%" writes the display and its state before it counts.
    run(calc, "8");
    EXPECT_THROW(calc.Percent(), CalcFault);
    EXPECT_EQ(calc.display(), "0.08");
    EXPECT_EQ(calc.pendingOperator(), '%');
    EXPECT_EQ(calc.operandCount(), 32767);

    // An operator counts first and changes nothing.
    run(calc, "9");
    EXPECT_THROW(calc.Operator('+'), CalcFault);
    EXPECT_EQ(calc.display(), "9.");
    EXPECT_EQ(calc.pendingOperator(), '%');

    EXPECT_EQ(run(calc, "C 2 + 3 =").back(), "5");
}

} // namespace
} // namespace dravex
