// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/tank_commands.h"

#include "cli/command_line.h"
#include "cli/file_text.h"

#include "core/cargo_report.h"
#include "core/conventions.h"
#include "core/shore_tank.h"
#include "core/tank_table_file.h"
#include "core/tank_table_import.h"
#include "core/tank_volume.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <vector>

namespace dravex {

// The mapping of a grid's columns, shared by import and check.
struct MappingOptions
{
    std::string file;
    int levelColumn = 1;
    std::vector<int> valueColumns;
    std::vector<double> trims;
    std::string trimConvention = "stern";
    int skipRows = 0;
    std::string delimiter;
    bool decimalComma = false;
    std::string levelUnit = "mm";
};

struct TankCommandOptions
{
    MappingOptions import, check;
    // import: the table's own facts and where it goes
    std::string name, kind = "ship", levelKind = "ullage", volumeUnit = "m3", referenceHeight;
    std::string into, owner;
    bool terminal = false;
    std::string shellScale = "F", shellReference, alpha;
    bool insulated = false;
    bool checkJson = false;
    // lookup and reverse
    std::string document, tank, level, volume, draftAft, draftForward, list, lbp, offset, transverse;
    bool feet = false, json = false, reverseJson = false;
    // ctsh
    std::string liquid, ambient, material, ctshAlpha, reference;
    bool ctshInsulated = false, celsius = false, ctshJson = false;
    // roof
    bool deducted = false, roofJson = false;
    std::string referenceGravity, rate, gravity, scale = "api", weight, density, vcf = "1", unit;
};

TankCommands::TankCommands() : m_options(std::make_unique<TankCommandOptions>()) {}
TankCommands::~TankCommands() = default;

namespace {

using Json = nlohmann::ordered_json;

int fail(std::ostream &err, const std::string &command, const std::string &message, int status)
{
    err << "dravex-calc: " << command << ": " << message << '\n';
    return status;
}

// A number as a field reads it; a CLI11 check so a wrong value is a usage error.
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

// Written beside the file and renamed over it, so a failed write leaves the old file whole.
std::string writeFileText(const std::string &path, const std::string &text)
{
    const std::string temporary = path + ".writing";
    {
        const std::unique_ptr<std::FILE, int (*)(std::FILE *)> file(std::fopen(temporary.c_str(), "wb"), &std::fclose);
        if (!file)
            return "cannot write " + temporary + ": " + std::strerror(errno);
        if (std::fwrite(text.data(), 1, text.size(), file.get()) != text.size() || std::fflush(file.get()) != 0) {
            const int error = errno;
            std::remove(temporary.c_str());
            return "cannot write " + temporary + ": " + std::strerror(error);
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::remove(temporary.c_str());
        return "cannot replace " + path + ": " + ec.message();
    }
    return {};
}

template <typename E, std::size_t N>
std::optional<E> fromWord(const std::string &word, const std::array<std::pair<const char *, E>, N> &words)
{
    for (const auto &[w, e] : words)
        if (word == w)
            return e;
    return std::nullopt;
}

constexpr std::array<std::pair<const char *, LevelUnit>, 4> kLevelUnitWords = {
    {{"mm", LevelUnit::Millimetres},
     {"cm", LevelUnit::Centimetres},
     {"m", LevelUnit::Metres},
     {"ft-in-8", LevelUnit::FeetInchesEighths}}};
constexpr std::array<std::pair<const char *, VolumeUnit>, 4> kVolumeUnitWords = {{{"m3", VolumeUnit::CubicMetres},
                                                                                  {"bbl", VolumeUnit::Barrels},
                                                                                  {"l", VolumeUnit::Litres},
                                                                                  {"usgal", VolumeUnit::UsGallons}}};

// The words of a choice for CLI11's check.
template <typename E, std::size_t N> CLI::IsMember words(const std::array<std::pair<const char *, E>, N> &choices)
{
    std::vector<std::string> w;
    for (const auto &c : choices)
        w.emplace_back(c.first);
    return CLI::IsMember(w);
}

void addMappingOptions(CLI::App *command, MappingOptions &m)
{
    command->add_option("--level-column", m.levelColumn, "The column of the levels, from 1 (default 1)")
        ->check(CLI::Range(1, 10000));
    CLI::Option *values =
        command
            ->add_option("--value-column", m.valueColumns,
                         "A column of volumes, from 1; one per trim with --trims (default: the column after the "
                         "levels)")
            ->check(CLI::Range(1, 10000))
            ->delimiter(',');
    command->add_option("--trims", m.trims, "The trim of each value column as the table prints it, comma separated")
        ->delimiter(',')
        ->needs(values);
    command
        ->add_option("--trim-convention", m.trimConvention,
                     "stern: the table's positive trims are by the stern (default); head: by the head")
        ->check(CLI::IsMember({"stern", "head"}));
    command->add_option("--skip-rows", m.skipRows, "Heading lines before the first level")->check(CLI::Range(0, 1000));
    command->add_option("--delimiter", m.delimiter, "comma, semicolon or tab (default: found from the first line)")
        ->check(CLI::IsMember({"comma", "semicolon", "tab"}));
    command->add_flag("--decimal-comma", m.decimalComma, "Numbers are written 12,5");
    command->add_option("--level-unit", m.levelUnit, "mm (default), cm, m or ft-in-8")->check(words(kLevelUnitWords));
}

ImportMapping mappingOf(const MappingOptions &m)
{
    ImportMapping mapping;
    mapping.delimiter = m.delimiter == "comma"       ? ','
                        : m.delimiter == "semicolon" ? ';'
                        : m.delimiter == "tab"       ? '\t'
                                                     : 0;
    mapping.skipRows = m.skipRows;
    mapping.levelColumn = m.levelColumn - 1;
    for (const int c : m.valueColumns)
        mapping.valueColumns.push_back(c - 1);
    if (mapping.valueColumns.empty())
        mapping.valueColumns.push_back(m.levelColumn);
    mapping.columnValues = m.trims;
    mapping.levelUnit = *fromWord(m.levelUnit, kLevelUnitWords);
    mapping.decimalComma = m.decimalComma;
    return mapping;
}

std::string issueText(const ImportIssue &issue)
{
    std::string where;
    if (issue.row > 0)
        where =
            "line " + std::to_string(issue.row) + (issue.column > 0 ? ", column " + std::to_string(issue.column) : "");
    return std::string(issue.severity == ImportIssue::Severity::Error ? "error" : "warning") +
           (where.empty() ? "" : " (" + where + ")") + ": " + issue.message;
}

// Reads a grid file under the mapping; issues go to err. Empty result on errors.
std::optional<TableGrid> importGrid(const MappingOptions &m, const std::string &command, std::ostream &err, int &status)
{
    std::string text;
    if (const std::string problem = ReadFileText(m.file, text); !problem.empty()) {
        status = fail(err, command, problem, kExitStopped);
        return std::nullopt;
    }
    if (m.trims.size() > 0 && m.trims.size() != m.valueColumns.size()) {
        status = fail(err, command,
                      "give one trim per value column (" + std::to_string(m.valueColumns.size()) + " columns, " +
                          std::to_string(m.trims.size()) + " trims)",
                      kExitUsage);
        return std::nullopt;
    }
    if (m.trims.empty() && m.valueColumns.size() > 1) {
        status = fail(err, command, "several value columns need their trims (--trims)", kExitUsage);
        return std::nullopt;
    }
    const ImportResult result = ImportTableGrid(text, mappingOf(m));
    for (const ImportIssue &issue : result.issues)
        err << "dravex-calc: " << command << ": " << m.file << ": " << issueText(issue) << '\n';
    if (!result.ok()) {
        status = kExitStopped;
        return std::nullopt;
    }
    return result.grid;
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

std::string layoutName(TableLayout layout)
{
    switch (layout) {
    case TableLayout::LevelToVolume:
        return "level to volume";
    case TableLayout::TrimVolumeGrid:
        return "level x trim to volume";
    case TableLayout::TrimLevelCorrection:
        return "level x trim to level correction, with an even-keel table";
    case TableLayout::TrimVolumeCorrection:
        return "level x trim to volume correction, with an even-keel table";
    }
    return {};
}

// ---- tank-table import ----

int runImport(const TankCommandOptions &o, std::ostream &out, std::ostream &err)
{
    const std::string command = "tank-table import";
    int status = kExitComputed;
    const std::optional<TableGrid> grid = importGrid(o.import, command, err, status);
    if (!grid)
        return status;
    TankTable table;
    table.name = o.name;
    table.kind = o.kind == "shore" ? TankKind::Shore : TankKind::Ship;
    table.levelKind = o.levelKind == "innage" ? LevelKind::Innage : LevelKind::Ullage;
    table.levelUnit = *fromWord(o.import.levelUnit, kLevelUnitWords);
    table.volumeUnit = *fromWord(o.volumeUnit, kVolumeUnitWords);
    table.referenceHeight = o.referenceHeight.empty() ? 0 : ParseFieldNumber(o.referenceHeight);
    table.trimConvention =
        o.import.trimConvention == "head" ? TrimConvention::HeadPositive : TrimConvention::SternPositive;
    if (o.import.trims.empty()) {
        table.layout = TableLayout::LevelToVolume;
        table.evenKeel = *grid;
    } else {
        table.layout = TableLayout::TrimVolumeGrid;
        table.trim = *grid;
    }
    if (table.kind == TankKind::Shore) {
        ShoreTankData shore;
        shore.scale = o.shellScale == "C" ? TemperatureScale::Celsius : TemperatureScale::Fahrenheit;
        shore.shellReferenceTemperature = !o.shellReference.empty() ? ParseFieldNumber(o.shellReference)
                                          : shore.scale == TemperatureScale::Celsius ? 15
                                                                                     : 60;
        if (!o.alpha.empty())
            shore.alpha = ParseFieldNumber(o.alpha);
        shore.insulated = o.insulated;
        table.shore = shore;
    }
    if (const std::string fault = CheckTankTable(table); !fault.empty())
        return fail(err, command, fault, kExitStopped);

    TankTableDocument doc;
    doc.ownerKind = o.terminal ? TableOwnerKind::Terminal : TableOwnerKind::Vessel;
    doc.owner = o.owner;
    if (!o.into.empty() && std::filesystem::exists(o.into)) {
        std::optional<TankTableDocument> existing = readDocument(o.into, command, err, status);
        if (!existing)
            return status;
        doc = std::move(*existing);
        if (!o.owner.empty())
            doc.owner = o.owner;
    }
    bool replaced = false;
    for (TankTable &t : doc.tables)
        if (t.name == table.name) {
            t = table;
            replaced = true;
        }
    if (!replaced)
        doc.tables.push_back(table);
    const std::string text = WriteTankTablesJson(doc);
    if (o.into.empty()) {
        out << text;
        return kExitComputed;
    }
    if (const std::string problem = writeFileText(o.into, text); !problem.empty())
        return fail(err, command, problem, kExitStopped);
    out << (replaced ? "Replaced " : "Added ") << table.name << " in " << o.into << ": " << grid->levels.size()
        << " levels, SHA-256 " << TankTableSha256(table) << '\n';
    return kExitComputed;
}

// ---- tank-table check ----

int runCheck(const TankCommandOptions &o, std::ostream &out, std::ostream &err)
{
    const std::string command = "tank-table check";
    std::string text;
    if (const std::string problem = ReadFileText(o.check.file, text); !problem.empty())
        return fail(err, command, problem, kExitStopped);
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos || text[first] != '{') {
        // A grid: the import's checks.
        int status = kExitComputed;
        const std::optional<TableGrid> grid = importGrid(o.check, command, err, status);
        if (!grid)
            return status;
        if (o.checkJson)
            out << Json{{"file", o.check.file}, {"levels", grid->levels.size()}, {"columns", grid->width()}}.dump()
                << '\n';
        else
            out << o.check.file << ": " << grid->levels.size() << " levels, " << grid->width()
                << (grid->width() == 1 ? " column" : " columns") << ", can be imported\n";
        return kExitComputed;
    }
    const TankTableReadResult read = ReadTankTablesJson(text);
    if (!read.document)
        return fail(err, command, o.check.file + ": " + read.error->message, kExitStopped);
    const TankTableDocument &doc = *read.document;
    if (o.checkJson) {
        Json tables = Json::array();
        for (const TankTable &t : doc.tables)
            tables.push_back({{"name", t.name},
                              {"layout", static_cast<int>(t.layout)},
                              {"levelUnit", LevelUnitName(t.levelUnit)},
                              {"volumeUnit", VolumeUnitName(t.volumeUnit)},
                              {"sha256", TankTableSha256(t)}});
        out << Json{{"owner", doc.owner}, {"tables", std::move(tables)}}.dump(2) << '\n';
        return kExitComputed;
    }
    out << o.check.file << ": " << (doc.ownerKind == TableOwnerKind::Vessel ? "vessel " : "terminal ") << doc.owner
        << ", " << doc.tables.size() << (doc.tables.size() == 1 ? " table" : " tables") << '\n';
    for (const TankTable &t : doc.tables)
        out << "  " << t.name << ": " << layoutName(t.layout) << ", " << LevelUnitName(t.levelUnit) << " to "
            << VolumeUnitName(t.volumeUnit) << ", SHA-256 " << TankTableSha256(t) << '\n';
    return kExitComputed;
}

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
    TableValue v;
    std::string shown;
    if (reverse) {
        v = ReverseVolume(*table, ParseFieldNumber(o.volume), c.trim);
        if (v.ok())
            shown = FormatLevel(v.value, table->levelUnit);
    } else {
        double level = 0;
        if (table->levelUnit == LevelUnit::FeetInchesEighths && ParseFeetInchesEighths(o.level))
            level = *ParseFeetInchesEighths(o.level);
        else
            try {
                level = ParseFieldNumber(o.level, "--level");
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

// ---- ctsh ----

// Linear expansion per degree F of the shell materials known by name; per degree C it is
// 1.8 times as much (mild steel: the standard's 0.00001116).
constexpr std::array<std::pair<const char *, double>, 4> kMaterials = {
    {{"mild-steel", kMildSteelAlphaPerF}, {"304", 0.0000096}, {"316", 0.0000088}, {"17-4ph", 0.0000060}}};

int runCtsh(const TankCommandOptions &o, std::ostream &out, std::ostream &err)
{
    const std::string command = "ctsh";
    if (o.ambient.empty() && !o.ctshInsulated)
        return fail(err, command, "give --ambient, or --insulated for an insulated tank", kExitUsage);
    try {
        const double liquid = ParseFieldNumber(o.liquid, "--liquid");
        const double ambient = o.ambient.empty() ? liquid : ParseFieldNumber(o.ambient, "--ambient");
        const double reference = o.reference.empty() ? (o.celsius ? 15 : 60) : ParseFieldNumber(o.reference);
        double alpha = 0;
        std::string material = o.material.empty() ? "mild-steel" : o.material;
        if (!o.ctshAlpha.empty()) {
            alpha = ParseFieldNumber(o.ctshAlpha, "--alpha");
            material = "alpha given";
        } else {
            alpha = *fromWord(material, kMaterials);
            if (o.celsius)
                alpha = material == "mild-steel" ? kMildSteelAlphaPerC : alpha * 1.8;
        }
        if (!(alpha > 0 && alpha < 0.001))
            return fail(err, command, "--alpha must be more than 0 and under 0.001 per degree", kExitUsage);
        const double shell = ShellTemperature(liquid, ambient, o.ctshInsulated);
        const double ctsh = Ctsh(alpha, shell, reference);
        const char *deg = o.celsius ? "C" : "F";
        if (o.ctshJson) {
            out << Json{{"shell_temperature", FormatFieldNumber(shell)},
                        {"ctsh", FormatFieldNumber(ctsh)},
                        {"alpha", FormatFieldNumber(alpha)},
                        {"scale", deg}}
                       .dump()
                << '\n';
        } else {
            out << "Shell temperature: " << FormatFieldNumber(shell) << ' ' << deg
                << (o.ctshInsulated ? " (insulated: the liquid's)" : " ((7 x liquid + ambient) / 8, to a whole degree)")
                << "\nCTSh: " << FormatFieldNumber(ctsh) << " (alpha " << FormatFieldNumber(alpha) << " per " << deg
                << ", " << material << ", dT from " << FormatFieldNumber(reference) << ' ' << deg << ")\n";
        }
    } catch (const CalcFault &fault) {
        return fail(err, command, fault.message(), kExitStopped);
    }
    return kExitComputed;
}

// ---- roof ----

int runRoof(const TankCommandOptions &o, std::ostream &out, std::ostream &err)
{
    const std::string command = "roof";
    FloatingRoof roof;
    roof.tableDeducted = o.deducted;
    double gravity = 0, density = 0, vcf = 1;
    try {
        if (o.deducted) {
            if (o.referenceGravity.empty() || o.rate.empty() || o.gravity.empty())
                return fail(err, command, "--deducted needs --reference-gravity, --rate and --gravity", kExitUsage);
            roof.scale = o.scale == "kgm3" ? GravityScale::KgPerCubicMetre : GravityScale::Api;
            roof.referenceGravity = ParseFieldNumber(o.referenceGravity, "--reference-gravity");
            roof.rate = ParseFieldNumber(o.rate, "--rate");
            gravity = ParseFieldNumber(o.gravity, "--gravity");
        } else {
            if (o.weight.empty() || o.density.empty())
                return fail(err, command, "give --weight and --density (or --deducted and its figures)", kExitUsage);
            roof.weight = ParseFieldNumber(o.weight, "--weight");
            density = ParseFieldNumber(o.density, "--density");
            vcf = ParseFieldNumber(o.vcf, "--vcf");
        }
    } catch (const CalcFault &fault) {
        return fail(err, command, fault.message(), kExitUsage);
    }
    const VolumeUnit unit = *fromWord(o.unit, kVolumeUnitWords);
    const TableValue v = RoofAdjustment(roof, unit, gravity, density, vcf);
    if (!v.ok())
        return fail(err, command, v.stop->notice, kExitStopped);
    const std::string shown = FormatFieldNumber(v.value);
    if (o.roofJson) {
        out << Json{{"adjustment", shown}, {"unit", VolumeUnitName(unit)}, {"working", v.working}}.dump() << '\n';
        return kExitComputed;
    }
    for (const std::string &line : v.working)
        out << line << '\n';
    out << "Roof adjustment: " << shown << ' ' << VolumeUnitName(unit) << (v.value < 0 ? " (taken off)" : " (added)")
        << '\n';
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
    std::unique_ptr<TankCommands> commands(new TankCommands);
    TankCommandOptions &o = *commands->m_options;

    CLI::App *tankTable = app.add_subcommand("tank-table", "Tank calibration tables: import a grid into a table "
                                                           "document, check, look up a volume or a level");
    tankTable->require_subcommand(1);

    CLI::App *importer = tankTable->add_subcommand("import", "Import a CSV or tab-separated grid as a tank's table");
    importer->add_option("GRID", o.import.file, "The grid: levels down, one volume column or one per trim")->required();
    addMappingOptions(importer, o.import);
    importer->add_option("--name", o.name, "The tank's name")->required();
    importer->add_option("--kind", o.kind, "ship (default) or shore")->check(CLI::IsMember({"ship", "shore"}));
    importer->add_option("--level-kind", o.levelKind, "ullage (default) or innage")
        ->check(CLI::IsMember({"ullage", "innage"}));
    importer->add_option("--reference-height", o.referenceHeight, "The reference height, in the level unit")
        ->check(fieldNumber());
    importer->add_option("--volume-unit", o.volumeUnit, "m3 (default), bbl, l or usgal")
        ->check(words(kVolumeUnitWords));
    importer->add_option("--into", o.into,
                         "The table document to add the table to (made if missing; a table of the "
                         "same name is replaced); without it the document is printed");
    importer->add_option("--owner", o.owner, "The vessel's or terminal's name");
    importer->add_flag("--terminal", o.terminal,
                       "A new document is a shore terminal's, not a vessel's (an existing one keeps its kind)");
    importer->add_option("--shell-scale", o.shellScale, "Shore tanks: F (default) or C")
        ->check(CLI::IsMember({"F", "C"}));
    importer->add_option("--shell-reference", o.shellReference, "Shore tanks: the shell's reference temperature")
        ->check(fieldNumber());
    importer
        ->add_option("--alpha", o.alpha, "Shore tanks: the shell's linear expansion per degree (default mild steel)")
        ->check(fieldNumber());
    importer->add_flag("--insulated", o.insulated, "Shore tanks: the tank is insulated");
    importer->callback([&o, &out, &err, &status] { status = runImport(o, out, err); });

    CLI::App *check = tankTable->add_subcommand("check", "Check a table document, or a grid before importing it");
    check->add_option("FILE", o.check.file, "A table document (.json) or a grid (CSV, tab separated)")->required();
    addMappingOptions(check, o.check);
    check->add_flag("--json", o.checkJson, "Print JSON");
    check->callback([&o, &out, &err, &status] { status = runCheck(o, out, err); });

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
    lookup->add_option("--offset", o.offset, "Gauge point aft of the tank's centre (geometric trim correction)")
        ->check(fieldNumber())
        ->needs(lbp);
    lookup
        ->add_option("--transverse", o.transverse,
                     "Gauge point from the centre line, positive on the low side (geometric list correction)")
        ->check(fieldNumber());
    lookup->add_flag("--json", o.json, "Print one JSON object");
    lookup->callback([&o, &out, &err, &status] { status = runLookup(o, false, out, err); });

    CLI::App *reverse = tankTable->add_subcommand("reverse", "The level at which a tank holds a volume");
    addPlace(reverse);
    reverse->add_option("--volume", o.volume, "The volume in the table's unit")->required()->check(fieldNumber());
    reverse->add_flag("--json", o.reverseJson, "Print one JSON object");
    reverse->callback([&o, &out, &err, &status] { status = runLookup(o, true, out, err); });

    CLI::App *ctsh = app.add_subcommand("ctsh", "A shore tank's shell temperature and CTSh");
    ctsh->add_option("--liquid", o.liquid, "The liquid's temperature")->required()->check(fieldNumber());
    CLI::Option *ambient = ctsh->add_option("--ambient", o.ambient, "The ambient temperature")->check(fieldNumber());
    ctsh->add_flag("--insulated", o.ctshInsulated, "The tank is insulated: the shell is at the liquid's temperature")
        ->excludes(ambient);
    CLI::Option *material = ctsh->add_option("--material", o.material, "mild-steel (default), 304, 316 or 17-4ph")
                                ->check(CLI::IsMember({"mild-steel", "304", "316", "17-4ph"}));
    ctsh->add_option("--alpha", o.ctshAlpha, "The shell's linear expansion per degree")
        ->check(fieldNumber())
        ->excludes(material);
    ctsh->add_option("--reference", o.reference, "The shell's reference temperature (default 60 F, 15 C)")
        ->check(fieldNumber());
    ctsh->add_flag("--celsius", o.celsius, "Temperatures in degrees C (default F)");
    ctsh->add_flag("--json", o.ctshJson, "Print one JSON object");
    ctsh->callback([&o, &out, &err, &status] { status = runCtsh(o, out, err); });

    CLI::App *roof = app.add_subcommand("roof", "A floating roof's volume adjustment");
    CLI::Option *deducted =
        roof->add_flag("--deducted", o.deducted, "The table deducted the roof already, at a reference gravity");
    CLI::Option *referenceGravity =
        roof->add_option("--reference-gravity", o.referenceGravity, "The gravity the table's deduction assumes")
            ->check(fieldNumber())
            ->needs(deducted);
    roof->add_option("--rate", o.rate, "The table's adjustment per unit of gravity")
        ->check(fieldNumber())
        ->needs(deducted);
    roof->add_option("--gravity", o.gravity, "The liquid's gravity at tank temperature")
        ->check(fieldNumber())
        ->needs(deducted);
    roof->add_option("--scale", o.scale, "api (default) or kgm3")
        ->check(CLI::IsMember({"api", "kgm3"}))
        ->needs(referenceGravity);
    CLI::Option *weight = roof->add_option("--weight", o.weight, "The roof's weight")->check(fieldNumber());
    weight->excludes(deducted);
    roof->add_option("--density", o.density, "The liquid's density in air, in the weight's unit per volume unit")
        ->check(fieldNumber())
        ->excludes(deducted);
    roof->add_option("--vcf", o.vcf, "The liquid's VCF (default 1)")->check(fieldNumber())->excludes(deducted);
    roof->add_option("--unit", o.unit, "The table's volume unit: m3, bbl, l or usgal")
        ->required()
        ->check(words(kVolumeUnitWords));
    roof->add_flag("--json", o.roofJson, "Print one JSON object");
    roof->callback([&o, &out, &err, &status] { status = runRoof(o, out, err); });
    return commands;
}

} // namespace dravex
