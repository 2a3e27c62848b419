// SPDX-License-Identifier: GPL-3.0-or-later
// dravex-calc tank-table import and check: a grid's columns mapped into a tank table, the
// table added to its document, and a document or a grid checked.
#include "cli/command_line.h"
#include "cli/file_text.h"
#include "cli/tank_command_parts.h"
#include "cli/tank_commands.h"

#include "core/conventions.h"
#include "core/tank_table_file.h"
#include "core/tank_table_import.h"

#include <filesystem>
#include <iostream>

namespace dravex::tankcli {

namespace {

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
    if (const std::string problem = WriteFileText(o.into, text); !problem.empty())
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

} // namespace

void addImportCommands(CLI::App *tankTable, TankCommandOptions &o, std::ostream &out, std::ostream &err, int &status)
{
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
}

} // namespace dravex::tankcli
