// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/voyage/vef_log_window.h"

#include "core/cargo_report.h"
#include "core/cargo_report_comparison.h"
#include "core/conventions.h"
#include "records/report/report_file.h"
#include "records/store/store_session.h"
#include "records/voyage/voyage_log_store.h"
#include "records/voyage/voyage_store_sync.h"
#include "screens/prompts.h"

#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace dravex {

namespace {

enum EntryColumn { kVoyage, kDate, kPort, kGrade, kOperation, kVesselTcv, kOnBoard, kShore, kUnit, kUsable, kProblem };
constexpr int kEntryColumns = kProblem + 1;
constexpr int kVefColumns = 9;
// The largest voyage log CSV read.
constexpr qint64 kMaxCsvBytes = 64 * 1024 * 1024;

QString q(const std::string &s)
{
    return QString::fromStdString(s);
}

QString number(const std::optional<double> &x)
{
    return x ? q(FormatFieldNumber(*x)) : QString();
}

// The same voyage line, wherever it came from.
bool sameLine(VoyageEntry a, VoyageEntry b)
{
    a.line = b.line = 0;
    return a == b;
}

QString folded(const std::string &s)
{
    return q(s).trimmed().toCaseFolded();
}

} // namespace

VefLogWindow::VefLogWindow(VoyageLogStore &store, Prompts &prompts, QWidget *parent)
    : QWidget(parent), m_store(store), m_prompts(prompts)
{
    setObjectName(QStringLiteral("VefLog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Vessel Experience Factor"));
    auto *layout = new QVBoxLayout(this);

    auto *top = new QFormLayout;
    top->setRowWrapPolicy(QFormLayout::WrapLongRows);
    vessel = new QComboBox(this);
    vessel->setObjectName(QStringLiteral("vessel"));
    vessel->setEditable(false);
    vessel->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    vessel->setMinimumContentsLength(24);
    vessel->setAccessibleName(tr("Vessel"));
    top->addRow(tr("&Vessel:"), vessel);
    currentVoyage = new QLineEdit(this);
    currentVoyage->setObjectName(QStringLiteral("currentvoyage"));
    currentVoyage->setToolTip(tr("The voyage the VEF is for: it is left out of the calculation."));
    currentVoyage->setAccessibleName(tr("Current voyage, left out"));
    top->addRow(tr("C&urrent voyage (left out):"), currentVoyage);
    layout->addLayout(top);

    auto *buttons = new QHBoxLayout;
    const auto button = [&](const char *name, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        buttons->addWidget(b);
        return b;
    };
    addVoyageButton = button("addvoyage", tr("&Add voyage"));
    deleteButton = button("deletevoyage", tr("&Delete voyages"));
    fromReport = button("addfromreport", tr("Add from saved &report..."));
    importButton = button("importcsv", tr("&Import CSV..."));
    buttons->addStretch(1);
    layout->addLayout(buttons);
    // The company store's buttons on a row of their own, so that the window stays narrow.
    auto *storeButtons = new QHBoxLayout;
    buttons = storeButtons;
    sendStore = button("sendtostore", tr("&Send to company store"));
    sendStore->setToolTip(tr("Sends this vessel's voyages to the company store; one it has already is kept once."));
    getStore = button("getfromstore", tr("&Get from company store"));
    getStore->setToolTip(tr("Adds the voyages of this vessel that others sent to the company store; one you have "
                            "with other figures stays as you have it."));
    storeButtons->addStretch(1);
    layout->addLayout(storeButtons);

    entries = new QTableWidget(0, kEntryColumns, this);
    entries->setObjectName(QStringLiteral("entries"));
    entries->setAccessibleName(tr("Voyages of the vessel"));
    entries->setHorizontalHeaderLabels({tr("Voyage"), tr("Date"), tr("Port"), tr("Grade"), tr("Load or discharge"),
                                        tr("Vessel TCV"), tr("OBQ or ROB"), tr("Shore TCV"), tr("Unit"), tr("Usable"),
                                        tr("Problem")});
    entries->horizontalHeader()->setStretchLastSection(true);
    entries->verticalHeader()->hide();

    summary = new QLabel(this);
    summary->setObjectName(QStringLiteral("summary"));
    summary->setWordWrap(true);
    summary->setTextFormat(Qt::PlainText);
    summary->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    voyages = new QTableWidget(0, kVefColumns, this);
    voyages->setObjectName(QStringLiteral("voyages"));
    voyages->setAccessibleName(tr("Voyages as the VEF counts them"));
    voyages->setEditTriggers(QAbstractItemView::NoEditTriggers);
    voyages->setHorizontalHeaderLabels({tr("VEF"), tr("Date"), tr("Voyage"), tr("Port"), tr("Vessel less OBQ/ROB"),
                                        tr("Shore"), tr("Ratio"), tr("Status"), tr("Reason")});
    voyages->horizontalHeader()->setStretchLastSection(true);
    voyages->verticalHeader()->hide();

    auto *lower = new QWidget(this);
    auto *lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->addWidget(summary);
    lowerLayout->addWidget(voyages, 1);
    auto *splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(entries);
    splitter->addWidget(lower);
    layout->addWidget(splitter, 1);

    notice = new QLabel(this);
    notice->setObjectName(QStringLiteral("notice"));
    notice->setAccessibleName(tr("Notice"));
    notice->setWordWrap(true);
    notice->setTextFormat(Qt::PlainText);
    notice->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(notice);

    const QList<QWidget *> chain{vessel,       currentVoyage, addVoyageButton, deleteButton, fromReport,
                                 importButton, sendStore,     getStore,        entries,      voyages};
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);

    connect(vessel, &QComboBox::currentIndexChanged, this, [this] { refreshEntries(); });
    connect(currentVoyage, &QLineEdit::textChanged, this, [this] { refreshResults(); });
    connect(entries, &QTableWidget::cellChanged, this, &VefLogWindow::entryEdited);
    connect(addVoyageButton, &QPushButton::clicked, this, &VefLogWindow::addVoyage);
    connect(deleteButton, &QPushButton::clicked, this, &VefLogWindow::deleteVoyages);
    connect(fromReport, &QPushButton::clicked, this, [this] {
        const QString path = m_prompts.openPath(this, tr("Add the voyage of a saved cargo report"), QString(),
                                                tr("Cargo reports (*.json);;All files (*)"));
        if (!path.isEmpty())
            addReport(path);
    });
    connect(importButton, &QPushButton::clicked, this, [this] {
        const QString path =
            m_prompts.openPath(this, tr("Import voyages from CSV"), QString(), tr("CSV files (*.csv);;All files (*)"));
        if (!path.isEmpty())
            importCsv(path);
    });

    connect(sendStore, &QPushButton::clicked, this, &VefLogWindow::sendToStore);
    connect(getStore, &QPushButton::clicked, this, &VefLogWindow::getFromStore);

    refreshVessels();
    say(m_store.problem());
    resize(1100, 680);
    vessel->setFocus();
}

