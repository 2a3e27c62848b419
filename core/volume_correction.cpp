// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/volume_correction.h"

#include "core/conventions.h"
#include "core/correction_model.h"

#include <cmath>

namespace dravex {

double NetBarrels(double gross, double vcf)
{
    return RoundToPlaces(Finite(gross * vcf), 2);
}

double NetGallonsFromBarrels(double netBarrels)
{
    return std::floor(std::fabs(Finite(netBarrels * 42)));
}

double NetLitres(double gross, double vcf)
{
    return RoundToPlaces(Finite(gross * vcf), 0);
}

double NetGallonsFromLitres(double litres, double gallonsPerLitre)
{
    return std::floor(Finite(gallonsPerLitre * litres) + 0.5);
}

double BarrelsFromGallons(double gallons)
{
    return RoundToPlaces(gallons / 42, 2);
}

double CubicMetres(double litres)
{
    return Finite(litres / 1000);
}

void RequireProductGroup(FormRun &run, const VolumeFactor &factor, double api)
{
    if (factor.outOfRange())
        run.stop("API gravity " + FormatFieldNumber(api) + " is a density of " + FormatFieldNumber(factor.density) +
                     " kg/m3, above 1074: no product group; nothing was computed",
                 "density " + FormatFieldNumber(factor.density) + " kg/m3 is above 1074: no product group", true);
}

void CheckTable6Range(FormRun &run, FactorTable table, double api, double t)
{
    const bool a = table == FactorTable::Table6A;
    const std::string_view name = a ? "Table 6A" : "Table 6B";
    const double top = a ? 100 : 85;
    run.advise(BeyondPrintedTable({name, "API gravity", 0, top, "API"}, api));
    // The printed pages stop at a lower temperature the lighter the oil.
    const double hottest = !(api <= top) || api <= 40 ? 300 : api <= 50 ? 250 : 200;
    run.advise(BeyondPrintedTable({name, "Temperature", 0, hottest, "F"}, t));
}

namespace {

const FieldSpec kTable6AFields[] = {
    {"txtapi", "Gravity at 60 F (0.1)"},
    {"txtem", "Temperature to 0.5 Degrees F"},
    {"txtgv", "Gross Barrels"},
    {"txtvcf", "Volume Correction Factor"},
    {"txtbbl", "Your Net Barrels at 60 F Are:"},
    {"txtgal", "Net Gallons at 60 F"},
    {"txtlf", "LT. Factor"},
    {"txtltn", "Long Tons Table 11"},
};

const FieldSpec kTable6BFields[] = {
    {"txtapi", "Gravity at 60 F (0.1)"},
    {"txtem", "Temperature to 0.5 Degrees F"},
    {"txtgv", "Gross Barrels"},
    {"txtvcf", "Volume Correction Factor"},
    {"txtbbl", "Your Net Barrels at 60 Deg F  Are:"},
    {"txtgal", "Net Gallons"},
    {"txtlf", "LT. Factor"},
    {"txtltn", "Long Tons Table 11"},
};

// Under the results of every volume-correction window.
constexpr std::string_view kVolumeDisclaimer =
    "Not responsible for errors as there are different tables and methods of calculations.";

void table6NetVolume(FormRun &run, FactorTable table)
{
    const bool a = table == FactorTable::Table6A;
    const double t = run.Read("txtem");
    const double api = run.Read("txtapi");
    const VolumeFactor factor = a ? Table6AFactor(api, t) : Table6BFactor(api, t);
    DescribeVolumeFactor(factor, run.working());
    RequireProductGroup(run, factor, api);
    CheckTable6Range(run, table, api, t);
    // Table 6A shows its factor before the gross is read, Table 6B after: a bad gross
    // leaves the 6B factor unwritten.
    if (a)
        run.Show("txtvcf", factor.vcf);
    const double gross = run.Read("txtgv");
    const double net = NetBarrels(gross, factor.vcf);
    const double gallons = NetGallonsFromBarrels(net);
    if (!a)
        run.Show("txtvcf", factor.vcf);
    run.Show("txtbbl", net);
    run.Show("txtgal", gallons);
    Working &working = run.working();
    working.add("Gross volume", gross, "bbl");
    working.add("Net barrels at 60 F", net, "bbl", "gross x factor, rounded to 0.01");
    working.add("Net gallons", gallons, "gal", "net x 42, cut to whole gallons");
    const double longTonApi = run.Read("txtapi");
    const double f = Table11LongTonFactor(longTonApi);
    const double ltFactor = Table11FactorToFivePlaces(f, table);
    const double tons = LongTons(ltFactor, net);
    working.add("Long-ton factor before rounding", f, "LT/bbl", "gravity as entered");
    working.add("Long-ton factor", ltFactor, "LT/bbl", a ? "rounded to 5 places" : "cut to 5 places");
    working.add("Long tons", tons, "LT", "factor x net barrels, rounded to 0.01");
    run.Show("txtlf", ltFactor);
    run.Show("txtltn", tons);
}

const FieldSpec kTable54AFields[] = {
    {"txtapi", "Density at 15 C"},
    {"txtem", "Temperature to 0.25 Degrees C"},
    {"txtgv", "Gross Liters"},
    {"txtvcf", "Volume Correction Factor"},
    {"txtlts", "Your Net Liters at 15 C are:"},
    {"txtbbl", "Net Barrels at 60 Deg F are:"},
    {"txtgal", "Net Gallons at 60 F:"},
    {"txtcm", "Cubic Meters at 15 C"},
    {"txtlf", "LT. Factor"},
    {"txtltn", "Long Tons Table 57"},
};

const FieldSpec kTable54BFields[] = {
    {"txtapi", "Density at 15 C"},
    {"txtem", "Temperature to 0.25 Degrees C"},
    {"txtgv", "Gross Liters"},
    {"txtvcf", "Volume Correction Factor"},
    {"txtlts", "Your Net Litrers at 15 C are:"},
    {"txtbbl", "Net Barrels at 60 F are:"},
    {"txtgal", "Net Gallons at 60 F:"},
    {"txtcm", "Cubic Meters at 15 C"},
    {"txtlf", "LT. Factor"},
    {"txtltn", "Long Tons Table 57"},
};

void table54NetVolume(FormRun &run, FactorTable table, VolumeFactor (*factorOf)(double rho, double t))
{
    const double t = run.Read("txtem");
    // The density field cannot change during one calculation, so one read serves the
    // factor, the gallons factor and the long-ton factor.
    const double rho = run.Read("txtapi");
    const VolumeFactor factor = factorOf(rho, t);
    DescribeVolumeFactor(factor, run.working());
    const std::optional<double> gallonsPerLitre = GallonsPerLitre(rho);
    // Above 1074 kg/m3 there is no gallons factor (and on Table 54B no product group):
    // the out-of-range window, and nothing written.
    if (factor.outOfRange() || !gallonsPerLitre) {
        const std::string missing = factor.outOfRange() ? "product group or gallons factor" : "gallons factor";
        run.stop("Density " + FormatFieldNumber(rho) + " kg/m3 is above 1074: no " + missing + "; nothing was computed",
                 "density " + FormatFieldNumber(rho) + " kg/m3 is above 1074: no " + missing, true);
    }
    const bool a = table == FactorTable::Table54A;
    const std::string_view name = a ? "Table 54A" : "Table 54B";
    run.advise(BeyondPrintedTable({name, "Density", a ? 610.5 : 653, 1075, "kg/m3"}, rho));
    run.advise(BeyondPrintedTable({name, "Temperature", -18, 150, "C"}, t));
    Working &working = run.working();
    working.add("Gallons factor", *gallonsPerLitre, "gal/l", "US gallons at 60 F per litre at 15 C, by density");
    const double gross = run.Read("txtgv");
    const double litres = NetLitres(gross, factor.vcf);
    run.Show("txtvcf", factor.vcf);
    const double gallons = NetGallonsFromLitres(litres, *gallonsPerLitre);
    const double barrels = BarrelsFromGallons(gallons);
    run.Show("txtbbl", barrels);
    // The factor goes into txtvcf twice, before and after the barrels, on purpose: the
    // second write is part of the window's sequence, and a record of the run keeps both.
    run.Show("txtvcf", factor.vcf);
    run.Show("txtlts", litres);
    run.Show("txtgal", gallons);
    working.add("Gross volume", gross, "l");
    working.add("Net litres at 15 C", litres, "l", "gross x factor, rounded to whole litres");
    working.add("Net gallons at 60 F", gallons, "gal", "litres x gallons factor, rounded to whole gallons");
    working.add("Net barrels at 60 F", barrels, "bbl", "gallons / 42, rounded to 0.01");
    const double ltFactor = Table57LongTonFactor(rho);
    const double cubic = CubicMetres(litres);
    const double tons = LongTons(ltFactor, cubic);
    working.add("Long-ton factor", ltFactor, "LT/m3", "(density / 1000 - 0.0011) x 0.984236, cut to 4 places");
    working.add("Cubic metres at 15 C", cubic, "m3", "litres / 1000");
    working.add("Long tons", tons, "LT", "factor x cubic metres, rounded to 0.01");
    run.Show("txtcm", cubic);
    run.Show("txtlf", ltFactor);
    run.Show("txtltn", tons);
}

} // namespace

const FormSpec kForm5{"Form5", "VOLUME CORRECTION (TABLE 6a)", kTable6AFields, kVolumeDisclaimer};
const FormSpec kForm21{"Form21", "VOLUME CORRECTION (TABLE 6b)", kTable6BFields, kVolumeDisclaimer};

void Table6ANetVolumeSteps(FormRun &run)
{
    table6NetVolume(run, FactorTable::Table6A);
}

FormResult Table6ANetVolume(const FieldTexts &texts)
{
    return RunForm(kForm5, texts, Table6ANetVolumeSteps);
}

void Table6BNetVolumeSteps(FormRun &run)
{
    table6NetVolume(run, FactorTable::Table6B);
}

FormResult Table6BNetVolume(const FieldTexts &texts)
{
    return RunForm(kForm21, texts, Table6BNetVolumeSteps);
}

const FormSpec kForm22{"Form22", "VOLUME CORRECTION (TABLE 54a)", kTable54AFields, kVolumeDisclaimer};
const FormSpec kForm6{"Form6", "VOLUME CORRECTION (TABLE 54b)", kTable54BFields, kVolumeDisclaimer};

void Table54ANetVolumeSteps(FormRun &run)
{
    table54NetVolume(run, FactorTable::Table54A, Table54AFactor);
}

FormResult Table54ANetVolume(const FieldTexts &texts)
{
    return RunForm(kForm22, texts, Table54ANetVolumeSteps);
}

void Table54BNetVolumeSteps(FormRun &run)
{
    table54NetVolume(run, FactorTable::Table54B, Table54BFactor);
}

FormResult Table54BNetVolume(const FieldTexts &texts)
{
    return RunForm(kForm6, texts, Table54BNetVolumeSteps);
}

} // namespace dravex
