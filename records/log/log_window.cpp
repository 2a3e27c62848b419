// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/log/log_window.h"

#include "core/calculations.h"
#include "records/log/calculation_log.h"
#include "records/paper/atomic_file.h"
#include "screens/screen.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace dravex {

LogModel::LogModel(QObject *parent) : QAbstractTableModel(parent) {}

void LogModel::setStore(LogStore *store)
{
    m_store = store;
    reload();
}

void LogModel::setFilter(const LogFilter &filter)
{
    m_filter = filter;
    reload();
}

QList<LogRow> LogModel::read(qint64 beforeId, int limit)
{
    LogStatus status;
    QList<LogRow> rows = m_store->page(m_filter, beforeId, limit, &status);
    if (!status.ok())
        emit readFailed(status);
    return rows;
}

void LogModel::reload()
{
    beginResetModel();
    m_rows.clear();
    m_atEnd = !m_store;
    endResetModel();
    if (m_store) {
        const QList<LogRow> rows = read(0, kPageSize);
        // A failed read may have taken the store away.
        if (!m_store)
            return;
        beginResetModel();
        m_rows = rows;
        m_atEnd = m_rows.size() < kPageSize;
        endResetModel();
    }
}

void LogModel::refresh()
{
    if (!m_store || m_rows.isEmpty()) {
        reload();
        return;
    }
    const QList<LogRow> newest = read(0, kPageSize);
    if (!m_store)
        return;
    qsizetype added = 0;
    while (added < newest.size() && newest[added].id > m_rows.front().id)
        ++added;
    // More new entries than a page: they no longer join up with those listed.
    if (added == kPageSize) {
        reload();
        return;
    }
    if (added == 0)
        return;
    // Inserted above: the rows selected stay selected.
    beginInsertRows({}, 0, int(added - 1));
    m_rows = newest.first(added) + m_rows;
    endInsertRows();
}

qint64 LogModel::idAt(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows[row].id : 0;
}

int LogModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int LogModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LogModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const LogRow &row = m_rows[index.row()];
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        switch (index.column()) {
        case When:
            return ShownStamp(row.at);
        case Window:
            return row.title;
        case Table:
            return TableOf(row.title);
        case Vessel:
            return row.vessel;
        case Voyage:
            return row.voyage;
        case Summary:
            return row.summary;
        case Stopped:
            return row.stopped ? tr("stopped") : QString();
        }
    }
    return {};
}

QVariant LogModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case When:
        return tr("Date and time");
    case Window:
        return tr("Window");
    case Table:
        return tr("Table");
    case Vessel:
        return tr("Vessel");
    case Voyage:
        return tr("Voyage");
    case Summary:
        return tr("Inputs and results");
    case Stopped:
        return tr("Stopped");
    }
    return {};
}

bool LogModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && !m_atEnd;
}

void LogModel::fetchMore(const QModelIndex &parent)
{
    if (parent.isValid() || m_atEnd || !m_store)
        return;
    const QList<LogRow> more = read(m_rows.isEmpty() ? 0 : m_rows.back().id, kPageSize);
    if (!m_store)
        return;
    m_atEnd = more.size() < kPageSize;
    if (more.isEmpty())
        return;
    beginInsertRows({}, int(m_rows.size()), int(m_rows.size() + more.size() - 1));
    m_rows += more;
    endInsertRows();
}

