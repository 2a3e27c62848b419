// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation log, copy, print and PDF: what is kept of each calculation, exactly; the
// file's faults; two writers and killed writers.
#include "test_support.h"

#include "records/settings.h"
#include "shell/records_loader.h"

#include "records/calculation_print.h"
#include "records/log_store.h"
#include "records/log_window.h"
#include <QPushButton>

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSet>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextDocument>

#include <unistd.h>

using namespace dravex;
using namespace dravex::test;

namespace {

// A reader of the log file, as the log window opens it.
struct Reader
{
    LogStore store{QStringLiteral("test-reader-%1").arg(QRandomGenerator::global()->generate())};
    explicit Reader(const QString &path) { store.open(path, false); }
    CalcRecord newest() const
    {
        const QList<LogRow> rows = store.page({}, 0, 1);
        return rows.isEmpty() ? CalcRecord{} : store.records({rows.front().id}).value(0);
    }
};

// A program whose log is on and kept in dir.
struct LoggingProgram : Program
{
    explicit LoggingProgram(const QString &path)
    {
        records.log().setPath(path);
        records.log().setKeepingForSession(true);
    }
};

QStringList fieldLines(const QList<RecordField> &fields)
{
    QStringList lines;
    for (const RecordField &f : fields)
        lines << f.field + '=' + f.caption + '=' + f.text;
    return lines;
}

CalcRecord sample()
{
    CalcRecord r;
    r.at = QDateTime(QDate(2026, 12, 7), QTime(10, 11, 12), Qt::OffsetFromUTC, 3600);
    r.window = "Form5";
    r.title = "VOLUME CORRECTION (TABLE 6a)";
    r.inputs = {{"txtapi", "Gravity", "30, \"light\""}, {"txtgv", "Gross", "a\nb"}};
    r.results = {{"txtbbl", "Net", "9,800.5"}};
    r.working = {"VCF\t0.98", "<b>not bold</b>"};
    r.disclaimer = "Not responsible for errors as there are different tables and methods of calculations.";
    return r;
}

// A log of count entries written and closed, as an earlier run leaves it.
void makeLog(const QString &path, int count, int workingLines = 1)
{
    LogStore store(QStringLiteral("make-log-%1").arg(QRandomGenerator::global()->generate()));
    QVERIFY(store.open(path, true).ok());
    QList<CalcRecord> records;
    for (int i = 0; i < count; ++i) {
        CalcRecord r = sample();
        r.inputs[1].text = QString::number(1000 + i);
        for (int line = 1; line < workingLines; ++line)
            r.working << QString("step %1 of entry %2").arg(line).arg(i);
        records << r;
    }
    QVERIFY(store.insertMany(records));
}

// Runs sql on the file through a connection of its own.
void execute(const QString &path, const QStringList &sql)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "raw");
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery q(db);
        for (const QString &statement : sql)
            QVERIFY2(q.exec(statement), qPrintable(statement));
        db.close();
    }
    QSqlDatabase::removeDatabase("raw");
}

// The entries of a log file, counted without the program's checks.
qint64 rawCount(const QString &path)
{
    qint64 count = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "raw-count");
        db.setDatabaseName(path);
        QSqlQuery q(db);
        if (db.open() && q.exec("SELECT count(*) FROM entries") && q.next())
            count = q.value(0).toLongLong();
        db.close();
    }
    QSqlDatabase::removeDatabase("raw-count");
    return count;
}

