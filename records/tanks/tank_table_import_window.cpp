// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/tanks/tank_table_import_window.h"

#include "core/conventions.h"
#include "records/tanks/import_preview_model.h"
#include "records/tanks/tank_extras_form.h"
#include "records/tanks/tank_table_store.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QStringDecoder>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace dravex {

namespace {

// The largest file imported: a table of 20,000 rows and eight trims is about 2 MiB.
constexpr qint64 kMaxImportBytes = 64 * 1024 * 1024;
constexpr int kMaxColumn = 999;

char delimiterFor(int choice, const std::string &text)
{
    switch (choice) {
    case 1:
        return '\t';
    case 2:
        return ',';
    case 3:
        return ';';
    default:
        return DetectDelimiter(text);
    }
}

} // namespace

TankTableImportWindow::TankTableImportWindow(TankTableStore &store, Prompts &prompts, QWidget *parent)
    : QDialog(parent), m_store(store), m_prompts(prompts), m_preview(new ImportPreviewModel(this))
{
    setObjectName(QStringLiteral("TankTableImport"));
    setWindowTitle(tr("Import Tank Table"));

    // The fields scroll rather than push the window off a small screen at a large scale.
    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    // Narrow, the form's rows put their captions above their fields instead of scrolling
    // sideways.
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *fields = new QWidget(scroll);
    buildForm(fields);
    scroll->setWidget(fields);

    auto *right = new QWidget(this);
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    auto *sourceLabel = new QLabel(tr("&Text of the table (paste a block from a spreadsheet):"), right);
    sourceLabel->setWordWrap(true);
    source = new QPlainTextEdit(right);
    source->setObjectName(QStringLiteral("source"));
    source->setAccessibleName(tr("Text of the table"));
    source->setLineWrapMode(QPlainTextEdit::NoWrap);
    source->setTabChangesFocus(true);
    sourceLabel->setBuddy(source);
    auto *previewLabel = new QLabel(tr("Pre&view:"), right);
    preview = new QTableView(right);
    preview->setObjectName(QStringLiteral("preview"));
    preview->setAccessibleName(tr("Preview"));
    preview->setModel(m_preview);
    preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview->setTabKeyNavigation(false);
    previewLabel->setBuddy(preview);
    auto *problemsLabel = new QLabel(tr("Pro&blems:"), right);
    problems = new QListWidget(right);
    problems->setObjectName(QStringLiteral("problems"));
    problems->setAccessibleName(tr("Problems"));
    problemsLabel->setBuddy(problems);
    rightLayout->addWidget(sourceLabel);
    rightLayout->addWidget(source, 2);
    rightLayout->addWidget(previewLabel);
    rightLayout->addWidget(preview, 3);
    rightLayout->addWidget(problemsLabel);
    rightLayout->addWidget(problems, 1);

    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(scroll);
    splitter->addWidget(right);
    // The fields as wide as they ask for, the text and its preview take the rest.
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);

    summary = new QLabel(this);
    summary->setObjectName(QStringLiteral("summary"));
    summary->setWordWrap(true);
    ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(summary, 1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *page = new QVBoxLayout(this);
    page->addWidget(splitter, 1);
    page->addLayout(buttons);

    connect(fromfile, &QPushButton::clicked, this, &TankTableImportWindow::fromfile_Click);
    connect(fromclipboard, &QPushButton::clicked, this, &TankTableImportWindow::fromclipboard_Click);
    connect(owner, &QComboBox::activated, this, [this](int index) {
        // An owner chosen from the list is known as a vessel or a terminal already.
        ownerkind->setCurrentIndex(owner->itemData(index).toInt() == int(TableOwnerKind::Vessel) ? 0 : 1);
    });
    connect(ownerkind, &QComboBox::currentIndexChanged, this, &TankTableImportWindow::ownerkind_Changed);
    connect(ok, &QPushButton::clicked, this, &TankTableImportWindow::ok_Click);
    connect(&m_store, &TankTableStore::changed, this, &TankTableImportWindow::fillOwners);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(source, &QPlainTextEdit::textChanged, this, &TankTableImportWindow::check);
    for (QComboBox *c : {delimiter, owner, kind, levelkind, levelunit, volumeunit, layout, trimsign})
        connect(c, &QComboBox::currentIndexChanged, this, &TankTableImportWindow::check);
    connect(owner, &QComboBox::editTextChanged, this, &TankTableImportWindow::check);
    for (QLineEdit *e : {tankname, refheight, trimcolumns, trimvalues})
        connect(e, &QLineEdit::textChanged, this, &TankTableImportWindow::check);
    for (QSpinBox *s : {skiprows, levelcolumn, volumecolumn})
        connect(s, &QSpinBox::valueChanged, this, &TankTableImportWindow::check);
    connect(decimalcomma, &QCheckBox::toggled, this, &TankTableImportWindow::check);
    connect(extras, &TankExtrasForm::changed, this, &TankTableImportWindow::check);

    const QList<QWidget *> chain =
        QList<QWidget *>{fromfile,  fromclipboard, source,       delimiter,   skiprows,   decimalcomma, owner,
                         ownerkind, tankname,      kind,         levelkind,   refheight,  levelunit,    volumeunit,
                         layout,    levelcolumn,   volumecolumn, trimcolumns, trimvalues, trimsign} +
        extras->tabChain() + QList<QWidget *>{preview, problems, ok, cancel};
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);

    fillOwners();
    check();
    constexpr int kWidth = 1100;
    resize(kWidth, 700);
    // The fields get their width with room for the scroll bar beside them, as long as the
    // window is wide enough; a narrow one scrolls them.
    const int fieldsWidth = fields->sizeHint().width() + scroll->verticalScrollBar()->sizeHint().width() + 24;
    splitter->setSizes({fieldsWidth, kWidth - fieldsWidth});
    source->setFocus();
}

