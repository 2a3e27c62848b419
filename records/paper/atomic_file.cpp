// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/paper/atomic_file.h"

#include <QDir>

namespace dravex {

AtomicFile::AtomicFile(const QString &path) : m_path(path), m_file(path) {}

bool AtomicFile::open()
{
    return m_file.open(QIODevice::WriteOnly) || fail();
}

bool AtomicFile::write(const QByteArray &bytes)
{
    if (!m_reason.isEmpty() || !m_file.isOpen())
        return false;
    return m_file.write(bytes) == bytes.size() || fail();
}

bool AtomicFile::commit()
{
    if (!m_file.isOpen())
        return false;
    // A writer that wrote through device() may have failed without saying so.
    if (m_reason.isEmpty() && m_file.error() != QFileDevice::NoError)
        fail();
    if (!m_reason.isEmpty()) {
        m_file.cancelWriting();
        m_file.commit();
        return false;
    }
    return m_file.commit() || fail();
}

void AtomicFile::cancel()
{
    if (!m_file.isOpen())
        return;
    if (m_reason.isEmpty() && m_file.error() != QFileDevice::NoError)
        fail();
    m_file.cancelWriting();
    m_file.commit();
}

QString AtomicFile::failure() const
{
    return tr("The file %1 could not be written: %2").arg(QDir::toNativeSeparators(m_path), m_reason);
}

bool AtomicFile::fail()
{
    // The first reason is the one that counts: cancelling afterwards has a message of its own.
    if (m_reason.isEmpty())
        m_reason = m_file.errorString().isEmpty() ? tr("unknown error") : m_file.errorString();
    return false;
}

bool WriteWholeFile(const QString &path, const QByteArray &bytes, QString *reason)
{
    AtomicFile file(path);
    if (file.open() && file.write(bytes) && file.commit())
        return true;
    if (reason)
        *reason = file.reason();
    return false;
}

} // namespace dravex
