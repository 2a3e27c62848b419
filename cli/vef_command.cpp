// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/vef_command.h"

#include "cli/command_line.h"

#include "core/conventions.h"
#include "core/ship_shore.h"
#include "core/vef.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

namespace dravex {

struct VefOptions
{
    CLI::App *command = nullptr;
    CLI::Option *fileOption = nullptr;
    CLI::Option *vesselOption = nullptr;
    CLI::Option *decimalsOption = nullptr;
    std::string file;
    bool load = false;
    bool discharge = false;
    std::string vessel;
    std::string currentVoyage;
    std::string unit;
    bool json = false;
    bool apply = false;
    std::string vesselTcv, onBoard, shore, vef, tolerance;
    int decimals = 3;
};

namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kComputed = "computed";

int fail(std::ostream &err, const std::string &message, int status)
{
    err << "dravex-calc: vef: " << message << '\n';
    return status;
}

// A number as a field reads it ("1,234.5" too); the fault's words otherwise. With
// orComputed, the word "computed" as well.
CLI::Validator fieldNumber(bool orComputed)
{
    return CLI::Validator(
        [orComputed](std::string &text) -> std::string {
            if (orComputed && text == kComputed)
                return {};
            try {
                ParseFieldNumber(text);
            } catch (const CalcFault &fault) {
                return fault.message();
            }
            return {};
        },
        "", "field number");
}

// Text from a file shown on one line of a table: line ends and tabs in quoted fields
// would break it.
std::string oneLine(std::string_view text)
{
    std::string out(text);
    for (char &c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    return out;
}

// Characters, not bytes, so names in UTF-8 keep their columns.
std::size_t width(std::string_view text)
{
    std::size_t n = 0;
    for (const char c : text)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

// 1234567 -> "1,234,567", as the working writes whole figures.
std::string grouped(std::int64_t x)
{
    std::string digits = std::to_string(x < 0 ? -x : x);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(static_cast<std::size_t>(i), ",");
    return x < 0 ? "-" + digits : digits;
}

bool isBarrels(std::string unit)
{
    for (char &c : unit)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return unit == "bbl" || unit == "bbls" || unit == "barrel" || unit == "barrels";
}

bool unread(std::ostream &err, const std::string &message)
{
    fail(err, message, kExitStopped);
    return false;
}

// The voyage log, or false with the file named on standard error. Lines left out or kept
// with a problem are named there too: they are not counted, and a person must see why.
bool readLog(const std::string &path, VoyageFileResult &log, std::ostream &err)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return unread(err, path + " is a directory, not a voyage log");
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return unread(err, "cannot open " + path);
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad())
        return unread(err, "cannot read " + path);
    log = ReadVoyagesCsv(text);
    if (!log.error.empty())
        return unread(err, path + ": " + log.error);
    for (const std::string &notice : log.notices)
        err << "dravex-calc: vef: " << path << ": " << notice << '\n';
    return true;
}

struct Selection
{
    std::vector<VefResult> results;
    int status = kExitComputed;
    std::string problem;
};

// The VEFs asked for: the vessel named, else every vessel with voyages of the operation
// (one only, when one is needed).
Selection selectVefs(const VefOptions &o, const std::vector<VoyageEntry> &log, VoyageOperation op, bool one)
{
    const std::string opWord(VoyageOperationId(op));
    std::vector<std::string> names;
    for (const VefResult &r : ComputeFleetVefs(log))
        if (r.operation == op)
            names.push_back(r.vessel);
    std::string list;
    for (const std::string &name : names)
        list += (list.empty() ? "" : ", ") + name;

    Selection s;
    if (o.vesselOption->count() > 0) {
        VefResult r = ComputeVef(log, {o.vessel, op, o.currentVoyage, o.unit});
        if (r.voyages.empty()) {
            s.status = kExitStopped;
            s.problem = o.file + ": no " + opWord + " voyages of vessel '" + o.vessel + "'" +
                        (names.empty() ? "" : "; " + opWord + " voyages are logged for: " + list);
        } else {
            s.results.push_back(std::move(r));
        }
        return s;
    }
    if (names.empty()) {
        s.status = kExitStopped;
        s.problem = o.file + ": no " + opWord + " voyages";
    } else if (one && names.size() > 1) {
        s.status = kExitUsage;
        s.problem = o.file + " holds " + opWord + " voyages of " + std::to_string(names.size()) + " vessels (" + list +
                    "): name one with --vessel";
    } else {
        for (const std::string &name : names)
            s.results.push_back(ComputeVef(log, {name, op, {}, o.unit}));
    }
    return s;
}

// One VEF as a person checks it: a head, every voyage in a row with its figures, status
// and reason, then the working and the result.
std::string vefText(const VefResult &r, const std::vector<VoyageEntry> &log)
{
    std::string text = std::string(VefName(r.operation)) + " of " + oneLine(r.vessel) + ": " +
                       std::string(VoyageOperationId(r.operation)) + " voyages, " +
                       (r.unit.empty() ? std::string("no unit") : "in " + r.unit) + "\n";

    std::vector<std::vector<std::string>> rows;
    rows.push_back({"line", "voyage", "date", "port", "vessel", "shore", "ratio", "status", "why"});
    for (const VefVoyage &v : r.voyages) {
        std::string lines;
        for (const std::size_t i : v.entries)
            lines += (lines.empty() ? "" : ",") + std::to_string(log[i].line ? log[i].line : i + 1);
        rows.push_back({lines, oneLine(v.voyage), oneLine(v.date), oneLine(v.port),
                        v.hasFigures ? grouped(v.vessel) : "-", v.hasFigures ? grouped(v.shore) : "-",
                        v.hasRatio ? PlacesText(v.ratio, 5) : "-", std::string(VoyageStatusName(v.status)),
                        oneLine(v.why)});
    }
    std::vector<std::size_t> widths(rows.front().size(), 0);
    for (const auto &row : rows)
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], width(row[c]));
    for (const auto &row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size())
                line.append(widths[c] - width(row[c]) + 2, ' ');
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        text += line + "\n";
    }
    for (const std::string &line : r.working)
        text += line + "\n";
    return text + r.summary + "\n";
}

