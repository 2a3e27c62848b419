// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/report/cargo_report_model.h"

#include "core/conventions.h"
#include "core/tank_table_file.h"
#include "records/report/figure_delegate.h"

#include <QBrush>
#include <QFont>
#include <QGuiApplication>
#include <QLocale>
#include <QPalette>
#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>

namespace dravex {

// One edit of the document: everything but the rows as it was before and after, and the
// rows that changed: the run between the rows both sides share at the start and at the
// end. A typed cell keeps one row twice, an inserted tank one row, so a long session on a
// large report keeps its undo history small.
class ReportEditCommand : public QUndoCommand
{
public:
    ReportEditCommand(CargoReportModel *model, const QString &text, const CargoReport &before, const CargoReport &after,
                      int mergeId)
        : QUndoCommand(text), m_model(model), m_mergeId(mergeId), m_before(withoutRows(before)),
          m_after(withoutRows(after))
    {
        const std::vector<TankRow> &b = before.rows;
        const std::vector<TankRow> &a = after.rows;
        const std::size_t shorter = std::min(b.size(), a.size());
        while (m_at < shorter && b[m_at] == a[m_at])
            ++m_at;
        std::size_t tail = 0;
        while (tail < shorter - m_at && b[b.size() - 1 - tail] == a[a.size() - 1 - tail])
            ++tail;
        m_rowsBefore.assign(b.begin() + static_cast<std::ptrdiff_t>(m_at), b.end() - static_cast<std::ptrdiff_t>(tail));
        m_rowsAfter.assign(a.begin() + static_cast<std::ptrdiff_t>(m_at), a.end() - static_cast<std::ptrdiff_t>(tail));
    }
    void undo() override { apply(m_before, m_rowsAfter.size(), m_rowsBefore); }
    void redo() override { apply(m_after, m_rowsBefore.size(), m_rowsAfter); }
    int id() const override { return m_mergeId; }
    bool mergeWith(const QUndoCommand *other) override
    {
        // Only edits of the header merge (typing into one field); they change no rows.
        const auto *next = static_cast<const ReportEditCommand *>(other);
        if (!m_rowsBefore.empty() || !m_rowsAfter.empty() || !next->m_rowsBefore.empty() || !next->m_rowsAfter.empty())
            return false;
        m_after = next->m_after;
        return true;
    }

private:
    static CargoReport withoutRows(const CargoReport &r)
    {
        // Everything but the rows: the header, the ship's condition, the comparison...
        CargoReport copy = r;
        copy.rows.clear();
        return copy;
    }

    void apply(const CargoReport &state, std::size_t replaced, const std::vector<TankRow> &rows)
    {
        CargoReport next = state;
        next.rows = m_model->report().rows;
        const auto from = next.rows.begin() + static_cast<std::ptrdiff_t>(m_at);
        next.rows.erase(from, from + static_cast<std::ptrdiff_t>(replaced));
        next.rows.insert(next.rows.begin() + static_cast<std::ptrdiff_t>(m_at), rows.begin(), rows.end());
        m_model->assign(std::move(next));
    }

