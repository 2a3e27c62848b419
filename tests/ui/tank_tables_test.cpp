// SPDX-License-Identifier: GPL-3.0-or-later
// The tank-table windows: an import under either trim sign, its checks, the list, gauge
// point, shell and roof kept beside the grid, and documents that cannot be read, which are
// shown and never written over.
#include "test_support.h"

#include "core/tank_volume.h"
#include "records/tanks/tank_table_store.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

using namespace dravex;
using namespace dravex::test;

Q_DECLARE_METATYPE(dravex::TankTable)

namespace {

// A ship's tank, ullage in mm against trims in metres. Stern-positive print: a trim of
// 1 m by the stern is column "1".
const char *const kSternPositive = "Ullage\t-1\t0\t1\t2\n"
                                   "0\t1000\t1010\t1020\t1030\n"
                                   "100\t900\t910\t920\t930\n"
                                   "200\t800\t810\t820\t830\n";
// The same tank printed by the head positive: 1 m by the stern is column "-1", and the
// columns run from 2 m by the stern (-2) to 1 m by the head (1).
const char *const kHeadPositive = "Ullage\t-2\t-1\t0\t1\n"
                                  "0\t1030\t1020\t1010\t1000\n"
                                  "100\t930\t920\t910\t900\n"
                                  "200\t830\t820\t810\t800\n";

QString freshFolder()
{
    const QString folder = TankTableStore::defaultFolder();
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    return folder;
}

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Fills the import window for tank 1P of MT Example from text.
void fillImport(QWidget *w, const QString &text, int layout, const QString &trimColumns, const QString &trims,
                int trimSign)
{
    control<QComboBox>(w, "owner")->setEditText(QStringLiteral("MT Example"));
    type(w, "tankname", QStringLiteral("1P"));
    type(w, "refheight", QStringLiteral("12500"));
    control<QComboBox>(w, "layout")->setCurrentIndex(layout);
    control<QSpinBox>(w, "skiprows")->setValue(1);
    type(w, "trimcolumns", trimColumns);
    type(w, "trimvalues", trims);
    control<QComboBox>(w, "trimsign")->setCurrentIndex(trimSign);
    control<QPlainTextEdit>(w, "source")->setPlainText(text);
}

QStringList problemLines(QWidget *w)
{
    QStringList lines;
    auto *list = control<QListWidget>(w, "problems");
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

// Sets the window's fields in order, as "name=value": a choice by its index, any other
// field typed key by key (a field enabled by an earlier choice comes after it).
void setFields(QWidget *w, const QStringList &fields)
{
    for (const QString &field : fields) {
        const QByteArray name = field.section('=', 0, 0).toLatin1();
        const QString value = field.section('=', 1);
        if (auto *choice = w->findChild<QComboBox *>(QString::fromLatin1(name)))
            choice->setCurrentIndex(value.toInt());
        else
            type(w, name.constData(), value);
    }
}

TankTable smallTable()
{
    TankTable t;
    t.name = "2S";
    t.evenKeel = {{0, 100}, {}, {50, 40}};
    return t;
}

} // namespace

class TankTablesTest : public QObject
{
    Q_OBJECT

private slots:
    void same_physical_trim_gives_same_volume_under_either_sign_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("trims");
        QTest::addColumn<int>("sign");
        QTest::newRow("by the stern positive") << kSternPositive << "-1 0 1 2" << 0;
        QTest::newRow("by the head positive") << kHeadPositive << "-2 -1 0 1" << 1;
    }

    void same_physical_trim_gives_same_volume_under_either_sign()
    {
        QFETCH(QString, text);
        QFETCH(QString, trims);
        QFETCH(int, sign);
        Program program;
        const QString folder = freshFolder();
        QWidget *w = program.show("TankTableImport");
        fillImport(w, text, 1, "2-5", trims, sign);
        QVERIFY2(control<QPushButton>(w, "ok")->isEnabled(), qPrintable(problemLines(w).join('\n')));
        QTest::mouseClick(control<QPushButton>(w, "ok"), Qt::LeftButton);

        // Read back from the folder, as the next run of the program would.
        TankTableStore again(folder);
        const TankTableFile *file = again.find(TableOwnerKind::Vessel, "MT Example");
        QVERIFY(file);
        QCOMPARE(file->tables().tables.size(), std::size_t(1));
        // Drafts aft 6.5 m, forward 5.0 m: 1.5 m by the stern; ullage 150 mm. By hand: at
        // 100 mm between 1 m (920) and 2 m (930) 925, at 200 mm 825, halfway 875.
        GaugeConditions drafts;
        drafts.trim = TrimFromDrafts(6.5, 5.0);
        const TableValue v = ObservedVolume(file->tables().tables[0], 150, drafts);
        QVERIFY(v.ok());
        QCOMPARE(v.value, 875.0);
    }

