// SPDX-License-Identifier: GPL-3.0-or-later
// A voyage log as CSV: read with a notice for every line left out or kept with a problem,
// written with the columns the reader wants.
#include "core/conventions.h"
#include "core/csv.h"
#include "core/vef.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>

namespace dravex {

namespace {

struct Record
{
    std::vector<std::string> fields;
    std::size_t line = 0;
    bool unclosedQuote = false;
};

// RFC 4180 records of a whole text: "," between fields, LF or CR LF between records,
// quoted fields with doubled quotes inside and line ends kept. Blank lines are skipped; a
// quote inside an unquoted field is kept as text.
std::vector<Record> splitRecords(std::string_view text)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    std::vector<Record> records;
    Record record;
    std::string field;
    std::size_t line = 1;
    record.line = 1;
    bool quoted = false, wasQuoted = false, any = false;
    const auto endRecord = [&]() {
        if (any || !field.empty() || !record.fields.empty() || wasQuoted) {
            record.fields.push_back(std::move(field));
            records.push_back(std::move(record));
        }
        record = Record{};
        field.clear();
        any = wasQuoted = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == '\n')
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == '"' && field.empty() && !wasQuoted) {
            quoted = wasQuoted = any = true;
        } else if (c == ',') {
            record.fields.push_back(std::move(field));
            field.clear();
            wasQuoted = false;
            any = true;
        } else if (c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            if (c == '\r')
                ++i;
            endRecord();
            record.line = ++line;
        } else {
            field += c;
            any = true;
        }
    }
    if (quoted)
        record.unclosedQuote = true;
    endRecord();
    // A record that held only blanks is a blank line too.
    std::erase_if(records, [](const Record &r) {
        return !r.unclosedQuote && r.fields.size() == 1 && r.fields[0].find_first_not_of(" \t\r") == std::string::npos;
    });
    return records;
}

std::string trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(" \t\r");
    return std::string(text.substr(first, last - first + 1));
}

std::string lowered(std::string text)
{
    for (char &c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c == ' ' || c == '-')
            c = '_';
    }
    return text;
}

enum Column { Vessel, Voyage, Date, Port, Grade, Operation, VesselTcv, OnBoard, ShoreTcv, Unit, Usable, kColumns };
constexpr std::array<const char *, kColumns> kNames = {
    "vessel", "voyage", "date", "port", "grade", "operation", "vessel_tcv", "obq_rob", "shore_tcv", "unit", "usable"};
constexpr std::array<bool, kColumns> kRequired = {true, true, true, false, false, true, true, false, true, true, false};

int columnOf(const std::string &head)
{
    const std::string h = lowered(trimmed(head));
    for (int c = 0; c < kColumns; ++c) {
        if (h == kNames[c])
            return c;
    }
    if (h == "obq" || h == "rob" || h == "obq/rob")
        return OnBoard;
    return -1;
}

} // namespace

VoyageFileResult ReadVoyagesCsv(std::string_view text)
{
    VoyageFileResult result;
    const std::vector<Record> records = splitRecords(text);
    if (records.empty()) {
        result.error = "The voyage file is empty: it needs a header line naming its columns";
        return result;
    }
    std::array<int, kColumns> at;
    at.fill(-1);
    const Record &head = records.front();
    for (std::size_t f = 0; f < head.fields.size(); ++f) {
        const int c = columnOf(head.fields[f]);
        if (c >= 0 && at[c] < 0)
            at[c] = static_cast<int>(f);
    }
    std::string missing;
    for (int c = 0; c < kColumns; ++c) {
        if (kRequired[c] && at[c] < 0)
            missing += (missing.empty() ? "" : ", ") + std::string(kNames[c]);
    }
    if (!missing.empty()) {
        result.error = "The voyage file's header (line " + std::to_string(head.line) + ") has no column " + missing;
        return result;
    }

    for (std::size_t r = 1; r < records.size(); ++r) {
        const Record &rec = records[r];
        const std::string where = "line " + std::to_string(rec.line);
        if (rec.unclosedQuote) {
            result.notices.push_back(where + ": a quoted field is not closed; the line is left out");
            continue;
        }
        const auto cell = [&](int c) {
            return at[c] >= 0 && static_cast<std::size_t>(at[c]) < rec.fields.size()
                       ? trimmed(rec.fields[static_cast<std::size_t>(at[c])])
                       : std::string();
        };
        VoyageEntry e;
        e.line = rec.line;
        e.vessel = cell(Vessel);
        if (e.vessel.empty()) {
            result.notices.push_back(where + ": no vessel; the line is left out");
            continue;
        }
        const std::string op = lowered(cell(Operation));
        if (op == "load" || op == "loading" || op == "l")
            e.operation = VoyageOperation::Load;
        else if (op == "discharge" || op == "discharging" || op == "d")
            e.operation = VoyageOperation::Discharge;
        else {
            result.notices.push_back(where + ": operation '" + cell(Operation) +
                                     "' is neither load nor discharge; the line is left out");
            continue;
        }
        e.voyage = cell(Voyage);
        e.date = cell(Date);
        e.port = cell(Port);
        e.grade = cell(Grade);
        e.unit = cell(Unit);
        const auto number = [&](int c, std::optional<double> &into) {
            const std::string t = cell(c);
            if (t.empty())
                return;
            try {
                into = ParseFieldNumber(t, kNames[c]);
            } catch (const CalcFault &fault) {
                if (e.problem.empty())
                    e.problem = fault.message();
            }
        };
        number(VesselTcv, e.vesselTcv);
        number(OnBoard, e.onBoard);
        number(ShoreTcv, e.shoreTcv);
        const std::string usable = lowered(cell(Usable));
        if (usable == "no" || usable == "n" || usable == "false" || usable == "0")
            e.usable = false;
        else if (!(usable.empty() || usable == "yes" || usable == "y" || usable == "true" || usable == "1"))
            e.problem = e.problem.empty() ? "usable: '" + cell(Usable) + "' is not yes or no" : e.problem;
        if (!e.problem.empty())
            result.notices.push_back(where + ": " + e.problem + "; the voyage is rejected");
        result.entries.push_back(std::move(e));
    }
    return result;
}

