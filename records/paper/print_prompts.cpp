// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/paper/print_prompts.h"

#include <QAction>
#include <QFormLayout>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace dravex {

bool PrintPrompts::printSetup(QWidget *parent, QPrinter &printer, QString &reference)
{
    QPrintDialog dialog(&printer, parent);
    auto *options = new QWidget;
    options->setWindowTitle(tr("Reference"));
    auto *form = new QFormLayout(options);
    auto *line = new QLineEdit(reference, options);
    line->setObjectName(QStringLiteral("reference"));
    line->setPlaceholderText(tr("Vessel, tank, voyage"));
    form->addRow(tr("&Reference line:"), line);
    dialog.setOptionTabs({options});
    if (dialog.exec() != QDialog::Accepted)
        return false;
    reference = line->text();
    return true;
}

bool PrintPrompts::previewPrint(QWidget *parent, QPrinter &printer, const std::function<void(QPrinter &)> &paint)
{
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&paint](QPrinter *p) { paint(*p); });
    // The printer is chosen already: the preview's Print goes on to print without asking
    // for it again.
    const QString print = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction *action : dialog.findChildren<QAction *>())
        if (action->text() == print) {
            action->disconnect(&dialog);
            QObject::connect(action, &QAction::triggered, &dialog, &QDialog::accept);
        }
    return dialog.exec() == QDialog::Accepted;
}

} // namespace dravex
