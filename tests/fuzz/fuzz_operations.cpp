// Every calculation of the core fed arbitrary numbers: each result is finite and shows
// without inf or nan, or the operation refuses with a CalcFault.
#include "fuzz_support.h"

#include "core/correction_model.h"
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Input in(data, size);
    const double a = in.number();
    const double b = in.number();
    const double c = in.number();
    using namespace dravex;
    switch (in.takeByte() % 10) {
    case 0: run([&] { checkFactor(Table6AFactor(a, b)); }); break;
    case 1: run([&] { checkFactor(Table6BFactor(a, b)); }); break;
    case 2: run([&] { checkFactor(Table54AFactor(a, b)); }); break;
    case 3: run([&] { checkFactor(Table54BFactor(a, b)); }); break;
    case 4: run([&] { checkShown(Table11LongTonFactor(a)); }); break;
    case 5: run([&] { checkShown(Table57LongTonFactor(a)); }); break;
    case 6: run([&] { checkShown(LongTons(a, b)); }); break;
    case 7: run([&] { checkShown(NetBarrels(a, b)); checkShown(NetGallonsFromBarrels(c)); }); break;
    case 8: run([&] { if (auto g = GallonsPerLitre(a)) checkShown(*g); }); break;
    default: run([&] { checkShown(DensityFromApi(a)); }); break;
    }
    return 0;
}
