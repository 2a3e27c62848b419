// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/vef.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

namespace dravex {

// The vessels' voyage log, kept as one document in the user's data folder
// (voyage-log.json): {"format": "dravex-voyage-log", "version": 1, "voyages": [...]}, the
// voyages as VoyagesToJson writes them. A file that cannot be read is never written over:
// the log stays empty and read-only, and problem() names the file and the fault.
class VoyageLogStore
{
    Q_DECLARE_TR_FUNCTIONS(dravex::VoyageLogStore)

public:
    explicit VoyageLogStore(QString path = defaultPath());
    static QString defaultPath();

    const std::vector<VoyageEntry> &entries() const { return m_entries; }
    const QString &path() const { return m_path; }
    // Why the log could not be read, or the last save failed; empty when all is well.
    const QString &problem() const { return m_problem; }
    bool readOnly() const { return m_readOnly; }

    // Replaces the log and writes it whole; false with problem() saying why, and then
    // nothing changes.
    bool save(std::vector<VoyageEntry> entries);

private:
    QString m_path;
    std::vector<VoyageEntry> m_entries;
    QString m_problem;
    bool m_readOnly = false;
};

} // namespace dravex
