// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/report/gauged_row_editor.h"

#include "core/conventions.h"
#include "core/gauged_tank.h"
#include "core/ship_gauge.h"
#include "core/shore_tank.h"
#include "core/tank_table_file.h"
#include "core/tank_table_import.h"
#include "records/report/cargo_report_document.h"
#include "records/report/cargo_report_model.h"
#include "records/tanks/tank_table_store.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QVBoxLayout>

namespace dravex {

namespace {

// How many hex digits of a table's hash the panel shows; the working shows it whole.
constexpr int kHashDigitsShown = 16;

} // namespace

GaugedRowEditor::GaugedRowEditor(CargoReportDocument *document, QWidget *parent)
    : QWidget(parent), m_document(document), m_model(document->model()),
      m_store(new TankTableStore(TankTableStore::defaultFolder(), this))
{
    setObjectName(QStringLiteral("gaugedRow"));
    // The entries scroll up and down in a low window.
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    outer->addWidget(scroll);
    auto *content = new QWidget(scroll);
    auto *layout = new QVBoxLayout(content);

    auto *ship = new QGroupBox(tr("Ship's condition"), content);
    auto *shipForm = new QFormLayout(ship);
    shipForm->setRowWrapPolicy(QFormLayout::WrapLongRows);
    draftForward = addLine(shipForm, "draftForward", tr("Draft &forward:"));
    draftAft = addLine(shipForm, "draftAft", tr("Draft &aft:"));
    lbp = addLine(shipForm, "lbp", tr("Length between &perpendiculars:"));
    list = addLine(shipForm, "list", tr("&List (degrees):"));
    listSide = new QComboBox(ship);
    listSide->setObjectName(QStringLiteral("listSide"));
    listSide->addItem(tr("(upright)"), QString());
    listSide->addItem(tr("to port"), QStringLiteral("port"));
    listSide->addItem(tr("to starboard"), QStringLiteral("starboard"));
    shipForm->addRow(tr("List &side:"), listSide);
    trim = new QLabel(ship);
    trim->setObjectName(QStringLiteral("trim"));
    trim->setTextFormat(Qt::PlainText);
    trim->setWordWrap(true);
    shipForm->addRow(tr("Trim:"), trim);
    layout->addWidget(ship);

    struct HeaderLine
    {
        QLineEdit *edit;
        std::string ShipConditionText::*member;
    };
    for (const HeaderLine &h : {HeaderLine{draftForward, &ShipConditionText::draftForward},
                                HeaderLine{draftAft, &ShipConditionText::draftAft},
                                HeaderLine{lbp, &ShipConditionText::lbp}, HeaderLine{list, &ShipConditionText::list}}) {
        connect(h.edit, &QLineEdit::editingFinished, this, [this, h] {
            if (m_model && !m_refreshing)
                m_model->change(tr("Ship's condition"),
                                [&](CargoReport &r) { r.condition.*h.member = h.edit->text().toStdString(); });
        });
    }
    connect(listSide, &QComboBox::activated, this, [this](int i) {
        if (m_model)
            m_model->change(tr("Ship's condition"), [&](CargoReport &r) {
                r.condition.listSide = listSide->itemData(i).toString().toStdString();
            });
    });

    auto *tank = new QGroupBox(tr("Gauged tank"), content);
    auto *tankForm = new QFormLayout(tank);
    tankForm->setRowWrapPolicy(QFormLayout::WrapLongRows);
    tankTables = new QComboBox(tank);
    tankTables->setObjectName(QStringLiteral("tankTables"));
    tankTables->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    tankTables->setMinimumContentsLength(16);
    tankForm->addRow(tr("Tank &tables:"), tankTables);
    tablesProblem = new QLabel(tank);
    tablesProblem->setObjectName(QStringLiteral("tablesProblem"));
    tablesProblem->setTextFormat(Qt::PlainText);
    tablesProblem->setWordWrap(true);
    tankForm->addRow(tablesProblem);
    tankName = new QLabel(tank);
    tankName->setObjectName(QStringLiteral("tankName"));
    tankName->setTextFormat(Qt::PlainText);
    tankForm->addRow(tr("Tank:"), tankName);
    gauged = new QCheckBox(tr("&Gauged from its table"), tank);
    gauged->setObjectName(QStringLiteral("gauged"));
    tankForm->addRow(gauged);
    table = new QComboBox(tank);
    table->setObjectName(QStringLiteral("table"));
    tankForm->addRow(tr("Ta&ble:"), table);
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const QByteArray name = "reading" + QByteArray::number(static_cast<int>(i + 1));
        readings[i] = addLine(tankForm, name.constData(), tr("Reading %1:").arg(i + 1));
    }
    referenceHeight = addLine(tankForm, "referenceHeight", tr("Reference &height:"));
    waterCut = addLine(tankForm, "waterCut", tr("&Water cut:"));
    sedimentWater = addLine(tankForm, "sedimentWater", tr("S&&W (%):"));
    ambientTemperature = addLine(tankForm, "ambientTemperature", tr("A&mbient temperature:"));
    roofGravity = addLine(tankForm, "roofGravity", tr("Roof: gravity at tank temperature:"));
    roofGravity->setPlaceholderText(tr("from the gravity at base"));
    roofDensity = addLine(tankForm, "roofDensity", tr("Roof: density in air at tank temperature:"));
    roofState = new QLabel(tank);
    roofState->setObjectName(QStringLiteral("roofState"));
    roofState->setTextFormat(Qt::PlainText);
    roofState->setWordWrap(true);
    tankForm->addRow(roofState);
    manual = new QLabel(tank);
    manual->setObjectName(QStringLiteral("manual"));
    manual->setTextFormat(Qt::PlainText);
    manual->setWordWrap(true);
    tankForm->addRow(manual);
    layout->addWidget(tank);
    layout->addStretch(1);
    scroll->setWidget(content);

