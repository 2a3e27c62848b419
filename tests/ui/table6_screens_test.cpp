// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_support.h"

#include "screens/screen.h"

#include <QAbstractButton>
#include <QLabel>

using namespace dravex::test;

class Table6ScreensTest : public QObject
{
    Q_OBJECT

private slots:
    void shows_worked_examples_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("api");
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<QString>("gross");
        QTest::addColumn<QStringList>("results"); // vcf, bbl, gal, lf, ltn
        QTest::newRow("6A worked example") << "Form5"
                                           << "30"
                                           << "80"
                                           << "10000" << QStringList{"0.9911", "9911", "416262", "0.13679", "1355.73"};
        QTest::newRow("6B worked example") << "Form21"
                                           << "50"
                                           << "80"
                                           << "10000" << QStringList{"0.9882", "9882", "415044", "0.12169", "1202.54"};
        QTest::newRow("6A base temperature") << "Form5"
                                             << "30"
                                             << "60"
                                             << "1234.567" << QStringList{"1", "1234.57", "51851", "0.13679", "168.88"};
        QTest::newRow("6A negative gross") << "Form5"
                                           << "30"
                                           << "80"
                                           << "-10000" << QStringList{"0.9911", "9911", "416262", "0.13679", "1355.73"};
        QTest::newRow("6A gravity rounded for factor only")
            << "Form5"
            << "30.126"
            << "80"
            << "100" << QStringList{"0.9911", "99.11", "4162", "0.13668", "13.55"};
        QTest::newRow("6A negative gravity")
            << "Form5"
            << "-30"
            << "80"
            << "10000" << QStringList{"0.9911", "9911", "416262", "0.21775", "2158.12"};
        QTest::newRow("6A tiny net") << "Form5"
                                     << "30"
                                     << "60"
                                     << "0.01" << QStringList{"1", "0.01", "0", "0.13679", "0"};
    }

    void shows_worked_examples()
    {
        QFETCH(QString, form);
        QFETCH(QString, api);
        QFETCH(QString, temperature);
        QFETCH(QString, gross);
        QFETCH(QStringList, results);
        Program program;
        QWidget *w = program.show(form);
        fillAndEnter(w, {{"txtapi", api}, {"txtem", temperature}, {"txtgv", gross}});
        const QStringList shown{text(w, "txtvcf"), text(w, "txtbbl"), text(w, "txtgal"), text(w, "txtlf"),
                                text(w, "txtltn")};
        QCOMPARE(shown, results);
        // A negative gravity is beyond the printed table: said, and computed all the same.
        QCOMPARE(noticeText(w).isEmpty(), api.toDouble() >= 0);
    }

    void enter_elsewhere_computes_nothing()
    {
        Program program;
        QWidget *w = program.show("Form5");
        type(w, "txtapi", "30");
        type(w, "txtem", "80");
        type(w, "txtgv", "10000");
        enter(w, "txtapi");
        enter(w, "txtem");
        QTest::keyClick(control(w, "txtgv"), Qt::Key_A);
        QCOMPARE(text(w, "txtvcf"), QString());
        QTest::keyClick(control(w, "txtgv"), Qt::Key_Backspace);
        QTest::keyClick(control(w, "txtgv"), Qt::Key_Enter); // the keypad Enter counts too
        QCOMPARE(text(w, "txtvcf"), QString("0.9911"));
    }

    void keeps_unwritten_fields_on_bad_gross()
    {
        Program program;
        for (const char *form : {"Form5", "Form21"}) {
            QWidget *w = program.show(form);
            fillAndEnter(w, {{"txtapi", "30"}, {"txtem", "80"}, {"txtgv", "10000"}});
            type(w, "txtem", "60");
            type(w, "txtgv", "abc");
            enter(w, "txtgv");
            // Table 6A writes its factor before it reads the gross volume; 6B after.
            QCOMPARE(text(w, "txtvcf"), QString(QLatin1String(form) == "Form5" ? "1" : "0.9911"));
            QCOMPARE(text(w, "txtbbl"), QString("9911"));
            QCOMPARE(text(w, "txtltn"), QString("1355.73"));
            QCOMPARE(noticeText(w), withStaleResults(QString("Gross Barrels: 'abc' is not a number")));
            type(w, "txtgv", "10000");
            enter(w, "txtgv");
            QCOMPARE(text(w, "txtbbl"), QString("10000"));
            QCOMPARE(noticeText(w), QString());
        }
    }

    void stops_on_division_and_empty_fields()
    {
        Program program;
        QWidget *w = program.show("Form5");
        fillAndEnter(w, {{"txtapi", "-131.5"}, {"txtem", "80"}, {"txtgv", "100"}});
        QVERIFY(!text(w, "txtgal").isEmpty());
        QCOMPARE(text(w, "txtlf"), QString());
        QCOMPARE(noticeText(w), QString("Division by zero"));
        type(w, "txtem", "");
        enter(w, "txtgv");
        QCOMPARE(noticeText(w), withStaleResults(QString("Temperature to 0.5 Degrees F: no number entered")));
    }

    void overflow_never_shows_inf()
    {
        Program program;
        QWidget *w = program.show("Form21");
        fillAndEnter(w, {{"txtapi", "30"}, {"txtem", "80"}, {"txtgv", "1e307"}});
        QCOMPARE(text(w, "txtbbl"), QString());
        QVERIFY(noticeText(w).startsWith("Overflow"));
    }

    void table6b_above_1074_shows_out_of_range_and_writes_nothing()
    {
        Program program;
        QWidget *w = program.show("Form21");
        fillAndEnter(w, {{"txtapi", "0.1"}, {"txtem", "80"}, {"txtgv", "100"}});
        QVERIFY(program.registry.window("Form15"));
        for (const char *name : {"txtvcf", "txtbbl", "txtgal", "txtlf", "txtltn"})
            QCOMPARE(text(w, name), QString());
        enter(w, "txtgv");
        QCOMPARE(openWindows().count("Form15"), 1);
    }

    void working_shows_the_last_calculation_or_where_it_stopped()
    {
        Program program;
        auto *b = static_cast<dravex::Screen *>(program.show("Form21"));
        auto *toggle = control<QAbstractButton>(b, "working");
        auto *panel = control<QWidget>(b, "workingText");
        QVERIFY(!panel->isVisible());
        const int closedHeight = b->height();
        toggle->click();
        QVERIFY(panel->isVisible());
        QVERIFY(b->height() > closedHeight);

        fillAndEnter(b, {{"txtapi", "50"}, {"txtem", "80"}, {"txtgv", "10000"}});
        const QStringList lines = b->workingLines();
        QCOMPARE(lines.mid(0, 5), QStringList({
                                      "Gravity used: 50 API (rounded to 0.01, sign dropped)",
                                      "Density at 60 F: 778.84 kg/m3 (rounded to 0.01)",
                                      "Product group: transition zone (770.36 < density <= 787.52)",
                                      "Expansion coefficient: 0.00058641 per F (A + (B / density rounded to 6 places) "
                                      "/ density rounded to 8)",
                                      "Temperature difference: 20 F (t - 60)",
                                  }));
        QCOMPARE(lines.at(5), QString("Factor before rounding: 0.988231555736155"));
        QCOMPARE(lines.at(6), QString("Volume correction factor: 0.9882 (cut to 6 places, rounded to 4)"));
        QVERIFY(lines.contains("Long-ton factor: 0.12169 LT/bbl (cut to 5 places)"));
        QCOMPARE(lines.last(), QString("Long tons: 1202.54 LT (factor x net barrels, rounded to 0.01)"));
        // Results are the same with the panel open.
        QCOMPARE(text(b, "txtltn"), QString("1202.54"));

        type(b, "txtgv", "abc");
        enter(b, "txtgv");
        QCOMPARE(b->workingLines(), QStringList{"Stopped: Gross Barrels: 'abc' is not a number"});
        type(b, "txtapi", "0.1");
        type(b, "txtgv", "100");
        enter(b, "txtgv");
        QCOMPARE(b->workingLines().last(), QString("Stopped: density 1074.17 kg/m3 is above 1074: no product group"));
        // A completed calculation clears the notice line, so the window's height is the
        // panel's alone.
        type(b, "txtapi", "50");
        enter(b, "txtgv");

        toggle->click();
        QVERIFY(!panel->isVisible());
        QCOMPARE(b->height(), closedHeight);
    }

    void fields_are_named_by_their_labels()
    {
        Program program;
        QWidget *b = program.show("Form21");
        QCOMPARE(control(b, "txtbbl")->accessibleName(), QString("Your Net Barrels at 60 Deg F Are"));
        QCOMPARE(control(b, "txtgal")->accessibleName(), QString("Net Gallons"));
    }
};

QTEST_MAIN(Table6ScreensTest)
#include "table6_screens_test.moc"
