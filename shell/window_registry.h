// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/calculation_log.h"
#include "records/report_prompts.h"
#include "screens/catalog.h"
#include "screens/screen.h"

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
    using WarningSink = std::function<void(QWidget *, const QString &, const QString &)>;

    explicit WindowRegistry(std::span<const ScreenEntry> screens);

    // A window of the program around the screens (the main window, help, notices).
    void add(const QString &name, ScreenFactory factory);
    // A window of which each showing makes a new one (a document window); it is not kept.
    void addMany(const QString &name, ScreenFactory factory);
    bool has(const QString &name) const;
    // The open window of that name, or null.
    QWidget *window(const QString &name) const;

    QWidget *showWindow(const QString &name) override;
    void showWarning(QWidget *parent, const QString &title, const QString &text) override;
    void calculationDone(const FormSpec &form, const FormResult &result) override;
    void addCalculationActions(QWidget *window) override;

    // The calculation log that every window's calculations go to.
    CalculationLog &log() { return m_log; }

    // Tests record message boxes instead of blocking on them.
    void setWarningSink(WarningSink sink) { m_warningSink = std::move(sink); }
    // The questions report windows ask (file names, save before closing); dialogs unless
    // a test answers them.
    void setReportPrompts(ReportPrompts *prompts) { m_reportPrompts = prompts; }
    ReportPrompts &reportPrompts() const { return m_reportPrompts ? *m_reportPrompts : ReportPrompts::standard(); }

private:
    std::map<QString, ScreenFactory> m_factories;
    std::map<QString, QPointer<QWidget>> m_open;
    std::set<QString> m_many;
    WarningSink m_warningSink;
    CalculationLog m_log;
    ReportPrompts *m_reportPrompts = nullptr;

    static QString recordsProblemLine(const QString &problem);
};

} // namespace dravex
