// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation log, copy, print and PDF: what is kept of each calculation, exactly, and
// what the log window and Open in its window do with it.
#include "log_test_support.h"

#include "records/settings.h"
#include "shell/records_loader.h"

#include "records/calculation_print.h"
#include "records/log/log_store.h"
#include "records/log/log_window.h"
#include <QPushButton>

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
        QCOMPARE(csv, QByteArray("Date and time,Window,Table,Stopped,Notice,Out of range,Gravity,Gross,Net,Working\r\n"
                                 "2026-12-07 10:11:12 +01:00,VOLUME CORRECTION (TABLE 6a),6A,no,,no,"
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
        program.prompts.fileName = dir.filePath("calc.pdf");
        program.prompts.reference = "MV <Example> tank 3";
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

    // Every page of a printout carries the frame: the program, the time of printing, the
    // job, the reference line and "page n of m"; paper by the locale's country.
    void every_page_carries_the_frame_on_the_locales_paper()
    {
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        PageFrame frame("Calculation log", "MV Example, tank 3", QDateTime(QDate(2026, 12, 7), QTime(10, 11)));
        const QList<CalcRecord> three{sample(), sample(), sample()};
        QVERIFY(WritePdf(pdf, three.size(), StreamOf(three), frame));
        QCOMPARE(frame.painted().size(), std::size_t(3));
        for (int page = 1; page <= 3; ++page) {
            const QStringList texts = frame.painted()[page - 1];
            QCOMPARE(texts.mid(1), QStringList({"2026-12-07 10:11", "Calculation log", "Reference: MV Example, tank 3",
                                                QString("page %1 of 3").arg(page)}));
            QVERIFY(texts.front().startsWith("Dravex "));
        }
        QCOMPARE(pdf.data().count("/Type /Page\n") + pdf.data().count("/Type /Page\r"), 3);

        const std::pair<const char *, QPageSize::PageSizeId> papers[] = {
            {"en_US", QPageSize::Letter}, {"fr_CA", QPageSize::Letter}, {"es_MX", QPageSize::Letter},
            {"en_GB", QPageSize::A4},     {"de_DE", QPageSize::A4},     {"C", QPageSize::A4}};
        for (const auto &[locale, paper] : papers)
            QVERIFY2(LocalePageSize(QLocale(locale)).id() == paper, locale);
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
        program.prompts.confirmAnswer = true;
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
        QCOMPARE(program.prompts.warnings.size(), 2);
        QVERIFY(program.prompts.warnings.front().contains(missing));
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
            printed.setHtml(RecordsHtml({first}));
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

    // 50 entries selected: copy, CSV and PDF go twice through them (100 steps); cancelled
    // half way, the clipboard keeps what it had and no file is made.
    void actions_on_a_selection_show_progress_and_cancel_leaves_nothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("log.sqlite");
        makeLog(path, 50);
        LoggingProgram program(path);
        ScriptedPrompts *dialogs = &program.prompts;
        auto *log = static_cast<LogWindow *>(program.show("LogWindow"));
        QTRY_COMPARE(log->model()->rowCount(), 50);
        auto *table = control<QTableView>(log, "logTable");

        // Nothing selected: print and export say so.
        table->clearSelection();
        for (const char *action : {"logPrint", "logExportPdf", "logExportCsv"})
            control<QAction>(log, action)->trigger();
        QCOMPARE(dialogs->warnings.size(), 3);
        for (const QString &warning : dialogs->warnings)
            QVERIFY2(warning.contains("No calculation is selected"), qPrintable(warning));

        table->selectAll();
        QApplication::clipboard()->setText("kept");
        dialogs->cancelAt = 60;
        control<QAction>(log, "logCopy")->trigger();
        QCOMPARE(dialogs->lastTotal, 100);
        QCOMPARE(dialogs->lastStep, 60);
        QCOMPARE(QApplication::clipboard()->text(), QString("kept"));

        dialogs->fileName = dir.filePath("cancelled.csv");
        control<QAction>(log, "logExportCsv")->trigger();
        QCOMPARE(dialogs->lastStep, 60);
        dialogs->fileName = dir.filePath("cancelled.pdf");
        control<QAction>(log, "logExportPdf")->trigger();
        QCOMPARE(dialogs->lastTotal, 100);
        QCOMPARE(dialogs->lastStep, 60);
        QCOMPARE(QDir(dir.path()).entryList({"cancelled*"}, QDir::Files | QDir::Hidden), QStringList());

        dialogs->cancelAt = 0;
        control<QAction>(log, "logCopy")->trigger();
        QCOMPARE(dialogs->lastStep, 100);
        QCOMPARE(QApplication::clipboard()->text().count('\n'), 51);
        dialogs->fileName = dir.filePath("all.pdf");
        control<QAction>(log, "logExportPdf")->trigger();
        QCOMPARE(dialogs->lastStep, 100);
        QVERIFY(QFileInfo(dir.filePath("all.pdf")).size() > 0);
        QCOMPARE(dialogs->warnings.size(), 3);

        // A cancelled delete deletes nothing.
        dialogs->confirmAnswer = true;
        dialogs->cancelAt = 30;
        control<QAction>(log, "logDelete")->trigger();
        QCOMPARE(dialogs->lastTotal, 50);
        QCOMPARE(rawCount(path), 50);
        QCOMPARE(log->model()->rowCount(), 50);
    }

    // An export or a print to a file that cannot be written says so, with the file and
    // the system's reason, and leaves what was there.
    void a_file_that_cannot_be_written_is_reported_and_the_old_one_kept()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("log.sqlite");
        makeLog(path, 2);
        LoggingProgram program(path);
        ScriptedPrompts *dialogs = &program.prompts;
        auto *log = static_cast<LogWindow *>(program.show("LogWindow"));
        QTRY_COMPARE(log->model()->rowCount(), 2);
        control<QTableView>(log, "logTable")->selectAll();

        QFile plain(dir.filePath("plain"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        QDir().mkpath(dir.filePath("locked"));
        for (const char *name : {"locked/kept.csv", "locked/kept.pdf"}) {
            QFile old(dir.filePath(name));
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        }
        ReadOnlyFolder locked(dir.filePath("locked"));
        QVERIFY(locked.made);

        const struct
        {
            const char *action;
            const char *file;
            const char *caption;
        } cases[] = {
            {"logExportCsv", "plain/out.csv", "Export CSV"},
            {"logExportPdf", "plain/out.pdf", "Export PDF"},
            {"logPrint", "plain/out.pdf", "Print"},
            {"logExportCsv", "locked/kept.csv", "Export CSV"},
            {"logExportPdf", "locked/kept.pdf", "Export PDF"},
            {"logPrint", "locked/kept.pdf", "Print"},
        };
        for (const auto &c : cases) {
            const QString file = dir.filePath(c.file);
            dialogs->warnings.clear();
            dialogs->fileName = QString(c.action) == "logPrint" ? QString() : file;
            dialogs->printFile = QString(c.action) == "logPrint" ? file : QString();
            control<QAction>(log, c.action)->trigger();
            QCOMPARE(dialogs->warnings.size(), 1);
            const QString warning = dialogs->warnings.front();
            QVERIFY2(warning.startsWith(QString(c.caption) + '|') && warning.contains(QDir::toNativeSeparators(file)) &&
                         !warning.endsWith(": "),
                     qPrintable(warning));
        }
        for (const char *name : {"locked/kept.csv", "locked/kept.pdf"}) {
            QFile old(dir.filePath(name));
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), QByteArray("old"));
        }
        QCOMPARE(QDir(dir.filePath("locked")).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"kept.csv", "kept.pdf"}));
    }

    // A new entry comes in above a selection, which stays; the columns name the table.
    void the_list_refreshes_around_a_selection_and_names_the_table()
    {
        const std::pair<const char *, const char *> titles[] = {
            {"VOLUME CORRECTION (TABLE 6a)", "6A"},
            {"VOLUME CORRECTION (TABLE 6b)", "6B"},
            {"GRAVITY CORRECTION (TABLE 53b)", "53B"},
            {"VOLUME CORRECTION (2004 EDITION)", "2004"},
            {"WEDGE CALCULATIONS", ""},
        };
        for (const auto &[title, table] : titles)
            QCOMPARE(TableOf(title), QString(table));

        QTemporaryDir dir;
        const QString path = dir.filePath("log.sqlite");
        makeLog(path, 3);
        LoggingProgram program(path);
        auto *log = static_cast<LogWindow *>(program.show("LogWindow"));
        QTRY_COMPARE(log->model()->rowCount(), 3);
        QCOMPARE(log->model()->index(0, LogModel::Table).data().toString(), QString("6A"));
        auto *table = control<QTableView>(log, "logTable");
        table->selectRow(1);
        const QList<qint64> selected = log->selectedIds();
        QCOMPARE(selected, QList<qint64>{2});
        QWidget *w = program.show("Form21");
        fillAndEnter(w, {{"txtapi", "50"}, {"txtem", "80"}, {"txtgv", "10000"}});
        QVERIFY(program.records.log().waitWritten(10000));
        QTRY_COMPARE(log->model()->rowCount(), 4);
        QCOMPARE(log->selectedIds(), selected);
        QCOMPARE(table->selectionModel()->currentIndex().row(), 2);
        QCOMPARE(log->model()->index(0, LogModel::Window).data().toString(), w->windowTitle());
        QCOMPARE(log->model()->index(0, LogModel::Table).data().toString(), QString("6B"));
        // No internal name in the list, the detail or a copy.
        table->selectRow(0);
        control<QAction>(log, "logCopy")->trigger();
        const QString copied = QApplication::clipboard()->text();
        const QString detail = control<QPlainTextEdit>(log, "logDetail")->toPlainText();
        for (const QString &shown : {copied, detail, log->model()->index(0, LogModel::Summary).data().toString()})
            for (const char *internal : {"Form21", "txtapi", "txtgv"})
                QVERIFY2(!shown.contains(internal), qPrintable(internal + (" in: " + shown)));
    }
};

QTEST_MAIN(RecordsTest)
#include "records_test.moc"
