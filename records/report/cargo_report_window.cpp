// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/report/cargo_report_window.h"

#include "records/autosave.h"
#include "records/document_manager.h"
#include "records/job/report_job.h"
#include "records/log/calc_record.h"
#include "records/report/cargo_report_document.h"
#include "records/report/cargo_report_model.h"
#include "records/report/comparison_panel.h"
#include "records/report/figure_delegate.h"
#include "records/report/gauged_row_editor.h"
#include "records/report/report_file.h"
#include "records/report/report_print.h"
#include "records/report/tank_table_view.h"
#include "records/settings.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QScrollBar>
#include <QSplitter>
#include <QTableView>
#include <QTableWidget>
#include <QUndoStack>
#include <QVBoxLayout>

#include <set>

namespace dravex {

namespace {

constexpr int kTotalsLinesShown = 6;
constexpr int kChoiceLeastCharacters = 16;

// Merge ids of the header fields: typing into one field is one undo step.
enum HeaderField { kVessel, kVoyage, kPort, kDate, kSurveyor, kRemarks };

// The platform's keys for a standard command, and the usual one where the platform has
// none or leaves it out (Ctrl+Shift+Z beside Ctrl+Y for Redo): documents are saved and
// closed with the same keys in every window.
QList<QKeySequence> standardKeys(QKeySequence::StandardKey key, const char *usual)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    const QKeySequence fallback(QString::fromLatin1(usual));
    if (!keys.contains(fallback))
        keys << fallback;
    return keys;
}

QList<QStringList> parseTsv(QString text)
{
    text.remove(QLatin1Char('\r'));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    QList<QStringList> block;
    for (const QString &line : text.split(QLatin1Char('\n')))
        block << line.split(QLatin1Char('\t'));
    return block;
}

} // namespace

