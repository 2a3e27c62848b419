// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/conventions.h"
#include "core/working.h"

#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace dravex {

// A window's calculation works on the texts of its controls, the way a person sees them:
// it reads a field's text, computes, writes a text, and may read that text back. The
// order of reads and writes is part of the result (a fault leaves the later fields
// unwritten; a read-back carries only what the field shows), so each calculation is one
// procedure over the texts, and the window, the command line and the records all run it.

// One control of a window as a calculation knows it: its objectName and the caption the
// window labels it with ("Gross Barrels", "Your Net Barrels at 60 F Are:").
struct FieldSpec
{
    std::string_view name;
    std::string_view caption;
};

// A window as its calculations know it: objectName, title and the controls they read or
// write, in the window's reading order.
struct FormSpec
{
    std::string_view name;
    std::string_view title;
    std::span<const FieldSpec> fields;
    // The line the window shows under its results, and its printouts with them; empty
    // where the window has none.
    std::string_view disclaimer = {};

    // The field of that name, or null.
    const FieldSpec *field(std::string_view fieldName) const;
};

// The caption that names a field in notices and records: its label on one line, without
// the trailing colon. "Your Net Barrels at 60 F Are:" -> "Your Net Barrels at 60 F Are"
std::string NoticeCaption(std::string_view caption);

// The texts of a window's controls, by objectName. A field holds its text; an option
// button holds "1" when it is chosen and "" when not; a list holds the text of its
// selected item, "" when nothing is selected.
using FieldTexts = std::map<std::string, std::string, std::less<>>;

// The text an option button holds when it is chosen.
inline constexpr std::string_view kChosen = "1";

// Why a calculation ended early without a fault.
enum class StopReason {
    // An input, or a value computed from the inputs, that the calculation's tables do not
    // cover (a density above 1074 kg/m3, a temperature beyond the 2004 tables).
    OutOfRange,
    // A choice the calculation needs (a unit, a product, a list item) is not made.
    MissingChoice,
};

// An early end that is not a fault: an input out of range, a missing choice. The notice
// goes on the window's notice line (empty: none); the reason is the working's last line;
// outOfRange asks for the out-of-range window.
struct CalcStop
{
    std::string notice;
    std::string reason;
    bool outOfRange = false;
    StopReason why = StopReason::OutOfRange;
};

struct FieldText
{
    std::string field;
    std::string text;
};

enum class FormOutcome { Completed, Fault, Stopped };

// What one run of a calculation did: the fields it read (each once, with the text it
// found the first time), the texts it wrote in order, how it ended, and its working.
struct FormResult
{
    FormOutcome outcome = FormOutcome::Completed;
    std::vector<FieldText> reads;
    std::vector<FieldText> writes;
    // The notice for the window's notice line: the fault's message or the stop's notice.
    std::string notice;
    std::optional<CalcFault::Kind> fault;
    // Why it stopped, when outcome is Stopped.
    std::optional<StopReason> stop;
    // The out-of-range window is due (with a stop, or as a warning beside the results).
    bool outOfRange = false;
    // Said beside the results of a calculation, in the order found: an out-of-range warning
    // of one that goes on, an input beyond the range of the printed table. They change no
    // outcome and no text written; RunForm adds each to the notice of a completed run on a
    // line of its own.
    std::vector<std::string> advisories;
    // The intermediate values in the order computed; after a fault or a stop, one line
    // that says why it stopped.
    std::vector<std::string> working;

    bool completed() const { return outcome == FormOutcome::Completed; }
    // The last text written to a field, or null when the run did not write it.
    const std::string *written(std::string_view field) const;
};

// The texts of a window's fields in fixed places, one per field of its FormSpec in that
// order. A caller that runs one calculation over many rows (a batch) finds each field's
// place once, puts each row's texts in their places and takes the results from theirs: no
// name is compared, no text copied and, once the texts have grown to their length, nothing
// allocated per row.
class FieldSlots
{
public:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    explicit FieldSlots(const FormSpec &form);

