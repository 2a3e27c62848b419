// SPDX-License-Identifier: GPL-3.0-or-later
// The company store's schema: which version a database has, and bringing it up to this
// program's from the migrations embedded in the program.
#include "records/store/store_schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace dravex {

namespace {

class StoreSchemaText
{
    Q_DECLARE_TR_FUNCTIONS(dravex::StoreSchema)

public:
    static QString noSchema()
    {
        return tr("The store has no Dravex schema yet; ask your administrator to set up the store "
                  "(psql -v ON_ERROR_STOP=1 -f /usr/share/dravex/store/setup.sql).");
    }
    static QString older(int version)
    {
        return tr("The store's schema is version %1, older than this program's (%2); ask your "
                  "administrator to bring it up to date with /usr/share/dravex/store/setup.sql.")
            .arg(version)
            .arg(kStoreSchemaVersion);
    }
    static QString newer(int version)
    {
        return tr("The store was made by a newer Dravex (version %1); this program knows up to "
                  "%2 and will not write into it.")
            .arg(version)
            .arg(kStoreSchemaVersion);
    }
    static QString cannotRead(const QString &why) { return tr("Cannot read the store's schema version: %1").arg(why); }
    static QString noRole(const QString &why)
    {
        return tr("Your database role may not use the store (%1); ask your administrator to grant it "
                  "dravex_inspector, dravex_reviewer or dravex_admin.")
            .arg(why);
    }
    static QString missingMigration(int version)
    {
        return tr("This program has no migration to the store's schema version %1.").arg(version);
    }
    static QString migrationFailed(int version, const QString &why)
    {
        return tr("Setting up the store's schema version %1 failed, and nothing of it was "
                  "applied: %2")
            .arg(version)
            .arg(why);
    }
};

QString errorText(const QSqlError &error)
{
    const QString text = error.databaseText().trimmed();
    return text.isEmpty() ? error.text().trimmed() : text;
}

// The database refused the role (SQLSTATE 42501, insufficient privilege): said so.
QString readError(const QSqlError &error)
{
    return error.nativeErrorCode() == QLatin1String("42501") ? StoreSchemaText::noRole(errorText(error))
                                                             : StoreSchemaText::cannotRead(errorText(error));
}

// The version, or -1 with *why; 0 when there is no schema.
int readVersion(QSqlDatabase &db, QString *why)
{
    QSqlQuery query(db);
    // Read from the catalog itself rather than by name lookup: a program that waited for
    // another's migration must see the tables that one made.
    if (!query.exec(QStringLiteral("SELECT EXISTS (SELECT FROM pg_catalog.pg_class c JOIN pg_catalog.pg_namespace n "
                                   "ON n.oid = c.relnamespace WHERE n.nspname = 'dravex' "
                                   "AND c.relname = 'schema_version')")) ||
        !query.next()) {
        *why = readError(query.lastError());
        return -1;
    }
    if (!query.value(0).toBool())
        return 0;
    if (!query.exec(QStringLiteral("SELECT coalesce(max(version), 0) FROM dravex.schema_version")) || !query.next()) {
        *why = readError(query.lastError());
        return -1;
    }
    return query.value(0).toInt();
}

// The embedded migration that makes version `version`: sql/NNNN_*.sql.
QString migrationScript(int version)
{
    const QString prefix = QStringLiteral("%1_").arg(version, 4, 10, QLatin1Char('0'));
    const QDir dir(QStringLiteral(":/store/sql"));
    const QStringList names = dir.entryList({prefix + QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
    if (names.size() != 1)
        return {};
    QFile file(dir.filePath(names.front()));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

bool identifierChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$');
}

// Applies the migration to `target` in one transaction, under a lock that keeps two programs
// from migrating at once. False with *message; the transaction then rolled back.
bool applyMigration(QSqlDatabase &db, int target, const QString &script, QString *message)
{
    if (!db.transaction()) {
        *message = StoreSchemaText::migrationFailed(target, errorText(db.lastError()));
        return false;
    }
    auto fail = [&](const QString &why) {
        db.rollback();
        *message = StoreSchemaText::migrationFailed(target, why);
        return false;
    };
    QSqlQuery query(db);
    // A fixed key, the same in every Dravex program.
    if (!query.exec(QStringLiteral("SELECT pg_catalog.pg_advisory_xact_lock(7400126512)")))
        return fail(errorText(query.lastError()));
    QString why;
    const int now = readVersion(db, &why);
    if (now < 0)
        return fail(why);
    if (now >= target) {
        // Another program migrated while this one waited for the lock.
        db.commit();
        return true;
    }
    for (const QString &statement : SplitSqlStatements(script)) {
        if (!query.exec(statement))
            return fail(errorText(query.lastError()));
    }
    if (readVersion(db, &why) != target)
        return fail(why.isEmpty() ? StoreSchemaText::missingMigration(target) : why);
    if (!db.commit())
        return fail(errorText(db.lastError()));
    return true;
}

} // namespace

StoreSchemaState ReadStoreSchema(QSqlDatabase &db)
{
    StoreSchemaState state;
    QString why;
    const int version = readVersion(db, &why);
    if (version < 0) {
        state.problem = why;
        return state;
    }
    state.version = version;
    state.problem = StoreSchemaProblem(version);
    return state;
}

QString StoreSchemaProblem(int version)
{
    if (version == 0)
        return StoreSchemaText::noSchema();
    if (version < kStoreSchemaVersion)
        return StoreSchemaText::older(version);
    if (version > kStoreSchemaVersion)
        return StoreSchemaText::newer(version);
    return {};
}

bool MigrateStore(QSqlDatabase &db, QString *message)
{
    QString ignored;
    if (!message)
        message = &ignored;
    for (;;) {
        QString why;
        const int version = readVersion(db, &why);
        if (version < 0) {
            *message = why;
            return false;
        }
        if (version > kStoreSchemaVersion) {
            *message = StoreSchemaText::newer(version);
            return false;
        }
        if (version == kStoreSchemaVersion)
            return true;
        const int target = version + 1;
        const QString script = migrationScript(target);
        if (script.isEmpty()) {
            *message = StoreSchemaText::missingMigration(target);
            return false;
        }
        if (!applyMigration(db, target, script, message))
            return false;
    }
}

QStringList SplitSqlStatements(const QString &script)
{
    QStringList statements;
    QString current;
    const qsizetype n = script.size();
    auto at = [&](qsizetype i) { return i < n ? script.at(i) : QChar(); };
    auto flush = [&] {
        if (!current.trimmed().isEmpty())
            statements << current.trimmed();
        current.clear();
    };
    qsizetype i = 0;
    while (i < n) {
        const QChar c = script.at(i);
        const QChar previous = i > 0 ? script.at(i - 1) : QChar();
        if (c == QLatin1Char('-') && at(i + 1) == QLatin1Char('-')) {
            // A comment to the end of the line: dropped.
            while (i < n && script.at(i) != QLatin1Char('\n'))
                ++i;
            continue;
        }
        if (c == QLatin1Char('/') && at(i + 1) == QLatin1Char('*')) {
            // Block comments nest in PostgreSQL.
            int depth = 0;
            do {
                if (at(i) == QLatin1Char('/') && at(i + 1) == QLatin1Char('*')) {
                    ++depth;
                    i += 2;
                } else if (at(i) == QLatin1Char('*') && at(i + 1) == QLatin1Char('/')) {
                    --depth;
                    i += 2;
                } else {
                    ++i;
                }
            } while (depth > 0 && i < n);
            current += QLatin1Char(' ');
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            // A string or quoted name, its quote doubled inside; E'...' strings also take a
            // backslash before a quote.
            const bool escapes = c == QLatin1Char('\'') &&
                                 (previous == QLatin1Char('E') || previous == QLatin1Char('e')) &&
                                 (i < 2 || !identifierChar(script.at(i - 2)));
            qsizetype j = i + 1;
            while (j < n) {
                if (escapes && script.at(j) == QLatin1Char('\\')) {
                    j += 2;
                } else if (script.at(j) == c) {
                    if (at(j + 1) == c)
                        j += 2;
                    else
                        break;
                } else {
                    ++j;
                }
            }
            current += script.mid(i, qMin(j + 1, n) - i);
            i = j + 1;
            continue;
        }
        if (c == QLatin1Char('$') && !identifierChar(previous)) {
            // A dollar-quoted body: $$ or $tag$, to the same tag.
            qsizetype j = i + 1;
            while (j < n && (script.at(j).isLetterOrNumber() || script.at(j) == QLatin1Char('_')))
                ++j;
            const bool tagged = j < n && script.at(j) == QLatin1Char('$') && !at(i + 1).isDigit();
            if (tagged) {
                const QString tag = script.mid(i, j - i + 1);
                const qsizetype end = script.indexOf(tag, j + 1);
                const qsizetype stop = end < 0 ? n : end + tag.size();
                current += script.mid(i, stop - i);
                i = stop;
                continue;
            }
        }
        if (c == QLatin1Char(';')) {
            flush();
            ++i;
            continue;
        }
        current += c;
        ++i;
    }
    flush();
    return statements;
}

} // namespace dravex
