// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/job/report_job.h"

#include "records/job/current_job.h"
#include "screens/prompts.h"

namespace dravex {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(dravex::ReportJob)
};

} // namespace

Job JobOfReport(const ReportHeader &header, const Job &current)
{
    Job job;
    job.site = header.vessel == current.name ? current.site : JobSite::Vessel;
    job.name = header.vessel;
    job.voyage = header.voyage;
    job.port = header.port;
    job.operation = header.operation;
    job.date = header.date;
    return job;
}

void OfferReportJob(QWidget *parent, Prompts &prompts, const ReportHeader &header, CurrentJob &current)
{
    const Job job = JobOfReport(header, current.job());
    if (job.empty() || job == current.job())
        return;
    if (prompts.confirm(parent, Text::tr("Job"),
                        Text::tr("Make the job of this report the current job?\n\nThis report: %1\nCurrent job: %2")
                            .arg(CurrentJob::label(job), CurrentJob::label(current.job()))))
        current.setJob(job);
}

void OfferReportJob(QWidget *parent, Prompts &prompts, const ReportHeader &header)
{
    OfferReportJob(parent, prompts, header, CurrentJob::instance());
}

} // namespace dravex
