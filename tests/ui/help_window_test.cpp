// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_support.h"

#include "shell/help_window.h"

#include "core/conventions.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>

using namespace dravex;
using namespace dravex::test;

namespace {

struct Section
{
    QString heading;
    QString text;
};

// The guide's sections: each second-level heading with the text up to the next one.
QList<Section> sections(const QTextDocument *document)
{
    QList<Section> found;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 2)
            found.append({block.text(), QString()});
        else if (!found.isEmpty())
            found.last().text += block.text() + QLatin1Char('\n');
    }
    return found;
}

// The targets of the guide's links and the anchors it holds.
void linksAndAnchors(const QTextDocument *document, QStringList &links, QStringList &anchors)
{
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        anchors += block.charFormat().anchorNames();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            anchors += format.anchorNames();
            if (!format.anchorHref().isEmpty())
                links << format.anchorHref();
        }
    }
}

const Section *sectionNamed(const QList<Section> &all, const QString &heading)
{
    for (const Section &s : all)
        if (s.heading == heading)
            return &s;
    return nullptr;
}

struct ScreenItem
{
    QString path; // "Tables > Volume Correction > English > Table 6a"
    QString shortcut;
};

void collectItems(QMenu *menu, const QString &path, QList<ScreenItem> &out)
{
    for (QAction *a : menu->actions()) {
        if (a->isSeparator())
            continue;
        const QString here = path + QStringLiteral(" > ") + a->text().remove(QLatin1Char('&'));
        if (a->menu())
            collectItems(a->menu(), here, out);
        else
            out.append({here, a->shortcut().toString()});
    }
}

// The menu items that open a screen, in menu order: every item but "E&xit" and the Help
// menu, which opens this guide and the introduction.
QList<ScreenItem> screenItems(QMainWindow *main)
{
    QList<ScreenItem> items;
    for (QAction *top : main->menuBar()->actions())
        if (top->menu() && top->objectName() != QLatin1String("help1"))
            collectItems(top->menu(), top->text().remove(QLatin1Char('&')), items);
    return items;
}

QMainWindow *continueToMain(Program &program)
{
    QWidget *intro = startDravex(program.registry);
    control<QPushButton>(intro, "Command1")->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return qobject_cast<QMainWindow *>(program.registry.window("Form1"));
}

QTextBrowser *guide(QWidget *help)
{
    return control<QTextBrowser>(help, "helpText");
}

} // namespace

class HelpWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void f1_and_the_menu_open_one_help_window()
    {
        Program program;
        QMainWindow *main = continueToMain(program);
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        QTest::keyClick(main, Qt::Key_F1);
        QWidget *help = program.registry.window("Form13");
        QVERIFY(help);
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        QTest::keyClick(main, Qt::Key_F1);
        control<QAction>(main, "help2")->trigger();
        QCOMPARE(program.registry.window("Form13"), help);
        QCOMPARE(openWindows().count("Form13"), 1);
        QCOMPARE(help->windowTitle(), QString("HELP"));
        QVERIFY(guide(help)->isReadOnly());
        QVERIFY(!guide(help)->toPlainText().isEmpty());
    }

    void guide_has_a_section_per_screen_in_menu_order()
    {
        Program program;
        const QList<ScreenItem> items = screenItems(continueToMain(program));
        QCOMPARE(items.size(), 30);
        const QList<Section> all = sections(guide(program.show("Form13"))->document());
        QCOMPARE(all.size(), items.size() + 3);
        for (qsizetype i = 0; i < items.size(); ++i) {
            // Each screen section names its menu path; the path must end where the item does.
            const QRegularExpression menuLine(QRegularExpression::escape("Menu: " + items[i].path) + "(?!\\w)");
            QVERIFY2(all[i].text.contains(menuLine), qPrintable(all[i].heading + " lacks " + items[i].path));
            if (!items[i].shortcut.isEmpty())
                QVERIFY2(all[i].heading.contains(items[i].shortcut), qPrintable(all[i].heading));
        }
        QCOMPARE(all[items.size()].heading, QString("Notices"));
        QCOMPARE(all[items.size() + 1].heading, QString("Keys on every screen"));
        QCOMPARE(all[items.size() + 2].heading, QString("Numbers"));
    }

    void contents_links_lead_to_every_section()
    {
        Program program;
        QTextBrowser *text = guide(program.show("Form13"));
        QStringList links, anchors;
        linksAndAnchors(text->document(), links, anchors);
        QCOMPARE(links.size(), sections(text->document()).size());
        for (const QString &link : links)
            QVERIFY2(link.startsWith('#') && anchors.contains(link.mid(1)), qPrintable(link));
    }

    void notices_quote_the_out_of_range_window_and_the_fault_messages()
    {
        Program program;
        const QList<Section> all = sections(guide(program.show("Form13"))->document());
        const Section *notices = sectionNamed(all, "Notices");
        QVERIFY(notices);
        QWidget *outOfRange = program.show("Form15");
        QVERIFY(notices->text.contains('"' + outOfRange->windowTitle() + '"'));
        QVERIFY(notices->text.contains(control<QLabel>(outOfRange, "Label1")->text().simplified()));
        using Kind = CalcFault::Kind;
        for (const CalcFault &fault :
             {CalcFault(Kind::NotANumber, "Gross Barrels"), CalcFault(Kind::NotANumber, "Gross Barrels", "abc"),
              CalcFault(Kind::DivisionByZero), CalcFault(Kind::Overflow)}) {
            const QString message = QString::fromStdString(fault.message());
            QVERIFY2(notices->text.contains('"' + message + '"'), qPrintable(message));
        }
    }

    void number_examples_read_and_show_as_the_guide_says()
    {
        Program program;
        const QList<Section> all = sections(guide(program.show("Form13"))->document());
        const Section *numbers = sectionNamed(all, "Numbers");
        QVERIFY(numbers);
        const struct
        {
            const char *typed;
            double read;
        } reads[] = {{"1,234.5", 1234.5}, {"1.5E3", 1500}};
        for (const auto &r : reads) {
            QVERIFY2(numbers->text.contains(QString("%1 reads as %2").arg(r.typed).arg(r.read)), r.typed);
            QCOMPARE(ParseFieldNumber(r.typed), r.read);
        }
        QVERIFY(numbers->text.contains("12,5 is not a number"));
        QVERIFY_THROWS_EXCEPTION(dravex::CalcFault, ParseFieldNumber("12,5"));
        for (const double shown : {1e16, 1e-5})
            QVERIFY(numbers->text.contains(QString::fromStdString(FormatFieldNumber(shown))));
    }

    // A window's section, then Back, Forward and Home by their keys, then Ctrl+F: the
    // guide moves as a browser's page does and the search selects what was typed.
    void navigates_like_a_browser_and_finds_text()
    {
        Program program;
        auto *help = static_cast<HelpWindow *>(program.show("Form13"));
        QVERIFY(QTest::qWaitForWindowActive(help));
        QTextBrowser *text = guide(help);
        QScrollBar *bar = text->verticalScrollBar();
        help->showSectionFor("Form6");
        const int t54b = bar->value();
        QVERIFY(t54b > 0);
        help->showSectionFor("Form23");
        const int t5a = bar->value();
        QVERIFY(t5a > 0 && t5a < t54b);
        QTest::keyClick(text, Qt::Key_Left, Qt::AltModifier);
        QTRY_COMPARE(bar->value(), t54b); // a button's key clicks it as the mouse does
        QTest::keyClick(text, Qt::Key_Right, Qt::AltModifier);
        QTRY_COMPARE(bar->value(), t5a);
        QTest::keyClick(text, Qt::Key_Home, Qt::AltModifier);
        QTRY_COMPARE(bar->value(), 0);
        help->showSectionFor("NoSuchWindow");
        QCOMPARE(bar->value(), 0);

        QTest::keyClick(text, Qt::Key_F, Qt::ControlModifier);
        QLineEdit *find = control<QLineEdit>(help, "findText");
        QCOMPARE(QApplication::focusWidget(), find);
        QTest::keyClicks(find, "Metal");
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(text->textCursor().selectedText().toLower(), QString("metal")); // any case
        QTest::keyClicks(find, "xyzzy");
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(control<QLabel>(help, "findStatus")->text(), QString("Not found"));
    }

    void opens_at_a_size_that_fits_and_scrolls_by_keyboard()
    {
        Program program;
        QWidget *help = program.show("Form13");
        QVERIFY(QTest::qWaitForWindowActive(help));
        QVERIFY(help->width() <= 1366 && help->height() <= 700);
        QVERIFY(help->width() >= 480 && help->height() >= 360);
        QVERIFY(help->maximumSize().width() > help->width() && help->maximumSize().height() > help->height());
        QTextBrowser *text = guide(help);
        QCOMPARE(QApplication::focusWidget(), text);
        QScrollBar *bar = text->verticalScrollBar();
        QCOMPARE(bar->value(), 0);
        QTest::keyClick(text, Qt::Key_PageDown);
        QVERIFY(bar->value() > 0);
        QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(text->textCursor().hasSelection());
    }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
