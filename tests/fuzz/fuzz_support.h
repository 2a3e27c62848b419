// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the fuzz targets: doubles taken from the fuzzer's bytes, and the check that
// every result a screen could show is a finite number whose text holds no inf or nan.
#include "core/conventions.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace dravex::fuzz {

class Input
{
public:
    Input(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}

    // Raw 8-byte doubles (any bit pattern, NaN and infinity included) or, half of the
    // time, a field's text parsed as a screen would; either way what a screen could pass.
    double number()
    {
        if (takeByte() & 1)
            return rawDouble();
        try {
            return ParseFieldNumber(rawText());
        } catch (const CalcFault &) {
            return 0;
        }
    }

    // What a field could hold: any bytes or, half of the time, a double's shown form.
    std::string fieldText()
    {
        if (takeByte() & 1) {
            const double x = rawDouble();
            return std::isfinite(x) ? FormatFieldNumber(x) : std::string();
        }
        return rawText();
    }

    std::uint8_t takeByte()
    {
        if (m_pos >= m_size)
            return 0;
        return m_data[m_pos++];
    }

private:
    double rawDouble()
    {
        double x = 0;
        std::uint8_t bytes[sizeof x] = {};
        for (auto &b : bytes)
            b = takeByte();
        std::memcpy(&x, bytes, sizeof x);
        return x;
    }

    std::string rawText()
    {
        std::string text;
        const std::size_t length = takeByte() % 24;
        for (std::size_t i = 0; i < length; ++i)
            text += static_cast<char>(takeByte());
        return text;
    }

    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// A result as a field would show it: finite, and its text never "inf" or "nan".
inline void checkShown(double x)
{
    if (!std::isfinite(x))
        std::abort();
    const std::string text = FormatFieldNumber(x);
    if (text.find("inf") != std::string::npos || text.find("nan") != std::string::npos)
        std::abort();
}

// Runs one operation: a CalcFault is the expected way to refuse; anything else escaping
// (another exception) ends the run as a finding.
template <typename F> void run(F &&operation)
{
    try {
        operation();
    } catch (const CalcFault &) {
    }
}

} // namespace dravex::fuzz
