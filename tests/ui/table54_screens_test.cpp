#include "test_support.h"

#include <QLabel>

using namespace dravex::test;

namespace {

QStringList results(QWidget *w)
{
    QStringList shown;
    for (const char *name : {"txtvcf", "txtlts", "txtbbl", "txtgal", "txtcm", "txtlf", "txtltn"})
        shown << text(w, name);
    return shown;
}

QString notice(QWidget *w)
{
    return w->findChild<QLabel *>("notice")->text();
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
        QTest::addColumn<QString>("gross");
        QTest::addColumn<QStringList>("expected"); // vcf, lts, bbl, gal, cm, lf, ltn
        QTest::newRow("54A") << "Form22" << "850" << "10000"
                             << QStringList{"0.9915", "9915", "62.38", "2620", "9.915", "0.8355", "8.28"};
        QTest::newRow("54B negative gross") << "Form6" << "780" << "-10000"
                                            << QStringList{"0.9895", "9895", "62.29", "2616", "9.895", "0.7666", "7.59"};
        QTest::newRow("1074 still has gallons") << "Form6" << "1074" << "1000"
                                                << QStringList{"0.9938", "994", "6.26", "263", "0.994", "1.0559", "1.05"};
    }

    void shows_worked_examples()
    {
        QFETCH(QString, form);
        QFETCH(QString, density);
        QFETCH(QString, gross);
        QFETCH(QStringList, expected);
        Program program;
        QWidget *w = program.show(form);
        fillAndEnter(w, {{"txtapi", density}, {"txtem", "25"}, {"txtgv", gross}});
        QCOMPARE(results(w), expected);
        QCOMPARE(notice(w), QString());
    }

    void keeps_every_result_on_bad_input()
    {
        Program program;
        for (const char *form : {"Form22", "Form6"}) {
            QWidget *w = program.show(form);
            fillAndEnter(w, {{"txtapi", "850"}, {"txtem", "25"}, {"txtgv", "10000"}});
            const QStringList before = results(w);
            type(w, "txtem", "15");
            enter(w, "txtem"); // computes nothing
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
            QCOMPARE(results(w), QStringList(7, QString()));
        }
        QCOMPARE(openWindows().count("Form15"), 1);
    }

    void tab_order_first_focus_and_labels()
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
        QCOMPARE(control(a, "txtlts")->accessibleName(), QString("Your Net Liters at 15 C are"));
        QCOMPARE(control(b, "txtlts")->accessibleName(), QString("Your Net Litrers at 15 C are"));
        QCOMPARE(control(b, "txtbbl")->accessibleName(), QString("Net Barrels at 60 F are"));
    }
};

QTEST_MAIN(Table54ScreensTest)
#include "table54_screens_test.moc"
