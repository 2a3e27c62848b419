// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/cargo_report.h"

#include <QAbstractTableModel>

#include <array>
#include <functional>
#include <memory>

class QUndoStack;

namespace dravex {

// The tank table of a cargo report as a spreadsheet: the typed columns editable, the
// computed ones read-only, one blank row at the end to type a new tank into. Every edit
// goes through the undo stack as a change of the document, and every change recomputes
// the report.
class CargoReportModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // Typed columns first (TankColumn order), then the figures (ResultColumn order), then
    // the row's notice.
    static constexpr int kFirstResultColumn = kTankColumns;
    static constexpr int kNoticeColumn = kTankColumns + kResultColumns;
    static constexpr int kColumnCount = kNoticeColumn + 1;

    explicit CargoReportModel(QUndoStack *undo, QObject *parent = nullptr);

    const CargoReport &report() const { return m_report; }
    const ReportResult &result() const { return m_result; }

    // Replaces the document without an undo step (a file opened, a new report).
    void setReport(const CargoReport &report);
    // The tank tables the gauged rows are worked with (none: they stop, naming the missing
    // document); the report is recomputed with them.
    void setTables(std::shared_ptr<const TankTableDocument> tables);
    const TankTableDocument *tables() const { return m_tables.get(); }
    // Records in the gauged rows the hash of each table they use that has none yet, so a
    // later change of the table is noticed: one undo step, none when nothing is new.
    void recordTableHashes();
    // Changes the document as one undo step named text; nothing happens when the edit
    // leaves the document as it was. Successive changes with the same mergeId (0 or more)
    // make one step, as typing into one header field does.
    void change(const QString &text, const std::function<void(CargoReport &)> &edit, int mergeId = -1);

    // A block of texts (rows of cells) put at row, column: one undo step, rows added as
    // needed, cells beyond the typed columns dropped.
    void setCells(int row, int column, const QList<QStringList> &block);
    // Empties the typed cells among indexes: one undo step.
    void clearCells(const QModelIndexList &indexes);
    void insertTankRow(int row);
    void removeTankRows(int first, int count);

    static bool isInputColumn(int column) { return column >= 0 && column < kTankColumns; }
    // The notice a row shows: why it stopped or what its table windows said, then, where
    // the locale writes a decimal comma, how each number cell that a reader of that locale
    // could take the other way was read ("12.500 was read as 12.5 ...").
    QString rowNotice(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

signals:
    // The document or its results changed (header fields, totals and working follow).
    void reportChanged();

private:
    friend class ReportEditCommand;
    // Makes report the document: rows added or removed at the end, every cell refreshed.
    void assign(CargoReport report);
    // The most decimals among each figure column's numbers, which every figure is shown with.
    void measureDecimals();

    QUndoStack *m_undo;
    CargoReport m_report;
    ReportResult m_result;
    std::array<int, kResultColumns> m_decimals{};
    ReportRecomputer m_recompute;
    std::shared_ptr<const TankTableDocument> m_tables;
};

} // namespace dravex
