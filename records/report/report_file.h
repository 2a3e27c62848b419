// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/cargo_report.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace dravex {

// A report read from disk, or the message that says why not (the file, and which fault
// and where); the caller keeps whatever it had open.
struct ReportFileRead
{
    std::optional<CargoReport> report;
    QString error;
};
ReportFileRead readReportFile(const QString &path);

// Writes bytes to path whole or not at all, so a crash or a full disk mid-save leaves the
// previous file whole. false with the file and the reason in error.
bool writeReportBytes(const QString &path, const QByteArray &bytes, QString *error);
bool saveReportFile(const QString &path, const CargoReport &report, QString *error);
bool exportReportCsv(const QString &path, const CargoReport &report, const ReportResult &result, QString *error);

// The file name shown in titles and messages: "tanks.json", or "Untitled".
QString reportDisplayName(const QString &path);

} // namespace dravex
