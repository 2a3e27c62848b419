// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/csv_reader.h"
#include "cli/operations.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dravex {

// A batch of one operation: CSV in, one calculation per record, CSV out. The first record
// names the inputs; each later record is one calculation, written as its input fields,
// one field per output and the notice (empty, or why the row has no results). A row that
// cannot be read or that stops on a fault gets its notice and the batch goes on. Input
// and output are streamed: memory stays the same however many rows pass.
class BatchRun
{
public:
    // Text for standard output goes to write, in pieces of at most about 64 KiB.
    BatchRun(const Operation &operation, std::function<void(std::string_view)> write);

    void feed(std::string_view bytes);
    void finish();
    // The input broke off (a read error): writes the rows read whole and drops the record
    // the error cut, which is not calculated.
    void stop();

    std::size_t rows() const { return m_rows; }
    std::size_t rowsWithNotice() const { return m_rowsWithNotice; }
    // Rows whose calculation ran to its end (out of range ones included).
    std::size_t rowsComputed() const { return m_rowsComputed; }
    // Why no row is calculated (a header that names no input, or none at all); empty when
    // the header is usable.
    const std::string &headerProblem() const { return m_headerProblem; }
    // Nothing at all came in: the header alone is written.
    bool emptyInput() const { return m_emptyInput; }
    // Notes for standard error: the header's columns that name no input and are ignored.
    const std::vector<std::string> &notes() const { return m_notes; }

private:
    const Operation &m_operation;
    std::function<void(std::string_view)> m_write;
    CsvReader m_reader;
    bool m_haveHeader = false;
    bool m_emptyInput = false;
    std::string m_headerProblem;
    std::vector<const OperationInput *> m_columns; // the input of each column; null: ignored
    std::vector<std::string> m_notes;
    std::vector<std::string_view> m_cells;
    InputValues m_values;
    PreparedRun m_prepared; // the run of each row, prepared in the same place
    // When every column is a number (no choice, no alternative), each row sets the same
    // fields and starts the same calculation: the run is prepared once, and each later row
    // only puts its cells into these texts of it, one per column (null: ignored column).
    bool m_numbersOnly = false;
    std::vector<std::string *> m_cellTexts;
    // The same with the calculation's fields in fixed places, where the calculation runs
    // over slots and every field prepared is one its window describes: each row puts its
    // cells in their places (m_cellSlots, one per column, npos: ignored) and the results
    // are taken from theirs (m_outputSlots, one per output, npos: not one of the window's
    // fields, found among the run's writes).
    std::optional<FieldSlots> m_slots;
    std::vector<std::size_t> m_cellSlots;
    std::vector<std::size_t> m_outputSlots;
    std::string m_out;
    std::size_t m_rows = 0;
    std::size_t m_rowsWithNotice = 0;
    std::size_t m_rowsComputed = 0;

    void record(const CsvRecord &record);
    void header(const CsvRecord &record);
    void row(const CsvRecord &record);
    // The row's input fields, the texts the run wrote (none without a run) and the notice.
    // Runs the prepared calculation on the row and writes it.
    void compute(const CsvRecord &record);
    // Puts the prepared run in slots, when it can run there; see m_slots.
    bool prepareSlots();
    void writeRow(const CsvRecord &record, const FormResult *result, const std::string &notice);
    void flush(bool force);
};

} // namespace dravex
