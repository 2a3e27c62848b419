// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/vef.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <unordered_map>

namespace dravex {

namespace {

// Figures are combined in millionths of the unit, as whole numbers, so taking OBQ/ROB off
// and adding grades are exact and the one rounding to a whole number is half up on the
// decimal figure typed. Beyond these a figure is no cargo quantity, and the sums and
// ratios below stay well within 64 bits.
constexpr double kLargestFigure = 1e12;
constexpr std::int64_t kLargestVoyage = 100'000'000'000; // whole units
constexpr std::int64_t kMicro = 1'000'000;

// Lower case ASCII, blanks trimmed and runs of blanks made one: names typed twice alike
// need not match to the space or the case.
std::string normalised(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    bool blank = false;
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            blank = !out.empty();
            continue;
        }
        if (blank)
            out += ' ';
        blank = false;
        out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return out;
}

std::string unitKey(std::string_view unit)
{
    std::string u = normalised(unit);
    if (u == "bbls" || u == "barrels" || u == "barrel")
        return "bbl";
    if (u == "m\xC2\xB3" || u == "cbm" || u == "m^3")
        return "m3";
    return u;
}

// YYYY-MM-DD as yyyymmdd, or 0 when it is not a date of that form.
int dateKey(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return 0;
    int parts[3] = {0, 0, 0};
    int part = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == 4 || i == 7) {
            ++part;
            continue;
        }
        if (text[i] < '0' || text[i] > '9')
            return 0;
        parts[part] = parts[part] * 10 + (text[i] - '0');
    }
    const int y = parts[0], m = parts[1], d = parts[2];
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y < 1 || m < 1 || m > 12 || d < 1 || d > kDays[m - 1])
        return 0;
    if (m == 2 && d == 29 && !(y % 4 == 0 && (y % 100 != 0 || y % 400 == 0)))
        return 0;
    return y * 10000 + m * 100 + d;
}

// Where a line is: its line in the file, or its place in a typed log.
std::string lineName(const std::vector<VoyageEntry> &log, std::size_t i)
{
    return log[i].line ? "line " + std::to_string(log[i].line) : "entry " + std::to_string(i + 1);
}

std::string gradeName(const VoyageEntry &e)
{
    return e.grade.empty() ? std::string() : " (" + e.grade + ")";
}

std::string figureText(double x)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", x);
    return buffer;
}

// Whole numbers with thousands grouped: 1234567 -> "1,234,567".
std::string wholeText(std::int64_t x)
{
    std::string digits = std::to_string(x < 0 ? -x : x);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(static_cast<std::size_t>(i), ",");
    return x < 0 ? "-" + digits : digits;
}

// a / b in units of 10^-places, rounded half up; a >= 0, b > 0.
std::int64_t ratioHalfUp(std::int64_t a, std::int64_t b, std::int64_t scale)
{
    return (2 * a * scale + b) / (2 * b);
}

struct Reject
{
    VoyageReason reason;
    std::string why;
};

