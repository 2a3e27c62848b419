// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_support.h"

#include "screens/screen.h"

#include <QAbstractButton>
#include <QLabel>
#include <QRadioButton>

using namespace dravex::test;

namespace {

using Entries = std::vector<std::pair<const char *, QString>>;

const Entries kEnglishTank{{"txtvl", "600"}, {"txttl", "40"},  {"txttw", "30"}, {"txtbhd", "10"},
                           {"txtfdt", "20"}, {"txtadt", "26"}, {"txttdp", "50"}};
const Entries kMetricTank{{"txtvl", "200"}, {"txttl", "12"},  {"txttw", "10"}, {"txtbhd", "2"},
                          {"txtfdt", "8"},  {"txtadt", "10"}, {"txttdp", "20"}};

QString notice(QWidget *w)
{
    return w->findChild<QLabel *>("notice")->text();
}

QStringList working(QWidget *w)
{
    return static_cast<dravex::Screen *>(w)->workingLines();
}

QRadioButton *option(QWidget *w, const char *name)
{
    return control<QRadioButton>(w, name);
}

QWidget *wedge(Program &program, const char *units, const Entries &tank, const QString &innage)
{
    QWidget *w = program.show("Form7");
    if (units)
        QTest::mouseClick(option(w, units), Qt::LeftButton);
    for (const auto &[name, value] : tank)
        type(w, name, value);
    type(w, "txtinn", innage);
    enter(w, "txtinn");
    return w;
}

// Tab pressed for real from the first focus.
QStringList tabbing(int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i) {
        names << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return names;
}

} // namespace

class GaugingScreensTest : public QObject
{
    Q_OBJECT

private slots:
    void wedge_worked_examples_data()
    {
        QTest::addColumn<bool>("metric");
        QTest::addColumn<QString>("innage");
        QTest::addColumn<QString>("rob");
        QTest::addColumn<bool>("outOfRange");
        QTest::newRow("English within the wedge") << false << "3"
                                                  << "31.8" << false;
        QTest::newRow("English beyond the wedge still writes") << false << "6"
                                                               << "94.58" << true;
        QTest::newRow("Metric at the limit") << true << "100"
                                             << "6.962" << false;
    }

    void wedge_worked_examples()
    {
        QFETCH(bool, metric);
        QFETCH(QString, innage);
        QFETCH(QString, rob);
        QFETCH(bool, outOfRange);
        Program program;
        QWidget *w = wedge(program, metric ? "Option2" : "Option1", metric ? kMetricTank : kEnglishTank, innage);
        QCOMPARE(text(w, "txtrob"), rob);
        QCOMPARE(text(w, "txtmes"), QString(metric ? "Cub. Mtrs." : "BBLS."));
        QCOMPARE(program.registry.window("Form15") != nullptr, outOfRange);
        // Beyond the wedge the notice line says so beside the result.
        QCOMPARE(notice(w).isEmpty(), !outOfRange);
    }

    void wedge_without_units_asks_for_them_and_writes_nothing()
    {
        Program program;
        QWidget *w = wedge(program, nullptr, kEnglishTank, "3");
        QCOMPARE(text(w, "txtrob") + text(w, "txtmes"), QString());
        QVERIFY(notice(w).contains("English or Metric"));
        QTest::mouseClick(option(w, "Option1"), Qt::LeftButton);
        enter(w, "txtinn");
        QCOMPARE(text(w, "txtrob"), QString("31.8"));
        QCOMPARE(notice(w), QString());
    }

