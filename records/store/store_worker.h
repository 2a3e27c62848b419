// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QUuid>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

namespace dravex {

// Where the company store is and who connects: a PostgreSQL service name (from the user's
// service file) or host, port and database, the user's own role, how TLS is checked and
// the company's CA. No password: libpq reads it from ~/.pgpass or the service file, so
// Dravex's settings never hold one.
struct StoreSettings
{
    Q_DECLARE_TR_FUNCTIONS(dravex::StoreSettings)

public:
    QString service;
    QString host;
    QString port;
    QString database;
    QString user;
    QString sslmode;
    QString caFile;

    // The "store" group of the user's settings.
    static StoreSettings load();
    void save() const;
    bool isEmpty() const;
    // The store in a few words for the status bar: "service survey", "db.example.com/dravex".
    QString describe() const;
    // libpq's options beside host, port, database and user, each value quoted.
    QString connectOptions(int connectTimeoutSeconds) const;
};

// One revision of a report for the store's save_revision: the ids are made here, so that a
// save sent twice (an outbox replayed after a lost answer) is known to the store.
struct StoreRevision
{
    QUuid report;
    QUuid revision;
    QUuid parent; // null: the report's first revision
    QString document;
    QString sha256;
    QString note;
    QString vessel, voyage, port;
    QDate date;
    QString operation, grades, totals;
};

// What the store answered to one call: rows by column name, or a message in words for
// the user. lost: the connection is gone (the call may or may not have reached the store).
struct StoreAnswer
{
    bool ok = false;
    bool lost = false;
    QString message;
    QString sqlState;
    QList<QVariantMap> rows;
};

// The connection to the store, on a thread of its own (a QSqlDatabase belongs to the
// thread that opened it): every call is queued to it with a request id and answered by
// answered(). A call that waits on a silent server blocks this thread only; the session on
// the window's thread times it out.
class StoreWorker : public QObject
{
    Q_OBJECT

public:
    explicit StoreWorker(const QString &connectionName, QObject *parent = nullptr);
    ~StoreWorker() override;

    // Connects (closing any earlier connection), sets the statement timeout and listens
    // for the store's notifications.
    void open(int id, const StoreSettings &settings, int timeoutMs);
    void close();
    // One statement with bound values; rows in the answer.
    void query(int id, const QString &sql, const QVariantList &values);

signals:
    void answered(int id, const dravex::StoreAnswer &answer);
    void notified(const QString &channel, const QString &payload);
    // The connection was found gone while idle or after a failed call.
    void lost(const QString &message);

private:
    QString m_connection;
    bool m_open = false;

    QSqlDatabase db() const;
    void dropConnection();
    // The statement on the open connection; false when the connection is found gone.
    bool run(const QString &sql, const QVariantList &values, StoreAnswer &answer);
    void driverNotification(const QString &name, const QVariant &payload);
};

} // namespace dravex

Q_DECLARE_METATYPE(dravex::StoreAnswer)
