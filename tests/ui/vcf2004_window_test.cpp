// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_support.h"

#include "screens/screen.h"

#include <QAbstractButton>
#include <QLabel>
#include <QScreen>

using namespace dravex;
using namespace dravex::test;

namespace {

const char *const kResults[] = {"txtdensitybase", "txtdensity60", "txtapi60", "txtrd60", "txtctl",
                                "txtfp",          "txtcpl",       "txtctpl",  "txtnet",  "txtgroupused"};

QStringList results(QWidget *w)
{
    QStringList shown;
    for (const char *name : kResults)
        shown << text(w, name);
    return shown;
}

} // namespace

class Vcf2004WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void computes_the_worked_example_by_keyboard()
    {
        Program program;
        auto *w = static_cast<Screen *>(program.show("Vcf2004"));
        QCOMPARE(w->windowTitle(), QString("VOLUME CORRECTION (2004 EDITION)"));
        QCOMPARE(w->focusWidget()->objectName(), QString("optCrude"));
        // Alpha60 belongs to special applications only.
        QVERIFY(!control(w, "txtalpha")->isEnabled());
        control<QAbstractButton>(w, "optSpecial")->click();
        QVERIFY(control(w, "txtalpha")->isEnabled());

        control<QAbstractButton>(w, "optProducts")->click();
        QVERIFY(!control(w, "txtalpha")->isEnabled());
        control<QAbstractButton>(w, "optKgm3")->click();
        fillAndEnter(w,
                     {{"txtdensity", "803.141"}, {"txttemp", "25.3"}, {"txtpressure", "267"}, {"txtgross", "10000"}});
        QCOMPARE(results(w), (QStringList{"787.5", "787.5", "48", "0.7883", "1.01838", "0.54", "1.00144", "1.01985",
                                          "10198.5", "transition zone"}));
        QCOMPARE(w->notice(), QString());
        QVERIFY(w->workingLines().contains("Density at 60 F: 787.507922593917 kg/m3 (rho60)"));

        // Enter in the temperature computes as well: the same entries at 15 C and in bar.
        control<QAbstractButton>(w, "optC")->click();
        control<QAbstractButton>(w, "optBar")->click();
        type(w, "txttemp", "15");
        type(w, "txtpressure", "");
        enter(w, "txttemp");
        QCOMPARE(text(w, "txtcpl"), QString("1"));
        QVERIFY(text(w, "txtctl") != QString("1.01838"));

        // Fits a 1366 x 768 screen with the working open.
        control<QAbstractButton>(w, "working")->click();
        QVERIFY(w->width() <= 1366);
        QVERIFY(w->height() <= 740);
    }

    void out_of_limit_entry_stops_and_writes_nothing()
    {
        Program program;
        auto *w = static_cast<Screen *>(program.show("Vcf2004"));
        control<QAbstractButton>(w, "optKgm3")->click();
        fillAndEnter(w, {{"txtdensity", "850"}, {"txttemp", "80"}, {"txtgross", "1000"}});
        const QStringList before = results(w);
        QCOMPARE(w->notice(), QString());
        type(w, "txttemp", "302.8");
        type(w, "txtgross", "2000");
        enter(w, "txtgross");
        QCOMPARE(w->notice(), withStaleResults(QString("Temperature 302.8 F is above the limit 302 F")));
        QCOMPARE(results(w), before);
        QCOMPARE(program.prompts.warnings, QStringList());
    }

    // A typed API at 60 F shows as typed, rounded once; a vacuum taken as 0 psig says so on
    // the notice line beside the results, and below full vacuum the window stops.
    void shows_typed_gravity_and_says_when_a_vacuum_is_taken_as_zero()
    {
        Program program;
        auto *w = static_cast<Screen *>(program.show("Vcf2004"));
        control<QAbstractButton>(w, "optAtBase")->click();
        fillAndEnter(w, {{"txtdensity", "41.35"}, {"txttemp", "60"}, {"txtpressure", "-5"}, {"txtgross", "1000"}});
        QCOMPARE(text(w, "txtapi60"), QString("41.4"));
        QCOMPARE(text(w, "txtcpl"), QString("1"));
        QCOMPARE(w->notice(),
                 QString("Pressure -5 psig is below 0: the 2004 edition takes a negative gauge pressure as 0 psig"));

        const QStringList before = results(w);
        type(w, "txtpressure", "-150");
        enter(w, "txtpressure");
        QCOMPARE(w->notice(),
                 withStaleResults(QString("Pressure -150 psig is below the limit -14.696 psig (full vacuum)")));
        QCOMPARE(results(w), before);
    }
};

QTEST_MAIN(Vcf2004WindowTest)
#include "vcf2004_window_test.moc"
