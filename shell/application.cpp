#include "shell/application.h"

#include "records/log_window.h"
#include "shell/help_window.h"
#include "shell/main_window.h"
#include "shell/notice_windows.h"

namespace dravex {

void addShellWindows(WindowRegistry &registry)
{
    registry.add(QStringLiteral("Form1"), [&registry](ScreenHost &) { return new MainWindow(registry); });
    registry.add(QStringLiteral("Form2"), [&registry](ScreenHost &) { return new IntroWindow(registry); });
    registry.add(QStringLiteral("Form13"), [](ScreenHost &) { return new HelpWindow; });
    registry.add(QStringLiteral("Form15"), [](ScreenHost &) { return new OutOfRangeWindow; });
    registry.add(QStringLiteral("LogWindow"),
                 [&registry](ScreenHost &host) { return new LogWindow(host, registry.log()); });
}

QWidget *startDravex(WindowRegistry &registry)
{
    return registry.showWindow(QStringLiteral("Form2"));
}

} // namespace dravex
