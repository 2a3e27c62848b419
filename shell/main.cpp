// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/catalog.h"
#include "shell/application.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dravex"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.dravex.Dravex"));
    // The windows in the user's language where a translation is installed (or built
    // beside the program); in their own words otherwise.
    QTranslator translation;
    const QString programDir = QApplication::applicationDirPath();
    if (translation.load(QLocale(), QStringLiteral("dravex"), QStringLiteral("_"),
                         programDir + QStringLiteral("/" DRAVEX_TRANSLATIONS_DIR)) ||
        translation.load(QLocale(), QStringLiteral("dravex"), QStringLiteral("_"), programDir))
        QApplication::installTranslator(&translation);

    dravex::WindowRegistry registry(dravex::allScreens());
    dravex::addShellWindows(registry);
    dravex::startDravex(registry);
    return app.exec();
}
