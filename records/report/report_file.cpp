// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/report/report_file.h"

#include "records/paper/atomic_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace dravex {

namespace {

// The context the texts of this file are translated in.
struct ReportFile
{
    Q_DECLARE_TR_FUNCTIONS(ReportFile)
};

} // namespace

ReportFileRead readReportFile(const QString &path)
{
    ReportFileRead read;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        read.error = ReportFile::tr("Cannot open %1: %2").arg(QFileInfo(path).fileName(), file.errorString());
        return read;
    }
    // One byte past the limit tells a file that is too large; a device such as /dev/zero
    // is never read to its end.
    const QByteArray bytes = file.read(qint64(kMaxReportFileBytes) + 1);
    if (bytes.size() > qint64(kMaxReportFileBytes)) {
        read.error = ReportFile::tr("Cannot read %1: larger than %2 MiB, the largest report file read")
                         .arg(QFileInfo(path).fileName())
                         .arg(kMaxReportFileBytes / (1024 * 1024));
        return read;
    }
    if (file.error() != QFileDevice::NoError) {
        read.error = ReportFile::tr("Cannot read %1: %2").arg(QFileInfo(path).fileName(), file.errorString());
        return read;
    }
    ReportReadResult parsed =
        ReadReportJson(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (parsed.error) {
        read.error = ReportFile::tr("Cannot open %1: %2")
                         .arg(QFileInfo(path).fileName(), QString::fromStdString(parsed.error->message));
        return read;
    }
    read.report = std::move(parsed.report);
    return read;
}

bool writeReportBytes(const QString &path, const QByteArray &bytes, QString *error)
{
    QString reason;
    if (WriteWholeFile(path, bytes, &reason))
        return true;
    if (error)
        *error = ReportFile::tr("Cannot save %1: %2").arg(QFileInfo(path).fileName(), reason);
    return false; // the old file stays as it was
}

bool saveReportFile(const QString &path, const CargoReport &report, QString *error)
{
    return writeReportBytes(path, QByteArray::fromStdString(WriteReportJson(report)), error);
}

bool exportReportCsv(const QString &path, const CargoReport &report, const ReportResult &result, QString *error)
{
    return writeReportBytes(path, QByteArray::fromStdString(WriteReportCsv(report, result)), error);
}

QString reportDisplayName(const QString &path)
{
    return path.isEmpty() ? ReportFile::tr("Untitled") : QFileInfo(path).fileName();
}

} // namespace dravex
