// SPDX-License-Identifier: GPL-3.0-or-later
// The operations behind the gravity-correction, conversion, gauging and additive screens,
// fed arbitrary numbers: each shown result is finite and prints without inf or nan, or
// the operation refuses with a CalcFault. The windows' registered calculations run over
// arbitrary field texts the same way.
#include "fuzz_support.h"

#include "core/additives.h"
#include "core/calculations.h"
#include "core/conversions.h"
#include "core/gauging.h"
#include "core/gravity_correction.h"
#include "core/volume_correction.h"

#include <cctype>
#include <string>

using dravex::fuzz::checkShown;
using dravex::fuzz::Input;
using dravex::fuzz::run;

namespace {

// A text a calculation writes that is no number: a field it clears, or words (a unit, a
// product group); "inf" and "nan" are never taken for words.
bool isNoNumber(const std::string &text)
{
    if (text.empty())
        return true;
    if (!std::isalpha(static_cast<unsigned char>(text[0])))
        return false;
    std::string head;
    for (char c : text.substr(0, 3))
        head += char(std::tolower(static_cast<unsigned char>(c)));
    return head != "inf" && head != "nan";
}

// A calculation of a window, chosen by the input, over field texts from the input: it
// never throws, and every text it writes is empty, words or a number's shown form, never
// inf or nan.
void runCalculation(Input &in)
{
    const auto all = dravex::AllCalculations();
    const dravex::Calculation &calculation = all[in.takeByte() % all.size()];
    dravex::FieldTexts texts;
    for (const dravex::FieldSpec &field : calculation.form->fields)
        texts[std::string(field.name)] = in.fieldText();
    const dravex::FormResult result = calculation.run(texts);
    for (const dravex::FieldText &write : result.writes)
        if (!isNoNumber(write.text))
            checkShown(dravex::ParseFieldNumber(write.text));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace dravex;
    Input in(data, size);
    double v[8];
    for (double &x : v)
        x = in.number();
    const std::uint8_t which = in.takeByte();
    switch (which % 16) {
    case 0:
        run([&] {
            const auto r = ObservedApiToApi60(
                v[0], v[1], which & 16 ? TemperatureDifference::WholeDegrees : TemperatureDifference::Exact);
            checkShown(ShownApi60(r.api60));
        });
        break;
    case 1:
        run([&] {
            const auto r =
                ObservedDensityToDensity15(v[0], v[1], which & 16 ? DensityTable::Table53A : DensityTable::Table53B);
            checkShown(RoundToPlaces(r.density15, 1));
        });
        break;
    case 2:
        run([&] {
            checkShown(NetLitres(v[0], v[1]));
            checkShown(NetGallonsFromLitres(v[2], v[3]));
            checkShown(BarrelsFromGallons(v[4]));
            checkShown(CubicMetres(v[5]));
        });
        break;
    case 3:
        run([&] { checkShown(CelsiusToFahrenheit(v[0])); });
        run([&] { checkShown(FahrenheitToCelsius(v[1]).celsius); });
        break;
    case 4:
        runCalculation(in);
        break;
    case 5:
        run([&] {
            const WedgeUnits units = which & 16 ? WedgeUnits::English : WedgeUnits::Metric;
            const double trim = WedgeTrim(v[0], v[1]);
            const double innage = WedgeInnage(v[2], units);
            const double limit = WedgeLimit(v[3], v[4], trim, v[5]);
            WedgeBeyondLimit(innage, limit);
            checkShown(WedgeQuantity(innage, v[4], v[6], trim, v[5], v[7], units).quantity);
        });
        break;
    case 6:
        run([&] {
            const double gross = StopGaugeGross(v[0], v[1]);
            checkShown(StopGaugeShown(StopGaugeQuantity(v[2], gross)));
        });
        break;
    case 7:
        run([&] { checkShown(AverageGravity({{{v[0], v[1]}, {v[2], v[3]}, {v[4], v[5]}, {v[6], v[7]}}}).shown); });
        break;
    case 8:
        run([&] { checkShown(TheoreticalDensity(v[0], v[1], v[2], v[3]).shown); });
        break;
    case 9:
        run([&] {
            const double fraction = FsiiFraction(v[0], v[1]);
            const double gallons = FsiiGallonsForBarrels(v[2], fraction);
            checkShown(gallons);
            checkShown(FsiiGallonsPerThousandBarrels(gallons, v[2]));
            checkShown(FsiiGallonsForGallons(v[3], fraction));
        });
        break;
    case 10:
        run([&] {
            const SdaDose dose = SdaDoseFor(v[0], v[1]);
            const auto barrels = SdaMixForBarrels(dose, v[2]);
            checkShown(barrels.shown);
            checkShown(SdaPremixFuelForBarrels(barrels.shown));
        });
        break;
    case 11:
        run([&] {
            const SdaDose dose = SdaDoseFor(v[0], v[1]);
            const auto mix = SdaMixForGallons(dose, v[2]);
            checkShown(mix.millilitres);
            const auto premix = SdaPremixFuelForGallons(mix);
            checkShown(premix.shown);
            if (const auto minimum = SdaMinimumPremixFuel(premix.shown))
                checkShown(*minimum);
        });
        break;
    case 12:
        run([&] {
            const int dose = 1 + int(in.takeByte() % 13);
            const auto rate = CorrosionInhibitorRateFor(dose, v[0]);
            const VolumeUnit unit = VolumeUnit(in.takeByte() % 3);
            checkShown(CorrosionInhibitorAmountFor(rate.rounded, v[1], unit).amount);
        });
        break;
    case 13:
        run([&] { checkShown(DmdDoseForBarrels(v[0]).shown); });
        break;
    default:
        run([&] { checkShown(LeadingNumber(std::string_view(reinterpret_cast<const char *>(data), size))); });
        break;
    }
    return 0;
}
