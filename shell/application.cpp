// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/application.h"

#include "shell/help_window.h"
#include "shell/main_window.h"
#include "shell/notice_windows.h"
#include "shell/records_loader.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QIcon>
#include <QTimer>

namespace dravex {

// The texts of the program around the windows that belong to no window.
class ApplicationText
{
    Q_DECLARE_TR_FUNCTIONS(dravex::Application)
};

namespace {

// A window of the records, or null after saying why it cannot be had.
QWidget *recordsWindow(WindowRegistry &registry, const std::function<QWidget *(RecordsModule &)> &make)
{
    if (RecordsModule *records = registry.records())
        return make(*records);
    registry.prompts().warn(nullptr, ApplicationText::tr("Records"),
                            ApplicationText::tr("The records cannot be opened: %1").arg(registry.recordsProblem()));
    return nullptr;
}

// Runs a task once, from the event loop, after the window is first painted.
class AfterFirstPaint : public QObject
{
public:
    AfterFirstPaint(QWidget *window, std::function<void()> task) : QObject(window), m_task(std::move(task))
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, watched, std::move(m_task));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_task;
};

} // namespace

void addShellWindows(WindowRegistry &registry)
{
    registry.add(QStringLiteral("Form1"), [&registry](ScreenHost &) { return new MainWindow(registry); });
    registry.add(QStringLiteral("Form2"), [&registry](ScreenHost &) { return new IntroWindow(registry); });
    registry.add(QStringLiteral("Form13"), [](ScreenHost &) { return new HelpWindow; });
    registry.add(QStringLiteral("Form15"), [](ScreenHost &) { return new OutOfRangeWindow; });
    registry.add(QStringLiteral("LogWindow"), [&registry](ScreenHost &host) {
        return recordsWindow(registry, [&host](RecordsModule &records) { return records.newLogWindow(host); });
    });
    registry.addMany(QStringLiteral("CargoReport"), [&registry](ScreenHost &) {
        return recordsWindow(registry, [](RecordsModule &records) { return records.newCargoReport(); });
    });
    registry.add(QStringLiteral("TankTables"), [&registry](ScreenHost &) {
        return recordsWindow(registry, [](RecordsModule &records) { return records.newTankTables(); });
    });
    registry.add(QStringLiteral("TankTableImport"), [&registry](ScreenHost &) {
        return recordsWindow(registry, [](RecordsModule &records) { return records.newTankTableImport(); });
    });
    registry.add(QStringLiteral("JobDialog"), [&registry](ScreenHost &) {
        return recordsWindow(registry, [](RecordsModule &records) { return records.newJobDialog(); });
    });
    registry.add(QStringLiteral("VefLog"), [&registry](ScreenHost &) {
        return recordsWindow(registry, [](RecordsModule &records) { return records.newVefLog(); });
    });
    registry.add(QStringLiteral("StoreConnection"), [&registry](ScreenHost &) {
        return recordsWindow(registry, [](RecordsModule &records) { return records.newStoreConnection(); });
    });
    registry.add(QStringLiteral("StoreBrowser"), [&registry](ScreenHost &) {
        return recordsWindow(registry, [](RecordsModule &records) { return records.newStoreBrowser(); });
    });
    registry.setRecordsLoader([](QString &problem) { return LoadRecordsModule(RecordsModulePath(), problem); });
}

QWidget *startDravex(WindowRegistry &registry)
{
    QWidget *intro = registry.showWindow(QStringLiteral("Form2"));
    // What the first window does not need waits until it is on the screen: the icon, the
    // records with their database and printing libraries, and the offer to restore
    // reports left unsaved by a crash.
    new AfterFirstPaint(intro, [&registry] {
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/dravex.svg")));
        if (RecordsModule *records = registry.records())
            records->offerRestore();
    });
    return intro;
}

} // namespace dravex
