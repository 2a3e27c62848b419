// SPDX-License-Identifier: GPL-3.0-or-later
// dravex-calc tank-table check: a table document read and checked, with what each table
// keeps (layout, trim and list columns, gauge point, shell, roof) shown; or a grid checked
// as the import would read it.
#include "cli/command_line.h"
#include "cli/file_text.h"
#include "cli/tank_command_parts.h"

#include "core/conventions.h"
#include "core/tank_table_file.h"

#include <cmath>
#include <iostream>

namespace dravex::tankcli {

namespace {

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

std::string numbers(const std::vector<double> &values)
{
    std::string text;
    for (const double v : values)
        text += (text.empty() ? "" : ", ") + FormatFieldNumber(v);
    return text;
}

Json numbersJson(const std::vector<double> &values)
{
    Json list = Json::array();
    for (const double v : values)
        list.push_back(FormatFieldNumber(v));
    return list;
}

// Lengths of the geometry: metres for a table in mm, cm or m, feet for one in feet and inches.
const char *lengthUnit(const TankTable &t)
{
    return t.levelUnit == LevelUnit::FeetInchesEighths ? "ft" : "m";
}

// What a table keeps beside its rows, one line each: trim columns, list corrections, gauge
// point, shell and roof.
std::vector<std::string> details(const TankTable &t)
{
    std::vector<std::string> lines;
    if (t.layout != TableLayout::LevelToVolume)
        lines.push_back(
            "trims as printed (" +
            std::string(t.trimConvention == TrimConvention::SternPositive ? "by the stern" : "by the head") +
            " positive): " + numbers(t.trim.columns));
    if (t.list)
        lines.push_back("list corrections to the " +
                        std::string(t.list->target == CorrectionTarget::Level ? "level" : "volume") +
                        ", lists as printed (" +
                        (t.list->convention == ListConvention::StarboardPositive ? "to starboard" : "to port") +
                        " positive): " + numbers(t.list->grid.columns) + " degrees");
    if (t.geometry) {
        const TankGeometry &g = *t.geometry;
        const std::string unit = lengthUnit(t);
        if (g.longitudinalOffset)
            lines.push_back("gauge point " + FormatFieldNumber(std::fabs(*g.longitudinalOffset)) + " " + unit +
                            (*g.longitudinalOffset < 0 ? " forward of" : " aft of") + " the tank's centre");
        if (g.transverseOffset)
            lines.push_back("gauge point " + FormatFieldNumber(std::fabs(*g.transverseOffset)) + " " + unit +
                            (*g.transverseOffset < 0 ? " to port" : " to starboard") + " of the centre line");
        if (g.wedge)
            lines.push_back("tank for the wedge: length " + FormatFieldNumber(g.wedge->tankLength) + ", width " +
                            FormatFieldNumber(g.wedge->tankWidth) + ", depth " + FormatFieldNumber(g.wedge->tankDepth) +
                            ", hatch " + FormatFieldNumber(g.wedge->hatchToBulkhead) + " from the aft bulkhead (" +
                            unit + ")");
    }
    if (t.shore) {
        const ShoreTankData &s = *t.shore;
        const char *deg = s.scale == TemperatureScale::Celsius ? "C" : "F";
        lines.push_back("shell: " + s.material + ", alpha " + FormatFieldNumber(ShellAlpha(s)) + " per " + deg +
                        (s.alpha ? " (the table's)" : " (mild steel's)") + ", reference " +
                        FormatFieldNumber(s.shellReferenceTemperature) + " " + deg +
                        (s.insulated ? ", insulated" : ", not insulated"));
        if (s.roof) {
            const FloatingRoof &r = *s.roof;
            const std::string scale = r.scale == GravityScale::Api ? "API" : "kg/m3";
            lines.push_back("floating roof: " +
                            (r.tableDeducted
                                 ? "deducted by the table at " + FormatFieldNumber(r.referenceGravity) + " " + scale +
                                       ", " + FormatFieldNumber(r.rate) + " " +
                                       std::string(VolumeUnitName(t.volumeUnit)) + " per " + scale
                                 : "weight " + FormatFieldNumber(r.weight) + ", not deducted by the table") +
                            "; critical zone " + FormatLevel(r.criticalLow, t.levelUnit) + " to " +
                            FormatLevel(r.criticalHigh, t.levelUnit) + " innage");
        }
    }
    return lines;
}

Json detailsJson(const TankTable &t)
{
    Json d;
    d["trims"] = t.layout == TableLayout::LevelToVolume
                     ? Json()
                     : Json{{"convention",
                             t.trimConvention == TrimConvention::SternPositive ? "stern-positive" : "head-positive"},
                            {"columns", numbersJson(t.trim.columns)}};
    d["list"] = !t.list
                    ? Json()
                    : Json{{"to", t.list->target == CorrectionTarget::Level ? "level" : "volume"},
                           {"convention", t.list->convention == ListConvention::StarboardPositive ? "starboard-positive"
                                                                                                  : "port-positive"},
                           {"lists", numbersJson(t.list->grid.columns)}};
    Json geometry;
    if (t.geometry) {
        const TankGeometry &g = *t.geometry;
        geometry = Json::object();
        geometry["lengthUnit"] = lengthUnit(t);
        if (g.longitudinalOffset)
            geometry["longitudinalOffset"] = FormatFieldNumber(*g.longitudinalOffset);
        if (g.transverseOffset)
            geometry["transverseOffset"] = FormatFieldNumber(*g.transverseOffset);
        if (g.wedge)
            geometry["wedge"] = {{"tankLength", FormatFieldNumber(g.wedge->tankLength)},
                                 {"tankWidth", FormatFieldNumber(g.wedge->tankWidth)},
                                 {"tankDepth", FormatFieldNumber(g.wedge->tankDepth)},
                                 {"hatchToBulkhead", FormatFieldNumber(g.wedge->hatchToBulkhead)}};
    }
    d["geometry"] = geometry;
    Json shore;
    if (t.shore) {
        const ShoreTankData &s = *t.shore;
        shore = {{"material", s.material},
                 {"temperatureScale", s.scale == TemperatureScale::Celsius ? "C" : "F"},
                 {"alpha", FormatFieldNumber(ShellAlpha(s))},
                 {"alphaFromTable", s.alpha.has_value()},
                 {"shellReferenceTemperature", FormatFieldNumber(s.shellReferenceTemperature)},
                 {"insulated", s.insulated}};
        Json roof;
        if (s.roof) {
            const FloatingRoof &r = *s.roof;
            roof = {{"tableDeducted", r.tableDeducted}};
            if (r.tableDeducted) {
                roof["gravityScale"] = r.scale == GravityScale::Api ? "api" : "kg/m3";
                roof["referenceGravity"] = FormatFieldNumber(r.referenceGravity);
                roof["rate"] = FormatFieldNumber(r.rate);
            } else {
                roof["weight"] = FormatFieldNumber(r.weight);
            }
            roof["criticalLow"] = FormatFieldNumber(r.criticalLow);
            roof["criticalHigh"] = FormatFieldNumber(r.criticalHigh);
        }
        shore["roof"] = roof;
    }
    d["shore"] = shore;
    return d;
}

} // namespace

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
        for (const TankTable &t : doc.tables) {
            Json table = {{"name", t.name},
                          {"kind", t.kind == TankKind::Ship ? "ship" : "shore"},
                          {"layout", static_cast<int>(t.layout)},
                          {"levelKind", t.levelKind == LevelKind::Ullage ? "ullage" : "innage"},
                          {"levelUnit", LevelUnitName(t.levelUnit)},
                          {"volumeUnit", VolumeUnitName(t.volumeUnit)}};
            table.update(detailsJson(t));
            table["sha256"] = TankTableSha256(t);
            tables.push_back(std::move(table));
        }
        out << Json{{"owner", doc.owner}, {"tables", std::move(tables)}}.dump(2) << '\n';
        return kExitComputed;
    }
    out << o.check.file << ": " << (doc.ownerKind == TableOwnerKind::Vessel ? "vessel " : "terminal ") << doc.owner
        << ", " << doc.tables.size() << (doc.tables.size() == 1 ? " table" : " tables") << '\n';
    for (const TankTable &t : doc.tables) {
        out << "  " << t.name << ": " << layoutName(t.layout) << ", " << LevelUnitName(t.levelUnit) << " to "
            << VolumeUnitName(t.volumeUnit) << ", SHA-256 " << TankTableSha256(t) << '\n';
        for (const std::string &line : details(t))
            out << "    " << line << '\n';
    }
    return kExitComputed;
}

void addCheckCommand(CLI::App *tankTable, TankCommandOptions &o, std::ostream &out, std::ostream &err, int &status)
{
    CLI::App *check = tankTable->add_subcommand("check", "Check a table document, or a grid before importing it");
    check->add_option("FILE", o.check.file, "A table document (.json) or a grid (CSV, tab separated)")->required();
    addMappingOptions(check, o.check);
    check->add_flag("--json", o.checkJson, "Print JSON");
    check->callback([&o, &out, &err, &status] { status = runCheck(o, out, err); });
}

} // namespace dravex::tankcli
