// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/tanks/tank_extras_form.h"

#include "core/conventions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QVBoxLayout>

#include <algorithm>

namespace dravex {

namespace {

constexpr int kMaxColumn = 999;

// The caption as a problem names the field: without its mnemonic and colon.
QString fieldName(const QLineEdit *field)
{
    return field->accessibleName();
}

} // namespace

QFormLayout *addImportGroup(QVBoxLayout *column, const QString &title)
{
    auto *box = new QGroupBox(title, column->parentWidget());
    auto *form = new QFormLayout(box);
    // Narrow, a caption goes above its field.
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    column->addWidget(box);
    return form;
}

void addImportField(QFormLayout *form, const char *name, const QString &caption, QWidget *field)
{
    field->setObjectName(QLatin1String(name));
    // The caption, without its mnemonic and colon, is the field's accessible name.
    field->setAccessibleName(QString(caption).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    form->addRow(caption, field);
}

std::optional<std::vector<int>> parseImportColumns(const QString &text)
{
    std::vector<int> columns;
    for (const QString &part : text.split(QRegularExpression(QStringLiteral("[\\s,;]+")), Qt::SkipEmptyParts)) {
        const QStringList range = part.split(QLatin1Char('-'));
        bool okFirst = false;
        bool okLast = false;
        const int first = range.value(0).toInt(&okFirst);
        const int last = range.size() == 2 ? range[1].toInt(&okLast) : first;
        if (range.size() > 2 || !okFirst || (range.size() == 2 && !okLast) || first < 1 || last < first ||
            last > kMaxColumn)
            return std::nullopt;
        for (int c = first; c <= last; ++c)
            columns.push_back(c);
    }
    return columns;
}

std::optional<std::vector<double>> parseImportValues(const QString &text, bool decimalComma)
{
    const QRegularExpression separators(decimalComma ? QStringLiteral("[\\s;]+") : QStringLiteral("[\\s;,]+"));
    std::vector<double> values;
    for (QString part : text.split(separators, Qt::SkipEmptyParts)) {
        if (decimalComma)
            part.replace(QLatin1Char(','), QLatin1Char('.'));
        try {
            values.push_back(ParseFieldNumber(part.toStdString()));
        } catch (const CalcFault &) {
            return std::nullopt;
        }
    }
    return values;
}

void mergeImportIssues(std::vector<ImportIssue> &issues, const std::vector<ImportIssue> &more)
{
    for (const ImportIssue &issue : more)
        if (std::none_of(issues.begin(), issues.end(), [&issue](const ImportIssue &seen) {
                return seen.row == issue.row && seen.column == issue.column && seen.message == issue.message;
            }))
            issues.push_back(issue);
}

TankExtrasForm::TankExtrasForm(QWidget *parent) : QWidget(parent)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);

    QFormLayout *list = addImportGroup(column, tr("List corrections"));
    listcolumns = addLine(list, "listcolumns", tr("List columns:"), false);
    listcolumns->setPlaceholderText(tr("none, or for example 9-12"));
    listvalues = addLine(list, "listvalues", tr("Lists as printed:"), false);
    listvalues->setPlaceholderText(tr("degrees, for example -2 -1 1 2"));
    listsign = addChoice(list, "listsign", tr("Printed lists are positive:"),
                         {tr("to starboard positive"), tr("to port positive")});
    listtarget = addChoice(list, "listtarget", tr("List corrections to:"), {tr("the level"), tr("the volume")});

    QFormLayout *gauge = addImportGroup(column, tr("Gauge point and tank"));
    gaugeunit = new QLabel(this);
    gaugeunit->setObjectName(QStringLiteral("gaugeunit"));
    gaugeunit->setWordWrap(true);
    gauge->addRow(gaugeunit);
    gaugeoffset = addLine(gauge, "gaugeoffset", tr("Gauge point aft of centre:"));
    gaugeoffset->setPlaceholderText(tr("forward: negative"));
    gaugetransverse = addLine(gauge, "gaugetransverse", tr("Gauge point to starboard:"));
    gaugetransverse->setPlaceholderText(tr("to port: negative"));
    tanklength = addLine(gauge, "tanklength", tr("Tank length:"));
    tankwidth = addLine(gauge, "tankwidth", tr("Tank width:"));
    tankdepth = addLine(gauge, "tankdepth", tr("Tank depth:"));
    hatchtobulkhead = addLine(gauge, "hatchtobulkhead", tr("Gauge hatch to aft bulkhead:"));

