// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_support.h"

#include "records/autosave.h"
#include "records/document_manager.h"
#include "records/report/cargo_report_document.h"
#include "records/report/cargo_report_model.h"
#include "records/report/cargo_report_window.h"
#include "records/report/figure_delegate.h"
#include "records/report/report_file.h"
#include "records/settings.h"
#include "screens/screen.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <deque>

using namespace dravex;
using namespace dravex::test;

namespace {

// The worked five-tank reports of the core test, as a block pasted from a spreadsheet.
const char *const kUsTanks = "1P\tArab Light\tA\t10050\t50\t80\t30\t\t\n"
                             "1S\tArab Light\tA\t10000\t\t80\t\t30.0\t60\n"
                             "2C\tArab Light\tA\tabc\t\t80\t30\t\t\n"
                             "3P\tGasoline\tB\t10,000\t\t80\t50\t\t\n"
                             "3S\tGasoline\tB\t5000\t0\t80\t50\t\t\n";
const char *const kMetricTanks = "T1\tCrude\tA\t10.05\t0.05\t25\t850\t\t\n"
                                 "T2\tCrude\tA\t10\t\t25\t\t850.0\t15\n"
                                 "T3\tCrude\tA\t20\t25\t25\t850\t\t\n"
                                 "T4\tNaphtha\tB\t10\t\t25\t780\t\t\n"
                                 "T5\tNaphtha\tB\t5\t\t25\t780\t\t\n";

QString cell(CargoReportModel *m, int row, int column)
{
    return m->index(row, column).data().toString();
}

QString figure(CargoReportModel *m, int row, ResultColumn c)
{
    return cell(m, row, CargoReportModel::kFirstResultColumn + static_cast<int>(c));
}

QTableView *tankTable(QWidget *w)
{
    return control<QTableView>(w, "tanks");
}

// Keys as a user presses them, each to whatever has the focus (the table or its editor).
void press(const QString &keys)
{
    for (const QChar c : keys) {
        QWidget *target = QApplication::focusWidget();
        QVERIFY(target);
        if (c == QLatin1Char('\t'))
            QTest::keyClick(target, Qt::Key_Tab);
        else if (c == QLatin1Char('\n'))
            QTest::keyClick(target, Qt::Key_Return);
        else
            QTest::keyClicks(target, QString(c));
        // The item delegate commits an edit ended by Enter through a queued call.
        QCoreApplication::processEvents();
    }
}

void pressKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
}

CargoReportWindow *showReport(Prompts &prompts)
{
    auto *w = new CargoReportWindow(prompts);
    w->show();
    QApplication::setActiveWindow(w);
    tankTable(w)->setFocus();
    return w;
}

void pasteBlock(CargoReportWindow *w, const QString &tsv, int row = 0, int column = 0)
{
    QApplication::clipboard()->setText(tsv);
    QApplication::setActiveWindow(w);
    tankTable(w)->setFocus();
    tankTable(w)->setCurrentIndex(w->model()->index(row, column));
    pressKey(Qt::Key_V, Qt::ControlModifier);
}

} // namespace

class CargoReportTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QDir(Autosave::directory()).removeRecursively();
    }

    void cleanup() { Program::closeAll(); }

    void each_row_equals_its_table_window_data()
    {
        QTest::addColumn<int>("units");
        QTest::addColumn<QString>("tanks");
        QTest::newRow("US") << 0 << QString::fromLatin1(kUsTanks);
        QTest::newRow("metric") << 1 << QString::fromLatin1(kMetricTanks);
    }

    // Every figure of a row is what the table window shows when its texts are typed into it.
    void each_row_equals_its_table_window()
    {
        QFETCH(int, units);
        QFETCH(QString, tanks);
        Program program;
        ScriptedPrompts prompts;
        CargoReportWindow *w = showReport(prompts);
        auto *unitBox = control<QComboBox>(w, "units");
        unitBox->setCurrentIndex(units);
        emit unitBox->activated(units);
        pasteBlock(w, tanks);
        CargoReportModel *m = w->model();
        QCOMPARE(m->result().rows.size(), std::size_t(5));
        int compared = 0;
        for (int row = 0; row < 5; ++row) {
            const RowResult &result = m->result().rows[row];
            const RowTrace &r = result.trace();
            if (result.stopped) {
                QVERIFY(!result.notice.empty());
                QCOMPARE(figure(m, row, ResultColumn::Vcf), QString());
                continue;
            }
            if (r.gravity) {
                QWidget *g = program.show(QString::fromLatin1(r.gravityForm->name.data(), r.gravityForm->name.size()));
                fillAndEnter(g, {{"txtobg", QString::fromStdString(r.gravityInputs.at("txtobg"))},
                                 {"txtobt", QString::fromStdString(r.gravityInputs.at("txtobt"))}});
                QCOMPARE(figure(m, row, ResultColumn::GravityUsed), text(g, "txtcg"));
            }
            QWidget *v = program.show(QString::fromLatin1(r.volumeForm->name.data(), r.volumeForm->name.size()));
            fillAndEnter(v, {{"txtapi", QString::fromStdString(r.volumeInputs.at("txtapi"))},
                             {"txtem", QString::fromStdString(r.volumeInputs.at("txtem"))},
                             {"txtgv", QString::fromStdString(r.volumeInputs.at("txtgv"))}});
            QCOMPARE(figure(m, row, ResultColumn::Vcf), text(v, "txtvcf"));
            QCOMPARE(figure(m, row, ResultColumn::GrossStandard), text(v, units == 0 ? "txtbbl" : "txtcm"));
            QCOMPARE(figure(m, row, ResultColumn::LongTonFactor), text(v, "txtlf"));
            QCOMPARE(figure(m, row, ResultColumn::LongTons), text(v, "txtltn"));
            // The working panel of the tank holds the window's working lines in order.
            const QStringList windowLines = static_cast<Screen *>(v)->workingLines();
            QStringList rowLines;
            for (const std::string &l : r.working)
                rowLines << QString::fromStdString(l);
            QVERIFY(!windowLines.isEmpty());
            QVERIFY(rowLines.join('\n').contains(windowLines.join('\n')));
            ++compared;
        }
        QCOMPARE(compared, 4);
    }

    // Under a decimal-comma locale a cell like "12.500" says how it was read; a tank a
    // window computed beyond its printed table shows the window's notice in its row and
    // is named under the totals.
    void says_how_cells_were_read_and_what_the_windows_said()
    {
        Program program;
        ScriptedPrompts prompts;
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        CargoReportWindow *w = showReport(prompts);
        pasteBlock(w, QStringLiteral("1P\tG\tA\t12.500\t\t60\t30\t\t\n"
                                     "2P\tG\tA\t1,000\t\t400\t30\t\t\n"
                                     "3P\tG\tA\t1000\t\t60\t30\t\t\n"));
        CargoReportModel *m = w->model();
        const int total = static_cast<int>(TankColumn::TotalObserved);
        const int notice = CargoReportModel::kNoticeColumn;
        QCOMPARE(m->index(0, total).data(Qt::ToolTipRole).toString(),
                 QString("12.500 was read as 12.5 (the decimal separator is a point)"));
        QCOMPARE(cell(m, 0, notice), QString("12.500 was read as 12.5 (the decimal separator is a point)"));
        QCOMPARE(m->index(1, total).data(Qt::ToolTipRole).toString(),
                 QString("1,000 was read as 1000 (a comma separates thousands; the decimal separator is a point)"));
        QVERIFY(cell(m, 1, notice).startsWith("Temperature 400 F is beyond the printed Table 6A"));
        QVERIFY(cell(m, 1, notice).contains("; 1,000 was read as 1000"));
        QCOMPARE(cell(m, 2, notice), QString());
        QCOMPARE(figure(m, 1, ResultColumn::GrossObserved), QString("1000"));
        auto *totals = control<QTableWidget>(w, "totals");
        QCOMPARE(totals->item(1, 7)->text(), QString("counted with a notice: 2P"));
        QCOMPARE(totals->item(1, 1)->text(), QString("3"));

        // A locale with a decimal point reads the same texts without a word.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(m->index(0, total).data(Qt::ToolTipRole), QVariant());
        QCOMPARE(cell(m, 0, notice), QString());
        QLocale::setDefault(before);
    }

    void edits_like_a_spreadsheet_and_undoes_every_edit()
    {
        ScriptedPrompts prompts;
        CargoReportWindow *w = showReport(prompts);
        CargoReportModel *m = w->model();
        QTableView *view = tankTable(w);
        QVERIFY(!w->isWindowModified());

        // Tab moves across, Enter ends the row's last edit and moves down.
        view->setCurrentIndex(m->index(0, 0));
        press("1P\tArab\tA\t10000\t\t80\t30\n");
        QCOMPARE(cell(m, 0, 0), "1P");
        QCOMPARE(cell(m, 0, int(TankColumn::Gravity)), "30");
        QCOMPARE(figure(m, 0, ResultColumn::GrossStandard), "9911");
        QCOMPARE(view->currentIndex().row(), 1);
        QVERIFY(w->isWindowModified());
        QVERIFY(w->windowTitle().contains("Untitled"));

        // Copy a block, paste it a row down: one step; Del clears a selection.
        view->setCurrentIndex(m->index(0, 0));
        view->selectionModel()->select(QItemSelection(m->index(0, 0), m->index(0, 6)), QItemSelectionModel::Select);
        pressKey(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), "1P\tArab\tA\t10000\t\t80\t30\n");
        view->clearSelection();
        view->setCurrentIndex(m->index(1, 0));
        pressKey(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(m->report().rows.size(), std::size_t(2));
        QCOMPARE(m->result().overall.grossStandard, "19822");
        view->selectionModel()->select(QItemSelection(m->index(1, 3), m->index(1, 3)),
                                       QItemSelectionModel::ClearAndSelect);
        view->setCurrentIndex(m->index(1, 3));
        pressKey(Qt::Key_Delete);
        QCOMPARE(cell(m, 1, 3), "");
        QCOMPARE(m->result().overall.stoppedTanks, std::vector<std::string>{"1P"});

        // Undo walks back through the clear, the paste and every typed cell; redo returns.
        pressKey(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(cell(m, 1, 3), "10000");
        pressKey(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m->report().rows.size(), std::size_t(1));
        for (int i = 0; i < 6; ++i)
            pressKey(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(m->report().rows.empty());
        QVERIFY(!w->isWindowModified());
        for (int i = 0; i < 8; ++i)
            pressKey(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(cell(m, 1, 3), "");
        QCOMPARE(cell(m, 1, 6), "30");

        // A tank inserted above and the tanks deleted come back whole with undo.
        const CargoReport two = m->report();
        view->setCurrentIndex(m->index(0, 2));
        pressKey(Qt::Key_Insert, Qt::ControlModifier);
        QCOMPARE(m->report().rows.size(), std::size_t(3));
        QCOMPARE(cell(m, 1, 0), "1P");
        view->selectionModel()->select(QItemSelection(m->index(0, 0), m->index(2, 0)),
                                       QItemSelectionModel::ClearAndSelect);
        pressKey(Qt::Key_Delete, Qt::ControlModifier);
        QVERIFY(m->report().rows.empty());
        pressKey(Qt::Key_Z, Qt::ControlModifier);
        pressKey(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m->report(), two);

        // A header field's typing is one step.
        auto *vessel = control(w, "vessel");
        vessel->setFocus();
        QTest::keyClicks(vessel, "MT Star");
        QCOMPARE(m->report().header.vessel, "MT Star");
        view->setFocus();
        pressKey(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(vessel->text(), "");
    }

    // The edition is one undoable edit that recomputes every tank; the working follows.
    void switching_the_edition_recomputes_and_undoes()
    {
        ScriptedPrompts prompts;
        CargoReportWindow *w = showReport(prompts);
        CargoReportModel *m = w->model();
        pasteBlock(w, QString::fromLatin1(kUsTanks));
        QCOMPARE(figure(m, 0, ResultColumn::Vcf), "0.9911");
        auto *editionBox = control<QComboBox>(w, "edition");
        QCOMPARE(editionBox->count(), 2);
        QCOMPARE(editionBox->itemText(1), "2004 edition (API MPMS 11.1-2004)");
        w->findChild<QAction *>("working1")->setChecked(true);

        editionBox->setCurrentIndex(1);
        emit editionBox->activated(1);
        QCOMPARE(m->report().edition, Edition::Edition2004);
        const RowResult tank = m->result().rows[0];
        QCOMPARE(tank.trace().volumeForm->name, "Vcf2004");
        const FormResult &window = tank.trace().volume;
        QCOMPARE(figure(m, 0, ResultColumn::Vcf), QString::fromStdString(*window.written("txtctpl")));
        QCOMPARE(figure(m, 0, ResultColumn::GrossStandard), QString::fromStdString(*window.written("txtnet")));
        QVERIFY(figure(m, 0, ResultColumn::Vcf) != "0.9911");
        tankTable(w)->setCurrentIndex(m->index(0, 0));
        const QString working = control<QPlainTextEdit>(w, "working")->toPlainText();
        for (const std::string &line : window.working)
            QVERIFY2(working.contains(QString::fromStdString(line)), line.c_str());

        tankTable(w)->setFocus();
        pressKey(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m->report().edition, Edition::Tables1980);
        QCOMPARE(editionBox->currentIndex(), 0);
        QCOMPARE(figure(m, 0, ResultColumn::Vcf), "0.9911");
        QVERIFY(control<QPlainTextEdit>(w, "working")->toPlainText().contains("Table 6A (Form5)"));
        pressKey(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(editionBox->currentIndex(), 1);
        QCOMPARE(figure(m, 0, ResultColumn::Vcf), QString::fromStdString(*window.written("txtctpl")));
    }

    void saves_opens_and_asks_before_closing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("voyage.json");
        ScriptedPrompts prompts;
        prompts.restoreAnswer = true;
        CargoReportWindow *w = showReport(prompts);
        pasteBlock(w, QString::fromLatin1(kUsTanks));
        prompts.paths = {path};
        pressKey(Qt::Key_S, Qt::ControlModifier);
        QVERIFY(QFile::exists(path));
        QVERIFY(!w->isWindowModified());
        QVERIFY(w->windowTitle().startsWith("voyage.json"));

        auto *again = showReport(prompts);
        QVERIFY(again->openFile(path));
        QCOMPARE(again->model()->report(), w->model()->report());
        QCOMPARE(figure(again->model(), 4, ResultColumn::GrossStandard), "4941");

        // A damaged file changes nothing open and says where.
        const QString damaged = dir.filePath("damaged.json");
        QFile f(damaged);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("{\n  \"format\": \"dravex-cargo-report\",\n  \"version\": 1,\n  \"tanks\": [ {\"tank\": 1P} ]\n}\n");
        f.close();
        QVERIFY(!again->openFile(damaged));
        QCOMPARE(prompts.errors.size(), 1);
        QVERIFY2(prompts.errors[0].contains("damaged.json") && prompts.errors[0].contains("line 4, column 24"),
                 qPrintable(prompts.errors[0]));
        QCOMPARE(again->model()->report(), w->model()->report());
        QCOMPARE(again->filePath(), path);
        // A file that never ends is refused, not read until memory runs out.
        QVERIFY(!again->openFile("/dev/zero"));
        QVERIFY2(prompts.errors.size() == 2 && prompts.errors[1].contains("larger than 16 MiB"),
                 qPrintable(prompts.errors.join('|')));
        QCOMPARE(again->filePath(), path);

        // Close: Cancel keeps the window, Save writes and closes, Discard closes unsaved.
        pasteBlock(again, "9X\tArab Light\tA\t1\t\t60\t30\n", 5);
        QVERIFY(again->isWindowModified());
        prompts.answers = {Prompts::Answer::Cancel};
        QVERIFY(!again->close());
        prompts.answers = {Prompts::Answer::Save};
        QVERIFY(again->close());
        QCOMPARE(readReportFile(path).report->rows.size(), std::size_t(6));
        pasteBlock(w, "9Y\n", 5);
        prompts.answers = {Prompts::Answer::Discard};
        QVERIFY(w->close());
        QCOMPARE(readReportFile(path).report->rows.size(), std::size_t(6));
        QCOMPARE(prompts.asked, 3);
    }

    // A file open already, even by another path to it, comes to the front: one document
    // and one window, never two copies edited apart.
    void a_file_open_already_is_not_opened_twice()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("voyage.json");
        const QString link = dir.filePath("link.json");
        ScriptedPrompts prompts;
        prompts.restoreAnswer = true;
        CargoReportWindow *w = showReport(prompts);
        pasteBlock(w, QString::fromLatin1(kUsTanks));
        prompts.paths = {path};
        pressKey(Qt::Key_S, Qt::ControlModifier);
        QVERIFY(QFile::link(path, link));
        CargoReportWindow *other = showReport(prompts);
        pasteBlock(other, "9Z\n");
        prompts.paths = {link};
        other->findChild<QAction *>("open1")->trigger();
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(),
                               [](QWidget *t) { return t->objectName() == "CargoReport" && t->isVisible(); }),
                 2);
        QCOMPARE(DocumentManager::instance().windowFor(link), w);
        QCOMPARE(other->model()->report().rows.size(), std::size_t(1));
        QVERIFY(prompts.errors.isEmpty());
    }

    // At 1280x720 the "All grades" line is in view and each tank is named beside its figures
    // scrolled to the far right; at 200 % the window fits a 1600x1000 screen.
    void fits_the_screen_with_tanks_and_totals_in_view()
    {
        ScriptedPrompts prompts;
        CargoReportWindow *w = showReport(prompts);
        QString tanks = QString::fromLatin1(kUsTanks);
        for (int i = 0; i < 8; ++i)
            tanks += QStringLiteral("G%1\tGrade %1\tB\t100\t\t60\t50\n").arg(i);
        pasteBlock(w, tanks);
        w->resize(1280, 720);
        QApplication::processEvents();
        auto *totals = control<QTableWidget>(w, "totals");
        QTableWidgetItem *all = totals->item(totals->rowCount() - 1, 0);
        QCOMPARE(all->text(), QString("All grades"));
        QVERIFY(totals->isVisible());
        QVERIFY(totals->viewport()->rect().contains(totals->visualItemRect(all)));

        QTableView *view = tankTable(w);
        view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
        QApplication::processEvents();
        QVERIFY(view->verticalHeader()->isVisible());
        QCOMPARE(view->model()->headerData(1, Qt::Vertical, Qt::DisplayRole).toString(), QString("1S"));
        QCOMPARE(view->model()->headerData(13, Qt::Vertical, Qt::DisplayRole).toString(), QString("14"));

        w->resize(1, 1);
        QApplication::processEvents();
        const qreal scale = qgetenv("QT_SCALE_FACTOR").isEmpty() ? 2.0 : 1.0;
        const QSize least = w->size() * w->devicePixelRatioF() * scale;
        QVERIFY2(least.width() <= 1600 && least.height() <= 1000,
                 qPrintable(QStringLiteral("%1x%2").arg(least.width()).arg(least.height())));
    }

    // The figures of a column are shown with its most decimals; other texts stay.
    void figures_share_their_columns_decimals_data()
    {
        QTest::addColumn<QStringList>("figures");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("whole and tenths") << QStringList{"4941", "4940.5", ""} << QStringList{"4941.0", "4940.5", ""};
        QTest::newRow("a trailing zero dropped") << QStringList{"0.98", "0.9911"} << QStringList{"0.9800", "0.9911"};
        QTest::newRow("negative") << QStringList{"-12", "3.25"} << QStringList{"-12.00", "3.25"};
        QTest::newRow("not a plain number") << QStringList{"1E+15", "Division by zero", "2.5", "1,250", ".5"}
                                            << QStringList{"1E+15", "Division by zero", "2.5", "1,250", ".5"};
    }

    void figures_share_their_columns_decimals()
    {
        QFETCH(QStringList, figures);
        QFETCH(QStringList, shown);
        QCOMPARE(FigureDelegate::alignDecimals(figures), shown);
    }

    void menu_item_opens_a_new_report_each_time()
    {
        Program program;
        QWidget *main = program.show("Form1");
        QAction *item = main->findChild<QAction *>("report1");
        QVERIFY(item && item->isEnabled());
        QCOMPARE(item->shortcut(), QKeySequence("Ctrl+R"));
        item->trigger();
        item->trigger();
        int reports = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            reports += w->objectName() == "CargoReport" && w->isVisible();
        QCOMPARE(reports, 2);
    }

    // The PDF as pdftotext reads it: header, heads on every page, totals, tables, page n
    // of m, signatures, and typed text shown literally.
    void exports_pdf_and_csv()
    {
        QTemporaryDir dir;
        ScriptedPrompts prompts;
        CargoReportWindow *w = showReport(prompts);
        QString tanks = QString::fromLatin1(kUsTanks);
        for (int i = 0; i < 60; ++i)
            tanks += QStringLiteral("X%1\t<b>Fuel</b>\tB\t100\t\t60\t50\n").arg(i);
        pasteBlock(w, tanks);
        control(w, "vessel")->setFocus();
        QTest::keyClicks(control(w, "vessel"), "MT <i>Star</i> & Co");

        const QString pdf = dir.filePath("r.pdf");
        prompts.paths = {pdf};
        w->findChild<QAction *>("exportpdf1")->trigger();
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(pdftotext.waitForFinished(20000));
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QVERIFY2(text.contains("MT <i>Star</i> & Co"), qPrintable(text.left(2000)));
        QVERIFY(text.contains("<b>Fuel</b>"));
        const int pages = text.count(QLatin1Char('\f'));
        QVERIFY2(pages >= 2, qPrintable(QString::number(pages)));
        QVERIFY(text.contains(QStringLiteral("page 1 of %1").arg(pages)));
        QVERIFY(text.contains(QStringLiteral("page %1 of %1").arg(pages)));
        QVERIFY(text.count("VCF") >= pages + 1); // the header block, then the heads on every page
        QCOMPARE(text.count("Cargo Report \u2014 Untitled"), pages + 1); // the frame, and the title once
        QCOMPARE(text.count("Reference: MT <i>Star</i> & Co"), pages);
        QVERIFY(text.contains("left out, stopped: 2C"));
        QVERIFY(text.contains("2754.97")); // Arab Light, as worked in the core test
        QVERIFY(text.contains("1980 tables: Table 6A, Table 6B"));
        QVERIFY(text.contains("Surveyor: ____"));
        QVERIFY(text.contains("For the vessel / terminal: ____"));

        const QString csv = dir.filePath("r.csv");
        prompts.paths = {csv};
        w->findChild<QAction *>("exportcsv1")->trigger();
        QFile f(csv);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll().toStdString(), WriteReportCsv(w->model()->report(), w->model()->result()));
        QVERIFY(prompts.errors.isEmpty());
    }

    // A discharge of 9911 bbl (1P: 10000 bbl, API 30, 80 F, VCF 0.9911) less the ROB of a
    // saved survey (11.1 bbl x 0.9911 = 11.00) is 9900.00 bbl; against an outturn of 9801 the
    // shore received 99.00 bbl less, -1.000 % of the vessel's figure: beyond 0.5 %.
    void comparison_block_takes_off_a_saved_rob_and_says_beyond_the_tolerance()
    {
        QTemporaryDir dir;
        CargoReport rob;
        rob.header.vessel = "MT Star";
        rob.header.operation = ReportOperation::Discharge;
        rob.header.survey = SurveyKind::Rob;
        rob.rows = {TankRow{{"Slop", "Crude", "A", "11.1", "", "80", "30", "", ""}}};
        QString error;
        QVERIFY2(saveReportFile(dir.filePath("rob.json"), rob, &error), qPrintable(error));

        // No company tolerance from an earlier run is offered.
        Settings().remove("report/companyTolerancePercent");
        ScriptedPrompts prompts;
        CargoReportWindow *w = showReport(prompts);
        CargoReportModel *m = w->model();
        pasteBlock(w, QStringLiteral("1P\tCrude\tA\t10000\t\t80\t30\t\t\n"));
        QTest::keyClicks(control(w, "vessel"), "MT Star");
        auto *operation = control<QComboBox>(w, "operation");
        operation->setCurrentIndex(1);
        emit operation->activated(1);
        QVERIFY(control<QWidget>(w, "comparison1")->isVisible());

        prompts.paths = {dir.filePath("rob.json")};
        control<QPushButton>(w, "onboardfromsurvey")->click();
        QVERIFY2(prompts.errors.isEmpty(), qPrintable(prompts.errors.join('\n')));
        QCOMPARE(control<QLineEdit>(w, "onboard")->text(), QString("11"));
        QCOMPARE(m->report().comparison.onBoardFrom, std::string("rob.json"));
        QTest::keyClicks(control(w, "shoretcv"), "9801");
        QTest::keyClicks(control(w, "tolerance"), "0.5");

        auto *figures = control<QTableWidget>(w, "comparisonfigures");
        // The survey's free water (none) comes with its TCV, on a line of its own.
        QCOMPARE(m->report().comparison.onBoardFreeWater, std::string("0"));
        QCOMPARE(figures->rowCount(), 2);
        const QStringList expected{"Measured", "9911", "11.00", "9900.00", "9801.00", "-99.00", "-1.000", "beyond"};
        for (int c = 0; c < expected.size(); ++c)
            QCOMPARE(figures->item(0, c)->text(), expected[c]);
        const QStringList water{"Free water", "0", "0.00", "0.00"};
        for (int c = 0; c < water.size(); ++c)
            QCOMPARE(figures->item(1, c)->text(), water[c]);
        const QString notice = control<QLabel>(w, "comparisonnotice")->text();
        QVERIFY2(notice.contains("Notice of apparent discrepancy at discharge"), qPrintable(notice));

        // The tolerance is one undo step; without it there is no notice. The report's own
        // figures are untouched.
        tankTable(w)->setFocus();
        pressKey(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m->report().comparison.tolerancePercent, std::string());
        QVERIFY(!control<QLabel>(w, "comparisonnotice")->text().contains("Notice of apparent discrepancy"));
        QCOMPARE(figure(m, 0, ResultColumn::GrossStandard), QString("9911"));

        // A loading report cannot take off a ROB survey: a notice, and nothing changes.
        operation->setCurrentIndex(0);
        emit operation->activated(0);
        prompts.paths = {dir.filePath("rob.json")};
        control<QPushButton>(w, "onboardfromsurvey")->click();
        QCOMPARE(prompts.errors.size(), 1);
        QVERIFY2(prompts.errors[0].contains("OBQ survey"), qPrintable(prompts.errors[0]));
        QCOMPARE(m->report().comparison.onBoard, std::string("11"));

        // It is exported with the report.
        const QString csv = dir.filePath("r.csv");
        prompts.paths = {csv};
        w->findChild<QAction *>("exportcsv1")->trigger();
        QFile f(csv);
        QVERIFY(f.open(QIODevice::ReadOnly));
        // As a loading, the same figures read vessel less bill of lading: 9900 - 9801 =
        // 99.00 bbl, 99 / 9801 = 1.010 % of the bill of lading.
        const QByteArray exported = f.readAll();
        QVERIFY(exported.contains("\"Shore TCV, bill of lading (bbl)\",9801.00"));
        QVERIFY2(exported.contains("Difference (% of the bill of lading),1.010,"), exported.constData());

        // And it prints with the report, through the same page frame.
        const QString pdf = dir.filePath("r.pdf");
        prompts.paths = {pdf};
        w->findChild<QAction *>("exportpdf1")->trigger();
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(pdftotext.waitForFinished(20000));
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QVERIFY2(text.contains("Ship and shore") && text.contains("9900.00") && text.contains("1.010"),
                 qPrintable(text));
        QVERIFY(prompts.errors.size() == 1);
        Settings().remove("report/companyTolerancePercent");
    }

    void autosave_is_offered_back_after_a_crash()
    {
        ScriptedPrompts prompts;
        prompts.restoreAnswer = true;
        CargoReportWindow *w = showReport(prompts);
        pasteBlock(w, QString::fromLatin1(kUsTanks));
        w->document()->autosave().write();
        const QString copy = w->document()->autosave().path();
        QVERIFY(QFile::exists(copy));
        // A running window's copy is not offered.
        CargoReportWindow::offerRestore(prompts);
        const QWidgetList tops = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(tops.begin(), tops.end(),
                               [](QWidget *t) { return t->objectName() == "CargoReport" && t->isVisible(); }),
                 1);
        // The copy of a program that died: no running window holds its lock.
        const QString orphan = Autosave::directory() + "/orphan.json";
        QVERIFY(QFile::copy(copy, orphan));
        CargoReportWindow::offerRestore(prompts);
        CargoReportWindow *restored = nullptr;
        for (QWidget *t : QApplication::topLevelWidgets())
            if (auto *r = qobject_cast<CargoReportWindow *>(t); r && r != w && r->isVisible())
                restored = r;
        QVERIFY(restored);
        QVERIFY(restored->isWindowModified());
        QCOMPARE(restored->model()->report(), w->model()->report());
        prompts.answers = {Prompts::Answer::Discard, Prompts::Answer::Discard};
        QVERIFY(restored->close());
        QVERIFY(w->close());
        QVERIFY(!QFile::exists(orphan));
        QVERIFY(!QFile::exists(copy));
    }

    // Undone back to the saved state, a report leaves no copy to restore; a copy restored
    // over a saved file asks before closing with Cancel as the default, never Save.
    void autosave_follows_undo_and_a_restored_copy_keeps_the_saved_file_by_default()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("voyage.json");
        ScriptedPrompts prompts;
        prompts.restoreAnswer = true;
        CargoReportWindow *w = showReport(prompts);
        pasteBlock(w, QString::fromLatin1(kUsTanks));
        prompts.paths = {path};
        pressKey(Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!w->isWindowModified());

        pasteBlock(w, "9X\tArab Light\tA\t1\t\t60\t30\n", 5);
        w->document()->autosave().write();
        const QString copy = w->document()->autosave().path();
        QVERIFY(QFile::exists(copy));
        tankTable(w)->setFocus();
        pressKey(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!w->isWindowModified());
        QVERIFY(!QFile::exists(copy));
        w->document()->autosave().write();
        QVERIFY(w->document()->autosave().path().isEmpty());

        // Modified again and then the program dies: its copy and the file it belongs to.
        pressKey(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(w->isWindowModified());
        w->document()->autosave().write();
        const QString stem = w->document()->autosave().path().chopped(5);
        const QString orphan = Autosave::directory() + "/crashed";
        QVERIFY(QFile::copy(stem + ".json", orphan + ".json"));
        QVERIFY(QFile::copy(stem + ".path", orphan + ".path"));
        prompts.answers = {Prompts::Answer::Discard};
        QVERIFY(w->close());
        CargoReportWindow::offerRestore(prompts);
        CargoReportWindow *restored = nullptr;
        for (QWidget *t : QApplication::topLevelWidgets())
            if (auto *r = qobject_cast<CargoReportWindow *>(t); r && r != w && r->isVisible())
                restored = r;
        QVERIFY(restored);
        QCOMPARE(restored->filePath(), path);
        QCOMPARE(restored->model()->report().rows.size(), std::size_t(6));
        prompts.answers = {Prompts::Answer::Discard};
        QVERIFY(restored->close());
        QCOMPARE(prompts.askedRestored, 1);
        QCOMPARE(readReportFile(path).report->rows.size(), std::size_t(5));
        QVERIFY(!QFile::exists(orphan + ".json"));

        // The question itself: Enter takes the default, which keeps the saved file.
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box && box->defaultButton());
            defaultButton = box->standardButton(box->defaultButton());
            QTest::keyClick(box, Qt::Key_Return);
        });
        QCOMPARE(Prompts().askSaveChanges(nullptr, "Cargo Report", "voyage.json", true), Prompts::Answer::Cancel);
        QCOMPARE(defaultButton, QMessageBox::Cancel);
    }

    // Killed at random moments while saving, the file is always one whole document.
    void a_killed_save_leaves_the_old_or_the_new_file()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("report.json");
        for (int i = 0; i < 20; ++i) {
            QProcess victim;
            victim.start(QStringLiteral(DRAVEX_SAVE_LOOP), {path});
            QVERIFY(victim.waitForStarted());
            // Wait for a first complete save, then kill at a random moment.
            for (int t = 0; t < 500 && !QFile::exists(path); ++t)
                QTest::qWait(2);
            QTest::qWait(QRandomGenerator::global()->bounded(1, 40));
            victim.kill();
            QVERIFY(victim.waitForFinished());
            const ReportFileRead read = readReportFile(path);
            QVERIFY2(read.report, qPrintable(read.error));
            const std::string &mark = read.report->header.vessel;
            QVERIFY(mark == "old" || mark == "new");
            QCOMPARE(read.report->rows.size(), std::size_t(300));
            QCOMPARE(read.report->rows.back().cells[8], mark + "299");
        }
    }
};

QTEST_MAIN(CargoReportTest)
#include "cargo_report_test.moc"
