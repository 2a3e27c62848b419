// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/document_manager.h"

#include "records/document.h"

#include <QWidget>

namespace dravex {

DocumentManager &DocumentManager::instance()
{
    static DocumentManager manager;
    return manager;
}

void DocumentManager::add(Document *document, QWidget *window)
{
    m_entries.append({document, window});
    connect(document, &QObject::destroyed, this, &DocumentManager::forget);
    connect(window, &QObject::destroyed, this, &DocumentManager::forget);
}

void DocumentManager::forget(QObject *object)
{
    m_entries.removeIf([object](const Entry &e) {
        return e.document.isNull() || e.window.isNull() || e.document == object || e.window == object;
    });
}

QWidget *DocumentManager::windowFor(const QString &path) const
{
    const QString key = Document::canonicalPath(path);
    if (key.isEmpty())
        return nullptr;
    for (const Entry &e : m_entries)
        if (e.document && e.window && e.document->canonicalFilePath() == key)
            return e.window;
    return nullptr;
}

bool DocumentManager::raise(const QString &path) const
{
    QWidget *window = windowFor(path);
    if (!window)
        return false;
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}

QList<Document *> DocumentManager::documents() const
{
    QList<Document *> list;
    for (const Entry &e : m_entries)
        if (e.document)
            list << e.document;
    return list;
}

bool DocumentManager::closeAll()
{
    const QList<Entry> entries = m_entries;
    for (const Entry &e : entries)
        if (e.window && e.window->isVisible() && !e.window->close())
            return false;
    return true;
}

} // namespace dravex
