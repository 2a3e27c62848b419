// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/tank_table.h"

#include <QAbstractTableModel>
#include <QStringList>

namespace dravex {

// One grid of a tank table, read-only: a row per level, the level first, then a value
// column, or one per trim (list) with the trim in words in its heading. A table of
// 20,000 rows is shown without making a cell object for each.
class TableGridModel : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    // columnHeadings: one per column of grid (one for a grid without columns).
    void setGrid(const TableGrid &grid, LevelUnit unit, const QString &levelHeading, const QStringList &columnHeadings);
    void clear();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // A number as the table gives it: the shortest text that reads back as the value.
    static QString numberText(double value);

private:
    TableGrid m_grid;
    LevelUnit m_unit = LevelUnit::Millimetres;
    QStringList m_headings;
};

} // namespace dravex