std::string WriteVoyagesCsv(const std::vector<VoyageEntry> &entries)
{
    std::string out;
    AppendCsvRecord(out, std::span<const std::string_view>(std::array<std::string_view, kColumns>{
                             kNames[0], kNames[1], kNames[2], kNames[3], kNames[4], kNames[5], kNames[6], kNames[7],
                             kNames[8], kNames[9], kNames[10]}));
    const auto figure = [](const std::optional<double> &x) {
        return x && std::isfinite(*x) ? FormatFieldNumber(*x) : std::string();
    };
    for (const VoyageEntry &e : entries) {
        const std::array<std::string, kColumns> cells = {e.vessel,
                                                         e.voyage,
                                                         e.date,
                                                         e.port,
                                                         e.grade,
                                                         std::string(VoyageOperationId(e.operation)),
                                                         figure(e.vesselTcv),
                                                         figure(e.onBoard),
                                                         figure(e.shoreTcv),
                                                         e.unit,
                                                         e.usable ? "yes" : "no"};
        std::array<std::string_view, kColumns> views;
        for (int c = 0; c < kColumns; ++c)
            views[c] = cells[c];
        AppendCsvRecord(out, std::span<const std::string_view>(views));
    }
    return out;
}

VoyageMerge MergeVoyages(std::vector<VoyageEntry> log, const std::vector<VoyageEntry> &incoming)
{
    const auto folded = [](std::string_view text) {
        std::string t = trimmed(text);
        for (char &c : t)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        return t;
    };
    const auto key = [&](const VoyageEntry &e) {
        return std::tuple(folded(e.vessel), trimmed(e.voyage), folded(e.grade), e.operation);
    };
    // The figures a voyage is counted by; where it came from (its line) and how its vessel's
    // name is written do not matter.
    const auto same = [](VoyageEntry a, VoyageEntry b) {
        a.line = b.line = 0;
        a.vessel = b.vessel;
        return a == b;
    };
    VoyageMerge merge;
    std::vector<const VoyageEntry *> latest;
    for (const VoyageEntry &e : incoming) {
        const auto k = key(e);
        const auto it =
            std::find_if(latest.begin(), latest.end(), [&](const VoyageEntry *seen) { return key(*seen) == k; });
        if (it == latest.end())
            latest.push_back(&e);
        else
            *it = &e;
    }
    const std::size_t before = log.size();
    for (const VoyageEntry *e : latest) {
        const auto k = key(*e);
        const auto mine = std::find_if(log.begin(), log.begin() + std::ptrdiff_t(before),
                                       [&](const VoyageEntry &m) { return key(m) == k; });
        if (mine == log.begin() + std::ptrdiff_t(before)) {
            log.push_back(*e);
            log.back().line = 0;
            ++merge.added;
        } else if (!same(*mine, *e)) {
            merge.differing.push_back(trimmed(e->voyage) + (e->grade.empty() ? "" : " " + trimmed(e->grade)) + " (" +
                                      std::string(VoyageOperationId(e->operation)) + ")");
        }
    }
    merge.entries = std::move(log);
    return merge;
}

} // namespace dravex
