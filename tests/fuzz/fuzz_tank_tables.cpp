// SPDX-License-Identifier: GPL-3.0-or-later
// The tank table document reader and the grid import on any bytes: an answer or an error,
// never a crash; a document read writes back to the same document, and every table it
// holds answers lookups with a value or a refusal.
#include "core/tank_table_file.h"
#include "core/tank_table_import.h"
#include "core/tank_volume.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);

    dravex::ImportMapping mapping;
    mapping.valueColumns = {1, 2};
    mapping.columnValues = {0, 1};
    (void)dravex::ImportTableGrid(text, mapping);

    const dravex::TankTableReadResult read = dravex::ReadTankTablesJson(text);
    if (read.document.has_value() == read.error.has_value())
        std::abort();
    if (!read.document)
        return 0;
    const dravex::TankTableReadResult again = dravex::ReadTankTablesJson(dravex::WriteTankTablesJson(*read.document));
    if (!again.document || !(*again.document == *read.document))
        std::abort();
    for (const dravex::TankTable &table : read.document->tables) {
        const std::vector<double> &levels =
            table.layout == dravex::TableLayout::TrimVolumeGrid ? table.trim.levels : table.evenKeel.levels;
        for (double level : {levels.front(), levels.back(), (levels.front() + levels.back()) / 2}) {
            dravex::GaugeConditions g;
            g.trim = 0.5;
            g.lbp = 100;
            g.longitudinalOffset = 3;
            const dravex::TableValue v = dravex::ObservedVolume(table, level, g);
            if (v.ok() && !std::isfinite(v.value))
                std::abort();
        }
    }
    return 0;
}
