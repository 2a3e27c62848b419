// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/main_window.h"

#include "screens/svg_picture.h"
#include "shell/help_window.h"
#include "shell/window_registry.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>

#include <algorithm>
#include <vector>

#include <cstring>

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
    {0, "exit1", QT_TRANSLATE_NOOP("dravex::MainWindow", "E&xit"), nullptr, nullptr},
    {0, "tables1", QT_TRANSLATE_NOOP("dravex::MainWindow", "&Tables"), nullptr, nullptr},
    {1, "gct1", QT_TRANSLATE_NOOP("dravex::MainWindow", "G&ravity Correction"), nullptr, nullptr},
    {2, "en2", QT_TRANSLATE_NOOP("dravex::MainWindow", "English"), nullptr, nullptr},
    {3, "tb5", QT_TRANSLATE_NOOP("dravex::MainWindow", "Table 5a"), nullptr, "Form23"},
    {3, "ln9", "-", nullptr, nullptr},
    {3, "b5", QT_TRANSLATE_NOOP("dravex::MainWindow", "Table 5b"), nullptr, "Form24"},
    {2, "ln7", "-", nullptr, nullptr},
    {2, "me2", QT_TRANSLATE_NOOP("dravex::MainWindow", "Metric"), nullptr, nullptr},
    {3, "a53", QT_TRANSLATE_NOOP("dravex::MainWindow", "Table 53a"), nullptr, "Form25"},
    {3, "ln8", "-", nullptr, nullptr},
    {3, "b53", QT_TRANSLATE_NOOP("dravex::MainWindow", "Table 53b"), nullptr, "Form26"},
    {1, "lin3", "-", nullptr, nullptr},
    {1, "volc1", QT_TRANSLATE_NOOP("dravex::MainWindow", "V&olume Correction"), nullptr, nullptr},
    {2, "En1", QT_TRANSLATE_NOOP("dravex::MainWindow", "English"), nullptr, nullptr},
    {3, "a6", QT_TRANSLATE_NOOP("dravex::MainWindow", "Table 6a"), nullptr, "Form5"},
    {3, "ln5", "-", nullptr, nullptr},
    {3, "b6", QT_TRANSLATE_NOOP("dravex::MainWindow", "Table 6b"), nullptr, "Form21"},
    {2, "len1", "-", nullptr, nullptr},
    {2, "Met1", QT_TRANSLATE_NOOP("dravex::MainWindow", "Metric"), nullptr, nullptr},
    {3, "a54", QT_TRANSLATE_NOOP("dravex::MainWindow", "Table 54a"), nullptr, "Form22"},
    {3, "ln6", "-", nullptr, nullptr},
    {3, "b54", QT_TRANSLATE_NOOP("dravex::MainWindow", "Table 54b"), nullptr, "Form6"},
    {1, "t2004", QT_TRANSLATE_NOOP("dravex::MainWindow", "2004 &Edition (Temperature and Pressure)"), nullptr,
     "Vcf2004"},
    {0, "conv1", QT_TRANSLATE_NOOP("dravex::MainWindow", "&Conversion"), nullptr, nullptr},
    {1, "temp1", QT_TRANSLATE_NOOP("dravex::MainWindow", "T&emperature"), nullptr, "Form3"},
    {1, "lin5", "-", nullptr, nullptr},
    {1, "gra1", QT_TRANSLATE_NOOP("dravex::MainWindow", "G&ravity"), nullptr, "Form4"},
    {0, "gag1", QT_TRANSLATE_NOOP("dravex::MainWindow", "&Gauging"), nullptr, nullptr},
    {1, "wedge1", QT_TRANSLATE_NOOP("dravex::MainWindow", "W&edge"), nullptr, "Form7"},
    {1, "lin6", "-", nullptr, nullptr},
    {1, "stpg", QT_TRANSLATE_NOOP("dravex::MainWindow", "S&top Gauges"), nullptr, "Form9"},
    {1, "ln3", "-", nullptr, nullptr},
    {1, "agc", QT_TRANSLATE_NOOP("dravex::MainWindow", "A&verage Gravity"), nullptr, "Form8"},
    {1, "ln4", "-", nullptr, nullptr},
    {1, "theo1", QT_TRANSLATE_NOOP("dravex::MainWindow", "T&heoretical"), nullptr, "Form20"},
    {0, "adit1", QT_TRANSLATE_NOOP("dravex::MainWindow", "&Additives"), nullptr, nullptr},
    {1, "fsii1", QT_TRANSLATE_NOOP("dravex::MainWindow", "F&SII"), nullptr, nullptr},
    {2, "bar", QT_TRANSLATE_NOOP("dravex::MainWindow", "Barrels"), nullptr, "Form10"},
    {2, "lin1", "-", nullptr, nullptr},
    {2, "gall", QT_TRANSLATE_NOOP("dravex::MainWindow", "Gallons"), nullptr, "Form16"},
    {1, "lin2", "-", nullptr, nullptr},
    {1, "sda1", QT_TRANSLATE_NOOP("dravex::MainWindow", "S&DA"), nullptr, nullptr},
    {2, "bars", QT_TRANSLATE_NOOP("dravex::MainWindow", "Barrels"), nullptr, "Form11"},
    {2, "lin9", "-", nullptr, nullptr},
    {2, "Galo", QT_TRANSLATE_NOOP("dravex::MainWindow", "Gallons"), nullptr, "Form18"},
    {1, "lin", "-", nullptr, nullptr},
    {1, "cori1", QT_TRANSLATE_NOOP("dravex::MainWindow", "C&I"), nullptr, "Form12"},
    {1, "lne1", "-", nullptr, nullptr},
    {1, "dmd", QT_TRANSLATE_NOOP("dravex::MainWindow", "DMD-2"), nullptr, "Form19"},
    {0, "Calculator", QT_TRANSLATE_NOOP("dravex::MainWindow", "&Calculator"), nullptr, nullptr},
    {1, "Calc", QT_TRANSLATE_NOOP("dravex::MainWindow", "C&alc"), "F2", "Form14"},
    {0, "records1", QT_TRANSLATE_NOOP("dravex::MainWindow", "&Records"), nullptr, nullptr},
    {1, "log1", QT_TRANSLATE_NOOP("dravex::MainWindow", "Calculation &log"), "Ctrl+L", "LogWindow"},
    {1, "keeplog1", QT_TRANSLATE_NOOP("dravex::MainWindow", "&Keep a log"), nullptr, nullptr, true},
    {1, "report1", QT_TRANSLATE_NOOP("dravex::MainWindow", "Cargo &report"), "Ctrl+R", "CargoReport"},
    {1, "tanktables1", QT_TRANSLATE_NOOP("dravex::MainWindow", "Tank &tables"), nullptr, "TankTables"},
    {1, "job1", QT_TRANSLATE_NOOP("dravex::MainWindow", "&Job…"), nullptr, "JobDialog"},
    {1, "vef1", QT_TRANSLATE_NOOP("dravex::MainWindow", "Vessel &experience factor"), nullptr, "VefLog"},
    {1, "store1", QT_TRANSLATE_NOOP("dravex::MainWindow", "Company &store…"), nullptr, "StoreConnection"},
    {1, "storebrowser1", QT_TRANSLATE_NOOP("dravex::MainWindow", "Store &browser"), nullptr, "StoreBrowser"},
    {0, "help1", QT_TRANSLATE_NOOP("dravex::MainWindow", "&Help"), nullptr, nullptr},
    {1, "help2", QT_TRANSLATE_NOOP("dravex::MainWindow", "Help"), "F1", "Form13"},
    {1, "lin8", "-", nullptr, nullptr},
    {1, "Intro1", QT_TRANSLATE_NOOP("dravex::MainWindow", "Introduction"), nullptr, "Form2"},
    {1, "lin7", "-", nullptr, nullptr},
};

} // namespace

