// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/report/report_prompts.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace dravex {

namespace {

// The context the texts of this file are translated in.
struct ReportPromptsTexts
{
    Q_DECLARE_TR_FUNCTIONS(ReportPrompts)
};

} // namespace

namespace {

ReportPrompts::Answer saveChangesBox(QWidget *parent, const QString &text, const QString &question,
                                     QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(QMessageBox::Warning, ReportPromptsTexts::tr("Cargo Report"), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(question);
    box.setDefaultButton(defaultButton);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return ReportPrompts::Answer::Save;
    case QMessageBox::Discard:
        return ReportPrompts::Answer::Discard;
    default:
        return ReportPrompts::Answer::Cancel;
    }
}

} // namespace

ReportPrompts::Answer ReportPrompts::askSaveChanges(QWidget *parent, const QString &documentName)
{
    return saveChangesBox(parent,
                          ReportPromptsTexts::tr("The report %1 has changes that are not saved.").arg(documentName),
                          ReportPromptsTexts::tr("Save them before closing?"), QMessageBox::Save);
}

ReportPrompts::Answer ReportPrompts::askSaveRestored(QWidget *parent, const QString &documentName)
{
    return saveChangesBox(
        parent,
        ReportPromptsTexts::tr("The report %1 was restored from the copy kept when Dravex ended without saving it. "
                               "Saving replaces the file %1 as it was last saved.")
            .arg(documentName),
        ReportPromptsTexts::tr("Save the restored report over it before closing?"), QMessageBox::Cancel);
}

QString ReportPrompts::askOpenPath(QWidget *parent, const QString &directory)
{
    return QFileDialog::getOpenFileName(parent, ReportPromptsTexts::tr("Open Cargo Report"), directory,
                                        ReportPromptsTexts::tr("Cargo reports (*.json);;All files (*)"));
}

QString ReportPrompts::askSavePath(QWidget *parent, const QString &suggested, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, ReportPromptsTexts::tr("Save"), suggested, filter);
}

void ReportPrompts::showError(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, ReportPromptsTexts::tr("Cargo Report"), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool ReportPrompts::askRestore(QWidget *parent, const QStringList &documentNames)
{
    QMessageBox box(QMessageBox::Question, ReportPromptsTexts::tr("Cargo Report"),
                    ReportPromptsTexts::tr("Dravex ended without saving these cargo reports:\n%1\n\nRestore them?")
                        .arg(documentNames.join(QLatin1Char('\n'))),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    // Restoring opens windows and writes no file; their saved files change only when saved.
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

bool ReportPrompts::askPrinter(QWidget *parent, QPrinter *printer)
{
    QPrintDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

ReportPrompts &ReportPrompts::standard()
{
    static ReportPrompts prompts;
    return prompts;
}

} // namespace dravex
