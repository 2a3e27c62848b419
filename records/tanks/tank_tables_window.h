// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/prompts.h"

#include <QPointer>
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class QTreeWidget;
class QTreeWidgetItem;

namespace dravex {

class TableGridModel;
class TankTableFile;
class TankTableImportWindow;
class TankTableStore;
struct TankTable;

// "Tank Tables": the vessels and terminals whose calibration tables are kept, their tanks
// and each table's version (the start of its SHA-256), and the table under the cursor as a
// read-only grid. Imports, renames and deletes (after asking) from here.
class TankTablesWindow : public QWidget
{
    Q_OBJECT

public:
    explicit TankTablesWindow(TankTableStore &store, Prompts &prompts, QWidget *parent = nullptr);

private:
    void import1_Click();
    void rename1_Click();
    void delete1_Click();
    void tables_CurrentChanged();
    void part_Changed();

    void refreshList();
    // The document and table index (-1: the vessel or terminal itself) under the cursor.
    TankTableFile *currentFile(int *table = nullptr) const;
    const TankTable *currentTable() const;
    void selectAfterRefresh(const QString &path, int table);

    TankTableStore &m_store;
    Prompts &m_prompts;
    TableGridModel *m_grid;
    QTreeWidget *tables = nullptr;
    QComboBox *part = nullptr;
    QLabel *details = nullptr;
    QTableView *grid = nullptr;
    QPushButton *import1 = nullptr;
    QPushButton *rename1 = nullptr;
    QPushButton *delete1 = nullptr;
    QPushButton *close1 = nullptr;
    QPointer<TankTableImportWindow> m_import;
};

} // namespace dravex