CargoReportWindow::CargoReportWindow(Prompts &prompts, CargoReportDocument *document, QWidget *parent)
    : QMainWindow(parent), m_prompts(prompts), m_document(document ? document : new CargoReportDocument),
      m_model(m_document->model())
{
    setObjectName(QStringLiteral("CargoReport"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_document->setParent(this);
    DocumentManager::instance().add(m_document, this);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    buildHeader(central);

    tanks = new TankTableView(central);
    tanks->setObjectName(QStringLiteral("tanks"));
    tanks->setModel(m_model);
    tanks->setSelectionMode(QAbstractItemView::ContiguousSelection);
    tanks->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                           QAbstractItemView::EditKeyPressed);
    tanks->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    fitColumns();
    tanks->setItemDelegate(new FigureDelegate(tanks));
    tanks->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(m_model, &QAbstractItemModel::headerDataChanged, this, [this](Qt::Orientation orientation) {
        if (orientation == Qt::Horizontal)
            fitColumns();
    });
    tanks->setAccessibleName(tr("Tanks"));

    totals = new QTableWidget(0, 8, central);
    totals->setObjectName(QStringLiteral("totals"));
    totals->setEditTriggers(QAbstractItemView::NoEditTriggers);
    totals->setAccessibleName(tr("Totals"));
    totals->verticalHeader()->hide();
    totals->horizontalHeader()->setStretchLastSection(true);

    working = new QPlainTextEdit(central);
    working->setObjectName(QStringLiteral("working"));
    working->setReadOnly(true);
    working->setAccessibleName(tr("Working of this tank"));
    working->hide();

    auto *splitter = new QSplitter(Qt::Vertical, central);
    splitter->addWidget(tanks);
    splitter->addWidget(totals);
    splitter->addWidget(working);
    splitter->setStretchFactor(0, 4);
    splitter->setStretchFactor(1, 1);
    splitter->setStretchFactor(2, 2);
    // The ship/shore comparison under the totals.
    auto *comparison = new ComparisonArea(m_model, m_prompts, central);
    splitter->insertWidget(2, comparison);
    splitter->setStretchFactor(2, 1);
    // The ship's condition and the gauge of the tank under the cursor beside the tanks.
    gaugedRow = new GaugedRowEditor(m_document, central);
    auto *sides = new QSplitter(Qt::Horizontal, central);
    sides->addWidget(splitter);
    sides->addWidget(gaugedRow);
    sides->setStretchFactor(0, 3);
    sides->setStretchFactor(1, 1);
    layout->addWidget(sides, 1);
    setCentralWidget(central);

    // Tab goes from the table to the totals and the comparison, then down each column of
    // the header in turn, then the ship's condition and the tank's gauge.
    QList<QWidget *> chain{tanks,    totals,    vessel, voyage,  port,      units,  date,
                           surveyor, operation, survey, edition, vcfMethod, remarks};
    chain = QList<QWidget *>{tanks, totals} + comparison->panel()->tabChain() + chain.mid(2);
    chain += gaugedRow->tabChain();
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    buildMenus();
    connect(m_model, &CargoReportModel::reportChanged, this, &CargoReportWindow::refreshFromModel);
    connect(m_document, &Document::modifiedChanged, this, &CargoReportWindow::updateTitle);
    connect(m_document, &Document::filePathChanged, this, &CargoReportWindow::updateTitle);
    connect(tanks->selectionModel(), &QItemSelectionModel::currentChanged, this, &CargoReportWindow::refreshWorking);
    connect(tanks->selectionModel(), &QItemSelectionModel::currentChanged, gaugedRow,
            [this](const QModelIndex &current) { gaugedRow->setRow(current.row()); });

    refreshFromModel();
    updateTitle();
    resize(1280, 720);
    tanks->setCurrentIndex(m_model->index(0, 0));
    tanks->setFocus();
}

CargoReportWindow::~CargoReportWindow()
{
    // The children go after this window's own part: the undo stack still signals as it
    // clears itself, and nothing here may hear it.
    m_document->disconnect(this);
    m_model->disconnect(this);
    tanks->selectionModel()->disconnect(this);
}

void CargoReportWindow::fitColumns()
{
    // Each column as wide as its head (the figures are narrower); the notices get room.
    const QFontMetrics metrics(tanks->horizontalHeader()->font());
    for (int c = 0; c < CargoReportModel::kColumnCount; ++c) {
        const QString head = m_model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        const int least = c <= static_cast<int>(TankColumn::Grade) ? 110 : 64;
        tanks->setColumnWidth(c, std::max(least, metrics.horizontalAdvance(head) + 24));
    }
    tanks->setColumnWidth(CargoReportModel::kNoticeColumn, 360);
}

void CargoReportWindow::buildHeader(QWidget *host)
{
    auto *box = new QGroupBox(tr("Report"), host);
    auto *row = new QHBoxLayout(box);
    auto *left = new QFormLayout;
    auto *middle = new QFormLayout;
    auto *right = new QFormLayout;
    row->addLayout(left);
    row->addLayout(middle);
    row->addLayout(right, 1);
    // Narrow, a caption goes above its field, so the window fits a small screen at a large
    // scale instead of growing wider than it.
    for (QFormLayout *form : {left, middle, right})
        form->setRowWrapPolicy(QFormLayout::WrapLongRows);

    vessel = addHeaderLine(left, "vessel", tr("&Vessel / terminal:"), kVessel, &ReportHeader::vessel);
    voyage = addHeaderLine(left, "voyage", tr("Vo&yage:"), kVoyage, &ReportHeader::voyage);
    port = addHeaderLine(left, "port", tr("&Port:"), kPort, &ReportHeader::port);
    date = addHeaderLine(middle, "date", tr("&Date:"), kDate, &ReportHeader::date);
    surveyor = addHeaderLine(middle, "surveyor", tr("&Surveyor:"), kSurveyor, &ReportHeader::surveyor);
    operation = addChoice(middle, "operation", tr("&Operation:"),
                          {tr("Loading"), tr("Discharge"), tr("On arrival"), tr("On sailing"), tr("Other")});
    survey = addChoice(middle, "survey", tr("Survey &kind:"),
                       {tr("Cargo"), tr("OBQ before loading"), tr("ROB after discharge")});
    connect(survey, &QComboBox::activated, this, [this](int i) {
        m_model->change(tr("Survey kind"), [i](CargoReport &r) { r.header.survey = static_cast<SurveyKind>(i); });
    });
    units = addChoice(left, "units", tr("&Units:"),
                      {tr("US: barrels, F, API (long tons by Table 11)"),
                       tr("Metric: m3, C, kg/m3 at 15 C (long tons by Table 57)")});
    // In the order of the Edition enum; the tables each edition runs are named here, not
    // with the units, so the header never names the 1980 tables on a 2004 report.
    edition = addChoice(right, "edition", tr("&Edition:"),
                        {tr("1980 tables (6A/6B, 54A/54B)"), tr("2004 edition (API MPMS 11.1-2004)")});
    vcfMethod = addChoice(right, "vcfMethod", tr("V&CF:"),
                          {tr("Tank by tank"), tr("Per grade at the volume-weighted average temperature")});
    connect(operation, &QComboBox::activated, this, [this](int i) {
        m_model->change(tr("Operation"), [i](CargoReport &r) { r.header.operation = static_cast<ReportOperation>(i); });
    });
    connect(units, &QComboBox::activated, this, [this](int i) {
        m_model->change(tr("Units"), [i](CargoReport &r) { r.units = i == 0 ? UnitSystem::US : UnitSystem::Metric; });
    });
    connect(edition, &QComboBox::activated, this, [this](int i) {
        m_model->change(tr("Edition"), [i](CargoReport &r) { r.edition = static_cast<Edition>(i); });
    });
    connect(vcfMethod, &QComboBox::activated, this, [this](int i) {
        m_model->change(tr("VCF method"), [i](CargoReport &r) {
            r.vcfMethod = i == 0 ? VcfMethod::PerTank : VcfMethod::GradeAverageTemperature;
        });
    });

    remarks = new QPlainTextEdit(box);
    remarks->setObjectName(QStringLiteral("remarks"));
    remarks->setTabChangesFocus(true);
    remarks->setMaximumHeight(60);
    right->addRow(tr("&Remarks:"), remarks);
    connect(remarks, &QPlainTextEdit::textChanged, this, [this] {
        if (m_refreshing)
            return;
        const std::string text = remarks->toPlainText().toStdString();
        editHeader(kRemarks, [&](CargoReport &r) { r.header.remarks = text; });
    });
    static_cast<QVBoxLayout *>(host->layout())->addWidget(box);
}

QLineEdit *CargoReportWindow::addHeaderLine(QFormLayout *form, const char *name, const QString &label, int field,
                                            std::string ReportHeader::*member)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    form->addRow(label, edit);
    connect(edit, &QLineEdit::textEdited, this, [this, field, member](const QString &text) {
        editHeader(field, [&](CargoReport &r) { r.header.*member = text.toStdString(); });
    });
    return edit;
}

