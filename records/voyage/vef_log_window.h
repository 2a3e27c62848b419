// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/vef.h"

#include <QWidget>

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace dravex {

class Prompts;
class StoreSession;
class VoyageLogStore;

// "Vessel Experience Factor": the voyage log of one vessel at a time, its voyages typed,
// added from saved cargo reports or imported from CSV, and the VEFL and VEFD they give by
// the primary method, every voyage with its status and the reason. With a company store, a
// vessel's voyages are sent there and read back from it.
class VefLogWindow : public QWidget
{
    Q_OBJECT

public:
    VefLogWindow(VoyageLogStore &store, Prompts &prompts, QWidget *parent = nullptr);

    // Reads a voyage log CSV into the log; false with the notice shown when nothing was read.
    bool importCsv(const QString &path);
    // Adds the voyage of a saved cargo report; false with the notice shown when refused.
    bool addReport(const QString &path);

private:
    void refreshVessels(const QString &select = {});
    void refreshEntries();
    void refreshResults();
    void entryEdited(int row, int column);
    void addVoyage();
    void deleteVoyages();
    void saveEntries(std::vector<VoyageEntry> entries, const QString &done);
    void sendToStore();
    void getFromStore();
    // The program's store session when connected; otherwise says how to connect.
    StoreSession *connectedStore();
    void say(const QString &text);
    QString currentVessel() const;

    VoyageLogStore &m_store;
    Prompts &m_prompts;
    QComboBox *vessel = nullptr;
    QLineEdit *currentVoyage = nullptr;
    QTableWidget *entries = nullptr;
    QPushButton *addVoyageButton = nullptr;
    QPushButton *deleteButton = nullptr;
    QPushButton *fromReport = nullptr;
    QPushButton *importButton = nullptr;
    QPushButton *sendStore = nullptr;
    QPushButton *getStore = nullptr;
    QLabel *summary = nullptr;
    QTableWidget *voyages = nullptr;
    QLabel *notice = nullptr;
    // The log entries the rows of the entries table show.
    std::vector<std::size_t> m_rows;
    bool m_refreshing = false;
};

} // namespace dravex
