// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/job/current_job.h"

#include "records/settings.h"

#include <QStringList>

#include <nlohmann/json.hpp>

namespace dravex {

namespace {

const char kJobKey[] = "job/current";

} // namespace

// A bad entry (a settings file edited by hand) never stops the program.
Job CurrentJob::saved()
{
    const QByteArray text = Settings().value(QLatin1String(kJobKey)).toString().toUtf8();
    if (text.isEmpty())
        return {};
    const auto json = nlohmann::ordered_json::parse(text.begin(), text.end(), nullptr, false);
    const JobReadResult read = JobFromJson(json);
    return read.job ? *read.job : Job{};
}

CurrentJob &CurrentJob::instance()
{
    static CurrentJob *job = new CurrentJob;
    return *job;
}

CurrentJob::CurrentJob() : m_job(saved()) {}

void CurrentJob::setJob(const Job &job)
{
    const Job kept = job.empty() ? Job{} : job;
    Settings settings;
    if (kept.empty())
        settings.remove(QLatin1String(kJobKey));
    else
        settings.setValue(QLatin1String(kJobKey), QString::fromStdString(JobToJson(kept).dump()));
    if (kept == m_job)
        return;
    m_job = kept;
    emit changed(label(m_job));
}

QString CurrentJob::operationName(ReportOperation operation)
{
    switch (operation) {
    case ReportOperation::Loading:
        return tr("Loading");
    case ReportOperation::Discharge:
        return tr("Discharge");
    case ReportOperation::OnArrival:
        return tr("On arrival");
    case ReportOperation::OnSailing:
        return tr("On sailing");
    case ReportOperation::Other:
        return tr("Other");
    }
    return {};
}

QString CurrentJob::label(const Job &job)
{
    if (job.empty())
        return tr("No job");
    QStringList parts;
    const bool vessel = job.site == JobSite::Vessel;
    if (!job.name.empty())
        parts << (vessel ? tr("Vessel %1") : tr("Terminal %1")).arg(QString::fromStdString(job.name));
    if (!job.voyage.empty())
        parts << (vessel ? tr("voyage %1") : tr("reference %1")).arg(QString::fromStdString(job.voyage));
    if (!job.port.empty())
        parts << QString::fromStdString(job.port);
    parts << operationName(job.operation);
    if (!job.date.empty())
        parts << QString::fromStdString(job.date);
    return parts.join(QStringLiteral(", "));
}

} // namespace dravex
