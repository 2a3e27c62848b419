// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

namespace dravex {

// The questions a report window asks: file names, save before closing, errors, restoring
// after a crash, the print dialog. The program asks with dialogs; tests answer instead.
class ReportPrompts
{
public:
    enum class Answer { Save, Discard, Cancel };

    virtual ~ReportPrompts() = default;
    virtual Answer askSaveChanges(QWidget *parent, const QString &documentName);
    // The same question for a report restored after a crash over a saved file: saving
    // replaces that file, so the default answer is Cancel, which keeps both.
    virtual Answer askSaveRestored(QWidget *parent, const QString &documentName);
    // An empty path: cancelled.
    virtual QString askOpenPath(QWidget *parent, const QString &directory);
    virtual QString askSavePath(QWidget *parent, const QString &suggested, const QString &filter);
    virtual void showError(QWidget *parent, const QString &text);
    virtual bool askRestore(QWidget *parent, const QStringList &documentNames);
    virtual bool askPrinter(QWidget *parent, QPrinter *printer);

    // The dialogs.
    static ReportPrompts &standard();
};

} // namespace dravex
