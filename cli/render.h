// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/operations.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace dravex {

// One calculation as lines of "key<TAB>text": each output the run wrote, in the
// operation's order; "out_of_range<TAB>true" where the window shows its out-of-range
// window; with working, one "working<TAB>line" per line of the working.
std::string resultText(const Operation &operation, const FormResult &result, bool withWorking);

// The same as one JSON object: the outputs written (texts as the window shows them),
// "out_of_range", "notice" (empty when the calculation completed) and, with working,
// "working" as an array of lines. A completed run adds the exact values, one number per
// exact output of the operation, in full precision.
nlohmann::ordered_json resultJson(const Operation &operation, const FormResult &result, bool withWorking,
                                  const std::vector<double> &exact = {});

// Every operation, for programs: name, window, summary, whether this build has its
// calculations, each input (option, field, caption, unit, choices) and output (key,
// field, caption, unit).
nlohmann::ordered_json operationsJson();

// The same for people, one operation per line.
std::string operationsText();

} // namespace dravex
