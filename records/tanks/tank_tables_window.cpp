// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/tanks/tank_tables_window.h"

#include "records/tanks/table_grid_model.h"
#include "records/tanks/tank_table_import_window.h"
#include "records/tanks/tank_table_store.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cmath>

namespace dravex {

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kTableRole = Qt::UserRole + 1;
// Characters of the SHA-256 shown as a table's version; the whole hash is its tool tip.
constexpr int kShortHash = 12;

enum Part { kEvenKeel, kTrim, kList };

QString toText(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QString number(double x)
{
    return QString::number(x, 'f', QLocale::FloatingPointShortest);
}

// What a kept table holds, in a line: its layout, and the list corrections, gauge point and
// tank size, shell and floating roof where it has them.
QString contents(const TankTable &t)
{
    QStringList held;
    switch (t.layout) {
    case TableLayout::LevelToVolume:
        held << TankTablesWindow::tr("layout 1, level to volume");
        break;
    case TableLayout::TrimVolumeGrid:
        held << TankTablesWindow::tr("layout 2, volumes by trim");
        break;
    case TableLayout::TrimLevelCorrection:
        held << TankTablesWindow::tr("layout 3, level corrections by trim");
        break;
    case TableLayout::TrimVolumeCorrection:
        held << TankTablesWindow::tr("layout 4, volume corrections by trim");
        break;
    }
    if (t.list)
        held << (t.list->target == CorrectionTarget::Level ? TankTablesWindow::tr("list corrections to the level")
                                                           : TankTablesWindow::tr("list corrections to the volume"));
    if (t.geometry) {
        const QString length = t.levelUnit == LevelUnit::FeetInchesEighths ? QStringLiteral("ft") : QStringLiteral("m");
        const TankGeometry &g = *t.geometry;
        if (const std::optional<double> d = g.longitudinalOffset)
            held << (*d < 0 ? TankTablesWindow::tr("gauge point %1 %2 forward of the tank's centre")
                            : TankTablesWindow::tr("gauge point %1 %2 aft of the tank's centre"))
                        .arg(number(std::fabs(*d)), length);
        if (const std::optional<double> e = g.transverseOffset)
            held << (*e < 0 ? TankTablesWindow::tr("gauge point %1 %2 to port of the centre line")
                            : TankTablesWindow::tr("gauge point %1 %2 to starboard of the centre line"))
                        .arg(number(std::fabs(*e)), length);
        if (g.wedge)
            held << TankTablesWindow::tr("tank size for the wedge");
    }
    if (t.shore) {
        const QString scale =
            t.shore->scale == TemperatureScale::Fahrenheit ? QStringLiteral("F") : QStringLiteral("C");
        held << (t.shore->alpha
                     ? TankTablesWindow::tr("shell alpha %1 per degree %2").arg(number(*t.shore->alpha), scale)
                     : TankTablesWindow::tr("shell alpha %1 per degree %2 (mild steel)")
                           .arg(number(ShellAlpha(*t.shore)), scale));
        if (const std::optional<FloatingRoof> &roof = t.shore->roof)
            held << (roof->tableDeducted
                         ? TankTablesWindow::tr("floating roof deducted by the table at %1 %2")
                               .arg(number(roof->referenceGravity),
                                    roof->scale == GravityScale::Api ? QStringLiteral("API") : QStringLiteral("kg/m3"))
                         : TankTablesWindow::tr("floating roof of %1 not deducted").arg(number(roof->weight)));
    }
    return TankTablesWindow::tr("Holds %1.").arg(held.join(QStringLiteral("; ")));
}

} // namespace

TankTablesWindow::TankTablesWindow(TankTableStore &store, Prompts &prompts, QWidget *parent)
    : QWidget(parent, Qt::Window), m_store(store), m_prompts(prompts), m_grid(new TableGridModel(this))
{
    setObjectName(QStringLiteral("TankTables"));
    setWindowTitle(tr("Tank Tables"));

    auto *left = new QWidget(this);
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    auto *tablesLabel = new QLabel(tr("&Vessels, terminals and tanks:"), left);
    tables = new QTreeWidget(left);
    tables->setObjectName(QStringLiteral("tables"));
    tables->setAccessibleName(tr("Vessels, terminals and tanks"));
    tables->setHeaderLabels({tr("Name"), tr("Table"), tr("Version")});
    tables->setRootIsDecorated(true);
    tables->setUniformRowHeights(true);
    tables->header()->setStretchLastSection(true);
    tablesLabel->setBuddy(tables);
    leftLayout->addWidget(tablesLabel);
    leftLayout->addWidget(tables, 1);

    auto *right = new QWidget(this);
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    auto *partRow = new QHBoxLayout;
    auto *partLabel = new QLabel(tr("&Show:"), right);
    part = new QComboBox(right);
    part->setObjectName(QStringLiteral("part"));
    part->setAccessibleName(tr("Show"));
    part->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    partLabel->setBuddy(part);
    partRow->addWidget(partLabel);
    partRow->addWidget(part, 1);
    rightLayout->addLayout(partRow);
    details = new QLabel(right);
    details->setObjectName(QStringLiteral("details"));
    details->setTextFormat(Qt::PlainText); // names typed by users
    details->setWordWrap(true);
    rightLayout->addWidget(details);
    grid = new QTableView(right);
    grid->setObjectName(QStringLiteral("grid"));
    grid->setAccessibleName(tr("Table"));
    grid->setModel(m_grid);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setTabKeyNavigation(false);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    rightLayout->addWidget(grid, 1);

    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    splitter->setChildrenCollapsible(false);

    import1 = new QPushButton(tr("&Import..."), this);
    import1->setObjectName(QStringLiteral("import1"));
    rename1 = new QPushButton(tr("Re&name..."), this);
    rename1->setObjectName(QStringLiteral("rename1"));
    delete1 = new QPushButton(tr("&Delete..."), this);
    delete1->setObjectName(QStringLiteral("delete1"));
    close1 = new QPushButton(tr("&Close"), this);
    close1->setObjectName(QStringLiteral("close1"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(import1);
    buttons->addWidget(rename1);
    buttons->addWidget(delete1);
    buttons->addStretch(1);
    buttons->addWidget(close1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);

    // The keys of the buttons beside their mnemonics: Delete in the list, the platform's
    // Close.
    auto *deleteKey = new QAction(this);
    deleteKey->setObjectName(QStringLiteral("deleteKey"));
    deleteKey->setShortcut(QKeySequence::Delete);
    deleteKey->setShortcutContext(Qt::WidgetShortcut);
    tables->addAction(deleteKey);
    auto *closeKey = new QAction(this);
    closeKey->setObjectName(QStringLiteral("closeKey"));
    closeKey->setShortcuts(QKeySequence::Close);
    closeKey->setShortcutContext(Qt::WindowShortcut);
    addAction(closeKey);

    connect(import1, &QPushButton::clicked, this, &TankTablesWindow::import1_Click);
    connect(rename1, &QPushButton::clicked, this, &TankTablesWindow::rename1_Click);
    connect(delete1, &QPushButton::clicked, this, &TankTablesWindow::delete1_Click);
    connect(deleteKey, &QAction::triggered, this, &TankTablesWindow::delete1_Click);
    connect(close1, &QPushButton::clicked, this, &QWidget::close);
    connect(closeKey, &QAction::triggered, this, &QWidget::close);
    connect(tables, &QTreeWidget::currentItemChanged, this, &TankTablesWindow::tables_CurrentChanged);
    connect(part, &QComboBox::currentIndexChanged, this, &TankTablesWindow::part_Changed);
    connect(&m_store, &TankTableStore::changed, this, &TankTablesWindow::refreshList);

    const QList<QWidget *> chain{tables, part, grid, import1, rename1, delete1, close1};
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);

    m_store.reload();
    resize(1000, 620);
    tables->setFocus();
}

void TankTablesWindow::refreshList()
{
    int keptTable = -1;
    const TankTableFile *kept = currentFile(&keptTable);
    const QString keptPath = kept ? kept->filePath() : QString();

    tables->clear();
    for (const TankTableFile *file : m_store.files()) {
        auto *owner = new QTreeWidgetItem(tables);
        owner->setData(0, kPathRole, file->filePath());
        owner->setData(0, kTableRole, -1);
        if (!file->isReadable()) {
            owner->setText(0, QFileInfo(file->filePath()).fileName());
            owner->setText(1, file->problem());
            owner->setToolTip(1, file->problem());
            continue;
        }
        const TankTableDocument &doc = file->tables();
        owner->setText(0, file->owner());
        owner->setText(1, doc.ownerKind == TableOwnerKind::Vessel
                              ? tr("Vessel, %n table(s)", "", int(doc.tables.size()))
                              : tr("Terminal, %n table(s)", "", int(doc.tables.size())));
        for (std::size_t i = 0; i < doc.tables.size(); ++i) {
            const TankTable &t = doc.tables[i];
            auto *item = new QTreeWidgetItem(owner);
            item->setData(0, kPathRole, file->filePath());
            item->setData(0, kTableRole, int(i));
            item->setText(0, QString::fromStdString(t.name));
            const QString kind = t.kind == TankKind::Ship ? tr("ship") : tr("shore");
            const QString level = t.levelKind == LevelKind::Ullage ? tr("ullage") : tr("innage");
            item->setText(
                1, tr("%1, %2 in %3, %4")
                       .arg(kind, level, toText(LevelUnitName(t.levelUnit)), toText(VolumeUnitName(t.volumeUnit))));
            const QString hash = file->hash(int(i));
            item->setText(2, hash.left(kShortHash));
            item->setToolTip(2, tr("SHA-256 %1").arg(hash));
        }
        owner->setExpanded(true);
    }
    tables->resizeColumnToContents(0);
    tables->resizeColumnToContents(1);
    selectAfterRefresh(keptPath, keptTable);
}

void TankTablesWindow::selectAfterRefresh(const QString &path, int table)
{
    QTreeWidgetItem *found = nullptr;
    for (int i = 0; i < tables->topLevelItemCount() && !found; ++i) {
        QTreeWidgetItem *owner = tables->topLevelItem(i);
        if (owner->data(0, kPathRole).toString() != path)
            continue;
        found = owner;
        for (int j = 0; j < owner->childCount(); ++j)
            if (owner->child(j)->data(0, kTableRole).toInt() == table)
                found = owner->child(j);
    }
    if (!found && tables->topLevelItemCount() > 0)
        found = tables->topLevelItem(0);
    tables->setCurrentItem(found);
    tables_CurrentChanged();
}

TankTableFile *TankTablesWindow::currentFile(int *table) const
{
    const QTreeWidgetItem *item = tables->currentItem();
    if (!item)
        return nullptr;
    const QString path = item->data(0, kPathRole).toString();
    for (TankTableFile *file : m_store.files()) {
        if (file->filePath() != path)
            continue;
        if (table)
            *table = item->data(0, kTableRole).toInt();
        return file;
    }
    return nullptr;
}

const TankTable *TankTablesWindow::currentTable() const
{
    int table = -1;
    const TankTableFile *file = currentFile(&table);
    if (!file || !file->isReadable() || table < 0 || std::size_t(table) >= file->tables().tables.size())
        return nullptr;
    return &file->tables().tables[std::size_t(table)];
}

void TankTablesWindow::tables_CurrentChanged()
{
    const TankTable *t = currentTable();
    const QSignalBlocker quiet(part);
    part->clear();
    if (t) {
        switch (t->layout) {
        case TableLayout::LevelToVolume:
            part->addItem(tr("Volumes"), kEvenKeel);
            break;
        case TableLayout::TrimVolumeGrid:
            part->addItem(tr("Volumes by trim"), kTrim);
            break;
        case TableLayout::TrimLevelCorrection:
            part->addItem(tr("Volumes at even keel"), kEvenKeel);
            part->addItem(tr("Level corrections by trim"), kTrim);
            break;
        case TableLayout::TrimVolumeCorrection:
            part->addItem(tr("Volumes at even keel"), kEvenKeel);
            part->addItem(tr("Volume corrections by trim"), kTrim);
            break;
        }
        if (t->list)
            part->addItem(t->list->target == CorrectionTarget::Level ? tr("Level corrections by list")
                                                                     : tr("Volume corrections by list"),
                          kList);
    }
    part->setEnabled(t != nullptr);
    int table = -1;
    const TankTableFile *file = currentFile(&table);
    rename1->setEnabled(file && file->isReadable());
    delete1->setEnabled(file != nullptr);
    part_Changed();
}

void TankTablesWindow::part_Changed()
{
    const TankTable *t = currentTable();
    if (!t || part->currentIndex() < 0) {
        m_grid->clear();
        int table = -1;
        const TankTableFile *file = currentFile(&table);
        details->setText(file && !file->isReadable() ? file->problem() : QString());
        return;
    }
    const QString levelUnit = toText(LevelUnitName(t->levelUnit));
    const QString volumeUnit = toText(VolumeUnitName(t->volumeUnit));
    const QString levelHeading =
        t->levelKind == LevelKind::Ullage ? tr("Ullage (%1)").arg(levelUnit) : tr("Innage (%1)").arg(levelUnit);
    // Trims are printed in the drafts' length: feet beside feet-and-inches levels, else metres.
    const std::string_view length = t->levelUnit == LevelUnit::FeetInchesEighths ? "ft" : "m";
    QStringList headings;
    const TableGrid *shown = nullptr;
    switch (part->currentData().toInt()) {
    case kEvenKeel:
        shown = &t->evenKeel;
        headings << tr("Volume (%1)").arg(volumeUnit);
        break;
    case kTrim:
        shown = &t->trim;
        for (double printed : t->trim.columns) {
            const double trim = t->trimConvention == TrimConvention::SternPositive ? printed : -printed;
            headings << QString::fromStdString(TrimInWords(trim, length));
        }
        break;
    case kList:
        shown = &t->list->grid;
        for (double printed : t->list->grid.columns) {
            const double list = t->list->convention == ListConvention::StarboardPositive ? printed : -printed;
            headings << QString::fromStdString(ListInWords(list));
        }
        break;
    }
    m_grid->setGrid(*shown, t->levelUnit, levelHeading, headings);
    grid->resizeColumnsToContents();

    QString what;
    switch (part->currentData().toInt()) {
    case kEvenKeel:
        what = tr("Volumes in %1.").arg(volumeUnit);
        break;
    case kTrim:
        what = t->layout == TableLayout::TrimVolumeGrid        ? tr("Volumes in %1.").arg(volumeUnit)
               : t->layout == TableLayout::TrimLevelCorrection ? tr("Corrections to the level in %1.").arg(levelUnit)
                                                               : tr("Corrections to the volume in %1.").arg(volumeUnit);
        what += QLatin1Char(' ') + (t->trimConvention == TrimConvention::SternPositive
                                        ? tr("The table prints trims by the stern positive.")
                                        : tr("The table prints trims by the head positive."));
        break;
    case kList:
        what = t->list->target == CorrectionTarget::Level ? tr("Corrections to the level in %1.").arg(levelUnit)
                                                          : tr("Corrections to the volume in %1.").arg(volumeUnit);
        break;
    }
    details->setText(tr("%1: reference height %2. %3 %4")
                         .arg(QString::fromStdString(t->name),
                              QString::fromStdString(FormatLevel(t->referenceHeight, t->levelUnit)), what,
                              contents(*t)));
}

void TankTablesWindow::import1_Click()
{
    if (!m_import) {
        m_import = new TankTableImportWindow(m_store, m_prompts);
        m_import->setAttribute(Qt::WA_DeleteOnClose);
    }
    if (const TankTableFile *file = currentFile(); file && file->isReadable())
        m_import->setOwner(file->tables().ownerKind, file->owner());
    m_import->show();
    m_import->raise();
    m_import->activateWindow();
}

void TankTablesWindow::rename1_Click()
{
    int table = -1;
    TankTableFile *file = currentFile(&table);
    if (!file)
        return;
    if (!file->isReadable()) {
        m_prompts.warn(this, windowTitle(), file->problem());
        return;
    }
    QString error;
    bool done = false;
    if (table < 0) {
        const std::optional<QString> name =
            m_prompts.askText(this, tr("Rename"), tr("New name of %1:").arg(file->owner()), file->owner());
        if (!name)
            return;
        const TankTableFile *other = m_store.find(file->tables().ownerKind, *name);
        if (other && other != file)
            error = tr("There are tables of %1 already").arg(name->trimmed());
        else
            done = file->renameOwner(*name, &error);
    } else {
        const QString current = QString::fromStdString(file->tables().tables[std::size_t(table)].name);
        const std::optional<QString> name =
            m_prompts.askText(this, tr("Rename"), tr("New name of tank %1:").arg(current), current);
        if (!name)
            return;
        done = file->renameTable(table, *name, &error);
    }
    if (!done)
        m_prompts.warn(this, windowTitle(), error);
}

void TankTablesWindow::delete1_Click()
{
    int table = -1;
    TankTableFile *file = currentFile(&table);
    if (!file)
        return;
    const QString fileName = QFileInfo(file->filePath()).fileName();
    QString error;
    if (!file->isReadable()) {
        if (m_prompts.confirm(this, tr("Delete"),
                              tr("Delete the file %1, which cannot be read?\n%2").arg(fileName, file->problem())) &&
            !m_store.remove(file, &error))
            m_prompts.warn(this, windowTitle(), error);
        return;
    }
    if (table < 0) {
        const int count = int(file->tables().tables.size());
        if (m_prompts.confirm(
                this, tr("Delete"),
                tr("Delete %1 and its %n table(s)? The file %2 is deleted.", "", count).arg(file->owner(), fileName)) &&
            !m_store.remove(file, &error))
            m_prompts.warn(this, windowTitle(), error);
        return;
    }
    const TankTable &t = file->tables().tables[std::size_t(table)];
    const QString version = file->hash(table).left(kShortHash);
    if (!m_prompts.confirm(this, tr("Delete"),
                           tr("Delete the table of tank %1 (version %2) of %3?")
                               .arg(QString::fromStdString(t.name), version, file->owner())))
        return;
    if (!file->removeTable(table, &error))
        m_prompts.warn(this, windowTitle(), error);
}

} // namespace dravex