bool OpenInItsWindow(ScreenHost &host, const CalcRecord &record)
{
    QWidget *window = host.showWindow(record.window);
    if (!window)
        return false;
    QStringList inputs;
    QStringList names;
    QStringList texts;
    for (const auto *list : {&record.inputs, &record.options})
        for (const RecordField &f : *list) {
            names << f.field;
            texts << f.text;
            if (list == &record.inputs)
                inputs << f.field;
        }
    // A calculating window puts them back itself, clearing what it showed of others.
    if (window->metaObject()->indexOfMethod("restoreEntry(QStringList,QStringList)") >= 0) {
        QMetaObject::invokeMethod(window, "restoreEntry", Q_ARG(QStringList, names), Q_ARG(QStringList, texts));
    } else {
        for (qsizetype i = 0; i < names.size(); ++i) {
            if (auto *field = window->findChild<QLineEdit *>(names[i])) {
                field->setText(texts[i]);
            } else if (auto *button = window->findChild<QAbstractButton *>(names[i]); button && button->isCheckable()) {
                if (!texts[i].isEmpty())
                    button->setChecked(true);
            } else if (auto *list = window->findChild<QListWidget *>(names[i])) {
                const QList<QListWidgetItem *> items = list->findItems(texts[i], Qt::MatchExactly);
                if (!items.isEmpty())
                    list->setCurrentItem(items.front());
            }
        }
    }
    // The control that computes: the window's calculation started from one of these inputs.
    QString trigger;
    const std::string name = record.window.toStdString();
    for (const Calculation &c : AllCalculations()) {
        if (c.form->name != name)
            continue;
        const QString candidate = QString::fromUtf8(c.trigger.data(), qsizetype(c.trigger.size()));
        if (trigger.isEmpty() || inputs.contains(candidate))
            trigger = candidate;
    }
    if (trigger.isEmpty() && !inputs.isEmpty())
        trigger = inputs.back();
    if (QWidget *target = trigger.isEmpty() ? nullptr : window->findChild<QWidget *>(trigger))
        target->setFocus(Qt::OtherFocusReason);
    return true;
}

