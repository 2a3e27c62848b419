// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation log's file: damaged, foreign, newer and read-only files, older versions
// brought up to date, records that wait, two writers and killed writers.
#include "log_test_support.h"

#include "records/log/log_window.h"
#include "records/log/log_writer.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QTemporaryDir>

#include <functional>

using namespace dravex;
using namespace dravex::test;

class LogFileTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void a_damaged_file_is_kept_aside_and_a_new_log_started()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("log.sqlite");
        QFile damaged(path);
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(8192, 'x'));
        damaged.close();
        LoggingProgram program(path);
        QWidget *w = program.show("Form5");
        fillAndEnter(w, {{"txtapi", "30"}, {"txtem", "80"}, {"txtgv", "10000"}});
        QVERIFY(program.records.log().waitWritten(10000));
        QTRY_VERIFY(program.records.log().problem().contains("damaged"));
        const QStringList kept = QDir(dir.path()).entryList({"log-damaged-*.sqlite"});
        QCOMPARE(kept.size(), 1);
        QVERIFY(program.records.log().problem().contains(kept.front()));
        QFile old(dir.filePath(kept.front()));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray(8192, 'x'));
        Reader reader(path);
        QCOMPARE(reader.store.count(), 1);
        QCOMPARE(reader.store.integrityCheck(), QString("ok"));
    }

    void brings_a_version_1_file_up_to_date()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("log.sqlite");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "v1");
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec("CREATE TABLE entries (id INTEGER PRIMARY KEY AUTOINCREMENT, at TEXT NOT NULL,"
                           " window TEXT NOT NULL, title TEXT NOT NULL, inputs TEXT NOT NULL, results TEXT NOT NULL,"
                           " working TEXT NOT NULL, out_of_range INTEGER NOT NULL, stopped INTEGER NOT NULL,"
                           " notice TEXT NOT NULL)"));
            QVERIFY(q.exec(
                "INSERT INTO entries VALUES (7, '2026-01-02T03:04:05-05:00', 'Form3', 'TEMPERATURE',"
                " '[[\"txtCels\",\"Celsius\",\"37\"]]', '[[\"txtFahr\",\"Fahrenheit\",\"98.6\"]]', '', 0, 0, '')"));
            QVERIFY(q.exec("PRAGMA user_version = 1"));
            db.close();
        }
        QSqlDatabase::removeDatabase("v1");
        LogStore store("migrated");
        QVERIFY(store.open(path, true).ok());
        QCOMPARE(store.schemaVersion(), LogStore::kSchemaVersion);
        LogFilter filter;
        filter.text = "FAHRENHEIT";
        filter.from = QDate(2026, 1, 2);
        filter.to = QDate(2026, 1, 2);
        const QList<LogRow> rows = store.page(filter, 0, 10);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.front().id, 7);
        QCOMPARE(rows.front().summary, QString("Celsius 37 \u2192 Fahrenheit 98.6"));
        QCOMPARE(store.windows().value(0).first, QString("Form3"));
        filter.from = QDate(2026, 1, 3);
        QVERIFY(store.page(filter, 0, 10).isEmpty() ==
                (QDateTime(QDate(2026, 1, 3), QTime(0, 0)).toMSecsSinceEpoch() >
                 QDateTime::fromString("2026-01-02T03:04:05-05:00", Qt::ISODate).toMSecsSinceEpoch()));
    }

    // What is kept in the file and what it is decide whether it is written: a damaged page
    // or a database of something else is set aside and a new log started; a newer log is
    // read but never written, and the records wait.
    void a_log_that_is_not_sound_or_not_ours_is_never_written_into()
    {
        struct Case
        {
            const char *what;
            std::function<void(const QString &)> make;
            const char *keptAs;  // the file set aside; null: none
            qint64 keptEntries;  // entries in the file afterwards
            const char *problem; // in the log's problem line
        };
        const Case cases[] = {
            {"damaged page",
             [](const QString &path) {
                 makeLog(path, 53, 40);
                 QFile file(path);
                 QVERIFY(file.open(QIODevice::ReadWrite));
                 const qint64 pages = file.size() / 4096;
                 QVERIFY(pages > 8);
                 file.seek(pages / 2 * 4096);
                 file.write(QByteArray(4096, '\x5a'));
             },
             "log-damaged-*.sqlite", 1, "damaged"},
            {"another program's entries table",
             [](const QString &path) {
                 execute(path, {"CREATE TABLE entries (id INTEGER PRIMARY KEY, name TEXT)",
                                "INSERT INTO entries (name) VALUES ('not a calculation')"});
             },
             "log-other-*.sqlite", 1, "no calculation log"},
            {"newer version",
             [](const QString &path) {
                 makeLog(path, 2);
                 execute(path, {"PRAGMA user_version = 99"});
             },
             nullptr, 2, "version 99"},
        };
        for (const Case &c : cases) {
            QTemporaryDir dir;
            const QString path = dir.filePath("log.sqlite");
            c.make(path);
            LoggingProgram program(path);
            QWidget *w = program.show("Form5");
            fillAndEnter(w, {{"txtapi", "30"}, {"txtem", "80"}, {"txtgv", "10000"}});
            QCOMPARE(text(w, "txtbbl"), QString("9911"));
            QTRY_VERIFY2(program.records.log().problem().contains(c.problem),
                         qPrintable(QString(c.what) + ": " + program.records.log().problem()));
            const QStringList kept = c.keptAs ? QDir(dir.path()).entryList({c.keptAs}) : QStringList();
            QCOMPARE(kept.size(), c.keptAs ? 1 : 0);
            if (c.keptAs) {
                QVERIFY(program.records.log().waitWritten(10000));
                QVERIFY(program.records.log().problem().contains(kept.front()));
                QCOMPARE(rawCount(path), c.keptEntries);
                QCOMPARE(Reader(path).store.integrityCheck(), QString("ok"));
            } else {
                // Not written; the log window lists what is kept and says which version.
                QVERIFY(!program.records.log().waitWritten(500));
                QCOMPARE(rawCount(path), c.keptEntries);
                auto *log = static_cast<LogWindow *>(program.show("LogWindow"));
                QTRY_COMPARE(log->model()->rowCount(), int(c.keptEntries));
                QVERIFY(control<QLabel>(log, "logNotice")->text().contains(c.problem));
            }
        }
    }

    // The folder cannot be written: the entries kept are listed all the same, and the window
    // says only that new records cannot be written.
    void a_read_only_folder_still_shows_the_log()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("data");
        const QString path = dir.filePath("data/log.sqlite");
        makeLog(path, 2);
        ReadOnlyFolder folder(dir.filePath("data"));
        if (!folder.made)
            QSKIP("no folder can be made read-only here");
        LoggingProgram program(path);
        QWidget *w = program.show("Form5");
        fillAndEnter(w, {{"txtapi", "30"}, {"txtem", "80"}, {"txtgv", "10000"}});
        QCOMPARE(text(w, "txtbbl"), QString("9911"));
        auto *log = static_cast<LogWindow *>(program.show("LogWindow"));
        QTRY_COMPARE(log->model()->rowCount(), 2);
        QTRY_VERIFY(control<QLabel>(log, "logNotice")->text().startsWith("New records cannot be written"));
        QVERIFY(control<QLabel>(log, "logNotice")->text().contains("read-only"));
    }

    // Records that wait for a locked log when the program ends are written the next time.
    void records_waiting_at_the_end_are_written_the_next_time()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("log.sqlite");
        makeLog(path, 0);
        {
            QSqlDatabase locker = QSqlDatabase::addDatabase("QSQLITE", "locker");
            locker.setDatabaseName(path);
            QVERIFY(locker.open());
            QSqlQuery q(locker);
            QVERIFY(q.exec("BEGIN IMMEDIATE"));
            QVERIFY(q.exec("INSERT INTO windows (name, title, disclaimer) VALUES ('x', 'x', '')"));
            QProcess probe;
            probe.start(LOG_WRITER_PROBE, {path, "40", "1000"});
            QVERIFY(probe.waitForFinished(60000));
            QCOMPARE(probe.exitCode(), 1);
            QVERIFY(q.exec("ROLLBACK"));
            locker.close();
        }
        QSqlDatabase::removeDatabase("locker");
        QCOMPARE(rawCount(path), 0);
        QProcess next;
        next.start(LOG_WRITER_PROBE, {path, "1"});
        QVERIFY(next.waitForFinished(60000));
        QCOMPARE(next.exitCode(), 0);
        QCOMPARE(rawCount(path), 41);
        QCOMPARE(QDir(dir.path()).entryList({"*waiting*"}), QStringList());
    }

    // The program ended after the waiting records were written and before their file was
    // removed: read again, they are not added twice. A line of the earlier form (no id)
    // is still taken, a line cut short is not.
    void a_waiting_file_merged_twice_adds_its_records_once()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("log.sqlite");
        makeLog(path, 0);
        std::deque<CalcRecord> waiting(3, sample());
        for (int i = 0; i < 3; ++i)
            waiting[i].inputs[1].text = QString::number(i);
        QVERIFY(LogWriter::keepWaiting(path, waiting));
        const QString file = LogWriter::waitingPath(path);
        QVERIFY(QFile::copy(file, dir.filePath("kept.jsonl")));
        QFile more(file);
        QVERIFY(more.open(QIODevice::Append));
        more.write("{\"at\":\"2026-12-07T10:11:12+01:00\",\"window\":\"Form5\",\"title\":\"T\","
                   "\"inputs\":[[\"txtapi\",\"Gravity\",\"31\"]],\"results\":[]}\n"
                   "{\"at\":\"2026-12-07T10:1");
        more.close();

        auto run = [&] {
            QProcess probe;
            probe.start(LOG_WRITER_PROBE, {path, "1"});
            QVERIFY(probe.waitForFinished(60000));
            QCOMPARE(probe.exitCode(), 0);
        };
        run();
        QCOMPARE(rawCount(path), 3 + 1 + 1);
        QVERIFY(QFile::rename(dir.filePath("kept.jsonl"), file + ".merging-crashed"));
        run();
        QCOMPARE(rawCount(path), 3 + 1 + 1 + 1);
        QCOMPARE(QDir(dir.path()).entryList({"*waiting*"}), QStringList());
        Reader reader(path);
        QStringList grosses;
        for (const CalcRecord &r : reader.store.records({1, 2, 3, 4}))
            grosses << r.inputs.value(1).text;
        QCOMPARE(grosses, QStringList({"0", "1", "2", ""}));
    }

    // SQLite finds a damaged page while the window lists the log: the window says so and
    // the file is set aside as the writer does, and a new log is shown.
    void damage_found_while_listing_sets_the_file_aside()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("log.sqlite");
        makeLog(path, 3000, 4);
        LoggingProgram program(path);
        auto *log = static_cast<LogWindow *>(program.show("LogWindow"));
        QTRY_COMPARE(log->model()->rowCount(), LogModel::kPageSize);
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            const qint64 size = file.size();
            QVERIFY(file.seek(size / 3 / 4096 * 4096));
            file.write(QByteArray(int(size / 3), char(0xab)));
        }
        control<QLineEdit>(log, "logSearch")->setText("no such text");
        QTRY_COMPARE(QDir(dir.path()).entryList({"log-damaged-*.sqlite"}).size(), 1);
        QTRY_VERIFY(control<QLabel>(log, "logNotice")->text().contains("damaged"));
        QVERIFY(control<QLabel>(log, "logNotice")->isVisibleTo(log));
        control<QLineEdit>(log, "logSearch")->clear();
        QTRY_COMPARE(log->model()->rowCount(), 0);
        QCOMPARE(Reader(path).store.integrityCheck(), QString("ok"));
    }

    void two_writers_lose_nothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("log.sqlite");
        QProcess a, b;
        a.start(LOG_WRITER_PROBE, {path, "300"});
        b.start(LOG_WRITER_PROBE, {path, "300"});
        QVERIFY(a.waitForFinished(120000) && b.waitForFinished(120000));
        QCOMPARE(a.exitCode(), 0);
        QCOMPARE(b.exitCode(), 0);
        QSet<qint64> ids;
        for (qint64 id : acknowledged(a.readAllStandardOutput()) + acknowledged(b.readAllStandardOutput()))
            ids.insert(id);
        QCOMPARE(ids.size(), 600);
        LogStore store("two-writers");
        QVERIFY(store.open(path, false).ok());
        QCOMPARE(store.count(), 600);
        QCOMPARE(store.integrityCheck(), QString("ok"));
    }

    void killing_a_writer_keeps_every_acknowledged_record()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("log.sqlite");
        QRandomGenerator random(20261207);
        qint64 total = 0;
        for (int round = 0; round < 20; ++round) {
            QProcess probe;
            probe.start(LOG_WRITER_PROBE, {path, "0"});
            QVERIFY(probe.waitForStarted());
            // Some records in, then killed at a random moment.
            const int wanted = 1 + random.bounded(40);
            QByteArray output;
            while (output.count('\n') < wanted && probe.waitForReadyRead(10000))
                output += probe.readAllStandardOutput();
            QTest::qSleep(random.bounded(5));
            probe.kill();
            QVERIFY(probe.waitForFinished(10000));
            output += probe.readAllStandardOutput();
            const QList<qint64> ids = acknowledged(output);
            QVERIFY(ids.size() >= wanted);
            total += ids.size();

            LogStore store(QString("after-kill-%1").arg(round));
            QVERIFY(store.open(path, false).ok());
            QCOMPARE(store.integrityCheck(), QString("ok"));
            QCOMPARE(store.records(ids).size(), ids.size());
            QVERIFY(store.count() >= total);
        }
    }
};

QTEST_MAIN(LogFileTest)
#include "log_file_test.moc"
