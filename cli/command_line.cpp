// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_line.h"

#include "cli/batch.h"
#include "cli/file_text.h"
#include "cli/grid.h"
#include "cli/operations.h"
#include "cli/render.h"
#include "cli/tank_commands.h"
#include "cli/vef_command.h"

#include "core/cargo_report.h"
#include "core/tank_table_file.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>

namespace dravex {

namespace {

constexpr std::string_view kProgram = "dravex-calc";
constexpr std::int64_t kMaxColumns = 10000;

// One operation's options on one subcommand.
struct OperationOptions
{
    const Operation *operation = nullptr;
    CLI::App *command = nullptr;
    std::vector<CLI::Option *> options; // one per input
    std::vector<std::string> values;    // one per input
    bool json = false;
    bool working = false;
    std::string show;
    bool text = false;

    InputValues given() const
    {
        InputValues v(values.size());
        for (std::size_t i = 0; i < values.size(); ++i) {
            const OperationInput &input = operation->inputs[i];
            if (options[i]->count() > 0)
                v[i] = input.flag ? std::string_view(input.choices.front().word) : std::string_view(values[i]);
        }
        return v;
    }
};

// An input for --help, in the window's words: its caption and unit, never the control's name.
std::string inputDescription(const Operation &operation, const OperationInput &input)
{
    if (input.flag) {
        const ChoiceWord &on = input.choices.front();
        const ChoiceWord &off = input.choices.back();
        return NoticeCaption(fieldCaption(operation, on.field)) + "; without it " +
               NoticeCaption(fieldCaption(operation, off.field));
    }
    if (input.isChoice()) {
        std::string words;
        for (const ChoiceWord &choice : input.choices) {
            const std::string caption = NoticeCaption(fieldCaption(operation, choice.field));
            words += (words.empty() ? "" : " | ") + std::string(choice.word);
            if (!caption.empty() && caption != choice.word && choice.text == kChosen)
                words += " (" + caption + ")";
        }
        return "one of: " + words +
               (input.presence == Presence::Optional ? " (default " + std::string(input.defaultWord) + ")" : "");
    }
    std::string text = NoticeCaption(fieldCaption(operation, input.field));
    if (!input.unit.empty())
        text += (text.empty() ? "" : " ") + ("(" + std::string(input.unit) + ")");
    if (!input.chooses.empty()) {
        const std::string chosen = NoticeCaption(fieldCaption(operation, input.chooses));
        if (!chosen.empty())
            text += "; chooses " + chosen;
    }
    if (operation.isAlternative(input))
        text += ", give one of these";
    else if (input.presence == Presence::Optional)
        text += ", optional";
    return text;
}

std::string outputsFooter(const Operation &operation)
{
    const auto keyColumn = [](std::string_view key) {
        std::string text(key);
        text.resize(std::max<std::size_t>(text.size() + 2, 16), ' ');
        return "  " + text;
    };
    std::string text = "Outputs:\n";
    for (const OperationOutput &output : operation.outputs) {
        const std::string caption = NoticeCaption(fieldCaption(operation, output.field));
        text += keyColumn(output.key) + caption +
                (output.unit.empty() ? "" : (caption.empty() ? "(" : " (") + std::string(output.unit) + ")") + "\n";
    }
    text += keyColumn("out_of_range") + "true where the window shows its out-of-range window\n";
    if (!operation.exactOutputs.empty()) {
        text += "With --json also, unrounded as full-precision numbers:\n";
        for (const ExactOutput &exact : operation.exactOutputs) {
            const auto shown = std::find_if(operation.outputs.begin(), operation.outputs.end(),
                                            [&](const OperationOutput &o) { return o.field == exact.field; });
            const std::string behind = shown != operation.outputs.end()
                                           ? std::string(shown->key)
                                           : NoticeCaption(fieldCaption(operation, exact.field));
            text += keyColumn(exact.key) + "the value behind " + behind + "\n";
        }
    }
    return text;
}

std::string batchInputNames(const Operation &operation)
{
    std::string names;
    for (const OperationInput &input : operation.inputs)
        names += (names.empty() ? "" : ",") + std::string(input.option);
    return names;
}

// One option per input. Alternatives exclude each other; a value option never takes the
// next option as its value: that is noted in usage and reported as the value missing.
void addInputOptions(OperationOptions &o, bool ranges, std::string &usage)
{
    const Operation &operation = *o.operation;
    o.values.resize(operation.inputs.size());
    for (std::size_t i = 0; i < operation.inputs.size(); ++i) {
        const OperationInput &input = operation.inputs[i];
        const std::string name = "--" + std::string(input.option);
        if (input.flag) {
            const std::string description = inputDescription(operation, input);
            o.options.push_back(o.command->add_flag(name, description));
            continue;
        }
        CLI::Option *option = o.command->add_option(name, o.values[i], inputDescription(operation, input));
        option->type_name(input.isChoice() ? "WORD" : ranges ? "VALUE|FROM:TO:STEP" : "VALUE");
        option->check(CLI::Validator(
            [&usage, name](std::string &value) {
                if (!value.starts_with("--"))
                    return std::string();
                if (usage.empty())
                    usage = name + " lacks a value";
                return std::string("lacks a value");
            },
            std::string()));
        if (operation.isRequired(input))
            option->required();
        o.options.push_back(option);
    }
    for (std::size_t i = 0; i < operation.inputs.size(); ++i)
        for (std::size_t k = i + 1; k < operation.inputs.size(); ++k)
            if (operation.isAlternative(operation.inputs[i]) && operation.isAlternative(operation.inputs[k]))
                o.options[i]->excludes(o.options[k]);
    o.command->footer(outputsFooter(operation));
}

class Output
{
public:
    explicit Output(std::ostream &out) : m_out(out) {}
    void operator()(std::string_view text) const
    {
        m_out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }

private:
    std::ostream &m_out;
};

int fail(std::ostream &err, const std::string &message, int status)
{
    err << kProgram << ": " << message << '\n';
    return status;
}

// Number inputs must hold numbers on the command line; the notice names the option and
// the window's caption.
std::string checkNumbers(const Operation &operation, const InputValues &values)
{
    for (std::size_t i = 0; i < operation.inputs.size(); ++i) {
        const OperationInput &input = operation.inputs[i];
        if (input.isChoice() || !values[i])
            continue;
        try {
            ParseFieldNumber(*values[i]);
        } catch (const CalcFault &fault) {
            if (fault.kind() == CalcFault::Kind::NotANumber) {
                const std::string caption = NoticeCaption(fieldCaption(operation, input.field));
                return "--" + std::string(input.option) + " \"" + std::string(*values[i]) + "\" is not a number" +
                       (caption.empty() ? "" : " (" + caption + ")");
            }
        }
    }
    return {};
}

// A cargo report file recomputed. Exit 1 when the file cannot be read or a tank is not
// clean: stopped, or computed with a notice beside its figures (each named in the output);
// 0 when every tank was computed cleanly. Gauged tanks take their tables from tablesPath,
// else from the document the report names (relative to the report's folder).
int runReport(const std::string &path, const std::string &tablesPath, bool json, std::ostream &out, std::ostream &err)
{
    std::string text;
    if (const std::string problem = ReadFileText(path, text, ", the largest report file read"); !problem.empty())
        return fail(err, problem, kExitStopped);
    const ReportReadResult read = ReadReportJson(text);
    if (!read.report)
        return fail(err, path + ": " + read.error->message, kExitStopped);
    std::optional<TankTableDocument> tables;
    std::string tablesFile = tablesPath;
    if (tablesFile.empty() && !read.report->tankTables.empty()) {
        const std::filesystem::path named(read.report->tankTables);
        tablesFile = named.is_absolute()
                         ? named.string()
                         : (std::filesystem::path(path).parent_path() / named).lexically_normal().string();
    }
    if (!tablesFile.empty())
        if (const std::string problem = ReadTankTableFile(tablesFile, tables); !problem.empty())
            return fail(err, "report: " + problem, kExitStopped);
    const ReportResult result = Recompute(*read.report, tables ? &*tables : nullptr);
    out << (json ? WriteReportResultsJson(*read.report, result) : WriteReportCsv(*read.report, result));
    return result.clean() ? kExitComputed : kExitStopped;
}

int runSingle(const OperationOptions &o, std::ostream &out, std::ostream &err)
{
    const Operation &operation = *o.operation;
    const InputValues values = o.given();
    if (const std::string problem = checkNumbers(operation, values); !problem.empty())
        return fail(err, std::string(operation.name) + ": " + problem, kExitUsage);
    const PreparedRun prepared = prepareRun(operation, values, "--");
    if (!prepared.calculation)
        return fail(err, std::string(operation.name) + ": " + prepared.problem,
                    prepared.unavailable ? kExitStopped : kExitUsage);
    const FormResult result = prepared.calculation->run(prepared.texts);
    if (o.json) {
        const std::vector<double> exact =
            operation.exactValues && result.completed() ? operation.exactValues(prepared.texts) : std::vector<double>();
        out << resultJson(operation, result, o.working, exact).dump() << '\n';
    } else {
        out << resultText(operation, result, o.working);
    }
    out.flush();
    if (!result.completed())
        return fail(err, std::string(operation.name) + ": " + stopNotice(result), kExitStopped);
    // A warning beside the results (out of range, beyond the printed table): the window's
    // notice line, on standard error; the results stand.
    if (!result.notice.empty())
        err << operation.name << ": " << result.notice << '\n';
    return kExitComputed;
}

int runBatch(const Operation &operation, std::istream &in, std::ostream &out, std::ostream &err)
{
    BatchRun batch(operation, Output(out));
    std::array<char, 64 * 1024> buffer;
    errno = 0;
    // Reading stops when standard output can no longer be written: nothing read after
    // that could be reported.
    while (in && out) {
        in.read(buffer.data(), buffer.size());
        const std::streamsize got = in.gcount();
        if (got <= 0)
            break;
        batch.feed(std::string_view(buffer.data(), static_cast<std::size_t>(got)));
    }
    if (in.bad()) {
        // The rows read whole stand; the record the error cut is not calculated.
        const int error = errno;
        batch.stop();
        out.flush();
        return fail(err,
                    "cannot read standard input" + (error != 0 ? ": " + std::string(std::strerror(error)) : "") +
                        " (the rows read before it are written; the rest are not calculated)",
                    kExitStopped);
    }
    if (!out)
        return kExitStopped; // said by runCommandLine
    batch.finish();
    out.flush();
    for (const std::string &note : batch.notes())
        err << kProgram << ": " << operation.name << ": " << note << '\n';
    // A header that names no input stops every row, as does a header alone with such a fault.
    const std::string &header = batch.headerProblem();
    if (batch.rowsComputed() == 0 && (batch.rows() > 0 || (!batch.emptyInput() && !header.empty())))
        return fail(err,
                    std::string(operation.name) + ": no row could be calculated" +
                        (header.empty() ? "" : " (" + header + ")"),
                    kExitStopped);
    return kExitComputed;
}

int runTable(const OperationOptions &o, const std::vector<CLI::Option *> &order, std::ostream &out, std::ostream &err)
{
    const Operation &operation = *o.operation;
    const std::string name(operation.name);
    GridRequest request;
    request.operation = &operation;
    request.aligned = o.text;
    request.fixed = o.given();
    const OperationOutput *shown = operation.output(o.show);
    if (!shown) {
        std::string keys;
        for (const OperationOutput &output : operation.outputs)
            keys += (keys.empty() ? "" : ", ") + std::string(output.key);
        return fail(err, name + ": --show \"" + o.show + "\" is not an output of " + name + " (" + keys + ")",
                    kExitUsage);
    }
    request.shownOutput = static_cast<std::size_t>(shown - operation.outputs.data());

    // The stepped inputs in the order given: the first down the rows, the second across.
    std::vector<std::size_t> stepped;
    for (CLI::Option *option : order) {
        const auto found = std::find(o.options.begin(), o.options.end(), option);
        if (found == o.options.end())
            continue;
        const auto i = static_cast<std::size_t>(found - o.options.begin());
        if (o.values[i].find(':') == std::string::npos || std::find(stepped.begin(), stepped.end(), i) != stepped.end())
            continue;
        const OperationInput &input = operation.inputs[i];
        if (input.isChoice())
            return fail(err, name + ": --" + std::string(input.option) + " is a choice and cannot be stepped",
                        kExitUsage);
        stepped.push_back(i);
    }
    if (stepped.empty() || stepped.size() > 2)
        return fail(err, name + ": give one or two inputs as FROM:TO:STEP (rows, then columns)", kExitUsage);
    std::string problem;
    const auto rows = DecimalSteps::parse(o.values[stepped[0]], problem);
    if (!rows)
        return fail(err, name + ": --" + std::string(operation.inputs[stepped[0]].option) + ": " + problem, kExitUsage);
    request.rowInput = stepped[0];
    request.rows = *rows;
    if (stepped.size() == 2) {
        const auto columns = DecimalSteps::parse(o.values[stepped[1]], problem);
        if (!columns)
            return fail(err, name + ": --" + std::string(operation.inputs[stepped[1]].option) + ": " + problem,
                        kExitUsage);
        if (columns->count() > kMaxColumns)
            return fail(err,
                        name + ": --" + std::string(operation.inputs[stepped[1]].option) + " gives " +
                            std::to_string(columns->count()) + " columns; at most " + std::to_string(kMaxColumns),
                        kExitUsage);
        request.columnInput = stepped[1];
        request.columns = *columns;
    }
    InputValues fixed = request.fixed;
    for (const std::size_t i : stepped)
        fixed[i] = std::nullopt;
    if (const std::string bad = checkNumbers(operation, fixed); !bad.empty())
        return fail(err, name + ": " + bad, kExitUsage);
    // The fixed inputs must make a calculation on their own (the stepped ones set to 0).
    for (const std::size_t i : stepped)
        fixed[i] = "0";
    if (const PreparedRun trial = prepareRun(operation, fixed, "--"); !trial.calculation)
        return fail(err, name + ": " + trial.problem, kExitUsage);

    const GridSummary summary = writeGrid(request, Output(out));
    out.flush();
    if (summary.stopped > 0)
        err << kProgram << ": " << summary.stopped << " of " << summary.cells
            << " cells not calculated; the first: " << summary.firstStop << '\n';
    if (summary.outOfRange > 0)
        err << kProgram << ": " << summary.outOfRange << " of " << summary.cells
            << " cells out of range (the window shows its out-of-range window)\n";
    return kExitComputed;
}

// Everything one parse reads, and the status the subcommand that ran returned.
struct Parse
{
    std::vector<std::unique_ptr<OperationOptions>> operations; // single, batch and table commands
    std::string usage; // a command-line fault found while reading a value ("--api lacks a value")
    int status = -1;   // set by the callback of the command that ran
};

// The operation command the parse reached, if any: the last subcommand given.
CLI::App *deepestCommand(CLI::App &app)
{
    CLI::App *command = &app;
    while (!command->get_subcommands().empty())
        command = command->get_subcommands().back();
    return command;
}

const OperationOptions *operationOf(const Parse &parse, const CLI::App *command)
{
    for (const auto &o : parse.operations)
        if (o->command == command)
            return o.get();
    return nullptr;
}

std::string inputList(const Operation &operation)
{
    std::string inputs;
    for (const OperationInput &input : operation.inputs)
        inputs += (inputs.empty() ? "--" : ", --") + std::string(input.option);
    return inputs;
}

// The parser's fault in the program's words: an unknown operation or option named as
// such, two alternatives given, a value missing.
std::string usageMessage(const CLI::ParseError &error, CLI::App &app, const Parse &parse)
{
    CLI::App *command = deepestCommand(app);
    const std::vector<std::string> rest = command->remaining();
    const OperationOptions *o = operationOf(parse, command);
    if (!o) {
        // The top level, batch or table: a word that names no command is an unknown operation.
        if (!rest.empty() && !rest.front().empty() && rest.front()[0] != '-')
            return "unknown operation \"" + rest.front() + "\" (dravex-calc --list shows them)";
        return error.what();
    }
    const Operation &operation = *o->operation;
    const std::string name(operation.name);
    for (const std::string &arg : rest)
        if (arg.starts_with("--")) {
            const bool batch = command->get_parent()->get_name() == "batch";
            return name + " has no option " + arg.substr(0, arg.find('=')) +
                   (batch ? "" : " (its inputs: " + inputList(operation) + ")");
        }
    if (!parse.usage.empty())
        return name + ": " + parse.usage;
    if (const std::string what = error.what(); error.get_name() == "ArgumentMismatch" && what.starts_with("--"))
        return name + ": " + what.substr(0, what.find(':')) + " lacks a value"; // the last argument
    if (error.get_name() == "ExcludesError") {
        std::vector<std::string> given;
        for (std::size_t i = 0; i < operation.inputs.size(); ++i)
            if (operation.isAlternative(operation.inputs[i]) && o->options[i]->count() > 0)
                given.push_back("--" + std::string(operation.inputs[i].option));
        if (given.size() >= 2)
            return name + ": give only one of " + given[0] + " and " + given[1];
    }
    return name + ": " + error.what();
}

OperationOptions &addOperation(Parse &parse, CLI::App *parent, const Operation &operation)
{
    auto o = std::make_unique<OperationOptions>();
    o->operation = &operation;
    o->command = parent->add_subcommand(std::string(operation.name), std::string(operation.summary));
    if (parent->get_parent() == nullptr)
        o->command->group("Operations");
    parse.operations.push_back(std::move(o));
    return *parse.operations.back();
}

int run(const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err)
{
    CLI::App app("Dravex calculations from the command line: one at a time, in batches of CSV rows, or as "
                 "whole table pages.",
                 std::string(kProgram));
    app.require_subcommand(0, 1);
    app.set_version_flag("--version", std::string(kProgram) + " " + DRAVEX_VERSION, "Print the program's version");
    bool list = false;
    bool listJson = false;
    CLI::Option *listOption =
        app.add_flag("--list", list, "List the operations (with --json: inputs, outputs and their window fields)");
    app.add_flag("--json", listJson, "With --list: machine-readable JSON")->needs(listOption);
    app.footer("Modes:\n"
               "  dravex-calc OPERATION --INPUT VALUE ... [--json] [--working]\n"
               "  dravex-calc batch OPERATION < rows.csv > results.csv\n"
               "  dravex-calc report FILE [--tables DOC.json] [--csv | --json]\n"
               "  dravex-calc tank-table import|check|lookup|reverse ... [--json]\n"
               "  dravex-calc ctsh --liquid T --ambient T [--material M | --alpha A] [--reference T] [--json]\n"
               "  dravex-calc roof (--deducted ... | --weight W --density D) --unit UNIT [--json]\n"
               "  dravex-calc table OPERATION --INPUT FROM:TO:STEP [--INPUT FROM:TO:STEP] [--INPUT VALUE ...] "
               "--show KEY [--text]\n"
               "  dravex-calc vef VOYAGES.csv --load|--discharge [--json]\n"
               "\nOPERATION --help describes an operation's inputs and outputs.\n"
               "\nExit status: 0 computed, 1 the calculation stopped (the notice on standard error), 2 the "
               "command line is wrong.");

    Parse parse;
    CLI::App *batch = app.add_subcommand("batch", "Calculate CSV rows from standard input: a header naming the "
                                                  "inputs, one calculation per row");
    batch->require_subcommand(1);
    CLI::App *table = app.add_subcommand("table", "Print a table page: one or two inputs stepped, one output "
                                                  "shown");
    table->require_subcommand(1);
    CLI::App *report = app.add_subcommand("report", "Print a cargo report file recomputed: CSV (the default) or "
                                                    "JSON with every tank's figures and the totals");
    std::string reportFile;
    bool reportCsv = false;
    bool reportJson = false;
    report->add_option("FILE", reportFile, "The report (.json) as the Cargo Report window saves it")->required();
    std::string reportTables;
    report->add_option("--tables", reportTables,
                       "The tank table document for gauged tanks (default: the one the report names)");
    CLI::Option *reportCsvOption =
        report->add_flag("--csv", reportCsv, "RFC 4180 CSV: a row per tank, then the totals");
    report->add_flag("--json", reportJson, "JSON: the inputs, each tank's figures and notice, the totals")
        ->excludes(reportCsvOption);
    report->callback([&] { parse.status = runReport(reportFile, reportTables, reportJson, out, err); });
    const std::unique_ptr<TankCommands> tankCommands = addTankCommands(app, out, err, parse.status);
    const std::unique_ptr<VefCommand> vef = addVefCommand(app);
    app.get_subcommand("vef")->callback([&] { parse.status = vef->run(out, err); });

    for (const Operation &operation : allOperations()) {
        OperationOptions *single = &addOperation(parse, &app, operation);
        addInputOptions(*single, false, parse.usage);
        single->command->add_flag("--json", single->json, "Print one JSON object");
        single->command->add_flag("--working", single->working, "Add the working: each intermediate value");
        single->command->callback([&parse, &out, &err, single] { parse.status = runSingle(*single, out, err); });

        OperationOptions *rows = &addOperation(parse, batch, operation);
        rows->command->footer("Columns in: the header names the inputs (" + batchInputNames(operation) +
                              ").\nColumns out: the inputs, then each output, then notice.");
        rows->command->callback(
            [&parse, &in, &out, &err, rows] { parse.status = runBatch(*rows->operation, in, out, err); });

        OperationOptions *page = &addOperation(parse, table, operation);
        addInputOptions(*page, true, parse.usage);
        page->command->add_option("--show", page->show, "The output shown in the cells")->required()->type_name("KEY");
        page->command->add_flag("--text", page->text, "Aligned columns for a terminal instead of CSV");
        page->command->callback(
            [&parse, &out, &err, page] { parse.status = runTable(*page, page->command->parse_order(), out, err); });
    }
    app.callback([&] {
        if (parse.status >= 0)
            return;
        if (list) {
            if (listJson)
                out << operationsJson().dump(2) << '\n';
            else
                out << "Operations:\n" << operationsText();
            parse.status = kExitComputed;
        }
    });

    try {
        std::vector<std::string> reversed(args.rbegin(), args.rend());
        app.parse(reversed);
    } catch (const CLI::Success &e) {
        return app.exit(e, out, err);
    } catch (const CLI::ParseError &e) {
        err << kProgram << ": " << usageMessage(e, app, parse) << "\nRun with --help for more information.\n";
        return kExitUsage;
    }
    if (parse.status >= 0)
        return parse.status;
    err << app.help();
    return kExitUsage;
}

} // namespace

int runCommandLine(const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err)
{
    errno = 0;
    const int status = run(args, in, out, err);
    out.flush();
    if (out)
        return status;
    // Standard output could not be written (a full disk, /dev/full, a closed descriptor):
    // whatever it holds is incomplete.
    const int error = errno;
    fail(err, "cannot write standard output" + (error != 0 ? ": " + std::string(std::strerror(error)) : ""),
         kExitStopped);
    return status == kExitComputed ? kExitStopped : status;
}

} // namespace dravex
