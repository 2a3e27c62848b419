// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/main_window.h"

#include "screens/svg_picture.h"
#include "shell/help_window.h"
#include "shell/window_registry.h"

#include <QApplication>
#include <QMenuBar>

#include <vector>

namespace dravex {

namespace {

// The menu tree, one line per menu control, indented by level. A caption of "-" is a
// separator; an entry followed by deeper ones opens a submenu; window is the registered
// name of the window the item shows.
struct MenuEntry
{
    int level;
    const char *name;
    const char *caption;
    const char *shortcut;
    const char *window;
    // A check item (on or off) rather than a command.
    bool checkable = false;
};

const MenuEntry kMenu[] = {
    {0, "exit1", "E&xit", nullptr, nullptr},
    {0, "tables1", "&Tables", nullptr, nullptr},
    {1, "gct1", "G&ravity Correction", nullptr, nullptr},
    {2, "en2", "English", nullptr, nullptr},
    {3, "tb5", "Table 5a", nullptr, "Form23"},
    {3, "ln9", "-", nullptr, nullptr},
    {3, "b5", "Table 5b", nullptr, "Form24"},
    {2, "ln7", "-", nullptr, nullptr},
    {2, "me2", "Metric", nullptr, nullptr},
    {3, "a53", "Table 53a", nullptr, "Form25"},
    {3, "ln8", "-", nullptr, nullptr},
    {3, "b53", "Table 53b", nullptr, "Form26"},
    {1, "lin3", "-", nullptr, nullptr},
    {1, "volc1", "V&olume Correction", nullptr, nullptr},
    {2, "En1", "English", nullptr, nullptr},
    {3, "a6", "Table 6a", nullptr, "Form5"},
    {3, "ln5", "-", nullptr, nullptr},
    {3, "b6", "Table 6b", nullptr, "Form21"},
    {2, "len1", "-", nullptr, nullptr},
    {2, "Met1", "Metric", nullptr, nullptr},
    {3, "a54", "Table 54a", nullptr, "Form22"},
    {3, "ln6", "-", nullptr, nullptr},
    {3, "b54", "Table 54b", nullptr, "Form6"},
    {1, "t2004", "2004 &Edition (Temperature and Pressure)", nullptr, "Vcf2004"},
    {0, "conv1", "&Conversion", nullptr, nullptr},
    {1, "temp1", "T&emperature", nullptr, "Form3"},
    {1, "lin5", "-", nullptr, nullptr},
    {1, "gra1", "G&ravity", nullptr, "Form4"},
    {0, "gag1", "&Gauging", nullptr, nullptr},
    {1, "wedge1", "W&edge", nullptr, "Form7"},
    {1, "lin6", "-", nullptr, nullptr},
    {1, "stpg", "S&top Gauges", nullptr, "Form9"},
    {1, "ln3", "-", nullptr, nullptr},
    {1, "agc", "A&verage Gravity", nullptr, "Form8"},
    {1, "ln4", "-", nullptr, nullptr},
    {1, "theo1", "T&heoretical", nullptr, "Form20"},
    {0, "adit1", "&Additives", nullptr, nullptr},
    {1, "fsii1", "F&SII", nullptr, nullptr},
    {2, "bar", "Barrels", nullptr, "Form10"},
    {2, "lin1", "-", nullptr, nullptr},
    {2, "gall", "Gallons", nullptr, "Form16"},
    {1, "lin2", "-", nullptr, nullptr},
    {1, "sda1", "S&DA", nullptr, nullptr},
    {2, "bars", "Barrels", nullptr, "Form11"},
    {2, "lin9", "-", nullptr, nullptr},
    {2, "Galo", "Gallons", nullptr, "Form18"},
    {1, "lin", "-", nullptr, nullptr},
    {1, "cori1", "C&I", nullptr, "Form12"},
    {1, "lne1", "-", nullptr, nullptr},
    {1, "dmd", "DMD-2", nullptr, "Form19"},
    {0, "Calculator", "&Calculator", nullptr, nullptr},
    {1, "Calc", "C&alc", "F2", "Form14"},
    {0, "records1", "&Records", nullptr, nullptr},
    {1, "log1", "Calculation &log", "Ctrl+L", "LogWindow"},
    {1, "keeplog1", "&Keep a log", nullptr, nullptr, true},
    {1, "report1", "Cargo &report", "Ctrl+R", "CargoReport"},
    {0, "help1", "&Help", nullptr, nullptr},
    {1, "help2", "Help", "F1", "Form13"},
    {1, "lin8", "-", nullptr, nullptr},
    {1, "Intro1", "Introduction", nullptr, "Form2"},
    {1, "lin7", "-", nullptr, nullptr},
};

} // namespace

MainWindow::MainWindow(WindowRegistry &registry, QWidget *parent) : QMainWindow(parent), m_registry(registry)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("DRAVEX"));
    auto *picture = new SvgPicture(QStringLiteral("Picture1"), QStringLiteral(":/sky.svg"), QSize(641, 417), this);
    setCentralWidget(picture);
    buildMenu();
    setFixedSize(sizeHint());
}

