#include "core/calculations.h"

#include "core/vcf2004_form.h"
#include "core/volume_correction.h"

#include <algorithm>

namespace dravex {

namespace {

const Calculation kCalculations[] = {
    {&kForm5, "txtgv", Table6ANetVolume},
    {&kForm21, "txtgv", Table6BNetVolume},
    {&kVcf2004Form, "txtgross", Vcf2004Volume},
};

} // namespace

std::span<const Calculation> AllCalculations()
{
    return kCalculations;
}

const Calculation *FindCalculation(std::string_view form, std::string_view trigger)
{
    const auto found = std::find_if(std::begin(kCalculations), std::end(kCalculations),
                                    [&](const Calculation &c) { return c.form->name == form && c.trigger == trigger; });
    return found == std::end(kCalculations) ? nullptr : &*found;
}

} // namespace dravex
