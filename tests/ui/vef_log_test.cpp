// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_support.h"

#include "records/voyage/voyage_log_store.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace dravex;
using namespace dravex::test;

namespace {

// Eight loading voyages of one vessel, in bbl. Worked by hand by the primary method:
//   vessel less OBQ / shore: S1 10010/10000 = 1.00100; S2 (20050 less OBQ 30) 20020/20000 =
//   1.00100; S3 1.00000; S4 1.00200; S5 1.00100; S6 10100/10000 = 1.01000; S7 1.00100;
//   S8 has a shore figure of 0: rejected before the mean.
//   First mean over S1-S7: 80170 / 80000 = 1.002125 -> 1.00213; limits 1.00213 x 0.997 =
//   0.99912 and x 1.003 = 1.00514. S6 (1.01000) is above the upper limit: set aside.
//   VEFL over the six qualifying: 70070 / 70000 = 1.0010.
const char *const kVoyages = "vessel,voyage,date,port,operation,vessel_tcv,obq_rob,shore_tcv,unit\n"
                             "MT Star,S1,2026-01-05,Ras Tanura,load,10010,,10000,bbl\n"
                             "MT Star,S2,2026-02-05,Ras Tanura,load,20050,30,20000,bbl\n"
                             "MT Star,S3,2026-03-05,Ras Tanura,load,10000,,10000,bbl\n"
                             "MT Star,S4,2026-04-05,Ras Tanura,load,10020,,10000,bbl\n"
                             "MT Star,S5,2026-05-05,Ras Tanura,load,10010,,10000,bbl\n"
                             "MT Star,S6,2026-06-05,Ras Tanura,load,10100,,10000,bbl\n"
                             "MT Star,S7,2026-07-05,Ras Tanura,load,10010,,10000,bbl\n"
                             "MT Star,S8,2026-08-05,Ras Tanura,load,10010,,0,bbl\n";

} // namespace

class VefLogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(VoyageLogStore::defaultPath());
    }

    void imports_a_csv_and_shows_the_vef_with_every_voyage_s_status()
    {
        QTemporaryDir dir;
        const QString csv = dir.filePath("voyages.csv");
        {
            QFile f(csv);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(kVoyages);
        }
        Program program;
        QWidget *w = program.show("VefLog");
        QVERIFY(w);
        QCOMPARE(w->objectName(), QString("VefLog"));
        program.prompts.paths = {csv};
        control<QPushButton>(w, "importcsv")->click();
        QCOMPARE(control<QComboBox>(w, "vessel")->currentText(), QString("MT Star"));
        QCOMPARE(control<QTableWidget>(w, "entries")->rowCount(), 8);

        const QString summary = control<QLabel>(w, "summary")->text();
        QVERIFY2(summary.contains("VEFL 1.0010 from 6 qualifying voyages"), qPrintable(summary));
        auto *voyages = control<QTableWidget>(w, "voyages");
        const auto rowOf = [&](const QString &voyage) {
            for (int r = 0; r < voyages->rowCount(); ++r)
                if (voyages->item(r, 2)->text() == voyage)
                    return r;
            return -1;
        };
        const int s6 = rowOf("S6");
        QVERIFY(s6 >= 0);
        QCOMPARE(voyages->item(s6, 6)->text(), QString("1.01000"));
        QCOMPARE(voyages->item(s6, 7)->text(), QString("set aside"));
        QVERIFY2(voyages->item(s6, 8)->text().contains("above the upper limit 1.00514"),
                 qPrintable(voyages->item(s6, 8)->text()));
        const int s2 = rowOf("S2");
        QCOMPARE(voyages->item(s2, 4)->text(), QString("20020")); // OBQ taken off
        QCOMPARE(voyages->item(s2, 7)->text(), QString("qualifying"));
        QCOMPARE(voyages->item(rowOf("S8"), 7)->text(), QString("rejected"));

        // Imported again: nothing counted twice. The log is kept in the data folder.
        program.prompts.paths = {csv};
        control<QPushButton>(w, "importcsv")->click();
        QCOMPARE(control<QTableWidget>(w, "entries")->rowCount(), 8);
        QVERIFY(control<QLabel>(w, "notice")->text().contains("8 already in the log"));
        QCOMPARE(VoyageLogStore().entries().size(), std::size_t(8));

        // A figure that is not a number is refused, naming the field; nothing changes.
        auto *entries = control<QTableWidget>(w, "entries");
        entries->item(0, 7)->setText("ten");
        QVERIFY2(control<QLabel>(w, "notice")->text().contains("Shore TCV"),
                 qPrintable(control<QLabel>(w, "notice")->text()));
        QCOMPARE(entries->item(0, 7)->text(), QString("10000"));
        QCOMPARE(*VoyageLogStore().entries()[0].shoreTcv, 10000.0);
        QFile::remove(VoyageLogStore::defaultPath());
    }
};

QTEST_MAIN(VefLogTest)
#include "vef_log_test.moc"
