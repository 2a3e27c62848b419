// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/store/store_worker.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSqlDatabase>
#include <QString>

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
class StoreOutbox
{
    Q_DECLARE_TR_FUNCTIONS(dravex::StoreOutbox)

public:
    StoreOutbox();
    ~StoreOutbox();
    StoreOutbox(const StoreOutbox &) = delete;
    StoreOutbox &operator=(const StoreOutbox &) = delete;

    // Opens (and makes) the table in the file at path; false with problem() set.
    bool open(const QString &path);
    QString problem() const { return m_problem; }

    // Adds a save at the end; false with problem() set.
    bool add(const StoreRevision &revision);
    // The oldest save, refused or not.
    std::optional<OutboxEntry> first();
    qint64 count();
    // The store has it (saved or replayed): it leaves the outbox.
    bool remove(const QUuid &revision);
    // The store refused it: it stays first, and stops the others, until the person has seen it.
    bool markRefused(const QUuid &revision, const QString &why);
    // The refused save goes again with note (the store asked what a correction changes).
    bool resend(const QUuid &revision, const QString &note);

private:
    QString m_connection;
    QString m_problem;

    QSqlDatabase db() const;
};

} // namespace dravex
