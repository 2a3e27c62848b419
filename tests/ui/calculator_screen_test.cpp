// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_support.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

using namespace dravex::test;

namespace {

QPushButton *key(QWidget *w, const QString &caption)
{
    for (auto *button : w->findChildren<QPushButton *>())
        if (button->text() == caption)
            return button;
    qFatal("no key %s", qPrintable(caption));
}

QString readout(QWidget *w)
{
    return control<QLabel>(w, "Readout")->text();
}

// Clicks the keys named by their captions and returns the display after each.
QStringList click(QWidget *w, const QString &keys)
{
    QStringList shown;
    for (const QString &caption : keys.split(' ', Qt::SkipEmptyParts)) {
        key(w, caption)->click();
        shown << readout(w);
    }
    return shown;
}

QWidget *openActive(Program &program)
{
    QWidget *w = program.show("Form14");
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w))
        qFatal("calculator window not active");
    return w;
}

} // namespace

class CalculatorScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void shows_worked_sequences_through_the_buttons_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("equals stores the next operand")
            << "2 + 3 = 4 X 2 =" << QStringList{"2.", "2.", "3.", "5", "4.", "4", "2.", "8"};
        QTest::newRow("percent multiplies")
            << "2 0 0 X 1 0 % =" << QStringList{"2.", "20.", "200.", "200.", "1.", "10.", "0.1", "20"};
        QTest::newRow("clear entry, clear") << "9 - 5 CE 3 = C" << QStringList{"9.", "9.", "5.", "0.", "3.", "6", "0."};
    }

    void shows_worked_sequences_through_the_buttons()
    {
        QFETCH(QString, keys);
        QFETCH(QStringList, shown);
        Program program;
        QWidget *w = program.show("Form14");
        QCOMPARE(readout(w), QString("0."));
        QCOMPARE(click(w, keys), shown);
        QVERIFY(program.prompts.warnings.isEmpty());
    }

    void keyboard_keys_click_the_buttons()
    {
        Program program;
        QWidget *w = openActive(program);
        QTest::keyClicks(w, "12.5*2");
        QCOMPARE(readout(w), QString("2."));
        QTest::keyClick(w, Qt::Key_Return);
        QCOMPARE(readout(w), QString("25"));

        QTest::keyClick(w, Qt::Key_Escape);
        QCOMPARE(readout(w), QString("0."));
        QTest::keyClicks(w, "9-5");
        QTest::keyClick(w, Qt::Key_Delete);
        QCOMPARE(readout(w), QString("0."));
        QTest::keyClick(w, Qt::Key_3, Qt::KeypadModifier);
        QTest::keyClick(w, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(readout(w), QString("6"));

        QTest::keyClicks(w, "200x10%=");
        QCOMPARE(readout(w), QString("20"));
        QTest::keyClicks(w, "7+-");
        QCOMPARE(readout(w), QString("-"));
    }

    // The comma and the keypad's decimal key act as the point whatever the layout; Ctrl+C
    // copies the display's number, Ctrl+V types one in, and refuses what is no number.
    void decimal_keys_and_the_clipboard()
    {
        Program program;
        QWidget *w = openActive(program);
        QTest::keyClicks(w, "1,5");
        QCOMPARE(readout(w), QString("1.5"));
        QTest::keyClick(w, Qt::Key_Escape);
        QTest::keyClick(w, Qt::Key_4);
        QTest::keyClick(w, Qt::Key_Period, Qt::KeypadModifier);
        QTest::keyClick(w, Qt::Key_2, Qt::KeypadModifier);
        QCOMPARE(readout(w), QString("4.2"));

        QTest::keyClicks(w, "+12");
        QTest::keyClick(w, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("12"));

        const struct
        {
            const char *clipboard;
            const char *display; // after Ctrl+V, then "="
            bool refused;
        } pastes[] = {{"3.25", "7.45", false},
                      {" 7 ", "11.2", false},
                      {"abc", "4.2", true},
                      {"<b>1</b>", "4.2", true},
                      // Read as every field reads them: thousands separators, an exponent.
                      {"1,250.75", "1254.95", false},
                      {"-1,000", "-995.8", false},
                      {"1e5", "100004.2", false},
                      {"12,5", "4.2", true},
                      {"1E999", "4.2", true},
                      // More digits than the display holds types none of them.
                      {"1E20", "4.2", true},
                      {"0.000123456789012345", "4.2", true}};
        for (const auto &p : pastes) {
            QTest::keyClick(w, Qt::Key_Escape);
            QTest::keyClicks(w, "4.2+");
            QGuiApplication::clipboard()->setText(p.clipboard);
            QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(control<QLabel>(w, "notice")->text().isEmpty(), !p.refused);
            QTest::keyClick(w, Qt::Key_Return);
            QCOMPARE(readout(w), QString(p.display));
        }
    }

    void divides_by_zero_with_a_message_over_the_second_operand()
    {
        Program program;
        QWidget *w = program.show("Form14");
        QStringList boxes;
        program.prompts.onWarn = [&](QWidget *parent, const QString &title, const QString &text) {
            boxes << title + '|' + text + '|' + readout(w);
            QCOMPARE(parent, w);
        };
        QCOMPARE(click(w, "7 / 0 ="), QStringList({"7.", "7.", "0.", "7."}));
        QCOMPARE(boxes, QStringList{"Calculator|Can't divide by zero|0."});
        QCOMPARE(click(w, "+ 1 ="), QStringList({"7.", "1.", "8"}));
    }

    void fault_stops_the_key_and_the_calculator_goes_on()
    {
        Program program;
        QWidget *w = program.show("Form14");
        QCOMPARE(click(w, "2 + - %"), QStringList({"2.", "2.", "-", "-"}));
        QCOMPARE(noticeText(w), QString("'-' is not a number"));
        QCOMPARE(click(w, "3 ="), QStringList({"-3.", "-1"}));
        QCOMPARE(noticeText(w), QString());
        QVERIFY(w->isVisible());
    }

    void keys_stand_in_the_grid()
    {
        Program program;
        QWidget *w = program.show("Form14");

        const QStringList rows{"7 8 9 C CE", "4 5 6 + -", "1 2 3 X /", "0 0 . = %"};
        auto *grid = w->findChild<QGridLayout *>();
        QVERIFY(grid);
        for (int r = 0; r < 4; ++r) {
            const QStringList captions = rows[r].split(' ');
            for (int c = 0; c < 5; ++c) {
                auto *button = qobject_cast<QPushButton *>(grid->itemAtPosition(r + 1, c)->widget());
                QVERIFY(button);
                QCOMPARE(button->text(), captions[c]);
            }
        }

        // The buttons are arrays by name and index, as the handlers see them.
        QCOMPARE(key(w, "X")->objectName() + key(w, "X")->property("index").toString(), QString("Operator2"));
        QCOMPARE(key(w, "7")->objectName() + key(w, "7")->property("index").toString(), QString("Number7"));
    }
};

QTEST_MAIN(CalculatorScreenTest)
#include "calculator_screen_test.moc"