Json lineJson(const ShipShoreLine &line, int decimals)
{
    Json j;
    j["vessel"] = FormatFixed(line.vessel, decimals);
    j["shore"] = FormatFixed(line.shore, decimals);
    j["difference"] = FormatFixed(line.difference, decimals);
    j["percent"] = FormatFixed(line.percent, 3);
    j["beyondTolerance"] = line.beyondTolerance;
    return j;
}

// Standard output must hold all that was written: a full disk or a closed pipe is a
// failure, not a result.
int written(std::ostream &out, std::ostream &err, int status)
{
    out.flush();
    if (!out)
        return fail(err, "cannot write to standard output", kExitStopped);
    return status;
}

int runCalculation(const VefOptions &o, VoyageOperation op, std::ostream &out, std::ostream &err)
{
    VoyageFileResult log;
    if (!readLog(o.file, log, err))
        return kExitStopped;
    const Selection s = selectVefs(o, log.entries, op, false);
    if (s.status != kExitComputed)
        return fail(err, s.problem, s.status);
    if (o.json) {
        Json j;
        j["file"] = o.file;
        j["operation"] = VoyageOperationId(op);
        j["notices"] = log.notices;
        Json results = Json::array();
        for (const VefResult &r : s.results)
            results.push_back(VefResultToJson(r));
        j["results"] = std::move(results);
        out << j.dump(2) << '\n';
    } else {
        for (std::size_t i = 0; i < s.results.size(); ++i)
            out << (i ? "\n" : "") << vefText(s.results[i], log.entries);
    }
    return written(out, err, kExitComputed);
}