LogWindow::LogWindow(ScreenHost &host, CalculationLog &log, QWidget *parent)
    : QWidget(parent, Qt::Window), m_host(host), m_log(log), m_model(new LogModel(this))
{
    setObjectName(QStringLiteral("LogWindow"));
    setWindowTitle(tr("Calculation Log"));

    m_window = new QComboBox(this);
    m_window->setObjectName(QStringLiteral("logWindowFilter"));
    m_window->setAccessibleName(tr("Window"));
    m_window->addItem(tr("All windows"), QString());
    m_vessel = new QComboBox(this);
    m_vessel->setObjectName(QStringLiteral("logVesselFilter"));
    m_vessel->setAccessibleName(tr("Vessel"));
    m_vessel->addItem(tr("All vessels"), QString());
    m_voyage = new QComboBox(this);
    m_voyage->setObjectName(QStringLiteral("logVoyageFilter"));
    m_voyage->setAccessibleName(tr("Voyage"));
    m_voyage->addItem(tr("All voyages"), QString());
    m_voyage->setEnabled(false);
    m_fromOn = new QCheckBox(tr("&From"), this);
    m_fromOn->setObjectName(QStringLiteral("logFromOn"));
    m_from = new QDateEdit(QDate::currentDate(), this);
    m_from->setObjectName(QStringLiteral("logFrom"));
    m_from->setAccessibleName(tr("From date"));
    m_from->setCalendarPopup(true);
    m_from->setEnabled(false);
    m_toOn = new QCheckBox(tr("&To"), this);
    m_toOn->setObjectName(QStringLiteral("logToOn"));
    m_to = new QDateEdit(QDate::currentDate(), this);
    m_to->setObjectName(QStringLiteral("logTo"));
    m_to->setAccessibleName(tr("To date"));
    m_to->setCalendarPopup(true);
    m_to->setEnabled(false);
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("logSearch"));
    m_text->setAccessibleName(tr("Search"));
    m_text->setPlaceholderText(tr("Search inputs and results"));
    m_text->setClearButtonEnabled(true);
    auto *windowLabel = new QLabel(tr("&Window:"), this);
    windowLabel->setBuddy(m_window);
    auto *searchLabel = new QLabel(tr("&Search:"), this);
    searchLabel->setBuddy(m_text);
    auto *vesselLabel = new QLabel(tr("V&essel:"), this);
    vesselLabel->setBuddy(m_vessel);
    auto *voyageLabel = new QLabel(tr("Vo&yage:"), this);
    voyageLabel->setBuddy(m_voyage);

    // The job's vessel and voyage on a line of their own, so the window fits a small screen.
    auto *jobFilters = new QHBoxLayout;
    jobFilters->addWidget(vesselLabel);
    jobFilters->addWidget(m_vessel, 1);
    jobFilters->addWidget(voyageLabel);
    jobFilters->addWidget(m_voyage, 1);
    auto *filters = new QHBoxLayout;
    filters->addWidget(windowLabel);
    filters->addWidget(m_window);
    filters->addWidget(m_fromOn);
    filters->addWidget(m_from);
    filters->addWidget(m_toOn);
    filters->addWidget(m_to);
    filters->addWidget(searchLabel);
    filters->addWidget(m_text, 1);

    m_notice = new QLabel(this);
    m_notice->setObjectName(QStringLiteral("logNotice"));
    m_notice->setTextFormat(Qt::PlainText);
    m_notice->setWordWrap(true);
    // The palette's own colour for what stands out, so that a dark theme reads.
    m_notice->setForegroundRole(QPalette::Highlight);
    QFont bold = m_notice->font();
    bold.setBold(true);
    m_notice->setFont(bold);
    m_notice->hide();

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("logTable"));
    m_table->setAccessibleName(tr("Calculations"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setStretchLastSection(false);
    m_table->horizontalHeader()->setSectionResizeMode(LogModel::Summary, QHeaderView::Stretch);
    m_table->setColumnWidth(LogModel::When,
                            m_table->fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00 00:00:00 +00:00  ")));
    m_table->setColumnWidth(LogModel::Window, m_table->fontMetrics().averageCharWidth() * 24);
    m_table->setColumnWidth(LogModel::Table, m_table->fontMetrics().horizontalAdvance(tr("Table")) +
                                                 m_table->fontMetrics().averageCharWidth() * 4);
    m_table->setColumnWidth(LogModel::Vessel, m_table->fontMetrics().averageCharWidth() * 16);
    m_table->setColumnWidth(LogModel::Voyage, m_table->fontMetrics().averageCharWidth() * 10);
    m_table->setWordWrap(false);

    m_detail = new QPlainTextEdit(this);
    m_detail->setObjectName(QStringLiteral("logDetail"));
    m_detail->setAccessibleName(tr("Selected calculation"));
    m_detail->setReadOnly(true);
    m_detail->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_detail->setLineWrapMode(QPlainTextEdit::NoWrap);

    auto *splitter = new QSplitter(this);
    splitter->addWidget(m_table);
    splitter->addWidget(m_detail);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);

    auto *buttons = new QHBoxLayout;
    addAction("logCopy", tr("&Copy"), QKeySequence::Copy, &LogWindow::copySelection, buttons);
    addAction("logExportCsv", tr("Export CS&V..."), QKeySequence(tr("Ctrl+E")), &LogWindow::exportCsv, buttons);
    addAction("logPrint", tr("&Print..."), QKeySequence::Print, &LogWindow::printSelection, buttons);
    addAction("logExportPdf", tr("Export P&DF..."), QKeySequence(tr("Ctrl+Shift+E")), &LogWindow::exportPdfSelection,
              buttons);
    addAction("logDelete", tr("De&lete"), QKeySequence::Delete, &LogWindow::deleteSelection, buttons);
    addAction("logOpen", tr("&Open in its window"), QKeySequence(tr("Ctrl+O")), &LogWindow::openSelection, buttons);
    buttons->addStretch();

    auto *root = new QVBoxLayout(this);
    root->addLayout(filters);
    root->addLayout(jobFilters);
    root->addWidget(m_notice);
    root->addWidget(splitter, 1);
    root->addLayout(buttons);
    resize(1000, 560);

    m_refresh = new QTimer(this);
    m_refresh->setSingleShot(true);
    m_refresh->setInterval(300);
    connect(m_refresh, &QTimer::timeout, this, &LogWindow::refreshKeepingSelection);
    connect(m_model, &LogModel::readFailed, this, &LogWindow::readFailed);
    connect(&m_log, &CalculationLog::written, this, [this] { m_refresh->start(); });
    connect(&m_log, &CalculationLog::problemChanged, this, [this](const QString &problem) {
        showProblem(problem);
        // The writer cannot open the file: what is kept in it is read all the same.
        if (!m_store && !m_log.ready())
            openStore();
    });
    // The writer opened the file, or set a damaged one aside and started anew: read that.
    connect(&m_log, &CalculationLog::readyChanged, this, [this] {
        m_model->setStore(nullptr);
        m_store.reset();
        openStore();
    });
    connect(m_window, &QComboBox::currentIndexChanged, this, &LogWindow::applyFilter);
    connect(m_vessel, &QComboBox::currentIndexChanged, this, [this] {
        fillVoyages();
        applyFilter();
    });
    connect(m_voyage, &QComboBox::currentIndexChanged, this, &LogWindow::applyFilter);
    connect(m_fromOn, &QCheckBox::toggled, m_from, &QWidget::setEnabled);
    connect(m_toOn, &QCheckBox::toggled, m_to, &QWidget::setEnabled);
    connect(m_fromOn, &QCheckBox::toggled, this, &LogWindow::applyFilter);
    connect(m_toOn, &QCheckBox::toggled, this, &LogWindow::applyFilter);
    connect(m_from, &QDateEdit::dateChanged, this, &LogWindow::applyFilter);
    connect(m_to, &QDateEdit::dateChanged, this, &LogWindow::applyFilter);
    connect(m_text, &QLineEdit::textChanged, this, &LogWindow::applyFilter);
    // The entry in full is the current one only, however many are selected.
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &LogWindow::showDetail);
    connect(m_table, &QTableView::activated, this, &LogWindow::openSelection);

    setTabOrder(m_window, m_fromOn);
    setTabOrder(m_fromOn, m_from);
    setTabOrder(m_from, m_toOn);
    setTabOrder(m_toOn, m_to);
    setTabOrder(m_to, m_text);
    setTabOrder(m_text, m_vessel);
    setTabOrder(m_vessel, m_voyage);
    setTabOrder(m_voyage, m_table);

    showProblem(m_log.problem());
    if (m_log.ready() || !m_log.problem().isEmpty())
        openStore();
    else
        m_log.start();
    m_table->setFocus(Qt::OtherFocusReason);
}

