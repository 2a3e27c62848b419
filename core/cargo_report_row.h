// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One tank row of a cargo report computed: its typed cells read, the gravity and volume
// windows run, and for a gauged row its tank worked from the table first. Used by the
// report's computation only (core/cargo_report.cpp).

#include "core/calculations.h"
#include "core/cargo_report.h"
#include "core/conventions.h"
#include "core/correction_model.h"
#include "core/gauged_tank.h"
#include "core/tank_table_file.h"
#include "core/vcf2004_form.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace dravex::report_rows {

// The texts of the 2004 edition window for one run: type A is crude oils, B refined
// products; API to 60 F in degrees F (US) or kg/m3 to 15 C in degrees C (metric); the
// pressure left empty (0 psig); an empty gross leaves the net volume out.
FieldTexts vcf2004Texts(UnitSystem units, ProductType type, const std::string &density, bool observed,
                        const std::string &temperature, const std::string &gross);

// Places the totals of each computed column are rounded to, as the rows are: barrels to
// 0.01, cubic metres from whole litres, long tons to 0.01, metric tons to 0.001. Gross
// observed volumes are typed; six places clear the sum's binary noise.
constexpr int kGrossObservedPlaces = 6;
constexpr int kLongTonPlaces = 2;
constexpr int kMetricTonPlaces = 3;
int grossStandardPlaces(UnitSystem units);

bool isBlankText(std::string_view s);

std::string trimmed(std::string_view s);

std::optional<ProductType> productType(std::string_view text);

// Rounded to n places keeping the sign (RoundToPlaces gives a magnitude).
double signedRound(double x, int n);

int temperaturePlaces(UnitSystem units);

// A row's typed numbers, read once; a cell that is not a number is marked and named.
struct RowInputs
{
    std::optional<ProductType> type;
    double total = 0, freeWater = 0, temperature = 0;
    bool haveGravity = false, haveObserved = false;
    double grossObserved = 0;
    std::string grossObservedText;
    // A gauged row: its tank worked from the table (TOV, FW, GOV recorded).
    std::optional<GaugedVolumes> gauged;
};

// What gauged rows are worked with: the report's tank tables, each table's hash (found
// once per computation) and the ship's condition from the header.
struct GaugeContext
{
    const TankTableDocument *tables = nullptr;
    std::unordered_map<std::string, std::string> hashes; // by table name
    std::unordered_map<std::string, std::string> faults; // by table name: CheckTankTable's word
    ShipCondition condition;
};

class RowRunner
{
public:
    RowRunner(const CargoReport &report, const TankRow &row, RowResult &out, const GaugeContext *gauge = nullptr);

    static RowTrace &traceOf(RowResult &out);

    // Reads and checks the typed cells; false when the row cannot be computed.
    bool readInputs(RowInputs &in);

    // A gauged row's tank through its table, at the row's temperature: the TOV, FW and GOV
    // it gives stand for the typed cells.
    bool readGauge(RowInputs &in);

    // The volumes from the total observed to the total calculated, once the windows have
    // given the gross standard volume: a gauged row's S&W, CSW and NSV; a typed row has no
    // S&W, so its NSV is its GSV. A bad S&W stops the row.
    void finishVolumes(const RowInputs &in);

    // Runs the gravity and volume windows with the row's texts (temperature as given).
    void run(const RowInputs &in, const std::string &temperatureText);

    // The 2004 edition: an observed pair first through the 2004 window to the density at
    // the base (as the window shows it), then the tank through the same window at that
    // density, its temperature, pressure 0 and the gross observed volume. The gross
    // standard volume is the window's net volume (gross x CTPL) and the VCF its CTPL.
    // The 2004 edition has no weight tables, so the long-ton factor keeps the report's
    // tables, looked up with the window's API at 60 F (Table 11: rounded to 5 places for
    // crude oils, cut for products, as Tables 6A and 6B do) or its density at 15 C
    // (Table 57, cut to 4 places); long tons are factor x gross standard volume.
    void run2004(const RowInputs &in, const std::string &temperatureText);

    // Metric tons in air: US from the long tons, metric from the cubic metres at 15 C and
    // the density at 15 C.
    void addMetricTons(const std::string &longTonsText, const std::string &cubicText, const std::string &densityText);

    void stop(const std::string &notice);

private:
    // What a table window said beside the figures of a run that went on: kept as the
    // row's notice, and the row is not clean.
    void advise(const FormResult &r);

    // The inputs of the tank a window was run with, as the row's cells hold them.
    std::string cell(TankColumn c) const;
    std::string observedInputs() const;
    std::string volumeInputs(const std::string &gravityText, const std::string &temperatureText) const;

    // A window's notice for the row: a fault (a division by zero, an overflow) says which
    // of the tank's inputs the window was run with, so the user sees what caused it.
    static std::string windowNotice(const char *table, const FormResult &r, const std::string &inputs);

    double number(TankColumn c, bool emptyIsZero);

    void mark(TankColumn c);
    void note(const std::string &notice);
    void fail(TankColumn c, const std::string &notice);

    const CargoReport &m_report;
    const TankRow &m_row;
    RowResult &m_out;
    RowTrace &m_trace;
    const ReportTables &m_tables;
    const GaugeContext *m_gauge;
};

} // namespace dravex::report_rows
