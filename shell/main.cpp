// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/catalog.h"
#include "shell/application.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dravex"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.dravex.Dravex"));

    dravex::WindowRegistry registry(dravex::allScreens());
    dravex::addShellWindows(registry);
    dravex::startDravex(registry);
    return app.exec();
}
