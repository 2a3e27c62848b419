// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/screen.h"

namespace dravex {

// Gravity conversion: API at 60 F, density at 15 C or specific gravity at 15 C is typed
// into its field, and Enter there fills the other two.
class Form4 : public Screen
{
    Q_OBJECT

public:
    explicit Form4(ScreenHost &host, QWidget *parent = nullptr);

private:
    void txtapi_KeyPress();
    void txtden_KeyPress();
    void txtspe_KeyPress();
};

QWidget *makeForm4(ScreenHost &host);

} // namespace dravex
