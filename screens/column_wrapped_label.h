// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QStringList>

namespace dravex {

// Breaks text into lines the way a fixed-width label of the given number of character
// columns does: blanks after a word stay on its line, and a word that would pass the
// last column starts the next line. Runs of blanks are how the old captions break lines.
QStringList wrapToColumns(const QString &text, int columns);

// A label that keeps its text exactly as given and shows it broken into lines by
// wrapToColumns, so the lines come out the same whatever the font.
class ColumnWrappedLabel : public QLabel
{
    Q_OBJECT

public:
    ColumnWrappedLabel(const QString &text, int columns, QWidget *parent = nullptr);

    QStringList lines() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_columns;
};

} // namespace dravex
