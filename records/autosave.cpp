// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/autosave.h"

#include "records/document.h"
#include "records/paper/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QUndoStack>
#include <QUuid>

namespace dravex {

namespace {

constexpr int kAutosaveMs = 30 * 1000;

} // namespace

Autosave::Autosave(Document *document) : QObject(document), m_document(document)
{
    m_timer.setInterval(kAutosaveMs);
    connect(&m_timer, &QTimer::timeout, this, &Autosave::write);
    m_timer.start();
    // Undone back to what is saved, there is nothing to restore after a crash.
    connect(document->undoStack(), &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (clean)
            drop();
    });
}

// The copy outlives a document that is destroyed without being closed: only closing
// decides that it is not wanted.
Autosave::~Autosave() = default;

QString Autosave::directory()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/autosave");
}

QString Autosave::stem(const QString &id)
{
    return directory() + QLatin1Char('/') + id;
}

QString Autosave::path() const
{
    return m_id.isEmpty() ? QString() : stem(m_id) + QStringLiteral(".json");
}

void Autosave::write()
{
    if (!m_document->isModified())
        return;
    if (m_id.isEmpty()) {
        QDir().mkpath(directory());
        m_id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        m_lock = std::make_unique<QLockFile>(stem(m_id) + QStringLiteral(".lock"));
        // Held as long as the document is open; only a dead process's lock counts as stale.
        m_lock->setStaleLockTime(0);
        m_lock->tryLock(0);
    }
    // A copy that cannot be written leaves the last one whole; the next tick tries again.
    WriteWholeFile(stem(m_id) + QStringLiteral(".path"), m_document->filePath().toUtf8());
    QString error;
    m_document->writeCopy(path(), &error);
}

void Autosave::drop()
{
    if (m_id.isEmpty())
        return;
    QFile::remove(stem(m_id) + QStringLiteral(".json"));
    QFile::remove(stem(m_id) + QStringLiteral(".path"));
    m_lock.reset();
    m_id.clear();
}

void Autosave::adopt(Leftover leftover)
{
    drop();
    m_id = leftover.id;
    m_lock = std::move(leftover.lock);
}

std::vector<Autosave::Leftover> Autosave::leftovers()
{
    const QDir dir(directory());
    std::vector<Leftover> left;
    for (const QFileInfo &info : dir.entryInfoList({QStringLiteral("*.json")}, QDir::Files, QDir::Time)) {
        const QString id = info.completeBaseName();
        auto lock = std::make_unique<QLockFile>(stem(id) + QStringLiteral(".lock"));
        lock->setStaleLockTime(0);
        // A document of a running Dravex holds its lock; a crashed one's lock is stale.
        if (!lock->tryLock(0))
            continue;
        QFile pathFile(stem(id) + QStringLiteral(".path"));
        QString original;
        if (pathFile.open(QIODevice::ReadOnly))
            original = QString::fromUtf8(pathFile.readAll());
        left.push_back({id, original, info.lastModified(), std::move(lock)});
    }
    return left;
}

void Autosave::discard(Leftover &leftover)
{
    QFile::remove(stem(leftover.id) + QStringLiteral(".json"));
    QFile::remove(stem(leftover.id) + QStringLiteral(".path"));
    leftover.lock.reset();
}

} // namespace dravex
