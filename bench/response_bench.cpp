// Enter-to-results on every screen: a worked example typed into the screen's fields,
// then Enter pressed as a real key event many times over; prints the median, the 99th
// percentile and the worst time of one press per screen (offscreen platform).
#include "screens/catalog.h"
#include "shell/application.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

struct Case
{
    const char *window;
    std::vector<std::pair<const char *, const char *>> fields; // Enter goes to the last one
};

const std::vector<Case> kCases{
    {"Form5", {{"txtapi", "30"}, {"txtem", "80"}, {"txtgv", "10000"}}},
    {"Form21", {{"txtapi", "50"}, {"txtem", "80"}, {"txtgv", "10000"}}},
};

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    const std::size_t i = std::min(v.size() - 1, static_cast<std::size_t>(p * (v.size() - 1) + 0.5));
    return v[i];
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const int presses = argc > 1 ? std::atoi(argv[1]) : 2000;
    dravex::WindowRegistry registry(dravex::AllScreens());
    dravex::addShellWindows(registry);
    registry.setWarningSink([](QWidget *, const QString &, const QString &) {});

    std::printf("%-8s %10s %10s %10s  (microseconds per Enter, %d presses)\n", "screen", "median", "p99", "max",
                presses);
    int slow = 0;
    for (const Case &c : kCases) {
        QWidget *w = registry.showWindow(QString::fromLatin1(c.window));
        if (!w) {
            std::printf("%-8s not built\n", c.window);
            continue;
        }
        QLineEdit *last = nullptr;
        for (const auto &[name, value] : c.fields) {
            last = w->findChild<QLineEdit *>(QString::fromLatin1(name));
            last->setText(QString::fromLatin1(value));
        }
        std::vector<double> micros;
        micros.reserve(presses);
        for (int i = 0; i < presses; ++i) {
            const auto start = std::chrono::steady_clock::now();
            QTest::keyClick(last, Qt::Key_Return);
            const auto end = std::chrono::steady_clock::now();
            micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        }
        const double p99 = percentile(micros, 0.99);
        slow += p99 >= 1000;
        std::printf("%-8s %10.1f %10.1f %10.1f\n", c.window, percentile(micros, 0.5), p99,
                    *std::max_element(micros.begin(), micros.end()));
        w->close();
    }
    return slow == 0 ? 0 : 1;
}
