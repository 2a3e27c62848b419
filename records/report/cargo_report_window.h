// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/cargo_report.h"
#include "screens/prompts.h"

#include <QMainWindow>

class QComboBox;
class QFormLayout;
class QLineEdit;
class QPlainTextEdit;
class QTableView;
class QTableWidget;

namespace dravex {

class CargoReportDocument;
class CargoReportModel;
class GaugedRowEditor;

// "Cargo Report": the window of one cargo report document, a ship's or terminal's tanks
// with totals per grade. A header form above, the tank table as a spreadsheet, the totals
// and, one key away (F3), the working of the tank under the cursor. Several may be open,
// one per document; every report window is made here and listed with its document in the
// DocumentManager.
class CargoReportWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Shows document, which the window takes over, or a new empty report.
    explicit CargoReportWindow(Prompts &prompts, CargoReportDocument *document = nullptr, QWidget *parent = nullptr);
    ~CargoReportWindow() override;

    // Opens path into this window; on any fault a message names the file and the fault,
    // and the document open here stays as it was.
    bool openFile(const QString &path);
    // Saves to path atomically; the window then names that file.
    bool saveTo(const QString &path);
    QString filePath() const;
    bool isModified() const;
    CargoReportDocument *document() const { return m_document; }
    CargoReportModel *model() const;

    // Offers to restore the reports whose windows ended without saving or discarding
    // (their autosave copies are left and no running program holds them).
    static void offerRestore(Prompts &prompts);

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
    // The header field edits as one undo step per field and run of typing.
    void editHeader(int field, const std::function<void(CargoReport &)> &edit);

    Prompts &m_prompts;
    CargoReportDocument *m_document;
    CargoReportModel *m_model;
    QTableView *tanks = nullptr;
    QTableWidget *totals = nullptr;
    QPlainTextEdit *working = nullptr;
    GaugedRowEditor *gaugedRow = nullptr;
    QLineEdit *vessel = nullptr;
    QLineEdit *voyage = nullptr;
    QLineEdit *port = nullptr;
    QLineEdit *date = nullptr;
    QLineEdit *surveyor = nullptr;
    QPlainTextEdit *remarks = nullptr;
    QComboBox *operation = nullptr;
    QComboBox *survey = nullptr;
    QComboBox *units = nullptr;
    QComboBox *edition = nullptr;
    QComboBox *vcfMethod = nullptr;
    QMenu *m_recentMenu = nullptr;
    bool m_refreshing = false;
};

} // namespace dravex
