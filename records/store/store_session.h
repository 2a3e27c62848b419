// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/store/store_outbox.h"
#include "records/store/store_worker.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

namespace dravex {

class StoreLine;

// The program's one way to the company store, on the window's thread: the connection's
// state, the calls (each answered later, or with a timeout message once the store has not
// answered in time), the store's notifications and the outbox. A call never waits here:
// the connection lives on a thread of its own, and one that stops answering is left to
// itself and a new one is used.
class StoreSession : public QObject
{
    Q_OBJECT

public:
    enum class State { Offline, Connecting, Connected, Failed };
    using Done = std::function<void(const StoreAnswer &)>;

    // outboxPath: the SQLite file that keeps the outbox.
    explicit StoreSession(const QString &outboxPath, QObject *parent = nullptr);
    ~StoreSession() override;

    // The program's session (the records module's), or none.
    static StoreSession *program();
    static void setProgram(StoreSession *session);

    State state() const { return m_state; }
    // Why the connection failed or was lost; empty otherwise.
    QString message() const { return m_message; }
    const StoreSettings &settings() const { return m_settings; }
    // The status bar's line: the store, the state and the saves waiting.
    QString statusLine();
    // How long any call may wait for the store; 15 s unless set.
    void setTimeout(int ms) { m_timeoutMs = ms; }
    int timeout() const { return m_timeoutMs; }
    // How often a lost connection is tried again; 30 s unless set.
    void setRetryInterval(int ms) { m_retry.setInterval(ms); }

    // Connects with settings (kept in the user's settings); stateChanged() tells how it went.
    void connectTo(const StoreSettings &settings);
    void disconnectFrom();
    // Connected when the program last ended (and not disconnected by the person).
    bool wasConnected() const;
    // Connects with settings on a connection of its own and says in tested() whether the
    // store can be used; the session's own connection is not touched.
    void test(const StoreSettings &settings);

    // A statement with bound values on the session's connection.
    void query(const QString &sql, const QVariantList &values, Done done);

    // A report saved: it goes to the outbox and on to the store as soon as it is reachable,
    // in the order saved. revisionAnswered() tells what the store made of it.
    // Never waits for the outbox's file; a save is kept in memory when the file fails.
    bool saveRevision(const StoreRevision &revision);
    StoreOutbox &outbox() { return m_outbox; }
    qint64 waiting();
    // The first save of the outbox was refused: why, empty when it was not.
    QString refused();
    // The person has seen the refused save (the store keeps it as a refused revision): it
    // leaves the outbox and the others go on.
    void dropRefused();
    // The refused save was a correction without a note: it goes again with one.
    bool resendWithNote(const QUuid &revision, const QString &note);

signals:
    void stateChanged();
    void tested(bool ok, const QString &message);
    // outcome: "saved", "conflict" (head names the revision saved first, its author and
    // time), "correction" (the report was returned to draft and its correction must say
    // what it changes: resendWithNote() or dropRefused()) or "refused" (message says why).
    void revisionAnswered(const QUuid &revision, const QString &outcome, const QString &headAuthor,
                          const QDateTime &headAt, const QString &message);
    void reportsChanged(const QString &reportId);
    void tablesChanged(const QString &siteId);

private:
    void setState(State state, const QString &message = {});
    std::unique_ptr<StoreLine> newLine(const QString &name);
    static void retire(std::unique_ptr<StoreLine> &line);
    void opened(const StoreAnswer &answer);
    void schemaRead(const StoreAnswer &answer);
    void lineLost(const QString &message);
    void flushOutbox();
    void saveAnswered(const QUuid &revision, const StoreAnswer &answer);

    StoreSettings m_settings;
    State m_state = State::Offline;
    QString m_message;
    int m_timeoutMs = 15000;
    std::unique_ptr<StoreLine> m_line;
    std::unique_ptr<StoreLine> m_testLine;
    QTimer m_retry;
    bool m_sending = false;
    // Last: its thread's answers come to this object, and it ends before the rest.
    StoreOutbox m_outbox;
};

// A schema version read from the store, as a problem in words; empty when this program can
// write into it.
QString StoreSchemaProblem(const StoreAnswer &answer);

} // namespace dravex
