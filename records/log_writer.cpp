// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/log_writer.h"

#include <QString>

#include <atomic>
#include <chrono>

namespace dravex {

namespace {

// How long a record that could not be written waits before the next try.
constexpr auto kRetry = std::chrono::seconds(2);

QString connectionName()
{
    static std::atomic<int> next{0};
    return QStringLiteral("dravex-log-writer-%1").arg(next++);
}

} // namespace

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
}

void LogWriter::start()
{
    std::lock_guard lock(m_mutex);
    if (!m_thread.joinable())
        m_thread = std::thread([this] { run(); });
}

void LogWriter::add(CalcRecord record)
{
    {
        std::lock_guard lock(m_mutex);
        m_queue.push_back(std::move(record));
        if (!m_thread.joinable())
            m_thread = std::thread([this] { run(); });
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
            m_wake.wait_for(lock, kRetry, [this] { return m_stopping; });
            if (m_stopping)
                break;
        } else {
            m_wake.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
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
                store.close();
                tryOpen();
                if (store.isOpen())
                    id = store.insert(record, status);
            }
        }
        if (id) {
            m_listener({Event::Kind::Written, *id, {}});
        } else if (store.isOpen()) {
            report(status);
        }

        // A record the file refuses for good (not for want of room, lock or folder) is
        // reported and let go, so that the records after it are not held up.
        const bool refused = !id && store.isOpen() && status.problem == LogStatus::Problem::Other;
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
