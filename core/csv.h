#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dravex {

// RFC 4180: a field is quoted when it holds a comma, a double quote, CR or LF, and a quote
// inside it is doubled; records end with CRLF.
//   CsvField("a,b") == "\"a,b\"", CsvField("5\" gauge") == "\"5\"\" gauge\"", CsvField("1.5") == "1.5"
std::string CsvField(std::string_view text);
void AppendCsvRecord(std::string &out, const std::vector<std::string> &fields);

} // namespace dravex
