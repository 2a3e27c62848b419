// SPDX-License-Identifier: GPL-3.0-or-later
// What the tank table commands share: their options and a few small helpers. Only the
// files of those commands include this.
#pragma once

#include "core/tank_table.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <array>
#include <iosfwd>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace dravex {

struct TankTableDocument;

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
    std::string shellScale, shellReference, alpha; // shellScale empty: F
    bool insulated = false;
    // import, layouts 3 and 4: the even-keel volume column beside the trim correction columns
    int evenKeelColumn = 0;
    std::string corrections; // level or volume
    // import: list corrections, from the grid or from listGrid
    std::vector<int> listColumns;
    std::vector<double> lists;
    std::string listConvention = "starboard", listTarget, listGrid;
    // import: a ship tank's gauge point and size
    std::string gaugeOffset, gaugeTransverse, tankLength, tankWidth, tankDepth, hatchToBulkhead;
    // import: a shore tank's floating roof
    bool roofDeducted = false;
    std::string roofReferenceGravity, roofRate, roofScale = "api", roofWeight, roofCriticalLow, roofCriticalHigh;
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

namespace tankcli {

using Json = nlohmann::ordered_json;

// Writes "dravex-calc: COMMAND: MESSAGE" to err and returns status.
int fail(std::ostream &err, const std::string &command, const std::string &message, int status);

// A number as a field reads it; a CLI11 check so a wrong value is a usage error.
CLI::Validator fieldNumber();

template <typename E, std::size_t N>
std::optional<E> fromWord(const std::string &word, const std::array<std::pair<const char *, E>, N> &words)
{
    for (const auto &[w, e] : words)
        if (word == w)
            return e;
    return std::nullopt;
}

inline constexpr std::array<std::pair<const char *, LevelUnit>, 4> kLevelUnitWords = {
    {{"mm", LevelUnit::Millimetres},
     {"cm", LevelUnit::Centimetres},
     {"m", LevelUnit::Metres},
     {"ft-in-8", LevelUnit::FeetInchesEighths}}};
inline constexpr std::array<std::pair<const char *, VolumeUnit>, 4> kVolumeUnitWords = {
    {{"m3", VolumeUnit::CubicMetres},
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

// The document at path; empty after writing the notice to err and the status.
std::optional<TankTableDocument> readDocument(const std::string &path, const std::string &command, std::ostream &err,
                                              int &status);
const TankTable *findTable(const TankTableDocument &doc, const std::string &name);

// A level as given on the command line: a number in the table's level unit, or for a table
// in feet and inches also "12-03-4" or "12 3 4/8". A CalcFault naming option otherwise.
double levelFromText(const std::string &text, LevelUnit unit, const std::string &option);

// The columns of a grid: --level-column, --value-column, --trims and how the file is written.
void addMappingOptions(CLI::App *command, MappingOptions &m);
// A grid file read under the mapping, its faults told on err (named by line and column);
// nullopt with status set when it cannot be imported.
std::optional<TableGrid> importGrid(const MappingOptions &m, const std::string &command, std::ostream &err,
                                    int &status);
int runImport(const TankCommandOptions &o, std::ostream &out, std::ostream &err);

// The subcommands of the other files: tank-table import and check; ctsh and roof.
void addImportCommand(CLI::App *tankTable, TankCommandOptions &o, std::ostream &out, std::ostream &err, int &status);
void addCheckCommand(CLI::App *tankTable, TankCommandOptions &o, std::ostream &out, std::ostream &err, int &status);
void addShoreCommands(CLI::App &app, TankCommandOptions &o, std::ostream &out, std::ostream &err, int &status);

} // namespace tankcli
} // namespace dravex
