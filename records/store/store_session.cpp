// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/store/store_session.h"

#include "records/settings.h"
#include "records/store/store_schema.h"

#include <QHash>
#include <QLocale>
#include <QPointer>
#include <QThread>

#include <atomic>
#include <utility>

namespace dravex {

// One connection's thread and worker, and the calls waiting for their answers, each with
// its timer. A line whose call timed out is stuck: its thread is told to end once the call
// returns, and is not waited for.
class StoreLine
{
    Q_DECLARE_TR_FUNCTIONS(dravex::StoreSession)

public:
    StoreLine(const QString &name, int timeoutMs)
        : m_thread(new QThread), m_worker(new StoreWorker(name)), m_timeoutMs(timeoutMs)
    {
        m_thread->setObjectName(name);
        m_worker->moveToThread(m_thread);
        QObject::connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
        QObject::connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
        QObject::connect(m_worker, &StoreWorker::answered, &m_context,
                         [this](int id, const StoreAnswer &answer) { answered(id, answer); });
        QObject::connect(m_worker, &StoreWorker::notified, &m_context, [this](const QString &c, const QString &p) {
            if (onNotified)
                onNotified(c, p);
        });
        QObject::connect(m_worker, &StoreWorker::lost, &m_context, [this](const QString &message) {
            if (onLost)
                onLost(message);
        });
        m_thread->start();
    }

    ~StoreLine()
    {
        QObject::disconnect(m_worker, nullptr, &m_context, nullptr);
        for (const Pending &p : std::as_const(m_pending))
            delete p.timer;
        if (!m_stuck) {
            QPointer<StoreWorker> worker(m_worker);
            QMetaObject::invokeMethod(m_worker, [worker] {
                if (worker)
                    worker->close();
            });
        }
        m_thread->quit();
        // A thread that answers ends at once; one waiting on a silent server is left to
        // end by itself when its call returns (it deletes itself then).
        if (!m_stuck)
            m_thread->wait(2000);
    }

    bool stuck() const { return m_stuck; }

    void open(const StoreSettings &settings, StoreSession::Done done)
    {
        const int id = start(std::move(done));
        StoreWorker *w = m_worker;
        const int timeout = m_timeoutMs;
        QMetaObject::invokeMethod(m_worker, [w, id, settings, timeout] { w->open(id, settings, timeout); });
    }

    void query(const QString &sql, const QVariantList &values, StoreSession::Done done)
    {
        const int id = start(std::move(done));
        StoreWorker *w = m_worker;
        QMetaObject::invokeMethod(m_worker, [w, id, sql, values] { w->query(id, sql, values); });
    }

    std::function<void(const QString &, const QString &)> onNotified;
    std::function<void(const QString &)> onLost;

private:
    struct Pending
    {
        StoreSession::Done done;
        QTimer *timer = nullptr;
    };

    int start(StoreSession::Done done)
    {
        const int id = ++m_next;
        auto *timer = new QTimer;
        timer->setSingleShot(true);
        // The server's own statement timeout comes first; this one is for a server or a
        // network that does not answer at all.
        timer->setInterval(m_timeoutMs + 1000);
        QObject::connect(timer, &QTimer::timeout, &m_context, [this, id] { timedOut(id); });
        timer->start();
        m_pending.insert(id, {std::move(done), timer});
        return id;
    }

    void answered(int id, const StoreAnswer &answer)
    {
        auto it = m_pending.find(id);
        if (it == m_pending.end())
            return;
        Pending p = it.value();
        m_pending.erase(it);
        delete p.timer;
        if (p.done)
            p.done(answer);
    }

    void timedOut(int id)
    {
        auto it = m_pending.find(id);
        if (it == m_pending.end())
            return;
        m_stuck = true;
        StoreAnswer answer;
        answer.lost = true;
        answer.message = tr("The company store did not answer within %n seconds.", nullptr, (m_timeoutMs + 999) / 1000);
        // Every call on this line waits behind the stuck one: all of them get the message.
        const QHash<int, Pending> pending = std::exchange(m_pending, {});
        for (const Pending &p : pending) {
            p.timer->deleteLater();
            if (p.done)
                p.done(answer);
        }
        if (onLost)
            onLost(answer.message);
    }

