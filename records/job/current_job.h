// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/job.h"

#include <QObject>
#include <QString>

namespace dravex {

// The job the program's figures are computed for now, or none: one per program, set by
// the Job dialog or taken from a cargo report's header, remembered in the user's settings
// across runs. Every calculation logged while it is set carries it.
class CurrentJob : public QObject
{
    Q_OBJECT

public:
    static CurrentJob &instance();

    const Job &job() const { return m_job; }
    // "No job" is a job with nothing typed. Saved at once; changed() when it differs.
    void setJob(const Job &job);
    // The job in one line, as the status bar and the printouts show it:
    //   "Vessel Northern Star, voyage 24/07, Rotterdam, Loading, 2026-03-14"; "No job".
    static QString label(const Job &job);
    static QString operationName(ReportOperation operation);
    // The job kept in the settings, as the next run starts with it; none when the entry is
    // missing or cannot be read.
    static Job saved();

signals:
    void changed(const QString &label);

private:
    CurrentJob();
    Job m_job;
};

} // namespace dravex
