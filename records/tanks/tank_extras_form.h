// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/tank_table_import.h"

#include <QList>
#include <QWidget>

#include <optional>
#include <string_view>
#include <vector>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QVBoxLayout;

namespace dravex {

// The import window's fields are made one way: a group box with a form in a column, and a
// field under its caption, the caption (without mnemonic and colon) its accessible name.
QFormLayout *addImportGroup(QVBoxLayout *column, const QString &title);
void addImportField(QFormLayout *form, const char *name, const QString &caption, QWidget *field);

// Column numbers as typed: "3-8", "3 4 5" or "3, 4, 5", 1-based; nothing on a fault.
std::optional<std::vector<int>> parseImportColumns(const QString &text);
// Trims (lists) as printed, separated by spaces or semicolons, or by commas where the
// table writes decimal points; nothing on a fault.
std::optional<std::vector<double>> parseImportValues(const QString &text, bool decimalComma);
// Adds more to issues, leaving out those already there (two grids read from one text find
// the same fault in its level column).
void mergeImportIssues(std::vector<ImportIssue> &issues, const std::vector<ImportIssue> &more);

// What an imported table holds beside its levels and volumes: the list corrections and the
// gauge point and tank size of a ship's tank; the shell and floating roof of a shore tank.
// Fields that do not apply to the tank's kind are disabled and not read.
class TankExtrasForm : public QWidget
{
    Q_OBJECT

public:
    explicit TankExtrasForm(QWidget *parent = nullptr);

    // Enables the groups for a tank of this kind (a list's sign and target once there are list
    // columns, a roof's fields by its type) and shows the unit of the lengths.
    void setTank(TankKind kind, LevelUnit levelUnit);
    // Reads the fields into table (its kind and level unit set): field errors name the
    // field; the list columns are read from text under mapping like the trim columns, and
    // only when there is text.
    void read(TankTable &table, std::string_view text, const ImportMapping &mapping,
              std::vector<ImportIssue> &issues) const;
    // The fields in reading order, for the window's Tab chain.
    QList<QWidget *> tabChain() const;

signals:
    void changed();

private:
    void rooftype_Changed();
    void shellscale_Changed();
    QComboBox *addChoice(QFormLayout *form, const char *name, const QString &caption, const QStringList &items);
    QLineEdit *addLine(QFormLayout *form, const char *name, const QString &caption, bool number = true);
    void readList(TankTable &table, std::string_view text, const ImportMapping &mapping,
                  std::vector<ImportIssue> &issues) const;
    void readGeometry(TankTable &table, std::vector<ImportIssue> &issues) const;
    void readShore(TankTable &table, std::vector<ImportIssue> &issues) const;

    bool m_ship = true;
    QLineEdit *listcolumns = nullptr;
    QLineEdit *listvalues = nullptr;
    QComboBox *listsign = nullptr;
    QComboBox *listtarget = nullptr;
    QLabel *gaugeunit = nullptr;
    QLineEdit *gaugeoffset = nullptr;
    QLineEdit *gaugetransverse = nullptr;
    QLineEdit *tanklength = nullptr;
    QLineEdit *tankwidth = nullptr;
    QLineEdit *tankdepth = nullptr;
    QLineEdit *hatchtobulkhead = nullptr;
    QLineEdit *shellref = nullptr;
    QComboBox *shellscale = nullptr;
    QCheckBox *insulated = nullptr;
    QLineEdit *alpha = nullptr;
    QComboBox *rooftype = nullptr;
    QLineEdit *roofweight = nullptr;
    QLineEdit *roofgravity = nullptr;
    QComboBox *roofscale = nullptr;
    QLineEdit *roofrate = nullptr;
    QLineEdit *criticallow = nullptr;
    QLineEdit *criticalhigh = nullptr;
};

} // namespace dravex
