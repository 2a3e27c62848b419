// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/report/cargo_report_document.h"

#include "records/report/cargo_report_model.h"
#include "records/report/report_file.h"
#include "records/report/report_print.h"

#include <QPrinter>

namespace dravex {

CargoReportDocument::CargoReportDocument(QObject *parent)
    : Document(parent), m_model(new CargoReportModel(undoStack(), this))
{
}

const CargoReport &CargoReportDocument::report() const
{
    return m_model->report();
}

const ReportResult &CargoReportDocument::result() const
{
    return m_model->result();
}

bool CargoReportDocument::isUntouched() const
{
    return filePath().isEmpty() && !isModified() && report().rows.empty();
}

bool CargoReportDocument::open(const QString &path, QString *error)
{
    ReportFileRead read = readReportFile(path);
    if (!read.report) {
        *error = read.error;
        return false;
    }
    m_model->setReport(*read.report);
    opened(path);
    return true;
}

void CargoReportDocument::restore(const CargoReport &report, const QString &originalPath)
{
    m_model->setReport(report);
    restored(originalPath);
}

bool CargoReportDocument::writeCopy(const QString &path, QString *error) const
{
    return saveReportFile(path, report(), error);
}

bool CargoReportDocument::exportCsv(const QString &path, QString *error) const
{
    return exportReportCsv(path, report(), result(), error);
}

bool CargoReportDocument::exportPdf(const QString &path, QString *error) const
{
    return exportReportPdf(path, report(), result(), displayName(), error);
}

void CargoReportDocument::print(QPrinter *printer) const
{
    printReport(printer, report(), result(), displayName());
}

} // namespace dravex