MainWindow::MainWindow(WindowRegistry &registry, QWidget *parent) : QMainWindow(parent), m_registry(registry)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("DRAVEX"));
    auto *picture = new SvgPicture(QStringLiteral("Picture1"), QStringLiteral(":/sky.svg"), QSize(641, 417), this);
    setCentralWidget(picture);
    buildMenu();
    // The job the figures are computed for, once the records are there to say.
    m_jobStatus = new QLabel(this);
    m_jobStatus->setObjectName(QStringLiteral("jobStatus"));
    m_jobStatus->setTextFormat(Qt::PlainText);
    m_jobStatus->setAccessibleName(tr("Current job"));
    statusBar()->addPermanentWidget(m_jobStatus, 1);
    statusBar()->setSizeGripEnabled(false);
    m_registry.whenRecords([shown = QPointer<QLabel>(m_jobStatus)](RecordsModule &records) {
        if (!shown)
            return;
        shown->setText(records.jobLabel());
        records.onJobChanged(shown, [shown](const QString &label) { shown->setText(label); });
    });
    // The company store and its connection, once one is set up.
    m_storeStatus = new QLabel(this);
    m_storeStatus->setObjectName(QStringLiteral("storeStatus"));
    m_storeStatus->setTextFormat(Qt::PlainText);
    m_storeStatus->setAccessibleName(tr("Company store"));
    m_storeStatus->hide();
    statusBar()->addPermanentWidget(m_storeStatus);
    m_registry.whenRecords([shown = QPointer<QLabel>(m_storeStatus)](RecordsModule &records) {
        if (!shown)
            return;
        // The window keeps its size: a long store name is shortened in the middle, and the
        // whole line is the label's tooltip and accessible description.
        auto show = [shown](const QString &label) {
            const int room = std::max(120, shown->window()->width() / 2);
            shown->setText(shown->fontMetrics().elidedText(label, Qt::ElideMiddle, room));
            shown->setToolTip(label);
            shown->setAccessibleDescription(label);
            shown->setVisible(!label.isEmpty());
        };
        show(records.storeLabel());
        records.onStoreChanged(shown, show);
    });
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
        const bool separator = std::strcmp(e.caption, "-") == 0;
        const QString caption = separator ? QString() : tr(e.caption);
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
        if (separator) {
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
    // Documents first, each asking about its unsaved changes: Cancel on one keeps the
    // program running. Records never loaded have no documents open.
    if (RecordsModule *records = m_registry.loadedRecords(); records && !records->closeDocuments())
        return;
    QApplication::closeAllWindows();
    QApplication::quit();
}

} // namespace dravex