QString VefLogWindow::currentVessel() const
{
    return vessel->currentText();
}

void VefLogWindow::say(const QString &text)
{
    notice->setText(text);
    notice->setVisible(!text.isEmpty());
}

void VefLogWindow::refreshVessels(const QString &select)
{
    const QString keep = select.isEmpty() ? currentVessel() : select;
    QStringList names;
    std::set<QString> seen;
    for (const VoyageEntry &e : m_store.entries()) {
        const QString name = q(e.vessel).trimmed();
        if (!name.isEmpty() && seen.insert(name.toCaseFolded()).second)
            names << name;
    }
    const QSignalBlocker block(vessel);
    vessel->clear();
    vessel->addItems(names);
    const int at = vessel->findText(keep, Qt::MatchFixedString);
    vessel->setCurrentIndex(at >= 0 ? at : 0);
    refreshEntries();
}

void VefLogWindow::refreshEntries()
{
    m_refreshing = true;
    m_rows.clear();
    const QString name = currentVessel().toCaseFolded();
    const std::vector<VoyageEntry> &log = m_store.entries();
    for (std::size_t i = 0; i < log.size(); ++i)
        if (!name.isEmpty() && folded(log[i].vessel) == name)
            m_rows.push_back(i);
    entries->setRowCount(static_cast<int>(m_rows.size()));
    for (int r = 0; r < entries->rowCount(); ++r) {
        const VoyageEntry &e = log[m_rows[r]];
        const QString cells[kEntryColumns] = {q(e.voyage),
                                              q(e.date),
                                              q(e.port),
                                              q(e.grade),
                                              q(std::string(VoyageOperationId(e.operation))),
                                              number(e.vesselTcv),
                                              number(e.onBoard),
                                              number(e.shoreTcv),
                                              q(e.unit),
                                              e.usable ? tr("yes") : tr("no"),
                                              q(e.problem)};
        for (int c = 0; c < kEntryColumns; ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            if (c == kProblem)
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            if (c >= kVesselTcv && c <= kShore)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            entries->setItem(r, c, item);
        }
    }
    const bool writable = !m_store.readOnly();
    entries->setEditTriggers(writable ? QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                                            QAbstractItemView::EditKeyPressed
                                      : QAbstractItemView::NoEditTriggers);
    for (QPushButton *b : {addVoyageButton, deleteButton, fromReport, importButton})
        b->setEnabled(writable);
    deleteButton->setEnabled(writable && !m_rows.empty());
    sendStore->setEnabled(!m_rows.empty());
    getStore->setEnabled(writable);
    addVoyageButton->setEnabled(writable && !currentVessel().isEmpty());
    m_refreshing = false;
    refreshResults();
}

