// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/store/report_store_link.h"

#include "core/tank_table_file.h"
#include "records/report/cargo_report_document.h"
#include "records/report/cargo_report_window.h"
#include "records/store/store_session.h"
#include "screens/prompts.h"

#include <QApplication>
#include <QPointer>

#include <optional>

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
    session->saveRevision(r);
    m_report = r.report;
    m_sentParent = m_parent;
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
    // The window that shows this report, for the notice's place.
    QWidget *window = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *report = qobject_cast<CargoReportWindow *>(w); report && report->document() == m_document)
            window = w;
    if (outcome == QLatin1String("correction")) {
        askCorrectionNote(window, message);
        return;
    }
    m_sent = QUuid();
    if (!g_prompts)
        return;
    if (outcome == QLatin1String("conflict")) {
        g_prompts->warn(window, tr("Saved by Someone Else First"),
                        tr("The store did not take this save of %1: %2\nYour version stays in its file. Saves "
                           "from this window follow your version and would be refused too: to go on from the "
                           "version saved first, open the report from Records, Store browser, and compare the two "
                           "there.")
                            .arg(m_document->displayName(), message));
        return;
    }
    g_prompts->warn(window, tr("Company Store"),
                    tr("The store did not take this save of %1: %2\nYour version stays in its file. The saves "
                       "after it wait in the outbox until you set this one aside in Records, Company store.")
                        .arg(m_document->displayName(), message));
}

void ReportStoreLink::askCorrectionNote(QWidget *window, const QString &message)
{
    StoreSession *session = StoreSession::program();
    const QUuid revision = m_sent;
    std::optional<QString> note;
    if (g_prompts)
        note = g_prompts->askText(window, tr("What Does the Correction Change?"),
                                  tr("%1\nSay what this save of %2 changes; the store keeps it with the revision and "
                                     "your name:")
                                      .arg(message, m_document->displayName()),
                                  QString());
    if (session && note && !note->trimmed().isEmpty() && session->resendWithNote(revision, note->trimmed()))
        return;
    // Without a note the store keeps nothing of this save: the next one starts from where the
    // store is, and asks again.
    m_sent = QUuid();
    m_parent = m_sentParent;
    if (session)
        session->dropRefused();
    if (g_prompts)
        g_prompts->warn(window, tr("Company Store"),
                        tr("This save of %1 was not sent to the store: a correction needs a note saying what it "
                           "changes. Your version stays in its file; save it again to send it.")
                            .arg(m_document->displayName()));
}

} // namespace dravex
