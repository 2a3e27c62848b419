// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/csv_reader.h"

#include <algorithm>
#include <utility>

namespace dravex {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

} // namespace

bool isUtf8(std::string_view text)
{
    const auto *p = reinterpret_cast<const unsigned char *>(text.data());
    const auto *end = p + text.size();
    while (p < end) {
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        std::size_t length;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            if (c == 0xE0)
                low = 0xA0; // overlong below U+0800
            if (c == 0xED)
                high = 0x9F; // surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            if (c == 0xF0)
                low = 0x90; // overlong below U+10000
            if (c == 0xF4)
                high = 0x8F; // above U+10FFFF
        } else {
            return false;
        }
        if (static_cast<std::size_t>(end - p) < length)
            return false;
        if (p[1] < low || p[1] > high)
            return false;
        for (std::size_t i = 2; i < length; ++i)
            if (p[i] < 0x80 || p[i] > 0xBF)
                return false;
        p += length;
    }
    return true;
}

std::string csvProblemNotice(const CsvRecord &record, std::size_t maxFieldLength, std::size_t maxFields)
{
    const std::string where = "line " + std::to_string(record.line) + ": ";
    const std::string field = "field " + std::to_string(record.problemField);
    switch (record.problem) {
    case CsvProblem::None:
        return {};
    case CsvProblem::FieldTooLong:
        return where + field + " is longer than " + std::to_string(maxFieldLength) + " characters";
    case CsvProblem::TooManyFields:
        return where + "more than " + std::to_string(maxFields) + " fields";
    case CsvProblem::NotUtf8:
        return where + field + " is not UTF-8 text";
    case CsvProblem::StrayQuote:
        return where + field + " has a double quote out of place (quote the whole field and double the quotes in it)";
    case CsvProblem::UnclosedQuote:
    case CsvProblem::QuoteRunsOn: {
        const std::string opens = "line " + std::to_string(record.quoteLine) + ": " + field + " opens a quote that ";
        const std::string lines = record.endLine > record.quoteLine
                                      ? "lines " + std::to_string(record.quoteLine) + " to " +
                                            std::to_string(record.endLine) + " were read as that one field"
                                      : "the line was read as that one field";
        if (record.problem == CsvProblem::UnclosedQuote)
            return opens + "is never closed: " + lines;
        return opens + "runs on past " + std::to_string(maxFieldLength) +
               " characters, so its closing quote is most likely missing: " + lines;
    }
    }
    return {};
}

CsvReader::CsvReader(Sink sink, std::size_t maxFieldLength, std::size_t maxFields)
    : m_sink(std::move(sink)), m_maxFieldLength(maxFieldLength), m_maxFields(maxFields)
{
}

void CsvReader::flag(CsvProblem problem)
{
    if (m_record.problem != CsvProblem::None)
        return;
    m_record.problem = problem;
    m_record.problemField = problem == CsvProblem::TooManyFields ? 0 : m_fieldCount;
    m_record.quoteLine = m_quoteLine;
}

void CsvReader::startField()
{
    ++m_fieldCount;
    if (m_fieldCount > m_maxFields) {
        flag(CsvProblem::TooManyFields);
        return;
    }
    if (m_record.fields.size() < m_fieldCount)
        m_record.fields.emplace_back();
    else
        m_record.fields[m_fieldCount - 1].clear();
}

void CsvReader::addByte(char c)
{
    if (m_fieldCount > m_maxFields)
        return;
    std::string &field = m_record.fields[m_fieldCount - 1];
    if (field.size() >= m_maxFieldLength) {
        flag(m_state == State::Quoted && m_line > m_quoteLine ? CsvProblem::QuoteRunsOn : CsvProblem::FieldTooLong);
        return;
    }
    field += c;
}

void CsvReader::endField()
{
    if (m_fieldCount > m_maxFields || m_record.problem != CsvProblem::None)
        return;
    if (!isUtf8(m_record.fields[m_fieldCount - 1]))
        flag(CsvProblem::NotUtf8);
}

void CsvReader::endRecord()
{
    endField();
    m_record.fields.resize(std::min(m_fieldCount, m_maxFields));
    // A line with nothing on it (CR LF alone) holds no record.
    const bool empty = m_fieldCount == 1 && m_record.fields[0].empty() && m_record.problem == CsvProblem::None;
    if (!empty)
        m_sink(m_record);
    m_record.problem = CsvProblem::None;
    m_record.problemField = 0;
    m_fieldCount = 0;
    m_state = State::RecordStart;
}

