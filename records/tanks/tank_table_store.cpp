// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/tanks/tank_table_store.h"

#include "records/paper/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <optional>

namespace dravex {

namespace {

// A vessel's tables of 20,000 rows and eight trims take a few MiB; a file many times that
// is not a table document, and a device is never read to its end.
constexpr qint64 kMaxTableFileBytes = 64 * 1024 * 1024;

struct FileRead
{
    std::optional<TankTableDocument> tables;
    QString problem; // names the file
};

FileRead readTableFile(const QString &path)
{
    FileRead read;
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        read.problem = TankTableFile::tr("Cannot open %1: %2").arg(name, file.errorString());
        return read;
    }
    const QByteArray bytes = file.read(kMaxTableFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        read.problem = TankTableFile::tr("Cannot read %1: %2").arg(name, file.errorString());
        return read;
    }
    if (bytes.size() > kMaxTableFileBytes) {
        read.problem = TankTableFile::tr("Cannot read %1: larger than %2 MiB, the largest tank table file read")
                           .arg(name)
                           .arg(kMaxTableFileBytes / (1024 * 1024));
        return read;
    }
    TankTableReadResult parsed =
        ReadTankTablesJson(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (parsed.error) {
        read.problem = TankTableFile::tr("Cannot read %1: %2").arg(name, QString::fromStdString(parsed.error->message));
        return read;
    }
    read.tables = std::move(parsed.document);
    return read;
}

} // namespace

TankTableFile::TankTableFile(QObject *parent) : Document(parent) {}

bool TankTableFile::open(const QString &path)
{
    FileRead read = readTableFile(path);
    m_problem = read.problem;
    m_tables = read.tables ? std::move(*read.tables) : TankTableDocument{};
    hashAll();
    opened(path);
    return isReadable();
}

bool TankTableFile::create(const QString &path, TableOwnerKind kind, const QString &owner, QString *error)
{
    TankTableDocument tables;
    tables.ownerKind = kind;
    tables.owner = owner.toStdString();
    std::swap(tables, m_tables);
    m_problem.clear();
    if (!save(path, error)) {
        m_tables = std::move(tables);
        return false;
    }
    hashAll();
    return true;
}

void TankTableFile::hashAll()
{
    m_hashes.clear();
    for (std::size_t i = 0; i < m_tables.tables.size(); ++i)
        m_hashes << hashOf(i);
}

bool TankTableFile::change(const std::function<void(TankTableDocument &)> &edit,
                           const std::function<void(QStringList &)> &rehash, QString *error)
{
    if (!isReadable()) {
        *error = m_problem;
        return false;
    }
    TankTableDocument before = m_tables;
    edit(m_tables);
    if (!save(filePath(), error)) {
        m_tables = std::move(before);
        return false;
    }
    rehash(m_hashes);
    emit tablesChanged();
    return true;
}

QString TankTableFile::hashOf(std::size_t index) const
{
    return QString::fromStdString(TankTableSha256(m_tables.tables[index]));
}

bool TankTableFile::addTable(const TankTable &table, QString *error)
{
    if (const std::string fault = CheckTankTable(table); !fault.empty()) {
        *error = QString::fromStdString(fault);
        return false;
    }
    return change([&table](TankTableDocument &d) { d.tables.push_back(table); },
                  [this](QStringList &hashes) { hashes << hashOf(m_tables.tables.size() - 1); }, error);
}

bool TankTableFile::renameOwner(const QString &name, QString *error)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty()) {
        *error = tr("The name of the vessel or terminal is empty");
        return false;
    }
    return change([&trimmed](TankTableDocument &d) { d.owner = trimmed.toStdString(); }, [](QStringList &) {}, error);
}

bool TankTableFile::renameTable(int index, const QString &name, QString *error)
{
    const QString trimmed = name.trimmed();
    if (index < 0 || std::size_t(index) >= m_tables.tables.size() || trimmed.isEmpty()) {
        *error = tr("The tank's name is empty");
        return false;
    }
    // The name is part of the table's content: a renamed table is a new version.
    return change(
        [index, &trimmed](TankTableDocument &d) { d.tables[std::size_t(index)].name = trimmed.toStdString(); },
        [this, index](QStringList &hashes) { hashes[index] = hashOf(std::size_t(index)); }, error);
}

