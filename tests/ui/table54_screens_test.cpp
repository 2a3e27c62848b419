// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_support.h"

#include "screens/screen.h"

#include <QAbstractButton>
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
        QTest::newRow("54A") << "Form22"
                             << "850"
                             << "10000" << QStringList{"0.9915", "9915", "62.38", "2620", "9.915", "0.8355", "8.28"};
        QTest::newRow("54B negative gross")
            << "Form6"
            << "780"
            << "-10000" << QStringList{"0.9895", "9895", "62.29", "2616", "9.895", "0.7666", "7.59"};
        QTest::newRow("1074 still has gallons")
            << "Form6"
            << "1074"
            << "1000" << QStringList{"0.9938", "994", "6.26", "263", "0.994", "1.0559", "1.05"};
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
        QCOMPARE(noticeText(w), QString());
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
            QCOMPARE(noticeText(w), withStaleResults(QString("Gross Liters: 'ten' is not a number")));
            type(w, "txtgv", "10000");
            type(w, "txtapi", "0");
            enter(w, "txtgv");
            QCOMPARE(results(w), before);
            QCOMPARE(noticeText(w), withStaleResults(QString("Division by zero")));
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

    void working_shows_the_last_calculation_or_where_it_stopped()
    {
        Program program;
        auto *b = static_cast<dravex::Screen *>(program.show("Form6"));
        auto *toggle = control<QAbstractButton>(b, "working");
        auto *panel = control<QWidget>(b, "workingText");
        QVERIFY(!panel->isVisible());
        toggle->click();
        QVERIFY(panel->isVisible());

        fillAndEnter(b, {{"txtapi", "780"}, {"txtem", "25"}, {"txtgv", "10000"}});
        QCOMPARE(b->workingLines(),
                 QStringList({
                     "Density: 780 kg/m3 (as entered)",
                     "Product group: transition zone (770.5 < density <= 787.5)",
                     "Expansion coefficient: 0.0010424 per C (A + (B / density rounded to 6 places) / density "
                     "rounded to 8)",
                     "Temperature difference: 10 C (t - 15)",
                     "Factor before rounding: 0.989544118948009",
                     "Volume correction factor: 0.9895 (cut to 6 places, rounded to 4)",
                     "Gallons factor: 0.264348 gal/l (US gallons at 60 F per litre at 15 C, by density)",
                     "Gross volume: 10000 l",
                     "Net litres at 15 C: 9895 l (gross x factor, rounded to whole litres)",
                     "Net gallons at 60 F: 2616 gal (litres x gallons factor, rounded to whole gallons)",
                     "Net barrels at 60 F: 62.29 bbl (gallons / 42, rounded to 0.01)",
                     "Long-ton factor: 0.7666 LT/m3 ((density / 1000 - 0.0011) x 0.984236, cut to 4 places)",
                     "Cubic metres at 15 C: 9.895 m3 (litres / 1000)",
                     "Long tons: 7.59 LT (factor x cubic metres, rounded to 0.01)",
                 }));
        QCOMPARE(results(b), QStringList({"0.9895", "9895", "62.29", "2616", "9.895", "0.7666", "7.59"}));

        type(b, "txtgv", "ten");
        enter(b, "txtgv");
        QCOMPARE(b->workingLines(), QStringList{"Stopped: Gross Liters: 'ten' is not a number"});
        type(b, "txtgv", "10000");
        type(b, "txtapi", "1074.01");
        enter(b, "txtgv");
        QCOMPARE(b->workingLines(),
                 QStringList{"Stopped: density 1074.01 kg/m3 is above 1074: no product group or gallons factor"});
        QWidget *a = program.show("Form22");
        fillAndEnter(a, {{"txtapi", "1074.01"}, {"txtem", "25"}, {"txtgv", "10000"}});
        QCOMPARE(static_cast<dravex::Screen *>(a)->workingLines(),
                 QStringList{"Stopped: density 1074.01 kg/m3 is above 1074: no gallons factor"});

        toggle->click();
        QVERIFY(!panel->isVisible());
    }

    void fields_are_named_by_their_labels()
    {
        Program program;
        QWidget *a = program.show("Form22");
        QWidget *b = program.show("Form6");
        QCOMPARE(control(a, "txtlts")->accessibleName(), QString("Your Net Liters at 15 C are"));
        QCOMPARE(control(b, "txtlts")->accessibleName(), QString("Your Net Litrers at 15 C are"));
        QCOMPARE(control(b, "txtbbl")->accessibleName(), QString("Net Barrels at 60 F are"));
    }
};

QTEST_MAIN(Table54ScreensTest)
#include "table54_screens_test.moc"