// The checks of one voyage's lines that need no other voyage: read, usable, figures.
// Fills the whole-number figures, or throws the reason it is rejected.
void checkFigures(VefVoyage &v, const std::vector<VoyageEntry> &log, VoyageOperation op, const std::string &unit)
{
    const char *onBoard = op == VoyageOperation::Load ? "OBQ" : "ROB";
    const char *shoreName = op == VoyageOperation::Load ? "bill of lading" : "outturn";
    for (const std::size_t i : v.entries) {
        const VoyageEntry &e = log[i];
        if (!e.problem.empty())
            throw Reject{VoyageReason::NotReadable, lineName(log, i) + ": " + e.problem};
    }
    for (const std::size_t i : v.entries) {
        if (!log[i].usable)
            throw Reject{VoyageReason::MarkedNotUsable, "marked not usable" + gradeName(log[i])};
    }
    for (const std::size_t i : v.entries) {
        const VoyageEntry &e = log[i];
        const std::string u = unitKey(e.unit);
        if (u.empty())
            throw Reject{VoyageReason::MixedUnits, "no unit given" + gradeName(e)};
        if (u != unit)
            throw Reject{VoyageReason::MixedUnits, "in " + e.unit + gradeName(e) + ", not in the form's unit " + unit};
    }
    std::int64_t vessel = 0, shore = 0;
    for (const std::size_t i : v.entries) {
        const VoyageEntry &e = log[i];
        const std::string g = gradeName(e);
        if (!e.shoreTcv || *e.shoreTcv == 0)
            throw Reject{VoyageReason::NoShoreFigure, std::string("no ") + shoreName + " figure" + g};
        if (!std::isfinite(*e.shoreTcv) || *e.shoreTcv < 0 || *e.shoreTcv > kLargestFigure)
            throw Reject{VoyageReason::NoShoreFigure,
                         std::string(shoreName) + " figure " + figureText(*e.shoreTcv) + g + " is no quantity"};
        if (!e.vesselTcv || *e.vesselTcv == 0)
            throw Reject{VoyageReason::NoVesselFigure, "no vessel TCV" + g};
        if (!std::isfinite(*e.vesselTcv) || *e.vesselTcv < 0 || *e.vesselTcv > kLargestFigure)
            throw Reject{VoyageReason::NoVesselFigure,
                         "vessel TCV " + figureText(*e.vesselTcv) + g + " is no quantity"};
        const double ob = e.onBoard.value_or(0);
        if (!std::isfinite(ob) || ob < 0 || ob > kLargestFigure)
            throw Reject{VoyageReason::NoVesselFigure,
                         std::string(onBoard) + " " + figureText(ob) + g + " is no quantity"};
        if (ob >= *e.vesselTcv)
            throw Reject{VoyageReason::NoVesselFigure, std::string(onBoard) + " " + figureText(ob) +
                                                           " is not less than the vessel TCV " +
                                                           figureText(*e.vesselTcv) + g};
        const std::int64_t net = std::llround(*e.vesselTcv * 1e6) - std::llround(ob * 1e6);
        if (__builtin_add_overflow(vessel, net, &vessel) ||
            __builtin_add_overflow(shore, std::llround(*e.shoreTcv * 1e6), &shore))
            throw Reject{VoyageReason::NotReadable, "the figures are beyond any cargo"};
    }
    v.vessel = (vessel + kMicro / 2) / kMicro;
    v.shore = (shore + kMicro / 2) / kMicro;
    if (v.vessel > kLargestVoyage || v.shore > kLargestVoyage)
        throw Reject{VoyageReason::NotReadable, "the figures are beyond any cargo"};
    v.hasFigures = true;
    if (v.shore == 0)
        throw Reject{VoyageReason::NoShoreFigure, std::string(shoreName) + " figure is zero as a whole number"};
    if (v.vessel == 0)
        throw Reject{VoyageReason::NoVesselFigure,
                     std::string("vessel TCV less ") + onBoard + " is zero as a whole number"};
    v.ratio = ratioHalfUp(v.vessel, v.shore, 100000);
    v.hasRatio = true;
    if (v.ratio < kGrossErrorLowest || v.ratio > kGrossErrorHighest)
        throw Reject{VoyageReason::GrossError,
                     "gross error: ratio " + PlacesText(v.ratio, 5) + " is outside 0.98000 to 1.02000"};
}

bool sameLine(const VoyageEntry &a, const VoyageEntry &b)
{
    return a.vesselTcv == b.vesselTcv && a.onBoard == b.onBoard && a.shoreTcv == b.shoreTcv &&
           unitKey(a.unit) == unitKey(b.unit) && a.usable == b.usable && a.problem == b.problem &&
           dateKey(a.date) == dateKey(b.date) && normalised(a.date) == normalised(b.date);
}

struct Candidate
{
    VefVoyage voyage;
    int date = 0;
    std::size_t order = 0; // first line in the log: later is more recent on the same date
    bool duplicated = false;
    std::string duplicateWhy;
};

