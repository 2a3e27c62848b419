// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/screen.h"

namespace dravex {

// What tells the gravity-correction windows apart: their form and calculation, the help
// text below the result, the tab order, and whether Enter in the observed gravity puts its
// text back (Table 5A does; the others ignore that Enter).
struct GravityLayout
{
    const FormSpec &form;
    const char *help; // translated when shown
    const char *tabOrder[3];
    bool enterRewritesGravity;
};

// Observed gravity and temperature, a line, the corrected gravity and a help label below:
// Form23 and Form24 (Tables 5A and 5B, API at 60 F), Form25 and Form26 (Tables 53A and
// 53B, density at 15 C). Only Enter in the temperature computes.
class GravityScreen : public Screen
{
    Q_OBJECT

public:
    GravityScreen(ScreenHost &host, const GravityLayout &layout, QWidget *parent = nullptr);

private:
    const GravityLayout &m_layout;

    void txtobg_KeyPress();
    void txtobt_KeyPress();
};

QWidget *makeForm23(ScreenHost &host);
QWidget *makeForm24(ScreenHost &host);

} // namespace dravex