    QThread *m_thread;
    StoreWorker *m_worker;
    QObject m_context;
    QHash<int, Pending> m_pending;
    int m_timeoutMs;
    int m_next = 0;
    bool m_stuck = false;
};

namespace {

QPointer<StoreSession> g_program;

const char kSaveSql[] =
    "SELECT outcome, head, head_author, head_at FROM dravex.save_revision("
    "CAST(? AS uuid), CAST(? AS uuid), CAST(? AS uuid), ?, ?, ?, ?, ?, ?, CAST(? AS date), ?, ?, ?)";

QVariant uuidValue(const QUuid &id)
{
    return id.isNull() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(id.toString(QUuid::WithoutBraces));
}

QVariant textValue(const QString &text)
{
    return text.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(text);
}

} // namespace

QString StoreSchemaProblem(const StoreAnswer &answer)
{
    if (!answer.ok || answer.rows.isEmpty())
        return StoreSchemaProblem(0);
    return StoreSchemaProblem(answer.rows.first().value(QStringLiteral("version")).toInt());
}

StoreSession::StoreSession(const QString &outboxPath, QObject *parent)
    : QObject(parent), m_outbox(
                           this,
                           [this] {
                               emit stateChanged();
                               flushOutbox();
                           },
                           [this](const QString &) { emit stateChanged(); })
{
    m_outbox.open(outboxPath);
    m_settings = StoreSettings::load();
    m_retry.setInterval(30000);
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, [this] {
        if (m_state == State::Failed)
            connectTo(m_settings);
    });
}

StoreSession::~StoreSession()
{
    if (g_program == this)
        g_program = nullptr;
}

StoreSession *StoreSession::program()
{
    return g_program;
}

void StoreSession::setProgram(StoreSession *session)
{
    g_program = session;
}

void StoreSession::setState(State state, const QString &message)
{
    m_state = state;
    m_message = message;
    if (state == State::Failed && !m_settings.isEmpty())
        m_retry.start();
    else
        m_retry.stop();
    emit stateChanged();
}

QString StoreSession::statusLine()
{
    QString line;
    if (m_settings.isEmpty() && m_state == State::Offline) {
        line = tr("Store: not set up");
    } else {
        const QString where = m_settings.describe();
        switch (m_state) {
        case State::Offline:
            line = tr("Store %1: not connected").arg(where);
            break;
        case State::Connecting:
            line = tr("Store %1: connecting…").arg(where);
            break;
        case State::Connected:
            line = tr("Store %1: connected").arg(where);
            break;
        case State::Failed:
            line = tr("Store %1: no connection").arg(where);
            break;
        }
    }
    const qint64 count = waiting();
    if (!refused().isEmpty())
        line += tr(", a save was refused");
    else if (count > 0)
        line += tr(", %n save(s) in the outbox", nullptr, int(count));
    if (!m_outbox.problem().isEmpty())
        line += tr(", the outbox is not kept on disk");
    return line;
}

void StoreSession::retire(std::unique_ptr<StoreLine> &line)
{
    // Often called from within one of the line's own answers: it goes once that has returned.
    if (StoreLine *l = line.release())
        QTimer::singleShot(0, [l] { delete l; });
}

std::unique_ptr<StoreLine> StoreSession::newLine(const QString &name)
{
    // Connection names are the program's, not the session's: each line its own.
    static std::atomic<int> serial{0};
    auto line = std::make_unique<StoreLine>(QStringLiteral("dravex-store-%1-%2").arg(name).arg(++serial), m_timeoutMs);
    return line;
}

bool StoreSession::wasConnected() const
{
    return !m_settings.isEmpty() && Settings().value(QStringLiteral("store/connected")).toBool();
}