    QFormLayout *shell = addImportGroup(column, tr("Shore tank shell"));
    shellref = addLine(shell, "shellref", tr("S&hell reference temperature:"));
    shellref->setText(QStringLiteral("60"));
    shellscale = addChoice(shell, "shellscale", tr("Temperature &scale:"), {tr("Fahrenheit"), tr("Celsius")});
    alpha = addLine(shell, "alpha", tr("Shell alpha per degree:"));
    insulated = new QCheckBox(tr("&Insulated"), this);
    insulated->setObjectName(QStringLiteral("insulated"));
    shell->addRow(insulated);

    QFormLayout *roof = addImportGroup(column, tr("Floating roof"));
    rooftype = addChoice(roof, "rooftype", tr("Floating roof:"),
                         {tr("none"), tr("table deducted the roof"), tr("table did not deduct the roof")});
    roofweight = addLine(roof, "roofweight", tr("Roof weight (kg or lb):"));
    roofgravity = addLine(roof, "roofgravity", tr("Roof deducted at gravity:"));
    roofscale = addChoice(roof, "roofscale", tr("Gravity scale:"), {tr("API"), tr("kg/m3")});
    roofrate = addLine(roof, "roofrate", tr("Volume per unit gravity:"));
    criticallow = addLine(roof, "criticallow", tr("Critical zone low (innage):"));
    criticalhigh = addLine(roof, "criticalhigh", tr("Critical zone high (innage):"));
    column->addStretch(1);

    for (QLineEdit *e : findChildren<QLineEdit *>())
        connect(e, &QLineEdit::textChanged, this, &TankExtrasForm::changed);
    for (QComboBox *c : findChildren<QComboBox *>())
        connect(c, &QComboBox::currentIndexChanged, this, &TankExtrasForm::changed);
    connect(insulated, &QCheckBox::toggled, this, &TankExtrasForm::changed);
    connect(rooftype, &QComboBox::currentIndexChanged, this, &TankExtrasForm::rooftype_Changed);
    connect(shellscale, &QComboBox::currentIndexChanged, this, &TankExtrasForm::shellscale_Changed);
    shellscale_Changed();
    setTank(TankKind::Ship, LevelUnit::Millimetres);
}

QComboBox *TankExtrasForm::addChoice(QFormLayout *form, const char *name, const QString &caption,
                                     const QStringList &items)
{
    auto *choice = new QComboBox(this);
    choice->addItems(items);
    addImportField(form, name, caption, choice);
    return choice;
}

QLineEdit *TankExtrasForm::addLine(QFormLayout *form, const char *name, const QString &caption, bool number)
{
    auto *line = new QLineEdit(this);
    if (number)
        line->setAlignment(Qt::AlignRight);
    addImportField(form, name, caption, line);
    return line;
}

QList<QWidget *> TankExtrasForm::tabChain() const
{
    return {listcolumns, listvalues, listsign,        listtarget, gaugeoffset, gaugetransverse, tanklength,
            tankwidth,   tankdepth,  hatchtobulkhead, shellref,   shellscale,  alpha,           insulated,
            rooftype,    roofweight, roofgravity,     roofscale,  roofrate,    criticallow,     criticalhigh};
}

void TankExtrasForm::setTank(TankKind kind, LevelUnit levelUnit)
{
    m_ship = kind == TankKind::Ship;
    for (QWidget *w : std::initializer_list<QWidget *>{listcolumns, listvalues, gaugeoffset, gaugetransverse,
                                                       tanklength, tankwidth, tankdepth, hatchtobulkhead})
        w->setEnabled(m_ship);
    // How the list columns read matters once there are some.
    const bool lists = m_ship && !listcolumns->text().trimmed().isEmpty();
    listsign->setEnabled(lists);
    listtarget->setEnabled(lists);
    for (QWidget *w : std::initializer_list<QWidget *>{shellref, shellscale, alpha, insulated, rooftype})
        w->setEnabled(!m_ship);
    gaugeunit->setText(levelUnit == LevelUnit::FeetInchesEighths
                           ? tr("Lengths in feet (the table is in feet and inches); blank: not known.")
                           : tr("Lengths in metres; blank: not known."));
    rooftype_Changed();
}