    struct GaugeLine
    {
        QLineEdit *edit;
        std::string *(*field)(TankGauge &);
    };
    const GaugeLine lines[] = {
        {referenceHeight, [](TankGauge &g) { return &g.referenceHeight; }},
        {waterCut, [](TankGauge &g) { return &g.waterCut; }},
        {sedimentWater, [](TankGauge &g) { return &g.sedimentWater; }},
        {ambientTemperature, [](TankGauge &g) { return &g.ambientTemperature; }},
        {roofGravity, [](TankGauge &g) { return &g.roofGravity; }},
        {roofDensity, [](TankGauge &g) { return &g.roofDensity; }},
    };
    for (const GaugeLine &l : lines)
        connect(l.edit, &QLineEdit::editingFinished, this, [this, l] {
            const std::string text = l.edit->text().toStdString();
            editGauge(tr("Edit gauge"), [&](TankGauge &g) { *l.field(g) = text; });
        });
    for (std::size_t i = 0; i < readings.size(); ++i)
        connect(readings[i], &QLineEdit::editingFinished, this, [this, i] {
            const std::string text = readings[i]->text().toStdString();
            editGauge(tr("Edit reading"), [&](TankGauge &g) { g.readings[i] = text; });
        });
    connect(tankTables, &QComboBox::activated, this, &GaugedRowEditor::tankTables_Activated);
    connect(gauged, &QCheckBox::clicked, this, &GaugedRowEditor::gauged_Toggled);
    connect(table, &QComboBox::activated, this, &GaugedRowEditor::table_Activated);
    connect(m_store, &TankTableStore::changed, this, &GaugedRowEditor::fillTableDocuments);
    connect(m_model, &CargoReportModel::reportChanged, this, &GaugedRowEditor::refresh);

    m_store->reload();
    refresh();
}

QList<QWidget *> GaugedRowEditor::tabChain() const
{
    QList<QWidget *> chain{draftForward, draftAft, lbp, list, listSide, tankTables, gauged, table};
    for (QLineEdit *r : readings)
        chain << r;
    chain << referenceHeight << waterCut << sedimentWater << ambientTemperature << roofGravity << roofDensity;
    return chain;
}

void GaugedRowEditor::showEvent(QShowEvent *event)
{
    window()->installEventFilter(this); // once: a filter installed twice is kept once
    QWidget::showEvent(event);
}

