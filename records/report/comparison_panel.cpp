// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/report/comparison_panel.h"

#include "core/cargo_report_comparison.h"
#include "records/report/cargo_report_model.h"
#include "records/report/report_file.h"
#include "records/settings.h"
#include "screens/prompts.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace dravex {

namespace {

// Merge ids of the comparison's fields, apart from the header's.
constexpr int kFirstMergeId = 100;
// The company's tolerance, offered when a report's shore figure is first typed.
const char *const kToleranceKey = "report/companyTolerancePercent";

QString q(const std::string &s)
{
    return QString::fromStdString(s);
}

QString onBoardName(Transfer t)
{
    return t == Transfer::Loading ? ComparisonTexts::tr("OBQ") : ComparisonTexts::tr("ROB");
}

QString shoreName(Transfer t)
{
    return t == Transfer::Loading ? ComparisonTexts::tr("bill of lading") : ComparisonTexts::tr("outturn");
}

} // namespace

ComparisonTexts comparisonTexts(const CargoReport &report, const ReportResult &result)
{
    ComparisonTexts t;
    const ReportComparison c = CompareReport(report, result);
    const Transfer transfer = c.transfer.value_or(Transfer::Loading);
    const QString unit = q(c.unit);
    t.head = {QString(),
              ComparisonTexts::tr("Vessel TCV (%1)").arg(unit),
              ComparisonTexts::tr("Less %1 (%2)").arg(onBoardName(transfer), unit),
              ComparisonTexts::tr("Vessel figure (%1)").arg(unit),
              ComparisonTexts::tr("Shore TCV, %1 (%2)").arg(shoreName(transfer), unit),
              ComparisonTexts::tr("Difference (%1)").arg(unit),
              transfer == Transfer::Loading ? ComparisonTexts::tr("% of the bill of lading")
                                            : ComparisonTexts::tr("% of the vessel's figure"),
              ComparisonTexts::tr("Tolerance")};
    if (c.survey != SurveyKind::Cargo && (c.vesselTcv.empty() || result.overall.freeWater.empty())) {
        // A survey whose totals are not all there (a tank stopped) has no figure to give.
        t.notice = c.survey == SurveyKind::Obq
                       ? ComparisonTexts::tr("An OBQ survey before loading: its TCV and free water, once every "
                                             "tank is computed, are what the loading report takes off.")
                       : ComparisonTexts::tr("A ROB survey after discharge: its TCV and free water, once every "
                                             "tank is computed, are what the discharge report takes off.");
        return t;
    }
    if (c.survey != SurveyKind::Cargo) {
        t.notice = c.survey == SurveyKind::Obq
                       ? ComparisonTexts::tr("An OBQ survey before loading: its TCV, %1 %2, and its free water, "
                                             "%3 %2, are what the loading report takes off.")
                             .arg(q(c.vesselTcv), unit, q(result.overall.freeWater))
                       : ComparisonTexts::tr("A ROB survey after discharge: its TCV, %1 %2, and its free water, "
                                             "%3 %2, are what the discharge report takes off.")
                             .arg(q(c.vesselTcv), unit, q(result.overall.freeWater));
        return t;
    }
    if (!c.made()) {
        t.notice = q(c.notice);
        return t;
    }
    const ShipShoreComparison &f = c.figures;
    const int d = c.decimals;
    const std::string &typed = report.comparison.onBoard;
    const double onBoard = typed.find_first_not_of(" \t") == std::string::npos ? 0 : ParseFieldNumber(typed);
    const bool tolerance = report.comparison.tolerancePercent.find_first_not_of(" \t") != std::string::npos;
    const auto row = [&](const QString &name, const ShipShoreLine &line) {
        return QStringList{name,
                           q(c.vesselTcv),
                           q(FormatFixed(onBoard, d)),
                           q(FormatFixed(line.vessel, d)),
                           q(FormatFixed(line.shore, d)),
                           q(FormatFixed(line.difference, d)),
                           q(FormatFixed(line.percent, 3)),
                           !tolerance             ? ComparisonTexts::tr("none set")
                           : line.beyondTolerance ? ComparisonTexts::tr("beyond")
                                                  : ComparisonTexts::tr("within")};
    };
    t.rows.push_back(row(ComparisonTexts::tr("Measured"), f.measured));
    if (f.withVef)
        t.rows.push_back(
            row(ComparisonTexts::tr("With VEF %1").arg(q(FormatFixed(ParseFieldNumber(report.comparison.vef), 4))),
                *f.withVef));
    // Free water beside the TCV: the vessel's, less the OBQ/ROB's; no shore figure.
    if (c.freeWaterShown)
        t.rows.push_back({ComparisonTexts::tr("Free water"), q(c.vesselFreeWater), q(c.onBoardFreeWater),
                          q(c.netFreeWater), QString(), QString(), QString(), QString()});
    t.beyondTolerance = f.deciding().beyondTolerance;
    t.notice = transfer == Transfer::Loading
                   ? ComparisonTexts::tr("Receiver less sender: the vessel's figure less the bill of lading.")
                   : ComparisonTexts::tr("Receiver less sender: the outturn less the vessel's figure.");
    if (!report.comparison.onBoardFrom.empty())
        t.notice +=
            QLatin1Char(' ') +
            ComparisonTexts::tr("%1 from the survey %2.").arg(onBoardName(transfer), q(report.comparison.onBoardFrom));
    if (!f.discrepancyNotice.empty())
        t.notice += QLatin1Char('\n') + q(f.discrepancyNotice);
    return t;
}

