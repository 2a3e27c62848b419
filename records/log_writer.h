// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/log_store.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace dravex {

// Writes records to the log on a thread of its own, with its own connection, so that a
// window shows its results first and never waits for the disk. Records queue in order;
// one that cannot be written now (file in use, disk full, folder not writable) stays at
// the head of the queue and is tried again later, so none is lost while the program runs.
class LogWriter
{
public:
    struct Event
    {
        enum class Kind { Opened, Written, Problem };
        Kind kind;
        qint64 id = 0;
        LogStatus status;
    };
    // Called on the writer's thread.
    using Listener = std::function<void(const Event &)>;

    LogWriter(QString path, Listener listener);
    // Writes what is queued (giving up on a file that stays unwritable), then stops.
    ~LogWriter();

    // Opens the file on the writer's thread, if not yet done.
    void start();
    void add(CalcRecord record);
    // Waits until the queue is empty or ms have passed; true when empty.
    bool waitIdle(int ms);
    std::size_t pending() const;

private:
    QString m_path;
    Listener m_listener;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<CalcRecord> m_queue;
    bool m_busy = false;
    bool m_stopping = false;
    std::thread m_thread;

    void run();
};

} // namespace dravex
