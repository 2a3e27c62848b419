// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/cargo_report.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QScrollArea>
#include <QStringList>

#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace dravex {

class CargoReportModel;
class Prompts;

// The ship/shore comparison of a report as it is shown and printed: column heads with the
// report's unit, a row for the measured figures, one with the VEF and one for the free water
// beside the TCV (when the OBQ/ROB free water is given), and the notice under
// them (why there are no figures, or the notice of apparent discrepancy).
struct ComparisonTexts
{
    Q_DECLARE_TR_FUNCTIONS(dravex::ComparisonTexts)

public:
    QStringList head;
    std::vector<QStringList> rows;
    QString notice;
    bool beyondTolerance = false;
};
ComparisonTexts comparisonTexts(const CargoReport &report, const ReportResult &result);

// The block under a report's totals: the OBQ or ROB and its free water taken off (typed,
// or from a saved survey), the shore's TCV, the VEF and the tolerance, each edit one undo step of the
// document; and the comparison they make.
class ComparisonPanel : public QGroupBox
{
    Q_OBJECT

public:
    ComparisonPanel(CargoReportModel *model, Prompts &prompts, QWidget *parent = nullptr);

    // The fields in the order Tab visits them.
    QList<QWidget *> tabChain() const;
    // The document or its results changed.
    void refresh();

private:
    QLineEdit *addField(const char *name, int mergeId, std::string ReportComparisonText::*member);
    void takeFromSurvey();

    CargoReportModel *m_model;
    Prompts &m_prompts;
    QLabel *m_onBoardLabel = nullptr;
    QLabel *m_onBoardFreeWaterLabel = nullptr;
    QLabel *m_shoreLabel = nullptr;
    QLineEdit *onBoard = nullptr;
    QLineEdit *onBoardFreeWater = nullptr;
    QLineEdit *shoreTcv = nullptr;
    QLineEdit *vef = nullptr;
    QLineEdit *tolerance = nullptr;
    QPushButton *fromSurvey = nullptr;
    QTableWidget *figures = nullptr;
    QLabel *notice = nullptr;
    bool m_refreshing = false;
};

// The panel as it sits under a report's totals: it scrolls on a small screen rather than
// making the window taller than the screen, and asks for a few lines only.
class ComparisonArea : public QScrollArea
{
public:
    ComparisonArea(CargoReportModel *model, Prompts &prompts, QWidget *parent = nullptr);
    ComparisonPanel *panel() const { return m_panel; }
    QSize sizeHint() const override;

private:
    ComparisonPanel *m_panel;
};

} // namespace dravex
