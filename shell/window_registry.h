// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/records_module.h"
#include "screens/catalog.h"
#include "screens/prompts.h"
#include "screens/screen.h"
#include "shell/records_loader.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <map>
#include <set>

namespace dravex {

// The single instance of every window: created on first showing, shown non-modal,
// brought to the front when shown again, deleted when closed (so its fields start
// empty next time). A window is known by the name it is registered with, and carries it
// as its objectName.
class WindowRegistry : public ScreenHost
{
public:
    // Loads the records; null with the reason in problem when they cannot be had.
    using RecordsLoader = RecordsModuleLoader::Load;

    explicit WindowRegistry(std::span<const ScreenEntry> screens);
    // Records it loaded are finished here, while the application still runs: what they
    // hold is written before the program ends.
    ~WindowRegistry() override;

    // A window of the program around the screens (the main window, help, notices).
    void add(const QString &name, ScreenFactory factory);
    // A window of which each showing makes a new one (a document window); it is not kept.
    void addMany(const QString &name, ScreenFactory factory);
    bool has(const QString &name) const;
    // The open window of that name, or null.
    QWidget *window(const QString &name) const;

    QWidget *showWindow(const QString &name) override;
    // The program's prompts: those handed over, else the records module's dialogs, else
    // (the module cannot be loaded) the dialogs that need no printing.
    Prompts &prompts() override;
    // Prompts made by the caller (tests, benchmarks), handed down to the records too.
    void setPrompts(Prompts *prompts);
    void calculationDone(const FormSpec &form, const FormResult &result) override;
    void addCalculationActions(QWidget *window) override;

    // The records every window's calculations go to, loaded on first use; null when they
    // could not be loaded (recordsProblem() says why).
    RecordsModule *records();
    // The same without loading them: null until something has needed them.
    RecordsModule *loadedRecords() const { return m_records.loaded(); }
    // Records made by the caller (tests, benchmarks), used instead of loading them.
    void setRecords(RecordsModule *records) { m_records.setRecords(records); }
    // Runs task with the records once something has loaded them: now if it has.
    void whenRecords(std::function<void(RecordsModule &)> task) { m_records.whenLoaded(std::move(task)); }
    void setRecordsLoader(RecordsLoader loader) { m_records.setLoad(std::move(loader)); }
    // Why the calculation log is not being written, in one line; empty while it is.
    QString recordsProblem() const { return m_records.problem(); }

private:
    static void fitToScreen(QWidget *w);
    std::map<QString, ScreenFactory> m_factories;
    std::map<QString, QPointer<QWidget>> m_open;
    std::set<QString> m_many;
    Prompts *m_prompts = nullptr;
    Prompts m_plainPrompts;
    // Every calculating window says, under its own notice, when the log cannot be
    // written; the log window says it at length.
    RecordsModuleLoader m_records{[this](const QString &problem) { showRecordsProblem(problem); }};
    // The context of calls queued to the records: none run after the registry is gone.
    QObject m_queue;

    void showRecordsProblem(const QString &problem);
    static QString recordsProblemLine(const QString &problem);
};

} // namespace dravex
