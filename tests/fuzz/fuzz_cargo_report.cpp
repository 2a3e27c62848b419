// SPDX-License-Identifier: GPL-3.0-or-later
// The report reader on any bytes: it answers with a report or an error, never a crash;
// a report it reads recomputes, and writes back to the same document; that document with
// a key given twice is refused. Gauged tanks are worked through a small table document.
#include "core/cargo_report.h"
#include "core/tank_table_file.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// Ullages 0 to 2000 mm to m3 over trims 0 and 1 m, for tanks named 1P.
const dravex::TankTableDocument &tables()
{
    static const dravex::TankTableDocument doc = [] {
        dravex::TankTableDocument d;
        d.owner = "Fuzz";
        dravex::TankTable t;
        t.name = "1P";
        t.referenceHeight = 2000;
        t.layout = dravex::TableLayout::TrimVolumeGrid;
        t.trim.levels = {0, 1000, 2000};
        t.trim.columns = {0, 1};
        t.trim.values = {9000, 9010, 5000, 5012, 0, 0};
        d.tables.push_back(t);
        return d;
    }();
    return doc;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const dravex::ReportReadResult read = dravex::ReadReportJson(text);
    if (read.report.has_value() == read.error.has_value())
        std::abort();
    if (!read.report)
        return 0;
    const dravex::ReportResult result = dravex::Recompute(*read.report, &tables());
    (void)dravex::WriteReportCsv(*read.report, result);
    const dravex::ReportReadResult again = dravex::ReadReportJson(dravex::WriteReportJson(*read.report));
    // The parser takes only UTF-8, so every text read writes back byte for byte.
    if (!again.report || !(*again.report == *read.report))
        std::abort();
    // The same document with a key given twice, at the top or in the first tank, is
    // refused as damaged, whichever value comes first.
    const std::string written = dravex::WriteReportJson(*read.report);
    const auto refused = [](const std::string &doubled) {
        const dravex::ReportReadResult r = dravex::ReadReportJson(doubled);
        return !r.report && r.error && r.error->kind == dravex::ReportReadError::Kind::Damaged &&
               r.error->message.find("is given twice") != std::string::npos;
    };
    if (!refused("{\"units\": \"metric\"," + written.substr(1)))
        std::abort();
    if (const std::size_t firstTank = written.find("\"tank\": "); firstTank != std::string::npos) {
        const std::string doubled = written.substr(0, firstTank) + "\"total\": \"1\", " + written.substr(firstTank);
        if (!refused(doubled))
            std::abort();
    }
    return 0;
}
