// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

namespace dravex {

// Shows a figure with as many decimals as the other figures of its column ("4941.0" under
// "4940.5"), from the model's aligned text; what the cell holds, copies and prints stays
// the text the table window wrote.
class FigureDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // The item data role of a cell's text aligned to its column's decimals.
    static constexpr int kAlignedTextRole = Qt::UserRole + 1;

    using QStyledItemDelegate::QStyledItemDelegate;

    // texts with every plain decimal number given the most decimals any of them has;
    // other texts (empty, a notice, an exponent) stay as they are.
    static QStringList alignDecimals(const QStringList &texts);
    // The decimals of a plain decimal number ("-12.50" has 2), or -1 for any other text.
    static int decimalsOf(const QString &text);
    static QString withDecimals(const QString &text, int decimals);

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};

} // namespace dravex
