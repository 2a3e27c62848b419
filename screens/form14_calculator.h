// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/desk_calculator.h"
#include "screens/screen.h"

#include <QPushButton>

#include <array>
#include <functional>
#include <initializer_list>

namespace dravex {

// The desk calculator: a display and a 4 x 5 key grid. The buttons are the only way in;
// each key on the keyboard (digits, "." or "," or the keypad's decimal key, "+", "-", "*"
// or "x", "/", "%", Enter or "=", Escape for C, Delete for CE) just clicks its button.
// Ctrl+C copies the display's number; Ctrl+V types a number from the clipboard.
class Form14 : public Screen
{
    Q_OBJECT

public:
    explicit Form14(ScreenHost &host, QWidget *parent = nullptr);

private:
    void Form_Load();
    void Number_Click(int index);
    void Operator_Click(int index);
    void Decimal_Click();
    void Percent_Click();
    void CancelEntry_Click();
    void Cancel_Click();

    QLabel *Readout;
    // Button arrays: every element has the array's name as objectName and its index in
    // the "index" property. The caption of Number(i) is the digit i; the caption of an
    // Operator is its code.
    std::array<QPushButton *, 10> Number;
    std::array<QPushButton *, 5> Operator;
    QPushButton *Decimal;
    QPushButton *Percent;
    QPushButton *CancelEntry;
    QPushButton *Cancel;

    QPushButton *makeKey(const QString &name, const QString &caption, int index = -1);
    void addKeys(QPushButton *button, std::initializer_list<int> keys);
    // Runs one key on the calculator and shows the display, also where the key stopped
    // on a fault.
    void press(const std::function<void()> &key);
    void showReadout();
    void copyDisplay();
    void pasteNumber();

    DeskCalculator m_calc;
};

QWidget *makeForm14(ScreenHost &host);

} // namespace dravex
