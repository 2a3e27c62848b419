// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/calculation_log.h"
#include "records/records_module.h"
#include "records/report/report_prompts.h"
#include "records/tanks/tank_table_prompts.h"

#include <QObject>

namespace dravex {

class TankTableStore;

// The records of a running program: its calculation log and the questions its report
// windows ask. The program gets it from the records module; tests make one and hand it
// to their registry.
class Records : public QObject, public RecordsModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID DRAVEX_RECORDS_MODULE_IID)
    Q_INTERFACES(dravex::RecordsModule)

public:
    explicit Records(QObject *parent = nullptr);

    CalculationLog &log() { return m_log; }
    // The questions report windows ask; dialogs unless a test answers them.
    void setReportPrompts(ReportPrompts *prompts) { m_prompts = prompts; }
    ReportPrompts &reportPrompts() const { return m_prompts ? *m_prompts : ReportPrompts::standard(); }
    // The questions of the tank-table windows, likewise.
    void setTankTablePrompts(TankTablePrompts *prompts) { m_tankPrompts = prompts; }
    TankTablePrompts &tankTablePrompts() const { return m_tankPrompts ? *m_tankPrompts : TankTablePrompts::standard(); }
    // The tank-table documents of the user's data folder, read on first use; both tank-table
    // windows show the same ones.
    TankTableStore &tankTableStore();

    void record(QWidget *window, const FormSpec &form, const FormResult &result) override;
    QString problem() const override { return m_log.problem(); }
    void onProblemChanged(std::function<void(const QString &)> handler) override;
    bool keeping() const override { return m_log.keeping(); }
    void setKeeping(bool on) override { m_log.setKeeping(on); }
    void calculationAction(CalculationAction action, QWidget *window) override;
    QWidget *newLogWindow(ScreenHost &host) override;
    QWidget *newCargoReport() override;
    QWidget *newTankTables() override;
    QWidget *newTankTableImport() override;
    void offerRestore() override;

private:
    CalculationLog m_log;
    ReportPrompts *m_prompts = nullptr;
    TankTablePrompts *m_tankPrompts = nullptr;
    TankTableStore *m_tankTables = nullptr;
};

} // namespace dravex
