// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QSaveFile>
#include <QString>

namespace dravex {

// A file the program writes: written beside its place and put there only once complete,
// so a crash, a full disk or a cancelled job leaves the old file whole and no part of the
// new one. Every report, autosave copy, CSV and PDF goes through it.
//   AtomicFile out(path);
//   if (!out.open() || !out.write(bytes) || !out.commit())
//       warn(out.failure());
class AtomicFile
{
    Q_DECLARE_TR_FUNCTIONS(dravex::AtomicFile)

public:
    explicit AtomicFile(const QString &path);
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    // False when the file cannot be made (a read-only folder, a path under a file).
    bool open();
    // What a writer such as QPdfWriter writes into; only once open.
    QIODevice &device() { return m_file; }
    // False once any write failed; later writes are not tried.
    bool write(const QByteArray &bytes);
    // Puts the file in its place; false when it or any write before failed.
    bool commit();
    // Drops what was written: the file stays as it was.
    void cancel();

    const QString &path() const { return m_path; }
    // Why the file was not written, as the system says it; empty while nothing failed.
    const QString &reason() const { return m_reason; }
    // "The file <path> could not be written: <reason>".
    QString failure() const;

private:
    QString m_path;
    QSaveFile m_file;
    QString m_reason;

    bool fail();
};

// bytes written whole to path, or nothing; false with the reason in reason.
bool WriteWholeFile(const QString &path, const QByteArray &bytes, QString *reason = nullptr);

} // namespace dravex
