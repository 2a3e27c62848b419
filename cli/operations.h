// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/procedure.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace dravex {

// The command line's view of the calculating windows: one operation per window, its
// inputs and outputs each tied to one control of that window, and the calculation run
// found by the window's name and the control that starts it. The window and the command
// line run the same core procedure on the same control texts, so they show the same.

// A named word for a choice the window makes with an option button or a list: the word,
// the control it sets and the text it puts there ("1" for a chosen option button, the
// item's text for a list).
struct ChoiceWord
{
    std::string_view word;
    std::string_view field;
    std::string_view text;
};

// Whether an input must be given. An optional number not given leaves its field empty;
// an optional choice not given takes its default word. Of the operation's one-of inputs
// exactly one is given (inputs that each select a trigger are one-of as well).
enum class Presence { Required, Optional, OneOf };

struct OperationInput
{
    std::string_view option; // without the leading "--"
    std::string_view field;  // the control; empty for a choice over option buttons
    std::string_view unit;
    std::span<const ChoiceWord> choices; // empty for a number
    Presence presence = Presence::Required;
    std::string_view defaultWord = {}; // an optional choice not given
    // The option button a number also chooses when it is given (the kind of the value:
    // an API gravity, a relative density).
    std::string_view chooses = {};
    // A choice given as a bare --option: its first word when present, its default word
    // when absent. In a CSV column it is written as a word, or 1 / 0.
    bool flag = false;

    bool isChoice() const { return !choices.empty(); }
};

struct OperationOutput
{
    std::string_view key;
    std::string_view field;
    std::string_view unit;
    // The decimals the calculation rounds the value to (a factor to 4 places), as a
    // printed table page shows every cell; -1 where the places vary with the value or a
    // choice.
    int places = -1;
};

// Which control starts the calculation. An operation with more than one trigger picks it
// by the input given (temperature: from Celsius or from Fahrenheit) or by a choice
// (stop gauge: the key press on the chosen table's option button).
struct OperationTrigger
{
    std::string_view control;
    std::string_view input; // the input that selects this trigger; empty: always
    std::string_view word;  // with a choice input: the word that selects it
};

// The unrounded value behind an output the window shows rounded: its key and the control
// of the rounded value. Given in JSON only, as a full-precision number.
struct ExactOutput
{
    std::string_view key;
    std::string_view field;
};

struct Operation
{
    std::string_view name;
    std::string_view form;
    std::string_view summary;
    std::span<const OperationInput> inputs;
    std::span<const OperationOutput> outputs;
    std::span<const OperationTrigger> triggers;
    std::span<const ExactOutput> exactOutputs = {};
    // The exact values in the order of exactOutputs, from the texts a run is given; empty
    // where the calculation stops.
    std::vector<double> (*exactValues)(const FieldTexts &texts) = nullptr;

    const OperationInput *input(std::string_view option) const;
    const OperationOutput *output(std::string_view key) const;
    // Inputs of which exactly one is given (one-of inputs, or each selecting its own
    // trigger).
    bool isAlternative(const OperationInput &input) const;
    // Inputs that must be given.
    bool isRequired(const OperationInput &input) const;
};

std::span<const Operation> allOperations();
const Operation *findOperation(std::string_view name);

// The window's description of a control, from the registered calculations: its caption,
// or empty when no registered calculation of the window names it.
std::string_view fieldCaption(const Operation &operation, std::string_view field);
// Whether every calculation the operation runs is registered in this build.
bool isAvailable(const Operation &operation);

// The values given for one calculation, one per input in the operation's order; an
// absent value is an input not given.
using InputValues = std::vector<std::optional<std::string_view>>;

// One calculation ready to run, or why it cannot run. The problem names the input with
// the given prefix ("--" on the command line, none for a column of a batch).
struct PreparedRun
{
    const Calculation *calculation = nullptr;
    FieldTexts texts;
    std::string problem;
    // The values are right, but this build has no calculation for them.
    bool unavailable = false;
    // The fields this preparation set (see the second prepareRun).
    std::vector<std::string_view> fieldsSet;
};

PreparedRun prepareRun(const Operation &operation, const InputValues &values, std::string_view prefix);
// The same, into run: the texts of the run prepared there before are overwritten in
// place, so that preparing one run after another (a batch, a table page) allocates
// nothing when they set the same fields.
void prepareRun(PreparedRun &run, const Operation &operation, const InputValues &values, std::string_view prefix);

// The text each output shows after a run, in the operation's output order; outputs the
// run did not write are absent.
std::vector<std::optional<std::string>> outputTexts(const Operation &operation, const FormResult &result);

// The notice of a run that did not complete: the window's notice, or when the window has
// none (an out-of-range stop), why the calculation stopped.
std::string stopNotice(const FormResult &result);

} // namespace dravex
