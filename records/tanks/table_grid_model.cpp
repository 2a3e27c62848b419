// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/tanks/table_grid_model.h"

#include <QLocale>

namespace dravex {

void TableGridModel::setGrid(const TableGrid &grid, LevelUnit unit, const QString &levelHeading,
                             const QStringList &columnHeadings)
{
    beginResetModel();
    m_grid = grid;
    m_unit = unit;
    m_headings = QStringList{levelHeading} + columnHeadings;
    endResetModel();
}

void TableGridModel::clear()
{
    beginResetModel();
    m_grid = {};
    m_headings.clear();
    endResetModel();
}

int TableGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_grid.levels.size());
}

int TableGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() || m_headings.isEmpty() ? 0 : int(m_headings.size());
}

QString TableGridModel::numberText(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QVariant TableGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const auto row = std::size_t(index.row());
    if (role == Qt::TextAlignmentRole)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    if (index.column() == 0) {
        // Feet, inches and eighths read as the table prints them; other units as numbers.
        const double level = m_grid.levels[row];
        return m_unit == LevelUnit::FeetInchesEighths ? QString::fromStdString(FormatLevel(level, m_unit))
                                                      : numberText(level);
    }
    const std::size_t column = std::size_t(index.column() - 1);
    if (row * m_grid.width() + column >= m_grid.values.size())
        return {};
    return numberText(m_grid.at(row, column));
}

QVariant TableGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return section < m_headings.size() ? m_headings[section] : QVariant();
}

} // namespace dravex
