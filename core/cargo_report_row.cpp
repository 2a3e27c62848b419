// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cargo_report_row.h"

#include "core/gravity_correction.h"

#include <cmath>
#include <memory>

namespace dravex::report_rows {

FieldTexts vcf2004Texts(UnitSystem units, ProductType type, const std::string &density, bool observed,
                        const std::string &temperature, const std::string &gross)
{
    const bool us = units == UnitSystem::US;
    const bool crude = type == ProductType::Crude;
    const auto option = [](bool on) { return on ? std::string(kChosen) : std::string(); };
    return {{"optCrude", option(crude)},
            {"optProducts", option(!crude)},
            {"optLubricants", {}},
            {"optSpecial", {}},
            {"txtalpha", {}},
            {"txtdensity", density},
            {"optApi", option(us)},
            {"optRd", {}},
            {"optKgm3", option(!us)},
            {"optObserved", option(observed)},
            {"optAtBase", option(!observed)},
            {"optBase60F", option(us)},
            {"optBase15C", option(!us)},
            {"optBase20C", {}},
            {"txttemp", temperature},
            {"optF", option(us)},
            {"optC", option(!us)},
            {"txtpressure", {}},
            {"optPsig", option(true)},
            {"optKpa", {}},
            {"optBar", {}},
            {"txtgross", gross}};
}

int grossStandardPlaces(UnitSystem units)
{
    return units == UnitSystem::US ? 2 : 3;
}

bool isBlankText(std::string_view s)
{
    for (const char c : s)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            return false;
    return true;
}

std::string trimmed(std::string_view s)
{
    std::size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t'))
        ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t'))
        --e;
    return std::string(s.substr(b, e - b));
}

std::optional<ProductType> productType(std::string_view text)
{
    const std::string t = trimmed(text);
    if (t == "A" || t == "a")
        return ProductType::Crude;
    if (t == "B" || t == "b")
        return ProductType::Products;
    return std::nullopt;
}

double signedRound(double x, int n)
{
    const double r = RoundToPlaces(x, n);
    return x < 0 ? -r : r;
}

int temperaturePlaces(UnitSystem units)
{
    // The table windows ask for temperatures to 0.5 F and 0.25 C.
    return units == UnitSystem::US ? 1 : 2;
}

RowRunner::RowRunner(const CargoReport &report, const TankRow &row, RowResult &out, const GaugeContext *gauge)
    : m_report(report), m_row(row), m_out(out), m_trace(traceOf(out)),
      m_tables(TablesFor(report.edition, report.units)), m_gauge(gauge)
{
}

RowTrace &RowRunner::traceOf(RowResult &out)
{
    if (!out.detail)
        out.detail = std::make_shared<RowTrace>();
    return *out.detail;
}

bool RowRunner::readInputs(RowInputs &in)
{
    in.type = productType(m_row[TankColumn::Type]);
    if (!in.type)
        fail(TankColumn::Type, TankColumnHead(TankColumn::Type, m_report.units) + ": '" + m_row[TankColumn::Type] +
                                   "' is neither A (crude oils) nor B (products)");
    if (!m_row.gauge) {
        in.total = number(TankColumn::TotalObserved, false);
        in.freeWater = number(TankColumn::FreeWater, true);
    }
    in.temperature = number(TankColumn::Temperature, false);
    in.haveGravity = !isBlankText(m_row[TankColumn::Gravity]);
    in.haveObserved =
        !isBlankText(m_row[TankColumn::ObservedGravity]) || !isBlankText(m_row[TankColumn::ObservedGravityTemp]);
    if (in.haveGravity && in.haveObserved) {
        mark(TankColumn::Gravity);
        mark(TankColumn::ObservedGravity);
        note("Give either the gravity at base or the observed gravity and its temperature, not both");
    } else if (in.haveObserved) {
        number(TankColumn::ObservedGravity, false);
        number(TankColumn::ObservedGravityTemp, false);
    } else {
        number(TankColumn::Gravity, false);
    }
    if (m_out.badCells)
        return false;
    if (m_row.gauge)
        return readGauge(in);
    if (in.total < 0) {
        fail(TankColumn::TotalObserved, TankColumnHead(TankColumn::TotalObserved, m_report.units) + " is negative");
        return false;
    }
    if (in.freeWater < 0 || in.freeWater > in.total) {
        fail(TankColumn::FreeWater, TankColumnHead(TankColumn::FreeWater, m_report.units) +
                                        (in.freeWater < 0 ? " is negative" : " exceeds the total observed volume"));
        return false;
    }
    // Differences of typed decimals carry binary noise; the shown form of 15 digits
    // is the volume the tank holds.
    in.grossObservedText = FormatFieldNumber(in.total - in.freeWater);
    in.grossObserved = ParseFieldNumber(in.grossObservedText);
    m_out.figures[static_cast<int>(ResultColumn::GrossObserved)] = in.grossObservedText;
    return true;
}

bool RowRunner::readGauge(RowInputs &in)
{
    static const GaugeContext kNoTables;
    const GaugeContext &context = m_gauge ? *m_gauge : kNoTables;
    const std::string name = trimmed(m_row[TankColumn::Tank]);
    const std::string tableName = m_row.gauge->table.empty() ? name : m_row.gauge->table;
    const TankTable *table = nullptr;
    std::string hash;
    const std::string *fault = nullptr;
    if (context.tables) {
        for (const TankTable &t : context.tables->tables)
            if (t.name == tableName) {
                table = &t;
                break;
            }
        if (const auto found = context.hashes.find(tableName); found != context.hashes.end())
            hash = found->second;
        if (const auto found = context.faults.find(tableName); found != context.faults.end())
            fault = &found->second;
    }
    TankLiquid liquid;
    liquid.temperature = in.temperature;
    liquid.crude = *in.type == ProductType::Crude;
    try {
        if (in.haveGravity) {
            liquid.baseGravity = ParseFieldNumber(m_row[TankColumn::Gravity]);
        } else if (in.haveObserved) {
            // The base as the gravity tables give it from the observed pair; the roof of a
            // floating-roof tank is then adjusted at the gravity they give at the tank's.
            const double observed = ParseFieldNumber(m_row[TankColumn::ObservedGravity]);
            const double at = ParseFieldNumber(m_row[TankColumn::ObservedGravityTemp]);
            if (m_report.units == UnitSystem::US) {
                liquid.baseGravity = ShownApi60(ObservedApiToApi60(observed, at,
                                                                   liquid.crude ? TemperatureDifference::WholeDegrees
                                                                                : TemperatureDifference::Exact)
                                                    .api60);
            } else {
                const Density15Correction c = ObservedDensityToDensity15(
                    observed, at, liquid.crude ? DensityTable::Table53A : DensityTable::Table53B);
                if (!c.outOfRange)
                    liquid.baseGravity = RoundToPlaces(c.density15, 1);
            }
        }
    } catch (const CalcFault &) {
        liquid.baseGravity.reset(); // the gravity window says why when the row runs
    }
    in.gauged = GaugeTank(*m_row.gauge, name.empty() ? "row" : name, context.condition, m_report.units, context.tables,
                          table, hash, fault, liquid);
    const GaugedVolumes &g = *in.gauged;
    if (g.stop) {
        m_trace.working.insert(m_trace.working.end(), g.working.begin(), g.working.end() - 1);
        note(*g.stop);
        return false;
    }
    in.total = g.tov;
    in.freeWater = g.freeWater;
    in.grossObservedText = FormatFieldNumber(g.gov);
    in.grossObserved = g.gov;
    m_out.figures[static_cast<int>(ResultColumn::GrossObserved)] = in.grossObservedText;
    return true;
}

void RowRunner::finishVolumes(const RowInputs &in)
{
    RowResult::Volumes &v = m_out.volumes;
    const double gsv = ParseFieldNumber(m_out.figure(ResultColumn::GrossStandard));
    v.tov = FormatFieldNumber(in.total);
    v.freeWater = FormatFieldNumber(in.freeWater);
    v.gov = in.grossObservedText;
    v.gsv = m_out.figure(ResultColumn::GrossStandard);
    if (!in.gauged) {
        v.nsv = v.gsv;
        v.tcv = FormatFieldNumber(signedRound(gsv + in.freeWater, grossStandardPlaces(m_report.units)));
        return;
    }
    v.tableSha256 = in.gauged->tableSha256;
    const NetVolumes n = NetFromGross(gsv, in.freeWater, m_row.gauge->sedimentWater, m_report.units);
    m_trace.working.insert(m_trace.working.end(), n.working.begin(), n.working.end());
    if (!n.notice.empty()) {
        m_out.notice.clear(); // the windows' word gives way to why the row stopped
        m_out.advised = false;
        stop(n.notice);
        return;
    }
    v.swPercent = FormatFieldNumber(n.swPercent);
    v.csw = FormatFieldNumber(n.csw);
    v.nsv = FormatFieldNumber(n.nsv);
    v.tcv = FormatFieldNumber(n.tcv);
    if (!in.gauged->advisory.empty()) {
        // Said beside the figures, before what the windows said.
        m_out.advised = true;
        m_out.notice = in.gauged->advisory + (m_out.notice.empty() ? "" : "; " + m_out.notice);
    }
}

void RowRunner::run(const RowInputs &in, const std::string &temperatureText)
{
    const std::string unit = m_report.units == UnitSystem::US ? "bbl" : "m3";
    const int t = static_cast<int>(*in.type);
    if (in.gauged)
        m_trace.working.insert(m_trace.working.end(), in.gauged->working.begin(), in.gauged->working.end());
    else
        m_trace.working.push_back("Gross observed volume: " + FormatFieldNumber(in.total) + " " + unit + " - " +
                                  FormatFieldNumber(in.freeWater) + " " + unit +
                                  " free water = " + in.grossObservedText + " " + unit);
    if (m_report.edition == Edition::Edition2004) {
        run2004(in, temperatureText);
        return;
    }

    std::string gravityText = m_row[TankColumn::Gravity];
    if (in.haveObserved) {
        const Calculation *calc = FindCalculation(m_tables.gravityForm[t], "txtobt");
        if (!calc) {
            stop(std::string(m_tables.gravityTable[t]) + " is not available in this version");
            return;
        }
        m_trace.gravityForm = calc->form;
        m_trace.gravityInputs = {{"txtobg", m_row[TankColumn::ObservedGravity]},
                                 {"txtobt", m_row[TankColumn::ObservedGravityTemp]}};
        m_trace.gravity = calc->run(m_trace.gravityInputs);
        const FormResult &g = *m_trace.gravity;
        m_trace.working.push_back(std::string(m_tables.gravityTable[t]) + " (" + std::string(calc->form->name) + "):");
        m_trace.working.insert(m_trace.working.end(), g.working.begin(), g.working.end());
        const std::string *corrected = g.written("txtcg");
        if (!g.completed() || g.outOfRange || !corrected) {
            stop(g.notice.empty() ? std::string(m_tables.gravityTable[t]) + ": observed gravity out of range"
                                  : windowNotice(m_tables.gravityTable[t], g, observedInputs()));
            return;
        }
        advise(g);
        gravityText = *corrected;
    }
    m_out.figures[static_cast<int>(ResultColumn::GravityUsed)] = gravityText;

    const Calculation *calc = FindCalculation(m_tables.volumeForm[t], "txtgv");
    if (!calc) {
        stop(std::string(m_tables.volumeTable[t]) + " is not available in this version");
        return;
    }
    m_trace.volumeForm = calc->form;
    const std::string grossText =
        m_report.units == UnitSystem::US ? in.grossObservedText : FormatFieldNumber(in.grossObserved * 1000); // litres
    m_trace.volumeInputs = {{"txtapi", gravityText}, {"txtem", temperatureText}, {"txtgv", grossText}};
    m_trace.volume = calc->run(m_trace.volumeInputs);
    const FormResult &v = m_trace.volume;
    m_trace.working.push_back(std::string(m_tables.volumeTable[t]) + " (" + std::string(calc->form->name) +
                              "), gravity " + gravityText + ", temperature " + temperatureText + ", gross " +
                              grossText + (m_report.units == UnitSystem::US ? " bbl" : " L") + ":");
    m_trace.working.insert(m_trace.working.end(), v.working.begin(), v.working.end());
    if (!v.completed() || v.outOfRange) {
        stop(v.notice.empty() ? std::string(m_tables.volumeTable[t]) + ": gravity out of the table's range"
                              : windowNotice(m_tables.volumeTable[t], v, volumeInputs(gravityText, temperatureText)));
        return;
    }
    advise(v);
    const char *standardField = m_report.units == UnitSystem::US ? "txtbbl" : "txtcm";
    const std::pair<ResultColumn, const char *> copies[] = {{ResultColumn::Vcf, "txtvcf"},
                                                            {ResultColumn::GrossStandard, standardField},
                                                            {ResultColumn::LongTonFactor, "txtlf"},
                                                            {ResultColumn::LongTons, "txtltn"}};
    for (const auto &[column, field] : copies) {
        const std::string *text = v.written(field);
        if (!text) {
            stop(std::string(m_tables.volumeTable[t]) + " wrote no " + field);
            return;
        }
        m_out.figures[static_cast<int>(column)] = *text;
    }
    try {
        // The metric windows write cubic metres; the US ones have no such field.
        const std::string *cubicMetres = v.written("txtcm");
        addMetricTons(*v.written("txtltn"), cubicMetres ? *cubicMetres : std::string(), gravityText);
    } catch (const CalcFault &fault) {
        stop(fault.message());
    }
}

void RowRunner::run2004(const RowInputs &in, const std::string &temperatureText)
{
    const bool us = m_report.units == UnitSystem::US;
    const int t = static_cast<int>(*in.type);
    const char *baseField = us ? "txtapi60" : "txtdensitybase";
    std::string gravityText = m_row[TankColumn::Gravity];
    if (in.haveObserved) {
        m_trace.gravityForm = &kVcf2004Form;
        m_trace.gravityInputs = vcf2004Texts(m_report.units, *in.type, m_row[TankColumn::ObservedGravity], true,
                                             m_row[TankColumn::ObservedGravityTemp], {});
        m_trace.gravity = Vcf2004Volume(m_trace.gravityInputs);
        const FormResult &g = *m_trace.gravity;
        m_trace.working.push_back(std::string(m_tables.gravityTable[t]) + " (Vcf2004), observed " +
                                  m_row[TankColumn::ObservedGravity] + (us ? " API at " : " kg/m3 at ") +
                                  m_row[TankColumn::ObservedGravityTemp] + (us ? " F" : " C") + ":");
        m_trace.working.insert(m_trace.working.end(), g.working.begin(), g.working.end());
        const std::string *atBase = g.written(baseField);
        if (!g.completed() || !atBase) {
            stop(g.notice.empty() ? std::string(m_tables.gravityTable[t]) + ": no density at the base"
                                  : windowNotice(m_tables.gravityTable[t], g, observedInputs()));
            return;
        }
        advise(g);
        gravityText = *atBase;
    }

    m_trace.volumeForm = &kVcf2004Form;
    m_trace.volumeInputs =
        vcf2004Texts(m_report.units, *in.type, gravityText, false, temperatureText, in.grossObservedText);
    m_trace.volume = Vcf2004Volume(m_trace.volumeInputs);
    const FormResult &v = m_trace.volume;
    m_trace.working.push_back(std::string(m_tables.volumeTable[t]) + " (Vcf2004), " + (us ? "API " : "density ") +
                              gravityText + ", temperature " + temperatureText + (us ? " F" : " C") +
                              ", pressure 0, gross " + in.grossObservedText + (us ? " bbl" : " m3") + ":");
    m_trace.working.insert(m_trace.working.end(), v.working.begin(), v.working.end());
    if (!v.completed() || v.outOfRange) {
        stop(v.notice.empty() ? std::string(m_tables.volumeTable[t]) + ": no volume correction"
                              : windowNotice(m_tables.volumeTable[t], v, volumeInputs(gravityText, temperatureText)));
        return;
    }
    advise(v);
    const std::string *base = v.written(baseField);
    const std::string *ctpl = v.written("txtctpl");
    const std::string *net = v.written("txtnet");
    if (!base || !ctpl || !net) {
        stop(std::string(m_tables.volumeTable[t]) + " wrote no volume correction");
        return;
    }
    // The window shows its net volume unrounded; the report shows gross standard volumes
    // to its units' places, as the totals and the 1980 windows do.
    const int places = grossStandardPlaces(m_report.units);
    const double standard = signedRound(ParseFieldNumber(*net), places);
    const std::string standardText = FormatFieldNumber(standard);
    m_trace.working.push_back("Gross standard volume: " + *net + (us ? " bbl" : " m3") + " rounded to " +
                              (us ? "0.01" : "0.001") + ": " + standardText);
    m_out.figures[static_cast<int>(ResultColumn::GravityUsed)] = *base;
    m_out.figures[static_cast<int>(ResultColumn::Vcf)] = *ctpl;
    m_out.figures[static_cast<int>(ResultColumn::GrossStandard)] = standardText;

    const double gravity = ParseFieldNumber(*base);
    double ltFactor = 0;
    if (us) {
        const double f = Table11LongTonFactor(gravity);
        const bool crude = *in.type == ProductType::Crude;
        ltFactor = Table11FactorToFivePlaces(f, crude ? FactorTable::Table6A : FactorTable::Table6B);
        m_trace.working.push_back("Long-ton factor (Table 11, API at 60 F " + *base + "): " + FormatFieldNumber(f) +
                                  (crude ? ", rounded to 5 places: " : ", cut to 5 places: ") +
                                  FormatFieldNumber(ltFactor) + " LT/bbl");
    } else {
        ltFactor = Table57LongTonFactor(gravity);
        m_trace.working.push_back("Long-ton factor (Table 57, density at 15 C " + *base +
                                  " kg/m3, cut to 4 places): " + FormatFieldNumber(ltFactor) + " LT/m3");
    }
    const double tons = LongTons(ltFactor, standard);
    m_trace.working.push_back("Long tons: " + FormatFieldNumber(ltFactor) + " x " + standardText + " = " +
                              FormatFieldNumber(tons) + " LT (rounded to 0.01)");
    const std::string tonsText = FormatFieldNumber(tons);
    m_out.figures[static_cast<int>(ResultColumn::LongTonFactor)] = FormatFieldNumber(ltFactor);
    m_out.figures[static_cast<int>(ResultColumn::LongTons)] = tonsText;
    addMetricTons(tonsText, standardText, *base);
}

void RowRunner::addMetricTons(const std::string &longTonsText, const std::string &cubicText,
                              const std::string &densityText)
{
    double tons = 0;
    if (m_report.units == UnitSystem::US) {
        const double longTons = ParseFieldNumber(longTonsText);
        tons = MetricTonsFromLongTons(longTons);
        m_trace.working.push_back("Metric tons in air: " + FormatFieldNumber(longTons) + " LT x " +
                                  FormatFieldNumber(kMetricTonsPerLongTon) + " = " + FormatFieldNumber(tons) +
                                  " t (rounded to 0.001)");
    } else {
        const double cubic = ParseFieldNumber(cubicText);
        const double density = ParseFieldNumber(densityText);
        tons = MetricTonsInAir(cubic, density);
        m_trace.working.push_back("Metric tons in air: " + FormatFieldNumber(cubic) + " m3 x (" +
                                  FormatFieldNumber(density) + " - 1.1) kg/m3 / 1000 = " + FormatFieldNumber(tons) +
                                  " t (rounded to 0.001)");
    }
    m_out.figures[static_cast<int>(ResultColumn::MetricTons)] = FormatFieldNumber(tons);
}

void RowRunner::stop(const std::string &notice)
{
    note(notice);
    m_trace.working.push_back("Stopped: " + notice);
}

void RowRunner::advise(const FormResult &r)
{
    for (const std::string &advisory : r.advisories) {
        m_out.advised = true;
        m_out.notice += (m_out.notice.empty() ? "" : "; ") + advisory;
    }
}

std::string RowRunner::cell(TankColumn c) const
{
    return TankColumnHead(c, m_report.units) + " '" + m_row[c] + "'";
}

std::string RowRunner::observedInputs() const
{
    return cell(TankColumn::ObservedGravity) + ", " + cell(TankColumn::ObservedGravityTemp);
}

std::string RowRunner::volumeInputs(const std::string &gravityText, const std::string &temperatureText) const
{
    const bool us = m_report.units == UnitSystem::US;
    std::string s = m_row[TankColumn::Gravity] == gravityText
                        ? cell(TankColumn::Gravity)
                        : std::string(us ? "API used '" : "density used '") + gravityText + "'";
    s += m_row[TankColumn::Temperature] == temperatureText
             ? ", " + cell(TankColumn::Temperature)
             : std::string(", grade average temperature '") + temperatureText + "'";
    return s;
}

std::string RowRunner::windowNotice(const char *table, const FormResult &r, const std::string &inputs)
{
    if (!r.fault)
        return r.notice;
    return std::string(table) + " with " + inputs + ": " + r.notice;
}

double RowRunner::number(TankColumn c, bool emptyIsZero)
{
    const std::string &text = m_row[c];
    if (emptyIsZero && isBlankText(text))
        return 0;
    try {
        return ParseFieldNumber(text, TankColumnHead(c, m_report.units));
    } catch (const CalcFault &fault) {
        fail(c, fault.message());
        return 0;
    }
}

void RowRunner::mark(TankColumn c)
{
    m_out.badCells |= 1u << static_cast<int>(c);
}

void RowRunner::note(const std::string &notice)
{
    m_out.stopped = true;
    if (m_out.notice.empty())
        m_out.notice = notice;
}

void RowRunner::fail(TankColumn c, const std::string &notice)
{
    mark(c);
    note(notice);
}

} // namespace dravex::report_rows