void TankExtrasForm::rooftype_Changed()
{
    const int type = m_ship ? 0 : rooftype->currentIndex();
    roofweight->setEnabled(type == 2);
    for (QWidget *w : std::initializer_list<QWidget *>{roofgravity, roofscale, roofrate})
        w->setEnabled(type == 1);
    criticallow->setEnabled(type != 0);
    criticalhigh->setEnabled(type != 0);
}

void TankExtrasForm::shellscale_Changed()
{
    // Blank, the shell is taken as mild steel: its figure on the scale is shown in its place.
    const double steel = shellscale->currentIndex() == 0 ? kMildSteelAlphaPerF : kMildSteelAlphaPerC;
    alpha->setPlaceholderText(QString::number(steel, 'f', QLocale::FloatingPointShortest));
}

void TankExtrasForm::read(TankTable &table, std::string_view text, const ImportMapping &mapping,
                          std::vector<ImportIssue> &issues) const
{
    if (m_ship) {
        readList(table, text, mapping, issues);
        readGeometry(table, issues);
    } else {
        readShore(table, issues);
    }
}

namespace {

void addError(std::vector<ImportIssue> &issues, const QString &text)
{
    issues.push_back({ImportIssue::Severity::Error, 0, 0, text.toStdString()});
}

// A number typed in field, or nothing when it is blank; a fault is an error naming the field.
std::optional<double> optionalNumber(const QLineEdit *field, std::vector<ImportIssue> &issues, bool &bad)
{
    const QString typed = field->text().trimmed();
    if (typed.isEmpty())
        return std::nullopt;
    try {
        return ParseFieldNumber(typed.toStdString());
    } catch (const CalcFault &) {
        addError(issues, TankExtrasForm::tr("%1: '%2' is not a number").arg(fieldName(field), field->text()));
        bad = true;
        return std::nullopt;
    }
}

// A number that must be there and more than 0 (or at least 0).
double positive(const QLineEdit *field, std::vector<ImportIssue> &issues, bool orZero = false)
{
    bool bad = false;
    const std::optional<double> x = optionalNumber(field, issues, bad);
    if (bad)
        return 0;
    if (!x)
        addError(issues, TankExtrasForm::tr("%1: give a number").arg(fieldName(field)));
    else if (orZero ? *x < 0 : *x <= 0)
        addError(issues, orZero
                             ? TankExtrasForm::tr("%1: '%2' is less than 0").arg(fieldName(field), field->text())
                             : TankExtrasForm::tr("%1: '%2' is not more than 0").arg(fieldName(field), field->text()));
    return x.value_or(0);
}

} // namespace

void TankExtrasForm::readList(TankTable &table, std::string_view text, const ImportMapping &mapping,
                              std::vector<ImportIssue> &issues) const
{
    const bool anyColumns = !listcolumns->text().trimmed().isEmpty();
    const bool anyValues = !listvalues->text().trimmed().isEmpty();
    if (!anyColumns && !anyValues)
        return;
    const std::optional<std::vector<int>> columns = parseImportColumns(listcolumns->text());
    const std::optional<std::vector<double>> lists = parseImportValues(listvalues->text(), mapping.decimalComma);
    if (!columns || columns->empty()) {
        addError(issues,
                 tr("%1: '%2' is not a list of column numbers").arg(fieldName(listcolumns), listcolumns->text()));
        return;
    }
    if (!lists || lists->empty()) {
        addError(issues, tr("%1: '%2' is not a list of numbers").arg(fieldName(listvalues), listvalues->text()));
        return;
    }
    if (lists->size() != columns->size()) {
        addError(issues, tr("%1: %2 list(s) for %n list column(s)", "", int(columns->size()))
                             .arg(fieldName(listvalues))
                             .arg(lists->size()));
        return;
    }
    if (text.empty())
        return;
    ImportMapping byList = mapping;
    byList.valueColumns.clear();
    for (int c : *columns)
        byList.valueColumns.push_back(c - 1);
    byList.columnValues = *lists;
    const ImportResult r = ImportTableGrid(text, byList);
    mergeImportIssues(issues, r.issues);
    ListCorrections corrections;
    corrections.target = listtarget->currentIndex() == 0 ? CorrectionTarget::Level : CorrectionTarget::Volume;
    corrections.convention =
        listsign->currentIndex() == 0 ? ListConvention::StarboardPositive : ListConvention::PortPositive;
    corrections.grid = r.grid;
    table.list = corrections;
}

