// SPDX-License-Identifier: GPL-3.0-or-later
// Every calculation of the core fed arbitrary numbers: each result is finite and shows
// without inf or nan, or the operation refuses with a CalcFault.
#include "fuzz_support.h"

#include "core/correction_model.h"
#include "core/vcf2004.h"
#include "core/volume_correction.h"

using dravex::fuzz::checkShown;
using dravex::fuzz::Input;
using dravex::fuzz::run;

namespace {

void checkFactor(const dravex::VolumeFactor &f)
{
    if (f.outOfRange())
        return;
    checkShown(f.vcf);
    checkShown(f.density);
    checkShown(f.alpha);
}

// The 2004 edition: every choice of commodity, density kind, base and units from the
// fuzzer's bytes. A stop is a result; anything else must show as finite numbers, and the
// search must have ended within its bound (it returns, so it did not hang).
void checkVcf2004(Input &in, double density, double t, double p)
{
    using namespace dravex;
    Vcf2004Input e;
    const std::uint8_t choice = in.takeByte();
    e.commodity = static_cast<Vcf2004Commodity>(choice % 4);
    e.densityKind = static_cast<Vcf2004DensityKind>((choice / 4) % 3);
    e.observed = (choice / 12) % 2;
    e.base = static_cast<Vcf2004Base>((choice / 24) % 3);
    const std::uint8_t units = in.takeByte();
    e.temperatureUnit = static_cast<Vcf2004TemperatureUnit>(units % 2);
    e.pressureUnit = static_cast<Vcf2004PressureUnit>((units / 2) % 3);
    if ((units / 6) % 2)
        e.alpha60 = in.number();
    e.density = density;
    e.temperature = t;
    e.pressure = p;
    if ((units / 12) % 2)
        e = RoundVcf2004Inputs(e);
    const Vcf2004Result r = Vcf2004Correction(e);
    if (r.search && r.search->count > kVcf2004MaxIterations)
        std::abort();
    Working w;
    DescribeVcf2004Correction(r, w);
    if (!r.ok())
        return;
    for (const double x : {r.density60, r.densityBase, r.api60, r.rd60, r.ctl, r.fp, r.cpl, r.ctpl, r.ctlRounded,
                           r.fpRounded, r.cplRounded, r.ctplRounded})
        checkShown(x);
    if (!(r.ctpl > 0))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Input in(data, size);
    const double a = in.number();
    const double b = in.number();
    const double c = in.number();
    using namespace dravex;
    switch (in.takeByte() % 11) {
    case 0:
        run([&] { checkFactor(Table6AFactor(a, b)); });
        break;
    case 1:
        run([&] { checkFactor(Table6BFactor(a, b)); });
        break;
    case 2:
        run([&] { checkFactor(Table54AFactor(a, b)); });
        break;
    case 3:
        run([&] { checkFactor(Table54BFactor(a, b)); });
        break;
    case 4:
        run([&] { checkShown(Table11LongTonFactor(a)); });
        break;
    case 5:
        run([&] { checkShown(Table57LongTonFactor(a)); });
        break;
    case 6:
        run([&] { checkShown(LongTons(a, b)); });
        break;
    case 7:
        run([&] {
            checkShown(NetBarrels(a, b));
            checkShown(NetGallonsFromBarrels(c));
        });
        break;
    case 8:
        run([&] {
            if (auto g = GallonsPerLitre(a))
                checkShown(*g);
        });
        break;
    case 9:
        run([&] { checkVcf2004(in, a, b, c); });
        break;
    default:
        run([&] { checkShown(DensityFromApi(a)); });
        break;
    }
    return 0;
}
