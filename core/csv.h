// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace dravex {

// Comma-separated values as RFC 4180 writes them: fields separated by ",", records ended
// by CR LF, and a field that holds a comma, a double quote, CR or LF enclosed in double
// quotes with each double quote inside doubled. Everything else is written as it is.
//   AppendCsvField(out, "12.5")       appends 12.5
//   AppendCsvField(out, "DCI-4A, 9")  appends "DCI-4A, 9"
//   AppendCsvField(out, "6\" pipe")   appends "6"" pipe"
void AppendCsvField(std::string &out, std::string_view field);

// The fields of one record and its line end.
//   AppendCsvRecord(out, {"api", "temp"}) appends api,temp\r\n
void AppendCsvRecord(std::string &out, std::span<const std::string_view> fields);
void AppendCsvRecord(std::string &out, std::initializer_list<std::string_view> fields);

inline constexpr std::string_view kCsvLineEnd = "\r\n";

} // namespace dravex