void MainWindow::buildMenu()
{
    // The menu or menu bar that entries of each level go into.
    std::vector<QWidget *> parents{menuBar()};
    const std::size_t count = std::size(kMenu);
    for (std::size_t i = 0; i < count; ++i) {
        const MenuEntry &e = kMenu[i];
        parents.resize(e.level + 1);
        QWidget *parent = parents.back();
        const QString name = QString::fromLatin1(e.name);
        const QString caption = QString::fromLatin1(e.caption);
        const bool opensSubmenu = i + 1 < count && kMenu[i + 1].level > e.level;

        if (opensSubmenu) {
            QMenu *menu = nullptr;
            if (auto *bar = qobject_cast<QMenuBar *>(parent))
                menu = bar->addMenu(caption);
            else
                menu = static_cast<QMenu *>(parent)->addMenu(caption);
            menu->setObjectName(name);
            menu->menuAction()->setObjectName(name);
            parents.push_back(menu);
            continue;
        }

        QAction *action = nullptr;
        if (caption == QLatin1String("-")) {
            action = static_cast<QMenu *>(parent)->addSeparator();
        } else {
            action = new QAction(caption, parent);
            if (auto *bar = qobject_cast<QMenuBar *>(parent))
                bar->addAction(action);
            else
                static_cast<QMenu *>(parent)->addAction(action);
        }
        action->setObjectName(name);
        action->setCheckable(e.checkable);
        if (e.shortcut) {
            action->setShortcut(QKeySequence(QString::fromLatin1(e.shortcut)));
            // F1 and F2 work from every window of the program; the others while the main
            // window is active, menu open or not.
            const bool everywhere = name == QLatin1String("help2") || name == QLatin1String("Calc");
            action->setShortcutContext(everywhere ? Qt::ApplicationShortcut : Qt::WindowShortcut);
            addAction(action);
        }
        if (e.window) {
            // The menu opens windows by their registered names only.
            const QString window = QString::fromLatin1(e.window);
            if (!m_registry.has(window))
                qFatal("menu item %s opens %s, which is not registered", e.name, e.window);
            if (name == QLatin1String("help2"))
                connect(action, &QAction::triggered, this, &MainWindow::help2_Click);
            else
                connect(action, &QAction::triggered, this, [this, window] { m_registry.showWindow(window); });
        } else if (name == QLatin1String("exit1")) {
            connect(action, &QAction::triggered, this, &MainWindow::exit1_Click);
        } else if (name == QLatin1String("keeplog1")) {
            RecordsModule *records = m_registry.records();
            action->setChecked(records && records->keeping());
            action->setEnabled(records != nullptr);
            connect(action, &QAction::toggled, this, &MainWindow::keeplog1_Click);
        }
    }
}

void MainWindow::help2_Click()
{
    // Help for the window the user is in: its own section, or the top of the guide.
    const QWidget *active = QApplication::activeWindow();
    const QString from = active ? active->objectName() : QString();
    auto *help = qobject_cast<HelpWindow *>(m_registry.showWindow(QStringLiteral("Form13")));
    if (help && from != help->objectName())
        help->showSectionFor(from);
}

void MainWindow::keeplog1_Click(bool on)
{
    if (RecordsModule *records = m_registry.records())
        records->setKeeping(on);
}

void MainWindow::exit1_Click()
{
    // Documents first: a report whose user cancels closing keeps the program running.
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == QLatin1String("CargoReport") && !w->close())
            return;
    QApplication::closeAllWindows();
    QApplication::quit();
}

} // namespace dravex
