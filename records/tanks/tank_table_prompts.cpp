// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/tanks/tank_table_prompts.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace dravex {

namespace {

struct TankTablePromptsText
{
    Q_DECLARE_TR_FUNCTIONS(dravex::TankTablePrompts)
};

} // namespace

bool TankTablePrompts::confirm(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    // Names of tanks and vessels are typed by users: never read them as markup.
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> TankTablePrompts::askText(QWidget *parent, const QString &title, const QString &label,
                                                 const QString &current)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, label, QLineEdit::Normal, current, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString TankTablePrompts::askOpenPath(QWidget *parent, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, TankTablePromptsText::tr("Import a tank table"), QString(), filter);
}

void TankTablePrompts::showError(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, TankTablePromptsText::tr("Tank tables"), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

TankTablePrompts &TankTablePrompts::standard()
{
    static TankTablePrompts prompts;
    return prompts;
}

} // namespace dravex