void TankTableImportWindow::buildForm(QWidget *host)
{
    auto *column = new QVBoxLayout(host);

    QFormLayout *from = addImportGroup(column, tr("Source"));
    fromfile = new QPushButton(tr("From &file..."), host);
    fromfile->setObjectName(QStringLiteral("fromfile"));
    fromclipboard = new QPushButton(tr("From c&lipboard"), host);
    fromclipboard->setObjectName(QStringLiteral("fromclipboard"));
    auto *sources = new QHBoxLayout;
    sources->addWidget(fromfile);
    sources->addWidget(fromclipboard);
    from->addRow(sources);
    delimiter = addChoice(from, "delimiter", tr("&Cells separated by:"),
                          {tr("Found in the text"), tr("Tab"), tr("Comma"), tr("Semicolon")});
    skiprows = addNumber(from, "skiprows", tr("&Heading lines:"), 0, 0);
    decimalcomma = new QCheckBox(tr("&Decimal commas (12,5)"), host);
    decimalcomma->setObjectName(QStringLiteral("decimalcomma"));
    from->addRow(decimalcomma);

    QFormLayout *tank = addImportGroup(column, tr("Tank"));
    owner = addChoice(tank, "owner", tr("&Vessel or terminal:"), {});
    owner->setEditable(true);
    owner->setInsertPolicy(QComboBox::NoInsert);
    ownerkind = addChoice(tank, "ownerkind", tr("Ve&ssel or terminal is a:"), {tr("Vessel"), tr("Terminal")});
    tankname = addLine(tank, "tankname", tr("Tan&k name:"));
    kind = addChoice(tank, "kind", tr("Tank &kind:"), {tr("Ship's tank"), tr("Shore tank")});
    levelkind = addChoice(tank, "levelkind", tr("Levels &are:"), {tr("Ullage"), tr("Innage")});
    refheight = addLine(tank, "refheight", tr("&Reference height:"));
    refheight->setAlignment(Qt::AlignRight);
    levelunit =
        addChoice(tank, "levelunit", tr("Level &unit:"), {tr("mm"), tr("cm"), tr("m"), tr("feet, inches and eighths")});
    volumeunit =
        addChoice(tank, "volumeunit", tr("V&olume unit:"), {tr("m3"), tr("barrels"), tr("litres"), tr("US gallons")});
    layout = addChoice(tank, "layout", tr("La&yout:"),
                       {tr("Level to volume"), tr("Volumes by trim"), tr("Level corrections by trim"),
                        tr("Volume corrections by trim")});

    QFormLayout *columns = addImportGroup(column, tr("Columns"));
    levelcolumn = addNumber(columns, "levelcolumn", tr("Le&vel column:"), 1, 1);
    volumecolumn = addNumber(columns, "volumecolumn", tr("Vol&ume column:"), 1, 2);
    trimcolumns = addLine(columns, "trimcolumns", tr("&Trim columns:"));
    trimcolumns->setPlaceholderText(tr("for example 3-8"));
    trimvalues = addLine(columns, "trimvalues", tr("Tri&ms as printed:"));
    trimvalues->setPlaceholderText(tr("for example -1 0 1 2 3 4"));
    trimsign = addChoice(columns, "trimsign", tr("Printed trims are &positive:"),
                         {tr("by the stern positive"), tr("by the head positive")});

    // List corrections, the gauge point and tank, the shore tank's shell and roof.
    extras = new TankExtrasForm(host);
    column->addWidget(extras);
    column->addStretch(1);
}

