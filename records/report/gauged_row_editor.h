// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/cargo_report.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;

namespace dravex {

class CargoReportDocument;
class CargoReportModel;
class TankTableStore;

// Beside a cargo report's tank table: the ship's condition (drafts, length between
// perpendiculars, list and its side, the trim in words) and the gauge of the tank under the
// cursor: its table from the vessel's or terminal's tank tables, up to five readings, the
// reference height, the water cut, S&W and, for a shore tank, the ambient temperature and
// the roof's gravity or density. A tank that is not gauged keeps its typed total observed
// volume, marked "manual". Every entry is one step of the report's undo stack, made when
// the entry is left.
class GaugedRowEditor : public QWidget
{
    Q_OBJECT

public:
    GaugedRowEditor(CargoReportDocument *document, QWidget *parent = nullptr);

    // The tank row the gauge entries belong to (the cursor's).
    void setRow(int row);
    // The entries from the report, as it is now.
    void refresh();
    // The entries in the order Tab visits them.
    QList<QWidget *> tabChain() const;

protected:
    // The window coming to the front reads the tank tables again if their file has
    // changed, so a table changed meanwhile stops its tanks at once.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // The report's tank tables chosen from the vessel's or terminal's documents.
    void tankTables_Activated(int index);
    void gauged_Toggled(bool on);
    void table_Activated(int index);

    QLineEdit *addLine(QFormLayout *form, const char *name, const QString &label);
    void fillTableDocuments();
    void fillTables();
    // Edits the row's gauge as one undo step; nothing when the row has no gauge.
    void editGauge(const QString &text, const std::function<void(TankGauge &)> &edit);
    const TankRow *currentRow() const;
    // Where a shore tank's floating roof stands at the readings, in words; empty when the
    // table has no roof or the readings are not all numbers.
    static QString roofWords(const TankTable &table, const TankGauge &gauge);

    // Guarded: the window's document may go before this panel does, and a field left as
    // the window closes still says so.
    QPointer<CargoReportDocument> m_document;
    QPointer<CargoReportModel> m_model;
    TankTableStore *m_store;
    int m_row = 0;
    bool m_refreshing = false;

    QLineEdit *draftForward = nullptr;
    QLineEdit *draftAft = nullptr;
    QLineEdit *lbp = nullptr;
    QLineEdit *list = nullptr;
    QComboBox *listSide = nullptr;
    QLabel *trim = nullptr;
    QComboBox *tankTables = nullptr;
    QLabel *tablesProblem = nullptr;
    QLabel *tankName = nullptr;
    QCheckBox *gauged = nullptr;
    QComboBox *table = nullptr;
    std::array<QLineEdit *, kGaugeReadings> readings{};
    QLineEdit *referenceHeight = nullptr;
    QLineEdit *waterCut = nullptr;
    QLineEdit *sedimentWater = nullptr;
    QLineEdit *ambientTemperature = nullptr;
    QLineEdit *roofGravity = nullptr;
    QLineEdit *roofDensity = nullptr;
    QLabel *roofState = nullptr;
    QLabel *manual = nullptr;
};

} // namespace dravex