void StoreSession::connectTo(const StoreSettings &settings)
{
    m_settings = settings;
    m_settings.save();
    Settings().setValue(QStringLiteral("store/connected"), true);
    retire(m_line);
    m_line = newLine(QStringLiteral("session"));
    m_line->onNotified = [this](const QString &channel, const QString &payload) {
        if (channel == QLatin1String("dravex_reports"))
            emit reportsChanged(payload);
        else if (channel == QLatin1String("dravex_tables"))
            emit tablesChanged(payload);
    };
    StoreLine *line = m_line.get();
    m_line->onLost = [this, line](const QString &message) {
        if (m_line.get() == line)
            lineLost(message);
    };
    setState(State::Connecting);
    m_line->open(m_settings, [this, line](const StoreAnswer &answer) {
        if (m_line.get() == line)
            opened(answer);
    });
}

void StoreSession::opened(const StoreAnswer &answer)
{
    if (!answer.ok) {
        setState(State::Failed, answer.message);
        return;
    }
    StoreLine *line = m_line.get();
    m_line->query(QStringLiteral("SELECT max(version) AS version FROM dravex.schema_version"), {},
                  [this, line](const StoreAnswer &a) {
                      if (m_line.get() == line)
                          schemaRead(a);
                  });
}

void StoreSession::schemaRead(const StoreAnswer &answer)
{
    if (answer.lost)
        return; // lineLost says so
    const QString problem = StoreSchemaProblem(answer);
    if (!problem.isEmpty()) {
        retire(m_line);
        // Not a fault of the connection: trying again would not help.
        m_state = State::Failed;
        m_message = problem;
        m_retry.stop();
        emit stateChanged();
        return;
    }
    setState(State::Connected);
    flushOutbox();
}

void StoreSession::lineLost(const QString &message)
{
    m_sending = false;
    retire(m_line);
    setState(State::Failed, message);
}

void StoreSession::disconnectFrom()
{
    Settings().setValue(QStringLiteral("store/connected"), false);
    retire(m_line);
    m_sending = false;
    setState(State::Offline);
}

void StoreSession::test(const StoreSettings &settings)
{
    retire(m_testLine);
    m_testLine = newLine(QStringLiteral("test"));
    StoreLine *line = m_testLine.get();
    auto finish = [this, line](bool ok, const QString &message) {
        if (m_testLine.get() != line)
            return;
        retire(m_testLine);
        emit tested(ok, message);
    };
    m_testLine->open(settings, [this, line, finish](const StoreAnswer &answer) {
        if (m_testLine.get() != line)
            return;
        if (!answer.ok) {
            finish(false, answer.message);
            return;
        }
        line->query(QStringLiteral("SELECT max(version) AS version, current_user AS who FROM dravex.schema_version"),
                    {}, [finish](const StoreAnswer &a) {
                        if (a.lost) {
                            finish(false, a.message);
                            return;
                        }
                        const QString problem = StoreSchemaProblem(a);
                        if (!problem.isEmpty())
                            finish(false, problem);
                        else
                            finish(true, tr("The store answers; you are connected as %1.")
                                             .arg(a.rows.first().value(QStringLiteral("who")).toString()));
                    });
    });
}

void StoreSession::query(const QString &sql, const QVariantList &values, Done done)
{
    if (m_state != State::Connected || !m_line) {
        StoreAnswer answer;
        answer.lost = true;
        answer.message = tr("Not connected to the company store.");
        done(answer);
        return;
    }
    m_line->query(sql, values, std::move(done));
}

qint64 StoreSession::waiting()
{
    return m_outbox.count();
}

QString StoreSession::refused()
{
    const std::optional<OutboxEntry> first = m_outbox.first();
    return first ? first->refused : QString();
}

bool StoreSession::saveRevision(const StoreRevision &revision)
{
    m_outbox.add(revision);
    if (m_state == State::Connected)
        flushOutbox();
    else
        emit stateChanged();
    return true;
}

void StoreSession::dropRefused()
{
    const std::optional<OutboxEntry> first = m_outbox.first();
    if (first && !first->refused.isEmpty())
        m_outbox.remove(first->revision.revision);
    emit stateChanged();
    flushOutbox();
}

