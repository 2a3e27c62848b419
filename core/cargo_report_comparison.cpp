// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cargo_report_comparison.h"

#include "core/cargo_report.h"
#include "core/conventions.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>

namespace dravex {

namespace {

using Json = nlohmann::ordered_json;

struct ComparisonKey
{
    const char *key;
    std::string ReportComparisonText::*text;
};
constexpr ComparisonKey kComparisonKeys[] = {{"onBoard", &ReportComparisonText::onBoard},
                                             {"onBoardFrom", &ReportComparisonText::onBoardFrom},
                                             {"shoreTcv", &ReportComparisonText::shoreTcv},
                                             {"vef", &ReportComparisonText::vef},
                                             {"tolerancePercent", &ReportComparisonText::tolerancePercent},
                                             {"onBoardFreeWater", &ReportComparisonText::onBoardFreeWater}};

bool blank(const std::string &text)
{
    return text.find_first_not_of(" \t") == std::string::npos;
}

// The OBQ/ROB free water beside the TCV line of a comparison that was made; a notice
// naming the field when it cannot stand.
void freeWaterBeside(ReportComparison &c, const ReportComparisonText &t, const ReportResult &result)
{
    if (blank(t.onBoardFreeWater))
        return;
    const std::string onBoard(OnBoardName(*c.transfer));
    const std::string field = onBoard + " free water";
    try {
        const double water = ParseFieldNumber(t.onBoardFreeWater, field);
        const double taken = blank(t.onBoard) ? 0 : ParseFieldNumber(t.onBoard, onBoard);
        if (water < 0) {
            c.notice = "No comparison: " + field + ": cannot be negative";
            return;
        }
        if (water > taken) {
            c.notice = "No comparison: " + field + ": " + FormatFixed(water, c.decimals) + " is more than the " +
                       onBoard + " " + FormatFixed(taken, c.decimals) + " it is part of";
            return;
        }
        const double vessel = ParseFieldNumber(result.overall.freeWater, "Vessel free water");
        c.vesselFreeWater = result.overall.freeWater;
        c.onBoardFreeWater = FormatFixed(water, c.decimals);
        c.netFreeWater = FormatFixed(Finite(vessel - water), c.decimals);
        c.freeWaterShown = true;
    } catch (const CalcFault &fault) {
        c.notice = "No comparison: " + fault.message();
    }
}

std::string folded(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

std::string unitOf(const CargoReport &report)
{
    return report.units == UnitSystem::US ? "bbl" : "m3";
}

std::string surveyWords(SurveyKind kind)
{
    return kind == SurveyKind::Obq ? "OBQ survey before loading" : "ROB survey after discharge";
}

} // namespace

std::string_view SurveyKindId(SurveyKind kind)
{
    switch (kind) {
    case SurveyKind::Obq:
        return "obq";
    case SurveyKind::Rob:
        return "rob";
    case SurveyKind::Cargo:
        break;
    }
    return "cargo";
}

std::optional<SurveyKind> SurveyKindFromId(std::string_view id)
{
    for (SurveyKind k : {SurveyKind::Cargo, SurveyKind::Obq, SurveyKind::Rob})
        if (SurveyKindId(k) == id)
            return k;
    return std::nullopt;
}

bool ComparisonUsed(const CargoReport &report)
{
    return report.header.survey != SurveyKind::Cargo || report.comparison.typed();
}

std::optional<Transfer> ReportTransfer(const CargoReport &report)
{
    switch (report.header.operation) {
    case ReportOperation::Loading:
    case ReportOperation::OnSailing:
        return Transfer::Loading;
    case ReportOperation::Discharge:
    case ReportOperation::OnArrival:
        return Transfer::Discharge;
    case ReportOperation::Other:
        break;
    }
    return std::nullopt;
}

ReportComparison CompareReport(const CargoReport &report, const ReportResult &result)
{
    ReportComparison c;
    c.survey = report.header.survey;
    c.transfer = ReportTransfer(report);
    c.unit = unitOf(report);
    c.decimals = report.units == UnitSystem::US ? 2 : 3;
    c.vesselTcv = result.overall.tcv;
    const ReportComparisonText &t = report.comparison;
    if (c.survey != SurveyKind::Cargo) {
        c.notice = "An " + surveyWords(c.survey) + ": its TCV and free water are what the " +
                   (c.survey == SurveyKind::Obq ? "loading" : "discharge") + " report takes off";
        return c;
    }
    if (!c.transfer) {
        c.notice = "The comparison with the shore is made for a loading or a discharge; the operation is other";
        return c;
    }
    if (t.shoreTcv.find_first_not_of(" \t") == std::string::npos) {
        c.notice = "No comparison: type the shore's TCV from the " + std::string(ShoreFigureName(*c.transfer));
        return c;
    }
    if (!result.overall.stoppedTanks.empty() || !result.overall.notice.empty()) {
        std::string names;
        for (const std::string &n : result.overall.stoppedTanks)
            names += (names.empty() ? "" : ", ") + n;
        c.notice = "No comparison: the vessel's TCV leaves out " +
                   (names.empty() ? result.overall.notice : "the stopped tanks " + names) +
                   "; every tank must be computed";
        return c;
    }
    c.figures = CompareShipShoreTexts(
        *c.transfer, {result.overall.tcv, t.onBoard, t.shoreTcv, t.vef, t.tolerancePercent}, c.decimals, c.unit);
    if (c.figures.stopped)
        c.notice = "No comparison: " + c.figures.notice;
    else
        freeWaterBeside(c, t, result);
    return c;
}

OnBoardTaken OnBoardFromSurvey(const CargoReport &target, const CargoReport &survey, const ReportResult &surveyResult)
{
    OnBoardTaken taken;
    const std::optional<Transfer> transfer = ReportTransfer(target);
    if (!transfer) {
        taken.notice = "This report's operation is neither a loading nor a discharge: nothing is taken off";
        return taken;
    }
    const SurveyKind wanted = *transfer == Transfer::Loading ? SurveyKind::Obq : SurveyKind::Rob;
    if (survey.header.survey != wanted) {
        taken.notice = "The report is not an " + surveyWords(wanted) + "; a " + std::string(TransferName(*transfer)) +
                       " takes off the " + std::string(OnBoardName(*transfer));
        return taken;
    }
    if (survey.units != target.units) {
        taken.notice = "The survey is in " + unitOf(survey) + " and this report in " + unitOf(target);
        return taken;
    }
    const std::string a = folded(survey.header.vessel), b = folded(target.header.vessel);
    if (!a.empty() && !b.empty() && a != b) {
        taken.notice = "The survey is of " + survey.header.vessel + ", this report of " + target.header.vessel;
        return taken;
    }
    if (!surveyResult.overall.stoppedTanks.empty() || !surveyResult.overall.notice.empty()) {
        taken.notice = "The survey's TCV leaves out tanks that stopped; every tank must be computed";
        return taken;
    }
    if (surveyResult.overall.tcv.empty() || surveyResult.overall.tanks == 0) {
        taken.notice = "The survey has no tanks computed";
        return taken;
    }
    taken.figure = surveyResult.overall.tcv;
    taken.freeWater = surveyResult.overall.freeWater;
    return taken;
}

std::vector<std::pair<std::string, std::string>> ComparisonLines(const CargoReport &report, const ReportResult &result)
{
    std::vector<std::pair<std::string, std::string>> lines;
    if (!ComparisonUsed(report))
        return lines;
    const ReportComparison c = CompareReport(report, result);
    const std::string u = " (" + c.unit + ")";
    if (c.survey != SurveyKind::Cargo) {
        lines.emplace_back("Survey", surveyWords(c.survey));
        lines.emplace_back("TCV taken off" + u, c.vesselTcv);
        lines.emplace_back("Free water taken off" + u, result.overall.freeWater);
        return lines;
    }
    if (!c.made()) {
        lines.emplace_back("Comparison", c.notice);
        return lines;
    }
    const Transfer t = *c.transfer;
    const std::string onBoard(OnBoardName(t));
    const std::string shore(ShoreFigureName(t));
    const std::string sender = t == Transfer::Loading ? "the " + shore : "the vessel's figure";
    const ShipShoreComparison &f = c.figures;
    const int d = c.decimals;
    lines.emplace_back("Vessel TCV" + u, c.vesselTcv);
    const std::string &typedOnBoard = report.comparison.onBoard;
    const double onBoardValue =
        typedOnBoard.find_first_not_of(" \t") == std::string::npos ? 0 : ParseFieldNumber(typedOnBoard);
    lines.emplace_back("Less " + onBoard + u, FormatFixed(onBoardValue, d));
    if (!report.comparison.onBoardFrom.empty())
        lines.emplace_back(onBoard + " from", report.comparison.onBoardFrom);
    lines.emplace_back("Vessel figure" + u, FormatFixed(f.measured.vessel, d));
    if (c.freeWaterShown) {
        lines.emplace_back("Vessel free water" + u, c.vesselFreeWater);
        lines.emplace_back("Less " + onBoard + " free water" + u, c.onBoardFreeWater);
        lines.emplace_back("Free water less " + onBoard + u, c.netFreeWater);
    }
    lines.emplace_back("Shore TCV, " + shore + u, FormatFixed(f.measured.shore, d));
    lines.emplace_back("Difference, receiver less sender" + u, FormatFixed(f.measured.difference, d));
    lines.emplace_back("Difference (% of " + sender + ")", FormatFixed(f.measured.percent, 3));
    if (f.withVef) {
        lines.emplace_back("VEF", FormatFixed(ParseFieldNumber(report.comparison.vef), 4));
        lines.emplace_back("Vessel figure with the VEF" + u, FormatFixed(f.withVef->vessel, d));
        lines.emplace_back("Difference with the VEF" + u, FormatFixed(f.withVef->difference, d));
        lines.emplace_back("Difference with the VEF (% of " + sender + ")", FormatFixed(f.withVef->percent, 3));
    }
    if (report.comparison.tolerancePercent.find_first_not_of(" \t") != std::string::npos) {
        lines.emplace_back("Tolerance (%)", FormatFixed(ParseFieldNumber(report.comparison.tolerancePercent), 3));
        lines.emplace_back("Beyond the tolerance", f.deciding().beyondTolerance ? "yes" : "no");
    }
    if (!f.discrepancyNotice.empty())
        lines.emplace_back("Notice of apparent discrepancy", f.discrepancyNotice);
    return lines;
}

void WriteComparisonKeys(const CargoReport &report, Json &header, Json &root)
{
    if (report.header.survey != SurveyKind::Cargo)
        header["survey"] = SurveyKindId(report.header.survey);
    if (report.comparison.typed()) {
        Json c = Json::object();
        for (const ComparisonKey &k : kComparisonKeys) {
            // Absent unless given: files written before it read and write as they were.
            if (k.text == &ReportComparisonText::onBoardFreeWater && report.comparison.*k.text == "")
                continue;
            c[k.key] = report.comparison.*k.text;
        }
        root["comparison"] = std::move(c);
    }
}

std::string ReadComparisonKeys(const Json &root, CargoReport &report)
{
    if (const auto header = root.find("header"); header != root.end() && header->is_object()) {
        if (const auto survey = header->find("survey"); survey != header->end() && !survey->is_null()) {
            if (!survey->is_string())
                return "header.survey is not text";
            const std::string id = survey->get<std::string>();
            const std::optional<SurveyKind> kind = SurveyKindFromId(id.empty() ? "cargo" : id);
            if (!kind)
                return "header.survey is '" + id + "', not one of cargo, obq, rob";
            report.header.survey = *kind;
        }
    }
    const auto c = root.find("comparison");
    if (c == root.end() || c->is_null())
        return {};
    if (!c->is_object())
        return "report.comparison is not an object";
    for (const ComparisonKey &k : kComparisonKeys) {
        const auto it = c->find(k.key);
        if (it == c->end() || it->is_null())
            continue;
        if (!it->is_string())
            return std::string("comparison.") + k.key + " is not text";
        report.comparison.*k.text = it->get<std::string>();
    }
    return {};
}

Json ComparisonResultJson(const CargoReport &report, const ReportResult &result)
{
    const ReportComparison c = CompareReport(report, result);
    Json j = Json::object();
    j["survey"] = SurveyKindId(c.survey);
    j["transfer"] = c.transfer ? Json(std::string(TransferName(*c.transfer))) : Json(nullptr);
    j["unit"] = c.unit;
    j["made"] = c.made();
    j["notice"] = c.notice;
    if (!c.made())
        return j;
    const ShipShoreComparison &f = c.figures;
    const auto line = [&](const ShipShoreLine &l) {
        return Json{{"vessel", FormatFixed(l.vessel, c.decimals)},
                    {"shore", FormatFixed(l.shore, c.decimals)},
                    {"difference", FormatFixed(l.difference, c.decimals)},
                    {"percent", FormatFixed(l.percent, 3)},
                    {"beyondTolerance", l.beyondTolerance}};
    };
    j["vesselTcv"] = c.vesselTcv;
    j["measured"] = line(f.measured);
    j["withVef"] = f.withVef ? line(*f.withVef) : Json(nullptr);
    if (c.freeWaterShown)
        j["freeWater"] = Json{{"vessel", c.vesselFreeWater}, {"onBoard", c.onBoardFreeWater}, {"net", c.netFreeWater}};
    j["discrepancyNotice"] = f.discrepancyNotice;
    j["working"] = f.working;
    return j;
}

} // namespace dravex
