// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/procedure.h"
#include "core/tank_table.h"

#include <optional>
#include <string>
#include <vector>

namespace dravex {

// From the gross observed volume to the net standard volume. Each quantity is rounded once,
// half up on its decimal value (RoundHalfUp), when it is recorded, and every later step
// starts from the recorded value:
//   volumes: bbl and US gal 2 places, m3 3, litres 0; temperatures 0.1; S&W % 3;
//   CTSh and CSW 5.

// A volume as recorded in its unit: RecordVolume(1234.5675, CubicMetres) == 1234.568.
double RecordVolume(double volume, VolumeUnit unit);
// A temperature as recorded: RecordTemperature(-3.25) == -3.3.
double RecordTemperature(double temperature);

struct StandardVolumes
{
    double gsv = 0;       // GOV x VCF, recorded
    double swPercent = 0; // recorded to 3 places
    double csw = 0;       // 1 - S&W / 100, recorded to 5 places
    double nsv = 0;       // GSV x CSW, recorded
    double freeWater = 0;
    double tcv = 0; // GSV + FW, recorded
    std::optional<CalcStop> stop;
    std::vector<std::string> working;
};

// GSV = GOV x VCF; S&W % -> CSW -> NSV = GSV x CSW; TCV = GSV + FW. The VCF is taken as
// given (the caller recorded it from the chosen edition). An S&W below 0 or of 100 % or more,
// a negative free water or a VCF not above 0 is refused.
//   GOV 10000 bbl, VCF 0.9875, S&W 0.25, FW 12.5: GSV 9875, CSW 0.9975, NSV 9850.31,
//   TCV 9887.5
StandardVolumes NetStandardVolume(double gov, double vcf, double swPercent, double freeWater, VolumeUnit unit);

} // namespace dravex
