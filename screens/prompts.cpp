// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/prompts.h"

#include <QElapsedTimer>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>

#include <algorithm>
#include <climits>

namespace dravex {

namespace {

// A QProgressDialog that shows once the job looks to take more than a second, updated at
// most every 50 ms.
class DialogProgress : public Progress
{
public:
    DialogProgress(QWidget *parent, const QString &label, qint64 total)
        : m_dialog(label, Prompts::tr("Cancel"), 0, int(std::min<qint64>(total, INT_MAX)), parent), m_total(total)
    {
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setMinimumDuration(1000);
        m_dialog.setAutoReset(false);
        m_dialog.setValue(0);
        m_since.start();
    }

    bool step(qint64 done) override
    {
        if (done >= m_total || m_since.elapsed() >= 50) {
            // Modal: lets the Cancel button be pressed.
            m_dialog.setValue(int(std::min<qint64>(done, m_dialog.maximum())));
            m_since.restart();
        }
        return !m_dialog.wasCanceled();
    }

private:
    QProgressDialog m_dialog;
    qint64 m_total;
    QElapsedTimer m_since;
};

} // namespace

void Prompts::warn(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    // Message texts may quote what was typed: never read them as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool Prompts::confirm(QWidget *parent, const QString &title, const QString &text)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

Prompts::Answer Prompts::askSaveChanges(QWidget *parent, const QString &title, const QString &documentName,
                                        bool restoredOverFile)
{
    QMessageBox box(QMessageBox::Warning, title,
                    restoredOverFile
                        ? tr("The report %1 was restored from the copy kept when Dravex ended without saving it. "
                             "Saving replaces the file %1 as it was last saved.")
                              .arg(documentName)
                        : tr("The report %1 has changes that are not saved.").arg(documentName),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(restoredOverFile ? tr("Save the restored report over it before closing?")
                                            : tr("Save them before closing?"));
    box.setDefaultButton(restoredOverFile ? QMessageBox::Cancel : QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return Answer::Save;
    case QMessageBox::Discard:
        return Answer::Discard;
    default:
        return Answer::Cancel;
    }
}

QString Prompts::openPath(QWidget *parent, const QString &caption, const QString &directory, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, directory, filter);
}

QString Prompts::savePath(QWidget *parent, const QString &caption, const QString &suggested, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}

std::optional<QString> Prompts::askText(QWidget *parent, const QString &title, const QString &label,
                                        const QString &current)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, label, QLineEdit::Normal, current, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

bool Prompts::askReference(QWidget *parent, const QString &caption, QString &reference)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, caption, tr("Reference line (vessel, tank), may be empty:"),
                                               QLineEdit::Normal, reference, &ok);
    if (ok)
        reference = text;
    return ok;
}

bool Prompts::printSetup(QWidget *parent, QPrinter &printer, QString &reference)
{
    Q_UNUSED(printer);
    Q_UNUSED(reference);
    warn(parent, tr("Print"), tr("Printing is not available: the records module is not loaded."));
    return false;
}

bool Prompts::previewPrint(QWidget *parent, QPrinter &printer, const std::function<void(QPrinter &)> &paint)
{
    Q_UNUSED(parent);
    Q_UNUSED(printer);
    Q_UNUSED(paint);
    return false;
}

bool Prompts::restore(QWidget *parent, const QString &title, const QStringList &documentNames)
{
    QMessageBox box(QMessageBox::Question, title,
                    tr("Dravex ended without saving these cargo reports:\n%1\n\nRestore them?")
                        .arg(documentNames.join(QLatin1Char('\n'))),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    // Restoring opens windows and writes no file; their saved files change only when saved.
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::unique_ptr<Progress> Prompts::progress(QWidget *parent, const QString &label, qint64 total)
{
    return std::make_unique<DialogProgress>(parent, label, total);
}

} // namespace dravex
