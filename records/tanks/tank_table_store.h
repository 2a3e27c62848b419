// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/tank_table_file.h"
#include "records/document.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

namespace dravex {

// The calibration tables of one vessel or terminal as a document: one JSON file of the
// tank-table folder. Every change is written at once, atomically, so the file always holds
// what the window shows. A file that cannot be read (damaged, or written by a newer
// Dravex) is held with the reason and never written over: the tables in it may be the only
// copy a surveyor has.
class TankTableFile : public Document
{
    Q_OBJECT

public:
    explicit TankTableFile(QObject *parent = nullptr);

    // Reads path. false when it cannot be read: problem() says why and the file stays
    // this document's, unreadable, so nothing is ever written over it.
    bool open(const QString &path);
    // A new document for owner, written to path; false with the reason in error.
    bool create(const QString &path, TableOwnerKind kind, const QString &owner, QString *error);

    bool isReadable() const { return m_problem.isEmpty(); }
    // Why the file cannot be read, naming the file; empty when it can.
    QString problem() const { return m_problem; }
    const TankTableDocument &tables() const { return m_tables; }
    QString owner() const { return QString::fromStdString(m_tables.owner); }
    // The SHA-256 of table index, the table's version; kept, since a large table takes
    // a moment to hash.
    QString hash(int index) const { return m_hashes.value(index); }

    // Each change is written to the file at once; false with the reason in error, and
    // neither the document nor the file changes.
    bool addTable(const TankTable &table, QString *error);
    bool renameOwner(const QString &name, QString *error);
    bool renameTable(int index, const QString &name, QString *error);
    bool removeTable(int index, QString *error);

    // Refused for a document that could not be read, and where the file at path holds
    // something this program cannot read (a newer version written meanwhile, damage).
    bool writeCopy(const QString &path, QString *error) const override;

signals:
    // A change was written to the file.
    void tablesChanged();

private:
    // Applies edit and writes the file; then brings the hashes up to date with rehash.
    bool change(const std::function<void(TankTableDocument &)> &edit, const std::function<void(QStringList &)> &rehash,
                QString *error);
    void hashAll();
    QString hashOf(std::size_t index) const;

    TankTableDocument m_tables;
    QStringList m_hashes;
    QString m_problem;
};

// The tank-table folder, AppDataLocation/tank-tables, and the documents in it.
class TankTableStore : public QObject
{
    Q_OBJECT

public:
    explicit TankTableStore(const QString &folder = defaultFolder(), QObject *parent = nullptr);

    static QString defaultFolder();
    QString folder() const { return m_folder; }

    // Reads the folder again: every *.json file, readable or not, by owner name.
    void reload();
    const QList<TankTableFile *> &files() const { return m_files; }
    // The readable document of that vessel or terminal, or null.
    TankTableFile *find(TableOwnerKind kind, const QString &owner) const;
    // The readable document of that vessel or terminal, made and written when there is
    // none (in a file of its own, beside any unreadable one); null with error.
    TankTableFile *fileFor(TableOwnerKind kind, const QString &owner, QString *error);
    // Deletes the document's file; false with the reason in error.
    bool remove(TankTableFile *file, QString *error);

signals:
    // The list of documents or one of them changed.
    void changed();

private:
    QString newFileName(TableOwnerKind kind, const QString &owner) const;

    QString m_folder;
    QList<TankTableFile *> m_files;
};

} // namespace dravex
