// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dravex {

// The working behind a result: the intermediate values of one calculation, each with its
// name and unit, in the order they were computed. Operations fill it from the values they
// computed, so it can never disagree with the results.
class Working
{
public:
    // "Density at 60 F: 778.84 kg/m3", "Gravity used: 50 API (rounded to 0.01, sign dropped)"
    void add(std::string_view name, double value, std::string_view unit = {}, std::string_view note = {});
    // A line whose value is a word, not a number: "Product group: transition zone (...)"
    void addText(std::string_view name, std::string_view text, std::string_view note = {});
    void append(const Working &other);

    const std::vector<std::string> &lines() const { return m_lines; }
    // The lines, leaving the working empty.
    std::vector<std::string> takeLines() { return std::move(m_lines); }
    bool empty() const { return m_lines.empty(); }
    void clear() { m_lines.clear(); }

private:
    std::vector<std::string> m_lines;
};

// While one lives, calculations on its thread keep no working: add and addText record
// nothing. For callers that show only the results (a batch of a million rows, a table
// page), where writing out the working would be most of the time spent. The notice of a
// run that stops is kept as always.
class WithoutWorking
{
public:
    WithoutWorking();
    ~WithoutWorking();
    WithoutWorking(const WithoutWorking &) = delete;
    WithoutWorking &operator=(const WithoutWorking &) = delete;
};

} // namespace dravex
