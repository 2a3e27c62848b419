#include "core/working.h"

#include "core/conventions.h"

#include <cmath>

namespace dravex {

void Working::add(const std::string &name, double value, const std::string &unit, const std::string &note)
{
    // Working lines are written only for values that a calculation went on with; a value
    // that is not finite would already have stopped it.
    addText(name, std::isfinite(value) ? FormatFieldNumber(value) + (unit.empty() ? "" : " " + unit) : "-", note);
}

void Working::addText(const std::string &name, const std::string &text, const std::string &note)
{
    m_lines.push_back(name + ": " + text + (note.empty() ? "" : " (" + note + ")"));
}

void Working::append(const Working &other)
{
    m_lines.insert(m_lines.end(), other.m_lines.begin(), other.m_lines.end());
}

} // namespace dravex
