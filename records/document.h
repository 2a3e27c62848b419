// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class QUndoStack;

namespace dravex {

class Autosave;

// A user's document, apart from any window that shows it: its undo stack, its file and
// whether it differs from that file. Cargo reports are documents; tank tables and voyage
// logs are meant to be documents the same way, each adding its value, open and export.
// The modified flag is the undo stack's clean state, so undoing back to what was saved
// makes the document unmodified again.
class Document : public QObject
{
    Q_OBJECT

public:
    explicit Document(QObject *parent = nullptr);
    ~Document() override;

    QUndoStack *undoStack() const { return m_undo; }
    Autosave &autosave() const { return *m_autosave; }

    // Empty until the document is saved or opened.
    QString filePath() const { return m_path; }
    // The path with links resolved, the key by which the open documents are found.
    QString canonicalFilePath() const { return canonicalPath(m_path); }
    static QString canonicalPath(const QString &path);
    // The file name shown in titles and messages: "tanks.json", or "Untitled".
    QString displayName() const;

    bool isModified() const;
    // Restored from an autosave copy over a saved file and not saved since: saving it
    // replaces that file, so asking before closing keeps the file by default.
    bool isRestoredOverFile() const { return m_restoredOverFile; }

    // Writes the document to path atomically; the document then names that file and is
    // unmodified. false with the reason in error, and nothing changes.
    bool save(const QString &path, QString *error);
    // Writes the document to path without taking it as the document's file (the
    // autosave copy). false with the reason in error.
    virtual bool writeCopy(const QString &path, QString *error) const = 0;

signals:
    void modifiedChanged(bool modified);
    void filePathChanged(const QString &path);
    // The document was written to its file by save().
    void saved();

protected:
    // After a new value was read from path: no undo history, unmodified, no autosave copy.
    void opened(const QString &path);
    // After the value of an autosave copy was taken: modified against originalPath (empty
    // for a document never saved).
    void restored(const QString &originalPath);

private:
    void setFilePath(const QString &path);

    QUndoStack *m_undo;
    Autosave *m_autosave;
    QString m_path;
    bool m_restoredOverFile = false;
};

} // namespace dravex
