// SPDX-License-Identifier: GPL-3.0-or-later
// The log file's layout by version, how an older one is brought up to date, and how a
// file is known to be a log of this program.
#include "records/log/log_store.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace dravex {

namespace {

// The first layout of the file. Later versions are reached by migrate().
const char *const kVersion1[] = {
    "CREATE TABLE IF NOT EXISTS entries ("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " at TEXT NOT NULL,"
    " window TEXT NOT NULL,"
    " title TEXT NOT NULL,"
    " inputs TEXT NOT NULL,"
    " results TEXT NOT NULL,"
    " working TEXT NOT NULL,"
    " out_of_range INTEGER NOT NULL,"
    " stopped INTEGER NOT NULL,"
    " notice TEXT NOT NULL)",
};

// Version 2: the instant in UTC for date filters, the searchable text in a narrow table of
// its own (a text filter reads it alone, not the working), the windows with their titles
// and disclaimer lines.
const char *const kVersion2[] = {
    "ALTER TABLE entries ADD COLUMN utc_ms INTEGER NOT NULL DEFAULT 0",
    "CREATE TABLE entry_text (id INTEGER PRIMARY KEY, text TEXT NOT NULL)",
    "CREATE TABLE windows (name TEXT PRIMARY KEY, title TEXT NOT NULL, disclaimer TEXT NOT NULL)",
    "CREATE INDEX entries_window ON entries(window, id)",
    "CREATE INDEX entries_utc ON entries(utc_ms)",
};

// Version 3: the choices a calculation used beside its typed inputs.
const char *const kVersion3[] = {
    "ALTER TABLE entries ADD COLUMN options TEXT NOT NULL DEFAULT '[]'",
};

// Version 4: each calculation's unique id, so that records written again after a crash
// (the waiting file merged, then the program ended before removing it) are added once.
// Entries kept before have none.
const char *const kVersion4[] = {
    "ALTER TABLE entries ADD COLUMN uid TEXT",
    "CREATE UNIQUE INDEX entries_uid ON entries(uid)",
};

// Version 5: the job each calculation was made for (the JSON object, empty for none), its
// vessel or terminal and voyage apart for the log window's filter, with indexes that give
// a vessel's or a voyage's entries newest first, and the vessels and voyages met.
// Entries kept before belong to no job.
const char *const kVersion5[] = {
    "ALTER TABLE entries ADD COLUMN job TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE entries ADD COLUMN vessel TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE entries ADD COLUMN voyage TEXT NOT NULL DEFAULT ''",
    "CREATE INDEX entries_vessel ON entries(vessel, id)",
    "CREATE INDEX entries_voyage ON entries(vessel, voyage, id)",
    "CREATE TABLE jobs (vessel TEXT NOT NULL, voyage TEXT NOT NULL, PRIMARY KEY (vessel, voyage))",
};

// The columns each version's tables have; a file that lacks one is no log of this program.
struct Column
{
    int since;
    const char *table;
    const char *name;
};
const Column kColumns[] = {
    {1, "entries", "id"},      {1, "entries", "at"},      {1, "entries", "window"},  {1, "entries", "title"},
    {1, "entries", "inputs"},  {1, "entries", "results"}, {1, "entries", "working"}, {1, "entries", "out_of_range"},
    {1, "entries", "stopped"}, {1, "entries", "notice"},  {2, "entries", "utc_ms"},  {2, "entry_text", "id"},
    {2, "entry_text", "text"}, {2, "windows", "name"},    {2, "windows", "title"},   {2, "windows", "disclaimer"},
    {3, "entries", "options"}, {4, "entries", "uid"},     {5, "entries", "job"},     {5, "entries", "vessel"},
    {5, "entries", "voyage"},  {5, "jobs", "vessel"},     {5, "jobs", "voyage"},
};

} // namespace

bool LogStore::isLog(int version) const
{
    QSqlQuery q(db());
    if (version == 0) {
        // A new file, or a database of something else. The store's outbox may have been made
        // in a new file before the log's own tables.
        return q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table'"
                                     " AND name <> 'store_outbox'")) &&
               q.next() && q.value(0).toInt() == 0;
    }
    QHash<QString, QStringList> columns;
    for (const char *table : {"entries", "entry_text", "windows", "jobs"}) {
        if (!q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(QLatin1String(table))))
            return false;
        while (q.next())
            columns[QLatin1String(table)] << q.value(1).toString();
    }
    for (const Column &c : kColumns)
        if (c.since <= version && !columns.value(QLatin1String(c.table)).contains(QLatin1String(c.name)))
            return false;
    return true;
}

int LogStore::schemaVersion() const
{
    QSqlQuery q(db());
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return -1;
    return q.value(0).toInt();
}

LogStatus LogStore::migrate(int from)
{
    QSqlDatabase d = db();
    QSqlQuery q(d);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return statusOf(q.lastError(), tr("updating the file"));
    // Another Dravex may have done it while this one waited for the lock.
    from = schemaVersion();
    auto fail = [&](const QString &doing) {
        const LogStatus status = statusOf(q.lastError(), doing);
        QSqlQuery(d).exec(QStringLiteral("ROLLBACK"));
        return status;
    };
    if (from < 1)
        for (const char *sql : kVersion1)
            if (!q.exec(QString::fromLatin1(sql)))
                return fail(tr("making the tables"));
    if (from < 2) {
        for (const char *sql : kVersion2)
            if (!q.exec(QString::fromLatin1(sql)))
                return fail(tr("updating the tables"));
        // Existing entries get their instant and their searchable text.
        QSqlQuery rows(d);
        rows.setForwardOnly(true);
        if (!rows.exec(QStringLiteral("SELECT id, at, inputs, results, notice FROM entries")))
            return fail(tr("updating the entries"));
        QSqlQuery setUtc(d), setText(d);
        setUtc.prepare(QStringLiteral("UPDATE entries SET utc_ms = ? WHERE id = ?"));
        setText.prepare(QStringLiteral("INSERT INTO entry_text (id, text) VALUES (?, ?)"));
        while (rows.next()) {
            const qint64 id = rows.value(0).toLongLong();
            setUtc.addBindValue(ParseStamp(rows.value(1).toString()).toMSecsSinceEpoch());
            setUtc.addBindValue(id);
            setText.addBindValue(id);
            setText.addBindValue(bound(searchText(FieldsFromJson(rows.value(2).toString()),
                                                  FieldsFromJson(rows.value(3).toString()), rows.value(4).toString())));
            if (!setUtc.exec() || !setText.exec())
                return fail(tr("updating the entries"));
        }
        if (!q.exec(QStringLiteral("INSERT OR IGNORE INTO windows (name, title, disclaimer)"
                                   " SELECT window, max(title), '' FROM entries GROUP BY window")))
            return fail(tr("updating the windows"));
    }
    if (from < 3)
        for (const char *sql : kVersion3)
            if (!q.exec(QString::fromLatin1(sql)))
                return fail(tr("updating the tables"));
    if (from < 4)
        for (const char *sql : kVersion4)
            if (!q.exec(QString::fromLatin1(sql)))
                return fail(tr("updating the tables"));
    if (from < 5)
        for (const char *sql : kVersion5)
            if (!q.exec(QString::fromLatin1(sql)))
                return fail(tr("updating the tables"));
    if (!q.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion)) || !q.exec(QStringLiteral("COMMIT")))
        return fail(tr("updating the file"));
    return {};
}

} // namespace dravex
