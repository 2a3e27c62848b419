// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/log/calculation_log.h"
#include "records/paper/print_prompts.h"
#include "records/records_module.h"

#include <QObject>

#include <memory>

namespace dravex {

class StoreSession;
class TankTableStore;
class VoyageLogStore;

// The records of a running program: its calculation log, its documents and the print
// dialogs. The program gets it from the records module; tests make one and hand it
// to their registry.
class Records : public QObject, public RecordsModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID DRAVEX_RECORDS_MODULE_IID)
    Q_INTERFACES(dravex::RecordsModule)

public:
    explicit Records(QObject *parent = nullptr);
    ~Records() override;

    CalculationLog &log() { return m_log; }
    // The tank-table documents of the user's data folder, read on first use; both tank-table
    // windows show the same ones.
    TankTableStore &tankTableStore();
    // The company store's session, made on first use; its outbox is in the log's file.
    StoreSession &storeSession();

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
    QWidget *newJobDialog() override;
    QString jobLabel() const override;
    void onJobChanged(QObject *context, std::function<void(const QString &)> handler) override;
    QWidget *newVefLog() override;
    QWidget *newStoreConnection() override;
    QWidget *newStoreBrowser() override;
    QString storeLabel() override;
    void onStoreChanged(QObject *context, std::function<void(const QString &)> handler) override;
    void offerRestore() override;
    Prompts &prompts() override { return *m_prompts; }
    void setPrompts(Prompts *prompts) override;
    bool closeDocuments() override;

signals:
    void storeChanged(const QString &label);

private:
    CalculationLog m_log;
    // The dialogs, until the program hands its prompts down.
    PrintPrompts m_dialogs;
    Prompts *m_prompts = &m_dialogs;
    TankTableStore *m_tankTables = nullptr;
    std::unique_ptr<VoyageLogStore> m_voyageLog;
    StoreSession *m_store = nullptr;
};

} // namespace dravex
