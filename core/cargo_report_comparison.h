// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ship_shore.h"

#include <nlohmann/json_fwd.hpp>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace dravex {

// What a cargo report surveys: the cargo of a loading or a discharge, or what is on board
// before loading (OBQ) or remains on board after discharge (ROB). The TCV and free water of
// an OBQ or ROB survey are what the loading or discharge report takes off.
enum class SurveyKind { Cargo, Obq, Rob };
std::string_view SurveyKindId(SurveyKind kind); // "cargo", "obq", "rob"
std::optional<SurveyKind> SurveyKindFromId(std::string_view id);

// The comparison inputs of a cargo report, kept as typed, in the report's unit: the OBQ or
// ROB taken off (typed, or the TCV of a saved OBQ/ROB survey, whose file name is kept in
// onBoardFrom), the shore's TCV from the bill of lading or the outturn, the VEF (optional)
// and the company's tolerance in percent (none: never a notice); and the OBQ or ROB free
// water (typed, or the survey's free-water total; empty: none, and no free-water line).
struct ReportComparisonText
{
    std::string onBoard;
    std::string onBoardFrom;
    std::string shoreTcv;
    std::string vef;
    std::string tolerancePercent;
    std::string onBoardFreeWater;

    bool typed() const
    {
        return !onBoard.empty() || !onBoardFrom.empty() || !shoreTcv.empty() || !vef.empty() ||
               !tolerancePercent.empty() || !onBoardFreeWater.empty();
    }
    bool operator==(const ReportComparisonText &) const = default;
};

struct CargoReport;
struct ReportResult;

// A survey kind other than cargo, or any comparison input: the report file, its exports
// and printouts carry the comparison. Reports without them stay as they were.
bool ComparisonUsed(const CargoReport &report);

// The transfer a report's operation is compared as: loading and on sailing as a loading,
// discharge and on arrival as a discharge; none for other operations.
std::optional<Transfer> ReportTransfer(const CargoReport &report);

struct ReportComparison
{
    SurveyKind survey = SurveyKind::Cargo;
    std::optional<Transfer> transfer;
    std::string unit;      // "bbl", "m3"
    int decimals = 2;      // of the report's volumes
    std::string vesselTcv; // the report's overall TCV as shown
    // Why there are no figures: an OBQ/ROB survey, an operation that is no transfer, no
    // shore figure yet, tanks left out of the TCV, or the comparison's own notice naming
    // the field. Empty when the comparison was made.
    std::string notice;
    ShipShoreComparison figures; // valid when made()
    // Beside the TCV line, when the OBQ/ROB free water is given and the comparison made: the
    // vessel's free water as shown, the OBQ/ROB free water and the one less the other, to
    // the report's places. The comparison itself stays on the TCV.
    bool freeWaterShown = false;
    std::string vesselFreeWater, onBoardFreeWater, netFreeWater;
    bool made() const { return notice.empty() && !figures.stopped; }
};

// The comparison of a report's overall TCV with the shore's figure (CompareShipShore). A
// report whose TCV leaves out stopped tanks is not compared: its figure is incomplete. An
// OBQ/ROB free water that is not a number, negative or above the OBQ/ROB stops it too.
ReportComparison CompareReport(const CargoReport &report, const ReportResult &result);

// The OBQ or ROB a report takes off, from a saved survey: its overall TCV and free-water
// texts, or a notice saying why it cannot be taken (not the right survey for the report's transfer,
// another unit, another vessel, tanks stopped, no TCV).
struct OnBoardTaken
{
    std::string figure;
    std::string freeWater;
    std::string notice;
};
OnBoardTaken OnBoardFromSurvey(const CargoReport &target, const CargoReport &survey, const ReportResult &surveyResult);

// The comparison as label and value lines, in the report's words ("Bill of lading (bbl)",
// "Difference (% of the bill of lading)"), for the CSV export; empty when not used.
std::vector<std::pair<std::string, std::string>> ComparisonLines(const CargoReport &report, const ReportResult &result);

// File keys, written only when ComparisonUsed: header.survey ("obq", "rob") and a
// "comparison" object of the five texts, and onBoardFreeWater in it only when given. ReadComparisonKeys returns what is
// damaged
// ("comparison.vef is not text"), empty when sound.
void WriteComparisonKeys(const CargoReport &report, nlohmann::ordered_json &header, nlohmann::ordered_json &root);
std::string ReadComparisonKeys(const nlohmann::ordered_json &root, CargoReport &report);
// The comparison with its figures, for the report's results as JSON.
nlohmann::ordered_json ComparisonResultJson(const CargoReport &report, const ReportResult &result);

} // namespace dravex
