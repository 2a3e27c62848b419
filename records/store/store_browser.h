// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace dravex {

class Prompts;
class StoreSession;
class TankTableStore;

// "Store browser": the company store's reports, found by vessel, voyage, port, dates,
// grade, status and inspector; a report's revisions, each opened as an untitled report
// window, two compared line by line, and its audit trail; and the tank tables of a vessel
// or terminal, each kept in the local tank tables for use without a connection, and one's own
// tables sent to the store. A reviewer
// makes a report final or returns it to draft with a reason. Without a
// connection it says how to connect. Reports saved by others appear when the store says so.
class StoreBrowser : public QWidget
{
    Q_OBJECT

public:
    StoreBrowser(StoreSession &session, TankTableStore &tables, Prompts &prompts, QWidget *parent = nullptr);

private:
    void search_Click();
    void results_Select();
    void open_Click();
    void compare_Click();
    void audit_Click();
    // A reviewer's: the report made final, or returned to draft with a reason. The database
    // decides who may; its refusal is shown as it gives it.
    void final_Click();
    void draft_Click();
    void setStatus(const QString &report, const QString &status, const QString &reason);
    void tables_Click();
    void keepOffline_Click();
    // The named vessel's or terminal's own tables sent to the store, each version once.
    void sendTables_Click();
    void showState();
    void say(const QString &text);
    QString selectedReport() const;
    QStringList selectedRevisions() const;
    QWidget *reportsPage();
    QWidget *tablesPage();

    StoreSession &m_session;
    TankTableStore &m_tables;
    Prompts &m_prompts;
    QLabel *m_state;
    QLineEdit *m_vessel, *m_voyage, *m_port, *m_from, *m_to, *m_grade, *m_inspector;
    QComboBox *m_status;
    QPushButton *m_search;
    QTreeWidget *m_results;
    QTreeWidget *m_revisions;
    QPushButton *m_open, *m_compare, *m_audit, *m_final, *m_draft;
    QPlainTextEdit *m_detail;
    QLineEdit *m_site;
    QPushButton *m_listTables, *m_keepOffline, *m_sendTables;
    QTreeWidget *m_siteTables;
    bool m_searched = false;
    // Questions for the chosen report's revisions asked so far.
    quint64 m_revisionsAsked = 0;
};

// The lines of after against those of before: "  " kept, "- " only before, "+ " only after.
QStringList StoreLineDiff(const QStringList &before, const QStringList &after);

} // namespace dravex
