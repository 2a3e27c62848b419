// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/procedure.h"

#include <algorithm>

namespace dravex {

const FieldSpec *FormSpec::field(std::string_view fieldName) const
{
    const auto found =
        std::find_if(fields.begin(), fields.end(), [&](const FieldSpec &f) { return f.name == fieldName; });
    return found == fields.end() ? nullptr : &*found;
}

std::string NoticeCaption(std::string_view caption)
{
    // White space folded to single blanks, as a label shows a caption on one line.
    std::string out;
    bool blank = false;
    for (const char c : caption) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            blank = !out.empty();
            continue;
        }
        if (blank)
            out += ' ';
        blank = false;
        out += c;
    }
    while (!out.empty() && out.back() == ':')
        out.pop_back();
    return out;
}

namespace {

// Whether two control names are the same. Names are short and most share their start
// ("txtvcf", "txtbbl"): compared from the end, in place.
bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = a.size(); i > 0; --i)
        if (a[i - 1] != b[i - 1])
            return false;
    return true;
}

} // namespace

const std::string *FormResult::written(std::string_view field) const
{
    for (auto w = writes.rbegin(); w != writes.rend(); ++w)
        if (sameName(w->field, field))
            return &w->text;
    return nullptr;
}

namespace {

// Thrown by FormRun::stop and caught by RunForm only.
struct StopSignal
{
    CalcStop stop;
};

} // namespace

FieldSlots::FieldSlots(const FormSpec &form)
    : m_form(&form), m_given(form.fields.size()), m_shown(form.fields.size()), m_wrote(form.fields.size(), 0)
{
}

std::size_t FieldSlots::place(std::string_view field) const
{
    for (std::size_t i = 0; i < m_form->fields.size(); ++i)
        if (sameName(m_form->fields[i].name, field))
            return i;
    return npos;
}

FormRun::FormRun(const FormSpec &form, const FieldTexts &texts) : m_form(form), m_given(&texts)
{
    // Room for a window's reads and writes without growing (a batch runs millions).
    m_result.reads.reserve(form.fields.size());
    m_result.writes.reserve(form.fields.size());
}

FormRun::FormRun(FieldSlots &slots) : m_form(slots.form()), m_slots(&slots)
{
    std::fill(slots.m_wrote.begin(), slots.m_wrote.end(), 0);
}

std::size_t FormRun::slotOf(std::string_view field) const
{
    return m_slots ? m_slots->place(field) : FieldSlots::npos;
}

std::string FormRun::captionOf(std::string_view field) const
{
    const FieldSpec *described = m_form.field(field);
    return described ? NoticeCaption(described->caption) : std::string(field);
}

void FormRun::noteRead(std::string_view field, const std::string &text)
{
    const auto seen = std::find_if(m_result.reads.begin(), m_result.reads.end(),
                                   [&](const FieldText &r) { return sameName(r.field, field); });
    if (seen == m_result.reads.end())
        m_result.reads.push_back({std::string(field), text});
}

const std::string &FormRun::text(std::string_view field)
{
    static const std::string kNone;
    if (const std::size_t slot = slotOf(field); slot != FieldSlots::npos)
        return m_slots->m_wrote[slot] ? m_slots->m_shown[slot] : m_slots->m_given[slot];
    if (const std::string *written = m_result.written(field))
        return *written;
    if (!m_given)
        return kNone;
    const auto found = m_given->find(field);
    return found == m_given->end() ? kNone : found->second;
}

double FormRun::Read(std::string_view field)
{
    const std::string &current = text(field);
    if (!m_slots)
        noteRead(field, current);
    // The caption is looked up only for the notice of a fault: a batch reads millions of
    // fields that hold numbers.
    try {
        return ParseFieldNumber(current);
    } catch (const CalcFault &fault) {
        throw CalcFault(fault.kind(), captionOf(field), fault.text());
    }
}

void FormRun::Show(std::string_view field, double x)
{
    if (const std::size_t slot = slotOf(field); slot != FieldSlots::npos) {
        // Formatted in the room the slot has: a non-finite x throws before anything is written.
        std::string &shown = m_slots->m_shown[slot];
        FormatFieldNumber(x, shown);
        m_slots->m_wrote[slot] = 1;
        return;
    }
    setText(field, FormatFieldNumber(x));
}

void FormRun::setText(std::string_view field, std::string text)
{
    if (const std::size_t slot = slotOf(field); slot != FieldSlots::npos) {
        m_slots->m_shown[slot] = std::move(text);
        m_slots->m_wrote[slot] = 1;
        return;
    }
    m_result.writes.push_back({std::string(field), std::move(text)});
}

bool FormRun::chosen(std::string_view option)
{
    return text(option) == kChosen;
}

void FormRun::warnOutOfRange(std::string warning)
{
    m_result.outOfRange = true;
    advise(std::move(warning));
}

void FormRun::advise(std::string text)
{
    if (!text.empty())
        m_result.advisories.push_back(std::move(text));
}

std::string BeyondPrintedTable(const PrintedRange &range, double value)
{
    if (value >= range.low && value <= range.high)
        return {};
    const std::string unit = range.unit.empty() ? std::string() : " " + std::string(range.unit);
    return std::string(range.input) + " " + FormatFieldNumber(value) + unit + " is beyond the printed " +
           std::string(range.table) + " (" + FormatFieldNumber(range.low) + " to " + FormatFieldNumber(range.high) +
           unit + "): the results are an extrapolation";
}

void FormRun::stop(std::string notice, std::string reason, bool outOfRange)
{
    throw StopSignal{CalcStop{std::move(notice), std::move(reason), outOfRange, StopReason::OutOfRange}};
}

void FormRun::stopForChoice(std::string notice, std::string reason)
{
    throw StopSignal{CalcStop{std::move(notice), std::move(reason), false, StopReason::MissingChoice}};
}

namespace {

template <typename Steps> FormResult runSteps(FormRun &run, const Steps &steps)
{
    FormResult &result = run.result();
    try {
        steps(run);
        result.outcome = FormOutcome::Completed;
        result.working = run.working().takeLines();
    } catch (const CalcFault &fault) {
        result.outcome = FormOutcome::Fault;
        result.fault = fault.kind();
        result.notice = fault.message();
        result.working = {"Stopped: " + result.notice};
    } catch (const StopSignal &signal) {
        result.outcome = FormOutcome::Stopped;
        result.stop = signal.stop.why;
        result.notice = signal.stop.notice;
        result.outOfRange = result.outOfRange || signal.stop.outOfRange;
        result.working = {"Stopped: " + signal.stop.reason};
    }
    // Beside results only: a run that stopped has its own notice.
    if (result.completed())
        for (const std::string &advisory : result.advisories)
            result.notice += (result.notice.empty() ? "" : "\n") + advisory;
    return std::move(result);
}

} // namespace

FormResult RunForm(const FormSpec &form, const FieldTexts &texts, const std::function<void(FormRun &)> &steps)
{
    FormRun run(form, texts);
    return runSteps(run, steps);
}

FormResult RunForm(FieldSlots &slots, void (*steps)(FormRun &run))
{
    FormRun run(slots);
    return runSteps(run, steps);
}

} // namespace dravex
