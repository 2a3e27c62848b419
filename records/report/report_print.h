// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/cargo_report.h"

#include <QString>

class QPagedPaintDevice;

namespace dravex {

// The printed report on the device's pages (landscape is the caller's choice): the header
// block, the tank table with its column heads repeated on every page, totals, the edition
// and tables used, signature lines for the surveyor and the vessel or terminal, and
// "Page n of m" at the foot of each page. Typed text is drawn as it is, never as markup.
void printReport(QPagedPaintDevice *device, const CargoReport &report, const ReportResult &result,
                 const QString &title);

// A landscape A4 PDF of the report, written atomically. false with the reason in error.
bool exportReportPdf(const QString &path, const CargoReport &report, const ReportResult &result, const QString &title,
                     QString *error);

} // namespace dravex
