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
        QTest::newRow("5A") << "Form23" << "35.0" << "85" << "33.1";
        QTest::newRow("5A whole degrees") << "Form23" << "35.0" << "85.5" << "33";
        QTest::newRow("5B exact difference") << "Form24" << "35.0" << "85.5" << "33.1";
        QTest::newRow("5B negative gravity") << "Form24" << "-5" << "80" << "-5.7";
        QTest::newRow("53A") << "Form25" << "850.0" << "30" << "860.4";
        QTest::newRow("53B") << "Form26" << "850.0" << "30" << "860.3";
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
        QCOMPARE(text(w, "txtcg"), QString("1079.4"));
        fillAndEnter(w, {{"txtobg", "640"}, {"txtobt", "40"}});
        QCOMPARE(text(w, "txtcg"), QString("639.6"));
        QCOMPARE(openWindows().count("Form15"), 1);
    }

    void faults_keep_the_old_result()
    {
        Program program;
        QWidget *w = program.show("Form23");
        fillAndEnter(w, {{"txtobg", "35"}, {"txtobt", "85"}});
        struct Fault
        {
            const char *gravity, *temperature, *message;
        };
        const Fault faults[] = {
            {"45", "241.5", "Overflow: a value is too large to calculate with"},
            {"45x", "", "Enter Observed Temp. (0.5): no number entered"}, // read before the gravity
            {"45x", "85", "Enter Observed API ( 0.5): '45x' is not a number"},
        };
        for (const Fault &f : faults) {
            fillAndEnter(w, {{"txtobg", f.gravity}, {"txtobt", f.temperature}});
            QCOMPARE(text(w, "txtcg"), QString("33.1"));
            QCOMPARE(notice(w), QString(f.message));
        }
        QWidget *d = program.show("Form26");
        fillAndEnter(d, {{"txtobg", "0"}, {"txtobt", "30"}});
        QCOMPARE(notice(d), QString("Division by zero"));
        QCOMPARE(text(d, "txtcg"), QString());
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
        QWidget *d = program.show("Form26");
        QCOMPARE(d->windowTitle(), QString("GRAVITY CORRECTION (TABLE 53b)"));
        QCOMPARE(label(d, "Label3"), QString("Density at 15 Deg. C"));
        QCOMPARE(control<QLabel>(d, "Label2")->buddy(), control<QWidget>(d, "txtobt"));
    }
};

QTEST_MAIN(GravityScreensTest)
#include "gravity_screens_test.moc"
