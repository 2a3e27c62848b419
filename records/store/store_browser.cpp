// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/store/store_browser.h"

#include "records/report/cargo_report_document.h"
#include "records/report/cargo_report_window.h"
#include "records/store/report_store_link.h"
#include "records/store/store_search.h"
#include "records/store/store_session.h"
#include "records/tanks/tank_table_store.h"
#include "screens/prompts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QUuid>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <memory>
#include <optional>
#include <vector>

namespace dravex {

namespace {

QString shown(const QVariant &v)
{
    if (v.typeId() == QMetaType::QDateTime)
        return QLocale().toString(v.toDateTime().toLocalTime(), QLocale::ShortFormat);
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().toString(Qt::ISODate);
    return v.toString();
}

QTreeWidget *list(QWidget *parent, const char *name, const QStringList &columns, const QString &accessible)
{
    auto *tree = new QTreeWidget(parent);
    tree->setObjectName(QLatin1String(name));
    tree->setHeaderLabels(columns);
    tree->setRootIsDecorated(false);
    tree->setAllColumnsShowFocus(true);
    tree->setAccessibleName(accessible);
    tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return tree;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

// A JSON document as indented lines, so that two revisions compare line by line.
QStringList prettyLines(const QString &json)
{
    const QJsonDocument doc = QJsonDocument::fromJson(json.toUtf8());
    const QString text = doc.isNull() ? json : QString::fromUtf8(doc.toJson(QJsonDocument::Indented));
    return text.split(QLatin1Char('\n'));
}

} // namespace

QStringList StoreLineDiff(const QStringList &before, const QStringList &after)
{
    // The lines both begin and end with are kept as they are; between them, the longest
    // common subsequence, by rows of lengths from the end. Past a few million cells (two
    // revisions with thousands of changed lines) the old lines are shown out, the new in.
    qsizetype head = 0, tail = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head])
        ++head;
    while (tail < before.size() - head && tail < after.size() - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    const QStringList a = before.mid(head, before.size() - head - tail);
    const QStringList b = after.mid(head, after.size() - head - tail);
    const qsizetype n = a.size(), m = b.size();
    QStringList out;
    for (qsizetype k = 0; k < head; ++k)
        out << QLatin1String("  ") + before[k];
    if ((n + 1) * (m + 1) > 4'000'000) {
        for (const QString &line : a)
            out << QLatin1String("- ") + line;
        for (const QString &line : b)
            out << QLatin1String("+ ") + line;
    } else {
        std::vector<std::vector<int>> len(n + 1, std::vector<int>(m + 1, 0));
        for (qsizetype i = n - 1; i >= 0; --i)
            for (qsizetype j = m - 1; j >= 0; --j)
                len[i][j] = a[i] == b[j] ? len[i + 1][j + 1] + 1 : std::max(len[i + 1][j], len[i][j + 1]);
        qsizetype i = 0, j = 0;
        while (i < n || j < m) {
            if (i < n && j < m && a[i] == b[j]) {
                out << QLatin1String("  ") + a[i++];
                ++j;
            } else if (i < n && (j == m || len[i + 1][j] >= len[i][j + 1])) {
                // The old line first, then the new one that replaces it.
                out << QLatin1String("- ") + a[i++];
            } else {
                out << QLatin1String("+ ") + b[j++];
            }
        }
    }
    for (qsizetype k = before.size() - tail; k < before.size(); ++k)
        out << QLatin1String("  ") + before[k];
    return out;
}

StoreBrowser::StoreBrowser(StoreSession &session, TankTableStore &tables, Prompts &prompts, QWidget *parent)
    : QWidget(parent), m_session(session), m_tables(tables), m_prompts(prompts)
{
    setObjectName(QStringLiteral("StoreBrowser"));
    setWindowTitle(tr("Store Browser"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *root = new QVBoxLayout(this);
    m_state = new QLabel(this);
    m_state->setObjectName(QStringLiteral("storeBrowserState"));
    m_state->setTextFormat(Qt::PlainText);
    m_state->setWordWrap(true);
    m_state->setAccessibleName(tr("Connection"));
    root->addWidget(m_state);
    auto *tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("storeTabs"));
    tabs->addTab(reportsPage(), tr("&Reports"));
    tabs->addTab(tablesPage(), tr("Tank &tables"));
    root->addWidget(tabs, 1);
    m_detail = new QPlainTextEdit(this);
    m_detail->setObjectName(QStringLiteral("storeDetail"));
    m_detail->setReadOnly(true);
    m_detail->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_detail->setAccessibleName(tr("Comparison and audit trail"));
    root->addWidget(m_detail, 1);

    connect(&m_session, &StoreSession::stateChanged, this, &StoreBrowser::showState);
    // Saves by others and new tables show without asking.
    connect(&m_session, &StoreSession::reportsChanged, this, [this] {
        if (m_searched)
            search_Click();
    });
    connect(&m_session, &StoreSession::tablesChanged, this, [this] {
        if (m_siteTables->topLevelItemCount() > 0)
            tables_Click();
    });
    // The reading order, whole: the search, its results, the tables' page, the text below, the tabs.
    QWidget *order[] = {m_vessel, m_voyage,     m_port,       m_grade,       m_from,   m_to,          m_inspector,
                        m_status, m_search,     m_results,    m_revisions,   m_open,   m_compare,     m_audit,
                        m_site,   m_siteTables, m_listTables, m_keepOffline, m_detail, tabs->tabBar()};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    showState();
    m_vessel->setFocus(Qt::OtherFocusReason);
}

QWidget *StoreBrowser::reportsPage()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    auto *grid = new QGridLayout;
    layout->addLayout(grid);
    int at = 0;
    auto line = [&](QLineEdit *&edit, const char *name, const QString &caption, const QString &hint = {}) {
        edit = new QLineEdit(page);
        edit->setObjectName(QLatin1String(name));
        edit->setMaxLength(200);
        edit->setPlaceholderText(hint);
        edit->setAccessibleName(QString(caption).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
        auto *label = new QLabel(caption, page);
        label->setBuddy(edit);
        grid->addWidget(label, at / 4, (at % 4) * 2);
        grid->addWidget(edit, at / 4, (at % 4) * 2 + 1);
        ++at;
        connect(edit, &QLineEdit::returnPressed, this, &StoreBrowser::search_Click);
    };
    line(m_vessel, "storeVessel", tr("&Vessel:"));
    line(m_voyage, "storeVoyage", tr("Vo&yage:"));
    line(m_port, "storePort", tr("&Port:"));
    line(m_grade, "storeGrade", tr("&Grade:"));
    line(m_from, "storeFrom", tr("&From:"), tr("YYYY-MM-DD"));
    line(m_to, "storeTo", tr("T&o:"), tr("YYYY-MM-DD"));
    line(m_inspector, "storeInspector", tr("&Inspector:"));
    m_status = new QComboBox(page);
    m_status->setObjectName(QStringLiteral("storeReportStatus"));
    m_status->addItem(tr("Any"), QString());
    m_status->addItem(tr("Draft"), QStringLiteral("draft"));
    m_status->addItem(tr("Final"), QStringLiteral("final"));
    m_status->setAccessibleName(tr("Status"));
    auto *statusLabel = new QLabel(tr("St&atus:"), page);
    statusLabel->setBuddy(m_status);
    grid->addWidget(statusLabel, at / 4, (at % 4) * 2);
    grid->addWidget(m_status, at / 4, (at % 4) * 2 + 1);
    m_search = button(page, "storeSearch", tr("&Search"));
    layout->addWidget(m_search, 0, Qt::AlignRight);
    connect(m_search, &QPushButton::clicked, this, &StoreBrowser::search_Click);

    auto *split = new QSplitter(Qt::Horizontal, page);
    m_results = list(split, "storeResults",
                     {tr("Vessel"), tr("Voyage"), tr("Port"), tr("Date"), tr("Operation"), tr("Grades"), tr("Status"),
                      tr("Inspector"), tr("Last saved by"), tr("At")},
                     tr("Reports found"));
    m_revisions = list(split, "storeRevisions", {tr("Saved at"), tr("By"), tr("Taken"), tr("Note")}, tr("Revisions"));
    m_revisions->setSelectionMode(QAbstractItemView::ExtendedSelection);
    layout->addWidget(split, 1);
    connect(m_results, &QTreeWidget::itemSelectionChanged, this, &StoreBrowser::results_Select);

    auto *row = new QHBoxLayout;
    m_open = button(page, "storeOpen", tr("&Open revision"));
    m_compare = button(page, "storeCompare", tr("&Compare two"));
    m_audit = button(page, "storeAudit", tr("A&udit trail"));
    m_final = button(page, "storeFinal", tr("Make &final"));
    m_draft = button(page, "storeDraft", tr("Return to d&raft…"));
    row->addStretch(1);
    row->addWidget(m_open);
    row->addWidget(m_compare);
    row->addWidget(m_audit);
    row->addWidget(m_final);
    row->addWidget(m_draft);
    layout->addLayout(row);
    connect(m_open, &QPushButton::clicked, this, &StoreBrowser::open_Click);
    connect(m_compare, &QPushButton::clicked, this, &StoreBrowser::compare_Click);
    connect(m_audit, &QPushButton::clicked, this, &StoreBrowser::audit_Click);
    connect(m_final, &QPushButton::clicked, this, &StoreBrowser::final_Click);
    connect(m_draft, &QPushButton::clicked, this, &StoreBrowser::draft_Click);
    return page;
}

QWidget *StoreBrowser::tablesPage()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    auto *form = new QFormLayout;
    m_site = new QLineEdit(page);
    m_site->setObjectName(QStringLiteral("storeSite"));
    m_site->setAccessibleName(tr("Vessel or terminal"));
    auto *label = new QLabel(tr("V&essel or terminal:"), page);
    label->setBuddy(m_site);
    form->addRow(label, m_site);
    layout->addLayout(form);
    m_siteTables =
        list(page, "storeSiteTables", {tr("Vessel or terminal"), tr("Tank"), tr("Added by"), tr("At"), tr("SHA-256")},
             tr("Tank tables"));
    m_siteTables->setSelectionMode(QAbstractItemView::ExtendedSelection);
    layout->addWidget(m_siteTables, 1);
    auto *row = new QHBoxLayout;
    m_listTables = button(page, "storeListTables", tr("&List tables"));
    m_keepOffline = button(page, "storeKeepOffline", tr("&Keep for offline use"));
    m_sendTables = button(page, "storeSendTables", tr("&Send my tables"));
    row->addStretch(1);
    row->addWidget(m_listTables);
    row->addWidget(m_keepOffline);
    row->addWidget(m_sendTables);
    layout->addLayout(row);
    connect(m_site, &QLineEdit::returnPressed, this, &StoreBrowser::tables_Click);
    connect(m_listTables, &QPushButton::clicked, this, &StoreBrowser::tables_Click);
    connect(m_keepOffline, &QPushButton::clicked, this, &StoreBrowser::keepOffline_Click);
    connect(m_sendTables, &QPushButton::clicked, this, &StoreBrowser::sendTables_Click);
    return page;
}

void StoreBrowser::showState()
{
    const bool connected = m_session.state() == StoreSession::State::Connected;
    if (connected)
        m_state->setText(tr("Connected to %1.").arg(m_session.settings().describe()));
    else if (m_session.settings().isEmpty())
        m_state->setText(tr("No company store is set up. Choose Records, Company store… and type the service name "
                            "or host and database your company gave you, then Connect."));
    else
        m_state->setText(tr("Not connected to %1. Choose Records, Company store… and Connect.%2")
                             .arg(m_session.settings().describe(),
                                  m_session.message().isEmpty() ? QString() : QLatin1Char(' ') + m_session.message()));
    for (QWidget *w :
         {static_cast<QWidget *>(m_search), static_cast<QWidget *>(m_open), static_cast<QWidget *>(m_compare),
          static_cast<QWidget *>(m_audit), static_cast<QWidget *>(m_final), static_cast<QWidget *>(m_draft),
          static_cast<QWidget *>(m_listTables), static_cast<QWidget *>(m_keepOffline),
          static_cast<QWidget *>(m_sendTables)})
        w->setEnabled(connected);
}

void StoreBrowser::say(const QString &text)
{
    m_detail->setPlainText(text);
}

void StoreBrowser::search_Click()
{
    StoreReportSearch search;
    search.vessel = m_vessel->text();
    search.voyage = m_voyage->text();
    search.port = m_port->text();
    search.grade = m_grade->text();
    search.inspector = m_inspector->text();
    search.status = m_status->currentData().toString();
    for (auto [edit, date] : {std::pair{m_from, &search.from}, std::pair{m_to, &search.to}}) {
        const QString t = edit->text().trimmed();
        if (t.isEmpty())
            continue;
        *date = QDate::fromString(t, Qt::ISODate);
        if (!date->isValid()) {
            say(tr("The date %1 is not a date: type it as YYYY-MM-DD.").arg(t));
            edit->setFocus();
            return;
        }
    }
    const StoreQuery query = ReportSearchQuery(search);
    m_searched = true;
    const QString selected = selectedReport();
    QPointer<StoreBrowser> self(this);
    m_session.query(query.sql, query.values, [self, selected](const StoreAnswer &answer) {
        if (!self)
            return;
        if (!answer.ok) {
            self->say(answer.message);
            return;
        }
        self->m_results->clear();
        for (const QVariantMap &row : answer.rows) {
            QStringList cells;
            for (const char *c : {"vessel", "voyage", "port", "report_date", "operation", "grades", "status",
                                  "inspector", "head_author", "head_at"})
                cells << shown(row.value(QLatin1String(c)));
            auto *item = new QTreeWidgetItem(self->m_results, cells);
            item->setData(0, Qt::UserRole, row.value(QStringLiteral("id")));
            if (row.value(QStringLiteral("id")).toString() == selected)
                self->m_results->setCurrentItem(item);
        }
        if (answer.rows.isEmpty())
            self->say(tr("No report found."));
    });
}

QString StoreBrowser::selectedReport() const
{
    const QTreeWidgetItem *item = m_results->currentItem();
    return item ? item->data(0, Qt::UserRole).toString() : QString();
}

QStringList StoreBrowser::selectedRevisions() const
{
    QStringList ids;
    for (const QTreeWidgetItem *item : m_revisions->selectedItems())
        ids << item->data(0, Qt::UserRole).toString();
    return ids;
}

void StoreBrowser::results_Select()
{
    const QString report = selectedReport();
    m_revisions->clear();
    if (report.isEmpty())
        return;
    QPointer<StoreBrowser> self(this);
    // Only the answer to the latest question fills the list: the results are searched again
    // when others save, and a report chosen twice must not list its revisions twice.
    const quint64 asked = ++m_revisionsAsked;
    m_session.query(QStringLiteral("SELECT id::text AS id, created_at, author, accepted, note FROM dravex.revisions"
                                   " WHERE report_id = CAST(? AS uuid) ORDER BY created_at, id"),
                    {report}, [self, asked](const StoreAnswer &answer) {
                        if (!self || asked != self->m_revisionsAsked)
                            return;
                        self->m_revisions->clear();
                        if (!answer.ok) {
                            self->say(answer.message);
                            return;
                        }
                        for (const QVariantMap &row : answer.rows) {
                            auto *item = new QTreeWidgetItem(
                                self->m_revisions,
                                {shown(row.value(QStringLiteral("created_at"))),
                                 row.value(QStringLiteral("author")).toString(),
                                 row.value(QStringLiteral("accepted")).toBool() ? tr("yes") : tr("refused"),
                                 row.value(QStringLiteral("note")).toString()});
                            item->setData(0, Qt::UserRole, row.value(QStringLiteral("id")));
                        }
                    });
}

void StoreBrowser::open_Click()
{
    const QStringList ids = selectedRevisions();
    const QString report = selectedReport();
    if (ids.size() != 1) {
        say(tr("Choose one revision to open."));
        return;
    }
    QPointer<StoreBrowser> self(this);
    m_session.query(
        QStringLiteral("SELECT document FROM dravex.revisions WHERE id = CAST(? AS uuid)"), {ids.first()},
        [self, report, revision = ids.first()](const StoreAnswer &answer) {
            if (!self)
                return;
            if (!answer.ok || answer.rows.isEmpty()) {
                self->say(answer.ok ? tr("The revision is not in the store.") : answer.message);
                return;
            }
            const QByteArray json = answer.rows.first().value(QStringLiteral("document")).toString().toUtf8();
            ReportReadResult read = ReadReportJson(std::string_view(json.constData(), json.size()));
            if (!read.report) {
                self->say(tr("The revision cannot be read as a cargo report: %1")
                              .arg(QString::fromStdString(read.error ? read.error->message : std::string())));
                return;
            }
            // An untitled copy: saved to a file, it becomes the next revision.
            auto *document = new CargoReportDocument;
            document->restore(*read.report, QString());
            ReportStoreLink::of(document)->setRevision(QUuid::fromString(report), QUuid::fromString(revision));
            auto *window = new CargoReportWindow(self->m_prompts, document);
            window->show();
            window->raise();
            window->activateWindow();
        });
}

void StoreBrowser::compare_Click()
{
    const QStringList ids = selectedRevisions();
    if (ids.size() != 2) {
        say(tr("Choose two revisions to compare (Ctrl and a click, or Shift and the arrow keys)."));
        return;
    }
    QPointer<StoreBrowser> self(this);
    m_session.query(QStringLiteral("SELECT id::text AS id, document FROM dravex.revisions"
                                   " WHERE id IN (CAST(? AS uuid), CAST(? AS uuid)) ORDER BY created_at, id"),
                    {ids[0], ids[1]}, [self](const StoreAnswer &answer) {
                        if (!self)
                            return;
                        if (!answer.ok || answer.rows.size() != 2) {
                            self->say(answer.ok ? tr("The revisions are not in the store.") : answer.message);
                            return;
                        }
                        const QStringList diff =
                            StoreLineDiff(prettyLines(answer.rows[0].value(QStringLiteral("document")).toString()),
                                          prettyLines(answer.rows[1].value(QStringLiteral("document")).toString()));
                        self->say(tr("- older revision, + newer revision\n") + diff.join(QLatin1Char('\n')));
                    });
}

void StoreBrowser::audit_Click()
{
    const QString report = selectedReport();
    if (report.isEmpty()) {
        say(tr("Choose a report first."));
        return;
    }
    QPointer<StoreBrowser> self(this);
    m_session.query(
        QStringLiteral("SELECT at, actor, action, table_name, detail::text AS detail FROM dravex.audit_log"
                       " WHERE row_id = ? OR strpos(detail::text, ?) > 0 ORDER BY id"),
        {report, report}, [self](const StoreAnswer &answer) {
            if (!self)
                return;
            if (!answer.ok) {
                self->say(answer.message);
                return;
            }
            QStringList lines;
            for (const QVariantMap &row : answer.rows)
                lines << QStringLiteral("%1  %2  %3 %4  %5")
                             .arg(shown(row.value(QStringLiteral("at"))), row.value(QStringLiteral("actor")).toString(),
                                  row.value(QStringLiteral("action")).toString(),
                                  row.value(QStringLiteral("table_name")).toString(),
                                  row.value(QStringLiteral("detail")).toString());
            self->say(lines.isEmpty() ? tr("No audit entries you may read.") : lines.join(QLatin1Char('\n')));
        });
}

void StoreBrowser::final_Click()
{
    const QString report = selectedReport();
    if (report.isEmpty()) {
        say(tr("Choose a report first."));
        return;
    }
    if (!m_prompts.confirm(this, windowTitle(),
                           tr("Make this report final? A final report is read-only until a reviewer returns it "
                              "to draft.")))
        return;
    setStatus(report, QStringLiteral("final"), {});
}

void StoreBrowser::draft_Click()
{
    const QString report = selectedReport();
    if (report.isEmpty()) {
        say(tr("Choose a report first."));
        return;
    }
    const std::optional<QString> reason =
        m_prompts.askText(this, windowTitle(), tr("Why is the report returned to draft?"), {});
    if (!reason)
        return;
    if (reason->trimmed().isEmpty()) {
        say(tr("A report is returned to draft only with a reason; nothing was changed."));
        return;
    }
    setStatus(report, QStringLiteral("draft"), reason->trimmed());
}

void StoreBrowser::setStatus(const QString &report, const QString &status, const QString &reason)
{
    QPointer<StoreBrowser> self(this);
    m_session.query(QStringLiteral("SELECT dravex.set_status(CAST(? AS uuid), ?, ?)"),
                    {report, status, reason.isEmpty() ? QVariant() : QVariant(reason)},
                    [self, status](const StoreAnswer &answer) {
                        if (!self)
                            return;
                        if (!answer.ok) {
                            self->say(tr("The store refused: %1").arg(answer.message));
                            return;
                        }
                        self->say(status == QLatin1String("final") ? tr("The report is final.")
                                                                   : tr("The report is a draft again."));
                        self->search_Click();
                    });
}

void StoreBrowser::tables_Click()
{
    QPointer<StoreBrowser> self(this);
    m_session.query(QStringLiteral("SELECT s.name, s.kind, t.tank, t.created_by, t.created_at, t.sha256"
                                   " FROM dravex.tank_tables t JOIN dravex.sites s ON s.id = t.site_id"
                                   " WHERE s.name ILIKE ? ESCAPE '\\' ORDER BY s.name, t.tank, t.created_at DESC"),
                    {StoreLikeContaining(m_site->text().trimmed())}, [self](const StoreAnswer &answer) {
                        if (!self)
                            return;
                        if (!answer.ok) {
                            self->say(answer.message);
                            return;
                        }
                        self->m_siteTables->clear();
                        for (const QVariantMap &row : answer.rows) {
                            QStringList cells;
                            for (const char *c : {"name", "tank", "created_by", "created_at", "sha256"})
                                cells << shown(row.value(QLatin1String(c)));
                            auto *item = new QTreeWidgetItem(self->m_siteTables, cells);
                            item->setData(0, Qt::UserRole, row.value(QStringLiteral("kind")));
                        }
                    });
}

void StoreBrowser::keepOffline_Click()
{
    const QList<QTreeWidgetItem *> items = m_siteTables->selectedItems();
    if (items.isEmpty()) {
        say(tr("Choose the tables to keep."));
        return;
    }
    for (const QTreeWidgetItem *item : items) {
        const QString sha = item->text(4);
        const QString owner = item->text(0);
        const TableOwnerKind kind = item->data(0, Qt::UserRole).toString() == QLatin1String("terminal")
                                        ? TableOwnerKind::Terminal
                                        : TableOwnerKind::Vessel;
        QPointer<StoreBrowser> self(this);
        m_session.query(
            QStringLiteral("SELECT document FROM dravex.tank_tables WHERE sha256 = ?"), {sha},
            [self, sha, owner, kind](const StoreAnswer &answer) {
                if (!self)
                    return;
                if (!answer.ok || answer.rows.isEmpty()) {
                    self->say(answer.ok ? tr("The table %1 is not in the store.").arg(sha) : answer.message);
                    return;
                }
                const QByteArray json = answer.rows.first().value(QStringLiteral("document")).toString().toUtf8();
                const TankTableReadResult read = ReadTankTablesJson(std::string_view(json.constData(), json.size()));
                if (!read.document) {
                    self->say(tr("The table %1 cannot be read: %2")
                                  .arg(sha, QString::fromStdString(read.error ? read.error->message : std::string())));
                    return;
                }
                QString error;
                TankTableFile *file = self->m_tables.fileFor(kind, owner, &error);
                if (!file) {
                    self->say(error);
                    return;
                }
                int kept = 0;
                for (const TankTable &table : read.document->tables) {
                    // A table kept before, the same to the last value, is not added again.
                    if (file->tables().tables.end() !=
                        std::find(file->tables().tables.begin(), file->tables().tables.end(), table))
                        continue;
                    if (!file->addTable(table, &error)) {
                        self->say(error);
                        return;
                    }
                    ++kept;
                }
                self->say(
                    tr("%n table(s) of %1 kept for offline use in %2.", nullptr, kept).arg(owner, file->filePath()));
            });
    }
}

void StoreBrowser::sendTables_Click()
{
    const QString name = m_site->text().trimmed();
    QList<const TankTableFile *> files;
    for (const TankTableFile *file : m_tables.files())
        if (file->isReadable() && file->owner().compare(name, Qt::CaseInsensitive) == 0)
            files << file;
    if (name.isEmpty() || files.isEmpty()) {
        say(tr("Type the name of a vessel or terminal whose tables you keep (Records, Tank tables)."));
        m_site->setFocus();
        return;
    }
    // Each table goes as a document of its own, under its SHA-256: a version the store holds
    // already is left as it is (tables are never changed there), and the site is made the
    // first time one of its tables arrives.
    const QString sql = QStringLiteral(
        "WITH made AS (INSERT INTO dravex.sites (id, kind, name) VALUES (CAST(? AS uuid), ?, ?)"
        " ON CONFLICT (kind, name) DO NOTHING RETURNING id)"
        " INSERT INTO dravex.tank_tables (sha256, site_id, tank, document)"
        " SELECT ?, coalesce((SELECT id FROM made), (SELECT id FROM dravex.sites WHERE kind = ? AND name = ?)), ?, ?"
        " ON CONFLICT (sha256) DO NOTHING RETURNING sha256");
    auto answered = std::make_shared<int>(0);
    auto added = std::make_shared<int>(0);
    int total = 0;
    for (const TankTableFile *file : files)
        total += int(file->tables().tables.size());
    QPointer<StoreBrowser> self(this);
    for (const TankTableFile *file : files) {
        const TankTableDocument &doc = file->tables();
        const QString kind =
            doc.ownerKind == TableOwnerKind::Terminal ? QStringLiteral("terminal") : QStringLiteral("vessel");
        for (std::size_t i = 0; i < doc.tables.size(); ++i) {
            TankTableDocument one;
            one.ownerKind = doc.ownerKind;
            one.owner = doc.owner;
            one.tables = {doc.tables[i]};
            const QString sha = QString::fromStdString(TankTableSha256(doc.tables[i]));
            m_session.query(
                sql,
                {QUuid::createUuid().toString(QUuid::WithoutBraces), kind, file->owner(), sha, kind, file->owner(),
                 QString::fromStdString(doc.tables[i].name), QString::fromStdString(WriteTankTablesJson(one))},
                [self, answered, added, total](const StoreAnswer &answer) {
                    if (!self)
                        return;
                    if (!answer.ok) {
                        *answered = total + 1; // said once, the rest unsaid
                        self->say(tr("The store refused: %1").arg(answer.message));
                        return;
                    }
                    *added += int(answer.rows.size());
                    if (++*answered == total)
                        self->say(tr("%n table(s) sent; the store held the others already.", nullptr, *added));
                });
        }
    }
}

} // namespace dravex
