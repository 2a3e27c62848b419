// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/report/cargo_report_document.h"

#include "core/tank_table_file.h"
#include "records/paper/page_frame.h"
#include "records/report/cargo_report_model.h"
#include "records/report/report_file.h"
#include "records/report/report_print.h"
#include "records/store/report_store_link.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>

namespace dravex {

CargoReportDocument::CargoReportDocument(QObject *parent)
    : Document(parent), m_model(new CargoReportModel(undoStack(), this))
{
    connect(m_model, &CargoReportModel::reportChanged, this, &CargoReportDocument::refreshTables);
    connect(this, &Document::filePathChanged, this, &CargoReportDocument::refreshTables);
    new ReportStoreLink(this);
}

QString CargoReportDocument::tablesPath() const
{
    const QString named = QString::fromStdString(report().tankTables);
    if (named.trimmed().isEmpty())
        return {};
    if (QFileInfo(named).isAbsolute() || filePath().isEmpty())
        return QDir::cleanPath(named);
    return QDir::cleanPath(QFileInfo(filePath()).absoluteDir().filePath(named));
}

void CargoReportDocument::refreshTables()
{
    const QString path = tablesPath();
    const QFileInfo info(path);
    if (path == m_tablesRead &&
        (path.isEmpty() || (info.size() == m_tablesSize && info.lastModified() == m_tablesTime)))
        return;
    m_tablesRead = path;
    m_tablesSize = info.size();
    m_tablesTime = info.lastModified();
    m_tablesProblem.clear();
    std::shared_ptr<const TankTableDocument> tables;
    if (!path.isEmpty()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            m_tablesProblem = tr("The tank tables %1 cannot be read: %2").arg(path, file.errorString());
        } else if (file.size() > static_cast<qint64>(kMaxReportFileBytes)) {
            m_tablesProblem = tr("The tank tables %1 are larger than any tank table document").arg(path);
        } else {
            const QByteArray bytes = file.readAll();
            const TankTableReadResult read = ReadTankTablesJson(std::string_view(bytes.constData(), bytes.size()));
            if (read.document)
                tables = std::make_shared<const TankTableDocument>(*read.document);
            else
                m_tablesProblem =
                    tr("The tank tables %1 cannot be used: %2").arg(path, QString::fromStdString(read.error->message));
        }
    }
    m_model->setTables(std::move(tables));
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
