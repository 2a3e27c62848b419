// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/store/store_worker.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QThread>

#include <deque>
#include <functional>
#include <optional>

namespace dravex {

// One save waiting for the store: the revision as it will be sent, and, once the store
// refused it, why ("conflict": another revision came first).
struct OutboxEntry
{
    qint64 seq = 0;
    StoreRevision revision;
    QDateTime queuedAt;
    QString refused; // empty while waiting
};

// Saves made for the store, kept until the store has them, in the order they were made.
// A table of its own, store_outbox, in the calculation log's SQLite file: the file the
// program already keeps in the user's data folder. It is not part of the log's numbered
// layout: the log's version stays as it was, so an older Dravex still writes its log into
// the same file, and the log's reader and writer never touch this table.
//
// The window's thread never waits for the file: the saves are held in memory as well, and
// the file is read and written on a thread of its own, in the order of the calls. The
// saves kept from an earlier run are there once loaded() (the session sends none before,
// so the order holds). A write that fails is told through the failure callback; the save
// stays in memory and is still sent while the program runs.
class StoreOutbox
{
    Q_DECLARE_TR_FUNCTIONS(dravex::StoreOutbox)

public:
    // loaded: called on the owner's thread once the saves of earlier runs are read;
    // failed: when the file cannot be read or written, with why.
    StoreOutbox(QObject *owner, std::function<void()> loaded, std::function<void(const QString &)> failed);
    ~StoreOutbox();
    StoreOutbox(const StoreOutbox &) = delete;
    StoreOutbox &operator=(const StoreOutbox &) = delete;

    // Opens (and makes) the table in the file at path, and reads what it keeps.
    void open(const QString &path);
    bool loaded() const { return m_loaded; }
    // Why the file could not be read or written; empty when all went well.
    QString problem() const { return m_problem; }

    // Adds a save at the end.
    void add(const StoreRevision &revision);
    // The oldest save, refused or not.
    std::optional<OutboxEntry> first() const;
    qint64 count() const { return qint64(m_entries.size()); }
    // The store has it (saved or replayed): it leaves the outbox.
    void remove(const QUuid &revision);
    // The store refused it: it stays first, and stops the others, until the person has seen it.
    void markRefused(const QUuid &revision, const QString &why);
    // The refused save goes again with note (the store asked what a correction changes);
    // false when it is not in the outbox.
    bool resend(const QUuid &revision, const QString &note);
    // Waits until every write asked for is in the file (for the end of the program).
    void waitForWrites();

private:
    class Writer;
    void write(std::function<QString(QSqlDatabase &)> job);

    QObject *m_owner;
    std::function<void()> m_onLoaded;
    std::function<void(const QString &)> m_onFailed;
    std::deque<OutboxEntry> m_entries;
    bool m_loaded = false;
    QString m_problem;
    QThread *m_thread = nullptr;
    Writer *m_writer = nullptr;
};

} // namespace dravex
