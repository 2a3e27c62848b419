// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/log/log_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QUrl>
#include <QVariant>

namespace dravex {

namespace {

// Whether a new file can be made in the folder.
bool folderWritable(const QString &folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/.dravex-write-test-XXXXXX"));
    return probe.open();
}

} // namespace

QString LogStore::searchText(const QList<RecordField> &inputs, const QList<RecordField> &results, const QString &notice,
                             const QList<RecordField> &options)
{
    QStringList parts;
    for (const auto *list : {&inputs, &options, &results})
        for (const RecordField &f : *list)
            parts << f.caption << f.text;
    parts << notice;
    return parts.join(QLatin1Char('\n')).toLower();
}

QString LogStore::bound(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

namespace {

int primaryCode(const QSqlError &error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

} // namespace

QString LogStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/calculations.sqlite");
}

LogStore::LogStore(const QString &connectionName) : m_connection(connectionName) {}

LogStore::~LogStore()
{
    close();
}

QSqlDatabase LogStore::db() const
{
    return QSqlDatabase::database(m_connection, false);
}

bool LogStore::isOpen() const
{
    return QSqlDatabase::contains(m_connection) && db().isOpen();
}

void LogStore::close()
{
    if (!QSqlDatabase::contains(m_connection))
        return;
    {
        QSqlDatabase d = db();
        d.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
    m_windowsStored.clear();
    m_jobsStored.clear();
    m_readOnly = false;
}

LogStatus LogStore::statusOf(const QSqlError &error, const QString &doing)
{
    LogStatus status;
    const QString why = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    switch (primaryCode(error)) {
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        status.problem = LogStatus::Problem::Locked;
        status.message =
            tr("The log is in use by another Dravex (%1): %2; records wait until it is free.").arg(why, doing);
        break;
    case 13: // SQLITE_FULL
        status.problem = LogStatus::Problem::DiskFull;
        status.message = tr("The disk is full: %1; records wait until there is room.").arg(doing);
        break;
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        status.problem = LogStatus::Problem::Damaged;
        status.message = tr("The log file is damaged (%1): %2.").arg(why, doing);
        break;
    case 8:  // SQLITE_READONLY
    case 14: // SQLITE_CANTOPEN
        status.problem = LogStatus::Problem::CannotOpen;
        status.message = tr("The log file cannot be written (%1): %2.").arg(why, doing);
        break;
    default:
        status.problem = LogStatus::Problem::Other;
        status.message = tr("The log could not be written (%1): %2.").arg(why, doing);
        break;
    }
    return status;
}

LogStatus LogStore::open(const QString &path, bool repair)
{
    LogStatus status = openFile(path, repair);
    if (repair && (status.problem == LogStatus::Problem::Damaged || status.problem == LogStatus::Problem::NotALog)) {
        const LogStatus::Problem problem = status.problem;
        const QString kept =
            setAside(problem == LogStatus::Problem::Damaged ? QStringLiteral("damaged") : QStringLiteral("other"));
        if (kept.isEmpty())
            return status;
        return restart(kept, problem);
    }
    if (!repair && !isOpen() && QFile::exists(path) && status.problem != LogStatus::Problem::Damaged &&
        status.problem != LogStatus::Problem::NotALog) {
        // What was kept can still be read.
        const LogStatus reading = openFile(path, false, true);
        if (isOpen()) {
            if (!folderWritable(QFileInfo(path).absolutePath()))
                status.message = tr("New records cannot be written: the folder %1 is read-only.")
                                     .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
            return status;
        }
        return reading.ok() ? status : reading;
    }
    return status;
}

LogStatus LogStore::repair()
{
    if (!isOpen())
        return open(m_path, true);
    const QString kept = setAside(QStringLiteral("damaged"));
    if (kept.isEmpty()) {
        LogStatus status;
        status.problem = LogStatus::Problem::Damaged;
        status.message =
            tr("The log file %1 is damaged and cannot be set aside.").arg(QDir::toNativeSeparators(m_path));
        return status;
    }
    return restart(kept, LogStatus::Problem::Damaged);
}

LogStatus LogStore::restart(const QString &kept, LogStatus::Problem problem)
{
    LogStatus status = openFile(m_path, true);
    if (!status.ok())
        return status;
    status.problem = problem;
    status.keptAside = kept;
    status.message = problem == LogStatus::Problem::Damaged
                         ? tr("The log file was damaged; it is kept as %1 and a new log was started.")
                               .arg(QDir::toNativeSeparators(kept))
                         : tr("The log file was no calculation log of Dravex; it is kept as %1 and a new log was "
                              "started.")
                               .arg(QDir::toNativeSeparators(kept));
    return status;
}

LogStatus LogStore::openFile(const QString &path, bool check, bool readOnly)
{
    close();
    m_path = path;
    const QString folder = QFileInfo(path).absolutePath();
    if (!readOnly && (!QDir().mkpath(folder) || !QFileInfo(folder).isDir())) {
        LogStatus status;
        status.problem = LogStatus::Problem::CannotOpen;
        status.message =
            tr("The folder %1 cannot be made or written; the log is not kept.").arg(QDir::toNativeSeparators(folder));
        return status;
    }
    {
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        if (readOnly) {
            // Nothing can write where the file is: read it as it stands, without the
            // journal's side files that could not be made there.
            QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
            url.setQuery(QStringLiteral("mode=ro&immutable=1"));
            d.setDatabaseName(url.toString(QUrl::FullyEncoded));
            d.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
        } else {
            d.setDatabaseName(path);
            d.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        }
        if (!d.open()) {
            LogStatus status = statusOf(d.lastError(), tr("opening %1").arg(QDir::toNativeSeparators(path)));
            if (status.problem == LogStatus::Problem::Other)
                status.problem = LogStatus::Problem::CannotOpen;
            return status;
        }
    }
    m_readOnly = readOnly;
    LogStatus status = prepare(check);
    if (!status.ok() && !(readOnly && status.problem == LogStatus::Problem::Newer)) {
        close();
        if (!readOnly)
            status = sayReadOnly(status);
    }
    return status;
}

LogStatus LogStore::sayReadOnly(LogStatus status) const
{
    // A folder that cannot be written, said in its own words: what is kept is still there.
    const QString folder = QFileInfo(m_path).absolutePath();
    if (status.problem == LogStatus::Problem::CannotOpen && QFile::exists(m_path) && !folderWritable(folder))
        status.message =
            tr("New records cannot be written: the folder %1 is read-only; they wait until it can be written.")
                .arg(QDir::toNativeSeparators(folder));
    return status;
}

LogStatus LogStore::prepare(bool check)
{
    QSqlQuery q(db());
    // Reading the header first tells a file that is no database from one that is.
    if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
        return statusOf(q.lastError(), tr("reading %1").arg(QDir::toNativeSeparators(m_path)));
    const int version = schemaVersion();
    if (version < 0)
        return statusOf(q.lastError(), tr("reading the schema version"));
    if (version > kSchemaVersion) {
        LogStatus status;
        status.problem = LogStatus::Problem::Newer;
        status.message = tr("The log file is of version %1, written by a newer Dravex; this one writes version %2 "
                            "and does not write into it: records wait.")
                             .arg(version)
                             .arg(kSchemaVersion);
        return status;
    }
    if (!isLog(version)) {
        LogStatus status;
        status.problem = LogStatus::Problem::NotALog;
        status.message = tr("The file %1 is no calculation log of Dravex.").arg(QDir::toNativeSeparators(m_path));
        return status;
    }
    if (check) {
        // A damaged page shows only when read: look at them all before anything is added.
        if (!q.exec(QStringLiteral("PRAGMA quick_check")))
            return statusOf(q.lastError(), tr("checking %1").arg(QDir::toNativeSeparators(m_path)));
        QStringList findings;
        while (q.next())
            findings << q.value(0).toString();
        if (findings != QStringList{QStringLiteral("ok")}) {
            LogStatus status;
            status.problem = LogStatus::Problem::Damaged;
            status.message = tr("The log file is damaged: %1.").arg(findings.value(0));
            return status;
        }
    }
    if (m_readOnly)
        return {};
    if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")))
        return statusOf(q.lastError(), tr("setting the journal"));
    // A record reported written survives a crash of the program or of the machine.
    q.exec(QStringLiteral("PRAGMA synchronous=FULL"));
    if (version < kSchemaVersion)
        return migrate(version);
    return {};
}

QString LogStore::setAside(const QString &why)
{
    close();
    const QFileInfo info(m_path);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    QString kept =
        info.absolutePath() + QStringLiteral("/%1-%2-%3.%4").arg(info.completeBaseName(), why, stamp, info.suffix());
    for (int n = 2; QFile::exists(kept); ++n)
        kept = info.absolutePath() +
               QStringLiteral("/%1-%2-%3-%4.%5").arg(info.completeBaseName(), why, stamp).arg(n).arg(info.suffix());
    if (!QFile::rename(m_path, kept))
        return {};
    for (const char *side : {"-wal", "-shm"})
        if (QFile::exists(m_path + QLatin1String(side)))
            QFile::rename(m_path + QLatin1String(side), kept + QLatin1String(side));
    return kept;
}

bool LogStore::insertOne(const CalcRecord &r, qint64 &id, QSqlError &error)
{
    QSqlDatabase d = db();
    QSqlQuery q(d);
    if (!r.uid.isEmpty()) {
        // Already in the log: written once before, from the waiting file or a retry.
        q.prepare(QStringLiteral("SELECT id FROM entries WHERE uid = ?"));
        q.addBindValue(r.uid);
        if (!q.exec()) {
            error = q.lastError();
            return false;
        }
        if (q.next()) {
            id = q.value(0).toLongLong();
            return true;
        }
    }
    q.prepare(QStringLiteral("INSERT INTO entries (at, utc_ms, window, title, inputs, results, working,"
                             " out_of_range, stopped, notice, options, uid, job, vessel, voyage)"
                             " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    q.addBindValue(StampText(r.at));
    q.addBindValue(r.at.toMSecsSinceEpoch());
    q.addBindValue(bound(r.window));
    q.addBindValue(bound(r.title));
    q.addBindValue(FieldsJson(r.inputs));
    q.addBindValue(FieldsJson(r.results));
    q.addBindValue(bound(r.working.join(QLatin1Char('\n'))));
    q.addBindValue(int(r.outOfRange));
    q.addBindValue(int(r.stopped));
    q.addBindValue(bound(r.notice));
    q.addBindValue(FieldsJson(r.options));
    q.addBindValue(r.uid.isEmpty() ? QVariant() : QVariant(r.uid));
    const QPair<QString, QString> job{QString::fromStdString(r.job.name), QString::fromStdString(r.job.voyage)};
    q.addBindValue(bound(JobText(r.job)));
    q.addBindValue(bound(job.first));
    q.addBindValue(bound(job.second));
    if (!q.exec()) {
        error = q.lastError();
        return false;
    }
    id = q.lastInsertId().toLongLong();
    QSqlQuery t(d);
    t.prepare(QStringLiteral("INSERT INTO entry_text (id, text) VALUES (?, ?)"));
    t.addBindValue(id);
    t.addBindValue(bound(searchText(r.inputs, r.results, r.notice, r.options)));
    if (!t.exec()) {
        error = t.lastError();
        return false;
    }
    if (!r.job.empty() && !m_jobsStored.contains(job)) {
        QSqlQuery j(d);
        j.prepare(QStringLiteral("INSERT OR IGNORE INTO jobs (vessel, voyage) VALUES (?, ?)"));
        j.addBindValue(bound(job.first));
        j.addBindValue(bound(job.second));
        if (!j.exec()) {
            error = j.lastError();
            return false;
        }
    }
    const QString known = r.title + QChar(0) + r.disclaimer;
    if (m_windowsStored.value(r.window) != known) {
        QSqlQuery w(d);
        w.prepare(QStringLiteral("INSERT INTO windows (name, title, disclaimer) VALUES (?, ?, ?)"
                                 " ON CONFLICT(name) DO UPDATE SET title = excluded.title,"
                                 " disclaimer = excluded.disclaimer"));
        w.addBindValue(bound(r.window));
        w.addBindValue(bound(r.title));
        w.addBindValue(bound(r.disclaimer));
        if (!w.exec()) {
            error = w.lastError();
            return false;
        }
    }
    return true;
}

std::optional<qint64> LogStore::insert(const CalcRecord &record, LogStatus &status)
{
    if (!isOpen() || m_readOnly) {
        status.problem = LogStatus::Problem::CannotOpen;
        status.message = tr("The log file is not open for writing.");
        return std::nullopt;
    }
    QSqlDatabase d = db();
    QSqlQuery q(d);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        status = sayReadOnly(statusOf(q.lastError(), tr("starting a record")));
        return std::nullopt;
    }
    qint64 id = 0;
    QSqlError error;
    if (!insertOne(record, id, error)) {
        QSqlQuery(d).exec(QStringLiteral("ROLLBACK"));
        status = sayReadOnly(statusOf(error, tr("writing a record")));
        return std::nullopt;
    }
    if (!q.exec(QStringLiteral("COMMIT"))) {
        status = statusOf(q.lastError(), tr("finishing a record"));
        QSqlQuery(d).exec(QStringLiteral("ROLLBACK"));
        return std::nullopt;
    }
    m_windowsStored[record.window] = record.title + QChar(0) + record.disclaimer;
    if (!record.job.empty())
        m_jobsStored.insert({QString::fromStdString(record.job.name), QString::fromStdString(record.job.voyage)});
    status = {};
    return id;
}

bool LogStore::insertMany(const QList<CalcRecord> &records)
{
    QSqlDatabase d = db();
    if (!d.transaction())
        return false;
    for (const CalcRecord &r : records) {
        qint64 id = 0;
        QSqlError error;
        if (!insertOne(r, id, error)) {
            d.rollback();
            m_windowsStored.clear();
            m_jobsStored.clear();
            return false;
        }
        m_windowsStored[r.window] = r.title + QChar(0) + r.disclaimer;
        if (!r.job.empty())
            m_jobsStored.insert({QString::fromStdString(r.job.name), QString::fromStdString(r.job.voyage)});
    }
    return d.commit();
}

QList<LogRow> LogStore::page(const LogFilter &filter, qint64 beforeId, int limit, LogStatus *status) const
{
    QStringList where;
    QVariantList binds;
    if (beforeId > 0) {
        where << QStringLiteral("e.id < ?");
        binds << beforeId;
    }
    if (!filter.window.isEmpty()) {
        where << QStringLiteral("e.window = ?");
        binds << filter.window;
    }
    // A file read where it cannot be brought up to date has no jobs yet.
    const bool hasJobs = schemaVersion() >= 5;
    if (!filter.vessel.isEmpty()) {
        where << (hasJobs ? QStringLiteral("e.vessel = ?") : QStringLiteral("'' = ?"));
        binds << filter.vessel;
        if (!filter.voyage.isEmpty()) {
            where << (hasJobs ? QStringLiteral("e.voyage = ?") : QStringLiteral("'' = ?"));
            binds << filter.voyage;
        }
    }
    if (filter.from.isValid()) {
        where << QStringLiteral("e.utc_ms >= ?");
        binds << filter.from.startOfDay().toMSecsSinceEpoch();
    }
    if (filter.to.isValid()) {
        where << QStringLiteral("e.utc_ms < ?");
        binds << filter.to.addDays(1).startOfDay().toMSecsSinceEpoch();
    }
    QString from = QStringLiteral("entries e");
    QString order = QStringLiteral("e.id");
    if (!filter.text.trimmed().isEmpty()) {
        // Scanned from the narrow text table, newest first, so that a rare text reads
        // only that table; CROSS JOIN keeps SQLite from turning the loops around.
        from = QStringLiteral("entry_text t CROSS JOIN entries e ON e.id = t.id");
        order = QStringLiteral("t.id");
        if (beforeId > 0)
            where[0] = QStringLiteral("t.id < ?");
        where << QStringLiteral("instr(t.text, ?) > 0");
        binds << filter.text.trimmed().toLower();
    }
    QString sql = QStringLiteral("SELECT e.id, e.at, e.window, e.title, e.inputs, e.results, e.stopped, %1 FROM ")
                      .arg(hasJobs ? QStringLiteral("e.vessel, e.voyage") : QStringLiteral("'', ''")) +
                  from;
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    sql += QStringLiteral(" ORDER BY %1 DESC LIMIT ?").arg(order);
    binds << limit;

    QList<LogRow> rows;
    if (status)
        *status = {};
    QSqlQuery q(db());
    q.setForwardOnly(true);
    q.prepare(sql);
    for (const QVariant &b : binds)
        q.addBindValue(b);
    auto failed = [&] {
        if (status)
            *status = statusOf(q.lastError(), tr("reading %1").arg(QDir::toNativeSeparators(m_path)));
    };
    if (!q.exec()) {
        failed();
        return rows;
    }
    while (q.next()) {
        CalcRecord r;
        r.inputs = FieldsFromJson(q.value(4).toString());
        r.results = FieldsFromJson(q.value(5).toString());
        rows.push_back({q.value(0).toLongLong(), ParseStamp(q.value(1).toString()), q.value(2).toString(),
                        q.value(3).toString(), SummaryLine(r), q.value(6).toBool(), q.value(7).toString(),
                        q.value(8).toString()});
    }
    // A damaged page shows while stepping through the rows.
    if (q.lastError().isValid())
        failed();
    return rows;
}

QList<CalcRecord> LogStore::records(const QList<qint64> &ids) const
{
    QList<CalcRecord> out;
    forEachRecord(ids, [&out](const CalcRecord &r) {
        out.push_back(r);
        return true;
    });
    return out;
}

bool LogStore::forEachRecord(const QList<qint64> &ids, const std::function<bool(const CalcRecord &)> &take,
                             bool fieldsOnly) const
{
    QSqlQuery q(db());
    q.setForwardOnly(true);
    // A file read where it cannot be brought up to date may have no choices yet.
    const int version = schemaVersion();
    const QString options = version >= 3 ? QStringLiteral("e.options") : QStringLiteral("'[]'");
    const QString job = version >= 5 ? QStringLiteral("e.job") : QStringLiteral("''");
    if (fieldsOnly)
        q.prepare(QStringLiteral("SELECT e.id, '', e.window, '', e.inputs, e.results, '', 0, 0, '', '', %1, %2"
                                 " FROM entries e WHERE e.id = ?")
                      .arg(options, job));
    else
        q.prepare(QStringLiteral("SELECT e.id, e.at, e.window, e.title, e.inputs, e.results, e.working,"
                                 " e.out_of_range, e.stopped, e.notice, coalesce(w.disclaimer, ''), %1, %2"
                                 " FROM entries e LEFT JOIN windows w ON w.name = e.window WHERE e.id = ?")
                      .arg(options, job));
    for (qint64 id : ids) {
        q.addBindValue(id);
        if (!q.exec() || !q.next())
            continue;
        CalcRecord r;
        r.id = q.value(0).toLongLong();
        r.at = ParseStamp(q.value(1).toString());
        r.window = q.value(2).toString();
        r.title = q.value(3).toString();
        r.inputs = FieldsFromJson(q.value(4).toString());
        r.results = FieldsFromJson(q.value(5).toString());
        const QString working = q.value(6).toString();
        if (!working.isEmpty())
            r.working = working.split(QLatin1Char('\n'));
        r.outOfRange = q.value(7).toBool();
        r.stopped = q.value(8).toBool();
        r.notice = q.value(9).toString();
        r.disclaimer = q.value(10).toString();
        r.options = FieldsFromJson(q.value(11).toString());
        r.job = JobOfText(q.value(12).toString());
        if (!take(r))
            return false;
    }
    return true;
}

bool LogStore::remove(const QList<qint64> &ids, LogStatus &status, const std::function<bool(qint64)> &step)
{
    QSqlDatabase d = db();
    QSqlQuery q(d);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        status = statusOf(q.lastError(), tr("deleting entries"));
        return false;
    }
    QSqlQuery e(d), t(d);
    e.prepare(QStringLiteral("DELETE FROM entries WHERE id = ?"));
    t.prepare(QStringLiteral("DELETE FROM entry_text WHERE id = ?"));
    qint64 done = 0;
    for (qint64 id : ids) {
        e.addBindValue(id);
        t.addBindValue(id);
        if (!e.exec() || !t.exec()) {
            status = statusOf(e.lastError().isValid() ? e.lastError() : t.lastError(), tr("deleting entries"));
            QSqlQuery(d).exec(QStringLiteral("ROLLBACK"));
            return false;
        }
        if (step && !step(++done)) {
            QSqlQuery(d).exec(QStringLiteral("ROLLBACK"));
            status = {};
            return false;
        }
    }
    if (!q.exec(QStringLiteral("COMMIT"))) {
        status = statusOf(q.lastError(), tr("deleting entries"));
        QSqlQuery(d).exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    status = {};
    return true;
}

QList<QPair<QString, QString>> LogStore::windows() const
{
    QList<QPair<QString, QString>> out;
    QSqlQuery q(db());
    if (q.exec(QStringLiteral("SELECT name, title FROM windows ORDER BY title")))
        while (q.next())
            out.push_back({q.value(0).toString(), q.value(1).toString()});
    return out;
}

QList<QPair<QString, QStringList>> LogStore::jobs() const
{
    QList<QPair<QString, QStringList>> out;
    if (schemaVersion() < 5)
        return out;
    QSqlQuery q(db());
    if (q.exec(QStringLiteral("SELECT vessel, voyage FROM jobs ORDER BY vessel, voyage")))
        while (q.next()) {
            const QString vessel = q.value(0).toString();
            if (out.isEmpty() || out.back().first != vessel)
                out.push_back({vessel, {}});
            if (const QString voyage = q.value(1).toString(); !voyage.isEmpty())
                out.back().second << voyage;
        }
    return out;
}

qint64 LogStore::count() const
{
    QSqlQuery q(db());
    if (q.exec(QStringLiteral("SELECT count(*) FROM entries")) && q.next())
        return q.value(0).toLongLong();
    return -1;
}

QString LogStore::integrityCheck() const
{
    QSqlQuery q(db());
    if (!q.exec(QStringLiteral("PRAGMA integrity_check")))
        return q.lastError().text();
    QStringList lines;
    while (q.next())
        lines << q.value(0).toString();
    return lines.join(QLatin1Char('\n'));
}

} // namespace dravex