// A folder that nobody, root included, can add a file to while it lives.
struct ReadOnlyFolder
{
    QString path;
    bool made = false;
    bool immutable = false;
    explicit ReadOnlyFolder(const QString &folder) : path(folder)
    {
        if (geteuid() == 0)
            immutable = QProcess::execute("chattr", {"+i", path}) == 0;
        else
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
        QFile probe(path + "/probe");
        made = !probe.open(QIODevice::WriteOnly);
    }
    ~ReadOnlyFolder()
    {
        if (immutable)
            QProcess::execute("chattr", {"-i", path});
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QList<qint64> acknowledged(const QByteArray &output)
{
    QList<qint64> ids;
    for (const QByteArray &line : output.split('\n'))
        if (!line.trimmed().isEmpty())
            ids << line.trimmed().toLongLong();
    return ids;
}

} // namespace

class RecordsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void keeps_each_completed_and_stopped_calculation_with_its_exact_texts()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("log.sqlite");
        LoggingProgram program(path);
        QWidget *w = program.show("Form5");
        fillAndEnter(w, {{"txtapi", "30"}, {"txtem", "80"}, {"txtgv", "10000"}});
        QVERIFY(program.records.log().waitWritten(10000));
        CalcRecord r = Reader(path).newest();
        QCOMPARE(r.window, QString("Form5"));
        QCOMPARE(r.title, w->windowTitle());
        QCOMPARE(fieldLines(r.inputs), QStringList({"txtem=Temperature to 0.5 Degrees F=80",
                                                    "txtapi=Gravity at 60 F (0.1)=30", "txtgv=Gross Barrels=10000"}));
        QStringList shown;
        for (const RecordField &f : r.results)
            shown << f.field + '=' + text(w, f.field.toLatin1().constData());
        QCOMPARE(fieldLines(r.results).size(), 5);
        for (int i = 0; i < shown.size(); ++i)
            QVERIFY(fieldLines(r.results)[i].startsWith(r.results[i].field + '=') &&
                    fieldLines(r.results)[i].endsWith('=' + shown[i].section('=', 1)));
        QCOMPARE(r.working, static_cast<Screen *>(w)->workingLines());
        QVERIFY(!r.stopped);
        QVERIFY(r.disclaimer.startsWith("Not responsible for errors"));
        QCOMPARE(qAbs(r.at.secsTo(QDateTime::currentDateTime())) < 60, true);
        QCOMPARE(r.at.offsetFromUtc(), QDateTime::currentDateTime().offsetFromUtc());

        // Stopped on a gross that is no number, with its notice; text stored as typed.
        fillAndEnter(w, {{"txtgv", "1'); DROP TABLE entries; --"}});
        QVERIFY(program.records.log().waitWritten(10000));
        r = Reader(path).newest();
        QVERIFY(r.stopped);
        QCOMPARE(withStaleResults(r.notice), static_cast<Screen *>(w)->notice());
        QCOMPARE(r.inputs.back().text, QString("1'); DROP TABLE entries; --"));

        // The desk calculator keeps each "=" with its operation.
        QWidget *calc = program.show("Form14");
        const std::pair<const char *, int> keys[] = {
            {"Number", 1}, {"Number", 2}, {"Operator", 1}, {"Number", 3}, {"Operator", 4}};
        for (const auto &[name, index] : keys)
            for (QPushButton *key : calc->findChildren<QPushButton *>(name))
                if (key->property("index").toInt() == index)
                    key->click();
        QCoreApplication::processEvents();
        QVERIFY(program.records.log().waitWritten(10000));
        r = Reader(path).newest();
        QCOMPARE(fieldLines(r.inputs),
                 QStringList({"operand1=First number=12.", "operator=Operation=+", "operand2=Second number=3."}));
        QCOMPARE(fieldLines(r.results), QStringList({"Readout=Result=15"}));

