// SPDX-License-Identifier: GPL-3.0-or-later
// dravex-calc tank-table import: a grid's columns mapped into a tank table of any layout,
// with its list corrections, gauge point, shell and roof, and the table added to its document.
#include "cli/command_line.h"
#include "cli/file_text.h"
#include "cli/tank_command_parts.h"
#include "cli/tank_commands.h"

#include "core/conventions.h"
#include "core/tank_table_file.h"
#include "core/tank_table_import.h"

#include <filesystem>
#include <iostream>
#include <map>
#include <set>

namespace dravex::tankcli {

namespace {

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

// One figure per column: "give one trim per value column (3 columns, 2 trims)".
std::string countProblem(std::size_t columns, std::size_t figures, const std::string &figure, const std::string &column,
                         const std::string &option)
{
    if (figures > 0 && figures != columns)
        return "give one " + figure + " per " + column + " (" + std::to_string(columns) + " columns, " +
               std::to_string(figures) + " " + figure + "s)";
    if (figures == 0 && columns > 1)
        return "several " + column + "s need their " + figure + "s (" + option + ")";
    return {};
}

// Grids read from files, each file read once; a fault found by several reads of the same
// file (the levels, say) is told once.
class GridReader
{
public:
    GridReader(std::string command, std::ostream &err) : m_command(std::move(command)), m_err(err) {}
    int status() const { return m_status; }

