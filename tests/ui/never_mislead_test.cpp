// SPDX-License-Identifier: GPL-3.0-or-later
// What keeps a window from misleading: results of earlier entries greyed and said, a
// typed number read another way than a decimal-comma reader meant it said, the
// out-of-range window over the window that raised it, the working reached and copied by
// keyboard, and no window shrunk until a number is cut or a field covers a picture. The
// size test runs at 100 % and again at 200 % (QT_SCALE_FACTOR=2).
#include "pseudo_translation.h"
#include "test_support.h"

#include "screens/screen.h"
#include "screens/svg_picture.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QLayout>
#include <QLocale>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>

using namespace dravex;
using namespace dravex::test;

namespace {

const QString kStale = QStringLiteral("Results are from the previous entries");

QStringList staleFields(QWidget *w)
{
    QStringList names;
    for (QLineEdit *field : w->findChildren<QLineEdit *>())
        if (field->property("stale").toBool())
            names << field->objectName();
    names.sort();
    return names;
}

const std::vector<std::pair<const char *, QString>> kTable6A{{"txtapi", "30"}, {"txtem", "80"}, {"txtgv", "10000"}};

} // namespace

class NeverMisleadTest : public QObject
{
    Q_OBJECT

private slots:
    void stale_marks_come_with_changed_inputs_and_go_with_a_completed_run()
    {
        Program program;
        QWidget *w = program.show("Form5");
        fillAndEnter(w, kTable6A);
        QVERIFY(staleFields(w).isEmpty());

        // An edited input: every result greyed, no text changed, the notice says why.
        QTest::keyClick(control(w, "txtem"), Qt::Key_5);
        const QStringList results{"txtbbl", "txtgal", "txtlf", "txtltn", "txtvcf"};
        QCOMPARE(staleFields(w), results);
        QCOMPARE(text(w, "txtbbl"), QString("9911"));
        QCOMPARE(noticeText(w), kStale);
        QVERIFY(control(w, "txtbbl")->palette().color(QPalette::Text) !=
                control(w, "txtapi")->palette().color(QPalette::Text));

        // A completed run takes the marks away.
        type(w, "txtem", "80");
        enter(w, "txtgv");
        QVERIFY(staleFields(w).isEmpty());
        QCOMPARE(noticeText(w), QString());
        QCOMPARE(control(w, "txtbbl")->palette().color(QPalette::Text),
                 control(w, "txtapi")->palette().color(QPalette::Text));

        // Typing over a result changes no input: nothing else goes stale.
        type(w, "txtbbl", "1");
        QVERIFY(staleFields(w).isEmpty());

        // A fault: what it wrote is current, the rest is from before.
        fillAndEnter(w, kTable6A);
        type(w, "txtgv", "abc");
        enter(w, "txtgv");
        QCOMPARE(staleFields(w), QStringList({"txtbbl", "txtgal", "txtlf", "txtltn"}));
        QCOMPARE(noticeText(w), withStaleResults("Gross Barrels: 'abc' is not a number"));
    }

    void another_table_choice_marks_the_stop_gauge_stale()
    {
        Program program;
        QWidget *w = program.show("Form9");
        fillAndEnter(w, {{"txtbm", "10000"}, {"txtgv", "50000"}, {"txtapi", "35"}, {"txtem", "80"}});
        auto *option1 = control<QAbstractButton>(w, "Option1");
        option1->click();
        QTest::keyClick(option1, Qt::Key_Return);
        QCOMPARE(text(w, "txtstp"), QString("39904.09"));
        QVERIFY(staleFields(w).isEmpty());
        control<QAbstractButton>(w, "Option2")->click();
        QCOMPARE(staleFields(w), QStringList{"txtstp"});
        QCOMPARE(text(w, "txtstp"), QString("39904.09"));
        QTest::keyClick(control<QAbstractButton>(w, "Option2"), Qt::Key_Return);
        QVERIFY(staleFields(w).isEmpty());
    }

    void a_point_typed_under_a_decimal_comma_locale_is_said_and_read_as_a_point_data()
    {
        QTest::addColumn<QString>("gross");
        QTest::addColumn<QString>("bbl");
        QTest::addColumn<QString>("notice");
        QTest::newRow("thousands with a point") << "10.000"
                                                << "9.91"
                                                << "10.000 was read as 10 (the decimal separator is a point)";
        QTest::newRow("decimal with a comma")
            << "1,250"
            << "1238.88"
            << "1,250 was read as 1250 (a comma separates thousands; the decimal separator is a point)";
        QTest::newRow("plain number") << "10000"
                                      << "9911"
                                      << "";
    }

