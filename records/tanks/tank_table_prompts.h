// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace dravex {

// The questions the tank-table windows ask: confirm a delete, a new name, a file to import,
// a fault. The program asks with dialogs; tests answer instead.
class TankTablePrompts
{
public:
    virtual ~TankTablePrompts() = default;
    // Yes or no; the default button is No.
    virtual bool confirm(QWidget *parent, const QString &title, const QString &text);
    // The text typed, or nothing when cancelled.
    virtual std::optional<QString> askText(QWidget *parent, const QString &title, const QString &label,
                                           const QString &current);
    // An empty path: cancelled.
    virtual QString askOpenPath(QWidget *parent, const QString &filter);
    virtual void showError(QWidget *parent, const QString &text);

    // The dialogs.
    static TankTablePrompts &standard();
};

} // namespace dravex
