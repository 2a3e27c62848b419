// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_support.h"

#include "shell/help_text.h"

#include <QTextBrowser>

#include "screens/column_wrapped_label.h"
#include "shell/notice_windows.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <functional>
#include <vector>

using namespace dravex;
using namespace dravex::test;

namespace {

QAction *menuAction(QWidget *main, const char *name)
{
    return control<QAction>(main, name);
}

QWidget *continueToMain(Program &program)
{
    QWidget *intro = startDravex(program.registry);
    control<QPushButton>(intro, "Command1")->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return program.registry.window("Form1");
}

// The menu tree as "name caption" lines indented by depth; separators as "name -".
void describe(QMenu *menu, int depth, QStringList &out)
{
    for (QAction *a : menu->actions()) {
        const QString caption = a->isSeparator() ? QString("-") : a->text();
        out << QString(depth * 2, ' ') + a->objectName() + ' ' + caption +
                   (a->shortcut().isEmpty() ? QString() : ' ' + a->shortcut().toString());
        if (a->menu())
            describe(a->menu(), depth + 1, out);
    }
}

} // namespace

class ShellTest : public QObject
{
    Q_OBJECT

private slots:
    void starts_on_introduction_and_continues_to_main()
    {
        Program program;
        QWidget *intro = startDravex(program.registry);
        QCOMPARE(intro->objectName(), QString("Form2"));
        QCOMPARE(intro->windowTitle(), QString("Introduction"));
        QCOMPARE(openWindows(), QStringList{"Form2"});
        auto *button = control<QPushButton>(intro, "Command1");
        QCOMPARE(button->text(), QString("Continue"));
        button->click();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(openWindows(), QStringList{"Form1"});
        QWidget *main = program.registry.window("Form1");
        QCOMPARE(main->windowTitle(), QString("DRAVEX"));
        QVERIFY(main->findChild<QWidget *>("Picture1"));

        // Introduction again: Continue brings back the same main window.
        menuAction(main, "Intro1")->trigger();
        QCOMPARE(openWindows(), QStringList({"Form1", "Form2"}));
        control<QPushButton>(program.registry.window("Form2"), "Command1")->click();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(openWindows(), QStringList{"Form1"});
        QCOMPARE(program.registry.window("Form1"), main);
    }

    void menu_tree_is_complete()
    {
        Program program;
        QWidget *main = continueToMain(program);
        QStringList tree;
        for (QAction *top : static_cast<QMainWindow *>(main)->menuBar()->actions()) {
            tree << top->objectName() + ' ' + top->text();
            if (top->menu())
                describe(top->menu(), 1, tree);
        }
        const QStringList expected{
            "exit1 E&xit",
            "tables1 &Tables",
            "  gct1 G&ravity Correction",
            "    en2 English",
            "      tb5 Table 5a",
            "      ln9 -",
            "      b5 Table 5b",
            "    ln7 -",
            "    me2 Metric",
            "      a53 Table 53a",
            "      ln8 -",
            "      b53 Table 53b",
            "  lin3 -",
            "  volc1 V&olume Correction",
            "    En1 English",
            "      a6 Table 6a",
            "      ln5 -",
            "      b6 Table 6b",
            "    len1 -",
            "    Met1 Metric",
            "      a54 Table 54a",
            "      ln6 -",
            "      b54 Table 54b",
            "  t2004 2004 &Edition (Temperature and Pressure)",
            "conv1 &Conversion",
            "  temp1 T&emperature",
            "  lin5 -",
            "  gra1 G&ravity",
            "gag1 &Gauging",
            "  wedge1 W&edge",
            "  lin6 -",
            "  stpg S&top Gauges",
            "  ln3 -",
            "  agc A&verage Gravity",
            "  ln4 -",
            "  theo1 T&heoretical",
            "adit1 &Additives",
            "  fsii1 F&SII",
            "    bar Barrels",
            "    lin1 -",
            "    gall Gallons",
            "  lin2 -",
            "  sda1 S&DA",
            "    bars Barrels",
            "    lin9 -",
            "    Galo Gallons",
            "  lin -",
            "  cori1 C&I",
            "  lne1 -",
            "  dmd DMD-2",
            "Calculator &Calculator",
            "  Calc C&alc F2",
            "records1 &Records",
            "  log1 Calculation &log Ctrl+L",
            "  keeplog1 &Keep a log",
            "  report1 Cargo &report Ctrl+R",
            "  tanktables1 Tank &tables",
            "  job1 &Job…",
            "  vef1 Vessel &experience factor",
            "  store1 Company &store…",
            "  storebrowser1 Store &browser",
            "help1 &Help",
            "  help2 Help F1",
            "  lin8 -",
            "  Intro1 Introduction",
            "  lin7 -",
        };
        QCOMPARE(tree, expected);
    }

