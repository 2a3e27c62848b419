// SPDX-License-Identifier: GPL-3.0-or-later
// The job figures are computed for: set from the keyboard, shown in the main window, kept
// with every calculation of the log and found again by vessel and voyage; the log of the
// version before jobs brought up to date; a cargo report's header offered as the job.
#include "log_test_support.h"

#include "core/cargo_report.h"
#include "records/job/current_job.h"
#include "records/log/log_window.h"
#include "records/report/cargo_report_window.h"
#include "records/report/report_file.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>

using namespace dravex;
using namespace dravex::test;

namespace {

void keys(const QString &text)
{
    QTest::keyClicks(QApplication::focusWidget(), text);
}

void key(Qt::Key k)
{
    QTest::keyClick(QApplication::focusWidget(), k);
}

Job job(const char *name, const char *voyage, ReportOperation operation = ReportOperation::Loading)
{
    Job j;
    j.name = name;
    j.voyage = voyage;
    j.port = "Rotterdam";
    j.operation = operation;
    j.date = "2026-03-14";
    return j;
}

void chooseVessel(LogWindow *log, const QString &vessel, const QString &voyage)
{
    auto *vessels = control<QComboBox>(log, "logVesselFilter");
    vessels->setCurrentIndex(vessels->findData(vessel));
    auto *voyages = control<QComboBox>(log, "logVoyageFilter");
    voyages->setCurrentIndex(voyages->findData(voyage));
}

} // namespace

class JobTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { CurrentJob::instance().setJob({}); }
    void cleanup() { CurrentJob::instance().setJob({}); }

    // Typed from the keyboard alone, shown in the status bar, kept for the next run and
    // carried by each entry made while it is current; the log lists and filters by it.
    void a_job_goes_with_every_calculation_made_under_it()
    {
        QTemporaryDir dir;
        LoggingProgram program(dir.filePath("log.sqlite"));
        QWidget *main = program.show("Form1");
        auto *status = control<QLabel>(main, "jobStatus");
        QCOMPARE(status->text(), QString("No job"));

        control<QAction>(main, "job1")->trigger();
        QWidget *dialog = program.registry.window("JobDialog");
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("jobName"));
        keys("Northern Star");
        key(Qt::Key_Tab);
        keys("24/07");
        key(Qt::Key_Tab);
        keys("Rotterdam");
        key(Qt::Key_Tab);
        keys("D"); // the operation list, to Discharge
        key(Qt::Key_Tab);
        keys("2026-03-14");
        key(Qt::Key_Return);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!program.registry.window("JobDialog"));

        const Job typed = job("Northern Star", "24/07", ReportOperation::Discharge);
        QCOMPARE(CurrentJob::instance().job(), typed);
        QCOMPARE(CurrentJob::saved(), typed);
        QCOMPARE(status->text(), QString("Vessel Northern Star, voyage 24/07, Rotterdam, Discharge, 2026-03-14"));

        QWidget *form5 = program.show("Form5");
        fillAndEnter(form5, {{"txtapi", "30"}, {"txtem", "80"}, {"txtgv", "10000"}});
        // "No job" from the dialog: the next entry belongs to none.
        control<QAction>(main, "job1")->trigger();
        control<QPushButton>(program.registry.window("JobDialog"), "jobNone")->click();
        QCOMPARE(status->text(), QString("No job"));
        QCOMPARE(CurrentJob::saved(), Job{});
        fillAndEnter(form5, {{"txtapi", "31"}, {"txtem", "80"}, {"txtgv", "10000"}});
        QVERIFY(program.records.log().waitWritten(10000));

        auto *log = static_cast<LogWindow *>(program.show("LogWindow"));
        QTRY_COMPARE(log->model()->rowCount(), 2);
        QCOMPARE(log->model()->index(0, LogModel::Vessel).data().toString(), QString());
        QCOMPARE(log->model()->index(1, LogModel::Vessel).data().toString(), QString("Northern Star"));
        QCOMPARE(log->model()->index(1, LogModel::Voyage).data().toString(), QString("24/07"));

        chooseVessel(log, "Northern Star", "24/07");
        QCOMPARE(log->model()->rowCount(), 1);
        control<QTableView>(log, "logTable")->selectRow(0);
        const QList<CalcRecord> chosen = log->selectedRecords();
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen.front().job, typed);
        // The first calculation's, at 30 API.
        QCOMPARE(fieldLines(chosen.front().inputs).filter(QRegularExpression("^txtapi=.*=30$")).size(), 1);
        control<QAction>(log, "logCopy")->trigger();
        QVERIFY(QApplication::clipboard()->text().contains(
            "\tVessel Northern Star, voyage 24/07, Rotterdam, Discharge, 2026-03-14\t"));
        QVERIFY(CopyText(chosen.front())
                    .contains("Job\tVessel Northern Star, voyage 24/07, Rotterdam, Discharge, 2026-03-14\n"));
        QVERIFY(RecordsHtml(chosen).contains("Job: Vessel Northern Star, voyage 24/07"));
        // All vessels again: every entry.
        chooseVessel(log, "", "");
        QCOMPARE(log->model()->rowCount(), 2);
    }

    // A log of the version before jobs keeps every entry, each of no job, and takes jobs
    // from then on.
    void a_log_from_before_jobs_keeps_every_entry()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("log.sqlite");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "v4");
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery q(db);
            for (const char *sql :
                 {"CREATE TABLE entries (id INTEGER PRIMARY KEY AUTOINCREMENT, at TEXT NOT NULL, window TEXT NOT NULL,"
                  " title TEXT NOT NULL, inputs TEXT NOT NULL, results TEXT NOT NULL, working TEXT NOT NULL,"
                  " out_of_range INTEGER NOT NULL, stopped INTEGER NOT NULL, notice TEXT NOT NULL,"
                  " utc_ms INTEGER NOT NULL DEFAULT 0, options TEXT NOT NULL DEFAULT '[]', uid TEXT)",
                  "CREATE TABLE entry_text (id INTEGER PRIMARY KEY, text TEXT NOT NULL)",
                  "CREATE TABLE windows (name TEXT PRIMARY KEY, title TEXT NOT NULL, disclaimer TEXT NOT NULL)",
                  "CREATE UNIQUE INDEX entries_uid ON entries(uid)",
                  "INSERT INTO entries VALUES (3, '2026-01-02T03:04:05+00:00', 'Form3', 'TEMPERATURE',"
                  " '[[\"txtCels\",\"Celsius\",\"37\"]]', '[]', '', 0, 0, '', 1767323045000, '[]', 'a')",
                  "INSERT INTO entries VALUES (9, '2026-01-03T03:04:05+00:00', 'Form3', 'TEMPERATURE',"
                  " '[[\"txtCels\",\"Celsius\",\"38\"]]', '[]', '', 0, 0, '', 1767409445000, '[]', 'b')",
                  "INSERT INTO entries VALUES (12, '2026-01-04T03:04:05+00:00', 'Form3', 'TEMPERATURE',"
                  " '[[\"txtCels\",\"Celsius\",\"39\"]]', '[]', '', 0, 1, 'x', 1767495845000, '[]', NULL)",
                  "PRAGMA user_version = 4"})
                QVERIFY2(q.exec(sql), qPrintable(q.lastError().text()));
            db.close();
        }
        QSqlDatabase::removeDatabase("v4");

        LogStore store("from-v4");
        QVERIFY(store.open(path, true).ok());
        QCOMPARE(store.schemaVersion(), 5);
        QList<qint64> ids;
        for (const LogRow &row : store.page({}, 0, 10)) {
            ids << row.id;
            QCOMPARE(row.vessel, QString());
        }
        QCOMPARE(ids, QList<qint64>({12, 9, 3}));
        QCOMPARE(store.records({9}).value(0).inputs.value(0).text, QString("38"));
        QCOMPARE(store.records({9}).value(0).job, Job{});

        CalcRecord r = sample();
        r.job = job("Sea Lark", "7");
        LogStatus status;
        QVERIFY(store.insert(r, status));
        LogFilter filter;
        filter.vessel = "Sea Lark";
        QCOMPARE(store.page(filter, 0, 10).size(), 1);
        filter.voyage = "8";
        QVERIFY(store.page(filter, 0, 10).isEmpty());
        QCOMPARE(store.jobs(), (QList<QPair<QString, QStringList>>{{"Sea Lark", {"7"}}}));
        QCOMPARE(store.count(), 4);
        QCOMPARE(store.integrityCheck(), QString("ok"));
    }

    // Opening or saving a report offers its header as the job, only when it differs.
    void a_report_offers_its_header_as_the_job()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("lark.json");
        CargoReport report;
        report.header.vessel = "Sea Lark";
        report.header.voyage = "7";
        report.header.port = "Rotterdam";
        report.header.date = "2026-03-14";
        QString error;
        QVERIFY2(saveReportFile(file, report, &error), qPrintable(error));

        ScriptedPrompts prompts;
        const Job other = job("Northern Star", "24/07");
        CurrentJob::instance().setJob(other);
        struct Step
        {
            const char *what;
            bool answer;
            int questions; // asked so far
            Job current;   // afterwards
        };
        const Step steps[] = {
            {"opened, declined", false, 1, other},
            {"saved, taken", true, 2, job("Sea Lark", "7")},
            {"saved again, the same job: not asked", true, 2, job("Sea Lark", "7")},
        };
        auto *w = new CargoReportWindow(prompts);
        w->show();
        prompts.paths = {file};
        for (const Step &step : steps) {
            prompts.confirmAnswer = step.answer;
            if (step.questions == 1)
                control<QAction>(w, "open1")->trigger();
            else
                control<QAction>(w, "save1")->trigger();
            QCOMPARE(prompts.questions.size(), step.questions);
            QVERIFY2(CurrentJob::instance().job() == step.current, step.what);
        }
        QVERIFY(prompts.questions.front().contains("This report: Vessel Sea Lark, voyage 7, Rotterdam, Loading"));
        QVERIFY(prompts.questions.front().contains("Current job: Vessel Northern Star, voyage 24/07"));
        QVERIFY(prompts.warnings.isEmpty());
    }
};

QTEST_MAIN(JobTest)
#include "job_test.moc"
