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

// The subcommands of the other files: tank-table import and check; ctsh and roof.
void addImportCommands(CLI::App *tankTable, TankCommandOptions &o, std::ostream &out, std::ostream &err, int &status);
void addShoreCommands(CLI::App &app, TankCommandOptions &o, std::ostream &out, std::ostream &err, int &status);

} // namespace tankcli
} // namespace dravex
