// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/calculation_print.h"
#include "records/records.h"
#include "screens/catalog.h"
#include "shell/application.h"
#include "shell/window_registry.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QStringList>
#include <QTest>

#include <memory>

namespace dravex::test {

// The questions of printing, export and delete, answered without a dialog: nothing is
// confirmed, printed or exported unless a test says so.
struct ScriptedDialogs : RecordDialogs
{
    bool confirmAnswer = false;
    QString fileName;
    QString reference;

    bool confirm(QWidget *, const QString &, const QString &) override { return confirmAnswer; }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override { return fileName; }
    bool printSetup(QWidget *, QPrinter &, QString &) override { return false; }
    bool askReference(QWidget *, QString &text) override
    {
        text = reference;
        return !fileName.isEmpty();
    }
    void warn(QWidget *, const QString &, const QString &) override {}
};

// Report windows' questions answered without a dialog: no file chosen, changes discarded.
struct QuietReportPrompts : ReportPrompts
{
    QStringList errors;
    Answer askSaveChanges(QWidget *, const QString &) override { return Answer::Discard; }
    QString askOpenPath(QWidget *, const QString &) override { return {}; }
    QString askSavePath(QWidget *, const QString &, const QString &) override { return {}; }
    void showError(QWidget *, const QString &text) override { errors << text; }
    bool askRestore(QWidget *, const QStringList &) override { return false; }
    bool askPrinter(QWidget *, QPrinter *) override { return false; }
};

// The tank-table windows' questions answered as a test sets them: nothing confirmed,
// renamed or opened unless it says so; faults recorded.
struct ScriptedTankTablePrompts : TankTablePrompts
{
    bool confirmAnswer = false;
    std::optional<QString> name;
    QString path;
    QStringList errors;
    QStringList questions;
    bool confirm(QWidget *, const QString &, const QString &text) override
    {
        questions << text;
        return confirmAnswer;
    }
    std::optional<QString> askText(QWidget *, const QString &, const QString &, const QString &) override
    {
        return name;
    }
    QString askOpenPath(QWidget *, const QString &) override { return path; }
    void showError(QWidget *, const QString &text) override { errors << text; }
};

// The program's registry with every window, recording message boxes instead of showing
// them. Its log lives in the test folders and is off unless a test turns it on.
struct Program
{
    QuietReportPrompts reportPrompts;
    ScriptedTankTablePrompts tankPrompts;
    Records records;
    WindowRegistry registry{allScreens()};
    QStringList warnings;

    ScriptedDialogs *dialogs = nullptr;

    Program()
    {
        QStandardPaths::setTestModeEnabled(true);
        records.log().setKeepingForSession(false);
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        records.log().setDialogs(std::move(scripted));
        records.setReportPrompts(&reportPrompts);
        records.setTankTablePrompts(&tankPrompts);
        addShellWindows(registry);
        registry.setRecords(&records);
        registry.setWarningSink([this](QWidget *, const QString &title, const QString &text) {
            warnings << title + QLatin1Char('|') + text;
        });
    }

    ~Program() { closeAll(); }

    QWidget *show(const QString &name) { return registry.showWindow(name); }

    static void closeAll()
    {
        QApplication::closeAllWindows();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

template <typename T = QLineEdit> T *control(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s in %s", name, qPrintable(window->objectName()));
    return found;
}

inline QString text(QWidget *window, const char *name)
{
    return control(window, name)->text();
}

// The notice line of a window: the fault or stop of its last calculation, empty after one
// that completed.
inline QString noticeText(QWidget *window)
{
    return control<QLabel>(window, "notice")->text();
}

// The notice of a calculation that stopped beside results of earlier entries.
inline QString withStaleResults(const QString &notice)
{
    return notice + QStringLiteral("\nResults are from the previous entries");
}

// Replaces a field's text by typing it, the way a user does.
inline void type(QWidget *window, const char *name, const QString &value)
{
    QLineEdit *field = control(window, name);
    field->clear();
    QTest::keyClicks(field, value);
}

// Presses Enter in a field, then lets the event loop run as it does after a key in use
// (the calculation log takes its record there).
inline void enter(QWidget *window, const char *name)
{
    QTest::keyClick(control<QWidget>(window, name), Qt::Key_Return);
    QCoreApplication::processEvents();
}

// Types each value into its field, then presses Enter in the last one.
inline void fillAndEnter(QWidget *window, const std::vector<std::pair<const char *, QString>> &values)
{
    for (const auto &[name, value] : values)
        type(window, name, value);
    enter(window, values.back().first);
}

// The names of the controls that Tab visits, starting with the one that has the focus
// when the window opens.
inline QStringList tabSequence(QWidget *window, int count)
{
    QStringList names;
    QWidget *w = window->focusWidget();
    while (w && names.size() < count) {
        names << w->objectName();
        QWidget *next = w->nextInFocusChain();
        // An editor inside a control (a spin box's) hands its focus on and is no stop.
        while (next != w && (!(next->focusPolicy() & Qt::TabFocus) || !next->isVisibleTo(window) ||
                             !next->isEnabled() || next->objectName().isEmpty() || next->focusProxy()))
            next = next->nextInFocusChain();
        w = next;
    }
    return names;
}

// Top-level windows that are still open.
inline QStringList openWindows()
{
    QStringList names;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            names << w->objectName();
    names.sort();
    return names;
}

} // namespace dravex::test
