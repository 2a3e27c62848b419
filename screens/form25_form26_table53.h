// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/form23_form24_table5.h"

namespace dravex {

// Observed density to density at 15 C on the gravity-correction screen: Form25 for crude
// oils (Table 53A), Form26 for refined products (Table 53B).
QWidget *makeForm25(ScreenHost &host);
QWidget *makeForm26(ScreenHost &host);

} // namespace dravex
