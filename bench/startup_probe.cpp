// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up probe: starts like the program (or, built with DRAVEX_BARE, like a bare Qt
// Widgets window: a main window with a menu and one text field), and at the first paint
// of its first window prints the time since the launcher's timestamp (argv[1], ns of
// CLOCK_REALTIME taken just before exec) and the peak resident memory, then exits. The
// program's probe then also loads the records module, as the program does next, and
// prints how long the window was busy with it.
#include <QApplication>
#include <QEvent>

#ifdef DRAVEX_BARE
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#else
#include "screens/catalog.h"
#include "shell/application.h"
#include "shell/records_loader.h"

#include <QElapsedTimer>
#endif

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>

namespace {

long long launchedAt = 0;

class FirstPaint : public QObject
{
public:
    std::function<void()> then;

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            timespec now{};
            clock_gettime(CLOCK_REALTIME, &now);
            const long long ns = now.tv_sec * 1000000000LL + now.tv_nsec;
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            std::printf("%.3f ms %ld KiB", (ns - launchedAt) / 1e6, usage.ru_maxrss);
            if (then)
                then();
            std::printf("\n");
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
    dravex::WindowRegistry registry(dravex::allScreens());
    dravex::addShellWindows(registry);
    registry.setRecordsLoader([](QString &problem) {
        return dravex::LoadRecordsModule(QStringLiteral(DRAVEX_RECORDS_MODULE_FILE), problem);
    });
    QWidget *intro = dravex::startDravex(registry);
    intro->installEventFilter(&probe);
    probe.then = [&registry] {
        QElapsedTimer timer;
        timer.start();
        const bool loaded = registry.records() != nullptr;
        std::printf(" records %.3f ms%s", timer.nsecsElapsed() / 1e6, loaded ? "" : " (not loaded)");
    };
#endif
    return app.exec();
}