    void a_point_typed_under_a_decimal_comma_locale_is_said_and_read_as_a_point()
    {
        QFETCH(QString, gross);
        QFETCH(QString, bbl);
        QFETCH(QString, notice);
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German));
        Program program;
        QWidget *w = program.show("Form5");
        fillAndEnter(w, {{"txtapi", "30"}, {"txtem", "80"}, {"txtgv", gross}});
        QLocale::setDefault(before);
        QCOMPARE(text(w, "txtbbl"), bbl);
        QCOMPARE(noticeText(w), notice);
    }

    void out_of_range_window_opens_over_the_window_that_raised_it()
    {
        Program program;
        QWidget *w = program.show("Form26");
        w->move(300, 200);
        fillAndEnter(w, {{"txtobg", "1080"}, {"txtobt", "40"}});
        QWidget *error = program.registry.window("Form15");
        QVERIFY(error);
        QVERIFY((error->frameGeometry().center() - w->frameGeometry().center()).manhattanLength() <= 2);
        QVERIFY(noticeText(w).startsWith("Observed density 1080 kg/m3 is above 1075"));
    }

    void open_working_panel_is_reached_by_tab_and_copied_by_keyboard()
    {
        Program program;
        auto *w = static_cast<Screen *>(program.show("Form5"));
        fillAndEnter(w, kTable6A);
        auto *toggle = control<QAbstractButton>(w, "working");
        toggle->click();
        toggle->setFocus();
        QTest::keyClick(toggle, Qt::Key_Tab);
        auto *panel = control<QPlainTextEdit>(w, "workingText");
        QCOMPARE(w->focusWidget(), panel);
        QTest::keyClick(panel, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(panel, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), w->workingLines().join('\n'));
        // Tab leaves the panel for the first field again.
        QTest::keyClick(panel, Qt::Key_Tab);
        QCOMPARE(w->focusWidget(), w->firstInTabOrder());
        // The open panel follows each calculation; a closed one catches up when opened.
        const QString before = panel->toPlainText();
        fillAndEnter(w, {{"txtapi", "31"}, {"txtem", "70"}, {"txtgv", "5000"}});
        QVERIFY(panel->toPlainText() != before);
        QCOMPARE(panel->toPlainText(), w->workingLines().join('\n'));
        toggle->click();
        fillAndEnter(w, kTable6A);
        toggle->click();
        QCOMPARE(panel->toPlainText(), before);
    }

    // On the wedge and the stop gauge the Tab order reads the window top to bottom, left
    // to right: each control starts on a later line than the one before, or on the same
    // line further right.
    void wedge_and_stop_gauge_tab_in_reading_order()
    {
        Program program;
        for (const char *form : {"Form7", "Form9"}) {
            QWidget *w = program.show(form);
            QWidget *c = w->focusWidget();
            QPoint before(-1, -1);
            for (int i = 0; c && i < 12; ++i) {
                const QPoint at = c->mapTo(w, c->rect().center());
                const bool sameLine = qAbs(at.y() - before.y()) <= c->height() / 2;
                QVERIFY2(sameLine ? at.x() > before.x() : at.y() > before.y(),
                         qPrintable(QString::fromLatin1(form) + ' ' + c->objectName()));
                before = at;
                do
                    c = c->nextInFocusChain();
                while (!(c->focusPolicy() & Qt::TabFocus) || c->objectName().isEmpty() || !c->isVisibleTo(w));
                if (c->objectName() == QLatin1String("working"))
                    break;
            }
        }
    }

    // Shrunk as far as it goes, every window still shows each number field whole (room
    // for "-0.123456789012345"), right-aligned unless it holds words, inside the window
    // (or, on a screen too small for the window, inside its body, which then scrolls)
    // and clear of the pictures.
    void windows_cannot_be_shrunk_over_their_numbers_or_pictures()
    {
        // One run of this test is under the pseudo-translation: texts a third longer.
        installPseudoTranslationIfAsked();
        Program program;
        for (const ScreenEntry &entry : allScreens()) {
            QWidget *w = program.show(QString::fromLatin1(entry.name));
            w->resize(1, 1);
            QApplication::processEvents();
            const QString name = w->objectName();
            QVERIFY2(w->width() >= w->layout()->minimumSize().width(), qPrintable(name));
            QVERIFY2(w->height() >= w->layout()->minimumSize().height(), qPrintable(name));
            const auto inWindow = [w](const QWidget *c) { return QRect(c->mapTo(w, QPoint()), c->size()); };
            const auto *scroll = w->findChild<QScrollArea *>(QStringLiteral("body"));
            const QWidget *body = scroll ? scroll->widget() : nullptr;
            const bool scrolls =
                body && (scroll->horizontalScrollBar()->maximum() > 0 || scroll->verticalScrollBar()->maximum() > 0);
            const auto reachable = [&](const QWidget *c) {
                return w->rect().contains(inWindow(c)) ||
                       (scrolls && body->isAncestorOf(c) &&
                        body->rect().contains(QRect(c->mapTo(body, QPoint()), c->size())));
            };
            QList<QRect> pictures;
            for (const SvgPicture *picture : w->findChildren<SvgPicture *>())
                pictures << inWindow(picture);
            for (const QLineEdit *field : w->findChildren<QLineEdit *>()) {
                if (!field->isVisibleTo(w) || field->objectName().isEmpty())
                    continue;
                const QString what = name + ' ' + field->objectName();
                const QRect at = inWindow(field);
                QVERIFY2(reachable(field), qPrintable(what));
                for (const QRect &picture : pictures)
                    QVERIFY2(!picture.intersects(at),
                             qPrintable(what + QStringLiteral(" %1,%2 %3x%4 over a picture at %5,%6 %7x%8")
                                                   .arg(at.x())
                                                   .arg(at.y())
                                                   .arg(at.width())
                                                   .arg(at.height())
                                                   .arg(picture.x())
                                                   .arg(picture.y())
                                                   .arg(picture.width())
                                                   .arg(picture.height())));
                if (!(field->alignment() & Qt::AlignRight))
                    continue; // a unit or a name
                QVERIFY2(field->width() >= Screen::numberFieldWidth(field), qPrintable(what));
            }
            int rightAligned = 0;
            for (const QLineEdit *field : w->findChildren<QLineEdit *>())
                rightAligned += (field->alignment() & Qt::AlignRight) ? 1 : 0;
            QVERIFY2(rightAligned > 0 || name == "Form14" || name == "Form17", qPrintable(name));
            w->close();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
};

QTEST_MAIN(NeverMisleadTest)
#include "never_mislead_test.moc"
