// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/screen.h"

namespace dravex {

// The density of a shore tank's contents after it has received a vessel's cargo: the
// volume-weighted density of what it held and what came in.
class Form20 : public Screen
{
    Q_OBJECT

public:
    explicit Form20(ScreenHost &host, QWidget *parent = nullptr);

private:
    void txtv2_KeyPress();
};

QWidget *makeForm20(ScreenHost &host);

} // namespace dravex
