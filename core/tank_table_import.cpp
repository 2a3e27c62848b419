// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tank_table_import.h"

#include "core/conventions.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numeric>

namespace dravex {

namespace {

bool blank(std::string_view line)
{
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t' || c == '\r'; });
}

std::string num(double x)
{
    return std::isfinite(x) ? FormatFieldNumber(x) : std::string("-");
}

std::string at(int row, int column)
{
    return "Row " + std::to_string(row) + ", column " + std::to_string(column);
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// "12,5" or "-0,125": a comma between digits with no three-digit grouping after it.
bool looksDecimalComma(std::string_view s)
{
    const std::size_t comma = s.find(',');
    if (comma == std::string_view::npos || s.find(',', comma + 1) != std::string_view::npos)
        return false;
    if (ThousandsShape(s) == SeparatorShape::Comma)
        return false;
    const bool before = comma > 0 && std::isdigit(static_cast<unsigned char>(s[comma - 1]));
    const bool after = comma + 1 < s.size() && std::isdigit(static_cast<unsigned char>(s[comma + 1]));
    return before && after;
}

struct Cell
{
    double value = 0;
    bool ok = false;
};

Cell readCell(std::string_view raw, int row, int column, bool isLevel, const ImportMapping &m,
              std::vector<ImportIssue> &issues)
{
    const std::string_view s = trimmed(raw);
    Cell c;
    if (isLevel && m.levelUnit == LevelUnit::FeetInchesEighths) {
        if (const auto inches = ParseFeetInchesEighths(s)) {
            c.value = *inches;
            c.ok = true;
        } else {
            issues.push_back({ImportIssue::Severity::Error, row, column,
                              at(row, column) + ": '" + std::string(s) + "' is not feet, inches and eighths"});
        }
        return c;
    }
    std::string text(s);
    if (m.decimalComma) {
        text.erase(std::remove(text.begin(), text.end(), '.'), text.end());
        std::replace(text.begin(), text.end(), ',', '.');
    } else if (looksDecimalComma(s)) {
        issues.push_back(
            {ImportIssue::Severity::Error, row, column,
             at(row, column) + ": '" + text + "' has a decimal comma: choose decimal commas for this table"});
        return c;
    }
    try {
        c.value = ParseFieldNumber(text);
        c.ok = true;
        if (!m.decimalComma && ThousandsShape(s) == SeparatorShape::Comma)
            issues.push_back({ImportIssue::Severity::Warning, row, column,
                              at(row, column) + ": '" + text + "' is read as " + num(c.value) +
                                  "; if the table writes decimal commas, choose them"});
    } catch (const CalcFault &) {
        issues.push_back({ImportIssue::Severity::Error, row, column,
                          at(row, column) + ": '" + std::string(s) + "' is not a number"});
    }
    return c;
}

} // namespace

std::vector<std::vector<std::string>> SplitDelimited(std::string_view text, char delimiter)
{
    std::vector<std::vector<std::string>> out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        std::vector<std::string> cells;
        std::string cell;
        bool quoted = false;
        for (std::size_t i = 0; i < line.size(); ++i) {
            const char ch = line[i];
            if (quoted) {
                if (ch == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                    cell += '"';
                    ++i;
                } else if (ch == '"') {
                    quoted = false;
                } else {
                    cell += ch;
                }
            } else if (ch == '"') {
                quoted = true;
            } else if (ch == delimiter) {
                cells.push_back(std::move(cell));
                cell.clear();
            } else {
                cell += ch;
            }
        }
        cells.push_back(std::move(cell));
        out.push_back(std::move(cells));
    }
    return out;
}

char DetectDelimiter(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (blank(line))
            continue;
        if (line.find('\t') != std::string_view::npos)
            return '\t';
        if (line.find(';') != std::string_view::npos)
            return ';';
        return ',';
    }
    return ',';
}

std::optional<double> ParseFeetInchesEighths(std::string_view text)
{
    std::vector<long> parts;
    bool slash = false;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            long v = 0;
            while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
                if (v > 100000000)
                    return std::nullopt;
                v = v * 10 + (text[i++] - '0');
            }
            parts.push_back(v);
            continue;
        }
        if (c == '/')
            slash = true;
        else if (text.substr(i, 2) == "ft" || text.substr(i, 2) == "in")
            ++i;
        else if (c != ' ' && c != '-' && c != '\'' && c != '"' && c != '\t')
            return std::nullopt;
        ++i;
    }
    if (slash) {
        if (parts.size() != 4 || parts[3] != 8)
            return std::nullopt;
        parts.pop_back();
    }
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    const long eighths = parts.size() == 3 ? parts[2] : 0;
    if (parts[1] >= 12 || eighths >= 8)
        return std::nullopt;
    return static_cast<double>(parts[0] * 12 + parts[1]) + static_cast<double>(eighths) / 8;
}

bool ImportResult::ok() const
{
    return std::none_of(issues.begin(), issues.end(),
                        [](const ImportIssue &i) { return i.severity == ImportIssue::Severity::Error; });
}

