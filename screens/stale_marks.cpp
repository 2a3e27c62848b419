// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/stale_marks.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QWidget>

namespace dravex {

StaleMarks::StaleMarks(QWidget *window) : QObject(window), m_window(window) {}

QLineEdit *StaleMarks::fieldNamed(const QString &name) const
{
    return m_window->findChild<QLineEdit *>(name);
}

void StaleMarks::watch(const QObject *ignored)
{
    if (m_watching)
        return;
    m_watching = true;
    for (QLineEdit *field : m_window->findChildren<QLineEdit *>())
        if (!field->objectName().isEmpty())
            connect(field, &QLineEdit::textEdited, this, [this, field] { inputChanged(field); });
    for (QAbstractButton *button : m_window->findChildren<QAbstractButton *>())
        if (button->isCheckable() && !button->objectName().isEmpty() && button != ignored)
            connect(button, &QAbstractButton::toggled, this, [this, button](bool on) {
                if (on)
                    inputChanged(button);
            });
    for (QListWidget *list : m_window->findChildren<QListWidget *>())
        connect(list, &QListWidget::itemSelectionChanged, this, [this, list] { inputChanged(list); });
}

void StaleMarks::calculated(const FormResult &result)
{
    // What was read is an input now; what was written is a result of these inputs.
    for (const FieldText &read : result.reads) {
        const QString name = QString::fromStdString(read.field);
        m_inputs.insert(name);
        m_results.erase(name);
        if (auto *field = fieldNamed(name))
            setStale(field, false);
    }
    std::set<QString> written;
    for (const FieldText &write : result.writes) {
        const QString name = QString::fromStdString(write.field);
        written.insert(name);
        m_results.insert(name);
        setStale(fieldNamed(name), false);
    }
    // A calculation that stopped leaves the results of earlier entries beside its own.
    for (const QString &name : m_results)
        if (auto *field = fieldNamed(name); field && !written.count(name))
            setStale(field, !result.completed() && !field->text().isEmpty());
}

void StaleMarks::clearResultsExcept(const std::set<QString> &kept)
{
    for (const QString &name : m_results)
        if (auto *line = fieldNamed(name); line && !kept.count(name)) {
            line->clear();
            setStale(line, false);
        }
}

bool StaleMarks::anyStale() const
{
    for (const QString &name : m_results)
        if (auto *field = fieldNamed(name); field && isStale(field))
            return true;
    return false;
}

void StaleMarks::inputChanged(QObject *control)
{
    const QString name = control->objectName();
    const bool result = m_results.count(name) != 0;
    if (auto *field = qobject_cast<QLineEdit *>(control)) {
        // The user's own text now: neither a result nor stale.
        m_results.erase(name);
        setStale(field, false);
        // Typing over a result that no calculation reads changes no input.
        if (result && !m_inputs.count(name)) {
            emit changed();
            return;
        }
    }
    markResultsStale(name);
}

void StaleMarks::markResultsStale(const QString &except)
{
    for (const QString &name : m_results)
        if (auto *field = fieldNamed(name); field && name != except && !field->text().isEmpty())
            setStale(field, true);
    emit changed();
}

bool StaleMarks::isStale(const QLineEdit *field)
{
    return field->property("stale").toBool();
}

void StaleMarks::setStale(QLineEdit *field, bool stale)
{
    if (!field || isStale(field) == stale)
        return;
    field->setProperty("stale", stale);
    if (stale) {
        QPalette grey = field->palette();
        grey.setColor(QPalette::Text, grey.color(QPalette::Disabled, QPalette::Text));
        field->setPalette(grey);
    } else {
        // Back to the palette the field inherits.
        field->setPalette(QPalette());
    }
    field->setAccessibleDescription(stale ? tr("Result of the previous entries") : QString());
}

} // namespace dravex
