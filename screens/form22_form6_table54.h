// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/form5_form21_table6.h"

namespace dravex {

// Volume correction in litres at 15 C: Form22 for crude oils (Table 54A), Form6 for
// generalized products (Table 54B), on the volume-correction screen.
QWidget *makeForm22(ScreenHost &host);
QWidget *makeForm6(ScreenHost &host);

} // namespace dravex
