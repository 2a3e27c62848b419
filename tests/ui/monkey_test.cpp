// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded random user: opens every screen from the menu and throws thousands of texts,
// key presses, choices and clicks at them, closing and reopening windows on the way. The
// program must never crash, never show inf or nan, and every window must close.
#include "test_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>

using namespace dravex;
using namespace dravex::test;

namespace {

// What a hurried or careless user types. Nothing here spells inf or nan, so any such text
// in a field was written by the program.
const QStringList kTexts{
    "",
    "0",
    "-0",
    "1",
    "-1",
    "30",
    "80",
    "10000",
    "0.5",
    "60",
    "15",
    "850",
    "1074",
    "1074.01",
    "-131.5",
    "131.5",
    "1e308",
    "-1e308",
    "1e-308",
    "1E999",
    "abc",
    "1..2",
    "-",
    ",",
    "1,000",
    "99999999999999999999",
    "0.0001",
    "  7  ",
    "3.5e2",
    "12,5",
    "x",
    "181",
    "182",
    "-200",
    "650",
    "999.9",
    "1080",
    "0.12",
    "0.1",
    "52",
    "51.99",
    "770.5",
    "1e15",
    "2.5",
    "100",
    "-99999",
    "4e-320",
    "77",
    "1.7976931348623157e308",
};

const Qt::Key kKeys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab,    Qt::Key_Backspace, Qt::Key_Space,
                         Qt::Key_1,      Qt::Key_Minus, Qt::Key_Period, Qt::Key_Escape,    Qt::Key_Delete,
                         Qt::Key_Up,     Qt::Key_Down,  Qt::Key_A,      Qt::Key_Percent,   Qt::Key_Equal};

bool showsGarbage(const QString &text)
{
    const QString lower = text.toLower();
    return lower.contains("inf") || lower.contains("nan");
}

QList<QAction *> screenActions(QWidget *main)
{
    QList<QAction *> actions;
    for (QAction *a : main->findChildren<QAction *>()) {
        const QString name = a->objectName();
        if (a->isEnabled() && !a->isSeparator() && !a->menu() && name != "exit1" && !name.isEmpty())
            actions << a;
    }
    return actions;
}

QList<QWidget *> openScreens()
{
    QList<QWidget *> screens;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() != "Form1")
            screens << w;
    return screens;
}

} // namespace

class MonkeyTest : public QObject
{
    Q_OBJECT

private slots:
    void random_use_never_crashes_or_shows_garbage_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 2u, 3u, 20261207u})
            QTest::newRow(qPrintable(QString("seed %1").arg(seed))) << seed;
    }

    void random_use_never_crashes_or_shows_garbage()
    {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        Program program;
        QWidget *intro = startDravex(program.registry);
        control<QPushButton>(intro, "Command1")->click();
        QWidget *main = program.registry.window("Form1");
        QVERIFY(main);
        const QList<QAction *> actions = screenActions(main);
        QVERIFY(!actions.isEmpty());

        for (int step = 0; step < 2500; ++step) {
            const int choice = random.bounded(100);
            QList<QWidget *> screens = openScreens();
            if (choice < 8 || screens.isEmpty()) {
                actions.at(random.bounded(actions.size()))->trigger();
                continue;
            }
            QWidget *screen = screens.at(random.bounded(screens.size()));
            if (choice < 11) {
                screen->close();
                QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                continue;
            }
            QList<QWidget *> controls;
            for (QWidget *w : screen->findChildren<QWidget *>())
                if (w->isVisibleTo(screen) && w->isEnabled() &&
                    (qobject_cast<QLineEdit *>(w) || qobject_cast<QAbstractButton *>(w) ||
                     qobject_cast<QListWidget *>(w) || qobject_cast<QComboBox *>(w)))
                    controls << w;
            if (controls.isEmpty())
                continue;
            QWidget *target = controls.at(random.bounded(controls.size()));
            if (auto *field = qobject_cast<QLineEdit *>(target); field && choice < 55) {
                field->setText(kTexts.at(random.bounded(kTexts.size())));
                QTest::keyClick(field, Qt::Key_Return);
            } else if (auto *list = qobject_cast<QListWidget *>(target); list && choice < 70) {
                if (list->count() > 0)
                    list->setCurrentRow(random.bounded(list->count()));
            } else if (auto *button = qobject_cast<QAbstractButton *>(target); button && choice < 75) {
                button->click();
            } else {
                QTest::keyClick(target, kKeys[random.bounded(int(std::size(kKeys)))]);
            }

            for (QWidget *top : QApplication::topLevelWidgets()) {
                if (!top->isVisible())
                    continue;
                for (QLineEdit *field : top->findChildren<QLineEdit *>())
                    QVERIFY2(!showsGarbage(field->text()),
                             qPrintable(top->objectName() + "." + field->objectName() + " = " + field->text()));
                for (QLabel *label : top->findChildren<QLabel *>())
                    QVERIFY2(!showsGarbage(label->text()) || label->text().contains("Information"),
                             qPrintable(top->objectName() + "." + label->objectName() + " = " + label->text()));
            }
        }

        // Every window it opened closes, and nothing is left behind.
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible())
                QVERIFY2(w->close(), qPrintable(w->objectName()));
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(openWindows(), QStringList());
    }
};

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
