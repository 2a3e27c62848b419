// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_support.h"

#include <QElapsedTimer>
#include <QLabel>

using namespace dravex::test;

namespace {

QLabel *noticeOf(QWidget *w)
{
    return control<QLabel>(w, "notice");
}

QString repeated(const QString &piece, int times)
{
    QString s;
    for (int i = 0; i < times; ++i)
        s += piece;
    return s;
}

} // namespace

class HostileInputTest : public QObject
{
    Q_OBJECT

private slots:
    // Each text stops the calculation with a notice; the fields it would write keep their
    // texts. Markup is quoted as typed, numbers too long to read are read by their value,
    // and an overflow in the middle of a calculation is never shown as a result.
    void hostile_texts_give_a_notice_and_write_nothing_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("inputs"); // name=text pairs, Enter in the last
        QTest::addColumn<QStringList>("untouched");
        QTest::addColumn<QString>("notice");
        const QString markup = QStringLiteral("<b>X</b> <font size=7 color=red>BIG</font>");
        const QString tooLarge = QLatin1Char('1') + QString(400, QLatin1Char('0')) + QStringLiteral("e-10");
        QTest::newRow("markup in Celsius") << "Form3" << QStringList{"txtCels=" + markup} << QStringList{"txtFah"}
                                           << "Celsius: '" + markup + "' is not a number";
        QTest::newRow("nested tables in Gross Barrels")
            << "Form5" << QStringList{"txtapi=30", "txtem=80", "txtgv=" + repeated("<table><tr><td>", 20)}
            << QStringList{"txtbbl", "txtgal", "txtlf", "txtltn"}
            << "Gross Barrels: '" + repeated("<table><tr><td>", 4) + "...' is not a number";
        QTest::newRow("10^390 in Celsius") << "Form3" << QStringList{"txtCels=" + tooLarge} << QStringList{"txtFah"}
                                           << "Celsius: Overflow: a value is too large to calculate with";
        QTest::newRow("10^390 in Gross Barrels") << "Form5" << QStringList{"txtapi=30", "txtem=80", "txtgv=" + tooLarge}
                                                 << QStringList{"txtbbl", "txtgal", "txtlf", "txtltn"}
                                                 << "Gross Barrels: Overflow: a value is too large to calculate with";
        QTest::newRow("density -1e200") << "Form4" << QStringList{"txtden=-1e200"} << QStringList{"txtapi", "txtspe"}
                                        << "Overflow: a value is too large to calculate with";
        // The density is written before the step that overflows, as every field the
        // window writes before a fault keeps its new text.
        QTest::newRow("specific gravity -1e200") << "Form4" << QStringList{"txtspe=-1e200"} << QStringList{"txtapi"}
                                                 << "Overflow: a value is too large to calculate with";
        QTest::newRow("API 1e200") << "Form4" << QStringList{"txtapi=1e200"} << QStringList{"txtspe"}
                                   << "Division by zero";
        QTest::newRow("API -1e200") << "Form4" << QStringList{"txtapi=-1e200"} << QStringList{"txtspe"}
                                    << "Division by zero";
    }

    void hostile_texts_give_a_notice_and_write_nothing()
    {
        QFETCH(QString, form);
        QFETCH(QStringList, inputs);
        QFETCH(QStringList, untouched);
        QFETCH(QString, notice);
        Program program;
        QWidget *w = program.show(form);
        for (const QString &name : untouched)
            control(w, qPrintable(name))->setText(QStringLiteral("before"));
        QString last;
        for (const QString &input : inputs) {
            last = input.section(QLatin1Char('='), 0, 0);
            control(w, qPrintable(last))->setText(input.section(QLatin1Char('='), 1));
        }
        enter(w, qPrintable(last));
        QCOMPARE(noticeOf(w)->text(), notice);
        QCOMPARE(noticeOf(w)->textFormat(), Qt::PlainText);
        for (const QString &name : untouched)
            QCOMPARE(text(w, qPrintable(name)), QStringLiteral("before"));
    }

    // Large but within the double range, the same conversions are numbers: no notice, and
    // nothing infinite shown.
    void large_gravities_that_stay_in_range()
    {
        Program program;
        QWidget *w = program.show(QStringLiteral("Form4"));
        type(w, "txtden", QStringLiteral("1e200"));
        enter(w, "txtden");
        QCOMPARE(noticeOf(w)->text(), QString());
        QCOMPARE(QStringList({text(w, "txtapi"), text(w, "txtspe")}), QStringList({"-131.4", "1E+197"}));
        type(w, "txtspe", QStringLiteral("1e200"));
        enter(w, "txtspe");
        QCOMPARE(noticeOf(w)->text(), QString());
        QCOMPARE(QStringList({text(w, "txtden"), text(w, "txtapi")}), QStringList({"1E+203", "-131.4"}));
    }

    // Rich text of nested tables takes time that doubles with each level; shown as typed,
    // a notice quoting ten thousand characters of it shows at once. A guard against that
    // case, not a measure of speed.
    void long_markup_notice_shows_at_once()
    {
        Program program;
        QWidget *w = program.show(QStringLiteral("Form5"));
        control(w, "txtapi")->setText(QStringLiteral("30"));
        control(w, "txtem")->setText(QStringLiteral("80"));
        control(w, "txtgv")->setText(repeated(QStringLiteral("<table><tr><td>"), 667).left(10000));
        QElapsedTimer timer;
        timer.start();
        enter(w, "txtgv");
        QCoreApplication::processEvents();
        w->grab();
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed()) + " ms"));
        QVERIFY(noticeOf(w)->text().startsWith(QStringLiteral("Gross Barrels: '<table><tr><td>")));
    }

    // A notice of two lines or more wraps within the window, which grows to show it: the
    // fields keep their height and the window's own help text stays whole.
    void long_notice_cuts_nothing_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("help");
        QTest::newRow("DMD-2") << "Form19"
                               << "txtbbl"
                               << "Label4";
        QTest::newRow("temperature") << "Form3"
                                     << "txtCels"
                                     << "Label3";
    }

    void long_notice_cuts_nothing()
    {
        QFETCH(QString, form);
        QFETCH(QString, field);
        QFETCH(QString, help);
        Program program;
        QWidget *w = program.show(form);
        QCoreApplication::processEvents();
        control(w, qPrintable(field))->setText(repeated(QStringLiteral("not a number "), 12));
        enter(w, qPrintable(field));
        QCoreApplication::processEvents();
        QVERIFY(!noticeOf(w)->text().isEmpty());
        for (QLineEdit *edit : w->findChildren<QLineEdit *>())
            QVERIFY2(edit->height() >= edit->minimumSizeHint().height(), qPrintable(edit->objectName()));
        for (QLabel *label : {noticeOf(w), control<QLabel>(w, qPrintable(help))}) {
            QVERIFY2(label->height() >= label->heightForWidth(label->width()), qPrintable(label->objectName()));
            QVERIFY(label->geometry().bottom() <= w->height());
        }
    }
};

QTEST_MAIN(HostileInputTest)
#include "hostile_input_test.moc"