    void wedge_faults_keep_the_old_results()
    {
        Program program;
        QWidget *w = wedge(program, "Option1", kEnglishTank, "3");
        QTest::mouseClick(option(w, "Option2"), Qt::LeftButton);
        // Even keel: beyond the zero limit first, then no slope to divide by.
        type(w, "txtadt", "20");
        enter(w, "txtinn");
        QCOMPARE(notice(w), withStaleResults(QString("Division by zero")));
        QVERIFY(program.registry.window("Form15"));
        QCOMPARE(text(w, "txtrob") + text(w, "txtmes"), QString("31.8BBLS."));
        // The out-of-range window comes before a bad field read after it.
        Program::closeAll();
        w = wedge(program, "Option1", kEnglishTank, "6");
        type(w, "txttdp", "abc");
        enter(w, "txtinn");
        QCOMPARE(notice(w), withStaleResults(QString("Tank Depth: 'abc' is not a number")));
        QCOMPARE(text(w, "txtrob"), QString("94.58"));
        QCOMPARE(openWindows().count("Form15"), 1);
        // A vessel length of 0 fails at the limit test, before any window.
        Program::closeAll();
        w = wedge(program, "Option1", kEnglishTank, "3");
        type(w, "txtvl", "0");
        enter(w, "txtinn");
        QCOMPARE(notice(w), withStaleResults(QString("Division by zero")));
        QVERIFY(!program.registry.window("Form15"));
    }

    void wedge_working_shows_the_last_calculation_or_where_it_stopped()
    {
        Program program;
        QWidget *w = program.show("Form7");
        auto *panel = control<QWidget>(w, "workingText");
        QVERIFY(!panel->isVisible());
        control<QAbstractButton>(w, "working")->click();
        QVERIFY(panel->isVisible());

        wedge(program, "Option1", kEnglishTank, "6");
        QCOMPARE(text(w, "txtrob"), QString("94.58"));
        const QStringList lines = working(w);
        QCOMPARE(lines.at(4), QString("Out of range: innage above the limit (the liquid reaches the far bulkhead; "
                                      "the wedge formula's quantity is given all the same)"));
        QCOMPARE(lines.last(), QString("Quantity remaining: 94.58 bbl (rounded to 0.01)"));

        type(w, "txttdp", "abc");
        enter(w, "txtinn");
        QCOMPARE(working(w), QStringList{"Stopped: Tank Depth: 'abc' is not a number"});
        QCOMPARE(text(w, "txtrob"), QString("94.58"));
        // Without a unit system nothing is computed, and the working says so.
        Program::closeAll();
        w = wedge(program, nullptr, kEnglishTank, "3");
        QCOMPARE(working(w), QStringList{"Stopped: no unit system chosen"});
        QVERIFY(notice(w).contains("English or Metric"));
    }

    void stop_gauge_working_shows_the_factor_and_the_quantities()
    {
        Program program;
        QWidget *w = program.show("Form9");
        control<QAbstractButton>(w, "working")->click();
        fill(w, {{"txtbm", "10000"}, {"txtgv", "50000"}, {"txtapi", "35"}, {"txtem", "80"}});
        QTest::mouseClick(option(w, "Option1"), Qt::LeftButton);
        QTest::keyClick(option(w, "Option1"), Qt::Key_Return);
        QCOMPARE(text(w, "txtstp"), QString("39904.09"));
        const QStringList lines = working(w);
        QCOMPARE(lines.at(1), QString("Density at 60 F: 849.01 kg/m3 (rounded to 0.01)"));
        QCOMPARE(lines.mid(6), QStringList({
                                   "Volume correction factor: 0.9905 (rounded to 4 places)",
                                   "Net quantity to move: 10000 (at 60 F)",
                                   "Gross quantity to move: 10095.9111559818 (net / factor, not rounded)",
                                   "Opening quantity: 50000",
                                   "Stop quantity before rounding: 39904.0888440182 (opening - gross)",
                                   "Stop gauge quantity: 39904.09 (rounded to 0.01, sign kept)",
                               }));

        type(w, "txtgv", "");
        QTest::keyClick(option(w, "Option1"), Qt::Key_Return);
        QCOMPARE(working(w), QStringList{"Stopped: Opening gauge quantity: no number entered"});
        // Table 6B has no factor above 1074 kg/m3: the working says where it stopped.
        type(w, "txtapi", "0.1");
        QTest::mouseClick(option(w, "Option2"), Qt::LeftButton);
        QTest::keyClick(option(w, "Option2"), Qt::Key_Return);
        QCOMPARE(working(w), QStringList{"Stopped: density 1074.17 kg/m3 is above 1074: no product group"});
        QCOMPARE(text(w, "txtstp"), QString("39904.09"));
    }

