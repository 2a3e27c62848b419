// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/cargo_report_comparison.h"
#include "core/procedure.h"
#include "core/tank_table.h"

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace dravex {

// A cargo report: a ship's or shore terminal's tanks, one row each, with totals per grade.
// Every input is kept as the text typed; every figure is recomputed from those texts by
// running the same calculation as the matching table window, so a tank's VCF, volumes and
// weights read exactly as that window shows them for the same texts.

// US: barrels, degrees F, API at 60 F, Tables 6A/6B with the long-ton factor of Table 11.
// Metric: cubic metres, degrees C, density at 15 C in kg/m3, Tables 54A/54B with Table 57.
enum class UnitSystem { US, Metric };

// The measurement tables a report is computed with, chosen per report. Each edition names
// the windows whose calculations it runs (see ReportTables): the 1980 tables run the table
// windows; the 2004 edition runs the 2004 edition window (Vcf2004) at pressure 0, crude
// oils for type A and refined products for type B, to 60 F (US) or 15 C (metric).
enum class Edition { Tables1980, Edition2004 };

// VCF tank by tank, or per grade at the volume-weighted average temperature of the grade's
// tanks (the grade's average then stands in for each of its tanks' temperatures). The
// average is over the tanks that are counted: a tank that stops at its own temperature
// (out of a table's range, beyond a limit of the 2004 edition) is left out of it, and so is
// one that stops at the average, which is then taken again without it.
enum class VcfMethod { PerTank, GradeAverageTemperature };

enum class ReportOperation { Loading, Discharge, OnArrival, OnSailing, Other };

struct ReportHeader
{
    std::string vessel; // vessel or shore terminal
    std::string voyage;
    std::string port;
    std::string date;
    ReportOperation operation = ReportOperation::Loading;
    std::string surveyor;
    std::string remarks;
    SurveyKind survey = SurveyKind::Cargo;

    bool operator==(const ReportHeader &) const = default;
};

// The ship's condition the gauged tanks are corrected for, as typed, shown and kept with the
// header: drafts forward and aft and the length between perpendiculars in metres (metric
// report) or feet (US), the list in degrees and its side ("port" or "starboard").
// Trim = aft - forward.
struct ShipConditionText
{
    std::string draftForward;
    std::string draftAft;
    std::string lbp;
    std::string list;
    std::string listSide;

    bool typed() const
    {
        return !draftForward.empty() || !draftAft.empty() || !lbp.empty() || !list.empty() || !listSide.empty();
    }
    bool operator==(const ShipConditionText &) const = default;
};

// The typed columns of a tank row, in the order a row is shown and pasted.
enum class TankColumn {
    Tank,
    Grade,
    Type,                // "A" crude oils, "B" generalized products
    TotalObserved,       // total observed volume
    FreeWater,           // empty counts as none
    Temperature,         // observed temperature of the tank
    Gravity,             // API at 60 F or density at 15 C; or, instead,
    ObservedGravity,     // a hydrometer reading
    ObservedGravityTemp, // and the temperature of that reading
};
inline constexpr int kTankColumns = 9;

// A tank gauged against its calibration table, in place of a typed total observed volume
// and free water ("manual"). Every entry is kept as typed. The table is found by name in the
// report's tank table document; tableSha256 is the hash of the table the report was worked
// with, and a table whose hash has changed since is refused.
inline constexpr std::size_t kGaugeReadings = 5;
struct TankGauge
{
    std::string table;
    std::string tableSha256;                          // empty until the report is first worked with the table
    std::string levelUnit;                            // the readings' unit: "mm", "cm", "m", "ft-in-8"
    std::array<std::string, kGaugeReadings> readings; // ullages or innages as the table reads them
    std::string referenceHeight;                      // observed, optional
    std::string waterCut;                             // innage of the free water, empty: none
    std::string sedimentWater;                        // S&W in per cent, empty: none
    // Shore tanks: the ambient temperature, and for a floating roof the liquid's gravity at
    // tank temperature (table that deducted the roof) or its density in air at tank
    // temperature (table that did not).
    std::string ambientTemperature;
    std::string roofGravity;
    std::string roofDensity;

    bool operator==(const TankGauge &) const = default;
};

struct TankRow
{
    std::array<std::string, kTankColumns> cells;
    // A gauged row: its total observed volume and free water come from the table, and the
    // cells TotalObserved and FreeWater are not read.
    std::optional<TankGauge> gauge = std::nullopt;

    std::string &operator[](TankColumn c) { return cells[static_cast<int>(c)]; }
    const std::string &operator[](TankColumn c) const { return cells[static_cast<int>(c)]; }
    // A row with nothing typed in it; it is neither computed nor counted.
    bool blank() const;
    bool operator==(const TankRow &) const = default;
};

struct TankTableDocument;

struct CargoReport
{
    ReportHeader header;
    UnitSystem units = UnitSystem::US;
    Edition edition = Edition::Tables1980;
    VcfMethod vcfMethod = VcfMethod::PerTank;
    std::vector<TankRow> rows;
    ShipConditionText condition;
    // The tank table document the gauged rows' tables come from: a path as typed, taken
    // from the report file's folder when relative.
    std::string tankTables;
    // The ship/shore comparison's inputs (an OBQ/ROB survey has none).
    ReportComparisonText comparison;

    // Any row gauged, a tank table document named or the ship's condition typed: such a
    // report is written as format version 2.
    bool gauged() const;
    bool operator==(const CargoReport &) const = default;
};

// The computed columns of a tank row.
enum class ResultColumn {
    GrossObserved, // total observed less free water
    GravityUsed,   // the gravity the VCF was found with (corrected from the observed pair)
    Vcf,
    GrossStandard, // net barrels at 60 F, or cubic metres at 15 C
    LongTonFactor,
    LongTons,
    MetricTons, // in air
};
inline constexpr int kResultColumns = 7;

enum class ProductType { Crude, Products };

// The windows a row runs in one edition and unit system: the gravity correction for an
// observed pair and the volume correction, by product type; and the tables' names.
struct ReportTables
{
    const char *volumeForm[2];  // by ProductType
    const char *gravityForm[2]; // by ProductType
    const char *volumeTable[2]; // "Table 6A"
    const char *gravityTable[2];
    const char *longTonTable; // "Table 11"
};
const ReportTables &TablesFor(Edition edition, UnitSystem units);

// "1980", "2004"; the edition a file names, or nullopt when this version does not know it.
std::string_view EditionId(Edition edition);
std::optional<Edition> EditionFromId(std::string_view id);
// "1980 tables: Table 6A, Table 6B, Table 5A, Table 5B, Table 11; metric tons in air from long tons"
// "2004 edition (API MPMS 11.1-2004): crude oils (A) and refined products (B) to 60 F at
//   pressure 0, ...; Table 11 long-ton factor from the API at 60 F; ..."
std::string TablesUsed(Edition edition, UnitSystem units);

// One long ton in metric tons (2240 lb of 0.45359237 kg).
inline constexpr double kMetricTonsPerLongTon = 1.0160469088;

// Metric tons in air from long tons, rounded to 0.001 t.
//   MetricTonsFromLongTons(1355.73) == 1377.482
double MetricTonsFromLongTons(double longTons);
// Metric tons in air from cubic metres at 15 C and the density at 15 C: each cubic metre
// weighs in air the density less 1.1 kg/m3 (the air it displaces); rounded to 0.001 t.
//   MetricTonsInAir(9.915, 850) == 8.417
double MetricTonsInAir(double cubicMetres, double density15);

// How a row was computed: the texts each table window was run on and what it did, and
// every step in order (gross observed, the gravity window's working, the volume window's,
// metric tons; or where it stopped). Shared between successive results of unchanged rows.
struct RowTrace
{
    // For the 2004 edition both runs are of the Vcf2004 window: the gravity run finds the
    // density at the base from the observed pair (no gross), the volume run corrects the tank.
    const FormSpec *volumeForm = nullptr;
    FieldTexts volumeInputs;
    FormResult volume;
    // With an observed pair: the gravity window's run.
    const FormSpec *gravityForm = nullptr;
    FieldTexts gravityInputs;
    std::optional<FormResult> gravity;
    std::vector<std::string> working;
};

struct RowResult
{
    bool blank = true;
    bool stopped = false;
    // Why the row stopped (names the column or the window's field); or, for a row that was
    // computed, what its table windows said beside the figures (an input beyond the printed
    // table: the figures are an extrapolation), the advisories joined by "; ".
    std::string notice;
    // A row that was computed and counted, but not clean: its notice is the windows' word.
    bool advised = false;
    // Typed cells that hold no usable value (bit per TankColumn).
    unsigned badCells = 0;
    // Empty when the row stopped.
    std::array<std::string, kResultColumns> figures;
    // The volumes from the total observed to the total calculated, recorded in the report's
    // unit, for every row that completed. A typed row has no S&W: its NSV is its GSV.
    struct Volumes
    {
        std::string tov, freeWater, gov, gsv, swPercent, csw, nsv, tcv;
        std::string tableSha256; // a gauged row: the hash of the table it was worked with
    };
    Volumes volumes;
    std::shared_ptr<RowTrace> detail;

    const std::string &figure(ResultColumn c) const { return figures[static_cast<int>(c)]; }
    bool bad(TankColumn c) const { return badCells & (1u << static_cast<int>(c)); }
    const RowTrace &trace() const;
};

// Sums over the rows that completed; rows that stopped are named, not counted.
struct ReportTotal
{
    std::string grade; // empty for the overall total
    int tanks = 0;     // rows counted
    std::vector<std::string> stoppedTanks;
    // Rows counted whose table windows said something beside the figures (RowResult::advised).
    std::vector<std::string> advisedTanks;
    // Per grade with the average-temperature method: the average, as the rows use it.
    std::string averageTemperature;
    std::string grossObserved, grossStandard, longTons, metricTons;
    // Total observed, free water, net standard and total calculated volumes (the gross ones
    // are above).
    std::string tov, freeWater, nsv, tcv;
    // A sum beyond the double range.
    std::string notice;
};

struct ReportResult
{
    std::vector<RowResult> rows;
    std::vector<ReportTotal> grades; // in order of first appearance
    ReportTotal overall;

    // Every tank computed with nothing said beside its figures, and the sums good.
    bool clean() const
    {
        return overall.stoppedTanks.empty() && overall.advisedTanks.empty() && overall.notice.empty();
    }
};

// The name a row goes by in totals and notices: its tank text, else "row n" (1-based).
std::string RowName(const CargoReport &report, std::size_t row);

// Every row, grade and overall total from the typed texts; gauged rows take their tables
// from tables (none: each gauged row stops, naming the missing document). Never throws for
// any input.
ReportResult Recompute(const CargoReport &report, const TankTableDocument *tables = nullptr);

// Fills in the hash of each gauged row's table that has none yet, from tables, so that a
// later change of the table is noticed. Rows whose table is missing are left as they are.
void RecordTableHashes(CargoReport &report, const TankTableDocument &tables);

// Recomputation after edits: a row whose texts, units, edition and temperature used are
// as at the last call keeps its result, so an edited cell reruns its row (or its grade's
// rows, with the average-temperature method) and the totals. Equal to Recompute.
class ReportRecomputer
{
public:
    ReportResult operator()(const CargoReport &report, const TankTableDocument *tables = nullptr);

    // A table as it was hashed and checked: an equal table keeps its hash and its check.
    struct TableSeen
    {
        TankTable table;
        std::string hash;
        std::string fault; // CheckTankTable's word, "" when sound
    };

private:
    std::unordered_map<std::string, RowResult> m_rows;
    // Tables seen at the last call, by name.
    std::unordered_map<std::string, TableSeen> m_hashes;
};

// Column heads as files and printouts show them, with the unit of the report:
// "Total observed (bbl)", "VCF".
std::string TankColumnHead(TankColumn c, UnitSystem units);
std::string ResultColumnHead(ResultColumn c, UnitSystem units);

// Files.

struct ReportReadError
{
    enum class Kind { NotJson, NotAReport, Damaged, NewerVersion };
    Kind kind;
    std::string message; // says which, and where
    int line = 0;        // 1-based, for NotJson
    int column = 0;
};

struct ReportReadResult
{
    std::optional<CargoReport> report;
    std::optional<ReportReadError> error;
};

inline constexpr std::string_view kReportFormat = "dravex-cargo-report";
// Version 2 adds gauged rows, the ship's condition and the tank table document; a report
// without them is written as version 1, which every version reads.
inline constexpr int kReportVersion = 2;
// The largest report file read: a report of hundreds of tanks is well under a megabyte, and
// a device or a wrong file (/dev/zero, a disk image) is refused rather than read to the end.
inline constexpr std::size_t kMaxReportFileBytes = 16 * 1024 * 1024;

// The document as UTF-8 JSON: inputs as typed, no results.
std::string WriteReportJson(const CargoReport &report);
// A report from JSON text; an error that says which fault and where, never a throw.
ReportReadResult ReadReportJson(std::string_view text);

// The recomputed report as JSON for other programs: the document's keys, each tank with
// its figures (as shown) and notice, the grade totals and the overall total.
std::string WriteReportResultsJson(const CargoReport &report, const ReportResult &result);

// RFC 4180 CSV: a row of column heads, one row per tank (inputs, figures, notice), then a
// row per grade total and the overall total.
std::string WriteReportCsv(const CargoReport &report, const ReportResult &result);

std::string_view OperationId(ReportOperation op);   // "loading", "on-arrival"
std::string_view OperationName(ReportOperation op); // "Loading", "On arrival"

} // namespace dravex
