// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/log/log_store.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace dravex {

// Writes records to the log on a thread of its own, with its own connection, so that a
// window shows its results first and never waits for the disk. Records queue in order;
// one that cannot be written now (file in use, disk full, folder not writable, a newer
// log) stays at the head of the queue and is tried again later. Records still waiting when
// the writer ends, and any the file refuses, go to a file beside the log (waitingPath)
// that is written into the log the next time it is opened.
class LogWriter
{
    Q_DECLARE_TR_FUNCTIONS(dravex::LogWriter)

public:
    struct Event
    {
        // Merged: records that waited from an earlier run were written (id: how many).
        enum class Kind { Opened, Written, Problem, Merged };
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
    // A reader found the file damaged: checks every page again and, if it is, sets the file
    // aside and starts a new log (an Opened event says where it went). Nothing is reported
    // when the file is sound.
    void checkAgain();
    // Waits until the queue is empty or ms have passed; true when empty.
    bool waitIdle(int ms);
    std::size_t pending() const;

    // "<folder>/<log name>-waiting.jsonl": one record a line, as WaitingLine writes it.
    static QString waitingPath(const QString &logPath);
    // Adds records to the waiting file, on disk when it returns true.
    static bool keepWaiting(const QString &logPath, const std::deque<CalcRecord> &records);

private:
    QString m_path;
    Listener m_listener;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<CalcRecord> m_queue;
    bool m_busy = false;
    bool m_stopping = false;
    bool m_recheck = false;
    std::thread m_thread;

    void run();
};

} // namespace dravex
