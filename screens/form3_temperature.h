// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/screen.h"

namespace dravex {

// Temperature conversion: either field is typed into and Enter there writes the other.
class Form3 : public Screen
{
    Q_OBJECT

public:
    explicit Form3(ScreenHost &host, QWidget *parent = nullptr);

private:
    void txtCels_KeyPress();
    void txtFah_KeyPress();
};

QWidget *makeForm3(ScreenHost &host);

} // namespace dravex
