// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>

namespace dravex {

// The user's settings of the program, in Dravex.conf of the user's configuration folder
// (~/.config on Linux). The program names no organization, so Qt's default would put the
// file under "Unknown Organization".
class Settings : public QSettings
{
public:
    Settings() : QSettings(QSettings::UserScope, QStringLiteral("Dravex")) {}
};

} // namespace dravex