bool GaugedRowEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window() && event->type() == QEvent::WindowActivate && m_document)
        m_document->refreshTables();
    return QWidget::eventFilter(watched, event);
}

QLineEdit *GaugedRowEditor::addLine(QFormLayout *form, const char *name, const QString &label)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    form->addRow(label, edit);
    return edit;
}

void GaugedRowEditor::setRow(int row)
{
    if (row == m_row)
        return;
    m_row = row;
    refresh();
}

const TankRow *GaugedRowEditor::currentRow() const
{
    if (!m_model || m_row < 0 || m_row >= static_cast<int>(m_model->report().rows.size()))
        return nullptr;
    return &m_model->report().rows[static_cast<std::size_t>(m_row)];
}

void GaugedRowEditor::fillTableDocuments()
{
    if (!m_document)
        return;
    const bool was = m_refreshing;
    m_refreshing = true;
    tankTables->clear();
    tankTables->addItem(tr("(none)"), QString());
    for (const TankTableFile *file : m_store->files())
        if (file->isReadable())
            tankTables->addItem(file->owner(), file->filePath());
    const QString path = m_document->tablesPath();
    int at = path.isEmpty() ? 0 : tankTables->findData(path);
    if (at < 0) {
        // A document the report names that is not among the user's: shown by its file name.
        tankTables->addItem(QFileInfo(path).fileName(), path);
        at = tankTables->count() - 1;
    }
    tankTables->setCurrentIndex(at);
    m_refreshing = was;
}

void GaugedRowEditor::fillTables()
{
    table->clear();
    table->addItem(tr("(the tank's name)"), QString());
    if (const TankTableDocument *doc = m_model ? m_model->tables() : nullptr)
        for (const TankTable &t : doc->tables)
            if (table->findData(QString::fromStdString(t.name)) < 0)
                table->addItem(QString::fromStdString(t.name), QString::fromStdString(t.name));
    const TankRow *row = currentRow();
    const QString chosen = row && row->gauge ? QString::fromStdString(row->gauge->table) : QString();
    int at = table->findData(chosen);
    if (at < 0) {
        table->addItem(chosen, chosen); // named by the report, not in the document
        at = table->count() - 1;
    }
    table->setCurrentIndex(at);
}

void GaugedRowEditor::refresh()
{
    if (!m_model || !m_document)
        return;
    m_refreshing = true;
    const CargoReport &report = m_model->report();
    const auto setText = [](QLineEdit *edit, const std::string &text) {
        const QString q = QString::fromStdString(text);
        if (edit->text() != q)
            edit->setText(q);
    };
    const ShipConditionText &c = report.condition;
    setText(draftForward, c.draftForward);
    setText(draftAft, c.draftAft);
    setText(lbp, c.lbp);
    setText(list, c.list);
    const int side = listSide->findData(QString::fromStdString(c.listSide));
    listSide->setCurrentIndex(side < 0 ? 0 : side);
    const ShipCondition condition = ConditionFromHeader(c, report.units);
    const std::string unit = report.units == UnitSystem::US ? "ft" : "m";
    trim->setText(condition.notice.empty() ? QString::fromStdString(TrimInWords(condition.conditions.trim, unit) +
                                                                    "; list " + ListInWords(condition.conditions.list))
                                           : QString::fromStdString(condition.notice));

    fillTableDocuments();
    tablesProblem->setText(m_document->tablesProblem());
    tablesProblem->setVisible(!m_document->tablesProblem().isEmpty());

    const TankRow *row = currentRow();
    tankName->setText(row ? QString::fromStdString(RowName(report, static_cast<std::size_t>(m_row))) : tr("(none)"));
    gauged->setEnabled(row != nullptr);
    gauged->setChecked(row && row->gauge);
    const bool on = row && row->gauge;
    const TankGauge empty;
    const TankGauge &g = on ? *row->gauge : empty;
    for (std::size_t i = 0; i < readings.size(); ++i)
        setText(readings[i], g.readings[i]);
    setText(referenceHeight, g.referenceHeight);
    setText(waterCut, g.waterCut);
    setText(sedimentWater, g.sedimentWater);
    setText(ambientTemperature, g.ambientTemperature);
    setText(roofGravity, g.roofGravity);
    setText(roofDensity, g.roofDensity);
    // The shore entries only for a shore tank's table (or one not found, to be typed ahead).
    const TankTable *found = nullptr;
    if (const TankTableDocument *doc = on ? m_model->tables() : nullptr) {
        const std::string name =
            g.table.empty() ? QString::fromStdString((*row)[TankColumn::Tank]).trimmed().toStdString() : g.table;
        for (const TankTable &t : doc->tables)
            if (t.name == name) {
                found = &t;
                break;
            }
    }
    const bool shore = on && (!found || found->kind == TankKind::Shore);
    for (QWidget *w : std::initializer_list<QWidget *>{table, referenceHeight, waterCut, sedimentWater})
        w->setEnabled(on);
    for (QWidget *w : std::initializer_list<QWidget *>{ambientTemperature, roofGravity, roofDensity})
        w->setEnabled(shore);
    for (QLineEdit *r : readings)
        r->setEnabled(on);
    roofState->setText(shore && found ? roofWords(*found, g) : QString());
    roofState->setVisible(!roofState->text().isEmpty());
    fillTables();

    if (!row)
        manual->clear();
    else if (!on)
        manual->setText(tr("Total observed volume typed: manual"));
    else if (g.tableSha256.empty())
        manual->setText(tr("Table version recorded when the report is saved"));
    else
        manual->setText(
            tr("Table version (SHA-256) %1...").arg(QString::fromStdString(g.tableSha256.substr(0, kHashDigitsShown))));
    m_refreshing = false;
}

