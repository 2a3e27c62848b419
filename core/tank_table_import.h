// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/tank_table.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dravex {

// Tank tables come as CSV, tab-separated text or a block copied from a spreadsheet (tab
// separated lines). The import reads one grid (levels down, one value column or several
// trim or list columns across) and checks it before anything is kept.

// The cells of each non-blank line. Fields in double quotes may hold the delimiter; a
// doubled quote inside them is one quote. CR before LF is dropped.
std::vector<std::vector<std::string>> SplitDelimited(std::string_view text, char delimiter);
// A tab when the first non-blank line holds one, else ";" when it holds one, else ",".
char DetectDelimiter(std::string_view text);

// Feet, inches and eighths as inches: "12-03-4", "12 3 4", "12 3 4/8", "12 ft 3 4/8 in",
// "12-03" -> 147.5, 147.5, 147.5, 147.5, 147; nullopt when the text is not that form
// (inches 12 or more, eighths 8 or more, anything but digits and separators).
std::optional<double> ParseFeetInchesEighths(std::string_view text);

struct ImportMapping
{
    char delimiter = 0;  // 0: DetectDelimiter
    int skipRows = 0;    // heading lines before the first level (non-blank lines)
    int levelColumn = 0; // 0-based
    // One column for a single volume column; else one per trim (list) column, with its
    // trim (list) as the table prints it in columnValues.
    std::vector<int> valueColumns;
    std::vector<double> columnValues;
    LevelUnit levelUnit = LevelUnit::Millimetres;
    // Numbers written 12,5: the comma is the decimal separator and "." groups thousands.
    bool decimalComma = false;
};

struct ImportIssue
{
    enum class Severity { Error, Warning };
    Severity severity = Severity::Error;
    int row = 0;    // 1-based line of the text (blank lines counted), 0: the whole table
    int column = 0; // 1-based, 0: the whole row
    std::string message;
};

struct ImportResult
{
    // Levels increasing, columns increasing with their values in that order.
    TableGrid grid;
    std::vector<ImportIssue> issues;
    // True when nothing stands in the way of keeping the grid (warnings allowed).
    bool ok() const;
};

// The grid of text under mapping, with every fault found (not just the first):
//   errors: a cell that is not a number (named by row and column), a decimal comma when
//   decimalComma is off, levels not strictly increasing, a level repeated, a missing cell,
//   a repeated column value, columns and column values of different counts;
//   warnings: a step between levels more than twice the table's usual (median) step, a
//   number that reads as thousands ("1,250") and may be a decimal comma, rows that run
//   downwards throughout (read in reverse).
ImportResult ImportTableGrid(std::string_view text, const ImportMapping &mapping);

} // namespace dravex
