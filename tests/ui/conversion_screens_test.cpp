// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_support.h"

#include "screens/screen.h"

#include <QAbstractButton>
#include <QLabel>

using namespace dravex::test;

namespace {

} // namespace

class ConversionScreensTest : public QObject
{
    Q_OBJECT

private slots:
    void converts_temperature_either_way()
    {
        Program program;
        QWidget *w = program.show("Form3");
        fillAndEnter(w, {{"txtCels", "37"}});
        QCOMPARE(text(w, "txtFah"), QString("98.6"));
        QCOMPARE(text(w, "txtCels"), QString("37"));
        enter(w, "txtFah");
        QCOMPARE(text(w, "txtCels"), QString("37"));
        fillAndEnter(w, {{"txtFah", "100"}});
        QCOMPARE(text(w, "txtCels"), QString("37.7777777777778"));
    }

    void temperature_keeps_other_field_on_bad_input()
    {
        Program program;
        QWidget *w = program.show("Form3");
        fillAndEnter(w, {{"txtCels", "100"}});
        fillAndEnter(w, {{"txtCels", "hot"}});
        QCOMPARE(text(w, "txtFah"), QString("212"));
        QCOMPARE(noticeText(w), withStaleResults(QString("Celsius: 'hot' is not a number")));
        QTest::keyClick(control(w, "txtFah"), Qt::Key_1);
        QCOMPARE(text(w, "txtCels"), QString("hot"));
    }

    void converts_gravity_from_each_field_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("shown"); // txtapi, txtden, txtspe
        QTest::newRow("API 30") << "txtapi"
                                << "30" << QStringList{"30", "875.6", "0.8745"};
        QTest::newRow("density 850") << "txtden"
                                     << "850" << QStringList{"34.9", "850", "0.8489"};
        QTest::newRow("specific gravity 0.85") << "txtspe"
                                               << "0.85" << QStringList{"34.7", "851.1", "0.85"};
        QTest::newRow("API below zero keeps its sign") << "txtden"
                                                       << "1100" << QStringList{"-2.9", "1100", "1.0989"};
    }

    void converts_gravity_from_each_field()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QStringList, shown);
        Program program;
        QWidget *w = program.show("Form4");
        fillAndEnter(w, {{qPrintable(field), typed}});
        QCOMPARE(QStringList({text(w, "txtapi"), text(w, "txtden"), text(w, "txtspe")}), shown);
        QCOMPARE(noticeText(w), QString());
    }

    void gravity_stops_at_the_failing_step()
    {
        Program program;
        QWidget *w = program.show("Form4");
        fillAndEnter(w, {{"txtapi", "30"}});
        fillAndEnter(w, {{"txtspe", "-0.0011"}});
        // The density is written and read back as 0 before the division fails.
        QCOMPARE(QStringList({text(w, "txtapi"), text(w, "txtden")}), QStringList({"30", "0"}));
        QCOMPARE(noticeText(w), QString("Division by zero"));
        fillAndEnter(w, {{"txtden", ""}});
        QCOMPARE(noticeText(w), QString("Density at 15 Deg. C: no number entered"));
        QCOMPARE(text(w, "txtapi"), QString("30"));
    }

    void gravity_working_follows_each_enter()
    {
        Program program;
        auto *w = static_cast<dravex::Screen *>(program.show("Form4"));
        auto *panel = control<QWidget>(w, "workingText");
        const int closedHeight = w->height();
        control<QAbstractButton>(w, "working")->click();
        QVERIFY(panel->isVisible() && w->height() > closedHeight);

        fillAndEnter(w, {{"txtapi", "30"}});
        // The screen's own steps around the core's: what was entered, what was read back.
        const QStringList lines = w->workingLines();
        QCOMPARE(lines.mid(0, 2),
                 QStringList({"API at 60 F: 30 API (as entered)",
                              "Density at 60 F: 875.295343653251 kg/m3 (141360.198 / (API + 131.5), read back from "
                              "its field)"}));
        QCOMPARE(lines.mid(5), QStringList({"Density at 15 C: 875.6 kg/m3 (rounded to 0.1)",
                                            "Specific gravity at 15 C: 0.8745 (density as read back / 1000 - 0.0011, "
                                            "unrounded)"}));
        fillAndEnter(w, {{"txtspe", "0.85"}});
        QCOMPARE(w->workingLines().mid(0, 2),
                 QStringList({"Specific gravity at 15 C: 0.85 (as entered)",
                              "Density at 15 C: 851.1 kg/m3 ((specific gravity + 0.0011) x 1000, read back from its "
                              "field)"}));
        QCOMPARE(w->workingLines().last(), QString("API at 60 F: 34.7 API (rounded to 0.1, sign kept)"));

        control<QAbstractButton>(w, "working")->click();
        QVERIFY(!panel->isVisible());
        QCOMPARE(w->height(), closedHeight);
        // Closed, the panel still follows the calculations.
        fillAndEnter(w, {{"txtspe", "-0.0011"}});
        QCOMPARE(w->workingLines(), QStringList{"Stopped: Division by zero"});
    }

    void help_texts_and_field_names()
    {
        Program program;
        QWidget *t = program.show("Form3");
        QCOMPARE(control<QLabel>(t, "Label3")->text(),
                 QString("Press Enter after you have entered a temperature.  Re-enter a temperature if you desire "
                         "to continue.   Temperatures may be entered in either block."));
        QWidget *g = program.show("Form4");
        QCOMPARE(control<QLabel>(g, "Label4")->text(),
                 QString("Press Enter after you have entered a gravity.  Re-enter a temperature if you desire "
                         "to continue.   Temperatures may be entered in either block."));
        QCOMPARE(control(g, "txtden")->accessibleName(), QString("Density at 15 Deg. C"));
    }
};

QTEST_MAIN(ConversionScreensTest)
#include "conversion_screens_test.moc"
