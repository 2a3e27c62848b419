// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as one line of the file of records that wait to be written into the log: the
// reader never throws or crashes, takes a line only with its time and window, and what it
// takes is written back as one line (no line break in it) that reads as the same record.
#include "records/log/log_waiting_line.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view line(reinterpret_cast<const char *>(data), size);
    const std::optional<dravex::WaitingRecord> record = dravex::ParseWaitingLine(line);
    if (!record)
        return 0;
    if (record->at.empty() || record->window.empty())
        std::abort();
    const std::string written = dravex::WaitingLine(*record);
    if (written.find('\n') != std::string::npos || written.find('\r') != std::string::npos)
        std::abort();
    const std::optional<dravex::WaitingRecord> again = dravex::ParseWaitingLine(written);
    if (!again || !(*again == *record))
        std::abort();
    return 0;
}
