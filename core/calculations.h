// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/procedure.h"

#include <span>

namespace dravex {

// Every calculation of every window, in menu order: the windows and the command line find
// a calculation here by its window's name and the control that starts it.
std::span<const Calculation> AllCalculations();

// The calculation that the control trigger of window form starts, or null.
const Calculation *FindCalculation(std::string_view form, std::string_view trigger);

} // namespace dravex
