// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/operations.h"

#include "core/additives.h"
#include "core/calculations.h"
#include "core/vcf2004_form.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <type_traits>

namespace dravex {

namespace {

using In = OperationInput;
using Out = OperationOutput;
using Trigger = OperationTrigger;

// Option buttons are chosen by putting "1" in them; the others stay "" (not chosen).
constexpr ChoiceWord kWedgeUnits[] = {{"english", "Option1", kChosen}, {"metric", "Option2", kChosen}};
constexpr ChoiceWord kStopGaugeTables[] = {{"6a", "Option1", kChosen}, {"6b", "Option2", kChosen}};
constexpr ChoiceWord kInhibitorUnits[] = {
    {"barrels", "Option1", kChosen}, {"gallons", "Option2", kChosen}, {"litres", "Option3", kChosen}};
// The corrosion inhibitor list as the core keeps it, each product chosen by its name as
// the list shows it.
using InhibitorWords = std::array<ChoiceWord, std::tuple_size_v<std::decay_t<decltype(CorrosionInhibitors())>>>;
const InhibitorWords kInhibitorProducts = [] {
    InhibitorWords words;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string_view name = CorrosionInhibitors()[i].name;
        words[i] = {name, "List1", name};
    }
    return words;
}();

constexpr Trigger kGrossTrigger[] = {{"txtgv", {}, {}}};
constexpr Trigger kObservedTempTrigger[] = {{"txtobt", {}, {}}};

constexpr In kTable6Inputs[] = {
    {"api", "txtapi", "API", {}}, {"temp", "txtem", "F", {}}, {"gross", "txtgv", "bbl", {}}};
constexpr Out kTable6Outputs[] = {{"vcf", "txtvcf", "", 4},
                                  {"net_bbl", "txtbbl", "bbl", 2},
                                  {"net_gal", "txtgal", "gal", 0},
                                  {"lt_factor", "txtlf", "LT/bbl", 5},
                                  {"long_tons", "txtltn", "LT", 2}};

constexpr In kTable54Inputs[] = {
    {"density", "txtapi", "kg/m3", {}}, {"temp", "txtem", "C", {}}, {"gross", "txtgv", "L", {}}};
constexpr Out kTable54Outputs[] = {{"vcf", "txtvcf", "", 4},           {"net_litres", "txtlts", "L", 0},
                                   {"net_bbl", "txtbbl", "bbl", 2},    {"net_gal", "txtgal", "gal", 0},
                                   {"cubic_metres", "txtcm", "m3", 3}, {"lt_factor", "txtlf", "LT/m3", 4},
                                   {"long_tons", "txtltn", "LT", 2}};

constexpr In kTable5Inputs[] = {{"api", "txtobg", "API", {}}, {"temp", "txtobt", "F", {}}};
constexpr Out kTable5Outputs[] = {{"api60", "txtcg", "API", 1}};

constexpr In kTable53Inputs[] = {{"density", "txtobg", "kg/m3", {}}, {"temp", "txtobt", "C", {}}};
constexpr Out kTable53Outputs[] = {{"density15", "txtcg", "kg/m3", 1}};

constexpr In kTemperatureInputs[] = {{"celsius", "txtCels", "C", {}}, {"fahrenheit", "txtFah", "F", {}}};
constexpr Out kTemperatureOutputs[] = {{"fahrenheit", "txtFah", "F"}, {"celsius", "txtCels", "C"}};
constexpr Trigger kTemperatureTriggers[] = {{"txtCels", "celsius", {}}, {"txtFah", "fahrenheit", {}}};

constexpr In kGravityInputs[] = {
    {"api", "txtapi", "API", {}}, {"density", "txtden", "kg/m3", {}}, {"sg", "txtspe", "", {}}};
constexpr Out kGravityOutputs[] = {{"api", "txtapi", "API"}, {"density", "txtden", "kg/m3"}, {"sg", "txtspe", ""}};
constexpr Trigger kGravityTriggers[] = {{"txtapi", "api", {}}, {"txtden", "density", {}}, {"txtspe", "sg", {}}};

constexpr In kWedgeInputs[] = {
    {"units", {}, "", kWedgeUnits},
    {"vessel-length", "txtvl", "ft|m", {}},
    {"tank-length", "txttl", "ft|m", {}},
    {"tank-width", "txttw", "ft|m", {}},
    {"hatch-to-bulkhead", "txtbhd", "ft|m", {}},
    {"forward-draft", "txtfdt", "ft|m", {}},
    {"aft-draft", "txtadt", "ft|m", {}},
    {"tank-depth", "txttdp", "ft|m", {}},
    {"innage", "txtinn", "in|mm", {}},
};
constexpr Out kWedgeOutputs[] = {{"quantity", "txtrob", "bbl|m3"}, {"unit", "txtmes", ""}};
constexpr Trigger kWedgeTrigger[] = {{"txtinn", {}, {}}};

constexpr In kStopGaugeInputs[] = {
    {"table", {}, "", kStopGaugeTables}, {"net", "txtbm", "bbl|gal", {}}, {"opening", "txtgv", "bbl|gal", {}},
    {"temp", "txtem", "F", {}},          {"api", "txtapi", "API", {}},
};
constexpr Out kStopGaugeOutputs[] = {{"stop_gauge", "txtstp", "bbl|gal"}};
// The window computes on a key press on the chosen table's option button.
constexpr Trigger kStopGaugeTriggers[] = {{"Option1", "table", "6a"}, {"Option2", "table", "6b"}};

constexpr In kAverageGravityInputs[] = {
    {"gravity1", "txtt1", "", {}}, {"volume1", "txtv1", "", {}},  {"gravity2", "txtt2", "", {}},
    {"volume2", "txtv2", "", {}},  {"gravity3", "txtt3", "", {}}, {"volume3", "txtv3", "", {}},
    {"gravity4", "txtt4", "", {}}, {"volume4", "txtv4", "", {}},
};
constexpr Out kAverageGravityOutputs[] = {{"average", "txtt5", ""}};
constexpr Trigger kAverageGravityTrigger[] = {{"txtv4", {}, {}}};

constexpr In kTheoreticalInputs[] = {
    {"tank-density", "txtd1", "", {}},
    {"open-volume", "txtv1", "", {}},
    {"vessel-density", "txtd2", "", {}},
    {"closing-volume", "txtv2", "", {}},
};
constexpr Out kTheoreticalOutputs[] = {{"density", "txtd3", ""}};
constexpr Trigger kTheoreticalTrigger[] = {{"txtv2", {}, {}}};

constexpr In kFsiiBarrelsInputs[] = {
    {"desired", "txterd", "%", {}}, {"quantity", "txtqtb", "bbl", {}}, {"lab", "txtflt", "%", {}}};
constexpr Out kFsiiBarrelsOutputs[] = {{"fsii_gal", "txtfis", "gal"}, {"per_1000_bbl", "txtgfs", "gal"}};
constexpr Trigger kFsiiBarrelsTrigger[] = {{"txtflt", {}, {}}};

constexpr In kFsiiGallonsInputs[] = {
    {"desired", "txterd", "%", {}}, {"quantity", "txtqfi", "gal", {}}, {"lab", "txtpir", "%", {}}};
constexpr Out kFsiiGallonsOutputs[] = {{"fsii_gal", "txtfsi", "gal"}};
constexpr Trigger kFsiiGallonsTrigger[] = {{"txtpir", {}, {}}};

constexpr In kSdaBarrelsInputs[] = {
    {"quantity", "txtqti", "bbl", {}}, {"lab", "txtilr", "", {}}, {"desired", "txterw", "", {}}};
constexpr Out kSdaBarrelsOutputs[] = {{"sda_gal", "txtmix", "gal"}, {"fuel_gal", "txtprd", "gal"}};
constexpr In kSdaGallonsInputs[] = {
    {"quantity", "txtqti", "gal", {}}, {"lab", "txtilr", "", {}}, {"desired", "txterw", "", {}}};
constexpr Out kSdaGallonsOutputs[] = {{"sda_ml", "txtmix", "ml"}, {"fuel_gal", "txtprd", "gal"}};
constexpr Trigger kSdaTrigger[] = {{"txterw", {}, {}}};

constexpr In kInhibitorInputs[] = {
    {"product", "List1", "", kInhibitorProducts},
    {"quantity", "txtqpt", "bbl|gal|L", {}},
    {"unit", {}, "", kInhibitorUnits},
    {"sg", "txtscg", "", {}},
};
constexpr Out kInhibitorOutputs[] = {{"amount", "txtami", "gal|L"}, {"amount_unit", "txtqan", ""}};
constexpr Trigger kInhibitorTrigger[] = {{"txtscg", {}, {}}};

constexpr In kDmd2Inputs[] = {{"quantity", "txtbbl", "bbl", {}}};
constexpr Out kDmd2Outputs[] = {{"dmd2_gal", "txtdmd", "gal"}};
constexpr Trigger kDmd2Trigger[] = {{"txtbbl", {}, {}}};

// The 2004 edition: every choice is a set of option buttons; the density is given as one
// of three kinds, each choosing its option button beside the density field.
constexpr ChoiceWord kVcf2004Groups[] = {{"crude", "optCrude", kChosen},
                                         {"products", "optProducts", kChosen},
                                         {"lubricants", "optLubricants", kChosen},
                                         {"special", "optSpecial", kChosen}};
constexpr ChoiceWord kVcf2004Observed[] = {{"yes", "optObserved", kChosen}, {"no", "optAtBase", kChosen}};
constexpr ChoiceWord kVcf2004Bases[] = {
    {"60F", "optBase60F", kChosen}, {"15C", "optBase15C", kChosen}, {"20C", "optBase20C", kChosen}};
constexpr ChoiceWord kVcf2004TemperatureUnits[] = {{"F", "optF", kChosen}, {"C", "optC", kChosen}};
constexpr ChoiceWord kVcf2004PressureUnits[] = {
    {"psig", "optPsig", kChosen}, {"kpa", "optKpa", kChosen}, {"bar", "optBar", kChosen}};

constexpr In kVcf2004Inputs[] = {
    {"group", {}, "", kVcf2004Groups},
    {"alpha", "txtalpha", "per F", {}, Presence::Optional},
    {"api", "txtdensity", "API", {}, Presence::OneOf, {}, "optApi"},
    {"rd", "txtdensity", "", {}, Presence::OneOf, {}, "optRd"},
    {"kgm3", "txtdensity", "kg/m3", {}, Presence::OneOf, {}, "optKgm3"},
    {"observed", {}, "", kVcf2004Observed, Presence::Optional, "no", {}, true},
    {"base", {}, "", kVcf2004Bases, Presence::Optional, "60F"},
    {"temp", "txttemp", "F|C", {}},
    {"temp-unit", {}, "", kVcf2004TemperatureUnits, Presence::Optional, "F"},
    {"pressure", "txtpressure", "psig|kPa|bar", {}, Presence::Optional},
    {"pressure-unit", {}, "", kVcf2004PressureUnits, Presence::Optional, "psig"},
    {"gross", "txtgross", "", {}, Presence::Optional},
};
constexpr Out kVcf2004Outputs[] = {{"density_base", "txtdensitybase", "kg/m3", 1},
                                   {"density60", "txtdensity60", "kg/m3", 1},
                                   {"api60", "txtapi60", "API", 1},
                                   {"rd60", "txtrd60", "", 4},
                                   {"group_name", "txtgroupused", ""},
                                   {"ctl", "txtctl", "", 5},
                                   {"fp", "txtfp", "per psig|kPa|bar"},
                                   {"cpl", "txtcpl", "", 5},
                                   {"ctpl", "txtctpl", "", 5},
                                   {"net", "txtnet", ""}};
constexpr ExactOutput kVcf2004Exact[] = {{"ctl_exact", "txtctl"},
                                         {"fp_exact", "txtfp"},
                                         {"cpl_exact", "txtcpl"},
                                         {"ctpl_exact", "txtctpl"},
                                         {"density60_exact", "txtdensity60"}};
constexpr Trigger kVcf2004Trigger[] = {{"txtgross", {}, {}}};

std::vector<double> vcf2004Exact(const FieldTexts &texts)
{
    const std::optional<Vcf2004Exact> e = Vcf2004ExactValues(texts);
    if (!e)
        return {};
    return {e->ctl, e->fp, e->cpl, e->ctpl, e->density60};
}

const Operation kOperations[] = {
    {"table6a", "Form5", "Volume correction, Table 6A (crude oils): barrels at 60 F and long tons", kTable6Inputs,
     kTable6Outputs, kGrossTrigger},
    {"table6b", "Form21", "Volume correction, Table 6B (products): barrels at 60 F and long tons", kTable6Inputs,
     kTable6Outputs, kGrossTrigger},
    {"table54a", "Form22", "Volume correction, Table 54A (crude oils): litres at 15 C, barrels, long tons",
     kTable54Inputs, kTable54Outputs, kGrossTrigger},
    {"table54b", "Form6", "Volume correction, Table 54B (products): litres at 15 C, barrels, long tons", kTable54Inputs,
     kTable54Outputs, kGrossTrigger},
    {"table5a", "Form23", "Gravity correction, Table 5A (crude oils): observed API to API at 60 F", kTable5Inputs,
     kTable5Outputs, kObservedTempTrigger},
    {"table5b", "Form24", "Gravity correction, Table 5B (products): observed API to API at 60 F", kTable5Inputs,
     kTable5Outputs, kObservedTempTrigger},
    {"table53a", "Form25", "Gravity correction, Table 53A (crude oils): observed density to density at 15 C",
     kTable53Inputs, kTable53Outputs, kObservedTempTrigger},
    {"table53b", "Form26", "Gravity correction, Table 53B (products): observed density to density at 15 C",
     kTable53Inputs, kTable53Outputs, kObservedTempTrigger},
    {"temperature", "Form3", "Temperature conversion: give --celsius or --fahrenheit", kTemperatureInputs,
     kTemperatureOutputs, kTemperatureTriggers},
    {"gravity", "Form4", "Gravity conversion: give --api, --density or --sg", kGravityInputs, kGravityOutputs,
     kGravityTriggers},
    {"wedge", "Form7", "Wedge quantity against the aft bulkhead of a trimmed tank", kWedgeInputs, kWedgeOutputs,
     kWedgeTrigger},
    {"stop-gauge", "Form9", "Stop gauge: the tank quantity at which to stop a transfer", kStopGaugeInputs,
     kStopGaugeOutputs, kStopGaugeTriggers},
    {"average-gravity", "Form8", "Volume-weighted average gravity of up to four issuing tanks", kAverageGravityInputs,
     kAverageGravityOutputs, kAverageGravityTrigger},
    {"theoretical-density", "Form20", "Theoretical density of a shore tank after receiving a cargo", kTheoreticalInputs,
     kTheoreticalOutputs, kTheoreticalTrigger},
    {"fsii-barrels", "Form10", "FSII injection for a quantity in barrels", kFsiiBarrelsInputs, kFsiiBarrelsOutputs,
     kFsiiBarrelsTrigger},
    {"fsii-gallons", "Form16", "FSII injection for a quantity in gallons", kFsiiGallonsInputs, kFsiiGallonsOutputs,
     kFsiiGallonsTrigger},
    {"sda-barrels", "Form11", "Static dissipator additive for a quantity in barrels", kSdaBarrelsInputs,
     kSdaBarrelsOutputs, kSdaTrigger},
    {"sda-gallons", "Form18", "Static dissipator additive for a quantity in gallons", kSdaGallonsInputs,
     kSdaGallonsOutputs, kSdaTrigger},
    {"corrosion-inhibitor", "Form12", "Corrosion inhibitor to inject for a product and quantity", kInhibitorInputs,
     kInhibitorOutputs, kInhibitorTrigger},
    {"dmd2", "Form19", "Metal deactivator (DMD-2) for a quantity in barrels", kDmd2Inputs, kDmd2Outputs, kDmd2Trigger},
    {"vcf2004", "Vcf2004",
     "Volume correction, 2004 edition: temperature and pressure to a 60 F, 15 C or 20 C base; give --api, --rd "
     "or --kgm3",
     kVcf2004Inputs, kVcf2004Outputs, kVcf2004Trigger, kVcf2004Exact, vcf2004Exact},
};

bool sameWord(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

const ChoiceWord *findWord(const OperationInput &input, std::string_view word)
{
    // A flag in a CSV column: 1 for its first word, 0 for its default.
    if (input.flag && word == "1")
        word = input.choices.front().word;
    else if (input.flag && word == "0")
        word = input.defaultWord;
    const auto found = std::find_if(input.choices.begin(), input.choices.end(),
                                    [&](const ChoiceWord &c) { return sameWord(c.word, word); });
    return found == input.choices.end() ? nullptr : &*found;
}

std::string wordList(const OperationInput &input)
{
    std::string list;
    for (const ChoiceWord &c : input.choices)
        list += (list.empty() ? "" : ", ") + std::string(c.word);
    return list;
}

} // namespace

const OperationInput *Operation::input(std::string_view option) const
{
    const auto found =
        std::find_if(inputs.begin(), inputs.end(), [&](const OperationInput &i) { return i.option == option; });
    return found == inputs.end() ? nullptr : &*found;
}

const OperationOutput *Operation::output(std::string_view key) const
{
    const auto found =
        std::find_if(outputs.begin(), outputs.end(), [&](const OperationOutput &o) { return o.key == key; });
    return found == outputs.end() ? nullptr : &*found;
}

bool Operation::isAlternative(const OperationInput &in) const
{
    return in.presence == Presence::OneOf ||
           std::any_of(triggers.begin(), triggers.end(),
                       [&](const OperationTrigger &t) { return t.input == in.option && t.word.empty(); });
}

bool Operation::isRequired(const OperationInput &in) const
{
    return in.presence == Presence::Required && !isAlternative(in);
}

std::span<const Operation> allOperations()
{
    return kOperations;
}

const Operation *findOperation(std::string_view name)
{
    const auto found = std::find_if(std::begin(kOperations), std::end(kOperations),
                                    [&](const Operation &o) { return o.name == name; });
    return found == std::end(kOperations) ? nullptr : &*found;
}

std::string_view fieldCaption(const Operation &operation, std::string_view field)
{
    for (const OperationTrigger &trigger : operation.triggers) {
        if (const Calculation *calculation = FindCalculation(operation.form, trigger.control))
            if (const FieldSpec *described = calculation->form->field(field))
                return described->caption;
    }
    return {};
}

bool isAvailable(const Operation &operation)
{
    return std::all_of(operation.triggers.begin(), operation.triggers.end(), [&](const OperationTrigger &t) {
        return FindCalculation(operation.form, t.control) != nullptr;
    });
}

PreparedRun prepareRun(const Operation &operation, const InputValues &values, std::string_view prefix)
{
    PreparedRun run;
    prepareRun(run, operation, values, prefix);
    return run;
}

namespace {

// Sets a field's text in the texts of a run being prepared, keeping the entry the field
// had in the run prepared before.
void setText(PreparedRun &run, std::string_view field, std::string_view text)
{
    auto found = run.texts.find(field);
    if (found == run.texts.end())
        found = run.texts.emplace(std::string(field), std::string()).first;
    found->second.assign(text);
    if (std::find(run.fieldsSet.begin(), run.fieldsSet.end(), field) == run.fieldsSet.end())
        run.fieldsSet.push_back(field);
}

// Drops the fields that the run prepared before set and this one does not.
void dropOtherTexts(PreparedRun &run)
{
    if (run.texts.size() == run.fieldsSet.size())
        return;
    std::erase_if(run.texts, [&](const auto &entry) {
        return std::find(run.fieldsSet.begin(), run.fieldsSet.end(), entry.first) == run.fieldsSet.end();
    });
}

} // namespace

void prepareRun(PreparedRun &run, const Operation &operation, const InputValues &values, std::string_view prefix)
{
    run.calculation = nullptr;
    run.problem.clear();
    run.unavailable = false;
    run.fieldsSet.clear();
    const auto name = [&](const OperationInput &input) { return std::string(prefix) + std::string(input.option); };
    const OperationTrigger *trigger = nullptr;
    const OperationInput *alternative = nullptr;
    std::string alternatives;
    for (std::size_t i = 0; i < operation.inputs.size(); ++i) {
        const OperationInput &input = operation.inputs[i];
        std::optional<std::string_view> value = i < values.size() ? values[i] : std::nullopt;
        if (operation.isAlternative(input)) {
            alternatives += (alternatives.empty() ? "" : ", ") + name(input);
            if (!value)
                continue;
            if (alternative) {
                run.problem = "give only one of " + name(*alternative) + " and " + name(input);
                return;
            }
            alternative = &input;
            for (const OperationTrigger &t : operation.triggers)
                if (t.input == input.option && t.word.empty())
                    trigger = &t;
            setText(run, input.field, *value);
            if (!input.chooses.empty())
                setText(run, input.chooses, kChosen);
            continue;
        }
        if (!value && input.presence == Presence::Optional)
            value = input.defaultWord; // a choice's default; a number's field stays empty
        if (!value) {
            run.problem = "no value for " + name(input);
            return;
        }
        if (!input.isChoice()) {
            setText(run, input.field, *value);
            continue;
        }
        const ChoiceWord *word = findWord(input, *value);
        if (!word) {
            run.problem = name(input) + ": \"" + std::string(*value) + "\" is not one of " + wordList(input) +
                          (input.flag ? " (or 1, 0)" : "");
            return;
        }
        setText(run, word->field, word->text);
        for (const OperationTrigger &t : operation.triggers)
            if (t.input == input.option && t.word == word->word)
                trigger = &t;
    }
    if (!alternatives.empty() && !alternative) {
        run.problem = "give one of " + alternatives;
        return;
    }
    if (!trigger && operation.triggers.size() == 1)
        trigger = &operation.triggers.front();
    if (!trigger) {
        run.problem = "no calculation of " + std::string(operation.name) + " starts from these inputs";
        return;
    }
    dropOtherTexts(run);
    run.calculation = FindCalculation(operation.form, trigger->control);
    run.unavailable = run.calculation == nullptr;
    if (!run.calculation)
        run.problem = std::string(operation.name) + " is not available in this build (no calculation for " +
                      std::string(operation.form) + " " + std::string(trigger->control) + ")";
}

std::vector<std::optional<std::string>> outputTexts(const Operation &operation, const FormResult &result)
{
    std::vector<std::optional<std::string>> texts;
    texts.reserve(operation.outputs.size());
    for (const OperationOutput &output : operation.outputs) {
        const std::string *written = result.written(output.field);
        texts.push_back(written ? std::optional<std::string>(*written) : std::nullopt);
    }
    return texts;
}

std::string stopNotice(const FormResult &result)
{
    if (result.completed() || !result.notice.empty())
        return result.notice;
    constexpr std::string_view kStopped = "Stopped: ";
    if (!result.working.empty()) {
        std::string_view reason = result.working.back();
        if (reason.starts_with(kStopped))
            reason.remove_prefix(kStopped.size());
        return (result.outOfRange ? "out of range: " : "") + std::string(reason);
    }
    return result.outOfRange ? "out of range" : "stopped";
}

} // namespace dravex
