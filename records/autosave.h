// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QLockFile>
#include <QObject>
#include <QTimer>

#include <memory>
#include <vector>

namespace dravex {

class Document;

// The copy of a modified document kept against a crash, written every 30 seconds in the
// user's data folder with the path of the file it belongs to beside it. It follows the
// undo stack's clean state: a document saved, or undone back to what is saved, has no
// copy. A lock held while the document is open tells a crashed program's copies from
// those of a running one.
class Autosave : public QObject
{
    Q_OBJECT

public:
    // A copy that no running program holds.
    struct Leftover
    {
        QString id;
        QString originalPath; // empty for a document never saved
        QDateTime written;
        std::unique_ptr<QLockFile> lock;
    };

    explicit Autosave(Document *document);
    ~Autosave() override;

    static QString directory();
    // The copy's file, empty while there is none.
    QString path() const;
    // Writes the copy of a modified document now; a failed write is tried again at the
    // next tick, the document itself is untouched.
    void write();
    // Removes the copy.
    void drop();
    // Carries a leftover copy on as this document's own.
    void adopt(Leftover leftover);

    // The copies left by programs that ended without saving or discarding, newest first.
    static std::vector<Leftover> leftovers();
    static void discard(Leftover &leftover);

private:
    static QString stem(const QString &id);

    Document *m_document;
    QTimer m_timer;
    QString m_id;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace dravex
