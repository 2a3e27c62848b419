// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dravex {

// The ship/shore comparison of a loading or a discharge: the vessel's total calculated
// volume less what was on board before loading (OBQ) or remains after discharge (ROB),
// against the shore's figure (bill of lading at loading, outturn at discharge), measured
// and with the vessel experience factor applied (vessel figure divided by the VEF). The
// difference is receiver less sender, in percent of the sender's figure:
//   loading:   vessel less shore, percent of the shore's figure (the shore sends);
//   discharge: shore less vessel, percent of the vessel's figure (the vessel sends).
// The VEF applies here only; the report's own figures never carry it.
enum class Transfer { Loading, Discharge };

std::string_view TransferName(Transfer t); // "loading", "discharge"
// "OBQ" at loading, "ROB" at discharge; "bill of lading" / "outturn".
std::string_view OnBoardName(Transfer t);
std::string_view ShoreFigureName(Transfer t);

// A VEF from the primary method lies within the gross-error band of its voyages' ratios.
inline constexpr double kVefLowest = 0.98;
inline constexpr double kVefHighest = 1.02;

struct ShipShoreInput
{
    Transfer transfer = Transfer::Loading;
    std::optional<double> vesselTcv;        // at sailing (loading) or on arrival (discharge)
    std::optional<double> onBoard;          // OBQ or ROB; none is zero
    std::optional<double> shoreTcv;         // bill of lading or outturn
    std::optional<double> vef;              // none: the measured comparison only
    std::optional<double> tolerancePercent; // none: no tolerance, never a notice
    int decimals = 3;                       // places of every volume (bbl 2, m3 3)
    std::string unit;                       // wording only: "bbl", "m3"
};

struct ShipShoreLine
{
    double vessel = 0; // TCV less OBQ/ROB, or that divided by the VEF, to `decimals`
    double shore = 0;
    double difference = 0; // receiver less sender, to `decimals`
    double percent = 0;    // difference in percent of the sender's figure, 3 places
    bool beyondTolerance = false;
};

struct ShipShoreComparison
{
    // Bad input: nothing below is a figure, notice names the field and the fault.
    bool stopped = false;
    std::string notice;

    ShipShoreLine measured;
    std::optional<ShipShoreLine> withVef;
    // The line the tolerance is judged on: with the VEF when one is given.
    const ShipShoreLine &deciding() const { return withVef ? *withVef : measured; }
    // The wording of a notice of apparent discrepancy, when the deciding line is beyond
    // the tolerance; empty otherwise.
    std::string discrepancyNotice;
    // Each step with its figures, for the working panel and printouts.
    std::vector<std::string> working;
};

// Never throws. Stops with a notice when the vessel's TCV is missing, not finite or not
// above zero; OBQ/ROB is negative, not finite or not less than the TCV; the shore's figure
// is missing, zero, negative or not finite; the VEF is outside 0.98 to 1.02; the tolerance
// is negative or not finite; decimals is outside 0 to 6.
//   Loading, TCV 50210.000, OBQ 210.000, bill of lading 50100.000, VEF 1.0012:
//     measured: vessel 50000.000, difference -100.000, -0.200 % (of 50100.000);
//     with VEF: vessel 50000 / 1.0012 = 49940.072, difference -159.928, -0.319 %.
ShipShoreComparison CompareShipShore(const ShipShoreInput &input);

// The same from typed texts (ParseFieldNumber): an empty OBQ/ROB is zero, an empty VEF
// or tolerance is none, an empty TCV or shore figure stops; text that is not a number
// stops with a notice naming the field.
struct ShipShoreTexts
{
    std::string vesselTcv, onBoard, shoreTcv, vef, tolerancePercent;
};
ShipShoreComparison CompareShipShoreTexts(Transfer transfer, const ShipShoreTexts &texts, int decimals,
                                          std::string unit);

// A value with a fixed number of places, "." as separator, no grouping; a negative zero
// shows as zero. FormatFixed(-0.0004, 3) == "0.000", FormatFixed(1.5, 2) == "1.50".
std::string FormatFixed(double x, int places);

} // namespace dravex
