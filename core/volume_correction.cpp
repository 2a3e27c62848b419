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

void RequireProductGroup(FormRun &run, const VolumeFactor &factor)
{
    if (factor.outOfRange())
        run.stop({}, "density " + FormatFieldNumber(factor.density) + " kg/m3 is above 1074: no product group", true);
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

void table6NetVolume(FormRun &run, FactorTable table)
{
    const bool a = table == FactorTable::Table6A;
    const double t = run.Read("txtem");
    const double api = run.Read("txtapi");
    const VolumeFactor factor = a ? Table6AFactor(api, t) : Table6BFactor(api, t);
    DescribeVolumeFactor(factor, run.working());
    RequireProductGroup(run, factor);
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
    const double ltFactor = a ? RoundToPlaces(f, 5) : TruncateToPlaces(f, 5);
    const double tons = LongTons(ltFactor, net);
    working.add("Long-ton factor before rounding", f, "LT/bbl", "gravity as entered");
    working.add("Long-ton factor", ltFactor, "LT/bbl", a ? "rounded to 5 places" : "cut to 5 places");
    working.add("Long tons", tons, "LT", "factor x net barrels, rounded to 0.01");
    run.Show("txtlf", ltFactor);
    run.Show("txtltn", tons);
}

} // namespace

const FormSpec kForm5{"Form5", "VOLUME CORRECTION (TABLE 6a)", kTable6AFields};
const FormSpec kForm21{"Form21", "VOLUME CORRECTION (TABLE 6b)", kTable6BFields};

FormResult Table6ANetVolume(const FieldTexts &texts)
{
    return RunForm(kForm5, texts, [](FormRun &run) { table6NetVolume(run, FactorTable::Table6A); });
}

FormResult Table6BNetVolume(const FieldTexts &texts)
{
    return RunForm(kForm21, texts, [](FormRun &run) { table6NetVolume(run, FactorTable::Table6B); });
}

} // namespace dravex