    void enter_in_write_back_fields_computes_nothing()
    {
        Program program;
        const struct
        {
            const char *form;
            std::vector<const char *> fields;
            const char *result;
        } screens[] = {
            {"Form7", {"txtvl", "txttl", "txttw", "txtbhd", "txtfdt", "txtadt", "txttdp"}, "txtrob"},
            {"Form9", {"txtgv"}, "txtstp"},
            {"Form8", {"txtt1", "txtt2", "txtt3", "txtt4", "txtv1", "txtv2", "txtv3"}, "txtt5"},
            {"Form20", {"txtd1", "txtv1", "txtd2"}, "txtd3"},
        };
        for (const auto &s : screens) {
            QWidget *w = program.show(s.form);
            for (const char *f : s.fields)
                type(w, f, "12.5");
            type(w, s.result, "old");
            for (const char *f : s.fields) {
                control(w, f)->setCursorPosition(1);
                enter(w, f);
                QCOMPARE(text(w, f), QString("12.5"));
                QCOMPARE(control(w, f)->cursorPosition(), 1);
            }
            QCOMPARE(text(w, s.result), QString("old"));
        }
    }

    void stop_gauge_computes_on_a_key_on_the_selected_table()
    {
        Program program;
        QWidget *w = program.show("Form9");
        fill(w, {{"txtbm", "10000"}, {"txtgv", "50000"}, {"txtapi", "35"}, {"txtem", "80"}});
        QTest::keyClick(option(w, "Option1"), Qt::Key_A);        // nothing selected yet
        QTest::mouseClick(option(w, "Option1"), Qt::LeftButton); // the mouse alone computes nothing
        QTest::keyClick(option(w, "Option2"), Qt::Key_A);        // not the selected one
        QTest::keyClick(option(w, "Option1"), Qt::Key_Tab);      // moves the focus only
        QCOMPARE(text(w, "txtstp"), QString());
        QTest::keyClick(option(w, "Option1"), Qt::Key_Return);
        QCOMPARE(text(w, "txtstp"), QString("39904.09"));
        type(w, "txtgv", "5000");
        QTest::keyClick(option(w, "Option1"), Qt::Key_X);
        QCOMPARE(text(w, "txtstp"), QString("-5095.91"));
    }

    void stop_gauge_table6b_by_keyboard_and_its_limit()
    {
        Program program;
        QWidget *w = program.show("Form9");
        QVERIFY(QTest::qWaitForWindowActive(w));
        fill(w, {{"txtbm", "10000"}, {"txtgv", "50000"}, {"txtapi", "30"}, {"txtem", "80"}});
        // Space selects Table 6 A on its release, Down moves to Table 6 B and selects it.
        QTest::keyClick(option(w, "Option1"), Qt::Key_Space);
        QTest::keyClick(option(w, "Option1"), Qt::Key_Down);
        QVERIFY(option(w, "Option2")->hasFocus() && option(w, "Option2")->isChecked());
        QCOMPARE(text(w, "txtstp"), QString());
        QTest::keyClick(option(w, "Option2"), Qt::Key_Space);
        QCOMPARE(text(w, "txtstp"), QString("39910.2")); // factor 0.9911
        // Above 1074 kg/m3 Table 6B has no factor: out of range, the old result stays.
        type(w, "txtapi", "0.1");
        QTest::keyClick(option(w, "Option2"), Qt::Key_Space);
        QVERIFY(program.registry.window("Form15"));
        type(w, "txtapi", "30");
        type(w, "txtbm", "");
        QTest::keyClick(option(w, "Option2"), Qt::Key_Space);
        QCOMPARE(notice(w), withStaleResults(QString("Net Quantity to be Moved: no number entered")));
        QCOMPARE(text(w, "txtstp"), QString("39910.2"));
    }

