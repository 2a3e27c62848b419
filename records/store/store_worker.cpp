// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/store/store_worker.h"

#include "records/settings.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace dravex {

namespace {

// A libpq option value in single quotes, so spaces and quotes in a path stay its own.
QString quoted(const QString &value)
{
    QString v = value;
    v.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + v + QLatin1Char('\'');
}

// A failed call in words: the server's message first, the driver's beside it when it
// says more.
QString wordsOf(const QSqlError &error)
{
    const QString db = error.databaseText().trimmed();
    const QString driver = error.driverText().trimmed();
    if (db.isEmpty())
        return driver;
    if (driver.isEmpty() || db.contains(driver))
        return db;
    return db + QLatin1String(" (") + driver + QLatin1Char(')');
}

} // namespace

StoreSettings StoreSettings::load()
{
    Settings s;
    s.beginGroup(QStringLiteral("store"));
    StoreSettings out;
    out.service = s.value(QStringLiteral("service")).toString();
    out.host = s.value(QStringLiteral("host")).toString();
    out.port = s.value(QStringLiteral("port")).toString();
    out.database = s.value(QStringLiteral("database")).toString();
    out.user = s.value(QStringLiteral("user")).toString();
    out.sslmode = s.value(QStringLiteral("sslmode")).toString();
    out.caFile = s.value(QStringLiteral("caFile")).toString();
    return out;
}

void StoreSettings::save() const
{
    Settings s;
    s.beginGroup(QStringLiteral("store"));
    s.setValue(QStringLiteral("service"), service);
    s.setValue(QStringLiteral("host"), host);
    s.setValue(QStringLiteral("port"), port);
    s.setValue(QStringLiteral("database"), database);
    s.setValue(QStringLiteral("user"), user);
    s.setValue(QStringLiteral("sslmode"), sslmode);
    s.setValue(QStringLiteral("caFile"), caFile);
}

bool StoreSettings::isEmpty() const
{
    return service.isEmpty() && host.isEmpty() && database.isEmpty();
}

QString StoreSettings::describe() const
{
    if (!service.isEmpty())
        return tr("service %1").arg(service);
    QString where = host.isEmpty() ? tr("this computer") : host;
    if (!port.isEmpty())
        where += QLatin1Char(':') + port;
    return database.isEmpty() ? where : where + QLatin1Char('/') + database;
}

QString StoreSettings::connectOptions(int connectTimeoutSeconds) const
{
    // libpq waits at least two seconds for a connection whatever it is told.
    QStringList options{QStringLiteral("connect_timeout=%1").arg(qMax(2, connectTimeoutSeconds)),
                        QStringLiteral("application_name=Dravex"),
                        // A connection whose other end went silent is found dead in about
                        // half a minute, not after the system's two hours.
                        QStringLiteral("keepalives=1"), QStringLiteral("keepalives_idle=10"),
                        QStringLiteral("keepalives_interval=5"), QStringLiteral("keepalives_count=3")};
    if (!service.isEmpty())
        options << QStringLiteral("service=") + quoted(service);
    if (!sslmode.isEmpty())
        options << QStringLiteral("sslmode=") + quoted(sslmode);
    if (!caFile.isEmpty())
        options << QStringLiteral("sslrootcert=") + quoted(caFile);
    return options.join(QLatin1Char(';'));
}

StoreWorker::StoreWorker(const QString &connectionName, QObject *parent) : QObject(parent), m_connection(connectionName)
{
}

StoreWorker::~StoreWorker()
{
    dropConnection();
}

QSqlDatabase StoreWorker::db() const
{
    return QSqlDatabase::database(m_connection, false);
}

void StoreWorker::dropConnection()
{
    if (!QSqlDatabase::contains(m_connection))
        return;
    {
        QSqlDatabase d = db();
        if (d.driver())
            disconnect(d.driver(), nullptr, this, nullptr);
        d.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
    m_open = false;
}

void StoreWorker::open(int id, const StoreSettings &settings, int timeoutMs)
{
    dropConnection();
    StoreAnswer answer;
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        answer.message = tr("The PostgreSQL driver of Qt is not installed (package libqt6sql6-psql).");
        emit answered(id, answer);
        return;
    }
    {
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_connection);
        if (!settings.host.isEmpty())
            d.setHostName(settings.host);
        if (!settings.port.isEmpty())
            d.setPort(settings.port.toInt());
        if (!settings.database.isEmpty())
            d.setDatabaseName(settings.database);
        if (!settings.user.isEmpty())
            d.setUserName(settings.user);
        d.setConnectOptions(settings.connectOptions((timeoutMs + 999) / 1000));
        if (!d.open())
            answer.message = wordsOf(d.lastError());
        QSqlQuery q(d);
        // A statement the server works on longer than the session waits is cancelled by
        // the server itself.
        if (answer.message.isEmpty() && !q.exec(QStringLiteral("SET statement_timeout = %1").arg(qMax(1, timeoutMs))))
            answer.message = wordsOf(q.lastError());
        if (!answer.message.isEmpty()) {
            // Not here: the connection is removed once no handle of it is left.
        } else if (QSqlDriver *driver = d.driver()) {
            connect(driver, &QSqlDriver::notification, this,
                    [this](const QString &name, QSqlDriver::NotificationSource, const QVariant &payload) {
                        driverNotification(name, payload);
                    });
            driver->subscribeToNotification(QStringLiteral("dravex_reports"));
            driver->subscribeToNotification(QStringLiteral("dravex_tables"));
        }
    }
    if (!answer.message.isEmpty()) {
        dropConnection();
        emit answered(id, answer);
        return;
    }
    m_open = true;
    answer.ok = true;
    emit answered(id, answer);
}

void StoreWorker::close()
{
    dropConnection();
}

void StoreWorker::query(int id, const QString &sql, const QVariantList &values)
{
    StoreAnswer answer;
    if (!m_open) {
        answer.lost = true;
        answer.message = tr("Not connected to the company store.");
        emit answered(id, answer);
        return;
    }
    if (!run(sql, values, answer)) {
        // The connection is gone: the answer says so, and so does lost().
        dropConnection();
        emit answered(id, answer);
        emit lost(answer.message);
        return;
    }
    emit answered(id, answer);
}

bool StoreWorker::run(const QString &sql, const QVariantList &values, StoreAnswer &answer)
{
    QSqlDatabase d = db();
    QSqlQuery q(d);
    q.setForwardOnly(true);
    bool ok = q.prepare(sql);
    for (const QVariant &v : values)
        q.addBindValue(v);
    ok = ok && q.exec();
    if (ok) {
        while (q.next()) {
            const QSqlRecord record = q.record();
            QVariantMap row;
            for (int i = 0; i < record.count(); ++i)
                row.insert(record.fieldName(i), record.value(i));
            answer.rows << row;
        }
        answer.ok = true;
        return true;
    }
    answer.message = wordsOf(q.lastError());
    answer.sqlState = q.lastError().nativeErrorCode();
    // No SQLSTATE, or a connection exception (class 08): see whether the connection is still there.
    if (answer.sqlState.isEmpty() || answer.sqlState.startsWith(QLatin1String("08"))) {
        QSqlQuery probe(d);
        if (!probe.exec(QStringLiteral("SELECT 1"))) {
            answer.lost = true;
            return false;
        }
    }
    return true;
}

void StoreWorker::driverNotification(const QString &name, const QVariant &payload)
{
    emit notified(name, payload.toString());
}

} // namespace dravex
