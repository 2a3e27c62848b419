// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the main window and the named screens, fills in a worked example where one is
// given, and saves a picture of each window as PNG. Run under a real X server (Xvfb) by
// scripts/screenshots.sh, so the README pictures stay current.
#include "screens/catalog.h"
#include "shell/application.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace {

struct Shot
{
    QString window;
    QList<QPair<QString, QString>> fields; // typed in order; Enter in the last one
    QStringList choices = {};              // option buttons to check first
    bool working = false;                  // open the working panel
};

void fill(QWidget *window, const Shot &shot)
{
    for (const QString &name : shot.choices)
        if (auto *option = window->findChild<QAbstractButton *>(name))
            option->setChecked(true);
    if (shot.working)
        if (auto *toggle = window->findChild<QAbstractButton *>(QStringLiteral("working")))
            toggle->click();
    QLineEdit *last = nullptr;
    for (const auto &[name, value] : shot.fields) {
        last = window->findChild<QLineEdit *>(name);
        if (last)
            last->setText(value);
    }
    if (last) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(last, &press);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/dravex.svg")));
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(outDir);

    dravex::WindowRegistry registry(dravex::allScreens());
    dravex::addShellWindows(registry);

    const QList<Shot> shots{
        {QStringLiteral("Form1"), {}},
        {QStringLiteral("Form21"), {{"txtapi", "50"}, {"txtem", "80"}, {"txtgv", "10000"}}, {}, true},
        {QStringLiteral("Form7"),
         {{"txtvl", "600"},
          {"txttl", "40"},
          {"txttw", "30"},
          {"txtbhd", "10"},
          {"txtfdt", "20"},
          {"txtadt", "26"},
          {"txttdp", "50"},
          {"txtinn", "3"}},
         {QStringLiteral("Option1")}},
    };
    int index = 0;
    QTimer::singleShot(0, [&] {
        for (const Shot &shot : shots) {
            QWidget *w = registry.showWindow(shot.window);
            if (!w)
                continue;
            w->move(20 + 30 * index, 20 + 30 * index);
            fill(w, shot);
            QApplication::processEvents();
            w->adjustSize();
            QApplication::processEvents();
            const QString file = outDir + QStringLiteral("/") + shot.window.toLower() + QStringLiteral(".png");
            w->grab().save(file);
            ++index;
        }
        QApplication::exit(0);
    });
    return app.exec();
}