QString GaugedRowEditor::roofWords(const TankTable &t, const TankGauge &gauge)
{
    if (!t.shore || !t.shore->roof)
        return {};
    std::vector<double> levels;
    try {
        for (const std::string &text : gauge.readings) {
            if (QString::fromStdString(text).trimmed().isEmpty())
                continue;
            const auto inches =
                t.levelUnit == LevelUnit::FeetInchesEighths ? ParseFeetInchesEighths(text) : std::nullopt;
            levels.push_back(inches ? *inches : ParseFieldNumber(text));
        }
    } catch (const CalcFault &) {
        return {};
    }
    const ReadingsAverage average = AverageReadings(levels, t.levelUnit);
    if (levels.empty() || average.stop)
        return {};
    const double innage = t.levelKind == LevelKind::Innage ? average.recorded : t.referenceHeight - average.recorded;
    switch (RoofStateAt(*t.shore->roof, innage)) {
    case RoofState::Floating:
        return tr("The roof floats: its correction applies");
    case RoofState::Resting:
        return tr("The roof rests on its legs: no roof figure");
    case RoofState::CriticalZone:
        return tr("The roof is in its critical zone: the tank cannot be gauged");
    }
    return {};
}

void GaugedRowEditor::editGauge(const QString &text, const std::function<void(TankGauge &)> &edit)
{
    if (!m_model || m_refreshing || !currentRow() || !currentRow()->gauge)
        return;
    const std::size_t row = static_cast<std::size_t>(m_row);
    m_model->change(text, [&](CargoReport &r) { edit(*r.rows[row].gauge); });
}

void GaugedRowEditor::tankTables_Activated(int index)
{
    if (!m_model)
        return;
    const std::string path = tankTables->itemData(index).toString().toStdString();
    m_model->change(tr("Tank tables"), [&](CargoReport &r) { r.tankTables = path; });
}

void GaugedRowEditor::gauged_Toggled(bool on)
{
    if (!m_model || !currentRow())
        return;
    const std::size_t row = static_cast<std::size_t>(m_row);
    m_model->change(on ? tr("Gauge tank") : tr("Type total observed volume"), [&](CargoReport &r) {
        if (on)
            r.rows[row].gauge = TankGauge{};
        else
            r.rows[row].gauge.reset();
    });
}

void GaugedRowEditor::table_Activated(int index)
{
    const std::string name = table->itemData(index).toString().toStdString();
    editGauge(tr("Tank table"), [&](TankGauge &g) {
        if (g.table != name)
            g.tableSha256.clear(); // another table: its version is recorded afresh
        g.table = name;
    });
}

} // namespace dravex
