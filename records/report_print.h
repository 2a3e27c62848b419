#pragma once

#include "core/cargo_report.h"

#include <QString>

class QPagedPaintDevice;

namespace dravex {

// The printed report as rich text: header block, the tank table (its column heads
// repeated on every page), totals, the edition and tables used, signature lines. Every
// text a user typed is escaped.
QString reportHtml(const CargoReport &report, const ReportResult &result, const QString &title);

// Lays the report out on the device's pages (landscape is the caller's choice) with
// "Page n of m" at the foot of each.
void printReport(QPagedPaintDevice *device, const QString &html);

// A PDF of the report, written atomically. false with the reason in error.
bool exportReportPdf(const QString &path, const CargoReport &report, const ReportResult &result,
                     const QString &title, QString *error);

} // namespace dravex
