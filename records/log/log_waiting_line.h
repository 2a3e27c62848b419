// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One line of the file of records that wait to be written into the log: a compact JSON
// object a line. Kept free of Qt so that the reader can be fuzzed on its own; the writer
// turns it into a CalcRecord.
#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dravex {

struct WaitingField
{
    std::string field;
    std::string caption;
    std::string text;

    friend bool operator==(const WaitingField &, const WaitingField &) = default;
};

struct WaitingRecord
{
    // Written with the record, so that a file merged twice adds it once.
    std::string uid;
    // ISO 8601 with its offset from UTC.
    std::string at;
    std::string window;
    std::string title;
    std::vector<WaitingField> inputs;
    std::vector<WaitingField> options;
    std::vector<WaitingField> results;
    std::vector<std::string> working;
    bool outOfRange = false;
    bool stopped = false;
    std::string notice;
    std::string disclaimer;
    // The job the calculation was made for, as the JSON object text the log keeps; empty
    // for none.
    std::string job;

    friend bool operator==(const WaitingRecord &, const WaitingRecord &) = default;
};

namespace waiting_detail {

inline std::string text(const nlohmann::json &object, const char *key)
{
    const auto found = object.find(key);
    return found != object.end() && found->is_string() ? found->get<std::string>() : std::string();
}

inline bool flag(const nlohmann::json &object, const char *key)
{
    const auto found = object.find(key);
    return found != object.end() && found->is_boolean() && found->get<bool>();
}

// [[field, caption, text], ...]; a member that is no string reads as empty text.
inline std::vector<WaitingField> fields(const nlohmann::json &object, const char *key)
{
    std::vector<WaitingField> out;
    const auto found = object.find(key);
    if (found == object.end() || !found->is_array())
        return out;
    for (const nlohmann::json &f : *found) {
        if (!f.is_array())
            continue;
        WaitingField field;
        std::string *parts[] = {&field.field, &field.caption, &field.text};
        for (std::size_t i = 0; i < 3 && i < f.size(); ++i)
            if (f[i].is_string())
                *parts[i] = f[i].get<std::string>();
        out.push_back(std::move(field));
    }
    return out;
}

inline nlohmann::json fieldsJson(const std::vector<WaitingField> &fields)
{
    nlohmann::json array = nlohmann::json::array();
    for (const WaitingField &f : fields)
        array.push_back(nlohmann::json::array({f.field, f.caption, f.text}));
    return array;
}

} // namespace waiting_detail

// The record on one line, or nothing for a line that is none: not JSON (a line cut short
// by a crash while it was added), no object, or without its time and window. Never throws.
inline std::optional<WaitingRecord> ParseWaitingLine(std::string_view line)
{
    using namespace waiting_detail;
    const nlohmann::json object = nlohmann::json::parse(line.begin(), line.end(), nullptr, false);
    if (object.is_discarded() || !object.is_object())
        return std::nullopt;
    WaitingRecord r;
    r.uid = text(object, "uid");
    r.at = text(object, "at");
    r.window = text(object, "window");
    if (r.at.empty() || r.window.empty())
        return std::nullopt;
    r.title = text(object, "title");
    r.inputs = fields(object, "inputs");
    r.options = fields(object, "options");
    r.results = fields(object, "results");
    if (const auto working = object.find("working"); working != object.end() && working->is_array())
        for (const nlohmann::json &line : *working)
            r.working.push_back(line.is_string() ? line.get<std::string>() : std::string());
    r.outOfRange = flag(object, "outOfRange");
    r.stopped = flag(object, "stopped");
    r.notice = text(object, "notice");
    r.disclaimer = text(object, "disclaimer");
    r.job = text(object, "job");
    return r;
}

// The record as one line of compact JSON, without the line end. Text that is no UTF-8 is
// written with U+FFFD in its place.
inline std::string WaitingLine(const WaitingRecord &r)
{
    using namespace waiting_detail;
    const nlohmann::json object = {{"uid", r.uid},
                                   {"at", r.at},
                                   {"window", r.window},
                                   {"title", r.title},
                                   {"inputs", fieldsJson(r.inputs)},
                                   {"options", fieldsJson(r.options)},
                                   {"results", fieldsJson(r.results)},
                                   {"working", r.working},
                                   {"outOfRange", r.outOfRange},
                                   {"stopped", r.stopped},
                                   {"notice", r.notice},
                                   {"disclaimer", r.disclaimer},
                                   {"job", r.job}};
    return object.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

} // namespace dravex
