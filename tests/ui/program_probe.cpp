// SPDX-License-Identifier: GPL-3.0-or-later
// Starts as the program does, with its records module loaded from MODULE after the first
// paint, presses Enter COUNT times on the Table 6A window, opens the log and a cargo
// report, then quits the way the program does. Linked like the program, without the
// records. Usage: program_probe MODULE COUNT.
#include "screens/catalog.h"
#include "shell/application.h"
#include "shell/records_loader.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    QApplication::setApplicationName(QStringLiteral("Dravex"));
    const QString module = QString::fromLocal8Bit(argv[1]);
    const int count = std::atoi(argv[2]);
    dravex::WindowRegistry registry(dravex::allScreens());
    dravex::addShellWindows(registry);
    registry.setRecordsLoader([module](QString &problem) {
        dravex::RecordsModule *records = dravex::LoadRecordsModule(module, problem);
        if (!records)
            std::fprintf(stderr, "%s\n", qPrintable(problem));
        return records;
    });
    QWidget *intro = dravex::startDravex(registry);
    QTimer::singleShot(0, intro, [&registry, count] {
        QWidget *w = registry.showWindow(QStringLiteral("Form5"));
        w->findChild<QLineEdit *>(QStringLiteral("txtapi"))->setText(QStringLiteral("30"));
        w->findChild<QLineEdit *>(QStringLiteral("txtem"))->setText(QStringLiteral("80"));
        auto *gross = w->findChild<QLineEdit *>(QStringLiteral("txtgv"));
        for (int i = 0; i < count; ++i) {
            gross->setText(QString::number(10000 + i));
            QTest::keyClick(gross, Qt::Key_Return);
        }
        registry.showWindow(QStringLiteral("LogWindow"));
        registry.showWindow(QStringLiteral("CargoReport"));
        QTimer::singleShot(0, [] { QApplication::quit(); });
    });
    return app.exec();
}
