// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/cargo_report.h"
#include "records/report_prompts.h"

#include <QLockFile>
#include <QMainWindow>
#include <QTimer>

#include <memory>

class QComboBox;
class QFormLayout;
class QLineEdit;
class QPlainTextEdit;
class QTableView;
class QTableWidget;
class QUndoStack;

namespace dravex {

class CargoReportModel;

// "Cargo Report": one document, a ship's or terminal's tanks with totals per grade. A
// header form above, the tank table as a spreadsheet, the totals and, one key away (F3),
// the working of the tank under the cursor. Several may be open, one per document.
class CargoReportWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit CargoReportWindow(ReportPrompts &prompts = ReportPrompts::standard(), QWidget *parent = nullptr);
    ~CargoReportWindow() override;

    // Opens path into this window; on any fault a message names the file and the fault,
    // and the document open here stays as it was.
    bool openFile(const QString &path);
    // Saves to path atomically; the window then names that file.
    bool saveTo(const QString &path);
    QString filePath() const { return m_path; }
    bool isModified() const;
    CargoReportModel *model() const { return m_model; }

    // The autosave copy of a modified document, written every 30 seconds; tests call it
    // directly.
    void writeAutosave();
    QString autosavePath() const;
    static QString autosaveDirectory();
    // Offers to restore the reports whose windows ended without saving or discarding
    // (their autosave copies are left and no running window holds them).
    static void offerRestore(ReportPrompts &prompts = ReportPrompts::standard());

    // A new empty report window, shown.
    static CargoReportWindow *openNew(ReportPrompts &prompts);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void new1_Click();
    void open1_Click();
    bool save1_Click();
    bool saveas1_Click();
    void exportcsv1_Click();
    void exportpdf1_Click();
    void print1_Click();
    void copy1_Click();
    void paste1_Click();
    void clear1_Click();
    void inserttank1_Click();
    void deletetank1_Click();

    void buildHeader(QWidget *host);
    // A header line edit; its typing edits member as one undo step per run.
    QLineEdit *addHeaderLine(QFormLayout *form, const char *name, const QString &label, int field,
                             std::string ReportHeader::*member);
    QComboBox *addChoice(QFormLayout *form, const char *name, const QString &label, const QStringList &items);
    void buildMenus();
    void fitColumns();
    void refreshFromModel();
    void refreshTotals();
    void refreshWorking();
    void updateTitle();
    void openPath(const QString &path);
    void rememberRecent(const QString &path);
    void fillRecentMenu();
    void dropAutosave();
    // The header field edits as one undo step per field and run of typing.
    void editHeader(int field, const std::function<void(CargoReport &)> &edit);

    ReportPrompts &m_prompts;
    QUndoStack *m_undo = nullptr;
    CargoReportModel *m_model = nullptr;
    QTableView *tanks = nullptr;
    QTableWidget *totals = nullptr;
    QPlainTextEdit *working = nullptr;
    QLineEdit *vessel = nullptr;
    QLineEdit *voyage = nullptr;
    QLineEdit *port = nullptr;
    QLineEdit *date = nullptr;
    QLineEdit *surveyor = nullptr;
    QPlainTextEdit *remarks = nullptr;
    QComboBox *operation = nullptr;
    QComboBox *units = nullptr;
    QComboBox *edition = nullptr;
    QComboBox *vcfMethod = nullptr;
    QMenu *m_recentMenu = nullptr;
    QString m_path;
    QTimer m_autosaveTimer;
    QString m_autosaveId;
    std::unique_ptr<QLockFile> m_autosaveLock;
    // Restored from an autosave copy over a saved file and not saved since: closing asks
    // with an answer that keeps the file as the default.
    bool m_restoredOverFile = false;
    bool m_refreshing = false;
};

} // namespace dravex
