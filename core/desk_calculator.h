// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <variant>

namespace dravex {

// The four-function desk calculator with percent, clear entry and clear. It works on its
// display text: digits are built up as text, and the text becomes a number only when an
// operator or the percent key needs it. Each key is one method; the window forwards its
// button clicks here and shows display().
//
// Worked sequences, display after each key (a trailing "." is part of the display):
//   2 + 3 =           2.  2.  3.  5
//   2 + 3 = 4 X 2 =   2.  2.  3.  5  4.  4  2.  8     ("=" still pending makes X store 4)
//   2 + - 3 =         2.  2.  -  -3.  -1               (a minus after an operator starts -3)
//   - 5 + 1 =         -0.  -5.  -5.  1.  -4
//   2 0 0 X 1 0 % =   2.  20.  200.  200.  1.  10.  0.1  20   ("%" multiplies)
//   7 / 0 =           7.  7.  0.  7                    (the division-by-zero message, then 7.)
//
// A key that meets a display or operand that is no number (the lone "-"), a result beyond
// the double range or an operand count past 32767 (a 16-bit counter) throws CalcFault and
// stops where it is: what the key had changed so far stays changed.
class DeskCalculator
{
public:
    // What the last key was. Only Numbers and Negative are ever tested; every other state
    // means that no number is being typed.
    enum class InputState {
        None,       // after loading or C
        Numbers,    // a number is being typed
        Operator,   // an operator key
        Percent,    // the percent key
        Negative,   // a minus sign that starts a negative number
        ClearEntry, // CE
    };

    // The first operand and running result, and the second operand: a display text as
    // copied, or a number once calculated. Empty text counts as 0.
    using Register = std::variant<std::string, double>;

    // Called while an operator key divides by zero, before the key goes on; the window
    // shows its modal message box here.
    using DivisionByZero = std::function<void()>;

    // The decimal separator, the same that field numbers are read and shown with.
    static constexpr char kDecimalSeparator = '.';

    // The state of a newly loaded window: empty registers, display "0.".
    DeskCalculator() = default;

    // Window load: no fraction, no operand, nothing pending, display "0.". The registers
    // keep what they hold.
    void Load();
    // C: display "0.", both registers 0, then what loading does.
    void Cancel();
    // CE: display "0." and a new number may start; the pending operation and its first
    // operand stay: 9 - 5 CE 3 = shows 6.
    void CancelEntry();
    // ".": starts "0." (or "-0." after a starting minus) unless a number is being typed;
    // a second point changes nothing: . . 5 shows 0.5.
    void Decimal();
    // Digit 0 to 9. The whole-number part keeps the separator at its end and a leading
    // zero stays: 0 5 shows "05.", whose value is 5. Like a desk calculator's display, a
    // number being typed holds at most kMaxDigits digits; further digit keys are ignored.
    void Number(int digit);
    static constexpr int kMaxDigits = 15;
    // "%": the display's number divided by 100, and "%" (which multiplies) becomes the
    // pending operator: 5 % shows 0.05.
    void Percent();
    // Operator key "/", "+", "X", "-" or "=". The second operand is the display text as
    // the key finds it. divisionByZero may be empty.
    void Operator(char op, const DivisionByZero &divisionByZero = {});

    const std::string &display() const { return m_display; }
    const Register &accumulator() const { return m_accumulator; }
    const Register &operand() const { return m_operand; }
    bool fractionMode() const { return m_fractionMode; }
    std::int16_t operandCount() const { return m_operandCount; }
    InputState inputState() const { return m_inputState; }
    // " " when nothing is pending, else "+", "-", "X", "/", "=" or "%".
    char pendingOperator() const { return m_pendingOperator; }

private:
    void countOperand();

    std::string m_display = "0.";
    Register m_accumulator;
    Register m_operand;
    bool m_fractionMode = false;
    std::int16_t m_operandCount = 0;
    InputState m_inputState = InputState::None;
    char m_pendingOperator = ' ';
};

} // namespace dravex
