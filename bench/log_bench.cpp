// SPDX-License-Identifier: GPL-3.0-or-later
// The log window on a large log: fills a file with ENTRIES calculations (100,000 unless
// given), then times opening the window to its first page, text filters that match
// often, rarely and never, and the filters by vessel and voyage. Offscreen platform.
// Usage: log_bench [ENTRIES] [--filters] (--filters: stop after the filters)
#include "records/log/calculation_log.h"
#include "records/log/log_store.h"
#include "records/log/log_window.h"
#include "records/records.h"
#include "screens/catalog.h"
#include "shell/application.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include <sys/resource.h>

namespace {

dravex::CalcRecord entry(int i)
{
    static const char *const windows[][2] = {{"Form5", "VOLUME CORRECTION (TABLE 6a)"},
                                             {"Form21", "VOLUME CORRECTION (TABLE 6b)"},
                                             {"Form23", "GRAVITY CORRECTION (TABLE 5a)"},
                                             {"Form7", "WEDGE"}};
    dravex::CalcRecord r;
    r.at = dravex::LocalNow().addSecs(-(100000 - i) * 60);
    r.window = QString::fromLatin1(windows[i % 4][0]);
    r.title = QString::fromLatin1(windows[i % 4][1]);
    r.inputs = {{"txtapi", "Gravity at 60 F (0.1)", QString::number(20 + i % 300 / 10.0)},
                {"txtem", "Temperature to 0.5 Degrees F", QString::number(40 + i % 120)},
                {"txtgv", "Gross Barrels", QString::number(1000 + i)}};
    r.results = {{"txtvcf", "Volume Correction Factor", QString::number(0.95 + i % 97 / 1000.0)},
                 {"txtbbl", "Your Net Barrels at 60 F Are", QString::number((1000 + i) * 0.98, 'f', 2)},
                 {"txtgal", "Net Gallons at 60 F", QString::number((1000 + i) * 41.16, 'f', 2)}};
    for (int line = 0; line < 12; ++line)
        r.working << QStringLiteral("Step %1 of the working = %2").arg(line).arg(i * 0.001 + line);
    // Jobs as a surveyor's log holds them: runs of 100 calculations of one vessel and
    // voyage, 200 vessels in turn, a new voyage every 20,000; one vessel with three entries,
    // the oldest; a calculation in 10 made under no job.
    if (i % 10 != 9) {
        r.job.name = i < 3 ? "Lone Star" : "Vessel " + std::to_string(i / 100 % 200);
        r.job.voyage = std::to_string(i / 20000 + 1);
        r.job.port = "Rotterdam";
        r.job.date = "2026-03-14";
    }
    return r;
}

// Answers the file and reference questions; progress is the program's own dialog.
struct BenchDialogs : dravex::Prompts
{
    QString fileName;
    QString savePath(QWidget *, const QString &, const QString &, const QString &) override { return fileName; }
    bool askReference(QWidget *, const QString &, QString &) override { return true; }
    void warn(QWidget *, const QString &, const QString &text) override
    {
        std::printf("warning: %s\n", qPrintable(text));
    }
};

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const int entries = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("calculations.sqlite"));

    QElapsedTimer timer;
    timer.start();
    {
        dravex::LogStore store(QStringLiteral("fill"));
        if (!store.open(path, false).ok())
            return 1;
        for (int done = 0; done < entries;) {
            QList<dravex::CalcRecord> batch;
            for (int i = 0; i < 5000 && done < entries; ++i, ++done)
                batch << entry(done);
            store.insertMany(batch);
        }
        std::printf("filled %lld entries in %.0f ms (%.1f MB)\n", static_cast<long long>(store.count()),
                    double(timer.elapsed()), QFileInfo(path).size() / 1e6);
    }

    {
        // The writer's open, which checks every page before it adds to the file.
        timer.restart();
        dravex::LogStore store(QStringLiteral("check"));
        const bool sound = store.open(path, true).ok();
        std::printf("writer's open with its page check: %.0f ms (%s)\n", double(timer.elapsed()),
                    sound ? "sound" : "not sound");
    }

    dravex::WindowRegistry registry(dravex::allScreens());
    dravex::Records records;
    registry.setRecords(&records);
    records.log().setPath(path);
    records.log().start();
    while (!records.log().ready())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);

    std::vector<double> opens;
    for (int run = 0; run < 7; ++run) {
        timer.restart();
        auto *window = new dravex::LogWindow(registry, records.log());
        window->show();
        QApplication::processEvents();
        const bool filled = window->model()->rowCount() > 0;
        opens.push_back(timer.nsecsElapsed() / 1e6);
        if (!filled)
            std::printf("no rows shown\n");
        delete window;
    }
    std::printf("log window open to first page shown: median %.1f ms, worst %.1f ms (7 runs)\n", median(opens),
                *std::max_element(opens.begin(), opens.end()));

    auto *window = new dravex::LogWindow(registry, records.log());
    window->show();
    QApplication::processEvents();
    auto *search = window->findChild<QLineEdit *>(QStringLiteral("logSearch"));
    const std::pair<const char *, const char *> filters[] = {{"matches often", "gross"},
                                                             {"matches rarely", "99999"},
                                                             {"matches once", "100999"},
                                                             {"matches never", "no such text"}};
    for (const auto &[what, text] : filters) {
        std::vector<double> times;
        for (int run = 0; run < 7; ++run) {
            search->clear();
            QApplication::processEvents();
            timer.restart();
            search->setText(QString::fromLatin1(text));
            QApplication::processEvents();
            times.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::printf("text filter \"%s\" (%s, %d rows in first page): median %.1f ms, worst %.1f ms\n", text, what,
                    window->model()->rowCount(), median(times), *std::max_element(times.begin(), times.end()));
    }
    search->clear();
    QApplication::processEvents();

    // Chosen in the vessel and voyage lists, as a person does; the first page shown.
    auto *vessels = window->findChild<QComboBox *>(QStringLiteral("logVesselFilter"));
    auto *voyages = window->findChild<QComboBox *>(QStringLiteral("logVoyageFilter"));
    const std::pair<const char *, const char *> jobs[] = {
        {"Vessel 17", nullptr}, {"Vessel 17", "3"}, {"Lone Star", nullptr}, {"Vessel 199", "1"}};
    for (const auto &[vessel, voyage] : jobs) {
        std::vector<double> times;
        for (int run = 0; run < 7; ++run) {
            vessels->setCurrentIndex(0);
            QApplication::processEvents();
            timer.restart();
            vessels->setCurrentIndex(vessels->findData(QString::fromLatin1(vessel)));
            if (voyage)
                voyages->setCurrentIndex(voyages->findData(QString::fromLatin1(voyage)));
            QApplication::processEvents();
            times.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::printf("vessel filter %s, voyage %s (%d rows in first page): median %.1f ms, worst %.1f ms\n", vessel,
                    voyage ? voyage : "all", window->model()->rowCount(), median(times),
                    *std::max_element(times.begin(), times.end()));
    }
    vessels->setCurrentIndex(0);
    QApplication::processEvents();
    if (argc > 2 && QByteArray(argv[2]) == "--filters") {
        delete window;
        return 0;
    }

    // Every entry listed, then all selected at once: the window answers again when the
    // selection is shown.
    while (window->model()->canFetchMore({}))
        window->model()->fetchMore({});
    auto *table = window->findChild<QTableView *>(QStringLiteral("logTable"));
    std::vector<double> selects;
    for (int run = 0; run < 7; ++run) {
        table->clearSelection();
        table->selectRow(0);
        QApplication::processEvents();
        timer.restart();
        table->selectAll();
        QApplication::processEvents();
        selects.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("select all %d entries: median %.1f ms, worst %.1f ms (7 runs)\n", window->model()->rowCount(),
                median(selects), *std::max_element(selects.begin(), selects.end()));
    timer.restart();
    const qsizetype ids = window->selectedIds().size();
    std::printf("the selection's %lld ids, as copy, export and delete take them: %.1f ms\n",
                static_cast<long long>(ids), timer.nsecsElapsed() / 1e6);
    auto dialogs = std::make_unique<BenchDialogs>();
    BenchDialogs *answers = dialogs.get();
    records.setPrompts(answers);
    timer.restart();
    window->copySelection();
    std::printf("copy of the whole selection as a table: %.0f ms (%.1f MB of text)\n", double(timer.elapsed()),
                QApplication::clipboard()->text().size() * 2 / 1e6);
    answers->fileName = dir.filePath(QStringLiteral("all.csv"));
    timer.restart();
    window->exportCsv();
    std::printf("CSV export of the whole selection: %.0f ms (%.1f MB)\n", double(timer.elapsed()),
                QFileInfo(answers->fileName).size() / 1e6);

    // PDF of the newest 1,000 entries, read one at a time from their ids.
    table->clearSelection();
    table->selectionModel()->select(
        QItemSelection(window->model()->index(0, 0),
                       window->model()->index(std::min(999, ids > 0 ? int(ids) - 1 : 0), 0)),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    answers->fileName = dir.filePath(QStringLiteral("selection.pdf"));
    const double peakBefore = peakMegabytes();
    timer.restart();
    window->exportPdfSelection();
    std::printf("PDF export of %lld selected entries: %.0f ms (%.1f MB; peak memory of the process %.0f MB before, "
                "%.0f MB after)\n",
                static_cast<long long>(window->selectedIds().size()), double(timer.elapsed()),
                QFileInfo(answers->fileName).size() / 1e6, peakBefore, peakMegabytes());
    delete window;
    return 0;
}
