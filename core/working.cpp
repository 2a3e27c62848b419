// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/working.h"

#include "core/conventions.h"

#include <cmath>

namespace dravex {

namespace {

thread_local int t_withoutWorking = 0;

} // namespace

WithoutWorking::WithoutWorking()
{
    ++t_withoutWorking;
}

WithoutWorking::~WithoutWorking()
{
    --t_withoutWorking;
}

namespace {

// The value of a working line and its unit: "778.84 kg/m3". Working lines are written only
// for values that a calculation went on with; a value that is not finite would already
// have stopped it.
std::string valueText(double value, std::string_view unit)
{
    if (!std::isfinite(value))
        return "-";
    std::string text = FormatFieldNumber(value);
    if (!unit.empty()) {
        text += ' ';
        text += unit;
    }
    return text;
}

} // namespace

void Working::add(std::string_view name, double value, std::string_view unit, std::string_view note)
{
    // Kept short: without working this is all a call does.
    if (t_withoutWorking > 0)
        return;
    addText(name, valueText(value, unit), note);
}

void Working::addText(std::string_view name, std::string_view text, std::string_view note)
{
    if (t_withoutWorking > 0)
        return;
    std::string line;
    line.reserve(name.size() + text.size() + note.size() + 5);
    line += name;
    line += ": ";
    line += text;
    if (!note.empty()) {
        line += " (";
        line += note;
        line += ')';
    }
    m_lines.push_back(std::move(line));
}

void Working::append(const Working &other)
{
    m_lines.insert(m_lines.end(), other.m_lines.begin(), other.m_lines.end());
}

} // namespace dravex