bool StoreSession::resendWithNote(const QUuid &revision, const QString &note)
{
    const std::optional<OutboxEntry> first = m_outbox.first();
    if (!first || first->revision.revision != revision || !m_outbox.resend(revision, note))
        return false;
    emit stateChanged();
    flushOutbox();
    return true;
}

void StoreSession::flushOutbox()
{
    // Not before the saves kept from an earlier run are read: they go first.
    if (m_state != State::Connected || !m_line || m_sending || !m_outbox.loaded())
        return;
    const std::optional<OutboxEntry> entry = m_outbox.first();
    if (!entry || !entry->refused.isEmpty()) {
        emit stateChanged();
        return;
    }
    const StoreRevision &r = entry->revision;
    const QVariantList values{uuidValue(r.report),
                              uuidValue(r.revision),
                              uuidValue(r.parent),
                              r.document,
                              r.sha256,
                              textValue(r.note),
                              textValue(r.vessel),
                              textValue(r.voyage),
                              textValue(r.port),
                              r.date.isValid() ? QVariant(r.date.toString(Qt::ISODate))
                                               : QVariant(QMetaType(QMetaType::QString)),
                              textValue(r.operation),
                              textValue(r.grades),
                              textValue(r.totals)};
    m_sending = true;
    StoreLine *line = m_line.get();
    const QUuid id = r.revision;
    m_line->query(QString::fromLatin1(kSaveSql), values, [this, line, id](const StoreAnswer &answer) {
        if (m_line.get() != line)
            return;
        m_sending = false;
        saveAnswered(id, answer);
    });
}

void StoreSession::saveAnswered(const QUuid &revision, const StoreAnswer &answer)
{
    if (answer.lost)
        return; // stays in the outbox, sent again once connected (the store knows it if it arrived)
    if (!answer.ok || answer.rows.isEmpty()) {
        // A final report, a report this role may not write, or another refusal of the store.
        const QString why = answer.ok ? tr("The store gave no answer to the save.") : answer.message;
        m_outbox.markRefused(revision, why);
        const bool correction = answer.sqlState == QLatin1String("DX004");
        emit revisionAnswered(revision, correction ? QStringLiteral("correction") : QStringLiteral("refused"), {}, {},
                              why);
        emit stateChanged();
        return;
    }
    const QVariantMap row = answer.rows.first();
    const QString outcome = row.value(QStringLiteral("outcome")).toString();
    if (outcome == QLatin1String("conflict")) {
        const QString author = row.value(QStringLiteral("head_author")).toString();
        const QDateTime at = row.value(QStringLiteral("head_at")).toDateTime();
        const QString why = tr("%1 saved this report first, at %2; the store keeps your version as a refused "
                               "revision.")
                                .arg(author, QLocale().toString(at.toLocalTime(), QLocale::ShortFormat));
        m_outbox.markRefused(revision, why);
        emit revisionAnswered(revision, outcome, author, at, why);
        emit stateChanged();
        return;
    }
    // "replayed": the store had it already, from a send whose answer was lost. Taken then
    // (the head was this one) or refused for a conflict: the head is another.
    const QUuid head = QUuid::fromString(row.value(QStringLiteral("head")).toString());
    if (outcome == QLatin1String("replayed") && head != revision) {
        const QString why = tr("%1 saved this report first; the store keeps your version as a refused revision.")
                                .arg(row.value(QStringLiteral("head_author")).toString());
        m_outbox.markRefused(revision, why);
        emit revisionAnswered(revision, QStringLiteral("conflict"), row.value(QStringLiteral("head_author")).toString(),
                              row.value(QStringLiteral("head_at")).toDateTime(), why);
        emit stateChanged();
        return;
    }
    m_outbox.remove(revision);
    emit revisionAnswered(revision, QStringLiteral("saved"), {}, {}, {});
    emit stateChanged();
    flushOutbox();
}

} // namespace dravex
