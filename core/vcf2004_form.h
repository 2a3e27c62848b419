// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/procedure.h"

#include <optional>

namespace dravex {

// The 2004 edition window (Vcf2004): commodity, density and its kind, observed or at a
// base, temperature, pressure and an optional gross volume in; the density at the base,
// the density at 60 F, API and RD at 60 F, CTL, Fp, CPL, CTPL (rounded as the tables print them), the net volume
// and the group used out. Choices are option buttons; the procedure reads every input
// before it writes anything, so a bad entry or a limit leaves every result as it was.
// An empty pressure is 0; an empty gross volume empties the net volume.
//   Refined products, 803.141 kg/m3 observed at 25.3 F and 267 psig, 10000 gross ->
//     density at base and at 60 F 787.5 kg/m3, API 48, RD 0.7883, CTL 1.01838, Fp 0.54 per psi,
//     CPL 1.00144, CTPL 1.01985, net 10198.5, group "transition zone"
//   Crude oil, 850 kg/m3 at 60 F, 302.8 F -> stop "Temperature 302.8 F is above the
//     limit 302 F", nothing written
extern const FormSpec kVcf2004Form;
FormResult Vcf2004Volume(const FieldTexts &texts);

// The unrounded values behind the window's CTL, Fp, CPL, CTPL and density at 60 F, from
// the same texts by the same correction; Fp in the unit the pressure is given in. Empty
// where the window's calculation stops.
//   Refined products, RD 0.7943 at the base, 85 F, 247.3 psig -> CTL 0.986832406683...,
//     Fp 0.664706197066..., CPL 1.001646525013..., density at 60 F 793.5184088
struct Vcf2004Exact
{
    double ctl = 0;
    double fp = 0;
    double cpl = 0;
    double ctpl = 0;
    double density60 = 0;
};
std::optional<Vcf2004Exact> Vcf2004ExactValues(const FieldTexts &texts);

} // namespace dravex
