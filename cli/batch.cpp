// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/batch.h"

#include "core/csv.h"
#include "core/working.h"

#include <algorithm>

namespace dravex {

namespace {

constexpr std::size_t kFlushSize = 64 * 1024;

std::string inputNames(const Operation &operation)
{
    std::string names;
    for (const OperationInput &input : operation.inputs)
        names += (names.empty() ? "" : ",") + std::string(input.option);
    return names;
}

std::string fieldCount(std::size_t n)
{
    return std::to_string(n) + (n == 1 ? " field" : " fields");
}

} // namespace

BatchRun::BatchRun(const Operation &operation, std::function<void(std::string_view)> write)
    : m_operation(operation), m_write(std::move(write)), m_reader([this](const CsvRecord &r) { record(r); })
{
}

void BatchRun::feed(std::string_view bytes)
{
    m_reader.feed(bytes);
    flush(false);
}

void BatchRun::finish()
{
    m_reader.finish();
    if (!m_haveHeader) {
        // No input at all: the header alone says what a batch of this operation reads.
        m_headerProblem = "no header row naming the inputs (" + inputNames(m_operation) + ")";
        m_emptyInput = true;
        CsvRecord none;
        header(none);
    }
    flush(true);
}

void BatchRun::stop()
{
    flush(true);
}

void BatchRun::flush(bool force)
{
    if (m_out.empty() || (!force && m_out.size() < kFlushSize))
        return;
    m_write(m_out);
    m_out.clear();
}

void BatchRun::record(const CsvRecord &r)
{
    if (!m_haveHeader) {
        header(r);
        return;
    }
    row(r);
    if (m_out.size() >= kFlushSize)
        flush(true);
}

void BatchRun::header(const CsvRecord &r)
{
    m_haveHeader = true;
    if (r.problem != CsvProblem::None) {
        m_headerProblem = csvProblemNotice(r, m_reader.maxFieldLength(), m_reader.maxFields());
    } else if (m_headerProblem.empty()) {
        for (const std::string &name : r.fields) {
            // Input names are matched without regard to case ("API" is api).
            std::string option = name.starts_with("--") ? name.substr(2) : name;
            std::transform(option.begin(), option.end(), option.begin(),
                           [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
            const OperationInput *input = m_operation.input(option);
            if (!input) {
                // A column of the user's own (a tank name, a remark) is left alone.
                const bool separator = name.find_first_of(";\t") != std::string::npos;
                m_notes.push_back("column " + std::to_string(m_columns.size() + 1) + " \"" +
                                  (isUtf8(name) ? name : std::string("?")) + "\" names no input (" +
                                  inputNames(m_operation) + ") and is ignored" +
                                  (separator ? "; columns are separated by commas" : ""));
                m_columns.push_back(nullptr);
                continue;
            }
            if (std::find(m_columns.begin(), m_columns.end(), input) != m_columns.end()) {
                m_headerProblem = "line " + std::to_string(r.line) + ": " + option + " appears twice";
                break;
            }
            m_columns.push_back(input);
        }
        if (m_headerProblem.empty() &&
            std::count(m_columns.begin(), m_columns.end(), nullptr) == static_cast<std::ptrdiff_t>(m_columns.size())) {
            // Not a header at all (a first row of numbers), or the wrong separator.
            m_notes.clear();
            m_headerProblem = "line " + std::to_string(r.line) + ": the first row names none of the inputs (" +
                              inputNames(m_operation) +
                              "); a header row naming the columns, separated by commas, "
                              "comes first";
        }
        for (const OperationInput &input : m_operation.inputs) {
            if (!m_headerProblem.empty())
                break;
            if (m_operation.isRequired(input) &&
                std::find(m_columns.begin(), m_columns.end(), &input) == m_columns.end())
                m_headerProblem = "line " + std::to_string(r.line) + ": no column for " + std::string(input.option);
        }
    }
    if (!m_headerProblem.empty()) {
        // Without a usable header the columns are the operation's inputs in their order,
        // and each row is echoed against them with the header's notice.
        m_columns.clear();
        for (const OperationInput &input : m_operation.inputs)
            m_columns.push_back(&input);
    }
    // Each column is named once: an output that bears the name of an input column (a
    // conversion writes back the field it reads) is headed KEY_result.
    std::vector<std::string> names;
    for (const OperationInput *input : m_columns)
        if (input)
            names.emplace_back(input->option);
    const std::size_t inputColumns = names.size();
    for (const OperationOutput &output : m_operation.outputs) {
        const bool taken = std::find(names.begin(), names.begin() + static_cast<std::ptrdiff_t>(inputColumns),
                                     output.key) != names.begin() + static_cast<std::ptrdiff_t>(inputColumns);
        names.push_back(std::string(output.key) + (taken ? "_result" : ""));
    }
    names.emplace_back("notice");
    m_numbersOnly = m_headerProblem.empty() && std::none_of(m_columns.begin(), m_columns.end(), [&](auto *input) {
                        return input && (input->isChoice() || m_operation.isAlternative(*input));
                    });
    m_cells.assign(names.begin(), names.end());
    AppendCsvRecord(m_out, m_cells);
    if (!m_headerProblem.empty() && !r.fields.empty()) {
        ++m_rows;
        writeRow(r, nullptr, m_headerProblem);
    }
}

void BatchRun::row(const CsvRecord &r)
{
    ++m_rows;
    if (!m_headerProblem.empty()) {
        writeRow(r, nullptr, "line " + std::to_string(r.line) + ": not calculated: " + m_headerProblem);
        return;
    }
    if (r.problem != CsvProblem::None) {
        writeRow(r, nullptr, csvProblemNotice(r, m_reader.maxFieldLength(), m_reader.maxFields()));
        return;
    }
    if (r.fields.size() != m_columns.size()) {
        writeRow(r, nullptr,
                 "line " + std::to_string(r.line) + ": " + fieldCount(r.fields.size()) + ", the header has " +
                     std::to_string(m_columns.size()));
        return;
    }
    if (m_slots) {
        for (std::size_t i = 0; i < m_columns.size(); ++i)
            if (m_cellSlots[i] != FieldSlots::npos)
                m_slots->given(m_cellSlots[i]).assign(r.fields[i]);
        compute(r);
        return;
    }
    if (!m_cellTexts.empty()) {
        for (std::size_t i = 0; i < m_columns.size(); ++i)
            if (m_cellTexts[i])
                m_cellTexts[i]->assign(r.fields[i]);
        compute(r);
        return;
    }
    m_values.assign(m_operation.inputs.size(), std::nullopt);
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        const OperationInput *input = m_columns[i];
        if (!input)
            continue;
        const std::string &cell = r.fields[i];
        // An empty number goes to the window as an empty field; an empty choice or
        // alternative is one not given (an optional choice takes its default).
        if (cell.empty() && (input->isChoice() || m_operation.isAlternative(*input)))
            continue;
        m_values[static_cast<std::size_t>(input - m_operation.inputs.data())] = cell;
    }
    prepareRun(m_prepared, m_operation, m_values, {});
    if (!m_prepared.calculation) {
        writeRow(r, nullptr, "line " + std::to_string(r.line) + ": " + m_prepared.problem);
        return;
    }
    if (m_numbersOnly && !prepareSlots()) {
        m_cellTexts.assign(m_columns.size(), nullptr);
        for (std::size_t i = 0; i < m_columns.size(); ++i)
            if (m_columns[i])
                m_cellTexts[i] = &m_prepared.texts.find(m_columns[i]->field)->second;
    }
    compute(r);
}

bool BatchRun::prepareSlots()
{
    const Calculation &calculation = *m_prepared.calculation;
    if (!calculation.steps)
        return false;
    FieldSlots slots(*calculation.form);
    for (const auto &[field, text] : m_prepared.texts) {
        const std::size_t place = slots.place(field);
        if (place == FieldSlots::npos)
            return false;
        slots.given(place) = text;
    }
    m_cellSlots.assign(m_columns.size(), FieldSlots::npos);
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i])
            m_cellSlots[i] = slots.place(m_columns[i]->field);
    m_outputSlots.clear();
    for (const OperationOutput &output : m_operation.outputs)
        m_outputSlots.push_back(slots.place(output.field));
    m_slots.emplace(std::move(slots));
    return true;
}