QComboBox *CargoReportWindow::addChoice(QFormLayout *form, const char *name, const QString &label,
                                        const QStringList &items)
{
    auto *choice = new QComboBox;
    choice->setObjectName(QString::fromLatin1(name));
    choice->addItems(items);
    // Long choices are cut short rather than widening the window; the list shows them whole.
    choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    choice->setMinimumContentsLength(kChoiceLeastCharacters);
    form->addRow(label, choice);
    return choice;
}

void CargoReportWindow::editHeader(int field, const std::function<void(CargoReport &)> &edit)
{
    if (!m_refreshing)
        m_model->change(tr("Edit header"), edit, field);
}

void CargoReportWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("file1"));
    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("edit1"));
    QMenu *view = menuBar()->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("view1"));

    const auto add = [&](QMenu *menu, const char *name, const QString &caption, const QList<QKeySequence> &shortcuts,
                         bool tableOnly = false) {
        auto *a = new QAction(caption, this);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcuts(shortcuts);
        if (tableOnly) {
            a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            tanks->addAction(a);
        } else {
            addAction(a);
        }
        menu->addAction(a);
        return a;
    };
    connect(add(file, "new1", tr("&New"), standardKeys(QKeySequence::New, "Ctrl+N")), &QAction::triggered, this,
            &CargoReportWindow::new1_Click);
    connect(add(file, "open1", tr("&Open..."), standardKeys(QKeySequence::Open, "Ctrl+O")), &QAction::triggered, this,
            &CargoReportWindow::open1_Click);
    m_recentMenu = file->addMenu(tr("Open &Recent"));
    m_recentMenu->setObjectName(QStringLiteral("recent1"));
    connect(m_recentMenu, &QMenu::aboutToShow, this, &CargoReportWindow::fillRecentMenu);
    file->addSeparator();
    connect(add(file, "save1", tr("&Save"), standardKeys(QKeySequence::Save, "Ctrl+S")), &QAction::triggered, this,
            &CargoReportWindow::save1_Click);
    connect(add(file, "saveas1", tr("Save &As..."), standardKeys(QKeySequence::SaveAs, "Ctrl+Shift+S")),
            &QAction::triggered, this, &CargoReportWindow::saveas1_Click);
    file->addSeparator();
    connect(add(file, "exportcsv1", tr("Export &CSV..."), {}), &QAction::triggered, this,
            &CargoReportWindow::exportcsv1_Click);
    connect(add(file, "exportpdf1", tr("Export P&DF..."), {}), &QAction::triggered, this,
            &CargoReportWindow::exportpdf1_Click);
    connect(add(file, "print1", tr("&Print..."), standardKeys(QKeySequence::Print, "Ctrl+P")), &QAction::triggered,
            this, &CargoReportWindow::print1_Click);
    file->addSeparator();
    connect(add(file, "close1", tr("&Close"), standardKeys(QKeySequence::Close, "Ctrl+W")), &QAction::triggered, this,
            &QWidget::close);

    QAction *undo = m_document->undoStack()->createUndoAction(this, tr("&Undo"));
    undo->setObjectName(QStringLiteral("undo1"));
    undo->setShortcuts(standardKeys(QKeySequence::Undo, "Ctrl+Z"));
    QAction *redo = m_document->undoStack()->createRedoAction(this, tr("&Redo"));
    redo->setObjectName(QStringLiteral("redo1"));
    redo->setShortcuts(standardKeys(QKeySequence::Redo, "Ctrl+Shift+Z"));
    for (QAction *a : {undo, redo}) {
        addAction(a);
        edit->addAction(a);
    }
    edit->addSeparator();
    connect(add(edit, "copy1", tr("&Copy"), {QKeySequence(QKeySequence::Copy)}, true), &QAction::triggered, this,
            &CargoReportWindow::copy1_Click);
    connect(add(edit, "paste1", tr("&Paste"), {QKeySequence(QKeySequence::Paste)}, true), &QAction::triggered, this,
            &CargoReportWindow::paste1_Click);
    connect(add(edit, "clear1", tr("C&lear"), {QKeySequence(QKeySequence::Delete)}, true), &QAction::triggered, this,
            &CargoReportWindow::clear1_Click);
    edit->addSeparator();
    connect(add(edit, "inserttank1", tr("&Insert Tank"), {QKeySequence(QStringLiteral("Ctrl+Ins"))}, true),
            &QAction::triggered, this, &CargoReportWindow::inserttank1_Click);
    connect(add(edit, "deletetank1", tr("&Delete Tanks"), {QKeySequence(QStringLiteral("Ctrl+Del"))}, true),
            &QAction::triggered, this, &CargoReportWindow::deletetank1_Click);

    QAction *showWorking = add(view, "working1", tr("&Working of This Tank"), {QKeySequence(Qt::Key_F3)});
    showWorking->setCheckable(true);
    connect(showWorking, &QAction::toggled, this, [this](bool on) {
        working->setVisible(on);
        refreshWorking();
    });
}

