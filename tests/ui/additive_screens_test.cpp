// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_support.h"

#include "screens/column_wrapped_label.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using namespace dravex;
using namespace dravex::test;

namespace {

using Fields = std::vector<std::pair<const char *, QString>>;

QString notice(QWidget *w)
{
    return w->findChild<QLabel *>("notice")->text();
}

QStringList texts(QWidget *w, const QStringList &names)
{
    QStringList shown;
    for (const QString &name : names)
        shown << text(w, qPrintable(name));
    return shown;
}

// Picks a product the way a user does, by clicking it in the list.
void choose(QWidget *w, const QString &product)
{
    auto *list = control<QListWidget>(w, "List1");
    const QList<QListWidgetItem *> found = list->findItems(product, Qt::MatchExactly);
    QVERIFY(!found.isEmpty());
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
}

// Chooses a unit from the keyboard: Space on the focused option button.
void chooseUnit(QWidget *w, const char *option)
{
    auto *button = control<QRadioButton>(w, option);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    QVERIFY(button->isChecked());
}

QStringList lines(QWidget *w, const char *label)
{
    return control<ColumnWrappedLabel>(w, label)->lines();
}

} // namespace

Q_DECLARE_METATYPE(Fields)

class AdditiveScreensTest : public QObject
{
    Q_OBJECT

private slots:
    void shows_worked_examples_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<Fields>("inputs"); // typed in this order, Enter in the last
        QTest::addColumn<QStringList>("outputs");
        QTest::addColumn<QStringList>("expected");
        const QStringList fsii{"txtfis", "txtgfs"};
        const QStringList sda{"txtmix", "txtprd"};
        QTest::newRow("FSII barrels, help example")
            << "Form10" << Fields{{"txterd", ".12"}, {"txtqtb", "1234.56"}, {"txtflt", ".09"}} << fsii
            << QStringList{"15.555456", "12.6"};
        // From the unrounded gallons the figure would be 8.40000000000001.
        QTest::newRow("FSII barrels, per 1000 from the gallons shown")
            << "Form10" << Fields{{"txterd", ".14"}, {"txtqtb", "1234.56"}, {"txtflt", ".12"}} << fsii
            << QStringList{"10.370304", "8.4"};
        QTest::newRow("FSII gallons, help example")
            << "Form16" << Fields{{"txterd", ".12"}, {"txtqfi", "1234.56"}, {"txtpir", ".09"}} << QStringList{"txtfsi"}
            << QStringList{"0.370368"};
        QTest::newRow("SDA barrels, binary cut 688.7")
            << "Form11" << Fields{{"txtqti", "1000"}, {"txtilr", "50"}, {"txterw", "250"}} << sda
            << QStringList{"1.82", "16.38"};
        QTest::newRow("SDA gallons, 10000")
            << "Form18" << Fields{{"txtqti", "10000"}, {"txtilr", "50"}, {"txterw", "250"}} << sda
            << QStringList{"163.9", "4.3"};
        QTest::newRow("SDA gallons, at least one gallon of fuel")
            << "Form18" << Fields{{"txtqti", "1000"}, {"txtilr", "50"}, {"txterw", "250"}} << sda
            << QStringList{"16.3", "1"};
        QTest::newRow("SDA gallons, desired below lab needs nothing")
            << "Form18" << Fields{{"txtqti", "1000"}, {"txtilr", "250"}, {"txterw", "50"}} << sda
            << QStringList{"0", "1"};
        QTest::newRow("DMD-2, cut not rounded")
            << "Form19" << Fields{{"txtbbl", "12345"}} << QStringList{"txtdmd"} << QStringList{"4.93"};
    }

    void shows_worked_examples()
    {
        QFETCH(QString, form);
        QFETCH(Fields, inputs);
        QFETCH(QStringList, outputs);
        QFETCH(QStringList, expected);
        Program program;
        QWidget *w = program.show(form);
        for (const auto &[name, value] : inputs)
            type(w, name, value);
        // Enter in any field but the last leaves every field as it is.
        for (std::size_t i = 0; i + 1 < inputs.size(); ++i)
            enter(w, inputs[i].first);
        QCOMPARE(texts(w, outputs), QStringList(QList<QString>(outputs.size(), QString())));
        QCOMPARE(text(w, inputs.front().first), inputs.front().second);
        enter(w, inputs.back().first);
        QCOMPARE(texts(w, outputs), expected);
        QCOMPARE(notice(w), QString());
    }

    void keeps_unwritten_fields_on_bad_input()
    {
        Program program;
        QWidget *w = program.show("Form10");
        fillAndEnter(w, {{"txterd", ".12"}, {"txtqtb", "1234.56"}, {"txtflt", ".09"}});
        type(w, "txterd", "abc");
        enter(w, "txtflt");
        QCOMPARE(texts(w, {"txtfis", "txtgfs"}), QStringList({"15.555456", "12.6"}));
        QCOMPARE(notice(w), withStaleResults(QString("End results desired: 'abc' is not a number")));
        // No barrels: the gallons are written, the per-1000 figure stops at the division.
        type(w, "txterd", ".12");
        type(w, "txtqtb", "0");
        enter(w, "txtflt");
        QCOMPARE(texts(w, {"txtfis", "txtgfs"}), QStringList({"0", "12.6"}));
        QCOMPARE(notice(w), withStaleResults(QString("Division by zero")));

        QWidget *sda = program.show("Form18");
        fillAndEnter(sda, {{"txtqti", "1000"}, {"txtilr", "50"}, {"txterw", "250"}});
        type(sda, "txtqti", "");
        enter(sda, "txterw");
        QCOMPARE(texts(sda, {"txtmix", "txtprd"}), QStringList({"16.3", "1"}));
        QCOMPARE(notice(sda), withStaleResults(QString("Quantity to be Injected: no number entered")));
        // The millilitres are shown before the pre-mix fuel overflows.
        fillAndEnter(sda, {{"txtqti", "1.5e308"}, {"txtilr", "0"}, {"txterw", "1000"}});
        QCOMPARE(texts(sda, {"txtmix", "txtprd"}), QStringList({"1.23E+307", "1"}));
        QVERIFY(notice(sda).startsWith("Overflow"));
    }

    void corrosion_inhibitor_worked_examples()
    {
        const struct
        {
            const char *product, *unit, *quantity;
            QStringList expected;
        } cases[] = {
            {"DUPONT DCI-4A", "Option1", "10000", {"4", "GALs"}},
            {"DUPONT DCI-4A", "Option2", "42000", {"0.4", "GALs"}},
            {"DUPONT DCI-4A", "Option3", "10000", {"1.1", "LTRs"}},
            {"SPEC-AID 8021", "Option1", "10000", {"4.9", "GALs"}},
        };
        Program program;
        QWidget *w = program.show("Form12");
        for (const auto &c : cases) {
            choose(w, c.product);
            chooseUnit(w, c.unit);
            fillAndEnter(w, {{"txtqpt", c.quantity}, {"txtscg", ".95"}});
            QCOMPARE(texts(w, {"txtami", "txtqan"}), c.expected);
            QCOMPARE(notice(w), QString());
        }
    }

    void corrosion_inhibitor_needs_a_product_and_writes_nothing_without_a_unit()
    {
        Program program;
        QWidget *w = program.show("Form12");
        auto *list = control<QListWidget>(w, "List1");
        QCOMPARE(list->count(), 13);
        QVERIFY(list->selectedItems().isEmpty() && !control<QRadioButton>(w, "Option1")->isChecked());
        type(w, "txtqpt", "10000");
        type(w, "txtscg", ".95");
        choose(w, "DUPONT DCI-4A");
        enter(w, "txtscg");
        QCOMPARE(texts(w, {"txtami", "txtqan"}), QStringList({"", ""}));
        QCOMPARE(notice(w), QString("Choose Barrels, Gallons or Liters, then press Enter again."));

        chooseUnit(w, "Option1");
        enter(w, "txtscg");
        QCOMPARE(texts(w, {"txtami", "txtqan"}), QStringList({"4", "GALs"}));
        QCOMPARE(notice(w), QString());

        // Without a product there is no dose: a notice, not a dose of 0.
        list->clearSelection();
        chooseUnit(w, "Option3");
        enter(w, "txtscg");
        QCOMPARE(texts(w, {"txtami", "txtqan"}), QStringList({"4", "GALs"}));
        QCOMPARE(notice(w), withStaleResults(QString("Select your CI Type in the list first.")));

        choose(w, "TOLAD 245");
        type(w, "txtscg", "0");
        enter(w, "txtscg");
        QCOMPARE(texts(w, {"txtami", "txtqan"}), QStringList({"4", "GALs"}));
        QCOMPARE(notice(w), withStaleResults(QString("Division by zero")));
        enter(w, "txtqpt");
        QCOMPARE(texts(w, {"txtqpt", "txtami"}), QStringList({"10000", "4"}));
    }

    void help_from_both_fsii_screens_is_one_window()
    {
        Program program;
        QWidget *barrels = program.show("Form10");
        QWidget *gallons = program.show("Form16");
        control<QPushButton>(gallons, "Command1")->click();
        QWidget *help = program.registry.window("Form17");
        QVERIFY(help);
        QCOMPARE(control<QPushButton>(barrels, "Command1")->text(), QString("HELP"));
        control<QPushButton>(barrels, "Command1")->click();
        QCOMPARE(program.registry.window("Form17"), help);
        QCOMPARE(openWindows(), QStringList({"Form10", "Form16", "Form17"}));
        QCOMPARE(help->windowTitle(), QString("FSII HELP"));
    }

    void help_texts_break_where_their_blanks_do()
    {
        Program program;
        QWidget *help = program.show("Form17");
        QCOMPARE(lines(help, "Label1"), QStringList({"> Place currser in the End results desired box",
                                                     "and enter the results you desire ( .12)"}));
        QCOMPARE(lines(help, "Label2"),
                 QStringList({"> Place the curser in the Quantity to be", "Injected box and enter the quantity of fuel",
                              "you are going to additize ( 1234.56 )"}));
        QCOMPARE(lines(help, "Label3"), QStringList({"> Place the currser in the Pre Injection Lab",
                                                     "Results box and enter the FSII results of",
                                                     "the product you are additizing ( .09 ) then", "Press Enter"}));
        QVERIFY(control<QLabel>(help, "Label3")->text().startsWith(" > Place the currser in the Pre Injection Lab   "));

        QWidget *ci = program.show("Form12");
        QCOMPARE(lines(ci, "Label7"),
                 QStringList({"Select the type of CI you are using.  Place the currser in the Quantity of",
                              "producted to be injected block and enter the quantity of product you",
                              "are injecting.  Select the volume in which you are working with (Barrels.",
                              "Gallons or Liters).  Enter the SG of the CI and press Enter."}));
    }

    void windows_fit_a_small_screen()
    {
        Program program;
        for (const char *form : {"Form10", "Form16", "Form11", "Form18", "Form12", "Form19"}) {
            QWidget *w = program.show(form);
            QVERIFY2(w->width() <= 1366 && w->height() <= 768, form);
        }
    }
};

QTEST_MAIN(AdditiveScreensTest)
#include "additive_screens_test.moc"
