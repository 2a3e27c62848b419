// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/prompts.h"

#include <QApplication>
#include <QPrinter>
#include <QStringList>

#include <deque>
#include <functional>

namespace dravex::test {

// The program's questions answered from a script, without a dialog: nothing is confirmed,
// chosen, printed or restored unless a test says so, changes are discarded, and every
// message is kept.
struct ScriptedPrompts : Prompts
{
    // Each warning as "title|text", and its text alone.
    QStringList warnings;
    QStringList errors;
    // Told of each warning as it is given, while the window is as it was then.
    std::function<void(QWidget *parent, const QString &title, const QString &text)> onWarn;

    bool confirmAnswer = false;
    // Answers to "save changes?", in turn; Discard once they are used up.
    std::deque<Answer> answers;
    int asked = 0;
    int askedRestored = 0;
    // Files chosen in the file dialogs, in turn; fileName once they are used up (empty:
    // cancelled).
    std::deque<QString> paths;
    QString fileName;
    QString reference;
    // The print dialog prints to this PDF file; empty: cancelled.
    QString printFile;
    int previews = 0;
    bool restoreAnswer = false;
    // Progress is counted, and cancelled at step cancelAt (never when 0).
    qint64 cancelAt = 0;
    qint64 lastTotal = 0;
    qint64 lastStep = 0;

    // Windows still open when a test ends are closed unsaved while the script exists.
    ~ScriptedPrompts() override
    {
        answers.clear();
        QApplication::closeAllWindows();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void warn(QWidget *parent, const QString &title, const QString &text) override
    {
        warnings << title + QLatin1Char('|') + text;
        errors << text;
        if (onWarn)
            onWarn(parent, title, text);
    }
    // The questions asked yes or no, in turn.
    QStringList questions;
    // The answer to a question for a line of text; nothing: cancelled.
    std::optional<QString> text;

    bool confirm(QWidget *, const QString &, const QString &question) override
    {
        questions << question;
        return confirmAnswer;
    }
    std::optional<QString> askText(QWidget *, const QString &, const QString &, const QString &) override
    {
        return text;
    }
    Answer askSaveChanges(QWidget *, const QString &, const QString &, bool restoredOverFile) override
    {
        ++asked;
        askedRestored += restoredOverFile;
        const Answer a = answers.empty() ? Answer::Discard : answers.front();
        if (!answers.empty())
            answers.pop_front();
        return a;
    }
    QString openPath(QWidget *, const QString &, const QString &, const QString &) override { return next(); }
    QString savePath(QWidget *, const QString &, const QString &, const QString &) override { return next(); }
    bool askReference(QWidget *, const QString &, QString &text) override
    {
        text = reference;
        return true;
    }
    bool printSetup(QWidget *, QPrinter &printer, QString &text) override
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printFile);
        text = reference;
        return !printFile.isEmpty();
    }
    bool previewPrint(QWidget *, QPrinter &, const std::function<void(QPrinter &)> &) override
    {
        ++previews;
        return true;
    }
    bool restore(QWidget *, const QString &, const QStringList &) override { return restoreAnswer; }

    struct Counted : Progress
    {
        ScriptedPrompts &owner;
        explicit Counted(ScriptedPrompts &owner) : owner(owner) {}
        bool step(qint64 done) override
        {
            owner.lastStep = done;
            return owner.cancelAt == 0 || done < owner.cancelAt;
        }
    };
    std::unique_ptr<Progress> progress(QWidget *, const QString &, qint64 total) override
    {
        lastTotal = total;
        lastStep = 0;
        return std::make_unique<Counted>(*this);
    }

    QString next()
    {
        if (paths.empty())
            return fileName;
        const QString p = paths.front();
        paths.pop_front();
        return p;
    }
};

} // namespace dravex::test