    const FormSpec &form() const { return *m_form; }
    // The place of the field in form().fields; npos where the window does not describe it.
    std::size_t place(std::string_view field) const;
    // The text a run starts from in that place ("" until set).
    std::string &given(std::size_t place) { return m_given[place]; }
    // The last text the latest run wrote there, or null when it wrote none.
    const std::string *written(std::size_t place) const { return m_wrote[place] ? &m_shown[place] : nullptr; }

private:
    friend class FormRun;
    const FormSpec *m_form;
    std::vector<std::string> m_given;
    std::vector<std::string> m_shown;
    std::vector<char> m_wrote;
};

// One run of a calculation: the texts as they change, what was read and written, the
// working. Procedures use it through RunForm.
class FormRun
{
public:
    FormRun(const FormSpec &form, const FieldTexts &texts);
    // A run over texts in their places: the fields of the window are read from and written
    // to slots, and the result notes no reads and, of the writes, only those to fields the
    // window does not describe.
    explicit FormRun(FieldSlots &slots);

    // The field's text as a number, or a NotANumber fault naming the field's caption.
    double Read(std::string_view field);
    // Writes x in the field's number form; a non-finite x is an Overflow fault.
    void Show(std::string_view field, double x);
    // The text a control holds now (after this run's own writes); "" for an unknown one.
    // The reference holds until the run writes again.
    const std::string &text(std::string_view field);
    void setText(std::string_view field, std::string text);
    // Whether the option button is chosen.
    bool chosen(std::string_view option);

    Working &working() { return m_working; }

    // Ends the run early without a fault; see CalcStop.
    [[noreturn]] void stop(std::string notice, std::string reason, bool outOfRange = false);
    // Ends the run early because a choice it needs is not made.
    [[noreturn]] void stopForChoice(std::string notice, std::string reason);
    // The out-of-range window is due, and the calculation goes on; warning says what is
    // out of range, naming the input, its value and the limit.
    void warnOutOfRange(std::string warning);
    // A note beside the results that changes nothing computed (see FormResult::advisories).
    void advise(std::string text);

    // The result so far; RunForm completes it.
    FormResult &result() { return m_result; }

private:
    const FormSpec &m_form;
    // The texts the run started from (null: a run over slots). What the run has written
    // since is in m_result.writes, and a field's last write there is its text now: a run
    // copies no texts (a batch runs millions).
    const FieldTexts *m_given = nullptr;
    FieldSlots *m_slots = nullptr;
    FormResult m_result;
    Working m_working;

    void noteRead(std::string_view field, const std::string &text);
    std::string captionOf(std::string_view field) const;
    // The field's place in the slots, npos when the run is not over slots or the window
    // does not describe the field.
    std::size_t slotOf(std::string_view field) const;
};

// The range of one input that a printed table covers: beyond it a result is the table's
// formula carried on, not a figure the table prints.
struct PrintedRange
{
    std::string_view table;
    std::string_view input;
    double low;
    double high;
    std::string_view unit;
};

// The advisory for a value outside range (both ends included), or "" inside it.
//   BeyondPrintedTable({"Table 6A", "API gravity", 0, 100, "API"}, -1e6) == "API gravity
//     -1000000 API is beyond the printed Table 6A (0 to 100 API): the results are an
//     extrapolation" (one line); BeyondPrintedTable(..., 100) ==
std::string BeyondPrintedTable(const PrintedRange &range, double value);

// Runs steps over the texts: a CalcFault or a stop ends the run where it happened, the
// texts written so far stay written, and the result says how it ended.
FormResult RunForm(const FormSpec &form, const FieldTexts &texts, const std::function<void(FormRun &)> &steps);
// The same over the texts in slots (see FormRun(FieldSlots &)): the run's writes to the
// window's fields are in slots afterwards.
FormResult RunForm(FieldSlots &slots, void (*steps)(FormRun &run));

// A calculation of a window: the window it belongs to, the control where Enter (or the
// key that starts it) runs it, and the procedure.
struct Calculation
{
    const FormSpec *form;
    std::string_view trigger;
    FormResult (*run)(const FieldTexts &texts);
    // The same procedure on its own, to run over slots (RunForm(FieldSlots &, steps)) with
    // the same texts written; null where only run is offered.
    void (*steps)(FormRun &run) = nullptr;
};

} // namespace dravex