void VefLogWindow::refreshResults()
{
    QStringList lines;
    std::vector<std::pair<const VefResult *, const VefVoyage *>> shown;
    std::vector<VefResult> results;
    if (!currentVessel().isEmpty()) {
        for (VoyageOperation op : {VoyageOperation::Load, VoyageOperation::Discharge}) {
            VefRequest request;
            request.vessel = currentVessel().toStdString();
            request.operation = op;
            request.currentVoyage = currentVoyage->text().trimmed().toStdString();
            results.push_back(ComputeVef(m_store.entries(), request));
        }
    }
    for (const VefResult &r : results) {
        if (r.voyages.empty())
            continue;
        lines << q(r.summary);
        for (const VefVoyage &v : r.voyages)
            shown.emplace_back(&r, &v);
    }
    summary->setText(lines.isEmpty() ? tr("No voyages of this vessel yet: add them from saved reports, type them or "
                                          "import a CSV file.")
                                     : lines.join(QLatin1Char('\n')));
    voyages->setRowCount(static_cast<int>(shown.size()));
    for (int row = 0; row < voyages->rowCount(); ++row) {
        const auto &[result, v] = shown[row];
        const QString cells[kVefColumns] = {q(std::string(VefName(result->operation))),
                                            q(v->date),
                                            q(v->voyage),
                                            q(v->port),
                                            v->hasFigures ? QString::number(v->vessel) : QString(),
                                            v->hasFigures ? QString::number(v->shore) : QString(),
                                            v->hasRatio ? q(PlacesText(v->ratio, 5)) : QString(),
                                            q(std::string(VoyageStatusName(v->status))),
                                            q(v->why)};
        for (int c = 0; c < kVefColumns; ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            item->setToolTip(cells[c]);
            if (c >= 4 && c <= 6)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            voyages->setItem(row, c, item);
        }
    }
}

void VefLogWindow::entryEdited(int row, int column)
{
    if (m_refreshing || row < 0 || row >= static_cast<int>(m_rows.size()))
        return;
    std::vector<VoyageEntry> log = m_store.entries();
    VoyageEntry &e = log[m_rows[row]];
    const QString text = entries->item(row, column)->text().trimmed();
    const QString head = entries->horizontalHeaderItem(column)->text();
    const auto refuse = [&](const QString &why) {
        say(tr("%1 of voyage %2: %3. Nothing was changed.").arg(head, q(e.voyage), why));
        refreshEntries();
    };
    const auto readNumber = [&](std::optional<double> &into) {
        if (text.isEmpty()) {
            into.reset();
            return true;
        }
        try {
            into = ParseFieldNumber(text.toStdString(), head.toStdString());
            return true;
        } catch (const CalcFault &fault) {
            refuse(q(fault.message()));
            return false;
        }
    };
    switch (column) {
    case kVoyage:
        e.voyage = text.toStdString();
        break;
    case kDate:
        if (!text.isEmpty() && !QDate::fromString(text, Qt::ISODate).isValid())
            return refuse(tr("'%1' is not a date written YYYY-MM-DD").arg(text));
        e.date = text.toStdString();
        break;
    case kPort:
        e.port = text.toStdString();
        break;
    case kGrade:
        e.grade = text.toStdString();
        break;
    case kOperation:
        if (text.compare(QLatin1String("load"), Qt::CaseInsensitive) == 0)
            e.operation = VoyageOperation::Load;
        else if (text.compare(QLatin1String("discharge"), Qt::CaseInsensitive) == 0)
            e.operation = VoyageOperation::Discharge;
        else
            return refuse(tr("'%1' is neither load nor discharge").arg(text));
        break;
    case kVesselTcv:
        if (!readNumber(e.vesselTcv))
            return;
        break;
    case kOnBoard:
        if (!readNumber(e.onBoard))
            return;
        break;
    case kShore:
        if (!readNumber(e.shoreTcv))
            return;
        break;
    case kUnit:
        e.unit = text.toStdString();
        break;
    case kUsable:
        if (text.compare(tr("yes"), Qt::CaseInsensitive) == 0 ||
            text.compare(QLatin1String("yes"), Qt::CaseInsensitive) == 0)
            e.usable = true;
        else if (text.compare(tr("no"), Qt::CaseInsensitive) == 0 ||
                 text.compare(QLatin1String("no"), Qt::CaseInsensitive) == 0)
            e.usable = false;
        else
            return refuse(tr("'%1' is neither yes nor no").arg(text));
        break;
    default:
        return;
    }
    // A figure typed over one that could not be read clears the fault.
    if (column >= kVesselTcv && column <= kShore)
        e.problem.clear();
    saveEntries(std::move(log), QString());
}

