// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/report/figure_delegate.h"

#include <algorithm>

namespace dravex {

int FigureDelegate::decimalsOf(const QString &text)
{
    qsizetype i = 0;
    if (i < text.size() && text[i] == QLatin1Char('-'))
        ++i;
    const qsizetype digitsFrom = i;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128)
        ++i;
    if (i == digitsFrom)
        return -1;
    if (i == text.size())
        return 0;
    if (text[i] != QLatin1Char('.'))
        return -1;
    const qsizetype point = i++;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128)
        ++i;
    return i == text.size() ? static_cast<int>(i - point - 1) : -1;
}

QString FigureDelegate::withDecimals(const QString &text, int decimals)
{
    const int has = decimalsOf(text);
    if (has < 0 || has >= decimals)
        return text;
    QString padded = text;
    if (has == 0)
        padded += QLatin1Char('.');
    padded += QString(decimals - has, QLatin1Char('0'));
    return padded;
}

QStringList FigureDelegate::alignDecimals(const QStringList &texts)
{
    int most = 0;
    for (const QString &t : texts)
        most = std::max(most, decimalsOf(t));
    QStringList aligned;
    aligned.reserve(texts.size());
    for (const QString &t : texts)
        aligned << withDecimals(t, most);
    return aligned;
}

void FigureDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const QVariant aligned = index.data(kAlignedTextRole);
    if (aligned.isValid())
        option->text = aligned.toString();
}

} // namespace dravex