ImportResult ImportTableGrid(std::string_view text, const ImportMapping &m)
{
    ImportResult r;
    auto error = [&](int row, int column, std::string message) {
        r.issues.push_back({ImportIssue::Severity::Error, row, column, std::move(message)});
    };
    const char delimiter = m.delimiter ? m.delimiter : DetectDelimiter(text);
    if (m.valueColumns.empty()) {
        error(0, 0, "No volume or correction column is chosen");
        return r;
    }
    const bool grid = m.valueColumns.size() > 1 || !m.columnValues.empty();
    if (grid && m.columnValues.size() != m.valueColumns.size()) {
        error(0, 0,
              std::to_string(m.valueColumns.size()) + " columns are chosen with " +
                  std::to_string(m.columnValues.size()) + " trim (list) values");
        return r;
    }
    // Columns in increasing order of their trim (list).
    std::vector<std::size_t> order(m.valueColumns.size());
    std::iota(order.begin(), order.end(), 0);
    if (grid) {
        for (double v : m.columnValues)
            if (!std::isfinite(v)) {
                error(0, 0, "A trim (list) value of a column is not a number");
                return r;
            }
        std::sort(order.begin(), order.end(),
                  [&](std::size_t a, std::size_t b) { return m.columnValues[a] < m.columnValues[b]; });
        for (std::size_t k = 0; k + 1 < order.size(); ++k)
            if (m.columnValues[order[k]] == m.columnValues[order[k + 1]]) {
                error(0, 0, "Two columns have the trim (list) " + num(m.columnValues[order[k]]));
                return r;
            }
        for (std::size_t k : order)
            r.grid.columns.push_back(m.columnValues[k]);
    }

    std::vector<int> rowOf; // text line of each level kept
    int line = 0;
    int skipped = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view lineText = text.substr(pos, end - pos);
        pos = end + 1;
        ++line;
        if (blank(lineText))
            continue;
        if (skipped < m.skipRows) {
            ++skipped;
            continue;
        }
        const std::vector<std::string> cells = SplitDelimited(lineText, delimiter).front();
        auto cellAt = [&](int column) -> const std::string * {
            if (column < 0 || static_cast<std::size_t>(column) >= cells.size())
                return nullptr;
            return &cells[static_cast<std::size_t>(column)];
        };
        bool rowOk = true;
        const std::string *levelText = cellAt(m.levelColumn);
        Cell level;
        if (!levelText) {
            error(line, m.levelColumn + 1, at(line, m.levelColumn + 1) + ": the level is missing");
            rowOk = false;
        } else {
            level = readCell(*levelText, line, m.levelColumn + 1, true, m, r.issues);
            rowOk = level.ok;
        }
        std::vector<double> values(m.valueColumns.size());
        for (std::size_t k = 0; k < order.size(); ++k) {
            const int column = m.valueColumns[order[k]];
            const std::string *t = cellAt(column);
            if (!t || trimmed(*t).empty()) {
                error(line, column + 1, at(line, column + 1) + ": the value is missing");
                rowOk = false;
                continue;
            }
            const Cell c = readCell(*t, line, column + 1, false, m, r.issues);
            rowOk = rowOk && c.ok;
            values[k] = c.value;
        }
        if (!rowOk)
            continue;
        r.grid.levels.push_back(level.value);
        r.grid.values.insert(r.grid.values.end(), values.begin(), values.end());
        rowOf.push_back(line);
    }
    const std::size_t n = r.grid.levels.size();
    if (n < 2) {
        error(0, 0, "The table needs at least two rows of numbers");
        return r;
    }

    // A table printed from the top down (ullages falling) is read in reverse.
    std::vector<double> &lv = r.grid.levels;
    bool falling = true;
    for (std::size_t i = 1; i < n && falling; ++i)
        falling = lv[i] < lv[i - 1];
    if (falling) {
        const std::size_t w = r.grid.width();
        std::reverse(lv.begin(), lv.end());
        std::reverse(rowOf.begin(), rowOf.end());
        std::vector<double> flipped;
        flipped.reserve(r.grid.values.size());
        for (std::size_t i = n; i-- > 0;)
            flipped.insert(flipped.end(), r.grid.values.begin() + static_cast<std::ptrdiff_t>(i * w),
                           r.grid.values.begin() + static_cast<std::ptrdiff_t>((i + 1) * w));
        r.grid.values = std::move(flipped);
        r.issues.push_back({ImportIssue::Severity::Warning, 0, 0,
                            "The levels run downwards: the rows are read from the last to the first"});
    }

    const int levelColumn = m.levelColumn + 1;
    std::vector<double> steps;
    for (std::size_t i = 1; i < n; ++i) {
        if (lv[i] == lv[i - 1]) {
            error(rowOf[i], levelColumn,
                  at(rowOf[i], levelColumn) + ": the level " + num(lv[i]) + " repeats row " +
                      std::to_string(rowOf[i - 1]));
        } else if (lv[i] < lv[i - 1]) {
            error(rowOf[i], levelColumn,
                  at(rowOf[i], levelColumn) + ": the level " + num(lv[i]) + " is not above the level " +
                      num(lv[i - 1]) + " of row " + std::to_string(rowOf[i - 1]) + ": levels must increase strictly");
        } else {
            steps.push_back(lv[i] - lv[i - 1]);
        }
    }
    if (!steps.empty()) {
        std::vector<double> sorted = steps;
        std::nth_element(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(sorted.size() / 2), sorted.end());
        const double usual = sorted[sorted.size() / 2];
        for (std::size_t i = 1; i < n; ++i) {
            const double step = lv[i] - lv[i - 1];
            if (step > 2 * usual)
                r.issues.push_back({ImportIssue::Severity::Warning, rowOf[i], levelColumn,
                                    at(rowOf[i], levelColumn) + ": a gap of " + num(step) + " after the level " +
                                        num(lv[i - 1]) + ", where the table's usual step is " + num(usual)});
        }
    }
    return r;
}

} // namespace dravex