int runApply(const VefOptions &o, VoyageOperation op, std::ostream &out, std::ostream &err)
{
    const Transfer transfer = op == VoyageOperation::Load ? Transfer::Loading : Transfer::Discharge;
    VoyageFileResult log;
    std::optional<VefResult> computed;
    std::string vef = o.vef;
    std::string unit = o.unit;
    if (o.vef == kComputed) {
        if (!readLog(o.file, log, err))
            return kExitStopped;
        Selection s = selectVefs(o, log.entries, op, true);
        if (s.status != kExitComputed)
            return fail(err, s.problem, s.status);
        computed = std::move(s.results.front());
        vef = computed->vef ? PlacesText(*computed->vef, 4) : std::string();
        if (unit.empty())
            unit = computed->unit;
    }
    const int decimals = o.decimalsOption->count() > 0 ? o.decimals : isBarrels(unit) ? 2 : 3;
    const ShipShoreComparison c =
        CompareShipShoreTexts(transfer, {o.vesselTcv, o.onBoard, o.shore, vef, o.tolerance}, decimals, unit);
    if (c.stopped)
        return fail(err, c.notice, kExitStopped);

    if (o.json) {
        Json j;
        j["transfer"] = TransferName(transfer);
        j["unit"] = unit;
        j["decimals"] = decimals;
        j["onBoardName"] = OnBoardName(transfer);
        j["shoreName"] = ShoreFigureName(transfer);
        j["vef"] = vef.empty() ? Json(nullptr) : Json(FormatFixed(ParseFieldNumber(vef), 4));
        j["vefSource"] = computed ? Json("computed") : vef.empty() ? Json(nullptr) : Json("given");
        j["tolerance"] = o.tolerance.empty() ? Json(nullptr) : Json(FormatFixed(ParseFieldNumber(o.tolerance), 3));
        j["measured"] = lineJson(c.measured, decimals);
        j["withVef"] = c.withVef ? lineJson(*c.withVef, decimals) : Json(nullptr);
        j["beyondTolerance"] = c.deciding().beyondTolerance;
        j["discrepancyNotice"] = c.discrepancyNotice;
        j["working"] = c.working;
        if (computed) {
            j["notices"] = log.notices;
            j["vefCalculation"] = VefResultToJson(*computed);
        }
        out << j.dump(2) << '\n';
    } else {
        if (computed)
            out << vefText(*computed, log.entries) << '\n';
        for (const std::string &line : c.working)
            out << line << '\n';
        if (!c.discrepancyNotice.empty())
            out << c.discrepancyNotice << '\n';
    }
    const int status = written(out, err, kExitComputed);
    // Asked for the comparison with the log's VEF and there is none: the measured figures
    // stand, but what was asked for is not there.
    if (status == kExitComputed && computed && !computed->vef)
        return fail(err, computed->summary + "; the comparison is without a VEF", kExitStopped);
    return status;
}

} // namespace

VefCommand::VefCommand() : m_options(std::make_unique<VefOptions>()) {}

VefCommand::~VefCommand() = default;

bool VefCommand::parsed() const
{
    return m_options->command->parsed();
}

int VefCommand::run(std::ostream &out, std::ostream &err) const
{
    const VefOptions &o = *m_options;
    const VoyageOperation op = o.load ? VoyageOperation::Load : VoyageOperation::Discharge;
    const bool haveFile = o.fileOption->count() > 0;
    if (!o.apply) {
        if (!haveFile)
            return fail(err, "give the voyage log VOYAGES.csv, or --apply with the vessel and shore figures",
                        kExitUsage);
        return runCalculation(o, op, out, err);
    }
    if (o.vef == kComputed && !haveFile)
        return fail(err, "--vef computed needs the voyage log VOYAGES.csv", kExitUsage);
    if (o.vef != kComputed && haveFile)
        return fail(err, "with --apply the voyage log is read only for --vef computed", kExitUsage);
    return runApply(o, op, out, err);
}