QComboBox *TankTableImportWindow::addChoice(QFormLayout *form, const char *name, const QString &caption,
                                            const QStringList &items)
{
    auto *choice = new QComboBox(form->parentWidget());
    choice->addItems(items);
    addImportField(form, name, caption, choice);
    return choice;
}

QLineEdit *TankTableImportWindow::addLine(QFormLayout *form, const char *name, const QString &caption)
{
    auto *line = new QLineEdit(form->parentWidget());
    addImportField(form, name, caption, line);
    return line;
}

QSpinBox *TankTableImportWindow::addNumber(QFormLayout *form, const char *name, const QString &caption, int least,
                                           int value)
{
    auto *number = new QSpinBox(form->parentWidget());
    number->setRange(least, kMaxColumn);
    number->setValue(value);
    addImportField(form, name, caption, number);
    return number;
}

void TankTableImportWindow::fillOwners()
{
    const QSignalBlocker quiet(owner);
    const QString typed = owner->currentText();
    owner->clear();
    for (const TankTableFile *file : m_store.files())
        if (file->isReadable())
            owner->addItem(file->owner(), int(file->tables().ownerKind));
    owner->setCurrentIndex(-1);
    owner->setEditText(typed);
}

void TankTableImportWindow::setOwner(TableOwnerKind kindOfOwner, const QString &name)
{
    ownerkind->setCurrentIndex(kindOfOwner == TableOwnerKind::Vessel ? 0 : 1);
    owner->setEditText(name);
}

void TankTableImportWindow::ownerkind_Changed()
{
    // A vessel's tanks are ship's tanks, a terminal's shore tanks, unless chosen otherwise.
    kind->setCurrentIndex(ownerkind->currentIndex());
}

void TankTableImportWindow::fromfile_Click()
{
    const QString path =
        m_prompts.openPath(this, tr("Import a tank table"), QString(), tr("Tables (*.csv *.tsv *.txt);;All files (*)"));
    if (path.isEmpty())
        return;
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_prompts.warn(this, windowTitle(), tr("Cannot open %1: %2").arg(name, file.errorString()));
        return;
    }
    const QByteArray bytes = file.read(kMaxImportBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        m_prompts.warn(this, windowTitle(), tr("Cannot read %1: %2").arg(name, file.errorString()));
        return;
    }
    if (bytes.size() > kMaxImportBytes) {
        m_prompts.warn(this, windowTitle(),
                       tr("Cannot read %1: larger than %2 MiB").arg(name).arg(kMaxImportBytes >> 20));
        return;
    }
    // UTF-8, else the single-byte text older spreadsheets write.
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    source->setPlainText(text);
    if (tankname->text().isEmpty())
        tankname->setText(QFileInfo(path).completeBaseName());
}

void TankTableImportWindow::fromclipboard_Click()
{
    const QString text = QApplication::clipboard()->text();
    if (text.isEmpty()) {
        m_prompts.warn(this, windowTitle(), tr("The clipboard holds no text to import"));
        return;
    }
    source->setPlainText(text);
}

