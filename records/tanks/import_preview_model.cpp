// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/tanks/import_preview_model.h"

#include <QApplication>
#include <QPalette>

namespace dravex {

namespace {

qint64 cellKey(int row, int column)
{
    return qint64(row) * 65536 + column;
}

} // namespace

void ImportPreviewModel::setText(const QString &text, char delimiter, const std::vector<ImportIssue> &issues)
{
    beginResetModel();
    m_rows.clear();
    m_columns = 0;
    m_problems.clear();
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (const QString &line : lines) {
        // Line by line, so that the rows are the text's lines, blank ones included.
        const std::string bytes = line.toStdString();
        const auto cells = SplitDelimited(bytes, delimiter);
        QStringList row;
        if (!cells.empty())
            for (const std::string &cell : cells.front())
                row << QString::fromStdString(cell);
        m_columns = std::max(m_columns, int(row.size()));
        m_rows << row;
    }
    for (const ImportIssue &issue : issues) {
        if (issue.row <= 0)
            continue;
        QString &problem = m_problems[cellKey(issue.row, issue.column)];
        problem += (problem.isEmpty() ? QString() : QStringLiteral("\n")) + QString::fromStdString(issue.message);
    }
    endResetModel();
}

int ImportPreviewModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ImportPreviewModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

QVariant ImportPreviewModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row() + 1;
    const int column = index.column() + 1;
    // A problem of a cell, or of the whole row (column 0).
    auto problem = m_problems.constFind(cellKey(row, column));
    if (problem == m_problems.cend())
        problem = m_problems.constFind(cellKey(row, 0));
    const bool marked = problem != m_problems.cend();
    switch (role) {
    case Qt::DisplayRole: {
        const QStringList &cells = m_rows[index.row()];
        return index.column() < cells.size() ? cells[index.column()] : QString();
    }
    case Qt::ToolTipRole:
        return marked ? *problem : QVariant();
    case Qt::BackgroundRole:
        return marked ? QApplication::palette().brush(QPalette::Highlight) : QVariant();
    case Qt::ForegroundRole:
        return marked ? QApplication::palette().brush(QPalette::HighlightedText) : QVariant();
    default:
        return {};
    }
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation, int role) const
{
    return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
}

} // namespace dravex