void VefLogWindow::saveEntries(std::vector<VoyageEntry> log, const QString &done)
{
    if (!m_store.save(std::move(log))) {
        say(m_store.problem());
        refreshEntries();
        return;
    }
    say(done);
    refreshVessels();
}

void VefLogWindow::addVoyage()
{
    const QString name = currentVessel();
    if (name.isEmpty())
        return;
    std::vector<VoyageEntry> log = m_store.entries();
    VoyageEntry e;
    e.vessel = name.toStdString();
    e.date = QDate::currentDate().toString(Qt::ISODate).toStdString();
    const std::size_t count = m_rows.size();
    if (count > 0)
        e.unit = log[m_rows.back()].unit;
    log.push_back(e);
    saveEntries(std::move(log), tr("A voyage was added: type its voyage, figures and unit."));
    entries->setCurrentCell(entries->rowCount() - 1, kVoyage);
    entries->setFocus();
}

void VefLogWindow::deleteVoyages()
{
    std::set<std::size_t> gone;
    for (const QModelIndex &index : entries->selectionModel()->selectedIndexes())
        if (index.row() < static_cast<int>(m_rows.size()))
            gone.insert(m_rows[index.row()]);
    if (gone.empty() && entries->currentRow() >= 0 && entries->currentRow() < static_cast<int>(m_rows.size()))
        gone.insert(m_rows[entries->currentRow()]);
    if (gone.empty())
        return;
    if (!m_prompts.confirm(
            this, tr("Delete voyages"),
            tr("Delete %n voyage line(s) of %1 from the voyage log?", nullptr, static_cast<int>(gone.size()))
                .arg(currentVessel())))
        return;
    std::vector<VoyageEntry> log;
    for (std::size_t i = 0; i < m_store.entries().size(); ++i)
        if (!gone.count(i))
            log.push_back(m_store.entries()[i]);
    saveEntries(std::move(log), tr("%n voyage line(s) deleted.", nullptr, static_cast<int>(gone.size())));
}

bool VefLogWindow::importCsv(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        say(tr("%1 could not be read: %2. Nothing was imported.").arg(path, file.errorString()));
        return false;
    }
    if (file.size() > kMaxCsvBytes) {
        say(tr("%1 is larger than a voyage log can be. Nothing was imported.").arg(path));
        return false;
    }
    const QByteArray bytes = file.read(kMaxCsvBytes + 1);
    const VoyageFileResult read = ReadVoyagesCsv(std::string_view(bytes.constData(), bytes.size()));
    const QString name = QFileInfo(path).fileName();
    if (!read.error.empty()) {
        say(tr("%1: %2. Nothing was imported.").arg(name, q(read.error)));
        return false;
    }
    std::vector<VoyageEntry> log = m_store.entries();
    int added = 0, repeated = 0;
    for (const VoyageEntry &e : read.entries) {
        if (std::any_of(log.begin(), log.end(), [&](const VoyageEntry &old) { return sameLine(old, e); })) {
            ++repeated;
            continue;
        }
        log.push_back(e);
        ++added;
    }
    QStringList said{tr("%1: %n voyage line(s) imported", nullptr, added).arg(name)};
    if (repeated > 0)
        said << tr("%n already in the log, not added again", nullptr, repeated);
    for (const std::string &n : read.notices)
        said << q(n);
    const QString first = read.entries.empty() ? QString() : q(read.entries.front().vessel).trimmed();
    if (!m_store.save(std::move(log))) {
        say(m_store.problem());
        return false;
    }
    say(said.join(QStringLiteral("; ")) + QLatin1Char('.'));
    refreshVessels(currentVessel().isEmpty() ? first : QString());
    return added > 0;
}

