// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/application.h"

#include "records/cargo_report_window.h"
#include "records/log_window.h"
#include "shell/help_window.h"
#include "shell/main_window.h"
#include "shell/notice_windows.h"

#include <QTimer>

namespace dravex {

void addShellWindows(WindowRegistry &registry)
{
    registry.add(QStringLiteral("Form1"), [&registry](ScreenHost &) { return new MainWindow(registry); });
    registry.add(QStringLiteral("Form2"), [&registry](ScreenHost &) { return new IntroWindow(registry); });
    registry.add(QStringLiteral("Form13"), [](ScreenHost &) { return new HelpWindow; });
    registry.add(QStringLiteral("Form15"), [](ScreenHost &) { return new OutOfRangeWindow; });
    registry.add(QStringLiteral("LogWindow"),
                 [&registry](ScreenHost &host) { return new LogWindow(host, registry.log()); });
    registry.addMany(QStringLiteral("CargoReport"),
                     [&registry](ScreenHost &) { return new CargoReportWindow(registry.reportPrompts()); });
}

QWidget *startDravex(WindowRegistry &registry)
{
    QWidget *intro = registry.showWindow(QStringLiteral("Form2"));
    // Reports left unsaved by a crash are offered once the program is up.
    ReportPrompts *prompts = &registry.reportPrompts();
    QTimer::singleShot(0, intro, [prompts] { CargoReportWindow::offerRestore(*prompts); });
    return intro;
}

} // namespace dravex