        // A burst of Enters loses none.
        Reader reader(path);
        const qint64 before = reader.store.count();
        for (int i = 0; i < 1000; ++i)
            enter(w, "txtgv");
        QVERIFY(program.records.log().waitWritten(60000));
        QCOMPARE(reader.store.count(), before + 1000);
    }

    void copies_the_calculation_as_caption_tab_text_lines()
    {
        QTemporaryDir dir;
        LoggingProgram program(dir.filePath("log.sqlite"));
        program.records.log().setKeepingForSession(false);
        QWidget *w = program.show("Form21");
        fillAndEnter(w, {{"txtapi", "50"}, {"txtem", "80"}, {"txtgv", "10000"}});
        control<QAction>(w, "copyCalculation")->trigger();
        const QStringList lines = QApplication::clipboard()->text().split('\n');
        QCOMPARE(lines.value(0), w->windowTitle());
        QVERIFY(lines.value(1).contains(
            QRegularExpression("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d [+-]\\d\\d:\\d\\d$")));
        QVERIFY(lines.contains("Gross Barrels\t10000"));
        QVERIFY(lines.contains("Your Net Barrels at 60 Deg F Are\t" + text(w, "txtbbl")));
        const QStringList working = static_cast<Screen *>(w)->workingLines();
        QCOMPARE(lines.mid(lines.indexOf("Working") + 1, working.size()), working);
        // Keyboard and context menu reach it.
        QCOMPARE(control<QAction>(w, "copyCalculation")->shortcut(), QKeySequence("Ctrl+Shift+C"));
        QCOMPARE(control<QAction>(w, "printCalculation")->shortcut(), QKeySequence("Ctrl+P"));
        QCOMPARE(w->contextMenuPolicy(), Qt::ActionsContextMenu);
    }

    void exports_tables_with_rfc4180_quoting()
    {
        const RecordTable table = TabulateRecords({sample()});
        const QByteArray csv = CsvText(table);
        QCOMPARE(csv, QByteArray("Date and time,Window,Title,Stopped,Notice,Out of range,Gravity,Gross,Net,Working\r\n"
                                 "2026-12-07 10:11:12 +01:00,Form5,VOLUME CORRECTION (TABLE 6a),no,,no,"
                                 "\"30, \"\"light\"\"\",\"a\nb\",\"9,800.5\",\"VCF\t0.98\n<b>not bold</b>\"\r\n"));
        const QStringList tsv = TsvText(table).split('\n');
        QCOMPARE(tsv.value(1).split('\t').mid(6),
                 QStringList({"30, \"light\"", "a b", "9,800.5", "VCF 0.98 <b>not bold</b>"}));
    }

    void prints_a_pdf_with_inputs_results_working_and_pages()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir dir;
        LoggingProgram program(dir.filePath("log.sqlite"));
        QWidget *w = program.show("Form5");
        fillAndEnter(w, {{"txtapi", "30"}, {"txtem", "80"}, {"txtgv", "10000"}});
        program.dialogs->fileName = dir.filePath("calc.pdf");
        program.dialogs->reference = "MV <Example> tank 3";
        control<QAction>(w, "exportPdfCalculation")->trigger();
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", dir.filePath("calc.pdf"), "-"});
        QVERIFY(pdftotext.waitForFinished(20000));
        const QString out = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
        for (const QString &expected :
             {QString("Dravex"), w->windowTitle(), QString("MV <Example> tank 3"), QString("Gross Barrels 10000"),
              QString("Volume Correction Factor ") + text(w, "txtvcf"), text(w, "txtbbl"), QString("Working"),
              static_cast<Screen *>(w)->workingLines().last().simplified(), QString("Not responsible for errors"),
              QString("page 1 of 1")})
            QVERIFY2(out.contains(expected), qPrintable(expected + " not in: " + out));

        // A long working runs onto more pages, each numbered.
        QList<CalcRecord> many{sample(), sample()};
        for (int i = 0; i < 200; ++i)
            many[1].working << QString("step %1").arg(i);
        QVERIFY(WritePdf(dir.filePath("many.pdf"), many, QString()));
        pdftotext.start("pdftotext", {dir.filePath("many.pdf"), "-"});
        QVERIFY(pdftotext.waitForFinished(20000));
        const QString pages = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QVERIFY(pages.contains("<b>not bold</b>"));
        QVERIFY(pages.contains("step 199"));
        const QRegularExpression pageLine("page (\\d+) of (\\d+)");
        QStringList numbers;
        for (auto m = pageLine.globalMatch(pages); m.hasNext();) {
            const auto match = m.next();
            numbers << match.captured(1) + '/' + match.captured(2);
        }
        QStringList expected;
        for (int i = 1; i <= numbers.size(); ++i)
            expected << QString("%1/%2").arg(i).arg(numbers.size());
        QVERIFY(numbers.size() >= 3);
        QCOMPARE(numbers, expected);
    }

    void opens_an_entry_in_its_window_without_computing()
    {
        QTemporaryDir dir;
        LoggingProgram program(dir.filePath("log.sqlite"));
        QWidget *w = program.show("Form5");
        fillAndEnter(w, {{"txtapi", "31.5"}, {"txtem", "75"}, {"txtgv", "2500"}});
        fillAndEnter(w, {{"txtgv", "x"}});
        QVERIFY(program.records.log().waitWritten(10000));
        w->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        auto *log = static_cast<LogWindow *>(program.show("LogWindow"));
        QTRY_COMPARE(log->model()->rowCount(), 2);
        auto *table = control<QTableView>(log, "logTable");
        table->selectRow(1); // the older, completed one
        control<QAction>(log, "logOpen")->trigger();
        w = program.registry.window("Form5");
        QVERIFY(w);
        QCOMPARE(text(w, "txtapi"), QString("31.5"));
        QCOMPARE(text(w, "txtem"), QString("75"));
        QCOMPARE(text(w, "txtgv"), QString("2500"));
        QCOMPARE(text(w, "txtbbl"), QString());
        QCOMPARE(w->focusWidget()->objectName(), QString("txtgv"));

        // Filters: by text and by window; delete asks first.
        control(log, "logSearch")->setText("2500");
        QCOMPARE(log->model()->rowCount(), 1);
        control(log, "logSearch")->setText("no such text");
        QCOMPARE(log->model()->rowCount(), 0);
        control(log, "logSearch")->clear();
        QCOMPARE(log->model()->rowCount(), 2);
        table->selectRow(0);
        control<QAction>(log, "logDelete")->trigger();
        QCOMPARE(log->model()->rowCount(), 2);
        program.dialogs->confirmAnswer = true;
        table->selectRow(0);
        control<QAction>(log, "logDelete")->trigger();
        QCOMPARE(log->model()->rowCount(), 1);
    }

    void a_log_that_cannot_be_written_never_stops_calculating()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath("not-a-folder"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        LoggingProgram program(dir.filePath("not-a-folder/log.sqlite"));
        QWidget *w = program.show("Form5");
        fillAndEnter(w, {{"txtapi", "30"}, {"txtem", "80"}, {"txtgv", "10000"}});
        QVERIFY(!text(w, "txtbbl").isEmpty());
        QTRY_VERIFY(program.records.log().problem().contains("not-a-folder"));
        // Open windows and windows opened later say so in one line under their notice.
        const QString line = "The calculation log is not being written: " + program.records.log().problem();
        QVERIFY(control<QLabel>(w, "notice")->text().endsWith(line));
        QVERIFY(control<QLabel>(program.show("Form3"), "notice")->text().endsWith(line));
        QVERIFY(!text(w, "txtbbl").isEmpty());
        QWidget *log = program.show("LogWindow");
        QCOMPARE(control<QLabel>(log, "logNotice")->text(), program.records.log().problem());
        QVERIFY(control<QLabel>(log, "logNotice")->isVisibleTo(log));
    }

    void the_records_module_loads_and_a_missing_one_never_stops_calculating()
    {
        QString problem;
        auto *loaded = LoadRecordsModule(DRAVEX_RECORDS_MODULE_FILE, problem);
        QVERIFY2(loaded, qPrintable(problem));
        QVERIFY(dynamic_cast<Records *>(loaded));

        Program program;
        program.registry.setRecords(nullptr);
        const QString missing = QDir::temp().filePath("no-such-folder/dravex-records.so");
        program.registry.setRecordsLoader([&missing](QString &why) { return LoadRecordsModule(missing, why); });
        QWidget *w = program.show("Form5");
        fillAndEnter(w, {{"txtapi", "30"}, {"txtem", "80"}, {"txtgv", "10000"}});
        QCOMPARE(text(w, "txtbbl"), QString("9911"));
        QTRY_VERIFY(control<QLabel>(w, "notice")->text().contains(missing));
        QVERIFY(control<QLabel>(w, "notice")->text().startsWith("The calculation log is not being written: "));
        control<QAction>(w, "copyCalculation")->trigger();
        QVERIFY(!program.show("LogWindow"));
        QVERIFY(!program.show("CargoReport"));
        QCOMPARE(program.warnings.size(), 2);
        QVERIFY(program.warnings.front().contains(missing));
    }

    // The program loads its records after the first paint and ends with a quit: every
    // calculation is in the log afterwards, and the program ends cleanly.
    void the_program_writes_every_calculation_before_it_ends()
    {
        QTemporaryDir home;
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", home.filePath("data"));
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(env);
        program.start(PROGRAM_PROBE, {DRAVEX_RECORDS_MODULE_FILE, "300"});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        LogStore store("after-the-program");
        QVERIFY(store.open(home.filePath("data/Dravex/calculations.sqlite"), false).ok());
        QCOMPARE(store.count(), 300);
        QCOMPARE(store.integrityCheck(), QString("ok"));
    }

    void keep_a_log_is_remembered_in_the_programs_own_settings_file()
    {
        Program program;
        QWidget *main = program.show("Form1");
        auto *keep = control<QAction>(main, "keeplog1");
        QVERIFY(keep->isEnabled());
        const bool was = keep->isChecked();
        keep->trigger();
        QCOMPARE(Records().keeping(), !was);
        keep->trigger();
        QCOMPARE(Records().keeping(), was);
        const QString file = Settings().fileName();
        QVERIFY2(file.endsWith("/Dravex.conf") && !file.contains("Unknown"), qPrintable(file));
        QVERIFY(QFile::exists(file));
    }

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

    // Opening an entry puts back its inputs and its choices, and nothing of the window's
    // own last calculation stays beside them: no result, no notice, nothing to copy.
    void an_entry_opened_in_its_window_brings_back_its_choices_and_nothing_else()
    {
        struct Case
        {
            const char *window;
            std::vector<std::pair<const char *, QString>> entries; // Enter in the last
            QStringList chosen;                                    // before the first run
            QStringList chosenLater;                               // before the second
            const char *result;                                    // a result field
            QStringList kept;                                      // the choices as copied
        };
        const Case cases[] = {
            {"Vcf2004",
             {{"txtdensity", "30"}, {"txttemp", "80"}, {"txtgross", "1000"}},
             {"optCrude", "optApi", "optObserved", "optBase60F", "optF", "optPsig"},
             {"optProducts", "optRd", "optAtBase", "optBase15C", "optC", "optKpa"},
             "txtnet",
             {"Commodity group\tCrude oil", "Density kind\tAPI", "Density is\tObserved at the temperature and pressure",
              "Base\t60 F", "Temperature unit\tF", "Pressure unit\tpsig"}},
            {"Form12",
             {{"txtqpt", "1000"}, {"txtscg", ".95"}},
             {"List1=HITEC 580", "Option2"},
             {"List1=TOLAD 245", "Option3"},
             "txtami",
             {"Product\tHITEC 580", "Unit\tGallons"}},
        };
        auto choose = [](QWidget *w, const QStringList &choices) {
            for (const QString &choice : choices) {
                if (choice.contains('=')) {
                    auto *list = control<QListWidget>(w, qPrintable(choice.section('=', 0, 0)));
                    list->setCurrentItem(list->findItems(choice.section('=', 1), Qt::MatchExactly).value(0));
                } else {
                    control<QRadioButton>(w, qPrintable(choice))->setChecked(true);
                }
            }
        };
        auto isChosen = [](QWidget *w, const QString &choice) {
            if (choice.contains('='))
                return control<QListWidget>(w, qPrintable(choice.section('=', 0, 0)))->currentItem()->text() ==
                       choice.section('=', 1);
            return control<QRadioButton>(w, qPrintable(choice))->isChecked();
        };
        for (const Case &c : cases) {
            QTemporaryDir dir;
            LoggingProgram program(dir.filePath("log.sqlite"));
            QWidget *w = program.show(c.window);
            choose(w, c.chosen);
            fillAndEnter(w, c.entries);
            QVERIFY2(!text(w, c.result).isEmpty(), c.window);
            QVERIFY(program.records.log().waitWritten(10000));
            const CalcRecord first = Reader(dir.filePath("log.sqlite")).newest();
            // Copied and printed with the choices.
            const QStringList copied = CopyText(first).split('\n');
            for (const QString &line : c.kept)
                QVERIFY2(copied.contains(line), qPrintable(line + " not in:\n" + copied.join('\n')));
            QTextDocument printed;
            printed.setHtml(RecordsHtml({first}, QString()));
            for (const QString &line : c.kept)
                QVERIFY2(printed.toPlainText().contains(line.section('\t', 1)), qPrintable(line));

            choose(w, c.chosenLater);
            fillAndEnter(w, {c.entries.back()});
            QVERIFY(program.records.log().waitWritten(10000));
            auto *log = static_cast<LogWindow *>(program.show("LogWindow"));
            QTRY_COMPARE(log->model()->rowCount(), 2);
            control<QTableView>(log, "logTable")->selectRow(1);
            control<QAction>(log, "logOpen")->trigger();
            QCOMPARE(program.registry.window(c.window), w);
            for (const QString &choice : c.chosen)
                QVERIFY2(isChosen(w, choice), qPrintable(QString(c.window) + ' ' + choice));
            for (const auto &[name, value] : c.entries)
                QCOMPARE(text(w, name), value);
            QCOMPARE(text(w, c.result), QString());
            QCOMPARE(noticeText(w), QString());
            QApplication::clipboard()->setText("before");
            control<QAction>(w, "copyCalculation")->trigger();
            QCOMPARE(QApplication::clipboard()->text(), QString("before"));
            Program::closeAll();
        }
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

    // However many entries are selected, the pane shows the current one; actions take them all.
    void the_detail_shows_the_current_entry_and_actions_take_the_selection()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("log.sqlite");
        makeLog(path, 3);
        LoggingProgram program(path);
        auto *log = static_cast<LogWindow *>(program.show("LogWindow"));
        QTRY_COMPARE(log->model()->rowCount(), 3);
        auto *table = control<QTableView>(log, "logTable");
        table->selectRow(1);
        table->selectAll();
        const QString detail = control<QPlainTextEdit>(log, "logDetail")->toPlainText();
        QCOMPARE(detail.count("VOLUME CORRECTION (TABLE 6a)"), 1);
        QVERIFY(detail.contains("Gross\t1001"));
        control<QAction>(log, "logCopy")->trigger();
        const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines.value(1).split('\t').value(7), QString("1000"));
        QCOMPARE(lines.value(3).split('\t').value(7), QString("1002"));
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

QTEST_MAIN(RecordsTest)
#include "records_test.moc"
