// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/tank_table_import.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QStringList>

namespace dravex {

// The text being imported as a grid: one row per line of the text, numbered as the
// import's problems number them (blank lines counted), one column per cell. A cell a
// problem names is marked and carries the problem as its tool tip.
class ImportPreviewModel : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setText(const QString &text, char delimiter, const std::vector<ImportIssue> &issues);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<QStringList> m_rows;
    int m_columns = 0;
    // Keyed by row * 65536 + column, both 1-based.
    QHash<qint64, QString> m_problems;
};

} // namespace dravex
