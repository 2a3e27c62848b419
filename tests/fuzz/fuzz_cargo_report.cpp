// SPDX-License-Identifier: GPL-3.0-or-later
// The report reader on any bytes: it answers with a report or an error, never a crash;
// a report it reads recomputes, and writes back to the same document.
#include "core/cargo_report.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const dravex::ReportReadResult read = dravex::ReadReportJson(text);
    if (read.report.has_value() == read.error.has_value())
        std::abort();
    if (!read.report)
        return 0;
    const dravex::ReportResult result = dravex::Recompute(*read.report);
    (void)dravex::WriteReportCsv(*read.report, result);
    const dravex::ReportReadResult again = dravex::ReadReportJson(dravex::WriteReportJson(*read.report));
    // The parser takes only UTF-8, so every text read writes back byte for byte.
    if (!again.report || !(*again.report == *read.report))
        std::abort();
    return 0;
}
