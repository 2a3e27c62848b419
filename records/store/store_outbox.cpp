// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/store/store_outbox.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include <atomic>

namespace dravex {

namespace {

QString uuidText(const QUuid &id)
{
    return id.isNull() ? QString() : id.toString(QUuid::WithoutBraces);
}

// Text bound as text: a null QString would be bound as SQL NULL.
QString bound(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

} // namespace

StoreOutbox::StoreOutbox()
{
    static std::atomic<int> serial{0};
    m_connection = QStringLiteral("dravex-outbox-%1").arg(++serial);
}

StoreOutbox::~StoreOutbox()
{
    if (QSqlDatabase::contains(m_connection)) {
        db().close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

QSqlDatabase StoreOutbox::db() const
{
    return QSqlDatabase::database(m_connection, false);
}

bool StoreOutbox::open(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    d.setDatabaseName(path);
    // The log's writer may hold the file for a moment.
    d.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!d.open()) {
        m_problem = tr("The outbox in %1 cannot be opened: %2").arg(path, d.lastError().text());
        return false;
    }
    QSqlQuery q(d);
    // No AUTOINCREMENT: its sqlite_sequence table would be one more table in the log's file.
    if (!q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS store_outbox ("
                               " seq INTEGER PRIMARY KEY,"
                               " revision TEXT NOT NULL UNIQUE,"
                               " report TEXT NOT NULL,"
                               " parent TEXT NOT NULL,"
                               " document TEXT NOT NULL,"
                               " sha256 TEXT NOT NULL,"
                               " note TEXT NOT NULL,"
                               " vessel TEXT NOT NULL, voyage TEXT NOT NULL, port TEXT NOT NULL,"
                               " report_date TEXT NOT NULL, operation TEXT NOT NULL,"
                               " grades TEXT NOT NULL, totals TEXT NOT NULL,"
                               " queued_at TEXT NOT NULL,"
                               " refused TEXT NOT NULL DEFAULT '')"))) {
        m_problem = tr("The outbox in %1 cannot be made: %2").arg(path, q.lastError().text());
        return false;
    }
    m_problem.clear();
    return true;
}

bool StoreOutbox::add(const StoreRevision &r)
{
    QSqlQuery q(db());
    q.prepare(QStringLiteral("INSERT INTO store_outbox (seq, revision, report, parent, document, sha256, note, vessel,"
                             " voyage, port, report_date, operation, grades, totals, queued_at)"
                             " VALUES ((SELECT coalesce(max(seq), 0) + 1 FROM store_outbox),"
                             " ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QString &v :
         {uuidText(r.revision), uuidText(r.report), uuidText(r.parent), r.document, r.sha256, r.note, r.vessel,
          r.voyage, r.port, r.date.isValid() ? r.date.toString(Qt::ISODate) : QString(), r.operation, r.grades,
          r.totals, QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)})
        q.addBindValue(bound(v));
    if (!q.exec()) {
        m_problem = tr("The save could not be kept in the outbox: %1").arg(q.lastError().text());
        return false;
    }
    m_problem.clear();
    return true;
}

std::optional<OutboxEntry> StoreOutbox::first()
{
    QSqlQuery q(db());
    if (!q.exec(QStringLiteral("SELECT seq, revision, report, parent, document, sha256, note, vessel, voyage, port,"
                               " report_date, operation, grades, totals, queued_at, refused"
                               " FROM store_outbox ORDER BY seq LIMIT 1")) ||
        !q.next())
        return std::nullopt;
    OutboxEntry e;
    e.seq = q.value(0).toLongLong();
    StoreRevision &r = e.revision;
    r.revision = QUuid::fromString(q.value(1).toString());
    r.report = QUuid::fromString(q.value(2).toString());
    r.parent = QUuid::fromString(q.value(3).toString());
    r.document = q.value(4).toString();
    r.sha256 = q.value(5).toString();
    r.note = q.value(6).toString();
    r.vessel = q.value(7).toString();
    r.voyage = q.value(8).toString();
    r.port = q.value(9).toString();
    r.date = QDate::fromString(q.value(10).toString(), Qt::ISODate);
    r.operation = q.value(11).toString();
    r.grades = q.value(12).toString();
    r.totals = q.value(13).toString();
    e.queuedAt = QDateTime::fromString(q.value(14).toString(), Qt::ISODateWithMs);
    e.refused = q.value(15).toString();
    return e;
}

qint64 StoreOutbox::count()
{
    QSqlQuery q(db());
    if (!q.exec(QStringLiteral("SELECT count(*) FROM store_outbox")) || !q.next())
        return 0;
    return q.value(0).toLongLong();
}

bool StoreOutbox::remove(const QUuid &revision)
{
    QSqlQuery q(db());
    q.prepare(QStringLiteral("DELETE FROM store_outbox WHERE revision = ?"));
    q.addBindValue(uuidText(revision));
    return q.exec();
}

bool StoreOutbox::markRefused(const QUuid &revision, const QString &why)
{
    QSqlQuery q(db());
    q.prepare(QStringLiteral("UPDATE store_outbox SET refused = ? WHERE revision = ?"));
    q.addBindValue(bound(why));
    q.addBindValue(uuidText(revision));
    return q.exec();
}

bool StoreOutbox::resend(const QUuid &revision, const QString &note)
{
    QSqlQuery q(db());
    q.prepare(QStringLiteral("UPDATE store_outbox SET note = ?, refused = '' WHERE revision = ?"));
    q.addBindValue(bound(note));
    q.addBindValue(uuidText(revision));
    return q.exec() && q.numRowsAffected() == 1;
}

} // namespace dravex