    // The columns of file under mapping; nullopt once the faults are told.
    std::optional<TableGrid> read(const std::string &file, const ImportMapping &mapping)
    {
        auto text = m_texts.find(file);
        if (text == m_texts.end()) {
            std::string read;
            if (const std::string problem = ReadFileText(file, read); !problem.empty()) {
                m_status = fail(m_err, m_command, problem, kExitStopped);
                return std::nullopt;
            }
            text = m_texts.emplace(file, std::move(read)).first;
        }
        const ImportResult result = ImportTableGrid(text->second, mapping);
        for (const ImportIssue &issue : result.issues) {
            const std::string line = file + ": " + issueText(issue);
            if (m_told.insert(line).second)
                m_err << "dravex-calc: " << m_command << ": " << line << '\n';
        }
        if (!result.ok()) {
            m_status = kExitStopped;
            return std::nullopt;
        }
        return result.grid;
    }

private:
    std::string m_command;
    std::ostream &m_err;
    std::map<std::string, std::string> m_texts;
    std::set<std::string> m_told;
    int m_status = kExitComputed;
};

} // namespace

std::optional<TableGrid> importGrid(const MappingOptions &m, const std::string &command, std::ostream &err, int &status)
{
    if (const std::string problem =
            countProblem(m.valueColumns.size(), m.trims.size(), "trim", "value column", "--trims");
        !problem.empty()) {
        status = fail(err, command, problem, kExitUsage);
        return std::nullopt;
    }
    GridReader reader(command, err);
    std::optional<TableGrid> grid = reader.read(m.file, mappingOf(m));
    status = reader.status();
    return grid;
}

namespace {

// ---- tank-table import ----

double number(const std::string &text, const std::string &option)
{
    return ParseFieldNumber(text, option);
}

// The options given that belong to the other kind of tank.
std::string kindProblem(const TankCommandOptions &o)
{
    const std::pair<const char *, bool> shoreOnly[] = {{"--shell-scale", !o.shellScale.empty()},
                                                       {"--shell-reference", !o.shellReference.empty()},
                                                       {"--alpha", !o.alpha.empty()},
                                                       {"--insulated", o.insulated},
                                                       {"--roof-deducted", o.roofDeducted},
                                                       {"--roof-weight", !o.roofWeight.empty()},
                                                       {"--roof-critical-low", !o.roofCriticalLow.empty()}};
    const std::pair<const char *, bool> shipOnly[] = {{"--gauge-offset", !o.gaugeOffset.empty()},
                                                      {"--gauge-transverse", !o.gaugeTransverse.empty()},
                                                      {"--tank-length", !o.tankLength.empty()}};
    if (o.kind == "ship") {
        for (const auto &[option, given] : shoreOnly)
            if (given)
                return std::string(option) + " is for shore tanks (--kind shore)";
    } else {
        for (const auto &[option, given] : shipOnly)
            if (given)
                return std::string(option) + " is for ship tanks (--kind ship)";
    }
    return {};
}

// The floating roof from the options; a notice naming the option when one is wrong.
std::string roofOf(const TankCommandOptions &o, LevelUnit unit, FloatingRoof &roof)
{
    roof.criticalLow = levelFromText(o.roofCriticalLow, unit, "--roof-critical-low");
    roof.criticalHigh = levelFromText(o.roofCriticalHigh, unit, "--roof-critical-high");
    if (!(roof.criticalLow >= 0))
        return "--roof-critical-low must be 0 or more";
    if (!(roof.criticalLow < roof.criticalHigh))
        return "--roof-critical-low (" + FormatLevel(roof.criticalLow, unit) +
               ") must be below --roof-critical-high (" + FormatLevel(roof.criticalHigh, unit) + ")";
    roof.tableDeducted = o.roofDeducted;
    if (o.roofDeducted) {
        roof.scale = o.roofScale == "kgm3" ? GravityScale::KgPerCubicMetre : GravityScale::Api;
        roof.referenceGravity = number(o.roofReferenceGravity, "--roof-reference-gravity");
        roof.rate = number(o.roofRate, "--roof-rate");
        if (!(roof.referenceGravity > 0))
            return "--roof-reference-gravity must be more than 0";
        if (!(roof.rate >= 0))
            return "--roof-rate must be 0 or more (the table says which way it goes with the gravity)";
    } else {
        roof.weight = number(o.roofWeight, "--roof-weight");
        if (!(roof.weight > 0))
            return "--roof-weight must be more than 0";
    }
    return {};
}

// The shell (and roof) of a shore tank.
std::string shoreOf(const TankCommandOptions &o, LevelUnit unit, ShoreTankData &shore)
{
    shore.scale = o.shellScale == "C" ? TemperatureScale::Celsius : TemperatureScale::Fahrenheit;
    shore.shellReferenceTemperature = !o.shellReference.empty() ? number(o.shellReference, "--shell-reference")
                                      : shore.scale == TemperatureScale::Celsius ? 15
                                                                                 : 60;
    if (!o.alpha.empty()) {
        shore.alpha = number(o.alpha, "--alpha");
        if (!(*shore.alpha > 0 && *shore.alpha < 0.001))
            return "--alpha must be more than 0 and under 0.001 per degree";
    }
    shore.insulated = o.insulated;
    if (o.roofDeducted || !o.roofWeight.empty()) {
        FloatingRoof roof;
        if (std::string problem = roofOf(o, unit, roof); !problem.empty())
            return problem;
        shore.roof = roof;
    } else if (!o.roofCriticalLow.empty()) {
        return "--roof-critical-low and --roof-critical-high go with --roof-deducted or --roof-weight";
    }
    return {};
}

// The gauge point and the wedge size of a ship tank; absent when none is given.
std::string geometryOf(const TankCommandOptions &o, std::optional<TankGeometry> &geometry)
{
    if (o.gaugeOffset.empty() && o.gaugeTransverse.empty() && o.tankLength.empty())
        return {};
    TankGeometry g;
    if (!o.gaugeOffset.empty())
        g.longitudinalOffset = number(o.gaugeOffset, "--gauge-offset");
    if (!o.gaugeTransverse.empty())
        g.transverseOffset = number(o.gaugeTransverse, "--gauge-transverse");
    if (!o.tankLength.empty()) {
        TankWedgeSize w;
        const std::pair<const std::string *, double *> sizes[] = {
            {&o.tankLength, &w.tankLength}, {&o.tankWidth, &w.tankWidth}, {&o.tankDepth, &w.tankDepth}};
        const char *names[] = {"--tank-length", "--tank-width", "--tank-depth"};
        for (std::size_t i = 0; i < 3; ++i) {
            *sizes[i].second = number(*sizes[i].first, names[i]);
            if (!(*sizes[i].second > 0))
                return std::string(names[i]) + " must be more than 0";
        }
        w.hatchToBulkhead = number(o.hatchToBulkhead, "--hatch-to-bulkhead");
        if (!(w.hatchToBulkhead >= 0 && w.hatchToBulkhead <= w.tankLength))
            return "--hatch-to-bulkhead must lie between 0 and --tank-length";
        g.wedge = w;
    }
    geometry = g;
    return {};
}

// The table's own facts, shell, roof and geometry; a notice naming the option when one is wrong.
std::string tableFacts(const TankCommandOptions &o, TankTable &table)
{
    if (std::string problem = kindProblem(o); !problem.empty())
        return problem;
    table.name = o.name;
    table.kind = o.kind == "shore" ? TankKind::Shore : TankKind::Ship;
    table.levelKind = o.levelKind == "innage" ? LevelKind::Innage : LevelKind::Ullage;
    table.levelUnit = *fromWord(o.import.levelUnit, kLevelUnitWords);
    table.volumeUnit = *fromWord(o.volumeUnit, kVolumeUnitWords);
    table.referenceHeight = o.referenceHeight.empty() ? 0 : number(o.referenceHeight, "--reference-height");
    table.trimConvention =
        o.import.trimConvention == "head" ? TrimConvention::HeadPositive : TrimConvention::SternPositive;
    if (std::string problem =
            countProblem(o.import.valueColumns.size(), o.import.trims.size(), "trim", "value column", "--trims");
        !problem.empty())
        return problem;
    if (std::string problem = countProblem(o.listColumns.size(), o.lists.size(), "list", "list column", "--lists");
        !problem.empty())
        return problem;
    if (table.kind == TankKind::Shore) {
        ShoreTankData shore;
        if (std::string problem = shoreOf(o, table.levelUnit, shore); !problem.empty())
            return problem;
        table.shore = shore;
    }
    return geometryOf(o, table.geometry);
}

// The table's grids: layout 1 (one volume column), 2 (volumes per trim), 3 and 4 (the
// even-keel column beside the trim correction columns), and the list corrections from the
// same grid or their own. Every grid is read, so every fault is told, before giving up.
bool readGrids(const TankCommandOptions &o, GridReader &reader, TankTable &table)
{
    const ImportMapping mapping = mappingOf(o.import);
    bool ok = true;
    const auto take = [&ok](std::optional<TableGrid> grid, TableGrid &into) {
        if (grid)
            into = std::move(*grid);
        else
            ok = false;
    };
    if (o.evenKeelColumn > 0) {
        table.layout = o.corrections == "level" ? TableLayout::TrimLevelCorrection : TableLayout::TrimVolumeCorrection;
        ImportMapping evenKeel = mapping;
        evenKeel.valueColumns = {o.evenKeelColumn - 1};
        evenKeel.columnValues.clear();
        take(reader.read(o.import.file, evenKeel), table.evenKeel);
        take(reader.read(o.import.file, mapping), table.trim);
    } else if (o.import.trims.empty()) {
        table.layout = TableLayout::LevelToVolume;
        take(reader.read(o.import.file, mapping), table.evenKeel);
    } else {
        table.layout = TableLayout::TrimVolumeGrid;
        take(reader.read(o.import.file, mapping), table.trim);
    }
    if (!o.listColumns.empty()) {
        ListCorrections list;
        list.target = o.listTarget == "volume" ? CorrectionTarget::Volume : CorrectionTarget::Level;
        list.convention = o.listConvention == "port" ? ListConvention::PortPositive : ListConvention::StarboardPositive;
        ImportMapping lists = mapping;
        lists.valueColumns.clear();
        for (const int c : o.listColumns)
            lists.valueColumns.push_back(c - 1);
        lists.columnValues = o.lists;
        take(reader.read(o.listGrid.empty() ? o.import.file : o.listGrid, lists), list.grid);
        table.list = std::move(list);
    }
    return ok;
}

} // namespace

int runImport(const TankCommandOptions &o, std::ostream &out, std::ostream &err)
{
    const std::string command = "tank-table import";
    TankTable table;
    try {
        if (const std::string problem = tableFacts(o, table); !problem.empty())
            return fail(err, command, problem, kExitUsage);
    } catch (const CalcFault &fault) {
        return fail(err, command, fault.message(), kExitUsage);
    }
    GridReader reader(command, err);
    if (!readGrids(o, reader, table))
        return reader.status();
    if (const std::string fault = CheckTankTable(table); !fault.empty())
        return fail(err, command, fault, kExitStopped);

    int status = kExitComputed;
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
    const TableGrid &rows = table.layout == TableLayout::TrimVolumeGrid ? table.trim : table.evenKeel;
    out << (replaced ? "Replaced " : "Added ") << table.name << " in " << o.into << ": " << rows.levels.size()
        << " levels, SHA-256 " << TankTableSha256(table) << '\n';
    return kExitComputed;
}

} // namespace dravex::tankcli
