// SPDX-License-Identifier: GPL-3.0-or-later
// Enter-to-results on every screen: a worked example typed into the screen's fields,
// then Enter pressed as a real key event many times over; prints the median, the 99th
// percentile and the worst time of one press per screen (offscreen platform).
#include "records/records.h"
#include "screens/catalog.h"
#include "screens/prompts.h"
#include "shell/application.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

struct Case
{
    const char *window;
    std::vector<std::pair<const char *, const char *>> fields; // typed in this order
    const char *trigger;                                       // the control that gets the key
    std::vector<const char *> choose;                          // option buttons to check first
    const char *product = nullptr;                             // list entry to select first
    Qt::Key key = Qt::Key_Return;
};

const std::vector<Case> kCases{
    {"Form3", {{"txtCels", "37"}}, "txtCels", {}},
    {"Form4", {{"txtapi", "30"}}, "txtapi", {}},
    {"Form5", {{"txtapi", "30"}, {"txtem", "80"}, {"txtgv", "10000"}}, "txtgv", {}},
    {"Form21", {{"txtapi", "50"}, {"txtem", "80"}, {"txtgv", "10000"}}, "txtgv", {}},
    {"Form22", {{"txtapi", "850"}, {"txtem", "25"}, {"txtgv", "10000"}}, "txtgv", {}},
    {"Form6", {{"txtapi", "780"}, {"txtem", "25"}, {"txtgv", "10000"}}, "txtgv", {}},
    {"Form23", {{"txtobg", "35"}, {"txtobt", "85"}}, "txtobt", {}},
    {"Form24", {{"txtobg", "35"}, {"txtobt", "85"}}, "txtobt", {}},
    {"Form25", {{"txtobg", "850"}, {"txtobt", "30"}}, "txtobt", {}},
    {"Form26", {{"txtobg", "850"}, {"txtobt", "30"}}, "txtobt", {}},
    {"Form7",
     {{"txtvl", "600"},
      {"txttl", "40"},
      {"txttw", "30"},
      {"txtbhd", "10"},
      {"txtfdt", "20"},
      {"txtadt", "26"},
      {"txttdp", "50"},
      {"txtinn", "3"}},
     "txtinn",
     {"Option1"}},
    {"Form9",
     {{"txtbm", "10000"}, {"txtgv", "50000"}, {"txtapi", "35"}, {"txtem", "80"}},
     "Option1",
     {"Option1"},
     nullptr,
     Qt::Key_X},
    {"Form8",
     {{"txtt1", "35.2"},
      {"txtv1", "10000"},
      {"txtt2", "36.8"},
      {"txtv2", "5000"},
      {"txtt3", "34.1"},
      {"txtv3", "2500"},
      {"txtt4", "40"},
      {"txtv4", "2500"}},
     "txtv4",
     {}},
    {"Form20", {{"txtd1", "815.3"}, {"txtv1", "2500"}, {"txtd2", "842.7"}, {"txtv2", "10000"}}, "txtv2", {}},
    {"Form10", {{"txterd", ".12"}, {"txtqtb", "1234.56"}, {"txtflt", ".09"}}, "txtflt", {}},
    {"Form16", {{"txterd", ".12"}, {"txtqfi", "1234.56"}, {"txtpir", ".09"}}, "txtpir", {}},
    {"Form11", {{"txtqti", "1000"}, {"txtilr", "50"}, {"txterw", "250"}}, "txterw", {}},
    {"Form18", {{"txtqti", "10000"}, {"txtilr", "50"}, {"txterw", "250"}}, "txterw", {}},
    {"Form12", {{"txtqpt", "10000"}, {"txtscg", ".95"}}, "txtscg", {"Option1"}, "DUPONT DCI-4A"},
    {"Form19", {{"txtbbl", "12345"}}, "txtbbl", {}},
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
    dravex::WindowRegistry registry(dravex::allScreens());
    dravex::addShellWindows(registry);
    dravex::Records records;
    registry.setRecords(&records);
    // Message boxes are not shown: nothing here waits for a person.
    struct QuietPrompts : dravex::Prompts
    {
        void warn(QWidget *, const QString &, const QString &) override {}
    } quiet;
    registry.setPrompts(&quiet);
    // Every press is logged, as in use, to a file of its own (second argument "nolog": not).
    QTemporaryDir logDir;
    records.log().setPath(logDir.filePath(QStringLiteral("calculations.sqlite")));
    records.log().setKeepingForSession(!(argc > 2 && qstrcmp(argv[2], "nolog") == 0));
    qint64 logged = 0;
    QObject::connect(&records.log(), &dravex::CalculationLog::written, [&logged] { ++logged; });

    std::printf("%-8s %10s %10s %10s  (microseconds per Enter, %d presses)\n", "screen", "median", "p99", "max",
                presses);
    int slow = 0;
    for (const Case &c : kCases) {
        QWidget *w = registry.showWindow(QString::fromLatin1(c.window));
        if (!w) {
            std::printf("%-8s not built\n", c.window);
            continue;
        }
        for (const auto &[name, value] : c.fields)
            w->findChild<QLineEdit *>(QString::fromLatin1(name))->setText(QString::fromLatin1(value));
        for (const char *option : c.choose)
            w->findChild<QAbstractButton *>(QString::fromLatin1(option))->setChecked(true);
        if (c.product) {
            auto *list = w->findChild<QListWidget *>(QStringLiteral("List1"));
            list->findItems(QString::fromLatin1(c.product), Qt::MatchExactly).first()->setSelected(true);
        }
        QWidget *last = w->findChild<QWidget *>(QString::fromLatin1(c.trigger));
        std::vector<double> micros;
        micros.reserve(presses);
        for (int i = 0; i < presses; ++i) {
            const auto start = std::chrono::steady_clock::now();
            QTest::keyClick(last, c.key);
            const auto end = std::chrono::steady_clock::now();
            micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
            // The event loop runs between two key presses, as it does for a person typing:
            // what a window leaves for it (the log's record) happens there.
            QCoreApplication::processEvents();
        }
        const double p99 = percentile(micros, 0.99);
        slow += p99 >= 1000;
        // The notice stays empty when every press computed its results.
        const auto *notice = w->findChild<QLabel *>(QStringLiteral("notice"));
        std::printf("%-8s %10.1f %10.1f %10.1f  %s\n", c.window, percentile(micros, 0.5), p99,
                    *std::max_element(micros.begin(), micros.end()),
                    notice && !notice->text().isEmpty() ? qPrintable(notice->text()) : "");
        w->close();
    }
    records.log().waitWritten(600000);
    QApplication::processEvents();
    std::printf("records written to the log: %lld\n", static_cast<long long>(logged));
    return slow == 0 ? 0 : 1;
}