void CsvReader::step(char c)
{
    if (m_state != State::RecordStart || c != '\n')
        m_record.endLine = m_line;
    switch (m_state) {
    case State::RecordStart:
        if (c == '\n') {
            ++m_line; // an empty line holds no record
            return;
        }
        m_record.line = m_line;
        startField();
        m_state = State::FieldStart;
        [[fallthrough]];
    case State::FieldStart:
        if (c == '"') {
            m_state = State::Quoted;
            m_quoteLine = m_line;
            return;
        }
        m_state = State::Unquoted;
        [[fallthrough]];
    case State::Unquoted:
        if (c == ',') {
            endField();
            startField();
            m_state = State::FieldStart;
        } else if (c == '\n') {
            ++m_line;
            endRecord();
        } else if (c == '\r') {
            m_state = State::AfterCr;
        } else {
            if (c == '"')
                flag(CsvProblem::StrayQuote);
            addByte(c);
        }
        return;
    case State::Quoted:
        if (c == '"') {
            m_state = State::QuoteInQuoted;
            return;
        }
        if (c == '\n')
            ++m_line;
        addByte(c);
        return;
    case State::QuoteInQuoted:
        if (c == '"') {
            addByte('"');
            m_state = State::Quoted;
            return;
        }
        if (c != ',' && c != '\n' && c != '\r')
            flag(CsvProblem::StrayQuote);
        m_state = State::Unquoted;
        step(c);
        return;
    case State::AfterCr:
        if (c == '\n') {
            ++m_line;
            endRecord();
            return;
        }
        // A CR that ends no line is text.
        addByte('\r');
        m_state = State::Unquoted;
        step(c);
        return;
    }
}

void CsvReader::plainLine(std::string_view line)
{
    m_record.line = m_line;
    m_record.endLine = m_line;
    for (std::size_t from = 0;;) {
        const std::size_t comma = line.find(',', from);
        const std::string_view text = line.substr(from, comma == std::string_view::npos ? comma : comma - from);
        startField();
        if (m_fieldCount <= m_maxFields) {
            std::string &field = m_record.fields[m_fieldCount - 1];
            if (text.size() > m_maxFieldLength) {
                field.assign(text.substr(0, m_maxFieldLength));
                flag(CsvProblem::FieldTooLong);
            } else {
                field.assign(text);
            }
        }
        if (comma == std::string_view::npos)
            break;
        endField();
        from = comma + 1;
    }
    ++m_line;
    endRecord(); // checks the last field
}

void CsvReader::feed(std::string_view bytes)
{
    std::size_t at = 0;
    for (; at < bytes.size() && m_atInputStart; ++at) {
        const char c = bytes[at];
        if (c == kByteOrderMark[m_bomMatched]) {
            if (++m_bomMatched == kByteOrderMark.size())
                m_atInputStart = false;
            continue;
        }
        m_atInputStart = false;
        for (std::size_t i = 0; i < m_bomMatched; ++i)
            step(kByteOrderMark[i]);
        step(c);
    }
    while (at < bytes.size()) {
        // Most records are a line of plain fields: those are split a line at a time, and
        // the rest (quotes, a CR inside a line, a line not yet whole) byte by byte.
        if (m_state == State::RecordStart) {
            const std::size_t lineEnd = bytes.find('\n', at);
            if (lineEnd == std::string_view::npos)
                break;
            std::string_view line = bytes.substr(at, lineEnd - at);
            if (line.empty()) {
                ++m_line; // an empty line holds no record
                at = lineEnd + 1;
                continue;
            }
            if (line.back() == '\r')
                line.remove_suffix(1);
            if (std::none_of(line.begin(), line.end(), [](char c) { return c == '"' || c == '\r'; })) {
                plainLine(line);
                at = lineEnd + 1;
                continue;
            }
        }
        step(bytes[at++]);
    }
    for (; at < bytes.size(); ++at)
        step(bytes[at]);
}

void CsvReader::finish()
{
    if (m_atInputStart) {
        m_atInputStart = false;
        for (std::size_t i = 0; i < m_bomMatched; ++i)
            step(kByteOrderMark[i]);
    }
    switch (m_state) {
    case State::RecordStart:
        return;
    case State::Quoted:
        // The end of the input inside a quote says more than a length the quote ran past.
        m_record.problem = CsvProblem::None;
        flag(CsvProblem::UnclosedQuote);
        break;
    case State::AfterCr:
        break; // CR as the last byte ends the record
    default:
        break;
    }
    endRecord();
}

} // namespace dravex
