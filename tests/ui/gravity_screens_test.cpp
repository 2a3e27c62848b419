// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_support.h"

#include "screens/screen.h"

#include <QAbstractButton>
#include <QLabel>

using namespace dravex::test;

namespace {

QString label(QWidget *w, const char *name)
{
    return control<QLabel>(w, name)->text();
}

QStringList working(QWidget *w)
{
    return static_cast<dravex::Screen *>(w)->workingLines();
}

// Opens the closed working panel of a screen; the window grows to show it.
void openWorking(QWidget *w)
{
    auto *panel = control<QWidget>(w, "workingText");
    QVERIFY(!panel->isVisible());
    const int closedHeight = w->height();
    control<QAbstractButton>(w, "working")->click();
    QVERIFY(panel->isVisible());
    QVERIFY(w->height() > closedHeight);
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
        QTest::newRow("5A") << "Form23"
                            << "35.0"
                            << "85"
                            << "33.1";
        QTest::newRow("5A whole degrees") << "Form23"
                                          << "35.0"
                                          << "85.5"
                                          << "33";
        QTest::newRow("5B exact difference") << "Form24"
                                             << "35.0"
                                             << "85.5"
                                             << "33.1";
        QTest::newRow("5B negative gravity") << "Form24"
                                             << "-5"
                                             << "80"
                                             << "-5.7";
        QTest::newRow("53A") << "Form25"
                             << "850.0"
                             << "30"
                             << "860.4";
        QTest::newRow("53B") << "Form26"
                             << "850.0"
                             << "30"
                             << "860.3";
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
        // A negative gravity is beyond the printed table: said, and computed all the same.
        QCOMPARE(noticeText(w).isEmpty(), observed.toDouble() >= 0);
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
            QCOMPARE(noticeText(w), withStaleResults(QString(f.message)));
        }
        QWidget *d = program.show("Form26");
        fillAndEnter(d, {{"txtobg", "0"}, {"txtobt", "30"}});
        QCOMPARE(noticeText(d), QString("Division by zero"));
        QCOMPARE(text(d, "txtcg"), QString());
    }

    void table5_working_lists_the_passes_or_where_it_stopped()
    {
        Program program;
        QWidget *w = program.show("Form23");
        openWorking(w);
        fillAndEnter(w, {{"txtobg", "35.0"}, {"txtobt", "85.5"}});
        const QStringList lines = working(w);
        QCOMPARE(lines.mid(0, 3),
                 QStringList({
                     "Temperature difference: 25.5 F (t - 60)",
                     "Whole degrees used: 26 F (nearest whole degree, halves to the even one)",
                     "Observed density: 849.01 kg/m3 (141360.198 / (gravity + 131.5), rounded to 0.01)",
                 }));
        QVERIFY(lines.contains("Pass 8 density estimate: 859.079 kg/m3"));
        QCOMPARE(lines.last(), QString("API at 60 F shown: 33 API (rounded to 0.1, sign kept)"));
        QCOMPARE(text(w, "txtcg"), QString("33"));

        fillAndEnter(w, {{"txtobg", "45"}, {"txtobt", "241.5"}});
        QCOMPARE(working(w), QStringList{"Stopped: Overflow: a value is too large to calculate with"});
        QCOMPARE(text(w, "txtcg"), QString("33"));
    }

    void table53_working_names_the_band_and_stays_out_of_range()
    {
        Program program;
        QWidget *w = program.show("Form26");
        openWorking(w);
        fillAndEnter(w, {{"txtobg", "750.0"}, {"txtobt", "40"}});
        QStringList lines = working(w);
        QVERIFY(lines.contains("Product group: gasolines (650 <= observed density <= 778.5)"));
        QCOMPARE(lines.mid(lines.size() - 3), QStringList({"Pass 8 density estimate: 771.928 kg/m3",
                                                           "Density at 15 C: 771.928 kg/m3 (the eighth pass)",
                                                           "Density at 15 C shown: 771.9 kg/m3 (rounded to 0.1)"}));

        // Out of range still completes: the working says why there was no expansion.
        fillAndEnter(w, {{"txtobg", "1080.0"}, {"txtobt", "40"}});
        lines = working(w);
        QVERIFY(lines.contains("Product group: none (observed density below 650 or above 1075: no expansion, the glass "
                               "correction alone)"));
        QCOMPARE(lines.last(), QString("Density at 15 C shown: 1079.4 kg/m3 (rounded to 0.1)"));
        QCOMPARE(openWindows().count("Form15"), 1);

        fillAndEnter(w, {{"txtobg", "0"}, {"txtobt", "30"}});
        QCOMPARE(working(w), QStringList{"Stopped: Division by zero"});
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

    void labels_as_given()
    {
        Program program;
        QWidget *a = program.show("Form23");
        QCOMPARE(label(a, "Label1"), QString(" Enter Observed API ( 0.5)"));
        QCOMPARE(label(a, "Label4"), QString("Place curser in box to enter your data.  Press Enter after you have "
                                             "entered your data.  Enter Temp to 0.5 Deg. F"));
        QWidget *d = program.show("Form26");
        QCOMPARE(label(d, "Label3"), QString("Density at 15 Deg. C"));
        QCOMPARE(control<QLabel>(d, "Label2")->buddy(), control<QWidget>(d, "txtobt"));
    }
};

QTEST_MAIN(GravityScreensTest)
#include "gravity_screens_test.moc"