    void a_cell_that_is_no_number_is_named_and_nothing_is_kept()
    {
        Program program;
        const QString folder = freshFolder();
        QWidget *w = program.show("TankTableImport");
        fillImport(w, "Ullage\tm3\n0\t1500.5\n100\t14x7.25\n200\t1474\n", 0, {}, {}, 0);
        const QStringList problems = problemLines(w);
        QVERIFY2(problems.size() == 1 && problems[0].startsWith("Error: Row 3, column 2: '14x7.25'"),
                 qPrintable(problems.join('\n')));
        // The preview marks the cell the problem names.
        QAbstractItemModel *preview = control<QAbstractItemView>(w, "preview")->model();
        QVERIFY(preview->index(2, 1).data(Qt::ToolTipRole).toString().startsWith("Row 3, column 2"));
        QVERIFY(!preview->index(2, 0).data(Qt::ToolTipRole).isValid());
        auto *ok = control<QPushButton>(w, "ok");
        QVERIFY(!ok->isEnabled());
        QTest::mouseClick(ok, Qt::LeftButton);
        QTest::keyClick(control<QWidget>(w, "tankname"), Qt::Key_Return);
        QVERIFY(QDir(folder).entryList(QDir::Files).isEmpty());

        // Put right, the same table is kept.
        control<QPlainTextEdit>(w, "source")->setPlainText("Ullage\tm3\n0\t1500.5\n100\t1487.25\n200\t1474\n");
        QVERIFY(ok->isEnabled());
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 1);
    }

    // The fields beside the grid reach the kept table: read back from the folder, its list
    // corrections, gauge point and tank size, shell and roof are as typed, and the tables
    // window says what the table holds.
    void list_geometry_shell_and_roof_are_kept_data()
    {
        QTest::addColumn<int>("ownerKind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<TankTable>("expected");
        QTest::addColumn<QString>("holds");

        TankTable ship;
        ListCorrections list;
        list.target = CorrectionTarget::Volume;
        list.convention = ListConvention::PortPositive;
        list.grid = {{0, 100, 200}, {-1, 1}, {-3, 3, -2, 2, -1, 1}};
        ship.list = list;
        TankGeometry geometry;
        geometry.longitudinalOffset = 2.5;
        geometry.transverseOffset = -1.25;
        geometry.wedge = TankWedgeSize{20, 15, 18, 2};
        ship.geometry = geometry;
        QTest::newRow("ship: list columns, gauge point, tank size")
            << 0 << "Ullage\tm3\tP\tS\n0\t1000\t-3\t3\n100\t900\t-2\t2\n200\t800\t-1\t1\n"
            << QStringList{"listcolumns=3-4", "listvalues=-1 1",       "listsign=1",    "listtarget=1",
                           "gaugeoffset=2.5", "gaugetransverse=-1.25", "tanklength=20", "tankwidth=15",
                           "tankdepth=18",    "hatchtobulkhead=2"}
            << ship
            << "Holds layout 1, level to volume; list corrections to the volume; gauge point 2.5 m aft of the "
               "tank's centre; gauge point 1.25 m to port of the centre line; tank size for the wedge.";

        TankTable shore;
        ShoreTankData data;
        data.alpha = 0.0000065;
        FloatingRoof roof;
        roof.tableDeducted = true;
        roof.referenceGravity = 32.5;
        roof.rate = 0.85;
        roof.criticalLow = 900;
        roof.criticalHigh = 1500;
        data.roof = roof;
        shore.shore = data;
        QTest::newRow("shore: alpha, roof the table deducted")
            << 1 << "Innage\tm3\n0\t0\n1000\t150.5\n2000\t301\n"
            << QStringList{"levelkind=1", "alpha=0.0000065", "rooftype=1",      "roofgravity=32.5",
                           "roofscale=0", "roofrate=0.85",   "criticallow=900", "criticalhigh=1500"}
            << shore
            << "Holds layout 1, level to volume; shell alpha 0.0000065 per degree F; floating roof deducted by "
               "the table at 32.5 API.";
    }

    void list_geometry_shell_and_roof_are_kept()
    {
        QFETCH(int, ownerKind);
        QFETCH(QString, text);
        QFETCH(QStringList, fields);
        QFETCH(TankTable, expected);
        QFETCH(QString, holds);
        Program program;
        const QString folder = freshFolder();
        QWidget *w = program.show("TankTableImport");
        control<QComboBox>(w, "ownerkind")->setCurrentIndex(ownerKind);
        fillImport(w, text, 0, {}, {}, 0);
        setFields(w, fields);
        auto *ok = control<QPushButton>(w, "ok");
        QVERIFY2(ok->isEnabled(), qPrintable(problemLines(w).join('\n')));
        QTest::mouseClick(ok, Qt::LeftButton);

        TankTableStore again(folder);
        const TankTableFile *file =
            again.find(ownerKind == 0 ? TableOwnerKind::Vessel : TableOwnerKind::Terminal, "MT Example");
        QVERIFY(file);
        QCOMPARE(file->tables().tables.size(), std::size_t(1));
        const TankTable &kept = file->tables().tables[0];
        QVERIFY(kept.list == expected.list);
        QVERIFY(kept.geometry == expected.geometry);
        QVERIFY(kept.shore == expected.shore);

        QWidget *tables = program.show("TankTables");
        auto *tree = control<QTreeWidget>(tables, "tables");
        tree->setCurrentItem(tree->topLevelItem(0)->child(0));
        const QString details = control<QLabel>(tables, "details")->text();
        QVERIFY2(details.endsWith(holds), qPrintable(details));
    }

    // A bad entry in the fields beside the grid is an error that names the field, and
    // nothing can be kept.
    void bad_extras_name_the_field_and_keep_ok_disabled_data()
    {
        QTest::addColumn<int>("ownerKind");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("field");
        QTest::newRow("critical zone reversed")
            << 1
            << QStringList{"rooftype=1", "roofgravity=32.5", "roofrate=0.85", "criticallow=1500", "criticalhigh=900"}
            << "criticalhigh";
        QTest::newRow("tank size without the hatch")
            << 0 << QStringList{"tanklength=20", "tankwidth=15", "tankdepth=18"} << "hatchtobulkhead";
        QTest::newRow("three lists for two list columns")
            << 0 << QStringList{"listcolumns=2-3", "listvalues=-1 0 1"} << "listvalues";
        QTest::newRow("alpha not a number") << 1 << QStringList{"alpha=6.2e"} << "alpha";
        QTest::newRow("roof weight missing")
            << 1 << QStringList{"rooftype=2", "criticallow=900", "criticalhigh=1500"} << "roofweight";
    }

    void bad_extras_name_the_field_and_keep_ok_disabled()
    {
        QFETCH(int, ownerKind);
        QFETCH(QStringList, fields);
        QFETCH(QString, field);
        Program program;
        freshFolder();
        QWidget *w = program.show("TankTableImport");
        control<QComboBox>(w, "ownerkind")->setCurrentIndex(ownerKind);
        fillImport(w, "Level\tm3\tA\tB\n0\t0\t1\t2\n1000\t150\t1\t2\n2000\t300\t1\t2\n", 0, {}, {}, 0);
        auto *ok = control<QPushButton>(w, "ok");
        QVERIFY2(ok->isEnabled(), qPrintable(problemLines(w).join('\n')));
        setFields(w, fields);
        QVERIFY(!ok->isEnabled());
        const QStringList problems = problemLines(w);
        const QString name = control<QWidget>(w, qPrintable(field))->accessibleName();
        QVERIFY2(problems.size() == 1 && problems[0].startsWith("Error: " + name + ": "),
                 qPrintable(problems.join('\n')));
    }

    void a_document_that_cannot_be_read_is_shown_and_never_written_over_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        TankTableDocument doc;
        doc.owner = "MT Example";
        doc.tables.push_back(smallTable());
        QByteArray newer = QByteArray::fromStdString(WriteTankTablesJson(doc));
        newer.replace("\"version\": 1", "\"version\": 9");
        QTest::newRow("damaged") << QByteArray("{\"format\": \"dravex-tank-tables\", \"version\": 1, \"tabl")
                                 << "damaged";
        QTest::newRow("newer") << newer << "newer";
    }

    void a_document_that_cannot_be_read_is_shown_and_never_written_over()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        Program program;
        const QString folder = freshFolder();
        const QString path = folder + "/vessel-mt-example.json";
        writeBytes(path, bytes);

        QWidget *tables = program.show("TankTables");
        auto *tree = control<QTreeWidget>(tables, "tables");
        QCOMPARE(tree->topLevelItemCount(), 1);
        QCOMPARE(tree->topLevelItem(0)->text(0), QString("vessel-mt-example.json"));
        QVERIFY2(tree->topLevelItem(0)->text(1).contains(reason), qPrintable(tree->topLevelItem(0)->text(1)));

        // A change to that document is refused; an import for its vessel goes to a file
        // of its own.
        TankTableStore &store = program.records.tankTableStore();
        QString error;
        QVERIFY(!store.files()[0]->addTable(smallTable(), &error));
        QVERIFY(!store.files()[0]->renameOwner("MT Other", &error));
        TankTableFile *file = store.fileFor(TableOwnerKind::Vessel, "MT Example", &error);
        QVERIFY2(file && file->addTable(smallTable(), &error), qPrintable(error));
        QVERIFY(file->filePath() != path);
        QCOMPARE(bytesOf(path), bytes);
        QCOMPARE(tree->topLevelItemCount(), 2);

        // A file replaced behind the program's back by one it cannot read is not written over.
        writeBytes(file->filePath(), bytes);
        QVERIFY(!file->renameTable(0, "2P", &error));
        QVERIFY2(error.contains(reason), qPrintable(error));
        QCOMPARE(bytesOf(file->filePath()), bytes);
    }

    void delete_asks_first()
    {
        Program program;
        freshFolder();
        TankTableStore &store = program.records.tankTableStore();
        QString error;
        TankTableFile *made = store.fileFor(TableOwnerKind::Vessel, "MT Example", &error);
        QVERIFY(made && made->addTable(smallTable(), &error));
        // The window reads the folder again as it opens.
        QWidget *w = program.show("TankTables");
        const TankTableFile *file = store.files()[0];
        auto *tree = control<QTreeWidget>(w, "tables");
        tree->setCurrentItem(tree->topLevelItem(0)->child(0));
        // Its version is the hash the file holds.
        const QJsonObject stored = QJsonDocument::fromJson(bytesOf(file->filePath())).object();
        const QString sha = stored["tables"].toArray()[0].toObject()["sha256"].toString();
        QCOMPARE(sha.size(), 64);
        QCOMPARE(tree->topLevelItem(0)->child(0)->text(2), sha.left(12));
        // The table is shown, level by level.
        QCOMPARE(control<QAbstractItemView>(w, "grid")->model()->index(1, 1).data().toString(), QString("40"));

        QVERIFY(QTest::qWaitForWindowActive(w));
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_Delete);
        QCOMPARE(program.prompts.questions.size(), 1);
        QVERIFY(program.prompts.questions[0].contains("2S"));
        QCOMPARE(file->tables().tables.size(), std::size_t(1));
        program.prompts.confirmAnswer = true;
        QTest::keyClick(tree, Qt::Key_Delete);
        QCOMPARE(store.files()[0]->tables().tables.size(), std::size_t(0));
        QCOMPARE(TankTableStore(store.folder()).files()[0]->tables().tables.size(), std::size_t(0));
    }

    // At 200 % on a 1366 x 768 screen a window has 683 x 384 to itself: the fields scroll
    // and the grids shrink, nothing is cut off.
    void windows_fit_a_small_screen_at_double_scale()
    {
        Program program;
        freshFolder();
        for (const char *name : {"TankTables", "TankTableImport"}) {
            QWidget *w = program.show(name);
            QVERIFY2(w->minimumSizeHint().width() <= 683 && w->minimumSizeHint().height() <= 384,
                     qPrintable(QStringLiteral("%1 %2x%3")
                                    .arg(name)
                                    .arg(w->minimumSizeHint().width())
                                    .arg(w->minimumSizeHint().height())));
        }
    }
};

QTEST_MAIN(TankTablesTest)
#include "tank_tables_test.moc"
