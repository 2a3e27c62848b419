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

void Working::add(std::string_view name, double value, std::string_view unit, std::string_view note)
{
    if (t_withoutWorking > 0)
        return;
    // Working lines are written only for values that a calculation went on with; a value
    // that is not finite would already have stopped it.
    if (!std::isfinite(value)) {
        addText(name, "-", note);
        return;
    }
    std::string text = FormatFieldNumber(value);
    if (!unit.empty()) {
        text += ' ';
        text += unit;
    }
    addText(name, text, note);
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