void TankTableImportWindow::check()
{
    const bool gridLayout = layout->currentIndex() > 0;
    const bool evenKeel = layout->currentIndex() != 1;
    volumecolumn->setEnabled(evenKeel);
    trimcolumns->setEnabled(gridLayout);
    trimvalues->setEnabled(gridLayout);
    trimsign->setEnabled(gridLayout);
    const bool shore = kind->currentIndex() == 1;

    std::vector<ImportIssue> issues;
    const auto error = [&issues](const QString &text) {
        issues.push_back({ImportIssue::Severity::Error, 0, 0, text.toStdString()});
    };
    TankTable t;
    t.name = tankname->text().trimmed().toStdString();
    t.kind = shore ? TankKind::Shore : TankKind::Ship;
    t.levelKind = levelkind->currentIndex() == 0 ? LevelKind::Ullage : LevelKind::Innage;
    t.levelUnit = static_cast<LevelUnit>(levelunit->currentIndex());
    t.volumeUnit = static_cast<VolumeUnit>(volumeunit->currentIndex());
    t.layout = static_cast<TableLayout>(layout->currentIndex() + 1);
    t.trimConvention = trimsign->currentIndex() == 0 ? TrimConvention::SternPositive : TrimConvention::HeadPositive;
    extras->setTank(t.kind, t.levelUnit);

    if (owner->currentText().trimmed().isEmpty())
        error(tr("Vessel or terminal: give its name"));
    if (t.name.empty())
        error(tr("Tank name: give the tank's name"));
    const std::string height = refheight->text().trimmed().toStdString();
    std::optional<double> reference;
    if (t.levelUnit == LevelUnit::FeetInchesEighths) {
        reference = ParseFeetInchesEighths(height);
    } else {
        try {
            reference = ParseFieldNumber(height);
        } catch (const CalcFault &) {
        }
    }
    const std::string_view unit = LevelUnitName(t.levelUnit);
    const QString unitName = QString::fromUtf8(unit.data(), qsizetype(unit.size()));
    if (!reference || *reference < 0)
        error(tr("Reference height: '%1' is not a length in %2").arg(refheight->text(), unitName));
    else
        t.referenceHeight = *reference;

    const std::string text = source->toPlainText().toStdString();
    ImportMapping mapping;
    mapping.delimiter = delimiterFor(delimiter->currentIndex(), text);
    mapping.skipRows = skiprows->value();
    mapping.levelColumn = levelcolumn->value() - 1;
    mapping.levelUnit = t.levelUnit;
    mapping.decimalComma = decimalcomma->isChecked();

    const bool hasText = !source->toPlainText().trimmed().isEmpty();
    const auto take = [&issues](const ImportResult &r) { mergeImportIssues(issues, r.issues); };
    if (hasText && evenKeel) {
        ImportMapping single = mapping;
        single.valueColumns = {volumecolumn->value() - 1};
        const ImportResult r = ImportTableGrid(text, single);
        take(r);
        t.evenKeel = r.grid;
    }
    if (hasText && gridLayout) {
        const std::optional<std::vector<int>> columns = parseImportColumns(trimcolumns->text());
        const std::optional<std::vector<double>> trims = parseImportValues(trimvalues->text(), mapping.decimalComma);
        if (!columns || columns->empty())
            error(tr("Trim columns: '%1' is not a list of column numbers").arg(trimcolumns->text()));
        if (!trims || trims->empty())
            error(tr("Trims as printed: '%1' is not a list of numbers").arg(trimvalues->text()));
        if (columns && trims && !columns->empty() && !trims->empty()) {
            ImportMapping byTrim = mapping;
            for (int c : *columns)
                byTrim.valueColumns.push_back(c - 1);
            byTrim.columnValues = *trims;
            const ImportResult r = ImportTableGrid(text, byTrim);
            take(r);
            t.trim = r.grid;
        }
    }
    extras->read(t, hasText ? std::string_view(text) : std::string_view(), mapping, issues);
    const bool errors = std::any_of(issues.begin(), issues.end(),
                                    [](const ImportIssue &i) { return i.severity == ImportIssue::Severity::Error; });
    if (hasText && !errors)
        if (const std::string fault = CheckTankTable(t); !fault.empty())
            error(QString::fromStdString(fault));
    if (hasText && mapping.decimalComma)
        issues.push_back({ImportIssue::Severity::Warning, 0, 0,
                          tr("Numbers are read with decimal commas: 1.234,5 is 1234.5").toStdString()});

    m_preview->setText(source->toPlainText(), mapping.delimiter, issues);
    problems->clear();
    int errorCount = 0;
    int noticeCount = 0;
    for (const ImportIssue &issue : issues) {
        const QString message = QString::fromStdString(issue.message);
        if (issue.severity == ImportIssue::Severity::Error) {
            ++errorCount;
            problems->addItem(tr("Error: %1").arg(message));
        } else {
            ++noticeCount;
            problems->addItem(tr("Notice: %1").arg(message));
        }
    }
    const bool keep = hasText && errorCount == 0;
    const int levels = int((evenKeel ? t.evenKeel : t.trim).levels.size());
    m_table = keep ? std::optional<TankTable>(std::move(t)) : std::nullopt;
    ok->setEnabled(keep);
    if (!hasText)
        summary->setText(tr("Open a file, paste from the clipboard or type the table."));
    else if (errorCount > 0)
        summary->setText(tr("%n error(s) to put right before the table can be kept.", "", errorCount));
    else
        summary->setText(tr("%n level(s) read; %1.", "", levels).arg(tr("%n notice(s)", "", noticeCount)));
}

void TankTableImportWindow::ok_Click()
{
    if (!m_table)
        return;
    const TableOwnerKind kindOfOwner =
        ownerkind->currentIndex() == 0 ? TableOwnerKind::Vessel : TableOwnerKind::Terminal;
    QString error;
    TankTableFile *file = m_store.fileFor(kindOfOwner, owner->currentText(), &error);
    if (!file || !file->addTable(*m_table, &error)) {
        m_prompts.warn(this, windowTitle(), error);
        return;
    }
    accept();
}

} // namespace dravex
