// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <span>

class QWidget;

namespace dravex {

class ScreenHost;

// Makes a window; the window registry calls it on first showing.
using ScreenFactory = std::function<QWidget *(ScreenHost &)>;

// A window the registry can show: its objectName, by which the menu and other windows ask
// for it, and the function that makes it.
struct ScreenEntry
{
    const char *name;
    QWidget *(*make)(ScreenHost &host);
};

// Every calculator window and the windows they raise, in menu order, each once.
std::span<const ScreenEntry> allScreens();

} // namespace dravex
