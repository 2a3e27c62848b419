// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/operations.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace dravex {

// FROM:TO:STEP in exact decimals: the values FROM, FROM + STEP, ... up to TO, each counted
// as FROM + i x STEP in whole units of the finest decimal place given, so 30.0:31:0.1
// gives 30.0, 30.1, ..., 31.0 with no drift from adding 0.1 again and again.
class DecimalSteps
{
public:
    // The steps, or a problem ("STEP must be above 0").
    static std::optional<DecimalSteps> parse(std::string_view text, std::string &problem);

    std::int64_t count() const { return m_count; }
    // The i-th value as text with the places of the finest decimal given: "30.1".
    std::string text(std::int64_t i) const;

private:
    std::int64_t m_from = 0;
    std::int64_t m_step = 1;
    std::int64_t m_count = 0;
    int m_places = 0;
};

// A page of a printed table: the first stepped input down the rows, the second (if any)
// across the columns, the shown output in the cells; every other input fixed.
struct GridRequest
{
    const Operation *operation = nullptr;
    std::size_t rowInput = 0;
    DecimalSteps rows;
    std::optional<std::size_t> columnInput;
    DecimalSteps columns;
    InputValues fixed; // by input, the fixed values; the stepped ones are set per cell
    std::size_t shownOutput = 0;
    bool aligned = false; // aligned columns for a terminal instead of CSV
};

struct GridSummary
{
    std::int64_t cells = 0;
    std::int64_t stopped = 0;    // cells left empty: the calculation stopped
    std::int64_t outOfRange = 0; // cells where the window shows its out-of-range window
    std::string firstStop;       // where and why the first empty cell stopped
};

// Writes the page row by row, in pieces of about 64 KiB: memory does not grow with rows.
GridSummary writeGrid(const GridRequest &request, const std::function<void(std::string_view)> &write);

} // namespace dravex
