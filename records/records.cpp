// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/records.h"

#include "records/document_manager.h"
#include "records/job/current_job.h"
#include "records/job/job_dialog.h"
#include "records/log/log_store.h"
#include "records/log/log_window.h"
#include "records/report/cargo_report_window.h"
#include "records/store/report_store_link.h"
#include "records/store/store_browser.h"
#include "records/store/store_connection.h"
#include "records/store/store_session.h"
#include "records/tanks/tank_table_import_window.h"
#include "records/tanks/tank_table_store.h"
#include "records/tanks/tank_tables_window.h"
#include "records/voyage/vef_log_window.h"
#include "records/voyage/voyage_log_store.h"

namespace dravex {

Records::Records(QObject *parent) : QObject(parent)
{
    m_log.setPrompts(m_prompts);
}

Records::~Records()
{
    ReportStoreLink::setPrompts(nullptr);
}

void Records::setPrompts(Prompts *prompts)
{
    m_prompts = prompts ? prompts : &m_dialogs;
    m_log.setPrompts(m_prompts);
    if (m_store)
        ReportStoreLink::setPrompts(m_prompts);
}

void Records::record(QWidget *window, const FormSpec &form, const FormResult &result)
{
    m_log.record(window, form, result);
}

void Records::onProblemChanged(std::function<void(const QString &)> handler)
{
    connect(&m_log, &CalculationLog::problemChanged, this, std::move(handler));
}

void Records::calculationAction(CalculationAction action, QWidget *window)
{
    switch (action) {
    case CalculationAction::Copy:
        m_log.copyCalculation(window);
        break;
    case CalculationAction::Print:
        m_log.printCalculation(window);
        break;
    case CalculationAction::ExportPdf:
        m_log.exportCalculationPdf(window);
        break;
    }
}

QWidget *Records::newLogWindow(ScreenHost &host)
{
    return new LogWindow(host, m_log);
}

QWidget *Records::newCargoReport()
{
    return new CargoReportWindow(*m_prompts);
}

bool Records::closeDocuments()
{
    return DocumentManager::instance().closeAll();
}

TankTableStore &Records::tankTableStore()
{
    if (!m_tankTables)
        m_tankTables = new TankTableStore(TankTableStore::defaultFolder(), this);
    return *m_tankTables;
}

QWidget *Records::newTankTables()
{
    return new TankTablesWindow(tankTableStore(), prompts());
}

QWidget *Records::newTankTableImport()
{
    return new TankTableImportWindow(tankTableStore(), prompts());
}

QWidget *Records::newJobDialog()
{
    return new JobDialog(CurrentJob::instance());
}

QString Records::jobLabel() const
{
    return CurrentJob::label(CurrentJob::instance().job());
}

void Records::onJobChanged(QObject *context, std::function<void(const QString &)> handler)
{
    connect(&CurrentJob::instance(), &CurrentJob::changed, context, std::move(handler));
}

StoreSession &Records::storeSession()
{
    if (!m_store) {
        m_store = new StoreSession(LogStore::defaultPath(), this);
        StoreSession::setProgram(m_store);
        ReportStoreLink::setPrompts(m_prompts);
        // Connected when the program last ended: connected again.
        connect(m_store, &StoreSession::stateChanged, this, [this] { emit storeChanged(storeLabel()); });
        if (m_store->wasConnected())
            m_store->connectTo(m_store->settings());
    }
    return *m_store;
}

QWidget *Records::newStoreConnection()
{
    return new StoreConnection(storeSession(), prompts());
}

QWidget *Records::newStoreBrowser()
{
    return new StoreBrowser(storeSession(), tankTableStore(), prompts());
}

QString Records::storeLabel()
{
    // The store's session is made once a store is set up, or the person asks for one.
    if (!m_store && StoreSettings::load().isEmpty())
        return {};
    StoreSession &store = storeSession();
    // A program that never met a store shows nothing of it.
    if (store.settings().isEmpty() && store.waiting() == 0)
        return {};
    return store.statusLine();
}

void Records::onStoreChanged(QObject *context, std::function<void(const QString &)> handler)
{
    connect(this, &Records::storeChanged, context, std::move(handler));
}

void Records::offerRestore()
{
    CargoReportWindow::offerRestore(*m_prompts);
}

QWidget *Records::newVefLog()
{
    // Read on first use, from the user's data folder.
    if (!m_voyageLog)
        m_voyageLog = std::make_unique<VoyageLogStore>();
    return new VefLogWindow(*m_voyageLog, prompts());
}

} // namespace dravex
