// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/grid.h"

#include "core/csv.h"

#include <algorithm>
#include <vector>

namespace dravex {

namespace {

constexpr std::int64_t kMaxMantissa = 1'000'000'000'000'000; // 10^15: 15 digits in all
constexpr std::size_t kFlushSize = 64 * 1024;

struct Decimal
{
    std::int64_t units = 0; // the value in units of 10^-places
    int places = 0;
};

std::optional<Decimal> parseDecimal(std::string_view text)
{
    Decimal d;
    bool negative = false;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    int digits = 0;
    bool anyDigit = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9')
            return std::nullopt;
        if (digits == 15)
            return std::nullopt;
        anyDigit = true;
        d.units = d.units * 10 + (c - '0');
        if (d.units != 0)
            ++digits;
        if (point)
            ++d.places;
    }
    if (!anyDigit)
        return std::nullopt;
    if (negative)
        d.units = -d.units;
    return d;
}

bool rescale(Decimal &d, int places)
{
    for (; d.places < places; ++d.places) {
        if (d.units > kMaxMantissa || d.units < -kMaxMantissa)
            return false;
        d.units *= 10;
    }
    return true;
}

std::string padLeft(std::string_view text, std::size_t width)
{
    std::string out;
    if (text.size() < width)
        out.append(width - text.size(), ' ');
    out += text;
    return out;
}

} // namespace

std::optional<DecimalSteps> DecimalSteps::parse(std::string_view text, std::string &problem)
{
    const std::size_t first = text.find(':');
    const std::size_t second = first == std::string_view::npos ? first : text.find(':', first + 1);
    if (second == std::string_view::npos || text.find(':', second + 1) != std::string_view::npos) {
        problem = "\"" + std::string(text) + "\" is not FROM:TO:STEP";
        return std::nullopt;
    }
    const std::string_view parts[] = {text.substr(0, first), text.substr(first + 1, second - first - 1),
                                      text.substr(second + 1)};
    const char *names[] = {"FROM", "TO", "STEP"};
    Decimal values[3];
    int places = 0;
    for (int k = 0; k < 3; ++k) {
        const auto d = parseDecimal(parts[k]);
        if (!d) {
            problem = std::string(names[k]) + " \"" + std::string(parts[k]) +
                      "\" is not a decimal number of at most 15 digits";
            return std::nullopt;
        }
        values[k] = *d;
        places = std::max(places, d->places);
    }
    for (Decimal &d : values)
        if (!rescale(d, places)) {
            problem = "\"" + std::string(text) + "\" has too many digits";
            return std::nullopt;
        }
    if (values[2].units <= 0) {
        problem = "STEP must be above 0 in \"" + std::string(text) + "\"";
        return std::nullopt;
    }
    if (values[1].units < values[0].units) {
        problem = "TO is below FROM in \"" + std::string(text) + "\"";
        return std::nullopt;
    }
    DecimalSteps steps;
    steps.m_from = values[0].units;
    steps.m_step = values[2].units;
    steps.m_count = (values[1].units - values[0].units) / values[2].units + 1;
    steps.m_places = places;
    return steps;
}

std::string DecimalSteps::text(std::int64_t i) const
{
    const std::int64_t value = m_from + i * m_step;
    std::string digits = std::to_string(value < 0 ? -value : value);
    if (m_places > 0) {
        if (digits.size() <= static_cast<std::size_t>(m_places))
            digits.insert(0, static_cast<std::size_t>(m_places) + 1 - digits.size(), '0');
        digits.insert(digits.size() - static_cast<std::size_t>(m_places), 1, '.');
    }
    return value < 0 ? "-" + digits : digits;
}

namespace {

// A cell with the output's fixed decimals, as a printed table page shows it: 1 -> 1.0000
// for a factor to 4 places. Text that is not a plain decimal number is left as it is.
std::string withPlaces(const std::string &text, int places)
{
    if (places < 0 || text.empty())
        return text;
    const std::size_t start = text[0] == '-' ? 1 : 0;
    const std::size_t point = text.find('.');
    for (std::size_t i = start; i < text.size(); ++i)
        if (i != point && (text[i] < '0' || text[i] > '9'))
            return text;
    const std::size_t have = point == std::string::npos ? 0 : text.size() - point - 1;
    if (have >= static_cast<std::size_t>(places))
        return text;
    std::string fixed = text;
    if (point == std::string::npos)
        fixed += '.';
    fixed.append(static_cast<std::size_t>(places) - have, '0');
    return fixed;
}

} // namespace