bool TankTableFile::removeTable(int index, QString *error)
{
    if (index < 0 || std::size_t(index) >= m_tables.tables.size()) {
        *error = tr("No such table");
        return false;
    }
    return change([index](TankTableDocument &d) { d.tables.erase(d.tables.begin() + index); },
                  [index](QStringList &hashes) { hashes.removeAt(index); }, error);
}

bool TankTableFile::writeCopy(const QString &path, QString *error) const
{
    const QString name = QFileInfo(path).fileName();
    if (!isReadable()) {
        *error = tr("%1 is kept as it is: %2").arg(name, m_problem);
        return false;
    }
    // Another program, or a newer Dravex, may have written the file since it was read:
    // what this program cannot read, it does not replace.
    if (QFileInfo::exists(path)) {
        const FileRead onDisk = readTableFile(path);
        if (!onDisk.tables) {
            *error = tr("%1 is kept as it is: %2").arg(name, onDisk.problem);
            return false;
        }
    }
    return WriteWholeFile(path, QByteArray::fromStdString(WriteTankTablesJson(m_tables)), error);
}

TankTableStore::TankTableStore(const QString &folder, QObject *parent) : QObject(parent), m_folder(folder)
{
    reload();
}

QString TankTableStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/tank-tables");
}

void TankTableStore::reload()
{
    qDeleteAll(m_files);
    m_files.clear();
    const QDir dir(m_folder);
    for (const QFileInfo &info : dir.entryInfoList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
        auto *file = new TankTableFile(this);
        file->open(info.absoluteFilePath());
        connect(file, &TankTableFile::tablesChanged, this, &TankTableStore::changed);
        m_files << file;
    }
    // By owner, a vessel before a terminal of the same name; unreadable files (no owner)
    // first, so they are not missed.
    std::stable_sort(m_files.begin(), m_files.end(), [](const TankTableFile *a, const TankTableFile *b) {
        if (a->isReadable() != b->isReadable())
            return !a->isReadable();
        const int byName = a->owner().localeAwareCompare(b->owner());
        return byName != 0 ? byName < 0 : a->tables().ownerKind < b->tables().ownerKind;
    });
    emit changed();
}

TankTableFile *TankTableStore::find(TableOwnerKind kind, const QString &owner) const
{
    for (TankTableFile *file : m_files)
        if (file->isReadable() && file->tables().ownerKind == kind && file->owner() == owner.trimmed())
            return file;
    return nullptr;
}

TankTableFile *TankTableStore::fileFor(TableOwnerKind kind, const QString &owner, QString *error)
{
    if (TankTableFile *file = find(kind, owner))
        return file;
    if (owner.trimmed().isEmpty()) {
        *error = tr("The name of the vessel or terminal is empty");
        return nullptr;
    }
    if (!QDir().mkpath(m_folder)) {
        *error = tr("Cannot make the folder %1").arg(QDir::toNativeSeparators(m_folder));
        return nullptr;
    }
    auto *file = new TankTableFile(this);
    if (!file->create(QDir(m_folder).filePath(newFileName(kind, owner)), kind, owner.trimmed(), error)) {
        delete file;
        return nullptr;
    }
    connect(file, &TankTableFile::tablesChanged, this, &TankTableStore::changed);
    m_files << file;
    emit changed();
    return file;
}

bool TankTableStore::remove(TankTableFile *file, QString *error)
{
    QFile disk(file->filePath());
    if (disk.exists() && !disk.remove()) {
        *error = tr("Cannot delete %1: %2").arg(QFileInfo(file->filePath()).fileName(), disk.errorString());
        return false;
    }
    m_files.removeOne(file);
    delete file;
    emit changed();
    return true;
}

QString TankTableStore::newFileName(TableOwnerKind kind, const QString &owner) const
{
    // The file's name only needs to be safe and new; the owner is read from the contents.
    QString stem = kind == TableOwnerKind::Vessel ? QStringLiteral("vessel-") : QStringLiteral("terminal-");
    for (const QChar c : owner.trimmed().toLower())
        stem += c.isLetterOrNumber() && c.unicode() < 128 ? c : QChar(u'-');
    const QDir dir(m_folder);
    QString name = stem + QStringLiteral(".json");
    for (int n = 2; dir.exists(name); ++n)
        name = stem + QStringLiteral("-%1.json").arg(n);
    return name;
}

} // namespace dravex
