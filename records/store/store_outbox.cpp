// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/store/store_outbox.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
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

// Lives on the outbox's thread and owns its connection to the file.
class StoreOutbox::Writer : public QObject
{
public:
    explicit Writer(QString connection) : m_connection(std::move(connection)) {}
    // On the writer's thread, at its end.
    void close()
    {
        if (QSqlDatabase::contains(m_connection)) {
            QSqlDatabase::database(m_connection, false).close();
            QSqlDatabase::removeDatabase(m_connection);
        }
    }
    QSqlDatabase db() const { return QSqlDatabase::database(m_connection, false); }
    const QString m_connection;
};

StoreOutbox::StoreOutbox(QObject *owner, std::function<void()> loaded, std::function<void(const QString &)> failed)
    : m_owner(owner), m_onLoaded(std::move(loaded)), m_onFailed(std::move(failed))
{
    static std::atomic<int> serial{0};
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("store outbox"));
    m_writer = new Writer(QStringLiteral("dravex-outbox-%1").arg(++serial));
    m_writer->moveToThread(m_thread);
    m_thread->start();
}

StoreOutbox::~StoreOutbox()
{
    // After every write asked for: the calls are run in order.
    Writer *writer = m_writer;
    QMetaObject::invokeMethod(
        writer,
        [writer] {
            writer->close();
            delete writer;
        },
        Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    delete m_thread;
}

void StoreOutbox::waitForWrites()
{
    QMetaObject::invokeMethod(
        m_writer, [] {}, Qt::BlockingQueuedConnection);
}

void StoreOutbox::write(std::function<QString(QSqlDatabase &)> job)
{
    Writer *writer = m_writer;
    QPointer<QObject> owner(m_owner);
    auto *self = this;
    QMetaObject::invokeMethod(writer, [writer, job = std::move(job), owner, self] {
        QSqlDatabase db = writer->db();
        const QString why = db.isOpen() ? job(db) : tr("the outbox's file is not open");
        if (why.isEmpty() || !owner)
            return;
        // The outbox lives as long as its owner: told on the owner's thread.
        QMetaObject::invokeMethod(owner, [self, why] {
            self->m_problem = why;
            if (self->m_onFailed)
                self->m_onFailed(why);
        });
    });
}

void StoreOutbox::open(const QString &path)
{
    Writer *writer = m_writer;
    QPointer<QObject> owner(m_owner);
    auto *self = this;
    QMetaObject::invokeMethod(writer, [writer, path, owner, self] {
        QString why;
        std::deque<OutboxEntry> kept;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), writer->m_connection);
        d.setDatabaseName(path);
        // The log's writer may hold the file for a moment.
        d.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        QSqlQuery q(d);
        if (!d.open()) {
            why = tr("The outbox in %1 cannot be opened: %2").arg(path, d.lastError().text());
        } else if (!q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS store_outbox ("
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
            // No AUTOINCREMENT above: its sqlite_sequence table would be one more table in
            // the log's file.
            why = tr("The outbox in %1 cannot be made: %2").arg(path, q.lastError().text());
        } else if (!q.exec(QStringLiteral("SELECT seq, revision, report, parent, document, sha256, note, vessel, "
                                          "voyage, port, report_date, operation, grades, totals, queued_at, refused"
                                          " FROM store_outbox ORDER BY seq"))) {
            why = tr("The outbox in %1 cannot be read: %2").arg(path, q.lastError().text());
        } else {
            while (q.next()) {
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
                kept.push_back(std::move(e));
            }
        }
        if (!owner)
            return;
        QMetaObject::invokeMethod(owner, [self, why, kept = std::move(kept)]() mutable {
            // Saves made since the program started come after the ones kept before.
            for (auto it = kept.rbegin(); it != kept.rend(); ++it)
                self->m_entries.push_front(std::move(*it));
            self->m_loaded = true;
            self->m_problem = why;
            if (!why.isEmpty() && self->m_onFailed)
                self->m_onFailed(why);
            if (self->m_onLoaded)
                self->m_onLoaded();
        });
    });
}

void StoreOutbox::add(const StoreRevision &r)
{
    OutboxEntry e;
    e.revision = r;
    e.queuedAt = QDateTime::currentDateTimeUtc();
    m_entries.push_back(e);
    write([e](QSqlDatabase &db) {
        const StoreRevision &r = e.revision;
        QSqlQuery q(db);
        q.prepare(
            QStringLiteral("INSERT INTO store_outbox (seq, revision, report, parent, document, sha256, note, vessel,"
                           " voyage, port, report_date, operation, grades, totals, queued_at)"
                           " VALUES ((SELECT coalesce(max(seq), 0) + 1 FROM store_outbox),"
                           " ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (const QString &v :
             {uuidText(r.revision), uuidText(r.report), uuidText(r.parent), r.document, r.sha256, r.note, r.vessel,
              r.voyage, r.port, r.date.isValid() ? r.date.toString(Qt::ISODate) : QString(), r.operation, r.grades,
              r.totals, e.queuedAt.toString(Qt::ISODateWithMs)})
            q.addBindValue(bound(v));
        return q.exec() ? QString()
                        : tr("A save could not be kept in the outbox's file (it is sent while Dravex runs): %1")
                              .arg(q.lastError().text());
    });
}

std::optional<OutboxEntry> StoreOutbox::first() const
{
    if (m_entries.empty())
        return std::nullopt;
    return m_entries.front();
}

void StoreOutbox::remove(const QUuid &revision)
{
    std::erase_if(m_entries, [&](const OutboxEntry &e) { return e.revision.revision == revision; });
    write([revision](QSqlDatabase &db) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("DELETE FROM store_outbox WHERE revision = ?"));
        q.addBindValue(uuidText(revision));
        return q.exec() ? QString() : tr("The outbox's file could not be written: %1").arg(q.lastError().text());
    });
}

void StoreOutbox::markRefused(const QUuid &revision, const QString &why)
{
    for (OutboxEntry &e : m_entries)
        if (e.revision.revision == revision)
            e.refused = why;
    write([revision, why](QSqlDatabase &db) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("UPDATE store_outbox SET refused = ? WHERE revision = ?"));
        q.addBindValue(bound(why));
        q.addBindValue(uuidText(revision));
        return q.exec() ? QString() : tr("The outbox's file could not be written: %1").arg(q.lastError().text());
    });
}

bool StoreOutbox::resend(const QUuid &revision, const QString &note)
{
    const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                                 [&](const OutboxEntry &e) { return e.revision.revision == revision; });
    if (it == m_entries.end())
        return false;
    it->revision.note = note;
    it->refused.clear();
    write([revision, note](QSqlDatabase &db) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("UPDATE store_outbox SET note = ?, refused = '' WHERE revision = ?"));
        q.addBindValue(bound(note));
        q.addBindValue(uuidText(revision));
        return q.exec() ? QString() : tr("The outbox's file could not be written: %1").arg(q.lastError().text());
    });
    return true;
}

} // namespace dravex
