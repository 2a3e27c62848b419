// SPDX-License-Identifier: GPL-3.0-or-later
// A gauged tank in the cargo report window, from a test table made here (no real vessel's).
#include "test_support.h"

#include "core/tank_table_file.h"
#include "records/autosave.h"
#include "records/report/cargo_report_document.h"
#include "records/report/cargo_report_model.h"
#include "records/report/cargo_report_window.h"
#include "records/tanks/tank_table_store.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace dravex;
using namespace dravex::test;

namespace {

// Tank 1P: ullages in mm to m3 over trims 0 and 1 m by the stern.
TankTable shipTable()
{
    TankTable t;
    t.name = "1P";
    t.referenceHeight = 2000;
    t.layout = TableLayout::TrimVolumeGrid;
    t.trim.levels = {0, 1000, 1100, 1900, 2000};
    t.trim.columns = {0, 1};
    t.trim.values = {9000, 9000, 5000, 5010, 4900, 4912, 60, 80, 0, 0};
    return t;
}

void writeTables(const QString &path, const TankTable &table)
{
    TankTableDocument doc;
    doc.owner = "MT Test";
    doc.tables = {table};
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(QByteArray::fromStdString(WriteTankTablesJson(doc)));
}

QString volume(CargoReportModel *m, std::string RowResult::Volumes::*member)
{
    return QString::fromStdString(m->result().rows[0].volumes.*member);
}

} // namespace

class GaugedReportWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QDir(Autosave::directory()).removeRecursively();
    }

    void cleanup() { Program::closeAll(); }

    // Metric report at 15 C (VCF 1.0000), drafts 8.0 forward and 8.6 aft: 0.6 m by the stern.
    //   Reading 1053 mm: row 1000 at 0.6 = 5006, row 1100 = 4907.2, fraction 0.53:
    //   TOV 5006 - 0.53 x 98.8 = 4953.636 m3. Water cut 50 mm (ullage 1950): FW 36 m3.
    //   GOV 4917.636; S&W 0.25 %, CSW 0.9975: NSV 4905.342 m3.
    //   Reading 1100 mm: TOV 4907.2, GOV 4871.2, NSV 4871.2 x 0.9975 = 4859.022 m3.
    void a_gauged_ship_tank_is_worked_edited_undone_and_its_table_version_kept()
    {
        const QString folder = TankTableStore::defaultFolder();
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        const QString tablesFile = QDir(folder).filePath("mt-test.json");
        writeTables(tablesFile, shipTable());

        ScriptedPrompts prompts;
        auto *w = new CargoReportWindow(prompts);
        w->show();
        QApplication::setActiveWindow(w);
        CargoReportModel *m = w->model();
        m->change("tanks", [](CargoReport &r) {
            r.units = UnitSystem::Metric;
            TankRow row;
            row.cells = {"1P", "Crude", "A", "", "", "15", "850", "", ""};
            r.rows.push_back(row);
        });
        control<QTableView>(w, "tanks")->setCurrentIndex(m->index(0, 0));

        auto *tables = control<QComboBox>(w, "tankTables");
        const int owner = tables->findText("MT Test");
        QVERIFY(owner > 0);
        tables->setCurrentIndex(owner);
        emit tables->activated(owner);
        control<QCheckBox>(w, "gauged")->click();
        QVERIFY(m->report().rows[0].gauge);
        fillAndEnter(w, {{"draftForward", "8.0"}});
        fillAndEnter(w, {{"draftAft", "8.6"}});
        QCOMPARE(control<QLabel>(w, "trim")->text(), QString("0.6 m by the stern; list upright"));
        QVERIFY(!control(w, "ambientTemperature")->isEnabled()); // a ship's tank
        fillAndEnter(w, {{"reading1", "1053"}});
        fillAndEnter(w, {{"waterCut", "50"}});
        fillAndEnter(w, {{"sedimentWater", "0.25"}});

        QVERIFY2(!m->result().rows[0].stopped, qPrintable(m->rowNotice(0)));
        QCOMPARE(m->index(0, int(TankColumn::TotalObserved)).data().toString(), QString("4953.636"));
        QCOMPARE(volume(m, &RowResult::Volumes::freeWater), QString("36"));
        QCOMPARE(volume(m, &RowResult::Volumes::gov), QString("4917.636"));
        QCOMPARE(volume(m, &RowResult::Volumes::nsv), QString("4905.342"));

        fillAndEnter(w, {{"reading1", "1100"}});
        QCOMPARE(volume(m, &RowResult::Volumes::gov), QString("4871.2"));
        QCOMPARE(volume(m, &RowResult::Volumes::nsv), QString("4859.022"));
        w->findChild<QAction *>("undo1")->trigger();
        QCOMPARE(volume(m, &RowResult::Volumes::gov), QString("4917.636"));
        QCOMPARE(volume(m, &RowResult::Volumes::nsv), QString("4905.342"));
        QCOMPARE(text(w, "reading1"), QString("1053"));
        // Undoing a tank's edit keeps the ship's condition (the trim is still worked with).
        QCOMPARE(m->report().condition.draftAft, std::string("8.6"));

        // F3: the tank's working, the trim in words and the interpolation.
        w->findChild<QAction *>("working1")->trigger();
        const QString working = control<QPlainTextEdit>(w, "working")->toPlainText();
        QVERIFY2(working.contains("0.6 m by the stern") && working.contains("0.53"), qPrintable(working));

        // Saving records the table's version; a table changed since stops the tank and shows
        // both hashes.
        QTemporaryDir dir;
        prompts.paths = {dir.filePath("gauged.json")};
        w->findChild<QAction *>("saveas1")->trigger();
        const std::string used = TankTableSha256(shipTable());
        QCOMPARE(m->report().rows[0].gauge->tableSha256, used);
        TankTable changed = shipTable();
        changed.trim.values[2] = 5001;
        writeTables(tablesFile, changed);
        QFile touched(tablesFile);
        QVERIFY(touched.open(QIODevice::ReadWrite));
        QVERIFY(touched.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
        touched.close();
        w->document()->refreshTables();
        QVERIFY(m->result().rows[0].stopped);
        const QString notice = m->rowNotice(0);
        QVERIFY2(notice.contains(QString::fromStdString(used)) &&
                     notice.contains(QString::fromStdString(TankTableSha256(changed))),
                 qPrintable(notice));
    }
};

QTEST_MAIN(GaugedReportWindowTest)
#include "gauged_report_window_test.moc"