bool CargoReportWindow::isModified() const
{
    return m_document->isModified();
}

QString CargoReportWindow::filePath() const
{
    return m_document->filePath();
}

CargoReportModel *CargoReportWindow::model() const
{
    return m_model;
}

void CargoReportWindow::updateTitle()
{
    // "[*]" in a file name is shown as typed, not taken for the modified mark.
    QString name = m_document->displayName();
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(tr("%1[*] - Cargo Report").arg(name));
    setWindowModified(isModified());
}

void CargoReportWindow::refreshFromModel()
{
    m_refreshing = true;
    const CargoReport &r = m_model->report();
    const auto setText = [](QLineEdit *edit, const std::string &text) {
        const QString q = QString::fromStdString(text);
        if (edit->text() != q)
            edit->setText(q);
    };
    setText(vessel, r.header.vessel);
    setText(voyage, r.header.voyage);
    setText(port, r.header.port);
    setText(date, r.header.date);
    setText(surveyor, r.header.surveyor);
    if (remarks->toPlainText().toStdString() != r.header.remarks)
        remarks->setPlainText(QString::fromStdString(r.header.remarks));
    operation->setCurrentIndex(static_cast<int>(r.header.operation));
    survey->setCurrentIndex(static_cast<int>(r.header.survey));
    units->setCurrentIndex(r.units == UnitSystem::US ? 0 : 1);
    edition->setCurrentIndex(static_cast<int>(r.edition));
    vcfMethod->setCurrentIndex(r.vcfMethod == VcfMethod::PerTank ? 0 : 1);
    m_refreshing = false;
    refreshTotals();
    refreshWorking();
    updateTitle();
}