ComparisonPanel::ComparisonPanel(CargoReportModel *model, Prompts &prompts, QWidget *parent)
    : QGroupBox(tr("Ship and shore"), parent), m_model(model), m_prompts(prompts)
{
    setObjectName(QStringLiteral("comparison1"));
    auto *grid = new QGridLayout(this);
    m_onBoardLabel = new QLabel(this);
    m_shoreLabel = new QLabel(this);
    onBoard = addField("onboard", kFirstMergeId, &ReportComparisonText::onBoard);
    onBoardFreeWater = addField("onboardfw", kFirstMergeId + 4, &ReportComparisonText::onBoardFreeWater);
    m_onBoardFreeWaterLabel = new QLabel(this);
    shoreTcv = addField("shoretcv", kFirstMergeId + 1, &ReportComparisonText::shoreTcv);
    vef = addField("vef", kFirstMergeId + 2, &ReportComparisonText::vef);
    tolerance = addField("tolerance", kFirstMergeId + 3, &ReportComparisonText::tolerancePercent);
    auto *vefLabel = new QLabel(tr("VEF (&x):"), this);
    auto *toleranceLabel = new QLabel(tr("Tolera&nce (%):"), this);
    const std::pair<QLabel *, QLineEdit *> pairs[] = {{m_onBoardLabel, onBoard},
                                                      {m_onBoardFreeWaterLabel, onBoardFreeWater},
                                                      {m_shoreLabel, shoreTcv},
                                                      {vefLabel, vef},
                                                      {toleranceLabel, tolerance}};
    for (int i = 0; i < 5; ++i) {
        pairs[i].first->setBuddy(pairs[i].second);
        grid->addWidget(pairs[i].first, i, 0);
        grid->addWidget(pairs[i].second, i, 1);
    }
    vef->setAccessibleName(tr("Vessel experience factor"));
    tolerance->setAccessibleName(tr("Tolerance in percent"));
    vef->setToolTip(tr("Empty: the measured comparison only. The VEF divides the vessel's figure here and nowhere "
                       "else."));
    tolerance->setToolTip(tr("The company's tolerance in percent; empty: none. The one typed last is offered for the "
                             "next report."));

    fromSurvey = new QPushButton(tr("&Take off a saved survey..."), this);
    fromSurvey->setObjectName(QStringLiteral("onboardfromsurvey"));
    grid->addWidget(fromSurvey, 5, 0, 1, 2);
    connect(fromSurvey, &QPushButton::clicked, this, &ComparisonPanel::takeFromSurvey);

    figures = new QTableWidget(0, 8, this);
    figures->setObjectName(QStringLiteral("comparisonfigures"));
    figures->setAccessibleName(tr("Ship and shore figures"));
    figures->setEditTriggers(QAbstractItemView::NoEditTriggers);
    figures->verticalHeader()->hide();
    figures->horizontalHeader()->setStretchLastSection(true);
    // Its head and three lines: measured, with the VEF and the free water.
    figures->setFixedHeight(figures->horizontalHeader()->sizeHint().height() +
                            figures->verticalHeader()->defaultSectionSize() * 3 + 2 * figures->frameWidth() + 4);
    figures->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->addWidget(figures, 0, 2, 4, 1, Qt::AlignTop);
    notice = new QLabel(this);
    notice->setObjectName(QStringLiteral("comparisonnotice"));
    notice->setWordWrap(true);
    notice->setTextFormat(Qt::PlainText);
    notice->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    grid->addWidget(notice, 4, 2, 2, 1, Qt::AlignTop);
    grid->setColumnStretch(2, 1);

    connect(m_model, &CargoReportModel::reportChanged, this, &ComparisonPanel::refresh);
    refresh();
}

QList<QWidget *> ComparisonPanel::tabChain() const
{
    return {onBoard, onBoardFreeWater, fromSurvey, shoreTcv, vef, tolerance, figures};
}

QLineEdit *ComparisonPanel::addField(const char *name, int mergeId, std::string ReportComparisonText::*member)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    const bool isShore = member == &ReportComparisonText::shoreTcv;
    const bool isOnBoard =
        member == &ReportComparisonText::onBoard || member == &ReportComparisonText::onBoardFreeWater;
    const bool isTolerance = member == &ReportComparisonText::tolerancePercent;
    connect(edit, &QLineEdit::textEdited, this, [=, this](const QString &text) {
        if (m_refreshing)
            return;
        const std::string typed = text.toStdString();
        std::string offered;
        if (isShore && m_model->report().comparison.tolerancePercent.empty())
            offered = Settings().value(QLatin1String(kToleranceKey)).toString().toStdString();
        if (isTolerance)
            Settings().setValue(QLatin1String(kToleranceKey), text.trimmed());
        m_model->change(
            tr("Edit comparison"),
            [&](CargoReport &r) {
                r.comparison.*member = typed;
                // A typed OBQ/ROB or its free water is no longer the survey's.
                if (isOnBoard)
                    r.comparison.onBoardFrom.clear();
                if (!offered.empty() && r.comparison.tolerancePercent.empty())
                    r.comparison.tolerancePercent = offered;
            },
            mergeId);
    });
    return edit;
}