void TankExtrasForm::readGeometry(TankTable &table, std::vector<ImportIssue> &issues) const
{
    bool bad = false;
    TankGeometry g;
    g.longitudinalOffset = optionalNumber(gaugeoffset, issues, bad);
    g.transverseOffset = optionalNumber(gaugetransverse, issues, bad);
    const std::initializer_list<const QLineEdit *> size{tanklength, tankwidth, tankdepth, hatchtobulkhead};
    QStringList missing;
    for (const QLineEdit *field : size)
        if (field->text().trimmed().isEmpty())
            missing << fieldName(field);
    if (missing.size() != 0 && missing.size() != qsizetype(size.size())) {
        // The wedge needs the whole tank: a part of its size is refused, not kept.
        addError(issues, tr("%1: give the tank's length, width, depth and hatch to aft bulkhead, all four or none")
                             .arg(missing.join(QStringLiteral(", "))));
    } else if (missing.isEmpty()) {
        const std::size_t before = issues.size();
        TankWedgeSize wedge;
        wedge.tankLength = positive(tanklength, issues);
        wedge.tankWidth = positive(tankwidth, issues);
        wedge.tankDepth = positive(tankdepth, issues);
        wedge.hatchToBulkhead = positive(hatchtobulkhead, issues, true);
        if (issues.size() == before && wedge.hatchToBulkhead > wedge.tankLength)
            addError(
                issues,
                tr("%1: '%2' lies beyond the tank's length").arg(fieldName(hatchtobulkhead), hatchtobulkhead->text()));
        g.wedge = wedge;
    }
    if (g.longitudinalOffset || g.transverseOffset || g.wedge)
        table.geometry = g;
}

void TankExtrasForm::readShore(TankTable &table, std::vector<ImportIssue> &issues) const
{
    ShoreTankData data;
    data.scale = shellscale->currentIndex() == 0 ? TemperatureScale::Fahrenheit : TemperatureScale::Celsius;
    data.insulated = insulated->isChecked();
    bool bad = false;
    if (const std::optional<double> t = optionalNumber(shellref, issues, bad))
        data.shellReferenceTemperature = *t;
    else if (!bad)
        addError(issues, tr("%1: give the temperature the table was calibrated at").arg(fieldName(shellref)));
    // A metal's expansion is some millionths per degree; more than a thousandth is a slip.
    data.alpha = optionalNumber(alpha, issues, bad);
    if (data.alpha && !(*data.alpha > 0 && *data.alpha <= 0.001))
        addError(issues, tr("%1: '%2' is not an expansion per degree (mild steel: %3)")
                             .arg(fieldName(alpha), alpha->text(), alpha->placeholderText()));

    const int type = rooftype->currentIndex();
    if (type != 0) {
        FloatingRoof roof;
        roof.tableDeducted = type == 1;
        if (roof.tableDeducted) {
            roof.scale = roofscale->currentIndex() == 0 ? GravityScale::Api : GravityScale::KgPerCubicMetre;
            roof.referenceGravity = positive(roofgravity, issues);
            roof.rate = positive(roofrate, issues, true);
        } else {
            roof.weight = positive(roofweight, issues);
        }
        // The critical zone is read as innages in the table's level unit.
        const auto innage = [&issues, &table](const QLineEdit *field) -> std::optional<double> {
            const std::string typed = field->text().trimmed().toStdString();
            std::optional<double> level;
            if (table.levelUnit == LevelUnit::FeetInchesEighths) {
                level = ParseFeetInchesEighths(typed);
            } else {
                try {
                    level = ParseFieldNumber(typed);
                } catch (const CalcFault &) {
                }
            }
            if (!level || *level < 0) {
                const std::string_view unit = LevelUnitName(table.levelUnit);
                addError(issues, tr("%1: '%2' is not an innage in %3")
                                     .arg(fieldName(field), field->text(),
                                          QString::fromUtf8(unit.data(), qsizetype(unit.size()))));
                return std::nullopt;
            }
            return level;
        };
        const std::optional<double> low = innage(criticallow);
        const std::optional<double> high = innage(criticalhigh);
        if (low && high && !(*low < *high))
            addError(issues, tr("%1: '%2' is not above the critical zone's low, '%3'")
                                 .arg(fieldName(criticalhigh), criticalhigh->text(), criticallow->text()));
        roof.criticalLow = low.value_or(0);
        roof.criticalHigh = high.value_or(0);
        data.roof = roof;
    }
    table.shore = data;
}

} // namespace dravex
