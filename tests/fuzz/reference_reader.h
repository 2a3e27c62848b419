// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The C library's reading of a number, as a second opinion on the field reader: strtod in
// the "C" locale over the text without its surrounding blanks.
#include "core/conventions.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <optional>
#include <string>
#include <string_view>

namespace dravex::test {

struct ReferenceReading
{
    double value = 0;
    bool overflow = false;
};

// The reading of a text that the C library takes whole, or nothing.
inline std::optional<ReferenceReading> ReferenceRead(std::string_view text)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    std::size_t begin = 0, end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t'))
        ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    const std::string trimmed(text.substr(begin, end - begin));
    char *stop = nullptr;
    errno = 0;
    const double value = strtod_l(trimmed.c_str(), &stop, c);
    if (trimmed.empty() || stop != trimmed.c_str() + trimmed.size())
        return std::nullopt;
    return ReferenceReading{value, errno == ERANGE && std::isinf(value)};
}

// Whether the field reader agrees with the C library on a text it takes as a number (or
// calls too large): the same double, the same sign of zero, and too large exactly when
// the C library overflows. Texts with thousands separators are the reader's own.
inline bool AgreesWithReference(std::string_view text)
{
    if (text.find(',') != std::string_view::npos)
        return true;
    std::optional<double> ours;
    bool ourOverflow = false;
    try {
        ours = ParseFieldNumber(text);
    } catch (const CalcFault &fault) {
        if (fault.kind() != CalcFault::Kind::Overflow)
            return true; // not a number by the reader's rules
        ourOverflow = true;
    }
    const std::optional<ReferenceReading> theirs = ReferenceRead(text);
    if (!theirs)
        return false; // the reader took something the C library does not
    if (ourOverflow || theirs->overflow)
        return ourOverflow && theirs->overflow;
    return *ours == theirs->value && std::signbit(*ours) == std::signbit(theirs->value);
}

} // namespace dravex::test
