// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tank_table_file.h"

#include <nlohmann/json.hpp>
#include <openssl/evp.h>

#include <algorithm>
#include <cstdint>

namespace dravex {

namespace {

using Json = nlohmann::ordered_json;

struct Damaged
{
    std::string what;
};

template <typename E> struct Word
{
    E value;
    const char *id;
};

constexpr Word<TankKind> kKinds[] = {{TankKind::Ship, "ship"}, {TankKind::Shore, "shore"}};
constexpr Word<LevelKind> kLevelKinds[] = {{LevelKind::Ullage, "ullage"}, {LevelKind::Innage, "innage"}};
constexpr Word<LevelUnit> kLevelUnits[] = {{LevelUnit::Millimetres, "mm"},
                                           {LevelUnit::Centimetres, "cm"},
                                           {LevelUnit::Metres, "m"},
                                           {LevelUnit::FeetInchesEighths, "ft-in-8"}};
constexpr Word<VolumeUnit> kVolumeUnits[] = {{VolumeUnit::CubicMetres, "m3"},
                                             {VolumeUnit::Barrels, "bbl"},
                                             {VolumeUnit::Litres, "l"},
                                             {VolumeUnit::UsGallons, "usgal"}};
constexpr Word<TrimConvention> kTrimConventions[] = {{TrimConvention::SternPositive, "stern-positive"},
                                                     {TrimConvention::HeadPositive, "head-positive"}};
constexpr Word<ListConvention> kListConventions[] = {{ListConvention::StarboardPositive, "starboard-positive"},
                                                     {ListConvention::PortPositive, "port-positive"}};
constexpr Word<CorrectionTarget> kTargets[] = {{CorrectionTarget::Level, "level"},
                                               {CorrectionTarget::Volume, "volume"}};
constexpr Word<TemperatureScale> kScales[] = {{TemperatureScale::Fahrenheit, "F"}, {TemperatureScale::Celsius, "C"}};
constexpr Word<GravityScale> kGravityScales[] = {{GravityScale::Api, "api"}, {GravityScale::KgPerCubicMetre, "kg/m3"}};
constexpr Word<TableOwnerKind> kOwnerKinds[] = {{TableOwnerKind::Vessel, "vessel"},
                                                {TableOwnerKind::Terminal, "terminal"}};

template <typename E, std::size_t N> const char *idOf(const Word<E> (&words)[N], E value)
{
    for (const auto &w : words)
        if (w.value == value)
            return w.id;
    return "";
}

template <typename E, std::size_t N>
E valueOf(const Word<E> (&words)[N], const Json &j, const char *key, const std::string &where)
{
    const auto it = j.find(key);
    if (it == j.end() || !it->is_string())
        throw Damaged{where + "." + key + " is missing or not text"};
    const std::string text = it->get<std::string>();
    std::string allowed;
    for (const auto &w : words) {
        if (text == w.id)
            return w.value;
        allowed += allowed.empty() ? w.id : std::string(", ") + w.id;
    }
    throw Damaged{where + "." + key + " is '" + text + "', not one of " + allowed};
}

const Json &member(const Json &j, const char *key, const std::string &where)
{
    const auto it = j.find(key);
    if (it == j.end())
        throw Damaged{where + "." + key + " is missing"};
    return *it;
}

double number(const Json &j, const char *key, const std::string &where)
{
    const Json &v = member(j, key, where);
    if (!v.is_number())
        throw Damaged{where + "." + key + " is not a number"};
    return v.get<double>();
}

std::vector<double> numbers(const Json &j, const char *key, const std::string &where)
{
    const Json &v = member(j, key, where);
    if (!v.is_array())
        throw Damaged{where + "." + key + " is not a list"};
    std::vector<double> out;
    out.reserve(v.size());
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (!v[i].is_number())
            throw Damaged{where + "." + key + "[" + std::to_string(i + 1) + "] is not a number"};
        out.push_back(v[i].get<double>());
    }
    return out;
}

Json rows(const TableGrid &g)
{
    Json out = Json::array();
    const std::size_t w = g.width();
    for (std::size_t i = 0; i < g.levels.size() && (i + 1) * w <= g.values.size(); ++i)
        out.push_back(Json(std::vector<double>(g.values.begin() + i * w, g.values.begin() + (i + 1) * w)));
    return out;
}

void readRows(const Json &j, const std::string &where, TableGrid &g)
{
    const Json &v = member(j, "values", where);
    if (!v.is_array())
        throw Damaged{where + ".values is not a list"};
    if (v.size() != g.levels.size())
        throw Damaged{where + " has " + std::to_string(v.size()) + " rows of values for " +
                      std::to_string(g.levels.size()) + " levels"};
    g.values.reserve(g.levels.size() * g.width());
    for (std::size_t i = 0; i < v.size(); ++i) {
        const std::string row = where + ".values[" + std::to_string(i + 1) + "]";
        if (!v[i].is_array() || v[i].size() != g.width())
            throw Damaged{row + " is not a list of " + std::to_string(g.width()) + " numbers"};
        for (const Json &x : v[i]) {
            if (!x.is_number())
                throw Damaged{row + " holds something that is not a number"};
            g.values.push_back(x.get<double>());
        }
    }
}

// The table's content in the document's key order, without the hash.
Json tableJson(const TankTable &t)
{
    Json j;
    j["name"] = t.name;
    j["kind"] = idOf(kKinds, t.kind);
    j["levelKind"] = idOf(kLevelKinds, t.levelKind);
    j["referenceHeight"] = t.referenceHeight;
    j["levelUnit"] = idOf(kLevelUnits, t.levelUnit);
    j["volumeUnit"] = idOf(kVolumeUnits, t.volumeUnit);
    j["layout"] = static_cast<int>(t.layout);
    if (t.layout != TableLayout::TrimVolumeGrid)
        j["evenKeel"] = Json{{"levels", t.evenKeel.levels}, {"volumes", t.evenKeel.values}};
    if (t.layout != TableLayout::LevelToVolume) {
        j["trimConvention"] = idOf(kTrimConventions, t.trimConvention);
        j["trim"] = Json{{"levels", t.trim.levels}, {"trims", t.trim.columns}, {"values", rows(t.trim)}};
    }
    if (t.list) {
        j["list"] = Json{{"to", idOf(kTargets, t.list->target)},
                         {"convention", idOf(kListConventions, t.list->convention)},
                         {"levels", t.list->grid.levels},
                         {"lists", t.list->grid.columns},
                         {"values", rows(t.list->grid)}};
    }
    if (t.shore) {
        const ShoreTankData &s = *t.shore;
        Json shore;
        shore["material"] = s.material;
        shore["temperatureScale"] = idOf(kScales, s.scale);
        if (s.alpha)
            shore["alpha"] = *s.alpha;
        shore["shellReferenceTemperature"] = s.shellReferenceTemperature;
        shore["insulated"] = s.insulated;
        if (s.roof) {
            const FloatingRoof &r = *s.roof;
            shore["roof"] = Json{{"weight", r.weight},
                                 {"tableDeducted", r.tableDeducted},
                                 {"gravityScale", idOf(kGravityScales, r.scale)},
                                 {"referenceGravity", r.referenceGravity},
                                 {"rate", r.rate},
                                 {"criticalLow", r.criticalLow},
                                 {"criticalHigh", r.criticalHigh}};
        }
        j["shore"] = std::move(shore);
    }
    // Written only when given, so a table without it keeps its hash.
    if (t.geometry) {
        const TankGeometry &g = *t.geometry;
        Json geometry = Json::object();
        if (g.longitudinalOffset)
            geometry["longitudinalOffset"] = *g.longitudinalOffset;
        if (g.transverseOffset)
            geometry["transverseOffset"] = *g.transverseOffset;
        if (g.wedge)
            geometry["wedge"] = Json{{"tankLength", g.wedge->tankLength},
                                     {"tankWidth", g.wedge->tankWidth},
                                     {"tankDepth", g.wedge->tankDepth},
                                     {"hatchToBulkhead", g.wedge->hatchToBulkhead}};
        j["geometry"] = std::move(geometry);
    }
    return j;
}

std::string text(const Json &j, const char *key, const std::string &where)
{
    const Json &v = member(j, key, where);
    if (!v.is_string())
        throw Damaged{where + "." + key + " is not text"};
    return v.get<std::string>();
}

bool flag(const Json &j, const char *key, const std::string &where)
{
    const Json &v = member(j, key, where);
    if (!v.is_boolean())
        throw Damaged{where + "." + key + " is not true or false"};
    return v.get<bool>();
}

const Json &object(const Json &j, const char *key, const std::string &where)
{
    const Json &v = member(j, key, where);
    if (!v.is_object())
        throw Damaged{where + "." + key + " is not an object"};
    return v;
}

TankTable readTable(const Json &j, const std::string &where)
{
    if (!j.is_object())
        throw Damaged{where + " is not an object"};
    TankTable t;
    t.name = text(j, "name", where);
    t.kind = valueOf(kKinds, j, "kind", where);
    t.levelKind = valueOf(kLevelKinds, j, "levelKind", where);
    t.referenceHeight = number(j, "referenceHeight", where);
    t.levelUnit = valueOf(kLevelUnits, j, "levelUnit", where);
    t.volumeUnit = valueOf(kVolumeUnits, j, "volumeUnit", where);
    const Json &layout = member(j, "layout", where);
    if (!layout.is_number_integer() || layout.get<std::int64_t>() < 1 || layout.get<std::int64_t>() > 4)
        throw Damaged{where + ".layout is not one of 1, 2, 3, 4"};
    t.layout = static_cast<TableLayout>(layout.get<int>());
    if (t.layout != TableLayout::TrimVolumeGrid) {
        const Json &e = object(j, "evenKeel", where);
        t.evenKeel.levels = numbers(e, "levels", where + ".evenKeel");
        t.evenKeel.values = numbers(e, "volumes", where + ".evenKeel");
    }
    if (t.layout != TableLayout::LevelToVolume) {
        t.trimConvention = valueOf(kTrimConventions, j, "trimConvention", where);
        const Json &g = object(j, "trim", where);
        t.trim.levels = numbers(g, "levels", where + ".trim");
        t.trim.columns = numbers(g, "trims", where + ".trim");
        if (t.trim.columns.empty())
            throw Damaged{where + ".trim has no trims"};
        readRows(g, where + ".trim", t.trim);
    }
    if (const auto l = j.find("list"); l != j.end()) {
        if (!l->is_object())
            throw Damaged{where + ".list is not an object"};
        ListCorrections list;
        list.target = valueOf(kTargets, *l, "to", where + ".list");
        list.convention = valueOf(kListConventions, *l, "convention", where + ".list");
        list.grid.levels = numbers(*l, "levels", where + ".list");
        list.grid.columns = numbers(*l, "lists", where + ".list");
        if (list.grid.columns.empty())
            throw Damaged{where + ".list has no lists"};
        readRows(*l, where + ".list", list.grid);
        t.list = std::move(list);
    }
    if (const auto s = j.find("shore"); s != j.end()) {
        if (!s->is_object())
            throw Damaged{where + ".shore is not an object"};
        const std::string at = where + ".shore";
        ShoreTankData shore;
        shore.material = text(*s, "material", at);
        shore.scale = valueOf(kScales, *s, "temperatureScale", at);
        if (s->contains("alpha"))
            shore.alpha = number(*s, "alpha", at);
        shore.shellReferenceTemperature = number(*s, "shellReferenceTemperature", at);
        shore.insulated = flag(*s, "insulated", at);
        if (s->contains("roof")) {
            const Json &r = object(*s, "roof", at);
            const std::string ra = at + ".roof";
            FloatingRoof roof;
            roof.weight = number(r, "weight", ra);
            roof.tableDeducted = flag(r, "tableDeducted", ra);
            roof.scale = valueOf(kGravityScales, r, "gravityScale", ra);
            roof.referenceGravity = number(r, "referenceGravity", ra);
            roof.rate = number(r, "rate", ra);
            roof.criticalLow = number(r, "criticalLow", ra);
            roof.criticalHigh = number(r, "criticalHigh", ra);
            shore.roof = roof;
        }
        t.shore = std::move(shore);
    }
    if (const auto g = j.find("geometry"); g != j.end()) {
        if (!g->is_object())
            throw Damaged{where + ".geometry is not an object"};
        const std::string at = where + ".geometry";
        TankGeometry geometry;
        if (g->contains("longitudinalOffset"))
            geometry.longitudinalOffset = number(*g, "longitudinalOffset", at);
        if (g->contains("transverseOffset"))
            geometry.transverseOffset = number(*g, "transverseOffset", at);
        if (g->contains("wedge")) {
            const Json &w = object(*g, "wedge", at);
            const std::string wa = at + ".wedge";
            TankWedgeSize size;
            size.tankLength = number(w, "tankLength", wa);
            size.tankWidth = number(w, "tankWidth", wa);
            size.tankDepth = number(w, "tankDepth", wa);
            size.hatchToBulkhead = number(w, "hatchToBulkhead", wa);
            geometry.wedge = size;
        }
        t.geometry = geometry;
    }
    return t;
}

// The indented text with every list of plain numbers on one line, so a table reads row by
// row ("values": [[1.0, 2.0], ...] keeps one row per line). Strings hold no raw line breaks,
// so a "[" followed by a line break is always the start of a list.
std::string numbersOnOneLine(const std::string &in)
{
    std::string out;
    out.reserve(in.size());
    bool inString = false;
    for (std::size_t i = 0; i < in.size(); ++i) {
        const char c = in[i];
        if (inString) {
            out += c;
            if (c == '\\' && i + 1 < in.size())
                out += in[++i];
            else if (c == '"')
                inString = false;
            continue;
        }
        if (c == '"')
            inString = true;
        if (c == '[' && i + 1 < in.size() && in[i + 1] == '\n') {
            const std::size_t close = in.find(']', i);
            const std::string_view body(in.data() + i + 1, close == std::string::npos ? 0 : close - i - 1);
            const bool numbers =
                close != std::string::npos && body.find_first_not_of("0123456789+-.eE,\n ") == std::string_view::npos;
            if (numbers) {
                out += '[';
                bool first = true;
                std::size_t pos = 0;
                while (pos < body.size()) {
                    const std::size_t start = body.find_first_not_of(", \n", pos);
                    if (start == std::string_view::npos)
                        break;
                    const std::size_t end = body.find_first_of(", \n", start);
                    out += first ? "" : ", ";
                    out += body.substr(start, end == std::string_view::npos ? body.size() - start : end - start);
                    first = false;
                    pos = end == std::string_view::npos ? body.size() : end;
                }
                out += ']';
                i = close;
                continue;
            }
        }
        out += c;
    }
    return out;
}

TankTableReadResult failure(TankTableReadError::Kind kind, std::string message)
{
    TankTableReadResult r;
    r.error = TankTableReadError{kind, std::move(message)};
    return r;
}

} // namespace