LogWindow::~LogWindow() = default;

void LogWindow::addAction(const char *name, const QString &caption, const QKeySequence &shortcut,
                          void (LogWindow::*handler)(), QLayout *buttons)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, handler);
    QWidget::addAction(action);
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name) + QLatin1String("Button"));
    QString plain = caption;
    plain.remove(QLatin1Char('&'));
    plain.remove(QStringLiteral("..."));
    button->setAccessibleName(plain);
    button->setToolTip(QStringLiteral("%1 (%2)").arg(plain, shortcut.toString(QKeySequence::NativeText)));
    connect(button, &QPushButton::clicked, action, &QAction::trigger);
    buttons->addWidget(button);
}

void LogWindow::openStore()
{
    if (m_store && m_store->isOpen())
        return;
    static int next = 0;
    m_store = std::make_shared<LogStore>(QStringLiteral("dravex-log-reader-%1").arg(next++));
    m_damageReported = false;
    const LogStatus status = m_store->open(m_log.path(), false);
    if (!m_store->isOpen()) {
        showProblem(status.message);
        m_store.reset();
        m_model->setStore(nullptr);
        return;
    }
    // Read, but not written: say only that.
    if (!status.ok())
        showProblem(status.message);
    fillWindows();
    fillJobs();
    m_model->setStore(m_store.get());
}

void LogWindow::fillWindows()
{
    const QString current = m_window->currentData().toString();
    const QSignalBlocker block(m_window);
    m_window->clear();
    m_window->addItem(tr("All windows"), QString());
    for (const auto &[name, title] : m_store->windows())
        m_window->addItem(title, name);
    m_window->setCurrentIndex(std::max(0, m_window->findData(current)));
}

