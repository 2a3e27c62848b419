// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/screen.h"

namespace dravex {

struct FsiiLayout;

// FSII injection: Form10 for a quantity of fuel in barrels, with the gallons per 1000
// barrels; Form16 for a quantity in gallons. Same rows and HELP button; the names, the
// labels' names, the per-1000 figure, the tab order and the calculation differ.
class FsiiScreen : public Screen
{
    Q_OBJECT

public:
    FsiiScreen(ScreenHost &host, const FsiiLayout &layout, QWidget *parent = nullptr);

private:
    const FsiiLayout &m_layout;

    void labResult_KeyPress();
    void Command1_Click();
};

QWidget *makeForm10(ScreenHost &host);
QWidget *makeForm16(ScreenHost &host);

} // namespace dravex