    void items_open_one_window_each_and_reopen_empty()
    {
        Program program;
        QWidget *main = continueToMain(program);
        QVERIFY(menuAction(main, "a6")->isEnabled());
        menuAction(main, "a6")->trigger();
        QWidget *first = program.registry.window("Form5");
        QVERIFY(first);
        type(first, "txtapi", "30");
        menuAction(main, "a6")->trigger();
        QCOMPARE(program.registry.window("Form5"), first);
        QCOMPARE(text(first, "txtapi"), QString("30"));
        QCOMPARE(openWindows().count("Form5"), 1);

        first->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!program.registry.window("Form5"));
        menuAction(main, "a6")->trigger();
        QCOMPARE(text(program.registry.window("Form5"), "txtapi"), QString());
    }

    void unbuilt_screens_are_disabled()
    {
        Program program;
        QWidget *main = continueToMain(program);
        for (QAction *a : main->findChildren<QAction *>()) {
            if (a->isSeparator() || a->menu() || a->objectName() == "exit1")
                continue;
            QVERIFY2(a->isEnabled() || !program.registry.has(a->objectName()), qPrintable(a->objectName()));
        }
        QVERIFY(menuAction(main, "help2")->isEnabled());
    }

    void function_keys_open_help_and_calculator()
    {
        Program program;
        QWidget *main = continueToMain(program);
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        QTest::keyClick(main, Qt::Key_F1);
        QVERIFY(program.registry.window("Form13"));
        QCOMPARE(program.registry.window("Form13")->windowTitle(), QString("HELP"));
        if (program.registry.has("Form14")) {
            main->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(main));
            QTest::keyClick(main, Qt::Key_F2);
            QVERIFY(program.registry.window("Form14"));
        }
    }

    // From any window: F1 opens the help at that window's section, F2 the calculator.
    void function_keys_work_from_every_window()
    {
        Program program;
        continueToMain(program);
        for (const char *form : {"Form5", "Form7", "Form26", "LogWindow", "CargoReport"}) {
            QWidget *w = program.show(form);
            QApplication::setActiveWindow(w);
            QVERIFY(QTest::qWaitForWindowActive(w));
            QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key_F1);
            auto *help = program.registry.window("Form13");
            QVERIFY2(help, form);
            const QString section = dravex::helpSectionFor(form);
            QCOMPARE(help->findChild<QTextBrowser *>("helpText")->source().fragment(), section);
            help->close();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

            QApplication::setActiveWindow(w);
            QVERIFY(QTest::qWaitForWindowActive(w));
            QTest::keyClick(w, Qt::Key_F2);
            QVERIFY2(program.registry.window("Form14"), form);
            program.registry.window("Form14")->close();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    // A minimized window comes back from the menu, F1 and F2, and keeps being maximized
    // if it was.
    void showing_a_minimized_window_restores_it()
    {
        Program program;
        QWidget *main = continueToMain(program);
        struct Way
        {
            const char *window;
            std::function<void()> show;
        };
        const std::vector<Way> ways = {
            {"Form5", [&] { menuAction(main, "a6")->trigger(); }},
            {"Form13", [&] { QTest::keyClick(main, Qt::Key_F1); }},
            {"Form14", [&] { QTest::keyClick(main, Qt::Key_F2); }},
        };
        for (const Way &way : ways) {
            for (const bool maximized : {false, true}) {
                main->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(main));
                way.show();
                QWidget *w = program.registry.window(way.window);
                QVERIFY2(w, way.window);
                w->setWindowState(maximized ? Qt::WindowMaximized | Qt::WindowMinimized : Qt::WindowMinimized);
                QVERIFY(w->isMinimized());
                main->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(main));
                way.show();
                QCOMPARE(program.registry.window(way.window), w);
                QVERIFY2(!w->isMinimized(), way.window);
                QCOMPARE(w->isMaximized(), maximized);
                QVERIFY(w->isVisible());
                w->setWindowState(Qt::WindowNoState);
            }
        }
    }

    void exit_closes_every_window()
    {
        Program program;
        QWidget *main = continueToMain(program);
        menuAction(main, "a6")->trigger();
        menuAction(main, "b6")->trigger();
        menuAction(main, "help2")->trigger();
        QCOMPARE(openWindows().size(), 4);
        menuAction(main, "exit1")->trigger();
        QCOMPARE(openWindows(), QStringList());
    }

    // Exit asks each document with unsaved changes: Cancel keeps the program and the
    // document; Discard ends it. A saved one does not ask.
    void exit_asks_each_unsaved_document_first()
    {
        Program program;
        QWidget *main = continueToMain(program);
        QWidget *saved = program.show("CargoReport");
        QWidget *edited = program.show("CargoReport");
        QTest::keyClicks(control(edited, "vessel"), "MT Example");
        QVERIFY(edited->isWindowModified());
        QVERIFY(!saved->isWindowModified());

        program.prompts.answers = {Prompts::Answer::Cancel};
        menuAction(main, "exit1")->trigger();
        QCOMPARE(program.prompts.asked, 1);
        QVERIFY(main->isVisible());
        QVERIFY(edited->isVisible());
        QVERIFY(edited->isWindowModified());

        program.prompts.answers = {Prompts::Answer::Discard};
        menuAction(main, "exit1")->trigger();
        QCOMPARE(program.prompts.asked, 2);
        QCOMPARE(openWindows(), QStringList());
    }

    void closing_main_leaves_screens_open()
    {
        Program program;
        QWidget *main = continueToMain(program);
        menuAction(main, "a6")->trigger();
        main->close();
        QCOMPARE(openWindows(), QStringList{"Form5"});
    }

    void out_of_range_window_is_single_and_wraps_in_three_lines()
    {
        Program program;
        QWidget *first = program.show("Form15");
        QWidget *second = program.show("Form15");
        QCOMPARE(first, second);
        QCOMPARE(first->windowTitle(), QString("ERROR"));
        auto *label = control<ColumnWrappedLabel>(first, "Label1");
        QCOMPARE(label->text(), QString(" SORRY OUT OF RANGE FOR    THE PROGRAM.  PLEASE         REFER TO TABLES."));
        QCOMPARE(label->lines(), QStringList({"SORRY OUT OF RANGE FOR", "THE PROGRAM.  PLEASE", "REFER TO TABLES."}));
        QVERIFY(label->width() >= label->sizeHint().width());
        QVERIFY(label->height() >= label->sizeHint().height());
    }

    void wraps_at_word_boundaries_by_columns()
    {
        QCOMPARE(wrapToColumns("AAAA BBBB CCCC", 9), QStringList({"AAAA BBBB", "CCCC"}));
        QCOMPARE(wrapToColumns("AAAAAAAAAAAA BB", 5), QStringList({"AAAAAAAAAAAA", "BB"}));
        QCOMPARE(wrapToColumns("   ", 5), QStringList());
    }

    void reopening_screens_leaks_no_window()
    {
        Program program;
        const int before = QApplication::topLevelWidgets().size();
        for (int i = 0; i < 20; ++i) {
            for (const char *name : {"Form5", "Form21", "Form13", "Form15", "Form2"}) {
                QWidget *w = program.show(name);
                QVERIFY(w);
                w->close();
            }
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QCOMPARE(QApplication::topLevelWidgets().size(), before);
    }
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
