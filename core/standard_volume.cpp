// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/standard_volume.h"

#include "core/conventions.h"

#include <cmath>

namespace dravex {

double RecordVolume(double volume, VolumeUnit unit)
{
    return RoundHalfUp(volume, VolumeDecimals(unit));
}

double RecordTemperature(double temperature)
{
    return RoundHalfUp(temperature, 1);
}

StandardVolumes NetStandardVolume(double gov, double vcf, double swPercent, double freeWater, VolumeUnit unit)
{
    StandardVolumes r;
    const std::string u(VolumeUnitName(unit));
    auto stop = [&](std::string notice) {
        r.stop = CalcStop{notice, notice, false};
        return r;
    };
    if (!std::isfinite(gov) || !std::isfinite(vcf) || !std::isfinite(swPercent) || !std::isfinite(freeWater))
        return stop("A volume, the VCF or the S&W is not a number");
    if (!(vcf > 0))
        return stop("The VCF must be greater than 0");
    if (swPercent < 0 || swPercent >= 100)
        return stop("The S&W must be at least 0 % and below 100 %");
    if (freeWater < 0)
        return stop("The free water cannot be negative");
    try {
        Working w;
        r.gsv = RecordVolume(gov * vcf, unit);
        w.add("GSV", r.gsv, u, "GOV " + FormatFieldNumber(gov) + " x VCF " + FormatFieldNumber(vcf));
        r.swPercent = RoundHalfUp(swPercent, 3);
        w.add("S&W", r.swPercent, "%", "to 3 places");
        r.csw = RoundHalfUp(1 - r.swPercent / 100, 5);
        w.add("CSW", r.csw, {}, "1 - S&W / 100, to 5 places");
        r.nsv = RecordVolume(r.gsv * r.csw, unit);
        w.add("NSV", r.nsv, u, "GSV x CSW");
        r.freeWater = RecordVolume(freeWater, unit);
        r.tcv = RecordVolume(r.gsv + r.freeWater, unit);
        w.add("TCV", r.tcv, u, "GSV + FW " + FormatFieldNumber(r.freeWater));
        r.working = w.takeLines();
    } catch (const CalcFault &fault) {
        return stop(fault.message());
    }
    return r;
}

} // namespace dravex