void CargoReportWindow::refreshTotals()
{
    const CargoReport &report = m_model->report();
    const ReportResult &result = m_model->result();
    totals->setHorizontalHeaderLabels(
        {tr("Grade"), tr("Tanks"), tr("Average temperature"),
         QString::fromStdString(ResultColumnHead(ResultColumn::GrossObserved, report.units)),
         QString::fromStdString(ResultColumnHead(ResultColumn::GrossStandard, report.units)),
         QString::fromStdString(ResultColumnHead(ResultColumn::LongTons, report.units)),
         QString::fromStdString(ResultColumnHead(ResultColumn::MetricTons, report.units)), tr("Not counted")});
    totals->setRowCount(static_cast<int>(result.grades.size()) + 1);
    const auto fill = [&](int row, const ReportTotal &t, const QString &name) {
        QStringList stopped;
        for (const std::string &s : t.stoppedTanks)
            stopped << QString::fromStdString(s);
        QString notCounted = stopped.isEmpty() ? QString() : tr("stopped: %1").arg(stopped.join(QStringLiteral(", ")));
        QStringList advised;
        for (const std::string &s : t.advisedTanks)
            advised << QString::fromStdString(s);
        if (!advised.isEmpty())
            notCounted += (notCounted.isEmpty() ? QString() : QStringLiteral("; ")) +
                          tr("counted with a notice: %1").arg(advised.join(QStringLiteral(", ")));
        if (!t.notice.empty())
            notCounted += (notCounted.isEmpty() ? QString() : QStringLiteral("; ")) + QString::fromStdString(t.notice);
        const QString cells[] = {name,
                                 QString::number(t.tanks),
                                 QString::fromStdString(t.averageTemperature),
                                 QString::fromStdString(t.grossObserved),
                                 QString::fromStdString(t.grossStandard),
                                 QString::fromStdString(t.longTons),
                                 QString::fromStdString(t.metricTons),
                                 notCounted};
        for (int c = 0; c < 8; ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            item->setToolTip(cells[c]);
            if (c >= 1 && c <= 6)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            totals->setItem(row, c, item);
        }
    };
    for (std::size_t g = 0; g < result.grades.size(); ++g)
        fill(static_cast<int>(g), result.grades[g],
             result.grades[g].grade.empty() ? tr("(no grade)") : QString::fromStdString(result.grades[g].grade));
    fill(static_cast<int>(result.grades.size()), result.overall, tr("All grades"));
    // The figures of a column with one number of decimals.
    for (int c = 2; c <= 6; ++c) {
        QStringList texts;
        for (int row = 0; row < totals->rowCount(); ++row)
            texts << totals->item(row, c)->text();
        texts = FigureDelegate::alignDecimals(texts);
        for (int row = 0; row < totals->rowCount(); ++row)
            totals->item(row, c)->setText(texts[row]);
    }
    totals->resizeColumnsToContents();
    // Room for every grade's line up to a few, and the "All grades" line, the last, always
    // in view.
    const int shown = std::min(totals->rowCount(), kTotalsLinesShown);
    int height = totals->horizontalHeader()->sizeHint().height() + 2 * totals->frameWidth();
    for (int row = 0; row < shown; ++row)
        height += totals->rowHeight(row);
    if (totals->horizontalScrollBar()->isVisible() ||
        totals->horizontalHeader()->length() > totals->viewport()->width())
        height += totals->horizontalScrollBar()->sizeHint().height();
    totals->setMinimumHeight(height);
    totals->scrollToBottom();
}

