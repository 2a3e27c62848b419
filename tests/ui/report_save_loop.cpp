// SPDX-License-Identifier: GPL-3.0-or-later
// Saves two reports in turn to one file until killed: the kill test's victim.
#include "records/report/report_file.h"

#include <QCoreApplication>

using namespace dravex;

namespace {

// A report of 300 tanks whose every cell names the document it belongs to.
CargoReport document(const std::string &mark)
{
    CargoReport report;
    report.header.vessel = mark;
    for (int i = 0; i < 300; ++i) {
        TankRow row;
        for (std::string &cell : row.cells)
            cell = mark + std::to_string(i);
        report.rows.push_back(row);
    }
    return report;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const CargoReport documents[] = {document("old"), document("new")};
    for (unsigned n = 0;; ++n) {
        QString error;
        if (!saveReportFile(path, documents[n % 2], &error))
            return 1;
    }
}