    CargoReportModel *m_model;
    int m_mergeId;
    CargoReport m_before; // without rows
    CargoReport m_after;
    std::size_t m_at = 0;
    std::vector<TankRow> m_rowsBefore;
    std::vector<TankRow> m_rowsAfter;
};

namespace {

QString headFor(int column, UnitSystem units)
{
    std::string head;
    if (column < kTankColumns)
        head = TankColumnHead(static_cast<TankColumn>(column), units);
    else if (column < CargoReportModel::kNoticeColumn)
        head = ResultColumnHead(static_cast<ResultColumn>(column - kTankColumns), units);
    else
        return CargoReportModel::tr("Notice");
    return QString::fromStdString(head);
}

// Where the locale writes a decimal comma, "12.500" may be meant as twelve thousand five
// hundred and "1,250" as one and a quarter; cells, like the windows' fields, always read a
// point as the decimal separator. Says how such a text was read; empty for any other.
QString separatorNote(const std::string &text)
{
    if (QLocale().decimalPoint() != QLatin1String(","))
        return {};
    const SeparatorShape shape = ThousandsShape(text);
    if (shape == SeparatorShape::None)
        return {};
    double value = 0;
    try {
        value = ParseFieldNumber(text);
    } catch (const CalcFault &) {
        return {};
    }
    const QString typed = QString::fromStdString(text).trimmed();
    const QString number = QString::fromStdString(FormatFieldNumber(value));
    return shape == SeparatorShape::Point
               ? CargoReportModel::tr("%1 was read as %2 (the decimal separator is a point)").arg(typed, number)
               : CargoReportModel::tr(
                     "%1 was read as %2 (a comma separates thousands; the decimal separator is a point)")
                     .arg(typed, number);
}

bool isNumberColumn(int column)
{
    return column >= static_cast<int>(TankColumn::TotalObserved) && column < kTankColumns;
}

} // namespace

CargoReportModel::CargoReportModel(QUndoStack *undo, QObject *parent) : QAbstractTableModel(parent), m_undo(undo)
{
    m_result = m_recompute(m_report, m_tables.get());
    measureDecimals();
}

void CargoReportModel::measureDecimals()
{
    m_decimals.fill(0);
    for (const RowResult &row : m_result.rows)
        for (int c = 0; c < kResultColumns; ++c)
            m_decimals[c] = std::max(m_decimals[c], FigureDelegate::decimalsOf(QString::fromStdString(row.figures[c])));
}

void CargoReportModel::setReport(const CargoReport &report)
{
    assign(report);
}

void CargoReportModel::setTables(std::shared_ptr<const TankTableDocument> tables)
{
    m_tables = std::move(tables);
    m_result = m_recompute(m_report, m_tables.get());
    measureDecimals();
    emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
    emit reportChanged();
}

void CargoReportModel::recordTableHashes()
{
    if (m_tables)
        change(tr("Record table versions"), [this](CargoReport &r) { RecordTableHashes(r, *m_tables); });
}

void CargoReportModel::change(const QString &text, const std::function<void(CargoReport &)> &edit, int mergeId)
{
    CargoReport after = m_report;
    edit(after);
    // Blank rows at the end are the spreadsheet's margin, not part of the document.
    while (!after.rows.empty() && after.rows.back().blank())
        after.rows.pop_back();
    if (after == m_report)
        return;
    m_undo->push(new ReportEditCommand(this, text, m_report, after, mergeId));
}

void CargoReportModel::assign(CargoReport report)
{
    const int before = rowCount();
    const int after = static_cast<int>(report.rows.size()) + 1;
    if (after > before)
        beginInsertRows({}, before, after - 1);
    else if (after < before)
        beginRemoveRows({}, after, before - 1);
    const bool headsChange = report.units != m_report.units;
    m_report = std::move(report);
    m_result = m_recompute(m_report, m_tables.get());
    measureDecimals();
    if (after > before)
        endInsertRows();
    else if (after < before)
        endRemoveRows();
    emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
    emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    if (headsChange)
        emit headerDataChanged(Qt::Horizontal, 0, kColumnCount - 1);
    emit reportChanged();
}

void CargoReportModel::setCells(int row, int column, const QList<QStringList> &block)
{
    if (row < 0 || column < 0 || column >= kTankColumns || block.isEmpty())
        return;
    change(block.size() == 1 && block.front().size() == 1 ? tr("Edit cell") : tr("Paste"), [&](CargoReport &r) {
        for (int i = 0; i < block.size(); ++i) {
            const std::size_t target = static_cast<std::size_t>(row + i);
            if (r.rows.size() <= target)
                r.rows.resize(target + 1);
            for (int j = 0; j < block[i].size() && column + j < kTankColumns; ++j)
                r.rows[target].cells[column + j] = block[i][j].toStdString();
        }
    });
}

void CargoReportModel::clearCells(const QModelIndexList &indexes)
{
    change(tr("Clear"), [&](CargoReport &r) {
        for (const QModelIndex &i : indexes)
            if (isInputColumn(i.column()) && i.row() < static_cast<int>(r.rows.size()))
                r.rows[i.row()].cells[i.column()].clear();
    });
}

void CargoReportModel::insertTankRow(int row)
{
    // The table always ends in a blank row: inserting there adds nothing.
    if (row < 0 || row >= static_cast<int>(m_report.rows.size()))
        return;
    change(tr("Insert tank"), [&](CargoReport &r) { r.rows.insert(r.rows.begin() + row, TankRow{}); });
}

void CargoReportModel::removeTankRows(int first, int count)
{
    change(tr("Delete tanks"), [&](CargoReport &r) {
        const std::size_t from = std::min(static_cast<std::size_t>(std::max(first, 0)), r.rows.size());
        const std::size_t to = std::min(from + static_cast<std::size_t>(std::max(count, 0)), r.rows.size());
        r.rows.erase(r.rows.begin() + static_cast<std::ptrdiff_t>(from),
                     r.rows.begin() + static_cast<std::ptrdiff_t>(to));
    });
}

int CargoReportModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_report.rows.size()) + 1;
}

int CargoReportModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CargoReportModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= static_cast<int>(m_report.rows.size()))
        return role == Qt::DisplayRole || role == Qt::EditRole ? QVariant(QString()) : QVariant();
    const TankRow &row = m_report.rows[index.row()];
    const RowResult &r = m_result.rows[index.row()];
    const int c = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        // A gauged row's total observed volume and free water come from its table.
        if (row.gauge && c == static_cast<int>(TankColumn::TotalObserved))
            return QString::fromStdString(r.volumes.tov);
        if (row.gauge && c == static_cast<int>(TankColumn::FreeWater))
            return QString::fromStdString(r.volumes.freeWater);
        if (c < kTankColumns)
            return QString::fromStdString(row.cells[c]);
        if (c < kNoticeColumn)
            return QString::fromStdString(r.figures[c - kTankColumns]);
        return rowNotice(index.row());
    case FigureDelegate::kAlignedTextRole:
        if (c >= kTankColumns && c < kNoticeColumn)
            return FigureDelegate::withDecimals(QString::fromStdString(r.figures[c - kTankColumns]),
                                                m_decimals[c - kTankColumns]);
        return {};
    case Qt::ToolTipRole: {
        if (c == kNoticeColumn)
            return rowNotice(index.row());
        QStringList lines;
        if (c == static_cast<int>(TankColumn::TotalObserved) && m_report.gauged())
            lines << (row.gauge ? tr("Gauged: from the table %1")
                                      .arg(QString::fromStdString(row.gauge->table.empty() ? row[TankColumn::Tank]
                                                                                           : row.gauge->table))
                                : tr("manual"));
        if (c < kTankColumns && r.bad(static_cast<TankColumn>(c)))
            lines << QString::fromStdString(r.notice);
        if (isNumberColumn(c))
            if (const QString note = separatorNote(row.cells[c]); !note.isEmpty())
                lines << note;
        return lines.isEmpty() ? QVariant() : QVariant(lines.join(QLatin1Char('\n')));
    }
    // From the palette, so a dark theme reads: a cell that stopped its row stands out as a
    // tooltip does, computed cells are shaded as alternate rows are, a notice is bold.
    case Qt::BackgroundRole:
        if (c < kTankColumns && r.bad(static_cast<TankColumn>(c)))
            return QGuiApplication::palette().brush(QPalette::ToolTipBase);
        if (c >= kTankColumns)
            return QGuiApplication::palette().brush(QPalette::AlternateBase);
        return {};
    case Qt::ForegroundRole:
        if (c < kTankColumns && r.bad(static_cast<TankColumn>(c)))
            return QGuiApplication::palette().brush(QPalette::ToolTipText);
        return {};
    case Qt::FontRole:
        if (c == kNoticeColumn && !rowNotice(index.row()).isEmpty()) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::TextAlignmentRole:
        if ((c >= static_cast<int>(TankColumn::TotalObserved) && c < kTankColumns) ||
            (c >= kTankColumns && c < kNoticeColumn))
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QString CargoReportModel::rowNotice(int row) const
{
    QStringList parts;
    if (!m_result.rows[row].notice.empty())
        parts << QString::fromStdString(m_result.rows[row].notice);
    for (int c = static_cast<int>(TankColumn::TotalObserved); c < kTankColumns; ++c)
        if (const QString note = separatorNote(m_report.rows[row].cells[c]); !note.isEmpty())
            parts << note;
    return parts.join(QStringLiteral("; "));
}

QVariant CargoReportModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    // A row's head names its tank, so the tank stays in view while the figures scroll
    // sideways; a row without a name shows its number.
    if (orientation == Qt::Vertical) {
        if (section < static_cast<int>(m_report.rows.size())) {
            const std::string &tank = m_report.rows[section].cells[static_cast<int>(TankColumn::Tank)];
            if (!tank.empty())
                return QString::fromStdString(tank);
        }
        return section + 1;
    }
    return headFor(section, m_report.units);
}

Qt::ItemFlags CargoReportModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const bool fromTable = index.row() < static_cast<int>(m_report.rows.size()) && m_report.rows[index.row()].gauge &&
                           (index.column() == static_cast<int>(TankColumn::TotalObserved) ||
                            index.column() == static_cast<int>(TankColumn::FreeWater));
    if (isInputColumn(index.column()) && !fromTable)
        f |= Qt::ItemIsEditable;
    return f;
}

bool CargoReportModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || !isInputColumn(index.column()))
        return false;
    setCells(index.row(), index.column(), {QStringList{value.toString()}});
    return true;
}

} // namespace dravex