std::unique_ptr<VefCommand> addVefCommand(CLI::App &app)
{
    std::unique_ptr<VefCommand> command(new VefCommand);
    VefOptions &o = *command->m_options;
    CLI::App *vef = app.add_subcommand("vef", "The vessel experience factor of a voyage log (primary method), every "
                                              "voyage with its status and reason; with --apply, the ship/shore "
                                              "comparison with it");
    o.command = vef;
    o.fileOption = vef->add_option("VOYAGES", o.file,
                                   "The voyage log as CSV: a header naming vessel, voyage, date, operation, "
                                   "vessel_tcv, shore_tcv, unit, and optionally obq_rob, port, grade, usable")
                       ->type_name("FILE");

    CLI::App *operation = vef->add_option_group("operation", "The operation:");
    CLI::Option *load = operation->add_flag("--load", o.load,
                                            "Loading voyages (VEFL); the comparison at loading: TCV less OBQ against "
                                            "the bill of lading");
    CLI::Option *discharge = operation->add_flag("--discharge", o.discharge,
                                                 "Discharge voyages (VEFD); the comparison at discharge: TCV less ROB "
                                                 "against the outturn");
    load->excludes(discharge);
    operation->require_option(1);

    o.vesselOption = vef->add_option("--vessel", o.vessel,
                                     "The vessel as the log names it (case and blanks ignored); without it every "
                                     "vessel in the log");
    o.vesselOption->type_name("NAME")->needs(o.fileOption);
    vef->add_option("--current-voyage", o.currentVoyage, "The voyage the VEF is for: listed, not used")
        ->type_name("ID")
        ->needs(o.vesselOption);
    vef->add_option("--unit", o.unit,
                    "The unit of every figure (bbl, m3, t ...); the log's voyages in another unit are rejected. "
                    "Without it the unit most voyages use")
        ->type_name("UNIT");
    vef->add_flag("--json", o.json, "Print one JSON object");

    CLI::Option *apply =
        vef->add_flag("--apply", o.apply,
                      "Compare the vessel's figure with the shore's, measured and with the VEF: receiver less "
                      "sender, in percent of the sender's figure");
    const auto applyInput = [&](const char *name, std::string &value, const char *what, bool orComputed) {
        return vef->add_option(name, value, what)
            ->type_name(orComputed ? "NUMBER|computed" : "NUMBER")
            ->check(fieldNumber(orComputed))
            ->needs(apply);
    };
    CLI::Option *vesselTcv =
        applyInput("--vessel-tcv", o.vesselTcv, "Vessel TCV at sailing (--load) or on arrival (--discharge)", false);
    applyInput("--obq-rob", o.onBoard, "OBQ (--load) or ROB (--discharge); absent: none", false);
    CLI::Option *shore =
        applyInput("--shore", o.shore, "Shore TCV: the bill of lading (--load) or the outturn (--discharge)", false);
    applyInput("--vef", o.vef,
               "The VEF (0.98 to 1.02), or computed: from the voyage log VOYAGES.csv; absent: the measured "
               "comparison only",
               true);
    applyInput("--tolerance", o.tolerance,
               "Tolerance in percent; beyond it the notice of apparent discrepancy is printed. Absent: none", false);
    apply->needs(vesselTcv)->needs(shore);
    o.decimalsOption =
        vef->add_option("--decimals", o.decimals, "Decimal places of the volumes, 0 to 6 (default 2 for bbl, else 3)");
    o.decimalsOption->type_name("N")->check(CLI::Range(0, 6))->needs(apply);

    vef->footer("Every voyage is listed with its status (qualifying, set aside, rejected, not considered) and the "
                "reason; too few qualifying voyages give no VEF and say how many more are needed (status 0).\n"
                "Exit status: 0 computed, 1 a file could not be read or the calculation stopped (also: --vef "
                "computed and the log gives no VEF; the measured comparison is printed), 2 the command line is "
                "wrong.");
    return command;
}

} // namespace dravex
