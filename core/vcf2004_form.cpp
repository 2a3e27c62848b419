// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/vcf2004_form.h"

#include "core/conventions.h"
#include "core/vcf2004.h"

#include <optional>
#include <string>

namespace dravex {

namespace {

const FieldSpec kVcf2004Fields[] = {
    {"optCrude", "Crude oil"},
    {"optProducts", "Refined products"},
    {"optLubricants", "Lubricating oils"},
    {"optSpecial", "Special applications"},
    {"txtalpha", "Alpha60 per F"},
    {"txtdensity", "Density"},
    {"optApi", "API"},
    {"optRd", "Relative density"},
    {"optKgm3", "kg/m3"},
    {"optObserved", "Observed at the temperature and pressure"},
    {"optAtBase", "At the base temperature"},
    {"optBase60F", "60 F"},
    {"optBase15C", "15 C"},
    {"optBase20C", "20 C"},
    {"txttemp", "Temperature"},
    {"optF", "F"},
    {"optC", "C"},
    {"txtpressure", "Pressure"},
    {"optPsig", "psig"},
    {"optKpa", "kPa"},
    {"optBar", "bar"},
    {"txtgross", "Gross volume"},
    {"txtdensitybase", "Density at base, kg/m3"},
    {"txtdensity60", "Density at 60 F, kg/m3"},
    {"txtapi60", "API at 60 F"},
    {"txtrd60", "Relative density at 60 F"},
    {"txtctl", "CTL"},
    {"txtfp", "Fp per pressure unit"},
    {"txtcpl", "CPL"},
    {"txtctpl", "CTPL"},
    {"txtnet", "Net volume at base"},
    {"txtgroupused", "Group used"},
};

template <typename T> struct Option
{
    const char *name;
    T value;
};

// The chosen one of a set of option buttons; none chosen stops with the notice.
template <typename T, std::size_t N> T choice(FormRun &run, const Option<T> (&options)[N], const char *notice)
{
    for (const Option<T> &option : options)
        if (run.chosen(option.name))
            return option.value;
    run.stopForChoice(notice, notice);
}

bool blank(const std::string &text)
{
    return text.find_first_not_of(" \t") == std::string::npos;
}

const Option<Vcf2004Commodity> kCommodities[] = {
    {"optCrude", Vcf2004Commodity::CrudeOils},
    {"optProducts", Vcf2004Commodity::RefinedProducts},
    {"optLubricants", Vcf2004Commodity::LubricatingOils},
    {"optSpecial", Vcf2004Commodity::SpecialApplications},
};
const Option<Vcf2004DensityKind> kDensityKinds[] = {
    {"optApi", Vcf2004DensityKind::Api},
    {"optRd", Vcf2004DensityKind::RelativeDensity},
    {"optKgm3", Vcf2004DensityKind::KgPerM3},
};
const Option<bool> kObserved[] = {{"optObserved", true}, {"optAtBase", false}};
const Option<Vcf2004Base> kBases[] = {
    {"optBase60F", Vcf2004Base::F60},
    {"optBase15C", Vcf2004Base::C15},
    {"optBase20C", Vcf2004Base::C20},
};
const Option<Vcf2004TemperatureUnit> kTemperatureUnits[] = {
    {"optF", Vcf2004TemperatureUnit::Fahrenheit},
    {"optC", Vcf2004TemperatureUnit::Celsius},
};
const Option<Vcf2004PressureUnit> kPressureUnits[] = {
    {"optPsig", Vcf2004PressureUnit::Psig},
    {"optKpa", Vcf2004PressureUnit::KPa},
    {"optBar", Vcf2004PressureUnit::Bar},
};

// The entries of the window, read in reading order.
struct Entries
{
    Vcf2004Input in;
    bool noPressure = false;
    bool noGross = false;
    double gross = 0;
};

Entries readEntries(FormRun &run)
{
    Entries e;
    Vcf2004Input &in = e.in;
    in.commodity = choice(run, kCommodities, "Choose a commodity group");
    if (in.commodity == Vcf2004Commodity::SpecialApplications)
        in.alpha60 = run.Read("txtalpha");
    in.density = run.Read("txtdensity");
    in.densityKind = choice(run, kDensityKinds, "Choose API, relative density or kg/m3 for the density");
    in.observed = choice(run, kObserved, "Choose whether the density is observed or at the base");
    in.base = choice(run, kBases, "Choose the base temperature");
    in.temperature = run.Read("txttemp");
    in.temperatureUnit = choice(run, kTemperatureUnits, "Choose F or C for the temperature");
    e.noPressure = blank(run.text("txtpressure"));
    in.pressure = e.noPressure ? 0 : run.Read("txtpressure");
    in.pressureUnit = choice(run, kPressureUnits, "Choose psig, kPa or bar for the pressure");
    e.noGross = blank(run.text("txtgross"));
    e.gross = e.noGross ? 0 : run.Read("txtgross");
    return e;
}

void vcf2004Volume(FormRun &run)
{
    // Every entry first, in reading order: nothing is written until all of them are good.
    const Entries e = readEntries(run);
    const Vcf2004Input &in = e.in;

    const Vcf2004Result r = Vcf2004Correction(in);
    if (r.stop)
        run.stop(r.stop->notice, r.stop->notice);
    Working &working = run.working();
    if (e.noPressure)
        working.addText("Pressure", "none entered", "taken as 0");
    DescribeVcf2004Correction(r, working);
    if (r.vacuumTakenAsZero)
        run.advise(r.vacuumNotice);

    // Fp in the unit the pressure was given in, so that CPL = 1 / (1 - 1E-5 Fp P) holds
    // with the pressure as entered.
    const double fp = Vcf2004FpInUnit(r.fp, in.pressureUnit);
    const double fpRounded = Vcf2004RoundFp(fp, in.pressureUnit);
    const std::string fpUnit = std::string("per ") + Vcf2004PressureUnitName(in.pressureUnit);
    if (in.pressureUnit != Vcf2004PressureUnit::Psig)
        working.add("Fp", fp, fpUnit, "unrounded");
    working.add("Fp shown", fpRounded, fpUnit, "rounded");
    // A gravity typed at 60 F is shown as typed, rounded once from its text: not recomputed
    // from the density it gave, which may read back a hair below a half (41.35 API gives
    // 41.349999... API).
    const bool typedAt60 = !in.observed && in.base == Vcf2004Base::F60;
    const bool typedApi = typedAt60 && in.densityKind == Vcf2004DensityKind::Api;
    const bool typedRd = typedAt60 && in.densityKind == Vcf2004DensityKind::RelativeDensity;
    const double densityBase = Vcf2004RoundDensity(r.densityBase, Vcf2004DensityKind::KgPerM3);
    const double density60 = Vcf2004RoundDensity(r.density60, Vcf2004DensityKind::KgPerM3);
    const double api60 = Vcf2004RoundDensity(typedApi ? in.density : r.api60, Vcf2004DensityKind::Api);
    const double rd60 = Vcf2004RoundDensity(typedRd ? in.density : r.rd60, Vcf2004DensityKind::RelativeDensity);
    working.add("Density at base shown", densityBase, "kg/m3", "rounded to 0.1");
    working.add("Density at 60 F shown", density60, "kg/m3", "rounded to 0.1");
    if (typedApi)
        working.add("API at 60 F", in.density, "API", "as entered, shown to 0.1");
    else
        working.add("API at 60 F", r.api60, "API", "141.5 / (rho60 / 999.016) - 131.5, shown to 0.1");
    if (typedRd)
        working.add("Relative density at 60 F", in.density, {}, "as entered, shown to 0.0001");
    else
        working.add("Relative density at 60 F", r.rd60, {}, "rho60 / 999.016, shown to 0.0001");

    run.Show("txtdensitybase", densityBase);
    run.Show("txtdensity60", density60);
    run.Show("txtapi60", api60);
    run.Show("txtrd60", rd60);
    run.Show("txtctl", r.ctlRounded);
    run.Show("txtfp", fpRounded);
    run.Show("txtcpl", r.cplRounded);
    run.Show("txtctpl", r.ctplRounded);
    if (e.noGross) {
        run.setText("txtnet", {});
    } else {
        const double net = Finite(e.gross * r.ctplRounded);
        working.add("Gross volume", e.gross);
        working.add("Net volume at base", net, {}, "gross x CTPL rounded");
        run.Show("txtnet", net);
    }
    run.setText("txtgroupused", Vcf2004GroupName(r.factors.group));
}

} // namespace

const FormSpec kVcf2004Form{"Vcf2004", "VOLUME CORRECTION (2004 EDITION)", kVcf2004Fields};

FormResult Vcf2004Volume(const FieldTexts &texts)
{
    return RunForm(kVcf2004Form, texts, vcf2004Volume);
}

std::optional<Vcf2004Exact> Vcf2004ExactValues(const FieldTexts &texts)
{
    std::optional<Vcf2004Exact> exact;
    RunForm(kVcf2004Form, texts, [&](FormRun &run) {
        const Entries e = readEntries(run);
        const Vcf2004Result r = Vcf2004Correction(e.in);
        if (r.ok())
            exact = Vcf2004Exact{r.ctl, Vcf2004FpInUnit(r.fp, e.in.pressureUnit), r.cpl, r.ctpl, r.density60};
    });
    return exact;
}

} // namespace dravex
