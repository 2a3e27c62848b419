// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/report/cargo_report_document.h"

#include "records/paper/page_frame.h"
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

bool CargoReportDocument::print(QPrinter *printer, const QString &reference, QString *error) const
{
    // Printed to a file: the file is written as an export is, whole or not at all.
    if (printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty())
        return exportReportPdf(printer->outputFileName(), report(), result(), displayName(), error, reference);
    PageFrame frame(reportPrintTitle(displayName()), reference);
    if (printReport(printer, report(), result(), displayName(), frame))
        return true;
    *error = tr("The report could not be printed on %1.").arg(printer->printerName());
    return false;
}

} // namespace dravex
