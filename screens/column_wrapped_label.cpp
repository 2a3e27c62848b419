// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/column_wrapped_label.h"

#include <QPainter>

#include <algorithm>

namespace dravex {

QStringList wrapToColumns(const QString &text, int columns)
{
    QStringList lines;
    QString line;
    qsizetype i = 0;
    while (i < text.size()) {
        qsizetype wordStart = i;
        while (wordStart < text.size() && text[wordStart] == QLatin1Char(' '))
            ++wordStart;
        qsizetype wordEnd = wordStart;
        while (wordEnd < text.size() && text[wordEnd] != QLatin1Char(' '))
            ++wordEnd;
        const QString blanks = text.mid(i, wordStart - i);
        const QString word = text.mid(wordStart, wordEnd - wordStart);
        i = wordEnd;
        if (word.isEmpty())
            break;
        const bool lineHasWord = !line.trimmed().isEmpty();
        if (lineHasWord && line.size() + blanks.size() + word.size() > columns) {
            lines << line;
            line = word;
        } else {
            line += blanks + word;
        }
    }
    if (!line.trimmed().isEmpty())
        lines << line;
    for (QString &l : lines)
        l = l.trimmed();
    return lines;
}

ColumnWrappedLabel::ColumnWrappedLabel(const QString &text, int columns, QWidget *parent)
    : QLabel(text, parent), m_columns(columns)
{
    setAccessibleName(lines().join(QLatin1Char(' ')));
}

QStringList ColumnWrappedLabel::lines() const
{
    return wrapToColumns(text(), m_columns);
}

QSize ColumnWrappedLabel::sizeHint() const
{
    const QFontMetrics metrics(font());
    int width = 0;
    const QStringList all = lines();
    for (const QString &line : all)
        width = std::max(width, metrics.horizontalAdvance(line));
    const QMargins m = contentsMargins();
    return QSize(width + m.left() + m.right() + 4, metrics.lineSpacing() * int(all.size()) + m.top() + m.bottom() + 2);
}

void ColumnWrappedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QRect area = contentsRect();
    int y = area.top() + metrics.ascent() + 1;
    for (const QString &line : lines()) {
        painter.drawText(area.left() + 2, y, line);
        y += metrics.lineSpacing();
    }
}

} // namespace dravex
