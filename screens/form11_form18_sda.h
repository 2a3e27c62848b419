// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/screen.h"

namespace dravex {

struct SdaLayout;

// SDA injection: Form11 for a quantity of fuel in barrels (SDA in gallons, pre-mix fuel
// 9 times that), Form18 for gallons (SDA in millilitres, pre-mix fuel of at least one
// gallon). Same fields and rows; the labels' names, the tab order and the calculation
// differ.
class SdaScreen : public Screen
{
    Q_OBJECT

public:
    SdaScreen(ScreenHost &host, const SdaLayout &layout, QWidget *parent = nullptr);

private:
    const SdaLayout &m_layout;

    void txterw_KeyPress();
};

QWidget *makeForm11(ScreenHost &host);
QWidget *makeForm18(ScreenHost &host);

} // namespace dravex
