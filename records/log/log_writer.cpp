// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/log/log_writer.h"

#include "records/log/log_waiting_line.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QUuid>

#include <atomic>
#include <chrono>
#include <cstdio>

#include <unistd.h>

namespace dravex {

namespace {

// How long a record that could not be written waits before the next try.
constexpr auto kRetry = std::chrono::seconds(2);

QString fromStd(const std::string &text)
{
    return QString::fromStdString(text);
}

std::vector<WaitingField> waitingFields(const QList<RecordField> &fields)
{
    std::vector<WaitingField> out;
    for (const RecordField &f : fields)
        out.push_back({f.field.toStdString(), f.caption.toStdString(), f.text.toStdString()});
    return out;
}

QList<RecordField> recordFields(const std::vector<WaitingField> &fields)
{
    QList<RecordField> out;
    for (const WaitingField &f : fields)
        out.push_back({fromStd(f.field), fromStd(f.caption), fromStd(f.text)});
    return out;
}

WaitingRecord toWaiting(const CalcRecord &r)
{
    WaitingRecord w;
    w.uid = r.uid.toStdString();
    w.at = StampText(r.at).toStdString();
    w.window = r.window.toStdString();
    w.title = r.title.toStdString();
    w.inputs = waitingFields(r.inputs);
    w.options = waitingFields(r.options);
    w.results = waitingFields(r.results);
    for (const QString &line : r.working)
        w.working.push_back(line.toStdString());
    w.outOfRange = r.outOfRange;
    w.stopped = r.stopped;
    w.notice = r.notice.toStdString();
    w.disclaimer = r.disclaimer.toStdString();
    w.job = JobText(r.job).toStdString();
    return w;
}

// The record of a waiting line; one whose time cannot be read has an invalid time.
CalcRecord fromWaiting(const WaitingRecord &w)
{
    CalcRecord r;
    r.uid = fromStd(w.uid);
    r.at = ParseStamp(fromStd(w.at));
    r.window = fromStd(w.window);
    r.title = fromStd(w.title);
    r.inputs = recordFields(w.inputs);
    r.options = recordFields(w.options);
    r.results = recordFields(w.results);
    for (const std::string &line : w.working)
        r.working << fromStd(line);
    r.outOfRange = w.outOfRange;
    r.stopped = w.stopped;
    r.notice = fromStd(w.notice);
    r.disclaimer = fromStd(w.disclaimer);
    r.job = JobOfText(fromStd(w.job));
    return r;
}

QString connectionName()
{
    static std::atomic<int> next{0};
    return QStringLiteral("dravex-log-writer-%1").arg(next++);
}

// Writes the records that waited in an earlier run (or a merge that ended half way) into
// the open log, each file in one transaction, and removes the files written; how many.
// A file written but not yet removed when the program ended is read again: its records
// carry their unique ids, and the log skips those it holds already.
qsizetype mergeWaiting(LogStore &store)
{
    const QString waiting = LogWriter::waitingPath(store.path());
    const QFileInfo info(waiting);
    // Moved out of the way first, so that another Dravex adding to it starts a new one.
    if (QFile::exists(waiting))
        QFile::rename(waiting,
                      waiting + QStringLiteral(".merging-") + QUuid::createUuid().toString(QUuid::WithoutBraces));
    qsizetype merged = 0;
    const QStringList files = info.dir().entryList({info.fileName() + QStringLiteral(".merging-*")}, QDir::Files);
    for (const QString &name : files) {
        QFile file(info.dir().filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QList<CalcRecord> records;
        while (!file.atEnd()) {
            const QByteArray line = file.readLine().trimmed();
            if (line.isEmpty())
                continue;
            // A line cut short by a crash while it was added is no record.
            const std::optional<WaitingRecord> read =
                ParseWaitingLine(std::string_view(line.constData(), std::size_t(line.size())));
            if (!read)
                continue;
            const CalcRecord r = fromWaiting(*read);
            if (r.at.isValid())
                records << r;
        }
        file.close();
        if (records.isEmpty() || store.insertMany(records)) {
            file.remove();
            merged += records.size();
        }
    }
    return merged;
}

} // namespace

QString LogWriter::waitingPath(const QString &logPath)
{
    const QFileInfo info(logPath);
    return info.absolutePath() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral("-waiting.jsonl");
}

bool LogWriter::keepWaiting(const QString &logPath, const std::deque<CalcRecord> &records)
{
    if (records.empty())
        return true;
    QFile file(waitingPath(logPath));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    QByteArray lines;
    for (const CalcRecord &r : records) {
        WaitingRecord line = toWaiting(r);
        // Every waiting record carries an id of its own, in case it is merged twice.
        if (line.uid.empty())
            line.uid = QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString();
        lines += QByteArray::fromStdString(WaitingLine(line)) + '\n';
    }
    return file.write(lines) == lines.size() && file.flush() && ::fsync(file.handle()) == 0;
}

LogWriter::LogWriter(QString path, Listener listener) : m_path(std::move(path)), m_listener(std::move(listener)) {}

LogWriter::~LogWriter()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
    // What could not be written waits for the next run, unless even that cannot be kept.
    if (!m_queue.empty() && !keepWaiting(m_path, m_queue))
        std::fprintf(stderr, "%s\n",
                     qPrintable(tr("%n calculation(s) could not be kept: neither the log nor %1 can be written.", "",
                                   int(m_queue.size()))
                                    .arg(QDir::toNativeSeparators(waitingPath(m_path)))));
}

void LogWriter::start()
{
    std::lock_guard lock(m_mutex);
    if (!m_thread.joinable())
        m_thread = std::thread([this] { run(); });
}

void LogWriter::add(CalcRecord record)
{
    // Written with the record: a record that reached the log before a crash is not added
    // again from the waiting file.
    if (record.uid.isEmpty())
        record.uid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    {
        std::lock_guard lock(m_mutex);
        m_queue.push_back(std::move(record));
        if (!m_thread.joinable())
            m_thread = std::thread([this] { run(); });
    }
    m_wake.notify_one();
}

void LogWriter::checkAgain()
{
    {
        std::lock_guard lock(m_mutex);
        // Not started yet: its first open checks the file anyway.
        if (!m_thread.joinable()) {
            m_thread = std::thread([this] { run(); });
            return;
        }
        m_recheck = true;
    }
    m_wake.notify_one();
}

bool LogWriter::waitIdle(int ms)
{
    std::unique_lock lock(m_mutex);
    return m_idle.wait_for(lock, std::chrono::milliseconds(ms), [this] { return m_queue.empty() && !m_busy; });
}

std::size_t LogWriter::pending() const
{
    std::lock_guard lock(m_mutex);
    return m_queue.size();
}

void LogWriter::run()
{
    LogStore store(connectionName());
    LogStatus lastProblem;
    auto report = [&](const LogStatus &status) {
        if (status.message != lastProblem.message || status.problem != lastProblem.problem) {
            lastProblem = status;
            m_listener({Event::Kind::Problem, 0, status});
        }
    };
    auto tryOpen = [&] {
        const LogStatus status = store.open(m_path, true);
        if (store.isOpen()) {
            lastProblem = {};
            m_listener({Event::Kind::Opened, 0, status});
            if (const qsizetype merged = mergeWaiting(store))
                m_listener({Event::Kind::Merged, merged, {}});
        } else {
            report(status);
        }
    };
    tryOpen();

    std::unique_lock lock(m_mutex);
    bool failing = false;
    for (;;) {
        if (failing) {
            // Wait before the next try, unless the program is ending.
            m_wake.wait_for(lock, kRetry, [this] { return m_stopping || m_recheck; });
            if (m_stopping)
                break;
        } else {
            m_wake.wait(lock, [this] { return m_stopping || m_recheck || !m_queue.empty(); });
        }
        if (m_recheck && !m_stopping) {
            m_recheck = false;
            lock.unlock();
            // Opened again with the writer's check of every page.
            store.close();
            const LogStatus status = store.open(m_path, true);
            if (store.isOpen() && !status.ok())
                m_listener({Event::Kind::Opened, 0, status});
            else if (!store.isOpen())
                report(status);
            lock.lock();
            continue;
        }
        if (m_queue.empty()) {
            failing = false;
            if (m_stopping)
                break;
            continue;
        }
        CalcRecord record = m_queue.front();
        m_busy = true;
        lock.unlock();

        if (!store.isOpen())
            tryOpen();
        std::optional<qint64> id;
        LogStatus status;
        if (store.isOpen()) {
            id = store.insert(record, status);
            if (!id && status.problem == LogStatus::Problem::Damaged) {
                // Kept aside and started anew; the record goes into the new file.
                const LogStatus repaired = store.repair();
                if (store.isOpen()) {
                    m_listener({Event::Kind::Opened, 0, repaired});
                    id = store.insert(record, status);
                } else {
                    report(repaired);
                }
            }
        }
        if (id) {
            m_listener({Event::Kind::Written, *id, {}});
        } else if (store.isOpen()) {
            report(status);
        }

        // A record the file refuses for good (not for want of room, lock or folder) is
        // reported and set aside in the waiting file, so that the records after it are not
        // held up.
        const bool refused =
            !id && store.isOpen() && status.problem == LogStatus::Problem::Other && keepWaiting(m_path, {record});
        lock.lock();
        m_busy = false;
        failing = !id && !refused;
        if (id || refused)
            m_queue.pop_front();
        if (m_queue.empty())
            m_idle.notify_all();
        if (m_stopping && failing)
            break;
    }
    m_busy = false;
    m_idle.notify_all();
}

} // namespace dravex
