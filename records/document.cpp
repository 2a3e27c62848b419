// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/document.h"

#include "records/autosave.h"

#include <QFileInfo>
#include <QUndoStack>

namespace dravex {

Document::Document(QObject *parent) : QObject(parent), m_undo(new QUndoStack(this)), m_autosave(new Autosave(this))
{
    connect(m_undo, &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (clean)
            m_restoredOverFile = false;
        emit modifiedChanged(!clean);
    });
}

Document::~Document()
{
    // The undo stack still signals as it clears itself; nothing here may hear it.
    m_undo->disconnect(this);
}

QString Document::canonicalPath(const QString &path)
{
    if (path.isEmpty())
        return {};
    const QString c = QFileInfo(path).canonicalFilePath();
    return c.isEmpty() ? QFileInfo(path).absoluteFilePath() : c;
}

QString Document::displayName() const
{
    return m_path.isEmpty() ? tr("Untitled") : QFileInfo(m_path).fileName();
}

bool Document::isModified() const
{
    return !m_undo->isClean();
}

bool Document::save(const QString &path, QString *error)
{
    if (!writeCopy(path, error))
        return false;
    setFilePath(path);
    m_undo->setClean();
    m_restoredOverFile = false;
    m_autosave->drop();
    emit saved();
    return true;
}

void Document::opened(const QString &path)
{
    m_undo->clear();
    m_undo->setClean();
    m_restoredOverFile = false;
    m_autosave->drop();
    setFilePath(path);
    emit modifiedChanged(false);
}

void Document::restored(const QString &originalPath)
{
    m_undo->clear();
    m_undo->resetClean();
    setFilePath(originalPath);
    m_restoredOverFile = !originalPath.isEmpty();
    emit modifiedChanged(true);
}

void Document::setFilePath(const QString &path)
{
    if (path == m_path)
        return;
    m_path = path;
    emit filePathChanged(path);
}

} // namespace dravex
