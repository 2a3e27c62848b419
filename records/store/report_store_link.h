// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QUuid>

namespace dravex {

class CargoReportDocument;
class Prompts;
struct StoreRevision;

// A cargo report's place in the company store: the report's id there and the revision it
// was opened from or last saved as. Kept with the open document, never in its file. Each
// time the document is saved to its file, and a store is set up, the report goes to the
// store as a new revision whose parent is that one: at once when connected, through the
// outbox otherwise. A save the store refuses is told to the person with who saved first;
// the first save of a report a reviewer returned to draft is a correction, and the person
// is asked what it changes.
class ReportStoreLink : public QObject
{
    Q_OBJECT

public:
    explicit ReportStoreLink(CargoReportDocument *document);

    // The link of a report document (every one has one).
    static ReportStoreLink *of(const CargoReportDocument *document);
    // Where notices of refused saves are shown.
    static void setPrompts(Prompts *prompts);

    QUuid report() const { return m_report; }
    QUuid parent() const { return m_parent; }
    // The document now holds that revision of that report (opened from the store).
    void setRevision(const QUuid &report, const QUuid &revision);

    // The revision the document's report makes, a child of parent(); empty ids made here.
    StoreRevision revision() const;

private:
    void documentSaved();
    void answered(const QUuid &revision, const QString &outcome, const QString &message);
    // The store wants a note on a correction: asks for it and sends the save again with it.
    void askCorrectionNote(QWidget *window, const QString &message);

    CargoReportDocument *m_document;
    QUuid m_report;
    QUuid m_parent;
    // Sent and not answered yet, and the parent it was sent with.
    QUuid m_sent;
    QUuid m_sentParent;
    // The session whose answers this one hears.
    QObject *m_listening = nullptr;
};

} // namespace dravex
