// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTableView>

namespace dravex {

// The tank table as a spreadsheet: Tab and Enter move across and down over the typed
// columns, an edit ends by moving on, Del clears, typing replaces. Each row's header
// carries the tank's name, so the tank stays in view while the figures scroll sideways.
class TankTableView : public QTableView
{
    Q_OBJECT

public:
    using QTableView::QTableView;

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void moveDown();
};

} // namespace dravex