std::string TextSha256(std::string_view bytes)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_Digest(bytes.data(), bytes.size(), digest, &length, EVP_sha256(), nullptr) != 1)
        return {};
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    out.reserve(length * 2);
    for (unsigned int i = 0; i < length; ++i) {
        out += kHex[digest[i] >> 4];
        out += kHex[digest[i] & 0xF];
    }
    return out;
}

std::string TankTableSha256(const TankTable &table)
{
    return TextSha256(tableJson(table).dump(-1, ' ', false, Json::error_handler_t::replace));
}

std::string WriteTankTablesJson(const TankTableDocument &doc)
{
    Json j;
    j["format"] = kTankTableFormat;
    j["version"] = kTankTableVersion;
    j["owner"] = Json{{"kind", idOf(kOwnerKinds, doc.ownerKind)}, {"name", doc.owner}};
    Json tables = Json::array();
    for (const TankTable &t : doc.tables) {
        Json table = tableJson(t);
        table["sha256"] = TextSha256(table.dump(-1, ' ', false, Json::error_handler_t::replace));
        tables.push_back(std::move(table));
    }
    j["tables"] = std::move(tables);
    return numbersOnOneLine(j.dump(2, ' ', false, Json::error_handler_t::replace)) + "\n";
}

TankTableReadResult ReadTankTablesJson(std::string_view in)
{
    Json j;
    try {
        j = Json::parse(in.begin(), in.end());
    } catch (const Json::exception &e) {
        return failure(TankTableReadError::Kind::NotJson,
                       std::string("The file is damaged: not valid JSON (") + e.what() + ")");
    }
    const auto format = j.is_object() ? j.find("format") : j.end();
    if (!j.is_object() || format == j.end() || !format->is_string() || format->get<std::string>() != kTankTableFormat)
        return failure(TankTableReadError::Kind::NotATableDocument, "The file is not a Dravex tank table document");
    const auto version = j.find("version");
    if (version == j.end() || !version->is_number_integer())
        return failure(TankTableReadError::Kind::Damaged, "The file is damaged: it has no version number");
    const std::int64_t v = version->is_number_unsigned() && version->get<std::uint64_t>() > INT64_MAX
                               ? INT64_MAX
                               : version->get<std::int64_t>();
    if (v > kTankTableVersion)
        return failure(TankTableReadError::Kind::NewerVersion,
                       "The tank tables were written by a newer version of Dravex (file version " + std::to_string(v) +
                           "; this version reads up to " + std::to_string(kTankTableVersion) + ")");
    if (v < 1)
        return failure(TankTableReadError::Kind::Damaged,
                       "The file is damaged: version " + std::to_string(v) + " does not exist");
    try {
        TankTableDocument doc;
        const Json &owner = object(j, "owner", "document");
        doc.ownerKind = valueOf(kOwnerKinds, owner, "kind", "owner");
        doc.owner = text(owner, "name", "owner");
        const Json &tables = member(j, "tables", "document");
        if (!tables.is_array())
            throw Damaged{"document.tables is not a list"};
        for (std::size_t i = 0; i < tables.size(); ++i) {
            const std::string where = "tables[" + std::to_string(i + 1) + "]";
            TankTable t = readTable(tables[i], where);
            const std::string fault = CheckTankTable(t);
            if (!fault.empty())
                throw Damaged{where + ": " + fault};
            const std::string stored = text(tables[i], "sha256", where);
            const std::string actual = TankTableSha256(t);
            if (stored != actual)
                throw Damaged{"the table of tank " + t.name + " does not match its SHA-256 (stored " + stored +
                              ", content " + actual + "): it was changed outside Dravex"};
            doc.tables.push_back(std::move(t));
        }
        TankTableReadResult r;
        r.document = std::move(doc);
        return r;
    } catch (const Damaged &d) {
        return failure(TankTableReadError::Kind::Damaged, "The file is damaged: " + d.what);
    } catch (const Json::exception &e) {
        return failure(TankTableReadError::Kind::Damaged, std::string("The file is damaged: ") + e.what());
    }
}

} // namespace dravex
