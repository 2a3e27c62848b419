// SPDX-License-Identifier: GPL-3.0-or-later
// The working panel only adds: with it open or closed, every screen that has one shows
// the same results and the same working, and keeps its first focus.
#include "test_support.h"

#include "screens/screen.h"

#include <QAbstractButton>

using namespace dravex;
using namespace dravex::test;

namespace {

struct Example
{
    const char *window;
    std::vector<std::pair<const char *, QString>> fields; // Enter in the last one
    const char *option = nullptr;                         // unit or table to choose first
};

const std::vector<Example> kExamples{
    {"Form4", {{"txtapi", "30"}}},
    {"Form5", {{"txtapi", "30"}, {"txtem", "80"}, {"txtgv", "10000"}}},
    {"Form21", {{"txtapi", "50"}, {"txtem", "80"}, {"txtgv", "10000"}}},
    {"Form22", {{"txtapi", "850"}, {"txtem", "25"}, {"txtgv", "10000"}}},
    {"Form6", {{"txtapi", "780"}, {"txtem", "25"}, {"txtgv", "10000"}}},
    {"Form23", {{"txtobg", "35"}, {"txtobt", "85"}}},
    {"Form24", {{"txtobg", "35"}, {"txtobt", "85.5"}}},
    {"Form25", {{"txtobg", "850"}, {"txtobt", "30"}}},
    {"Form26", {{"txtobg", "1080"}, {"txtobt", "40"}}},
    {"Form7",
     {{"txtvl", "600"},
      {"txttl", "40"},
      {"txttw", "30"},
      {"txtbhd", "10"},
      {"txtfdt", "20"},
      {"txtadt", "26"},
      {"txttdp", "50"},
      {"txtinn", "6"}},
     "Option1"},
};

QStringList fieldTexts(QWidget *w)
{
    QStringList texts;
    for (QLineEdit *field : w->findChildren<QLineEdit *>())
        texts << field->objectName() + "=" + field->text();
    return texts;
}

QStringList run(Program &program, const Example &e, bool panelOpen, QString *firstFocus, QStringList *working)
{
    auto *w = static_cast<Screen *>(program.show(e.window));
    *firstFocus = w->focusWidget() ? w->focusWidget()->objectName() : QString();
    if (panelOpen)
        control<QAbstractButton>(w, "working")->click();
    if (e.option)
        control<QAbstractButton>(w, e.option)->click();
    fillAndEnter(w, e.fields);
    const QStringList texts = fieldTexts(w);
    *working = w->workingLines();
    w->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return texts;
}

} // namespace

class WorkingPanelTest : public QObject
{
    Q_OBJECT

private slots:
    void results_are_the_same_with_the_panel_open_or_closed()
    {
        Program program;
        for (const Example &e : kExamples) {
            QString closedFocus, openFocus;
            QStringList closedWorking, openWorking;
            const QStringList closed = run(program, e, false, &closedFocus, &closedWorking);
            const QStringList open = run(program, e, true, &openFocus, &openWorking);
            QCOMPARE(open, closed);
            QCOMPARE(openFocus, closedFocus);
            QVERIFY2(!openWorking.isEmpty() && !openWorking.first().startsWith("Stopped"), e.window);
            QCOMPARE(openWorking, closedWorking);
        }
    }
};

QTEST_MAIN(WorkingPanelTest)
#include "working_panel_test.moc"
