// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/render.h"

#include "core/procedure.h"

namespace dravex {

namespace {

std::string oneLine(std::string_view caption)
{
    return NoticeCaption(caption);
}

nlohmann::ordered_json inputJson(const Operation &operation, const OperationInput &input)
{
    nlohmann::ordered_json j;
    j["option"] = "--" + std::string(input.option);
    j["field"] = input.field.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(input.field);
    j["caption"] = input.field.empty() ? std::string() : oneLine(fieldCaption(operation, input.field));
    j["unit"] = input.unit;
    if (input.isChoice()) {
        nlohmann::ordered_json choices = nlohmann::ordered_json::array();
        for (const ChoiceWord &choice : input.choices) {
            nlohmann::ordered_json c;
            c["word"] = choice.word;
            c["field"] = choice.field;
            c["text"] = choice.text;
            c["caption"] = oneLine(fieldCaption(operation, choice.field));
            choices.push_back(std::move(c));
        }
        j["choices"] = std::move(choices);
    }
    if (!input.chooses.empty()) {
        j["chooses"] = input.chooses;
        j["chooses_caption"] = oneLine(fieldCaption(operation, input.chooses));
    }
    if (input.flag)
        j["flag"] = true;
    j["required"] = operation.isRequired(input);
    j["one_of"] = operation.isAlternative(input);
    if (input.presence == Presence::Optional && input.isChoice())
        j["default"] = input.defaultWord;
    return j;
}

// An output of an operation in the list: its key, the window's field and its caption.
nlohmann::ordered_json outputJson(const Operation &operation, std::string_view key, std::string_view field)
{
    nlohmann::ordered_json o;
    o["key"] = key;
    o["field"] = field;
    o["caption"] = oneLine(fieldCaption(operation, field));
    return o;
}

} // namespace

std::string resultText(const Operation &operation, const FormResult &result, bool withWorking)
{
    std::string text;
    const auto outputs = outputTexts(operation, result);
    for (std::size_t i = 0; i < outputs.size(); ++i)
        if (outputs[i])
            text += std::string(operation.outputs[i].key) + '\t' + *outputs[i] + '\n';
    if (result.outOfRange)
        text += "out_of_range\ttrue\n";
    if (withWorking)
        for (const std::string &line : result.working)
            text += "working\t" + line + '\n';
    return text;
}

nlohmann::ordered_json resultJson(const Operation &operation, const FormResult &result, bool withWorking,
                                  const std::vector<double> &exact)
{
    nlohmann::ordered_json j = nlohmann::ordered_json::object();
    const auto outputs = outputTexts(operation, result);
    for (std::size_t i = 0; i < outputs.size(); ++i)
        if (outputs[i])
            j[std::string(operation.outputs[i].key)] = *outputs[i];
    if (result.completed())
        for (std::size_t i = 0; i < exact.size() && i < operation.exactOutputs.size(); ++i)
            j[std::string(operation.exactOutputs[i].key)] = exact[i];
    j["out_of_range"] = result.outOfRange;
    j["notice"] = stopNotice(result);
    if (withWorking)
        j["working"] = result.working;
    return j;
}

nlohmann::ordered_json operationsJson()
{
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const Operation &operation : allOperations()) {
        nlohmann::ordered_json j;
        j["name"] = operation.name;
        j["form"] = operation.form;
        j["summary"] = operation.summary;
        j["available"] = isAvailable(operation);
        nlohmann::ordered_json inputs = nlohmann::ordered_json::array();
        for (const OperationInput &input : operation.inputs)
            inputs.push_back(inputJson(operation, input));
        j["inputs"] = std::move(inputs);
        nlohmann::ordered_json outputs = nlohmann::ordered_json::array();
        for (const OperationOutput &output : operation.outputs) {
            nlohmann::ordered_json o = outputJson(operation, output.key, output.field);
            o["unit"] = output.unit;
            outputs.push_back(std::move(o));
        }
        j["outputs"] = std::move(outputs);
        if (!operation.exactOutputs.empty()) {
            nlohmann::ordered_json exact = nlohmann::ordered_json::array();
            for (const ExactOutput &output : operation.exactOutputs)
                exact.push_back(outputJson(operation, output.key, output.field));
            j["exact_outputs"] = std::move(exact);
        }
        list.push_back(std::move(j));
    }
    return list;
}

std::string operationsText()
{
    std::string text;
    for (const Operation &operation : allOperations()) {
        std::string name(operation.name);
        name.resize(std::max<std::size_t>(name.size() + 2, 21), ' ');
        text += "  " + name + std::string(operation.summary);
        text += '\n';
    }
    return text;
}

} // namespace dravex
