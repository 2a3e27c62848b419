// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ship_shore.h"

#include "core/conventions.h"

#include <charconv>
#include <cmath>

namespace dravex {

namespace {

// Rounded half away from zero, keeping the sign.
double roundSigned(double x, int places)
{
    const double magnitude = RoundToPlaces(x, places);
    return x < 0 ? -magnitude : magnitude;
}

struct Stop
{
    std::string notice;
};

std::string withUnit(double x, int places, const std::string &unit)
{
    return unit.empty() ? FormatFixed(x, places) : FormatFixed(x, places) + " " + unit;
}

ShipShoreLine compare(Transfer transfer, double vessel, double shore, int decimals,
                      const std::optional<double> &tolerance)
{
    ShipShoreLine line;
    line.vessel = vessel;
    line.shore = shore;
    const bool loading = transfer == Transfer::Loading;
    const double receiver = loading ? vessel : shore;
    const double sender = loading ? shore : vessel;
    line.difference = roundSigned(Finite(receiver - sender), decimals);
    line.percent = roundSigned(Finite(Divide(line.difference, sender) * 100), 3);
    line.beyondTolerance = tolerance && std::fabs(line.percent) > *tolerance;
    return line;
}

std::string lineWorking(Transfer transfer, const char *what, const ShipShoreLine &line, int decimals,
                        const std::string &unit)
{
    const bool loading = transfer == Transfer::Loading;
    std::string text = std::string(what) + ": ";
    text += loading ? "vessel " + withUnit(line.vessel, decimals, unit) + " less " +
                          std::string(ShoreFigureName(transfer)) + " " + withUnit(line.shore, decimals, unit)
                    : std::string(ShoreFigureName(transfer)) + " " + withUnit(line.shore, decimals, unit) +
                          " less vessel " + withUnit(line.vessel, decimals, unit);
    text += " = " + withUnit(line.difference, decimals, unit) + ", " + FormatFixed(line.percent, 3) + " % of the " +
            (loading ? std::string(ShoreFigureName(transfer)) : std::string("vessel's figure"));
    if (line.beyondTolerance)
        text += ", beyond the tolerance";
    return text;
}

// What a surveyor writes when the figures part by more than was agreed.
std::string discrepancy(Transfer transfer, const ShipShoreInput &in, double vesselNet, const ShipShoreLine &line)
{
    const bool loading = transfer == Transfer::Loading;
    const std::string onBoard(OnBoardName(transfer));
    const std::string shoreName(ShoreFigureName(transfer));
    const int d = in.decimals;
    std::string text = "Notice of apparent discrepancy at " + std::string(TransferName(transfer)) + ". ";
    text += "The vessel's figure, TCV " + withUnit(*in.vesselTcv, d, in.unit) + " less " + onBoard + " " +
            withUnit(in.onBoard.value_or(0), d, in.unit) + ", is " + withUnit(vesselNet, d, in.unit);
    if (in.vef)
        text += ", " + withUnit(line.vessel, d, in.unit) + " with the vessel experience factor of " +
                FormatFixed(*in.vef, 4) + " applied";
    text += "; the " + shoreName + " figure is " + withUnit(line.shore, d, in.unit) + ". ";
    const bool less = line.difference < 0;
    text += loading ? "The vessel received " : "The shore received ";
    text += withUnit(std::fabs(line.difference), d, in.unit) + " (" + FormatFixed(std::fabs(line.percent), 3) + " %) " +
            (less ? "less" : "more") + " than ";
    text += loading ? "the " + shoreName + " states" : "the vessel delivered";
    text += ", beyond the agreed tolerance of " + FormatFixed(*in.tolerancePercent, 3) + " %. ";
    text += "The difference is noted for investigation and all rights of the parties are reserved.";
    return text;
}

void check(const std::optional<double> &value, const std::string &field, bool required)
{
    if (!value) {
        if (required)
            throw Stop{field + ": no figure given"};
        return;
    }
    if (!std::isfinite(*value))
        throw Stop{field + ": not a finite number"};
}

} // namespace

std::string_view TransferName(Transfer t)
{
    return t == Transfer::Loading ? "loading" : "discharge";
}

std::string_view OnBoardName(Transfer t)
{
    return t == Transfer::Loading ? "OBQ" : "ROB";
}

std::string_view ShoreFigureName(Transfer t)
{
    return t == Transfer::Loading ? "bill of lading" : "outturn";
}

std::string FormatFixed(double x, int places)
{
    if (!std::isfinite(x))
        return {};
    char buffer[400];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, places);
    std::string text(buffer, r.ptr);
    // "-0.000": the sign of a value that shows as zero is dropped.
    if (!text.empty() && text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

ShipShoreComparison CompareShipShore(const ShipShoreInput &in)
{
    ShipShoreComparison result;
    const Transfer t = in.transfer;
    const std::string onBoard(OnBoardName(t));
    const std::string shoreField = "Shore TCV (" + std::string(ShoreFigureName(t)) + ")";
    try {
        if (in.decimals < 0 || in.decimals > 6)
            throw Stop{"Volumes: " + std::to_string(in.decimals) + " decimal places; 0 to 6 are possible"};
        check(in.vesselTcv, "Vessel TCV", true);
        if (*in.vesselTcv <= 0)
            throw Stop{"Vessel TCV: must be more than zero"};
        check(in.onBoard, onBoard, false);
        const double onBoardValue = in.onBoard.value_or(0);
        if (onBoardValue < 0)
            throw Stop{onBoard + ": cannot be negative"};
        if (onBoardValue >= *in.vesselTcv)
            throw Stop{onBoard + ": " + FormatFixed(onBoardValue, in.decimals) + " is not less than the vessel TCV " +
                       FormatFixed(*in.vesselTcv, in.decimals) + "; the vessel's figure would be nothing"};
        check(in.shoreTcv, shoreField, true);
        if (*in.shoreTcv <= 0)
            throw Stop{shoreField + ": must be more than zero"};
        check(in.vef, "VEF", false);
        if (in.vef && (*in.vef < kVefLowest || *in.vef > kVefHighest))
            throw Stop{"VEF: " + FormatFieldNumber(*in.vef) +
                       " is outside 0.98 to 1.02, where every voyage of a VEF must lie"};
        check(in.tolerancePercent, "Tolerance", false);
        if (in.tolerancePercent && *in.tolerancePercent < 0)
            throw Stop{"Tolerance: cannot be negative"};

        const int d = in.decimals;
        const double net = RoundToPlaces(Finite(*in.vesselTcv - onBoardValue), d);
        const double shore = RoundToPlaces(*in.shoreTcv, d);
        if (net <= 0)
            throw Stop{onBoard + ": " + FormatFixed(onBoardValue, d) + " leaves nothing of the vessel TCV " +
                       FormatFixed(*in.vesselTcv, d) + " to " + std::to_string(d) + " places"};
        if (shore <= 0)
            throw Stop{shoreField + ": " + FormatFieldNumber(*in.shoreTcv) + " is zero to " + std::to_string(d) +
                       " places"};
        result.working.push_back("Vessel TCV " + withUnit(*in.vesselTcv, d, in.unit) + " less " + onBoard + " " +
                                 withUnit(onBoardValue, d, in.unit) + " = " + withUnit(net, d, in.unit));
        result.measured = compare(t, net, shore, d, in.tolerancePercent);
        result.working.push_back(lineWorking(t, "Measured", result.measured, d, in.unit));
        if (in.vef) {
            const double corrected = RoundToPlaces(Divide(net, *in.vef), d);
            result.working.push_back("Vessel figure with the VEF: " + withUnit(net, d, in.unit) + " / " +
                                     FormatFixed(*in.vef, 4) + " = " + withUnit(corrected, d, in.unit));
            result.withVef = compare(t, corrected, shore, d, in.tolerancePercent);
            result.working.push_back(lineWorking(t, "With the VEF", *result.withVef, d, in.unit));
        }
        if (in.tolerancePercent)
            result.working.push_back("Tolerance " + FormatFixed(*in.tolerancePercent, 3) +
                                     " %: " + (result.deciding().beyondTolerance ? "beyond" : "within"));
        if (result.deciding().beyondTolerance)
            result.discrepancyNotice = discrepancy(t, in, net, result.deciding());
    } catch (const Stop &stop) {
        result = {};
        result.stopped = true;
        result.notice = stop.notice;
    } catch (const CalcFault &fault) {
        result = {};
        result.stopped = true;
        result.notice = fault.message();
    }
    return result;
}

ShipShoreComparison CompareShipShoreTexts(Transfer transfer, const ShipShoreTexts &texts, int decimals,
                                          std::string unit)
{
    ShipShoreInput in;
    in.transfer = transfer;
    in.decimals = decimals;
    in.unit = std::move(unit);
    const auto read = [](const std::string &text, const std::string &caption) -> std::optional<double> {
        if (text.find_first_not_of(" \t") == std::string::npos)
            return std::nullopt;
        return ParseFieldNumber(text, caption);
    };
    try {
        in.vesselTcv = read(texts.vesselTcv, "Vessel TCV");
        in.onBoard = read(texts.onBoard, std::string(OnBoardName(transfer)));
        in.shoreTcv = read(texts.shoreTcv, "Shore TCV (" + std::string(ShoreFigureName(transfer)) + ")");
        in.vef = read(texts.vef, "VEF");
        in.tolerancePercent = read(texts.tolerancePercent, "Tolerance");
    } catch (const CalcFault &fault) {
        ShipShoreComparison result;
        result.stopped = true;
        result.notice = fault.message();
        return result;
    }
    return CompareShipShore(in);
}

} // namespace dravex
