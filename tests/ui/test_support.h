// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/calculation_print.h"
#include "records/job/current_job.h"
#include "records/records.h"
#include "records/settings.h"
#include "screens/catalog.h"
#include "scripted_prompts.h"
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

// The program's registry with every window, its questions answered by a script and its
// message boxes kept. Its log lives in the test folders and is off unless a test turns it on;
// it starts with no job and no company store, whatever an earlier test left in the settings.
struct Program
{
    // Before the records read the settings: a store another test typed (the random user
    // connects with whatever it typed) would change what the windows show.
    struct NoStore
    {
        NoStore()
        {
            QStandardPaths::setTestModeEnabled(true);
            Settings().remove(QStringLiteral("store"));
        }
    } noStore;
    ScriptedPrompts prompts;
    Records records;
    WindowRegistry registry{allScreens()};

    Program()
    {
        QStandardPaths::setTestModeEnabled(true);
        CurrentJob::instance().setJob({});
        records.log().setKeepingForSession(false);
        registry.setPrompts(&prompts);
        records.setPrompts(&prompts);
        addShellWindows(registry);
        registry.setRecords(&records);
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