void CargoReportWindow::refreshWorking()
{
    if (!working->isVisible())
        return;
    const int row = tanks->currentIndex().row();
    const ReportResult &result = m_model->result();
    if (row < 0 || row >= static_cast<int>(result.rows.size()) || result.rows[row].blank) {
        working->setPlainText(tr("No tank on this row."));
        return;
    }
    QStringList lines;
    lines << tr("Working of %1:").arg(QString::fromStdString(RowName(m_model->report(), row)));
    for (const std::string &l : result.rows[row].trace().working)
        lines << QString::fromStdString(l);
    working->setPlainText(lines.join(QLatin1Char('\n')));
}

void CargoReportWindow::new1_Click()
{
    (new CargoReportWindow(m_prompts))->show();
}

void CargoReportWindow::open1_Click()
{
    const QString dir = filePath().isEmpty() ? QDir::homePath() : QFileInfo(filePath()).absolutePath();
    const QString path =
        m_prompts.openPath(this, tr("Open Cargo Report"), dir, tr("Cargo reports (*.json);;All files (*)"));
    if (!path.isEmpty())
        openPath(path);
}

void CargoReportWindow::openPath(const QString &path)
{
    // One window per document: an open one comes to the front.
    if (DocumentManager::instance().raise(path))
        return;
    // An untouched empty window takes the document; otherwise a new window does.
    if (m_document->isUntouched()) {
        openFile(path);
        return;
    }
    auto *document = new CargoReportDocument;
    QString error;
    if (!document->open(path, &error)) {
        delete document;
        m_prompts.warn(this, tr("Cargo Report"), error);
        return;
    }
    rememberRecent(path);
    auto *window = new CargoReportWindow(m_prompts, document);
    window->show();
    window->raise();
    window->activateWindow();
    OfferReportJob(window, m_prompts, document->report().header);
}

bool CargoReportWindow::openFile(const QString &path)
{
    QString error;
    if (!m_document->open(path, &error)) {
        m_prompts.warn(this, tr("Cargo Report"), error);
        return false;
    }
    rememberRecent(path);
    updateTitle();
    OfferReportJob(this, m_prompts, m_document->report().header);
    return true;
}

bool CargoReportWindow::saveTo(const QString &path)
{
    m_model->recordTableHashes(); // the versions of the tables the report was worked with
    QString error;
    if (!m_document->save(path, &error)) {
        m_prompts.warn(this, tr("Cargo Report"), error);
        return false;
    }
    rememberRecent(path);
    updateTitle();
    OfferReportJob(this, m_prompts, m_document->report().header);
    return true;
}

bool CargoReportWindow::save1_Click()
{
    return filePath().isEmpty() ? saveas1_Click() : saveTo(filePath());
}

bool CargoReportWindow::saveas1_Click()
{
    const QString suggested = filePath().isEmpty() ? QDir::home().filePath(tr("cargo-report.json")) : filePath();
    QString path = m_prompts.savePath(this, tr("Save"), suggested, tr("Cargo reports (*.json)"));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".json");
    return saveTo(path);
}

