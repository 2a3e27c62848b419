// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/tank_table_file.h"
#include "core/tank_table_import.h"
#include "screens/prompts.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableView;
class QVBoxLayout;

namespace dravex {

class ImportPreviewModel;
class TankExtrasForm;
class TankTableStore;

// "Import Tank Table": a calibration table from a CSV or tab-separated file or a block
// copied from a spreadsheet. The columns are mapped onto the table (level, volume, trim
// columns with their trims and the sign the table prints a trim by the stern with, and the
// list columns likewise), with what the table holds beside (gauge point and tank size,
// shell, floating roof); the text shown as a grid, and every fault of the import listed by row and column before
// anything is kept: OK stays disabled while there is one. Kept tables go into their
// vessel's or terminal's document.
class TankTableImportWindow : public QDialog
{
    Q_OBJECT

public:
    explicit TankTableImportWindow(TankTableStore &store, Prompts &prompts, QWidget *parent = nullptr);

    // The vessel or terminal the table goes to.
    void setOwner(TableOwnerKind kind, const QString &owner);

private:
    void fromfile_Click();
    void fromclipboard_Click();
    void ownerkind_Changed();
    void ok_Click();

    void buildForm(QWidget *host);
    QComboBox *addChoice(QFormLayout *form, const char *name, const QString &caption, const QStringList &items);
    QLineEdit *addLine(QFormLayout *form, const char *name, const QString &caption);
    QSpinBox *addNumber(QFormLayout *form, const char *name, const QString &caption, int least, int value);
    void fillOwners();
    // Reads the fields and the text again: the preview, the problems and whether OK can keep
    // the table.
    void check();

    TankTableStore &m_store;
    Prompts &m_prompts;
    ImportPreviewModel *m_preview;
    std::optional<TankTable> m_table;

    QPushButton *fromfile = nullptr;
    QPushButton *fromclipboard = nullptr;
    QComboBox *delimiter = nullptr;
    QSpinBox *skiprows = nullptr;
    QCheckBox *decimalcomma = nullptr;
    QComboBox *owner = nullptr;
    QComboBox *ownerkind = nullptr;
    QLineEdit *tankname = nullptr;
    QComboBox *kind = nullptr;
    QComboBox *levelkind = nullptr;
    QLineEdit *refheight = nullptr;
    QComboBox *levelunit = nullptr;
    QComboBox *volumeunit = nullptr;
    QComboBox *layout = nullptr;
    QSpinBox *levelcolumn = nullptr;
    QSpinBox *volumecolumn = nullptr;
    QLineEdit *trimcolumns = nullptr;
    QLineEdit *trimvalues = nullptr;
    QComboBox *trimsign = nullptr;
    TankExtrasForm *extras = nullptr;
    QPlainTextEdit *source = nullptr;
    QTableView *preview = nullptr;
    QListWidget *problems = nullptr;
    QLabel *summary = nullptr;
    QPushButton *ok = nullptr;
    QPushButton *cancel = nullptr;
};

} // namespace dravex