    void average_gravity()
    {
        Program program;
        QWidget *w = program.show("Form8");
        const auto tanks = [w](const QStringList &gravities, const QStringList &volumes) {
            for (int k = 0; k < 4; ++k) {
                type(w, qPrintable(QString("txtt%1").arg(k + 1)), gravities[k]);
                type(w, qPrintable(QString("txtv%1").arg(k + 1)), volumes[k]);
            }
            enter(w, "txtv4");
        };
        tanks({"35.2", "36.8", "34.1", "40.0"}, {"10000", "5000", "2500", "2500"});
        QCOMPARE(text(w, "txtt5"), QString("36.06"));
        // Every field must hold a number; the volumes are read before the gravities.
        tanks({"30", "40", "", "0"}, {"1000", "3000", "0", "x"});
        QCOMPARE(notice(w), withStaleResults(QString("Tank 4 Volume: 'x' is not a number")));
        tanks({"30", "40", "", "0"}, {"1000", "3000", "0", "0"});
        QCOMPARE(notice(w), withStaleResults(QString("Tank 3 Gravity: no number entered")));
        tanks({"30", "40", "0", "0"}, {"0", "0", "0", "0"});
        QCOMPARE(notice(w), withStaleResults(QString("Division by zero")));
        QCOMPARE(text(w, "txtt5"), QString("36.06"));
    }

    void theoretical_density()
    {
        Program program;
        QWidget *w = program.show("Form20");
        fillAndEnter(w, {{"txtd1", "815.3"}, {"txtv1", "2500"}, {"txtd2", "842.7"}, {"txtv2", "10000"}});
        QCOMPARE(text(w, "txtd3"), QString("835.9"));
        type(w, "txtv2", "0");
        enter(w, "txtv2");
        QCOMPARE(notice(w), withStaleResults(QString("Division by zero")));
        type(w, "txtd2", "");
        enter(w, "txtv2");
        QCOMPARE(notice(w), withStaleResults(QString("Vessel Composit Density: no number entered")));
        QTest::mouseClick(control<QWidget>(w, "Command1"), Qt::LeftButton);
        QCOMPARE(text(w, "txtd3"), QString("835.9"));
    }

    // Real Tab presses from the first focus, which Qt would otherwise let skip an option
    // button of a group; and each window fits a small screen.
    void tab_presses_visit_every_control_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("wedge") << "Form7"
                               << QStringList{"txtvl",  "txttl",  "txttw",   "txtbhd",  "txtfdt", "txtadt",  "txttdp",
                                              "txtinn", "txtrob", "Option1", "Option2", "txtmes", "working", "txtvl"};
        QTest::newRow("stop gauge") << "Form9" << QStringList{"Option1", "Option2", "txtbm",   "txtgv",  "txtapi",
                                                              "txtem",   "txtstp",  "working", "Option1"};
        QTest::newRow("average gravity") << "Form8" << QStringList{"txtt1", "txtt2", "txtt3", "txtt4", "txtt5",
                                                                   "txtv1", "txtv2", "txtv3", "txtv4", "txtt1"};
        QTest::newRow("theoretical density")
            << "Form20" << QStringList{"txtv1", "txtd3", "txtd1", "txtd2", "txtv2", "Command1", "txtv1"};
    }

    void tab_presses_visit_every_control()
    {
        QFETCH(QString, form);
        QFETCH(QStringList, order);
        Program program;
        QWidget *w = program.show(form);
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(tabbing(order.size()), order);
        QVERIFY(w->sizeHint().width() <= 1366 && w->sizeHint().height() <= 740);
    }

private:
    static void fill(QWidget *w, const Entries &values)
    {
        for (const auto &[name, value] : values)
            type(w, name, value);
    }
};

QTEST_MAIN(GaugingScreensTest)
#include "gauging_screens_test.moc"