void CargoReportWindow::exportcsv1_Click()
{
    const QString base = filePath().isEmpty() ? QDir::home().filePath(tr("cargo-report")) : filePath();
    const QString path = m_prompts.savePath(this, tr("Export CSV"),
                                            QFileInfo(base).path() + QLatin1Char('/') +
                                                QFileInfo(base).completeBaseName() + QStringLiteral(".csv"),
                                            tr("CSV (*.csv)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!m_document->exportCsv(path, &error))
        m_prompts.warn(this, tr("Cargo Report"), error);
}

void CargoReportWindow::exportpdf1_Click()
{
    const QString base = filePath().isEmpty() ? QDir::home().filePath(tr("cargo-report")) : filePath();
    const QString path = m_prompts.savePath(this, tr("Export PDF"),
                                            QFileInfo(base).path() + QLatin1Char('/') +
                                                QFileInfo(base).completeBaseName() + QStringLiteral(".pdf"),
                                            tr("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!m_document->exportPdf(path, &error))
        m_prompts.warn(this, tr("Cargo Report"), error);
}

void CargoReportWindow::print1_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(m_document->displayName());
    QString reference = reportReference(m_model->report());
    if (!m_prompts.printSetup(this, printer, reference))
        return;
    QString error;
    // A printer, not a file: the pages are shown before they are printed.
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
    if (!toFile && !m_prompts.previewPrint(this, printer, [&](QPrinter &preview) {
            QString ignored;
            m_document->print(&preview, reference, &ignored);
        }))
        return;
    if (!m_document->print(&printer, reference, &error))
        m_prompts.warn(this, tr("Cargo Report"), error);
}

void CargoReportWindow::copy1_Click()
{
    const QModelIndexList selected = tanks->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return;
    int top = INT_MAX, left = INT_MAX, bottom = -1, right = -1;
    for (const QModelIndex &i : selected) {
        top = std::min(top, i.row());
        bottom = std::max(bottom, i.row());
        left = std::min(left, i.column());
        right = std::max(right, i.column());
    }
    QString text;
    for (int r = top; r <= bottom; ++r) {
        QStringList cells;
        for (int c = left; c <= right; ++c)
            cells << m_model->index(r, c).data().toString();
        text += TsvLine(cells);
    }
    QApplication::clipboard()->setText(text);
}

void CargoReportWindow::paste1_Click()
{
    const QModelIndex at = tanks->currentIndex();
    if (!at.isValid() || !CargoReportModel::isInputColumn(at.column()))
        return;
    const QString text = QApplication::clipboard()->text();
    if (text.isEmpty())
        return;
    m_model->setCells(at.row(), at.column(), parseTsv(text));
}

void CargoReportWindow::clear1_Click()
{
    m_model->clearCells(tanks->selectionModel()->selectedIndexes());
}

void CargoReportWindow::inserttank1_Click()
{
    m_model->insertTankRow(tanks->currentIndex().row());
}

void CargoReportWindow::deletetank1_Click()
{
    std::set<int> rows;
    for (const QModelIndex &i : tanks->selectionModel()->selectedIndexes())
        rows.insert(i.row());
    if (rows.empty() && tanks->currentIndex().isValid())
        rows.insert(tanks->currentIndex().row());
    if (rows.empty())
        return;
    m_model->removeTankRows(*rows.begin(), *rows.rbegin() - *rows.begin() + 1);
}

void CargoReportWindow::closeEvent(QCloseEvent *event)
{
    if (isModified()) {
        const QString name = m_document->displayName();
        switch (m_prompts.askSaveChanges(this, tr("Cargo Report"), name, m_document->isRestoredOverFile())) {
        case Prompts::Answer::Save:
            if (!save1_Click()) {
                event->ignore();
                return;
            }
            break;
        case Prompts::Answer::Discard:
            break;
        case Prompts::Answer::Cancel:
            event->ignore();
            return;
        }
    }
    m_document->autosave().drop();
    event->accept();
}

} // namespace dravex