void LogWindow::fillJobs()
{
    QList<QPair<QString, QStringList>> jobs = m_store->jobs();
    // A job of a port and a date alone has no vessel to choose.
    jobs.removeIf([](const QPair<QString, QStringList> &job) { return job.first.isEmpty(); });
    if (jobs == m_jobs)
        return;
    m_jobs = std::move(jobs);
    const QString current = m_vessel->currentData().toString();
    {
        const QSignalBlocker block(m_vessel);
        m_vessel->clear();
        m_vessel->addItem(tr("All vessels"), QString());
        for (const auto &[vessel, voyages] : m_jobs)
            m_vessel->addItem(vessel, vessel);
        m_vessel->setCurrentIndex(std::max(0, current.isEmpty() ? 0 : m_vessel->findData(current)));
    }
    fillVoyages();
}

void LogWindow::fillVoyages()
{
    const QString current = m_voyage->currentData().toString();
    const QSignalBlocker block(m_voyage);
    m_voyage->clear();
    m_voyage->addItem(tr("All voyages"), QString());
    // The voyages of the vessel chosen; the index (vessel, voyage) answers the two together.
    const int vessel = m_vessel->currentIndex() - 1;
    if (vessel >= 0 && vessel < m_jobs.size())
        for (const QString &voyage : m_jobs[vessel].second)
            m_voyage->addItem(voyage, voyage);
    m_voyage->setCurrentIndex(std::max(0, m_voyage->findData(current)));
    m_voyage->setEnabled(vessel >= 0);
}

void LogWindow::applyFilter()
{
    LogFilter filter;
    filter.window = m_window->currentData().toString();
    // "All vessels" is the first item.
    if (m_vessel->currentIndex() > 0) {
        filter.vessel = m_vessel->currentData().toString();
        filter.voyage = m_voyage->currentData().toString();
    }
    if (m_fromOn->isChecked())
        filter.from = m_from->date();
    if (m_toOn->isChecked())
        filter.to = m_to->date();
    filter.text = m_text->text();
    if (m_store && m_window->count() == 1)
        fillWindows();
    m_model->setFilter(filter);
    m_detail->clear();
}

void LogWindow::refreshKeepingSelection()
{
    if (!m_store)
        return;
    fillWindows();
    fillJobs();
    m_model->refresh();
}

void LogWindow::readFailed(const LogStatus &status)
{
    showProblem(status.message);
    if (status.problem != LogStatus::Problem::Damaged || m_damageReported)
        return;
    // Once for this file: the writer checks it and sets it aside if it is damaged; the
    // window then reads the new log.
    m_damageReported = true;
    m_log.reportDamage();
}

void LogWindow::showProblem(const QString &problem)
{
    m_notice->setText(problem);
    m_notice->setVisible(!problem.isEmpty());
}

