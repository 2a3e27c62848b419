#include "test_support.h"

#include <QLabel>

using namespace dravex::test;

namespace {

QString notice(QWidget *w)
{
    return w->findChild<QLabel *>("notice")->text();
}

const char *const kResults[] = {"txtvcf", "txtlts", "txtbbl", "txtgal", "txtcm", "txtlf", "txtltn"};

QStringList results(QWidget *w)
{
    QStringList shown;
    for (const char *name : kResults)
        shown << text(w, name);
    return shown;
}

} // namespace

class Table54ScreensTest : public QObject
{
    Q_OBJECT

private slots:
    void shows_worked_examples_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("density");
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<QString>("gross");
        QTest::addColumn<QStringList>("expected"); // vcf, lts, bbl, gal, cm, lf, ltn
        QTest::newRow("54A worked example") << "Form22" << "850" << "25" << "10000"
                                            << QStringList{"0.9915", "9915", "62.38", "2620", "9.915", "0.8355", "8.28"};
        QTest::newRow("54B worked example") << "Form6" << "780" << "25" << "10000"
                                            << QStringList{"0.9895", "9895", "62.29", "2616", "9.895", "0.7666", "7.59"};
        QTest::newRow("negative gross") << "Form6" << "780" << "25" << "-10000"
                                        << QStringList{"0.9895", "9895", "62.29", "2616", "9.895", "0.7666", "7.59"};
        QTest::newRow("one litre") << "Form22" << "850" << "25" << "1"
                                   << QStringList{"0.9915", "1", "0", "0", "0.001", "0.8355", "0"};
        QTest::newRow("1074 still has gallons") << "Form6" << "1074" << "15" << "1000"
                                                << QStringList{"1", "1000", "6.29", "264", "1", "1.0559", "1.06"};
    }

    void shows_worked_examples()
    {
        QFETCH(QString, form);
        QFETCH(QString, density);
        QFETCH(QString, temperature);
        QFETCH(QString, gross);
        QFETCH(QStringList, expected);
        Program program;
        QWidget *w = program.show(form);
        fillAndEnter(w, {{"txtapi", density}, {"txtem", temperature}, {"txtgv", gross}});
        QCOMPARE(results(w), expected);
        QCOMPARE(notice(w), QString());
        QVERIFY(!program.registry.window("Form15"));
    }

    void keeps_every_result_on_bad_input()
    {
        Program program;
        for (const char *form : {"Form22", "Form6"}) {
            QWidget *w = program.show(form);
            fillAndEnter(w, {{"txtapi", "850"}, {"txtem", "25"}, {"txtgv", "10000"}});
            const QStringList before = results(w);
            type(w, "txtem", "15");
            type(w, "txtgv", "ten");
            enter(w, "txtgv");
            QCOMPARE(results(w), before);
            QCOMPARE(notice(w), QString("Gross Liters: 'ten' is not a number"));
            type(w, "txtgv", "10000");
            type(w, "txtapi", "0");
            enter(w, "txtgv");
            QCOMPARE(results(w), before);
            QCOMPARE(notice(w), QString("Division by zero"));
        }
    }

    void above_1074_shows_out_of_range_and_writes_nothing()
    {
        Program program;
        for (const char *form : {"Form22", "Form6"}) {
            QWidget *w = program.show(form);
            fillAndEnter(w, {{"txtapi", "1074.01"}, {"txtem", "25"}, {"txtgv", "10000"}});
            QCOMPARE(results(w), QStringList(std::size(kResults), QString()));
            QVERIFY(program.registry.window("Form15"));
        }
        QCOMPARE(openWindows().count("Form15"), 1);
    }

    void enter_elsewhere_computes_nothing()
    {
        Program program;
        QWidget *w = program.show("Form22");
        type(w, "txtapi", "850");
        type(w, "txtem", "25");
        type(w, "txtgv", "10000");
        enter(w, "txtapi");
        enter(w, "txtem");
        QCOMPARE(text(w, "txtvcf"), QString());
    }

    void tab_order_and_first_focus()
    {
        Program program;
        QWidget *a = program.show("Form22");
        QCOMPARE(a->windowTitle(), QString("VOLUME CORRECTION (TABLE 54a)"));
        QCOMPARE(tabSequence(a, 11), QStringList({"txtlf", "txtltn", "txtgal", "txtlts", "txtvcf", "txtgv", "txtem",
                                                  "txtapi", "txtbbl", "txtcm", "txtlf"}));
        QWidget *b = program.show("Form6");
        QCOMPARE(b->windowTitle(), QString("VOLUME CORRECTION (TABLE 54b)"));
        QCOMPARE(tabSequence(b, 11), QStringList({"txtbbl", "txtapi", "txtem", "txtgv", "txtvcf", "txtlts", "txtgal",
                                                  "txtltn", "txtlf", "txtcm", "txtbbl"}));
    }

    void labels_differ_where_the_windows_do()
    {
        Program program;
        QWidget *a = program.show("Form22");
        QWidget *b = program.show("Form6");
        QCOMPARE(control(a, "txtlts")->accessibleName(), QString("Your Net Liters at 15 C are"));
        QCOMPARE(control(b, "txtlts")->accessibleName(), QString("Your Net Litrers at 15 C are"));
        QCOMPARE(control(a, "txtbbl")->accessibleName(), QString("Net Barrels at 60 Deg F are"));
        QCOMPARE(control(b, "txtbbl")->accessibleName(), QString("Net Barrels at 60 F are"));
        QVERIFY(a->sizeHint().width() <= 1366 && a->sizeHint().height() <= 768);
    }
};

QTEST_MAIN(Table54ScreensTest)
#include "table54_screens_test.moc"
