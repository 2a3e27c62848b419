// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

namespace dravex {

class Document;

// The documents open in this program, each with the window that shows it. Opening a file
// that is open already brings its window to the front instead of reading it twice.
class DocumentManager : public QObject
{
    Q_OBJECT

public:
    static DocumentManager &instance();

    // Lists document as shown by window until either is destroyed.
    void add(Document *document, QWidget *window);
    // The window of the document open from path (compared with links resolved), or null.
    QWidget *windowFor(const QString &path) const;
    // Brings the window of the document open from path to the front; false if none is.
    bool raise(const QString &path) const;
    QList<Document *> documents() const;
    // Closes every document's window, each asking about unsaved changes; false, with the
    // rest left open, as soon as one is kept open.
    bool closeAll();

private:
    struct Entry
    {
        QPointer<Document> document;
        QPointer<QWidget> window;
    };
    void forget(QObject *object);

    QList<Entry> m_entries;
};

} // namespace dravex