GridSummary writeGrid(const GridRequest &request, const std::function<void(std::string_view)> &write)
{
    const Operation &operation = *request.operation;
    const OperationOutput &shownOutput = operation.outputs[request.shownOutput];
    const std::string_view rowName = operation.inputs[request.rowInput].option;
    const std::int64_t columnCount = request.columnInput ? request.columns.count() : 1;

    std::vector<std::string> header;
    if (request.columnInput) {
        header.push_back(std::string(rowName) + "\\" + std::string(operation.inputs[*request.columnInput].option));
        for (std::int64_t c = 0; c < columnCount; ++c)
            header.push_back(request.columns.text(c));
    } else {
        header.push_back(std::string(rowName));
        header.push_back(std::string(shownOutput.key));
    }

    InputValues values = request.fixed;
    std::vector<std::string> cells(static_cast<std::size_t>(columnCount) + 1);
    // One row of the page: its label, then each cell as the window shows it (empty where
    // the calculation stopped).
    const auto computeRow = [&](std::int64_t r, GridSummary &summary) {
        cells[0] = request.rows.text(r);
        values[request.rowInput] = cells[0];
        for (std::int64_t c = 0; c < columnCount; ++c) {
            std::string columnText;
            if (request.columnInput) {
                columnText = request.columns.text(c);
                values[*request.columnInput] = columnText;
            }
            std::string &cell = cells[static_cast<std::size_t>(c) + 1];
            cell.clear();
            ++summary.cells;
            const PreparedRun prepared = prepareRun(operation, values, "--");
            if (!prepared.calculation) {
                ++summary.stopped;
                if (summary.firstStop.empty())
                    summary.firstStop = prepared.problem;
                continue;
            }
            const FormResult result = prepared.calculation->run(prepared.texts);
            if (result.outOfRange)
                ++summary.outOfRange;
            const std::string *shown = result.written(shownOutput.field);
            if (shown) {
                cell = request.aligned ? withPlaces(*shown, shownOutput.places) : *shown;
            } else {
                ++summary.stopped;
                if (summary.firstStop.empty())
                    summary.firstStop =
                        "--" + std::string(rowName) + " " + cells[0] +
                        (request.columnInput
                             ? ", --" + std::string(operation.inputs[*request.columnInput].option) + " " + columnText
                             : std::string()) +
                        ": " + stopNotice(result);
            }
        }
    };

    GridSummary summary;
    std::string out;
    std::vector<std::size_t> widths;
    if (request.aligned) {
        // Each column as wide as its widest cell, the page computed once to measure it and
        // once to print it, so memory does not grow with the rows.
        widths.assign(cells.size(), 0);
        for (std::size_t k = 0; k < header.size(); ++k)
            widths[k] = header[k].size();
        GridSummary measuring;
        for (std::int64_t r = 0; r < request.rows.count(); ++r) {
            computeRow(r, measuring);
            for (std::size_t k = 0; k < cells.size(); ++k)
                widths[k] = std::max(widths[k], cells[k].empty() ? 1 : cells[k].size());
        }
        for (std::size_t k = 1; k < widths.size(); ++k)
            widths[k] += 2;
        std::string line = header[0] + std::string(widths[0] - header[0].size(), ' ');
        for (std::size_t k = 1; k < header.size(); ++k)
            line += padLeft(header[k], widths[k]);
        out += line + '\n';
    } else {
        std::vector<std::string_view> views(header.begin(), header.end());
        AppendCsvRecord(out, views);
    }
    std::vector<std::string_view> views;
    for (std::int64_t r = 0; r < request.rows.count(); ++r) {
        computeRow(r, summary);
        if (request.aligned) {
            std::string line = cells[0] + std::string(widths[0] - cells[0].size(), ' ');
            for (std::size_t k = 1; k < cells.size(); ++k)
                line += padLeft(cells[k].empty() ? "-" : cells[k], widths[k]);
            out += line;
            out += '\n';
        } else {
            views.assign(cells.begin(), cells.end());
            AppendCsvRecord(out, views);
        }
        if (out.size() >= kFlushSize) {
            write(out);
            out.clear();
        }
    }
    if (!out.empty())
        write(out);
    return summary;
}

} // namespace dravex
