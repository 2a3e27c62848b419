// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace dravex {

// How far a long job has come; step returns false once the person has cancelled it.
class Progress
{
public:
    virtual ~Progress() = default;
    virtual bool step(qint64 done) = 0;
};

// Every question the program asks and every message box it shows: warnings, yes or no,
// saving changes, file names, the print dialog and its preview, restoring after a crash,
// the progress of a long job. The program has one, and hands it to whatever asks; tests
// hand over one that answers without a dialog. These are Qt's dialogs; the print dialogs
// come with the records module, which links the printing libraries: without it nothing
// prints.
class Prompts
{
    Q_DECLARE_TR_FUNCTIONS(dravex::Prompts)

public:
    enum class Answer { Save, Discard, Cancel };

    virtual ~Prompts() = default;

    // A message box with a warning icon and one OK button; the text is never markup.
    virtual void warn(QWidget *parent, const QString &title, const QString &text);
    // Yes or No, No the default.
    virtual bool confirm(QWidget *parent, const QString &title, const QString &text);
    // Save, Discard or Cancel for a document with changes that are not saved, Save the
    // default. A document restored after a crash over a saved file (restoredOverFile)
    // has Cancel as default instead: saving replaces that file.
    virtual Answer askSaveChanges(QWidget *parent, const QString &title, const QString &documentName,
                                  bool restoredOverFile);
    // A file to read or to write; empty when cancelled.
    virtual QString openPath(QWidget *parent, const QString &caption, const QString &directory, const QString &filter);
    virtual QString savePath(QWidget *parent, const QString &caption, const QString &suggested, const QString &filter);
    // A line of text, such as a new name, starting from current; nothing when cancelled.
    virtual std::optional<QString> askText(QWidget *parent, const QString &title, const QString &label,
                                           const QString &current);
    // The reference line (vessel, tank) of a PDF; false when cancelled.
    virtual bool askReference(QWidget *parent, const QString &caption, QString &reference);
    // The print dialog with a reference line of its own; false when cancelled.
    virtual bool printSetup(QWidget *parent, QPrinter &printer, QString &reference);
    // The pages as paint lays them on printer, shown before they are printed; true when
    // the person goes on to print them.
    virtual bool previewPrint(QWidget *parent, QPrinter &printer, const std::function<void(QPrinter &)> &paint);
    // Whether to restore the documents named, left unsaved when the program last ended.
    virtual bool restore(QWidget *parent, const QString &title, const QStringList &documentNames);
    // Progress of a job over total steps, shown with a Cancel button once it takes longer
    // than a second.
    virtual std::unique_ptr<Progress> progress(QWidget *parent, const QString &label, qint64 total);
};

} // namespace dravex
