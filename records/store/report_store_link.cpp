// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/store/report_store_link.h"

#include "core/tank_table_file.h"
#include "records/report/cargo_report_document.h"
#include "records/report/cargo_report_window.h"
#include "records/store/store_session.h"
#include "screens/prompts.h"

#include <QApplication>
#include <QPointer>

namespace dravex {

namespace {

Prompts *g_prompts = nullptr;

QString text(const std::string &s)
{
    return QString::fromStdString(s).trimmed();
}

} // namespace

ReportStoreLink::ReportStoreLink(CargoReportDocument *document) : QObject(document), m_document(document)
{
    setObjectName(QStringLiteral("storeLink"));
    connect(document, &Document::saved, this, &ReportStoreLink::documentSaved);
}

ReportStoreLink *ReportStoreLink::of(const CargoReportDocument *document)
{
    return document->findChild<ReportStoreLink *>(QStringLiteral("storeLink"), Qt::FindDirectChildrenOnly);
}

void ReportStoreLink::setPrompts(Prompts *prompts)
{
    g_prompts = prompts;
}

void ReportStoreLink::setRevision(const QUuid &report, const QUuid &revision)
{
    m_report = report;
    m_parent = revision;
}

StoreRevision ReportStoreLink::revision() const
{
    const CargoReport &report = m_document->report();
    const ReportResult &result = m_document->result();
    StoreRevision r;
    r.report = m_report.isNull() ? QUuid::createUuid() : m_report;
    r.revision = QUuid::createUuid();
    r.parent = m_parent;
    const std::string json = WriteReportJson(report);
    r.document = QString::fromStdString(json);
    r.sha256 = QString::fromStdString(TextSha256(json));
    r.vessel = text(report.header.vessel);
    r.voyage = text(report.header.voyage);
    r.port = text(report.header.port);
    r.date = QDate::fromString(text(report.header.date), Qt::ISODate);
    const std::string_view operation = OperationId(report.header.operation);
    r.operation = QString::fromLatin1(operation.data(), qsizetype(operation.size()));
    QStringList grades;
    for (const ReportTotal &g : result.grades)
        if (!g.grade.empty())
            grades << QString::fromStdString(g.grade);
    r.grades = grades.join(QStringLiteral(", "));
    const ReportTotal &all = result.overall;
    if (!all.grossStandard.empty() || !all.metricTons.empty())
        r.totals = QStringLiteral("GSV %1; NSV %2; MT %3")
                       .arg(QString::fromStdString(all.grossStandard), QString::fromStdString(all.nsv),
                            QString::fromStdString(all.metricTons));
    return r;
}

void ReportStoreLink::documentSaved()
{
    StoreSession *session = StoreSession::program();
    // Without a store the file is the report, as always.
    if (!session || session->settings().isEmpty())
        return;
    const StoreRevision r = revision();
    if (!session->saveRevision(r)) {
        if (g_prompts)
            g_prompts->warn(
                nullptr, tr("Company Store"),
                tr("The report was saved to its file, but not for the store: %1").arg(session->outbox().problem()));
        return;
    }
    m_report = r.report;
    m_parent = r.revision;
    m_sent = r.revision;
    if (m_listening != session) {
        m_listening = session;
        connect(session, &StoreSession::revisionAnswered, this,
                [this](const QUuid &revision, const QString &outcome, const QString &, const QDateTime &,
                       const QString &message) { answered(revision, outcome, message); });
    }
}

void ReportStoreLink::answered(const QUuid &revision, const QString &outcome, const QString &message)
{
    if (revision != m_sent || outcome == QLatin1String("saved"))
        return;
    m_sent = QUuid();
    if (!g_prompts)
        return;
    // The window that shows this report, for the notice's place.
    QWidget *window = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *report = qobject_cast<CargoReportWindow *>(w); report && report->document() == m_document)
            window = w;
    const QString title =
        outcome == QLatin1String("conflict") ? tr("Saved by Someone Else First") : tr("Company Store");
    g_prompts->warn(window, title,
                    tr("The store did not take this save of %1: %2\nYour version stays in its file.")
                        .arg(m_document->displayName(), message));
}

} // namespace dravex
