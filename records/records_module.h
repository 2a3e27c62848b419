// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtPlugin>

#include <functional>

class QObject;
class QWidget;

namespace dravex {

struct FormResult;
struct FormSpec;
class Prompts;
class ScreenHost;

// What the program asks of its records: the calculation log, copy and print of a
// calculation, the log window and cargo reports. They live in a module of their own,
// with the database and printing libraries, that the program loads once its first window
// is painted; nothing here names a type of that module.
class RecordsModule
{
public:
    enum class CalculationAction { Copy, Print, ExportPdf };

    virtual ~RecordsModule() = default;

    // A window computed, or stopped; it shows the result already.
    virtual void record(QWidget *window, const FormSpec &form, const FormResult &result) = 0;
    // The last problem with the log file in one line, empty while it is written.
    virtual QString problem() const = 0;
    // Called with the new problem line each time it changes.
    virtual void onProblemChanged(std::function<void(const QString &)> handler) = 0;
    // "Keep a log", remembered across runs.
    virtual bool keeping() const = 0;
    virtual void setKeeping(bool on) = 0;
    // Copy calculation, Print... or Export PDF... of the window's last calculation.
    virtual void calculationAction(CalculationAction action, QWidget *window) = 0;

    virtual QWidget *newLogWindow(ScreenHost &host) = 0;
    virtual QWidget *newCargoReport() = 0;
    // The vessels' and terminals' tank tables, and the import of one table.
    virtual QWidget *newTankTables() = 0;
    virtual QWidget *newTankTableImport() = 0;
    // "Job": the dialog that sets the job figures are computed for.
    virtual QWidget *newJobDialog() = 0;
    // The current job in one line, "No job" when there is none.
    virtual QString jobLabel() const = 0;
    // Called with the new line each time the current job changes, while context lives.
    virtual void onJobChanged(QObject *context, std::function<void(const QString &)> handler) = 0;
    // The vessels' voyage log and their experience factors.
    virtual QWidget *newVefLog() = 0;
    // The company store: the connection dialog and the store's browser.
    virtual QWidget *newStoreConnection() = 0;
    virtual QWidget *newStoreBrowser() = 0;
    // The store and its connection's state in one line; empty while no store is set up.
    virtual QString storeLabel() = 0;
    // Called with the new line each time it changes, while context lives.
    virtual void onStoreChanged(QObject *context, std::function<void(const QString &)> handler) = 0;
    // Offers to restore cargo reports that ended without being saved.
    virtual void offerRestore() = 0;
    // The questions the records ask: the program's own prompts once handed down, the
    // module's dialogs until then.
    virtual Prompts &prompts() = 0;
    virtual void setPrompts(Prompts *prompts) = 0;
    // Closes the window of every open document, each asking about its unsaved changes;
    // false, with that one and the rest left open, when the person keeps one open.
    virtual bool closeDocuments() = 0;
};

} // namespace dravex

#define DRAVEX_RECORDS_MODULE_IID "io.github.dravex.RecordsModule/3"
Q_DECLARE_INTERFACE(dravex::RecordsModule, DRAVEX_RECORDS_MODULE_IID)
