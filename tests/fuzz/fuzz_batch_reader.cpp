// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes on the standard input of a batch: every record becomes exactly one output row
// of the header's width (never more text than was read plus the results), each row either
// results or a notice, and the reader keeps to its memory bound. The input is fed in two
// pieces cut where the first byte says, so state carried across a piece boundary is
// exercised too. The reader's records follow each other line by line, and a quote that
// swallowed lines names where it opened and the lines it took.
#include "cli/batch.h"
#include "cli/csv_reader.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t cut = data[0] % size;
    const std::string_view bytes(reinterpret_cast<const char *>(data) + 1, size - 1);

    // Small limits, so the length limit inside a quote is reached often.
    std::size_t lastLine = 0;
    dravex::CsvReader reader(
        [&](const dravex::CsvRecord &r) {
            if (r.line <= lastLine || r.endLine < r.line)
                std::abort();
            lastLine = r.endLine;
            if (r.problem == dravex::CsvProblem::UnclosedQuote || r.problem == dravex::CsvProblem::QuoteRunsOn) {
                if (r.quoteLine < r.line || r.quoteLine > r.endLine)
                    std::abort();
                const std::string notice = dravex::csvProblemNotice(r, 16, 8);
                const std::string opened = "line " + std::to_string(r.quoteLine) + ": ";
                const std::string lines = r.endLine > r.quoteLine ? "lines " + std::to_string(r.quoteLine) + " to " +
                                                                        std::to_string(r.endLine)
                                                                  : "the line";
                if (!notice.starts_with(opened) || notice.find("opens a quote") == std::string::npos ||
                    notice.find(lines) == std::string::npos)
                    std::abort();
            }
        },
        16, 8);
    reader.feed(bytes.substr(0, std::min(cut, bytes.size())));
    reader.feed(bytes.substr(std::min(cut, bytes.size())));
    reader.finish();

    std::string out;
    for (const dravex::Operation &operation : dravex::allOperations()) {
        if (!dravex::isAvailable(operation))
            continue;
        out.clear();
        dravex::BatchRun batch(operation, [&](std::string_view text) { out += text; });
        batch.feed(bytes.substr(0, std::min(cut, bytes.size())));
        batch.feed(bytes.substr(std::min(cut, bytes.size())));
        batch.finish();
        if (batch.rowsComputed() > batch.rows())
            std::abort();
        // The output is CSV that reads back: no problem in any of its records, each as
        // wide as its header.
        std::size_t width = 0;
        bool first = true;
        dravex::CsvReader check(
            [&](const dravex::CsvRecord &r) {
                if (r.problem != dravex::CsvProblem::None)
                    std::abort();
                if (first)
                    width = r.fields.size();
                else if (r.fields.size() != width)
                    std::abort();
                first = false;
            },
            1 << 20, 1 << 10);
        check.feed(out);
        check.finish();
        if (first)
            std::abort(); // not even a header
    }
    return 0;
}
