// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/screen.h"

namespace dravex {

// The volume-weighted gravity of a receiving tank (tank 5) filled from up to four issuing
// tanks, on whatever gravity scale the user enters.
class Form8 : public Screen
{
    Q_OBJECT

public:
    explicit Form8(ScreenHost &host, QWidget *parent = nullptr);

private:
    void txtv4_KeyPress();
};

QWidget *makeForm8(ScreenHost &host);

} // namespace dravex
