#include "test_support.h"

#include <QLabel>

using namespace dravex::test;

namespace {

QString notice(QWidget *w)
{
    return w->findChild<QLabel *>("notice")->text();
}

} // namespace

class ConversionScreensTest : public QObject
{
    Q_OBJECT

private slots:
    void converts_temperature_either_way()
    {
        Program program;
        QWidget *w = program.show("Form3");
        QCOMPARE(w->windowTitle(), QString("Temperature Conversion"));
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
        QCOMPARE(notice(w), QString("Celsius: 'hot' is not a number"));
        QTest::keyClick(control(w, "txtFah"), Qt::Key_1);
        QCOMPARE(text(w, "txtCels"), QString("hot"));
    }

    void converts_gravity_from_each_field_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("shown"); // txtapi, txtden, txtspe
        QTest::newRow("API 30") << "txtapi" << "30" << QStringList{"30", "875.6", "0.8745"};
        QTest::newRow("density 850") << "txtden" << "850" << QStringList{"34.9", "850", "0.8489"};
        QTest::newRow("specific gravity 0.85") << "txtspe" << "0.85" << QStringList{"34.7", "851.1", "0.85"};
        QTest::newRow("API below zero keeps its sign") << "txtden" << "1100" << QStringList{"-2.9", "1100", "1.0989"};
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
        QCOMPARE(notice(w), QString());
    }

    void gravity_stops_at_the_failing_step()
    {
        Program program;
        QWidget *w = program.show("Form4");
        fillAndEnter(w, {{"txtapi", "30"}});
        fillAndEnter(w, {{"txtspe", "-0.0011"}});
        // The density is written and read back as 0 before the division fails.
        QCOMPARE(QStringList({text(w, "txtapi"), text(w, "txtden")}), QStringList({"30", "0"}));
        QCOMPARE(notice(w), QString("Division by zero"));
        fillAndEnter(w, {{"txtden", ""}});
        QCOMPARE(notice(w), QString("Density at 15 Deg. C: no number entered"));
        QCOMPARE(text(w, "txtapi"), QString("30"));
    }

    void tab_order_first_focus_and_texts()
    {
        Program program;
        QWidget *t = program.show("Form3");
        QCOMPARE(tabSequence(t, 3), QStringList({"txtCels", "txtFah", "txtCels"}));
        QCOMPARE(control<QLabel>(t, "Label3")->text(),
                 QString("Press Enter after you have entered a temperature.  Re-enter a temperature if you desire "
                         "to continue.   Temperatures may be entered in either block."));
        QWidget *g = program.show("Form4");
        QCOMPARE(g->windowTitle(), QString("GRAVITY CONVERSION"));
        QCOMPARE(tabSequence(g, 4), QStringList({"txtapi", "txtden", "txtspe", "txtapi"}));
        QCOMPARE(control<QLabel>(g, "Label4")->text(),
                 QString("Press Enter after you have entered a gravity.  Re-enter a temperature if you desire "
                         "to continue.   Temperatures may be entered in either block."));
        QCOMPARE(control(g, "txtden")->accessibleName(), QString("Density at 15 Deg. C"));
    }
};

QTEST_MAIN(ConversionScreensTest)
#include "conversion_screens_test.moc"
