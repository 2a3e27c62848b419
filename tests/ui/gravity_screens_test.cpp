#include "test_support.h"

#include <QLabel>

using namespace dravex::test;

namespace {

QString notice(QWidget *w)
{
    return w->findChild<QLabel *>("notice")->text();
}

QString label(QWidget *w, const char *name)
{
    return control<QLabel>(w, name)->text();
}

} // namespace

class GravityScreensTest : public QObject
{
    Q_OBJECT

private slots:
    void shows_corrected_gravity_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("observed");
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<QString>("expected");
        QTest::newRow("5A worked example") << "Form23" << "35.0" << "85" << "33.1";
        QTest::newRow("5B worked example") << "Form24" << "35.0" << "85" << "33.1";
        QTest::newRow("5A whole degrees") << "Form23" << "35.0" << "85.5" << "33";
        QTest::newRow("5B exact difference") << "Form24" << "35.0" << "85.5" << "33.1";
        QTest::newRow("5A below 60 F") << "Form23" << "50" << "40" << "52";
        QTest::newRow("5A last whole degree") << "Form23" << "45" << "241.4" << "30.8";
        QTest::newRow("5B negative gravity") << "Form24" << "-5" << "80" << "-5.7";
        QTest::newRow("53A worked example") << "Form25" << "850.0" << "30" << "860.4";
        QTest::newRow("53B worked example") << "Form26" << "850.0" << "30" << "860.3";
        QTest::newRow("53B gasolines") << "Form26" << "750" << "40" << "771.9";
        QTest::newRow("53B lower limit in range") << "Form26" << "650" << "40" << "673.7";
        QTest::newRow("53A no range check") << "Form25" << "1080" << "40" << "1093.5";
    }

    void shows_corrected_gravity()
    {
        QFETCH(QString, form);
        QFETCH(QString, observed);
        QFETCH(QString, temperature);
        QFETCH(QString, expected);
        Program program;
        QWidget *w = program.show(form);
        fillAndEnter(w, {{"txtobg", observed}, {"txtobt", temperature}});
        QCOMPARE(text(w, "txtcg"), expected);
        QCOMPARE(notice(w), QString());
        QVERIFY(!program.registry.window("Form15"));
    }

    void table53b_out_of_range_raises_one_window_and_still_writes()
    {
        Program program;
        QWidget *w = program.show("Form26");
        fillAndEnter(w, {{"txtobg", "1080.0"}, {"txtobt", "40"}});
        QVERIFY(program.registry.window("Form15"));
        QCOMPARE(text(w, "txtcg"), QString("1079.4"));
        fillAndEnter(w, {{"txtobg", "640"}, {"txtobt", "40"}});
        QCOMPARE(text(w, "txtcg"), QString("639.6"));
        QCOMPARE(openWindows().count("Form15"), 1);
    }

    void faults_keep_the_old_result()
    {
        Program program;
        QWidget *a = program.show("Form23");
        fillAndEnter(a, {{"txtobg", "35"}, {"txtobt", "85"}});
        fillAndEnter(a, {{"txtobg", "45"}, {"txtobt", "241.5"}});
        QCOMPARE(text(a, "txtcg"), QString("33.1"));
        QVERIFY(notice(a).startsWith("Overflow"));
        // The temperature is read first, so a bad gravity behind it is not named.
        fillAndEnter(a, {{"txtobg", "x"}, {"txtobt", ""}});
        QCOMPARE(notice(a), QString("Enter Observed Temp. (0.5): no number entered"));
        fillAndEnter(a, {{"txtobg", "-131.5"}, {"txtobt", "85"}});
        QCOMPARE(notice(a), QString("Division by zero"));
        QCOMPARE(text(a, "txtcg"), QString("33.1"));

        QWidget *b = program.show("Form26");
        fillAndEnter(b, {{"txtobg", "850"}, {"txtobt", "30"}});
        fillAndEnter(b, {{"txtobg", "abc"}, {"txtobt", "30"}});
        QCOMPARE(text(b, "txtcg"), QString("860.3"));
        QCOMPARE(notice(b), QString("Enter Observed Density: 'abc' is not a number"));
        fillAndEnter(b, {{"txtobg", "0"}, {"txtobt", "30"}});
        QCOMPARE(notice(b), QString("Division by zero"));
        QCOMPARE(text(b, "txtcg"), QString("860.3"));
    }

    void only_enter_in_the_temperature_computes()
    {
        Program program;
        for (const char *form : {"Form23", "Form24", "Form25", "Form26"}) {
            QWidget *w = program.show(form);
            type(w, "txtobg", "35");
            type(w, "txtobt", "85");
            enter(w, "txtobg");
            QCOMPARE(text(w, "txtobg"), QString("35"));
            QCOMPARE(text(w, "txtcg"), QString());
            QTest::keyClick(control(w, "txtobt"), Qt::Key_Tab);
            QCOMPARE(text(w, "txtcg"), QString());
        }
    }

    void tab_order_and_first_focus()
    {
        Program program;
        const std::pair<const char *, QStringList> orders[] = {
            {"Form23", {"txtobg", "txtobt", "txtcg", "txtobg"}},
            {"Form24", {"txtcg", "txtobt", "txtobg", "txtcg"}},
            {"Form25", {"txtcg", "txtobt", "txtobg", "txtcg"}},
            {"Form26", {"txtcg", "txtobt", "txtobg", "txtcg"}},
        };
        for (const auto &[form, order] : orders)
            QCOMPARE(tabSequence(program.show(form), 4), order);
    }

    void captions_and_labels_as_given()
    {
        Program program;
        QWidget *a = program.show("Form23");
        QCOMPARE(a->windowTitle(), QString("GRAVITY CORRECTION (TABLE 5a)"));
        QCOMPARE(label(a, "Label1"), QString(" Enter Observed API ( 0.5)"));
        QCOMPARE(label(a, "Label4"), QString("Place curser in box to enter your data.  Press Enter after you have "
                                             "entered your data.  Enter Temp to 0.5 Deg. F"));
        QWidget *b = program.show("Form24");
        QCOMPARE(b->windowTitle(), QString("GRAVITY CORRECTION (TABLE 5b)"));
        QCOMPARE(label(b, "Label2"), QString("Enter Observed Temp."));
        QCOMPARE(label(b, "Label4"), QString("Place curser in box to enter your data.  Press Enter after you have "
                                             "entered your data.  Enter Temp. to 0.5 Deg. F"));
        QWidget *d = program.show("Form26");
        QCOMPARE(d->windowTitle(), QString("GRAVITY CORRECTION (TABLE 53b)"));
        QCOMPARE(program.show("Form25")->windowTitle(), QString("GRAVITY CORRECTION (TABLE 53a)"));
        QCOMPARE(label(d, "Label3"), QString("Density at 15 Deg. C"));
        QCOMPARE(control<QLabel>(d, "Label2")->buddy(), control<QWidget>(d, "txtobt"));
        QCOMPARE(label(d, "Label4"), QString("Place curser in box to enter your data.  Press Enter after you have "
                                             "entered your data.  Enter Temp. to 0.25 Deg. C"));
    }
};

QTEST_MAIN(GravityScreensTest)
#include "gravity_screens_test.moc"
