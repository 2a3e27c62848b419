// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/tank_commands.h"

#include "cli/command_line.h"
#include "cli/file_text.h"
#include "cli/tank_command_parts.h"

#include "core/conventions.h"
#include "core/tank_table_file.h"
#include "core/tank_table_import.h"
#include "core/tank_volume.h"

#include <iostream>

namespace dravex {

TankCommands::TankCommands() : m_options(std::make_unique<TankCommandOptions>()) {}
TankCommands::~TankCommands() = default;

namespace tankcli {

int fail(std::ostream &err, const std::string &command, const std::string &message, int status)
{
    err << "dravex-calc: " << command << ": " << message << '\n';
    return status;
}

CLI::Validator fieldNumber()
{
    return CLI::Validator(
        [](std::string &text) -> std::string {
            try {
                ParseFieldNumber(text);
            } catch (const CalcFault &fault) {
                return fault.message();
            }
            return {};
        },
        "NUMBER", "field number");
}

std::optional<TankTableDocument> readDocument(const std::string &path, const std::string &command, std::ostream &err,
                                              int &status)
{
    std::optional<TankTableDocument> doc;
    if (const std::string problem = ReadTankTableFile(path, doc); !problem.empty())
        status = fail(err, command, problem, kExitStopped);
    return doc;
}

const TankTable *findTable(const TankTableDocument &doc, const std::string &name)
{
    for (const TankTable &t : doc.tables)
        if (t.name == name)
            return &t;
    return nullptr;
}

double levelFromText(const std::string &text, LevelUnit unit, const std::string &option)
{
    if (unit == LevelUnit::FeetInchesEighths)
        if (const std::optional<double> inches = ParseFeetInchesEighths(text))
            return *inches;
    return ParseFieldNumber(text, option);
}

} // namespace tankcli

namespace {

using namespace tankcli;

// ---- tank-table lookup and reverse ----

// The trim and list from the options; a notice when they are wrong.
std::string conditionsOf(const TankCommandOptions &o, GaugeConditions &c)
{
    try {
        c.lengthUnit = o.feet ? LengthUnit::Feet : LengthUnit::Metres;
        if (!o.draftAft.empty())
            c.trim = TrimFromDrafts(ParseFieldNumber(o.draftAft), ParseFieldNumber(o.draftForward));
        if (!o.list.empty())
            c.list = ParseFieldNumber(o.list);
        if (!o.lbp.empty())
            c.lbp = ParseFieldNumber(o.lbp);
        if (!o.offset.empty())
            c.longitudinalOffset = ParseFieldNumber(o.offset);
        if (!o.transverse.empty())
            c.transverseOffset = ParseFieldNumber(o.transverse);
    } catch (const CalcFault &fault) {
        return fault.message();
    }
    return {};
}

void printValue(std::ostream &out, bool json, const std::string &key, const TableValue &v, const std::string &unit,
                const std::string &shown)
{
    if (json) {
        out << Json{{key, shown}, {"unit", unit}, {"working", v.working}}.dump() << '\n';
        return;
    }
    const std::string result = (key == "volume" ? "Volume: " : "Level: ") + shown + (unit.empty() ? "" : " " + unit);
    for (const std::string &line : v.working)
        if (line != result) // the working may end with the result itself
            out << line << '\n';
    out << result << '\n';
}

int runLookup(const TankCommandOptions &o, bool reverse, std::ostream &out, std::ostream &err)
{
    const std::string command = reverse ? "tank-table reverse" : "tank-table lookup";
    int status = kExitComputed;
    const std::optional<TankTableDocument> doc = readDocument(o.document, command, err, status);
    if (!doc)
        return status;
    const TankTable *table = findTable(*doc, o.tank);
    if (!table)
        return fail(err, command, "no tank '" + o.tank + "' in " + o.document, kExitStopped);
    GaugeConditions c;
    if (const std::string problem = conditionsOf(o, c); !problem.empty())
        return fail(err, command, problem, kExitUsage);
    // The gauge point the table keeps stands in for --offset and --transverse not given: in
    // metres (feet for a table in feet and inches), turned into the drafts' unit; the
    // transverse one, kept positive to starboard, is on the low side when the ship lists
    // to starboard.
    if (table->geometry && table->kind == TankKind::Ship) {
        const bool tableFeet = table->levelUnit == LevelUnit::FeetInchesEighths;
        const auto inDraftUnit = [&](double x) {
            return tableFeet == o.feet ? x : tableFeet ? x * 0.3048 : x / 0.3048;
        };
        if (o.offset.empty() && table->geometry->longitudinalOffset)
            c.longitudinalOffset = inDraftUnit(*table->geometry->longitudinalOffset);
        if (o.transverse.empty() && table->geometry->transverseOffset)
            c.transverseOffset =
                inDraftUnit(c.list < 0 ? -*table->geometry->transverseOffset : *table->geometry->transverseOffset);
    }
    TableValue v;
    std::string shown;
    if (reverse) {
        v = ReverseVolume(*table, ParseFieldNumber(o.volume), c.trim);
        if (v.ok())
            shown = FormatLevel(v.value, table->levelUnit);
    } else {
        double level = 0;
        try {
            level = levelFromText(o.level, table->levelUnit, "--level");
        } catch (const CalcFault &fault) {
            return fail(err, command, fault.message(), kExitUsage);
        }
        v = ObservedVolume(*table, level, c);
        if (v.ok())
            shown = FormatFieldNumber(RoundHalfUp(v.value, VolumeDecimals(table->volumeUnit)));
    }
    if (!v.ok())
        return fail(err, command, table->name + ": " + v.stop->notice, kExitStopped);
    // A level is shown with its unit ("1050 mm", "12 ft 3 4/8 in"); JSON gives the unit apart.
    const bool json = reverse ? o.reverseJson : o.json;
    std::string unit(reverse ? LevelUnitName(table->levelUnit) : VolumeUnitName(table->volumeUnit));
    if (reverse && json)
        shown = FormatFieldNumber(RoundHalfUp(v.value, 6));
    else if (reverse)
        unit.clear();
    printValue(out, json, reverse ? "level" : "volume", v, unit, shown);
    return kExitComputed;
}

} // namespace

std::string ReadTankTableFile(const std::string &path, std::optional<TankTableDocument> &document)
{
    std::string text;
    if (std::string problem = ReadFileText(path, text); !problem.empty())
        return problem;
    TankTableReadResult read = ReadTankTablesJson(text);
    if (!read.document)
        return path + ": " + read.error->message;
    document = std::move(read.document);
    return {};
}

std::unique_ptr<TankCommands> addTankCommands(CLI::App &app, std::ostream &out, std::ostream &err, int &status)
{
    using namespace tankcli;
    std::unique_ptr<TankCommands> commands(new TankCommands);
    TankCommandOptions &o = *commands->m_options;

    CLI::App *tankTable = app.add_subcommand("tank-table", "Tank calibration tables: import a grid into a table "
                                                           "document, check, look up a volume or a level");
    tankTable->require_subcommand(1);

    addImportCommand(tankTable, o, out, err, status);
    addCheckCommand(tankTable, o, out, err, status);

    const auto addPlace = [&o](CLI::App *command) {
        command->add_option("DOCUMENT", o.document, "The table document (.json)")->required();
        command->add_option("--tank", o.tank, "The tank's name")->required();
        CLI::Option *aft = command->add_option("--draft-aft", o.draftAft, "Draft aft")->check(fieldNumber());
        CLI::Option *forward =
            command->add_option("--draft-forward", o.draftForward, "Draft forward")->check(fieldNumber());
        aft->needs(forward);
        forward->needs(aft);
        command->add_flag("--feet", o.feet, "Drafts and lengths in feet (default metres)");
    };
    CLI::App *lookup = tankTable->add_subcommand("lookup", "The volume at a level, corrected for trim and list, "
                                                           "with the working");
    addPlace(lookup);
    lookup->add_option("--level", o.level, "The ullage or innage in the table's unit")->required();
    lookup->add_option("--list", o.list, "List in degrees, positive to starboard")->check(fieldNumber());
    CLI::Option *lbp = lookup->add_option("--lbp", o.lbp, "Length between perpendiculars (geometric trim correction)")
                           ->check(fieldNumber());
    lookup
        ->add_option("--offset", o.offset,
                     "Gauge point aft of the tank's centre (geometric trim correction; default: the table's)")
        ->check(fieldNumber())
        ->needs(lbp);
    lookup
        ->add_option("--transverse", o.transverse,
                     "Gauge point from the centre line, positive on the low side (geometric list correction; default: "
                     "the table's)")
        ->check(fieldNumber());
    lookup->add_flag("--json", o.json, "Print one JSON object");
    lookup->callback([&o, &out, &err, &status] { status = runLookup(o, false, out, err); });

    CLI::App *reverse = tankTable->add_subcommand("reverse", "The level at which a tank holds a volume");
    addPlace(reverse);
    reverse->add_option("--volume", o.volume, "The volume in the table's unit")->required()->check(fieldNumber());
    reverse->add_flag("--json", o.reverseJson, "Print one JSON object");
    reverse->callback([&o, &out, &err, &status] { status = runLookup(o, true, out, err); });

    addShoreCommands(app, o, out, err, status);
    return commands;
}

} // namespace dravex
