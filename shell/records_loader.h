// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace dravex {

class RecordsModule;

// The records every window's calculations go to: loaded on first use, or made by the
// caller (tests, benchmarks). It says when the calculation log cannot be written, at
// loading or later, and finishes records it loaded when it goes.
class RecordsModuleLoader
{
public:
    // Loads the records; null with the reason in problem when they cannot be had.
    using Load = std::function<RecordsModule *(QString &problem)>;
    // Told why the calculation log is not being written, or an empty text when it is again.
    using ProblemSink = std::function<void(const QString &problem)>;

    explicit RecordsModuleLoader(ProblemSink sink);
    ~RecordsModuleLoader();

    // The records, loaded on the first call; null when they could not be loaded
    // (problem() says why).
    RecordsModule *records();
    // Records made by the caller, used instead of loading them.
    void setRecords(RecordsModule *records);
    // Runs task with the records once they are loaded or made: now if they are.
    void whenLoaded(std::function<void(RecordsModule &)> task);
    void setLoad(Load load) { m_load = std::move(load); }
    // The records if they are loaded or made already; never loads them.
    RecordsModule *loaded() const { return m_records; }
    // Why the calculation log is not being written, in one line; empty while it is.
    QString problem() const;

private:
    ProblemSink m_sink;
    Load m_load;
    RecordsModule *m_records = nullptr;
    std::unique_ptr<RecordsModule> m_loaded;
    QString m_loadProblem;
    std::vector<std::function<void(RecordsModule &)>> m_whenLoaded;
};

// Where the records module is looked for: installed beside the program's libraries, or
// in the program's own folder (a build that is not installed). The first that exists.
QString RecordsModulePath();

// Loads the records module at path; null with the reason in problem when it cannot be.
// The module stays loaded for the rest of the run.
RecordsModule *LoadRecordsModule(const QString &path, QString &problem);

} // namespace dravex