void ComparisonPanel::takeFromSurvey()
{
    const CargoReport &report = m_model->report();
    const Transfer transfer = ReportTransfer(report).value_or(Transfer::Loading);
    const QString path = m_prompts.openPath(this, tr("Take off the %1 of a saved survey").arg(onBoardName(transfer)),
                                            QString(), tr("Cargo reports (*.json);;All files (*)"));
    if (path.isEmpty())
        return;
    const ReportFileRead read = readReportFile(path);
    if (!read.report) {
        m_prompts.warn(this, tr("Take off a saved survey"), read.error);
        return;
    }
    const OnBoardTaken taken = OnBoardFromSurvey(report, *read.report, Recompute(*read.report));
    if (taken.figure.empty()) {
        m_prompts.warn(this, tr("Take off a saved survey"),
                       tr("%1: %2. Nothing was taken off.").arg(QFileInfo(path).fileName(), q(taken.notice)));
        return;
    }
    const std::string figure = taken.figure;
    const std::string water = taken.freeWater;
    const std::string from = QFileInfo(path).fileName().toStdString();
    m_model->change(tr("Take off %1").arg(onBoardName(transfer)), [&](CargoReport &r) {
        r.comparison.onBoard = figure;
        r.comparison.onBoardFreeWater = water;
        r.comparison.onBoardFrom = from;
    });
}

void ComparisonPanel::refresh()
{
    m_refreshing = true;
    const CargoReport &report = m_model->report();
    const Transfer transfer = ReportTransfer(report).value_or(Transfer::Loading);
    m_onBoardLabel->setText(transfer == Transfer::Loading ? tr("O&BQ taken off:") : tr("RO&B taken off:"));
    m_onBoardFreeWaterLabel->setText(transfer == Transfer::Loading ? tr("OBQ free water (&q):")
                                                                   : tr("ROB free water (&q):"));
    onBoardFreeWater->setAccessibleName(transfer == Transfer::Loading ? tr("OBQ free water taken off")
                                                                      : tr("ROB free water taken off"));
    m_shoreLabel->setText(transfer == Transfer::Loading ? tr("S&hore TCV, bill of lading:")
                                                        : tr("S&hore TCV, outturn:"));
    onBoard->setAccessibleName(transfer == Transfer::Loading ? tr("OBQ taken off") : tr("ROB taken off"));
    shoreTcv->setAccessibleName(transfer == Transfer::Loading ? tr("Shore TCV, bill of lading")
                                                              : tr("Shore TCV, outturn"));
    const ReportComparisonText &c = report.comparison;
    const std::pair<QLineEdit *, const std::string *> fields[] = {{onBoard, &c.onBoard},
                                                                  {onBoardFreeWater, &c.onBoardFreeWater},
                                                                  {shoreTcv, &c.shoreTcv},
                                                                  {vef, &c.vef},
                                                                  {tolerance, &c.tolerancePercent}};
    const bool survey = report.header.survey != SurveyKind::Cargo;
    for (const auto &[edit, text] : fields) {
        if (edit->text() != q(*text))
            edit->setText(q(*text));
        edit->setEnabled(!survey);
    }
    fromSurvey->setEnabled(!survey);
    onBoard->setToolTip(c.onBoardFrom.empty() ? QString() : tr("From the survey %1").arg(q(c.onBoardFrom)));
    onBoardFreeWater->setToolTip(c.onBoardFrom.empty()
                                     ? tr("Part of the figure taken off; empty: no free-water line. The comparison "
                                          "stays on the TCV.")
                                     : tr("From the survey %1").arg(q(c.onBoardFrom)));

    const ComparisonTexts texts = comparisonTexts(report, m_model->result());
    figures->setHorizontalHeaderLabels(texts.head);
    figures->setRowCount(static_cast<int>(texts.rows.size()));
    for (int r = 0; r < figures->rowCount(); ++r)
        for (int col = 0; col < figures->columnCount(); ++col) {
            auto *item = new QTableWidgetItem(texts.rows[r].value(col));
            if (col >= 1 && col <= 6)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            figures->setItem(r, col, item);
        }
    notice->setText(texts.notice);
    m_refreshing = false;
}

ComparisonArea::ComparisonArea(CargoReportModel *model, Prompts &prompts, QWidget *parent)
    : QScrollArea(parent), m_panel(new ComparisonPanel(model, prompts))
{
    setWidget(m_panel);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setMinimumHeight(fontMetrics().height());
}

QSize ComparisonArea::sizeHint() const
{
    return {m_panel->sizeHint().width(), fontMetrics().height() * 5};
}

} // namespace dravex
