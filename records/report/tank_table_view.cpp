// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/report/tank_table_view.h"

#include "core/cargo_report.h"

#include <QKeyEvent>

#include <algorithm>

namespace dravex {

QModelIndex TankTableView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = currentIndex();
    if (!current.isValid() || (action != MoveNext && action != MovePrevious))
        return QTableView::moveCursor(action, modifiers);
    int row = current.row();
    int column = current.column();
    const int last = kTankColumns - 1;
    if (action == MoveNext) {
        if (column >= last) {
            column = 0;
            row = std::min(row + 1, model()->rowCount() - 1);
        } else {
            ++column;
        }
    } else if (column == 0 || column > last) {
        column = last;
        row = std::max(row - 1, 0);
    } else {
        --column;
    }
    return model()->index(row, column);
}

void TankTableView::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState) {
        moveDown();
        return;
    }
    QTableView::keyPressEvent(event);
}

void TankTableView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    QTableView::closeEditor(editor, hint);
    // Enter ends an edit by moving down, as in a spreadsheet.
    if (hint == QAbstractItemDelegate::SubmitModelCache)
        moveDown();
}

void TankTableView::moveDown()
{
    const QModelIndex current = currentIndex();
    if (current.isValid() && current.row() + 1 < model()->rowCount())
        setCurrentIndex(model()->index(current.row() + 1, current.column()));
}

} // namespace dravex
