// SPDX-License-Identifier: GPL-3.0-or-later
// Restoring cargo reports after a crash: the copies autosave left behind, offered at start.
#include "records/autosave.h"
#include "records/report/cargo_report_document.h"
#include "records/report/cargo_report_window.h"
#include "records/report/report_file.h"

namespace dravex {

void CargoReportWindow::offerRestore(Prompts &prompts)
{
    std::vector<Autosave::Leftover> left = Autosave::leftovers();
    if (left.empty())
        return;
    QStringList names;
    for (const Autosave::Leftover &l : left)
        names << reportDisplayName(l.originalPath) + QStringLiteral(" (") + l.written.toString(Qt::ISODate) +
                     QLatin1Char(')');
    const bool restore = prompts.restore(nullptr, tr("Cargo Report"), names);
    for (Autosave::Leftover &l : left) {
        if (!restore) {
            Autosave::discard(l);
            continue;
        }
        ReportFileRead read = readReportFile(Autosave::directory() + QLatin1Char('/') + l.id + QStringLiteral(".json"));
        if (!read.report) {
            prompts.warn(nullptr, tr("Cargo Report"), read.error);
            continue; // the copy stays for another try
        }
        auto *document = new CargoReportDocument;
        document->restore(*read.report, l.originalPath);
        // The document carries the copy on as its own autosave.
        document->autosave().adopt(std::move(l));
        (new CargoReportWindow(prompts, document))->show();
    }
}

} // namespace dravex
