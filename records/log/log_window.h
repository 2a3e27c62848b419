// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/calculation_print.h"
#include "records/log/log_store.h"

#include <QAbstractTableModel>
#include <QWidget>

#include <functional>
#include <memory>

class QComboBox;
class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTableView;
class QTimer;

namespace dravex {

class CalculationLog;
class ScreenHost;

// The log newest first, fetched a page at a time as the list scrolls, never whole.
class LogModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { When, Window, Table, Vessel, Voyage, Summary, Stopped, ColumnCount };
    static constexpr int kPageSize = 200;

    explicit LogModel(QObject *parent = nullptr);

    // Reads from store (on this thread); null: nothing to show.
    void setStore(LogStore *store);
    void setFilter(const LogFilter &filter);
    const LogFilter &filter() const { return m_filter; }
    // Starts again from the newest entry.
    void reload();
    // Adds the entries written since above those listed, which stay as they are (and stay
    // selected).
    void refresh();
    qint64 idAt(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

signals:
    // Reading the file failed (SQLite found a damaged page, or another fault).
    void readFailed(const LogStatus &status);

private:
    LogStore *m_store = nullptr;
    LogFilter m_filter;
    QList<LogRow> m_rows;
    bool m_atEnd = true;

    QList<LogRow> read(qint64 beforeId, int limit);
};

// Fills a window's inputs and choices with a record's texts, by objectName, clears what
// the window showed of other calculations, and puts the focus in the field that computes;
// computes nothing. False when the window cannot be shown.
bool OpenInItsWindow(ScreenHost &host, const CalcRecord &record);

// "Calculation Log": the entries newest first, filtered by window, vessel and voyage,
// dates and text, the
// current entry in full beside the list, and copy, export, print, delete and
// open-in-its-window on the selection.
class LogWindow : public QWidget
{
    Q_OBJECT

public:
    LogWindow(ScreenHost &host, CalculationLog &log, QWidget *parent = nullptr);
    ~LogWindow() override;

    LogModel *model() const { return m_model; }
    // The entries selected, oldest first.
    QList<qint64> selectedIds() const;
    QList<CalcRecord> selectedRecords() const;

    void copySelection();
    void exportCsv();
    void printSelection();
    void exportPdfSelection();
    void deleteSelection();
    void openSelection();

private:
    ScreenHost &m_host;
    CalculationLog &m_log;
    // Shared with a copy, export or print under way, which goes on reading it while the
    // window opens another file.
    std::shared_ptr<LogStore> m_store;
    bool m_damageReported = false;
    LogModel *m_model;
    QComboBox *m_window;
    QComboBox *m_vessel;
    QComboBox *m_voyage;
    // The vessels and terminals of the file's jobs, each with its voyages.
    QList<QPair<QString, QStringList>> m_jobs;
    QCheckBox *m_fromOn;
    QDateEdit *m_from;
    QCheckBox *m_toOn;
    QDateEdit *m_to;
    QLineEdit *m_text;
    QLabel *m_notice;
    QTableView *m_table;
    QPlainTextEdit *m_detail;
    QTimer *m_refresh;

    void openStore();
    void fillWindows();
    // The vessels of the file's jobs, and the voyages of the one chosen; keeps the choice.
    void fillJobs();
    void fillVoyages();
    void applyFilter();
    void showDetail();
    // The selection as a table, one line at a time: the header, then a row per entry;
    // false when cancelled.
    bool tabulateSelection(const QList<qint64> &ids, const QString &doing,
                           const std::function<void(const QStringList &)> &line);
    // The selection read an entry at a time, for print and PDF.
    RecordStream selectionStream(const QList<qint64> &ids) const;
    // True with a selection; else says that one is needed for what.
    bool needSelection(const QList<qint64> &ids, const QString &what);
    void refreshKeepingSelection();
    void readFailed(const LogStatus &status);
    void showProblem(const QString &problem);
    void addAction(const char *name, const QString &caption, const QKeySequence &shortcut, void (LogWindow::*handler)(),
                   QLayout *buttons);
};

} // namespace dravex