VefResult computeGroup(const std::vector<VoyageEntry> &log, const std::vector<std::size_t> &lines,
                       const std::string &vessel, VoyageOperation op, const std::string &currentVoyage,
                       const std::string &requestedUnit)
{
    VefResult r;
    r.vessel = vessel;
    r.operation = op;
    const std::string name(VefName(op));

    // Lines of one voyage are its grades; the same grade twice is a repeat or a clash.
    std::vector<Candidate> candidates;
    candidates.reserve(lines.size());
    std::vector<VefVoyage> repeats;
    std::unordered_map<std::string, std::size_t> byVoyage;
    for (const std::size_t i : lines) {
        const VoyageEntry &e = log[i];
        const std::string key = normalised(e.voyage);
        std::size_t c;
        const auto found = key.empty() ? byVoyage.end() : byVoyage.find(key);
        if (found == byVoyage.end()) {
            c = candidates.size();
            if (!key.empty())
                byVoyage.emplace(key, c);
            Candidate fresh;
            fresh.voyage.voyage = e.voyage;
            fresh.voyage.port = e.port;
            fresh.order = i;
            candidates.push_back(std::move(fresh));
        } else {
            c = found->second;
        }
        Candidate &cand = candidates[c];
        const std::string grade = normalised(e.grade);
        const auto same = std::find_if(cand.voyage.entries.begin(), cand.voyage.entries.end(),
                                       [&](std::size_t j) { return normalised(log[j].grade) == grade; });
        if (same != cand.voyage.entries.end()) {
            if (sameLine(log[*same], e)) {
                VefVoyage repeat;
                repeat.voyage = e.voyage;
                repeat.date = e.date;
                repeat.port = e.port;
                repeat.entries = {i};
                repeat.status = VoyageStatus::NotConsidered;
                repeat.reason = VoyageReason::RepeatedEntry;
                repeat.why = lineName(log, i) + " repeats " + lineName(log, *same) + ": counted once";
                repeats.push_back(std::move(repeat));
                continue;
            }
            if (!cand.duplicated)
                cand.duplicateWhy = "entered twice with different figures" + gradeName(e) + ": " +
                                    lineName(log, *same) + " and " + lineName(log, i);
            cand.duplicated = true;
        }
        cand.voyage.entries.push_back(i);
    }

    // Dates: the latest of a voyage's grades; a voyage without one cannot be placed.
    std::vector<VefVoyage> undated;
    std::vector<std::size_t> dated; // into candidates
    dated.reserve(candidates.size());
    for (std::size_t c = 0; c < candidates.size(); ++c) {
        Candidate &cand = candidates[c];
        bool readable = true;
        for (const std::size_t j : cand.voyage.entries) {
            const int d = dateKey(log[j].date);
            if (d == 0)
                readable = false;
            if (d >= cand.date) {
                cand.date = d;
                cand.voyage.date = log[j].date;
            }
        }
        const bool current = !currentVoyage.empty() && normalised(cand.voyage.voyage) == currentVoyage;
        if (current) {
            cand.voyage.status = VoyageStatus::NotConsidered;
            cand.voyage.reason = VoyageReason::CurrentVoyage;
            cand.voyage.why = "the voyage this VEF is for";
            undated.push_back(std::move(cand.voyage));
        } else if (!readable) {
            cand.voyage.status = VoyageStatus::Rejected;
            cand.voyage.reason = VoyageReason::NoDate;
            const auto bad = std::find_if(cand.voyage.entries.begin(), cand.voyage.entries.end(),
                                          [&](std::size_t j) { return dateKey(log[j].date) == 0; });
            cand.voyage.why = "date '" + log[*bad].date +
                              "' is not a YYYY-MM-DD date: its place among the "
                              "voyages is unknown";
            cand.voyage.date = log[*bad].date;
            undated.push_back(std::move(cand.voyage));
        } else {
            dated.push_back(c);
        }
    }
    // Most recent first to pick the form's voyages, listed oldest first.
    std::sort(dated.begin(), dated.end(), [&](std::size_t i, std::size_t j) {
        const Candidate &a = candidates[i], &b = candidates[j];
        return a.date != b.date ? a.date > b.date : a.order > b.order;
    });
    const std::size_t onForm = std::min<std::size_t>(dated.size(), kVefMaxVoyages);
    r.considered = static_cast<int>(onForm);

    // The form's unit: as asked, else the one most of its voyages use (the most recent on
    // a tie).
    r.unit = unitKey(requestedUnit);
    if (r.unit.empty()) {
        std::map<std::string, int> votes;
        int best = 0;
        for (std::size_t k = 0; k < onForm; ++k) {
            const std::string u = unitKey(log[candidates[dated[k]].voyage.entries.front()].unit);
            if (!u.empty() && ++votes[u] > best) {
                best = votes[u];
                r.unit = u;
            }
        }
    }

    for (std::size_t k = 0; k < dated.size(); ++k) {
        Candidate &cand = candidates[dated[k]];
        VefVoyage &v = cand.voyage;
        if (k >= onForm) {
            v.status = VoyageStatus::NotConsidered;
            v.reason = VoyageReason::BeyondLimit;
            v.why = "older than the " + std::to_string(kVefMaxVoyages) + " most recent voyages";
            continue;
        }
        try {
            if (cand.duplicated)
                throw Reject{VoyageReason::Duplicated, cand.duplicateWhy};
            checkFigures(v, log, op, r.unit);
            v.status = VoyageStatus::SetAside; // until the band decides
            r.sumVessel += v.vessel;
            r.sumShore += v.shore;
        } catch (const Reject &reject) {
            v.status = VoyageStatus::Rejected;
            v.reason = reject.reason;
            v.why = reject.why;
            ++r.rejected;
        }
    }

    const int kept = r.considered - r.rejected;
    if (kept > 0) {
        const std::int64_t mean = ratioHalfUp(r.sumVessel, r.sumShore, 100000);
        r.mean = mean;
        r.lower = (mean * (1000 - kBandPerMille) + 500) / 1000;
        r.upper = (mean * (1000 + kBandPerMille) + 500) / 1000;
        r.working.push_back(std::to_string(kept) + (kept == 1 ? " voyage" : " voyages") + " not rejected: vessel " +
                            wholeText(r.sumVessel) + ", shore " + wholeText(r.sumShore) + ", mean ratio " +
                            PlacesText(mean, 5) + "; qualifying from " + PlacesText(*r.lower, 5) + " to " +
                            PlacesText(*r.upper, 5) + " (mean -/+ 0.30 %)");
        for (std::size_t k = 0; k < onForm; ++k) {
            VefVoyage &v = candidates[dated[k]].voyage;
            if (v.status != VoyageStatus::SetAside)
                continue;
            if (v.ratio < *r.lower) {
                v.reason = VoyageReason::OutsideBand;
                v.why = "ratio " + PlacesText(v.ratio, 5) + " is below the lower limit " + PlacesText(*r.lower, 5);
            } else if (v.ratio > *r.upper) {
                v.reason = VoyageReason::OutsideBand;
                v.why = "ratio " + PlacesText(v.ratio, 5) + " is above the upper limit " + PlacesText(*r.upper, 5);
            } else {
                v.status = VoyageStatus::Qualifying;
                v.why = "ratio " + PlacesText(v.ratio, 5) + " is within the limits";
                ++r.qualifying;
                r.qualifyingVessel += v.vessel;
                r.qualifyingShore += v.shore;
            }
        }
    }

    r.moreNeeded = std::max(0, kVefMinQualifying - r.qualifying);
    if (r.moreNeeded == 0) {
        r.vef = ratioHalfUp(r.qualifyingVessel, r.qualifyingShore, 10000);
        r.working.push_back(std::to_string(r.qualifying) + " qualifying voyages: vessel " +
                            wholeText(r.qualifyingVessel) + ", shore " + wholeText(r.qualifyingShore) + ", " + name +
                            " " + PlacesText(*r.vef, 4));
        r.summary = name + " " + PlacesText(*r.vef, 4) + " from " + std::to_string(r.qualifying) +
                    " qualifying voyages of " + std::to_string(r.considered);
    } else {
        r.summary = "No " + name + ": " + std::to_string(r.qualifying) +
                    (r.qualifying == 1 ? " voyage qualifies; " : " voyages qualify; ") +
                    std::to_string(kVefMinQualifying) + " are needed, " + std::to_string(r.moreNeeded) + " more";
    }

    // Oldest first, then the voyages no date could place and the repeated lines.
    r.voyages.reserve(candidates.size() + repeats.size());
    for (auto it = dated.rbegin(); it != dated.rend(); ++it)
        r.voyages.push_back(std::move(candidates[*it].voyage));
    for (VefVoyage &v : undated)
        r.voyages.push_back(std::move(v));
    for (VefVoyage &v : repeats)
        r.voyages.push_back(std::move(v));
    return r;
}

} // namespace

