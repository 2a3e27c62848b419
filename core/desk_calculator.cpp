// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/desk_calculator.h"

#include "core/conventions.h"

#include <algorithm>

namespace dravex {

namespace {

// A register as a number: calculated numbers as they are, copied display text read as a
// field is read, and the empty register of a fresh window as 0.
double numberOf(const DeskCalculator::Register &r)
{
    if (const double *value = std::get_if<double>(&r))
        return *value;
    const std::string &text = std::get<std::string>(r);
    return text.empty() ? 0 : ParseFieldNumber(text);
}

// A register as the display shows it: a copied text unchanged, a number in field form.
std::string textOf(const DeskCalculator::Register &r)
{
    if (const double *value = std::get_if<double>(&r))
        return FormatFieldNumber(*value);
    return std::get<std::string>(r);
}

} // namespace

void DeskCalculator::Load()
{
    m_fractionMode = false;
    m_operandCount = 0;
    m_inputState = InputState::None;
    m_pendingOperator = ' ';
    m_display = "0.";
}

void DeskCalculator::Cancel()
{
    m_display = "0.";
    m_accumulator = 0.0;
    m_operand = 0.0;
    Load();
}

void DeskCalculator::CancelEntry()
{
    m_display = "0.";
    m_fractionMode = false;
    m_inputState = InputState::ClearEntry;
}

void DeskCalculator::Decimal()
{
    if (m_inputState == InputState::Negative)
        m_display = "-0.";
    else if (m_inputState != InputState::Numbers)
        m_display = "0.";
    m_fractionMode = true;
    m_inputState = InputState::Numbers;
}

void DeskCalculator::Number(int digit)
{
    const char d = static_cast<char>('0' + digit);
    const auto typed = std::count_if(m_display.begin(), m_display.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (m_inputState == InputState::Numbers && typed >= kMaxDigits)
        return;
    if (m_inputState != InputState::Numbers) {
        // A new number starts from the separator alone, so its first digit replaces the 0.
        m_display = std::string(1, kDecimalSeparator);
        m_fractionMode = false;
    }
    if (m_fractionMode) {
        m_display += d;
    } else {
        // The digit goes before the separator that ends the whole-number part. A number
        // being typed always has one; without it the digit would go at the end.
        const std::size_t separator = m_display.find(kDecimalSeparator);
        m_display = m_display.substr(0, separator) + d + kDecimalSeparator;
    }
    if (m_inputState == InputState::Negative)
        m_display = "-" + m_display;
    m_inputState = InputState::Numbers;
}

void DeskCalculator::Percent()
{
    const double percent = ParseFieldNumber(m_display) / 100;
    m_display = FormatFieldNumber(percent);
    m_inputState = InputState::Percent;
    m_pendingOperator = '%';
    m_fractionMode = true;
    countOperand();
}

void DeskCalculator::Operator(char op, const DivisionByZero &divisionByZero)
{
    const std::string snapshot = m_display;
    if (m_inputState == InputState::Numbers)
        countOperand();

    switch (m_operandCount) {
    case 0:
        // Nothing entered yet: a minus is the sign of the first number, put before the 0.
        if (op == '-' && m_inputState != InputState::Negative) {
            m_display = "-" + m_display;
            m_inputState = InputState::Negative;
        }
        break;
    case 1:
        m_accumulator = m_display;
        // A minus where a second number would start is its sign; after "=" it subtracts
        // from the result.
        if (op == '-' && m_inputState != InputState::Numbers && m_pendingOperator != '=') {
            m_display = "-";
            m_inputState = InputState::Negative;
        }
        break;
    case 2: {
        m_operand = snapshot;
        switch (m_pendingOperator) {
        case '+':
        case '-':
        case 'X':
        case '%': {
            const double a = numberOf(m_accumulator);
            const double b = numberOf(m_operand);
            double result = 0;
            if (m_pendingOperator == '+')
                result = a + b;
            else if (m_pendingOperator == '-')
                result = a - b;
            else
                result = a * b; // "X", and "%" whose operand is already divided by 100
            m_accumulator = Finite(result);
            break;
        }
        case '/': {
            const double a = numberOf(m_accumulator);
            const double b = numberOf(m_operand);
            if (b == 0) {
                // The first operand stays, as the copied text it was.
                if (divisionByZero)
                    divisionByZero();
            } else {
                m_accumulator = Finite(a / b);
            }
            break;
        }
        case '=':
            m_accumulator = numberOf(m_operand);
            break;
        default:
            break;
        }
        m_display = textOf(m_accumulator);
        m_operandCount = 1;
        break;
    }
    default:
        // Past two operands (after a fault or a run of "%") operators do nothing until C.
        break;
    }

    if (m_inputState != InputState::Negative) {
        m_inputState = InputState::Operator;
        m_pendingOperator = op;
    }
}

void DeskCalculator::countOperand()
{
    m_operandCount = CheckedInt16(double(m_operandCount) + 1, "Operand count");
}

} // namespace dravex
