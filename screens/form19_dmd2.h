// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/screen.h"

namespace dravex {

// Metal deactivator: gallons of DMD-2 blend for a quantity of fuel in barrels.
class Form19 : public Screen
{
    Q_OBJECT

public:
    explicit Form19(ScreenHost &host, QWidget *parent = nullptr);

private:
    void txtbbl_KeyPress();
};

QWidget *makeForm19(ScreenHost &host);

} // namespace dravex
