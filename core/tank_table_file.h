// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/tank_table.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dravex {

// The calibration tables of one vessel or one shore terminal, kept as one document.
enum class TableOwnerKind { Vessel, Terminal };

struct TankTableDocument
{
    TableOwnerKind ownerKind = TableOwnerKind::Vessel;
    std::string owner; // the vessel's or terminal's name
    std::vector<TankTable> tables;
    bool operator==(const TankTableDocument &) const = default;
};

inline constexpr std::string_view kTankTableFormat = "dravex-tank-tables";
inline constexpr int kTankTableVersion = 1;

// The SHA-256 of a table's content, as 64 lower-case hex digits: the table written as
// compact JSON in the document's key order, without its hash. The same table gives the
// same hash however the file was laid out; any change of a name, unit, level or value
// gives another.
std::string TankTableSha256(const TankTable &table);

// SHA-256 of any bytes, lower-case hex. TextSha256("abc") ==
// "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"
std::string TextSha256(std::string_view bytes);

// The document as UTF-8 JSON, each table with its hash.
std::string WriteTankTablesJson(const TankTableDocument &doc);

struct TankTableReadError
{
    enum class Kind { NotJson, NotATableDocument, Damaged, NewerVersion };
    Kind kind;
    std::string message;
};

struct TankTableReadResult
{
    std::optional<TankTableDocument> document;
    std::optional<TankTableReadError> error;
};

// A document from JSON text: every table checked (CheckTankTable) and its stored hash
// compared with its content, so a table edited outside the program is refused as damaged.
// Never throws.
TankTableReadResult ReadTankTablesJson(std::string_view text);

} // namespace dravex
