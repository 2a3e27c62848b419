// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace dravex {

// What is wrong with a record, if anything. The reader keeps going after each of these:
// the record is delivered with its problem and the next record starts afresh.
enum class CsvProblem {
    None,
    FieldTooLong,  // a field longer than the limit (its text is cut at the limit)
    TooManyFields, // more fields than the limit (the rest are dropped)
    NotUtf8,       // a byte sequence that is not UTF-8
    StrayQuote,    // text after a closing quote, or a quote inside an unquoted field
    UnclosedQuote, // the input ended inside a quoted field
    QuoteRunsOn,   // a quoted field ran over line ends past the length limit: its closing quote is
                   // most likely missing, and the lines it took in are not records of their own
};

struct CsvRecord
{
    std::vector<std::string> fields;
    // The line of the input where the record starts, from 1.
    std::size_t line = 0;
    CsvProblem problem = CsvProblem::None;
    // The field (from 1) where the problem was found; 0 when it concerns the record.
    std::size_t problemField = 0;
    // The last line of the input the record takes in (a quoted field may span lines), and
    // for UnclosedQuote and QuoteRunsOn the line where the quote opens.
    std::size_t endLine = 0;
    std::size_t quoteLine = 0;
};

// The notice for a record's problem: "line 4: field 2 is longer than 4096 characters",
// "line 2: field 2 opens a quote that is never closed: lines 2 to 5002 were read as that
// one field".
std::string csvProblemNotice(const CsvRecord &record, std::size_t maxFieldLength, std::size_t maxFields);

// A streaming RFC 4180 reader: bytes go in as they arrive, in pieces of any size, and each
// complete record comes out through the sink. Records end with LF or CR LF (a CR alone is
// kept as text); quoted fields may hold commas, doubled quotes and line ends. Lines that
// are empty are skipped, and a UTF-8 byte order mark at the very start is dropped.
//
// Memory is bounded whatever the input: a field keeps at most maxFieldLength bytes and a
// record at most maxFields fields; beyond that the record is read to its end and delivered
// with its problem.
class CsvReader
{
public:
    using Sink = std::function<void(const CsvRecord &)>;

    CsvReader(Sink sink, std::size_t maxFieldLength = 4096, std::size_t maxFields = 256);

    void feed(std::string_view bytes);
    // The end of the input: delivers a last record that has no line end.
    void finish();

    std::size_t maxFieldLength() const { return m_maxFieldLength; }
    std::size_t maxFields() const { return m_maxFields; }

private:
    enum class State { RecordStart, FieldStart, Unquoted, Quoted, QuoteInQuoted, AfterCr };

    Sink m_sink;
    std::size_t m_maxFieldLength;
    std::size_t m_maxFields;
    State m_state = State::RecordStart;
    CsvRecord m_record;
    std::size_t m_fieldCount = 0; // fields begun in this record, kept or not
    std::size_t m_line = 1;
    std::size_t m_quoteLine = 0; // where the quoted field being read opened
    bool m_atInputStart = true;
    std::size_t m_bomMatched = 0;

    void startField();
    void addByte(char c);
    void endField();
    void endRecord();
    void flag(CsvProblem problem);
    void step(char c);
    // A whole line that holds no double quote and no CR but one before its LF, split in
    // one go: the same record step() makes of it byte by byte.
    void plainLine(std::string_view line);
};

// Whether text is well-formed UTF-8 (no overlong forms, no surrogates, nothing above
// U+10FFFF).
bool isUtf8(std::string_view text);

} // namespace dravex
