// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up probe: starts like the program (or, built with DRAVEX_BARE, like a bare Qt
// Widgets window: a main window with a menu and one text field), and at the first paint
// of its first window prints the time since the launcher's timestamp (argv[1], ns of
// CLOCK_REALTIME taken just before exec) and the peak resident memory, then exits.
#include <QApplication>
#include <QEvent>
#include <QIcon>

#ifdef DRAVEX_BARE
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#else
#include "screens/catalog.h"
#include "shell/application.h"
#endif

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

long long launchedAt = 0;

class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            timespec now{};
            clock_gettime(CLOCK_REALTIME, &now);
            const long long ns = now.tv_sec * 1000000000LL + now.tv_nsec;
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            std::printf("%.3f ms %ld KiB\n", (ns - launchedAt) / 1e6, usage.ru_maxrss);
            std::fflush(stdout);
            std::_Exit(0);
        }
        return false;
    }

private:
    bool m_done = false;
};

} // namespace

int main(int argc, char *argv[])
{
    launchedAt = argc > 1 ? std::atoll(argv[1]) : 0;
    QApplication app(argc, argv);
    FirstPaint probe;
#ifdef DRAVEX_BARE
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    window.setCentralWidget(new QLineEdit);
    window.installEventFilter(&probe);
    window.show();
#else
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/dravex.svg")));
    dravex::WindowRegistry registry(dravex::allScreens());
    dravex::addShellWindows(registry);
    QWidget *intro = dravex::startDravex(registry);
    intro->installEventFilter(&probe);
#endif
    return app.exec();
}
