// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace dravex {

// The newest version of the company store's schema this program knows.
inline constexpr int kStoreSchemaVersion = 3;

struct StoreSchemaState
{
    int version = 0;
    // Empty when the program can use the store; otherwise why not, in words for the user.
    QString problem;
    bool usable() const { return problem.isEmpty(); }
};

// The store's schema version; problem says, in words for the user, why the program cannot use
// it: no schema yet, an older one that an administrator must bring up to date, or a newer one
// (made by a newer Dravex, never written into by this program).
StoreSchemaState ReadStoreSchema(QSqlDatabase &db);
// The same words for a schema at version (0: none); empty when the program can use it.
QString StoreSchemaProblem(int version);

// Creates the schema or migrates it up to kStoreSchemaVersion, one migration per transaction
// (the migrations embedded under :/store/sql/); refuses a newer schema. False with *message
// on any fault, and nothing of the failed migration applied.
bool MigrateStore(QSqlDatabase &db, QString *message);

// The statements of a PostgreSQL script, split at the semicolons that end them (not those in
// strings, quoted names, comments or dollar-quoted bodies). Empty statements are dropped.
QStringList SplitSqlStatements(const QString &script);

} // namespace dravex
