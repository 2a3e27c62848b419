// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/window_registry.h"

namespace dravex {

// The registry of every window of the program: the calculator screens and the shell's
// own windows (main window, introduction, help, out-of-range).
void addShellWindows(WindowRegistry &registry);

// Shows the introduction screen, the first window of every run.
QWidget *startDravex(WindowRegistry &registry);

} // namespace dravex