void BatchRun::compute(const CsvRecord &r)
{
    const WithoutWorking noWorking; // a row shows its results and notice only
    const FormResult result =
        m_slots ? RunForm(*m_slots, m_prepared.calculation->steps) : m_prepared.calculation->run(m_prepared.texts);
    std::string notice = stopNotice(result);
    if (result.completed())
        ++m_rowsComputed;
    if (notice.empty() && result.outOfRange)
        notice = "out of range";
    writeRow(r, &result, notice);
}

void BatchRun::writeRow(const CsvRecord &r, const FormResult *result, const std::string &notice)
{
    if (!notice.empty())
        ++m_rowsWithNotice;
    m_cells.clear();
    // The input fields as given, one per column; a field that cannot be written back as
    // text (not UTF-8, cut at the length limit) is left empty. The reader has found every
    // field of a record without a problem to be UTF-8.
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        if (!m_columns[i])
            continue;
        std::string_view cell;
        if (i < r.fields.size() && r.fields[i].size() < m_reader.maxFieldLength() &&
            (r.problem == CsvProblem::None || isUtf8(r.fields[i])))
            cell = r.fields[i];
        m_cells.push_back(cell);
    }
    for (std::size_t k = 0; k < m_operation.outputs.size(); ++k) {
        const std::string *written = nullptr;
        if (result && m_slots && m_outputSlots[k] != FieldSlots::npos)
            written = m_slots->written(m_outputSlots[k]);
        else if (result)
            written = result->written(m_operation.outputs[k].field);
        m_cells.push_back(written ? std::string_view(*written) : std::string_view());
    }
    m_cells.push_back(notice);
    AppendCsvRecord(m_out, m_cells);
}

} // namespace dravex