QList<qint64> LogWindow::selectedIds() const
{
    QList<qint64> ids;
    if (!m_store)
        return ids;
    // By ranges: a selection of every row is one range, not a list of its rows.
    for (const QItemSelectionRange &range : m_table->selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            ids << m_model->idAt(row);
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

QList<CalcRecord> LogWindow::selectedRecords() const
{
    return m_store ? m_store->records(selectedIds()) : QList<CalcRecord>();
}

void LogWindow::showDetail()
{
    const qint64 id = m_model->idAt(m_table->selectionModel()->currentIndex().row());
    const QList<CalcRecord> records = m_store && id ? m_store->records({id}) : QList<CalcRecord>();
    m_detail->setPlainText(records.isEmpty() ? QString() : CopyText(records.front()));
}

bool LogWindow::needSelection(const QList<qint64> &ids, const QString &what)
{
    if (!ids.isEmpty())
        return true;
    m_log.prompts().warn(this, what, tr("No calculation is selected: select the entries first."));
    return false;
}

bool LogWindow::tabulateSelection(const QList<qint64> &ids, const QString &doing,
                                  const std::function<void(const QStringList &)> &line)
{
    // Kept while the job runs, whatever the window opens meanwhile.
    const std::shared_ptr<LogStore> store = m_store;
    if (ids.isEmpty() || !store)
        return false;
    const std::unique_ptr<Progress> progress = m_log.prompts().progress(this, doing, 2 * ids.size());
    qint64 done = 0;
    // Twice through the entries, one at a time: the columns first, then the rows.
    RecordColumns columns;
    if (!store->forEachRecord(
            ids,
            [&](const CalcRecord &r) {
                columns.add(r);
                return progress->step(++done);
            },
            true))
        return false;
    line(columns.header());
    return store->forEachRecord(ids, [&](const CalcRecord &r) {
        line(columns.row(r));
        return progress->step(++done);
    });
}

RecordStream LogWindow::selectionStream(const QList<qint64> &ids) const
{
    return [store = m_store, ids](const std::function<bool(const CalcRecord &)> &take) {
        return store && store->forEachRecord(ids, take);
    };
}

void LogWindow::copySelection()
{
    const QList<qint64> ids = selectedIds();
    QString text;
    // The clipboard takes the text only when it is complete.
    if (tabulateSelection(ids, tr("Copying %n calculation(s)...", "", int(ids.size())),
                          [&text](const QStringList &cells) { text += TsvLine(cells); }))
        QApplication::clipboard()->setText(text);
}

void LogWindow::exportCsv()
{
    const QList<qint64> ids = selectedIds();
    if (!needSelection(ids, tr("Export CSV")))
        return;
    const QString file =
        m_log.prompts().savePath(this, tr("Export CSV"), QStringLiteral("calculations.csv"), tr("CSV files (*.csv)"));
    if (file.isEmpty())
        return;
    // A cancelled export leaves no file.
    AtomicFile out(file);
    if (out.open()) {
        const bool complete = tabulateSelection(ids, tr("Exporting %n calculation(s)...", "", int(ids.size())),
                                                [&](const QStringList &cells) { out.write(CsvLine(cells)); });
        if (!complete) {
            out.cancel();
            if (out.reason().isEmpty())
                return;
        } else if (out.commit()) {
            return;
        }
    }
    m_log.prompts().warn(this, tr("Export CSV"), out.failure());
}

void LogWindow::printSelection()
{
    const QList<qint64> ids = selectedIds();
    if (needSelection(ids, tr("Print")))
        m_log.printRecords(this, ids.size(), tr("Calculation log"), selectionStream(ids));
}

void LogWindow::exportPdfSelection()
{
    const QList<qint64> ids = selectedIds();
    if (needSelection(ids, tr("Export PDF")))
        m_log.exportPdf(this, ids.size(), tr("Calculation log"), QStringLiteral("calculations.pdf"),
                        selectionStream(ids));
}

void LogWindow::deleteSelection()
{
    const QList<qint64> ids = selectedIds();
    if (ids.isEmpty() || !m_store)
        return;
    if (!m_log.prompts().confirm(
            this, tr("Delete"),
            tr("Delete %n selected calculation(s) from the log? This cannot be undone.", "", int(ids.size()))))
        return;
    LogStatus status;
    const std::unique_ptr<Progress> progress =
        m_log.prompts().progress(this, tr("Deleting %n calculation(s)...", "", int(ids.size())), ids.size());
    // Cancelled: nothing is deleted.
    if (!m_store->remove(ids, status, [&progress](qint64 done) { return progress->step(done); }) && !status.ok())
        showProblem(status.message);
    m_model->reload();
    m_detail->clear();
}

void LogWindow::openSelection()
{
    QModelIndex current = m_table->selectionModel()->currentIndex();
    if (!m_table->selectionModel()->isRowSelected(current.row(), {})) {
        const QModelIndexList rows = m_table->selectionModel()->selectedRows();
        current = rows.isEmpty() ? QModelIndex() : rows.back();
    }
    const qint64 id = m_model->idAt(current.row());
    const QList<CalcRecord> records = m_store && id ? m_store->records({id}) : QList<CalcRecord>();
    if (records.isEmpty())
        return;
    // The window shows this entry's inputs now, not its own last calculation.
    m_log.forget(records.front().window);
    OpenInItsWindow(m_host, records.front());
}

} // namespace dravex