bool VefLogWindow::addReport(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const ReportFileRead read = readReportFile(path);
    if (!read.report) {
        say(read.error);
        return false;
    }
    const CargoReport &report = *read.report;
    const ReportResult result = Recompute(report);
    const auto refuse = [&](const QString &why) {
        say(tr("%1: %2. Nothing was added.").arg(name, why));
        return false;
    };
    if (report.header.survey != SurveyKind::Cargo)
        return refuse(tr("an OBQ or ROB survey is taken off a loading or discharge report, not a voyage of its own"));
    const std::optional<Transfer> transfer = ReportTransfer(report);
    if (!transfer)
        return refuse(tr("its operation is neither a loading nor a discharge"));
    if (q(report.header.vessel).trimmed().isEmpty())
        return refuse(tr("it names no vessel"));
    if (!result.overall.stoppedTanks.empty() || !result.overall.notice.empty() || result.overall.tanks == 0)
        return refuse(tr("its TCV is not complete: every tank must be computed"));
    VoyageEntry e;
    e.vessel = q(report.header.vessel).trimmed().toStdString();
    e.voyage = report.header.voyage;
    e.date = report.header.date;
    e.port = report.header.port;
    e.operation = *transfer == Transfer::Loading ? VoyageOperation::Load : VoyageOperation::Discharge;
    e.unit = report.units == UnitSystem::US ? "bbl" : "m3";
    try {
        e.vesselTcv = ParseFieldNumber(result.overall.tcv);
        const auto typed = [](const std::string &t) { return t.find_first_not_of(" \t") != std::string::npos; };
        if (typed(report.comparison.onBoard))
            e.onBoard = ParseFieldNumber(report.comparison.onBoard, OnBoardName(*transfer));
        if (typed(report.comparison.shoreTcv))
            e.shoreTcv = ParseFieldNumber(report.comparison.shoreTcv, "Shore TCV");
    } catch (const CalcFault &fault) {
        return refuse(q(fault.message()));
    }
    std::vector<VoyageEntry> log = m_store.entries();
    if (std::any_of(log.begin(), log.end(), [&](const VoyageEntry &old) { return sameLine(old, e); }))
        return refuse(tr("this voyage is in the log already, with the same figures"));
    log.push_back(e);
    if (!m_store.save(std::move(log))) {
        say(m_store.problem());
        return false;
    }
    say(e.shoreTcv ? tr("Voyage %1 of %2 added from %3.").arg(q(e.voyage), q(e.vessel), name)
                   : tr("Voyage %1 of %2 added from %3; it has no shore figure yet and is not counted until one "
                        "is typed.")
                         .arg(q(e.voyage), q(e.vessel), name));
    refreshVessels(q(e.vessel));
    return true;
}

StoreSession *VefLogWindow::connectedStore()
{
    StoreSession *session = StoreSession::program();
    if (session && session->state() == StoreSession::State::Connected)
        return session;
    say(tr("Not connected to a company store: choose Records, Company store… and Connect."));
    return nullptr;
}

void VefLogWindow::sendToStore()
{
    StoreSession *session = connectedStore();
    if (!session)
        return;
    std::vector<VoyageEntry> mine;
    for (std::size_t i : m_rows)
        mine.push_back(m_store.entries()[i]);
    QPointer<VefLogWindow> self(this);
    say(tr("Sending…"));
    VoyageStoreSync::send(*session, mine, currentVessel(), [self](const VoyageStoreSync::Outcome &out) {
        if (self)
            self->say(out.text);
    });
}

void VefLogWindow::getFromStore()
{
    StoreSession *session = connectedStore();
    if (!session || m_store.readOnly())
        return;
    const std::optional<QString> asked = m_prompts.askText(this, tr("Get Voyages from the Company Store"),
                                                           tr("The vessel whose voyages to get:"), currentVessel());
    const QString name = asked ? asked->trimmed() : QString();
    if (name.isEmpty())
        return;
    QPointer<VefLogWindow> self(this);
    say(tr("Reading…"));
    VoyageStoreSync::fetch(*session, name, [self, name](const VoyageStoreSync::Outcome &out) {
        if (!self)
            return;
        if (!out.ok) {
            self->say(out.text);
            return;
        }
        // The log as it is now: it may have changed while the store was asked.
        VoyageMerge merge = MergeVoyages(self->m_store.entries(), out.voyages);
        QString text = tr("%n voyage(s) of %1 added from the company store.", nullptr, int(merge.added)).arg(name);
        if (!merge.differing.empty()) {
            QStringList names;
            for (const std::string &d : merge.differing)
                names << QString::fromStdString(d);
            text += QLatin1Char(' ') + tr("The store has other figures for %1; yours are kept. Compare them with "
                                          "the inspector who sent them.")
                                           .arg(names.join(QStringLiteral(", ")));
        }
        if (!out.text.isEmpty())
            text += QLatin1Char(' ') + out.text;
        if (merge.added == 0) {
            self->say(text);
            return;
        }
        self->saveEntries(std::move(merge.entries), text);
        self->refreshVessels(name);
    });
}

} // namespace dravex
