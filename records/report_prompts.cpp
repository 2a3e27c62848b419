// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/report_prompts.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace dravex {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ReportPrompts", text);
}

} // namespace

ReportPrompts::Answer ReportPrompts::askSaveChanges(QWidget *parent, const QString &documentName)
{
    QMessageBox box(QMessageBox::Warning, tr("Cargo Report"),
                    tr("The report %1 has changes that are not saved.").arg(documentName),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(tr("Save them before closing?"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return Answer::Save;
    case QMessageBox::Discard:
        return Answer::Discard;
    default:
        return Answer::Cancel;
    }
}

QString ReportPrompts::askOpenPath(QWidget *parent, const QString &directory)
{
    return QFileDialog::getOpenFileName(parent, tr("Open Cargo Report"), directory,
                                        tr("Cargo reports (*.json);;All files (*)"));
}

QString ReportPrompts::askSavePath(QWidget *parent, const QString &suggested, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, tr("Save"), suggested, filter);
}

void ReportPrompts::showError(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, tr("Cargo Report"), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool ReportPrompts::askRestore(QWidget *parent, const QStringList &documentNames)
{
    QMessageBox box(QMessageBox::Question, tr("Cargo Report"),
                    tr("Dravex ended without saving these cargo reports:\n%1\n\nRestore them?")
                        .arg(documentNames.join(QLatin1Char('\n'))),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
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
