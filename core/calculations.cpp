// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calculations.h"

#include "core/additives.h"
#include "core/conversions.h"
#include "core/gauging.h"
#include "core/gravity_correction.h"
#include "core/vcf2004_form.h"
#include "core/volume_correction.h"

#include <algorithm>

namespace dravex {

namespace {

// In the order of the menu.
const Calculation kCalculations[] = {
    // Tables
    {&kForm23, "txtobt", Table5AGravity, Table5AGravitySteps},
    {&kForm24, "txtobt", Table5BGravity, Table5BGravitySteps},
    {&kForm25, "txtobt", Table53ADensity, Table53ADensitySteps},
    {&kForm26, "txtobt", Table53BDensity, Table53BDensitySteps},
    {&kForm5, "txtgv", Table6ANetVolume, Table6ANetVolumeSteps},
    {&kForm21, "txtgv", Table6BNetVolume, Table6BNetVolumeSteps},
    {&kForm22, "txtgv", Table54ANetVolume, Table54ANetVolumeSteps},
    {&kForm6, "txtgv", Table54BNetVolume, Table54BNetVolumeSteps},
    {&kVcf2004Form, "txtgross", Vcf2004Volume},
    // Conversion
    {&kForm3, "txtCels", TemperatureFromCelsius},
    {&kForm3, "txtFah", TemperatureFromFahrenheit},
    {&kForm4, "txtapi", GravityFromApi},
    {&kForm4, "txtden", GravityFromDensity},
    {&kForm4, "txtspe", GravityFromSpecificGravity},
    // Gauging
    {&kForm7, "txtinn", WedgeQuantityRemaining},
    {&kForm9, "Option1", StopGaugeTable6A},
    {&kForm9, "Option2", StopGaugeTable6B},
    {&kForm8, "txtv4", ReceivingTankGravity},
    {&kForm20, "txtv2", ShoreTankDensity},
    // Additives
    {&kForm10, "txtflt", FsiiInjectionBarrels},
    {&kForm16, "txtpir", FsiiInjectionGallons},
    {&kForm11, "txterw", SdaInjectionBarrels},
    {&kForm18, "txterw", SdaInjectionGallons},
    {&kForm12, "txtscg", CorrosionInhibitorMix},
    {&kForm19, "txtbbl", Dmd2Injection},
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
