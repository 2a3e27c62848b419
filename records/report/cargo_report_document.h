// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/cargo_report.h"
#include "records/document.h"

#include <QDateTime>

class QPrinter;

namespace dravex {

class CargoReportModel;

// A cargo report as a document: the report, its results, its file, its undo history and
// its autosave copy; it opens, saves, exports and prints itself. Its tank table model is
// the one way to edit it, each edit one step of the undo stack.
class CargoReportDocument : public Document
{
    Q_OBJECT

public:
    explicit CargoReportDocument(QObject *parent = nullptr);

    CargoReportModel *model() const { return m_model; }
    const CargoReport &report() const;
    const ReportResult &result() const;
    // No file, no history and no tanks: a fresh window may take another document instead.
    bool isUntouched() const;

    // Reads path into this document; on a fault error names the file and the fault and
    // the document stays as it was.
    bool open(const QString &path, QString *error);
    // Takes report from an autosave copy, modified against the file at originalPath.
    void restore(const CargoReport &report, const QString &originalPath);

    bool writeCopy(const QString &path, QString *error) const override;
    bool exportCsv(const QString &path, QString *error) const;
    bool exportPdf(const QString &path, QString *error) const;
    // Prints on printer with the reference line on every page; false with the reason in
    // error.
    bool print(QPrinter *printer, const QString &reference, QString *error) const;

    // The tank table document the report names, as a full path (relative names are taken
    // from the report file's folder); empty when it names none.
    QString tablesPath() const;
    // Why the named tank table document could not be read; empty when it was.
    QString tablesProblem() const { return m_tablesProblem; }
    // Reads the named tank table document again when it is another file, or the file has
    // changed since it was read; the report is recomputed with it.
    void refreshTables();

private:
    CargoReportModel *m_model;
    // The file the tables were read from, and its size and time then.
    QString m_tablesRead;
    qint64 m_tablesSize = -1;
    QDateTime m_tablesTime;
    QString m_tablesProblem;
};

} // namespace dravex
