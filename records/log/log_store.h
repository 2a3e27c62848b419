// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/log/calc_record.h"

#include <QCoreApplication>
#include <QDate>
#include <QHash>
#include <QList>
#include <QPair>
#include <QSet>
#include <QSqlDatabase>
#include <QString>

#include <functional>
#include <optional>

class QSqlError;

namespace dravex {

// What went wrong with the log file, if anything, in words for the log window and the
// notice line. Calculating never depends on it.
struct LogStatus
{
    enum class Problem { None, CannotOpen, DiskFull, Locked, Damaged, Newer, NotALog, Other };
    Problem problem = Problem::None;
    QString message;
    // Where a damaged file was kept, when it was.
    QString keptAside;

    bool ok() const { return problem == Problem::None; }
};

struct LogFilter
{
    QString window; // objectName; empty: every window
    QDate from;     // local dates, both included; null: open
    QDate to;
    QString text;   // found in any input or result caption or text, any case
    QString vessel; // the job's vessel or terminal, exactly; empty: every entry
    QString voyage; // with a vessel: the job's voyage or reference, exactly; empty: every one
};

// One line of the log window's list.
struct LogRow
{
    qint64 id = 0;
    QDateTime at;
    QString window;
    QString title;
    QString summary;
    bool stopped = false;
    QString vessel;
    QString voyage;
};

// The calculation log in one SQLite file: one connection, used on the thread that opened
// it. Write-ahead journal, one transaction per record, every value a bound parameter.
// Schema version 5 in PRAGMA user_version; a file of an older version is brought up to
// date when opened, one of a newer version is read but never written.
class LogStore
{
    Q_DECLARE_TR_FUNCTIONS(dravex::LogStore)

public:
    static constexpr int kSchemaVersion = 5;

    // AppDataLocation/calculations.sqlite
    static QString defaultPath();

    explicit LogStore(const QString &connectionName);
    ~LogStore();
    LogStore(const LogStore &) = delete;
    LogStore &operator=(const LogStore &) = delete;

    // Opens the file, making its folder and tables as needed. With repair (the writer), the
    // pages are checked first, and a file that is no database or is damaged is renamed to
    // "calculations-damaged-<date-time>.sqlite" beside it, one that is a database but no
    // log to "calculations-other-<date-time>.sqlite", and a new log is started; the status
    // names where the old one is. A file of a newer version is not opened for writing.
    // Without repair (a reader), a log that cannot be written (a read-only folder, a newer
    // version) is opened read-only; the status says why, and isOpen() is true.
    LogStatus open(const QString &path, bool repair);
    bool isOpen() const;
    bool readOnly() const { return m_readOnly; }
    // Sets the open file aside as damaged and starts a new log (SQLite found damage while
    // writing).
    LogStatus repair();
    void close();
    QString path() const { return m_path; }

    // Writes one record in its own transaction; its id, or nothing with status set. A record
    // whose uid the log holds already is not added again: the id is that entry's.
    std::optional<qint64> insert(const CalcRecord &record, LogStatus &status);
    // Many records in one transaction, for filling a large log quickly.
    bool insertMany(const QList<CalcRecord> &records);

    // Newest first: up to limit rows older than beforeId (0: from the newest) that pass
    // the filter. When reading fails, status (if given) says why; SQLite's finding of a
    // damaged page is Problem::Damaged.
    QList<LogRow> page(const LogFilter &filter, qint64 beforeId, int limit, LogStatus *status = nullptr) const;
    QList<CalcRecord> records(const QList<qint64> &ids) const;
    // The records one at a time, in the order of ids, for selections of any size, until
    // take returns false; false then. With fieldsOnly, each comes with its window, inputs,
    // choices and results alone.
    bool forEachRecord(const QList<qint64> &ids, const std::function<bool(const CalcRecord &)> &take,
                       bool fieldsOnly = false) const;
    // Deletes the entries in one transaction. step (if given) hears how many are done and
    // cancels by returning false: nothing is deleted then, and false with status ok.
    bool remove(const QList<qint64> &ids, LogStatus &status, const std::function<bool(qint64)> &step = {});
    // Every window that has entries: objectName and title.
    QList<QPair<QString, QString>> windows() const;
    // Every vessel or terminal of a job with entries, with its voyages, by name.
    QList<QPair<QString, QStringList>> jobs() const;
    qint64 count() const;
    // "ok" for a sound file, else SQLite's findings.
    QString integrityCheck() const;
    int schemaVersion() const;

    // The kind of problem a Qt SQL error of SQLite stands for, with its words.
    static LogStatus statusOf(const QSqlError &error, const QString &doing);

private:
    QString m_connection;
    QString m_path;
    bool m_readOnly = false;
    // Windows whose title and disclaimer the file already holds.
    QHash<QString, QString> m_windowsStored;
    // Vessels and voyages the file already lists.
    QSet<QPair<QString, QString>> m_jobsStored;

    QSqlDatabase db() const;
    LogStatus openFile(const QString &path, bool check, bool readOnly = false);
    LogStatus prepare(bool check);
    LogStatus migrate(int from);
    // What a text filter searches: every caption and text, lower-cased.
    static QString searchText(const QList<RecordField> &inputs, const QList<RecordField> &results,
                              const QString &notice, const QList<RecordField> &options = {});
    // Text bound as text: a null QString would be bound as SQL NULL.
    static QString bound(const QString &text);
    bool isLog(int version) const;
    QString setAside(const QString &why);
    LogStatus restart(const QString &kept, LogStatus::Problem problem);
    LogStatus sayReadOnly(LogStatus status) const;
    bool insertOne(const CalcRecord &record, qint64 &id, QSqlError &error);
};

} // namespace dravex