std::string_view VoyageOperationId(VoyageOperation op)
{
    return op == VoyageOperation::Load ? "load" : "discharge";
}

std::string_view VefName(VoyageOperation op)
{
    return op == VoyageOperation::Load ? "VEFL" : "VEFD";
}

std::string_view VoyageStatusName(VoyageStatus s)
{
    switch (s) {
    case VoyageStatus::Qualifying:
        return "qualifying";
    case VoyageStatus::SetAside:
        return "set aside";
    case VoyageStatus::Rejected:
        return "rejected";
    case VoyageStatus::NotConsidered:
        return "not considered";
    }
    return "rejected";
}

std::string PlacesText(std::int64_t value, int places)
{
    const bool negative = value < 0;
    std::string digits = std::to_string(negative ? -value : value);
    if (digits.size() <= static_cast<std::size_t>(places))
        digits.insert(0, static_cast<std::size_t>(places) + 1 - digits.size(), '0');
    digits.insert(digits.size() - static_cast<std::size_t>(places), ".");
    return negative ? "-" + digits : digits;
}

VefResult ComputeVef(const std::vector<VoyageEntry> &log, const VefRequest &request)
{
    const std::string vessel = normalised(request.vessel);
    std::vector<std::size_t> lines;
    for (std::size_t i = 0; i < log.size(); ++i) {
        if (log[i].operation == request.operation && normalised(log[i].vessel) == vessel)
            lines.push_back(i);
    }
    // The vessel as the log spells it.
    const std::string &name = lines.empty() ? request.vessel : log[lines.front()].vessel;
    return computeGroup(log, lines, name, request.operation, normalised(request.currentVoyage), request.unit);
}

std::vector<VefResult> ComputeFleetVefs(const std::vector<VoyageEntry> &log)
{
    // Per vessel, the lines of each operation.
    struct Group
    {
        std::string name;
        std::vector<std::size_t> lines[2];
    };
    std::vector<Group> groups;
    std::unordered_map<std::string, std::size_t> byVessel;
    for (std::size_t i = 0; i < log.size(); ++i) {
        const auto [it, fresh] = byVessel.try_emplace(normalised(log[i].vessel), groups.size());
        if (fresh)
            groups.push_back(Group{log[i].vessel, {}});
        groups[it->second].lines[log[i].operation == VoyageOperation::Load ? 0 : 1].push_back(i);
    }
    std::vector<VefResult> results;
    for (const Group &g : groups) {
        for (int op = 0; op < 2; ++op) {
            if (!g.lines[op].empty())
                results.push_back(computeGroup(log, g.lines[op], g.name,
                                               op == 0 ? VoyageOperation::Load : VoyageOperation::Discharge, {}, {}));
        }
    }
    return results;
}

} // namespace dravex
