// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/cargo_report.h"

#include <QString>

class QPagedPaintDevice;

namespace dravex {

class PageFrame;

// The printed report on the device's pages inside frame (landscape is the caller's choice):
// the header block, the tank table with its column heads repeated on every page, totals,
// the edition and tables used, signature lines for the surveyor and the vessel or
// terminal; the frame paints each page's head and "page n of m". Typed text is drawn as
// it is, never as markup. false when the device cannot be painted on.
bool printReport(QPagedPaintDevice *device, const CargoReport &report, const ReportResult &result, const QString &title,
                 PageFrame &frame);
// The reference line of a printed report: vessel, voyage and port as far as given.
QString reportReference(const CargoReport &report);
// The job line of a printed report named title.
QString reportPrintTitle(const QString &title);

// A landscape PDF of the report on the locale's paper, written whole or not at all. false with the reason in error.
// The reference line is the report's own unless one is given.
bool exportReportPdf(const QString &path, const CargoReport &report, const ReportResult &result, const QString &title,
                     QString *error, const QString &reference = QString());

} // namespace dravex
