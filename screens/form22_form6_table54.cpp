// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/form22_form6_table54.h"

#include "core/volume_correction.h"

namespace dravex {

namespace {

constexpr const char *kTable54Results[] = {"txtvcf", "txtlts", "txtbbl", "txtgal", "txtcm", "txtlf", "txtltn"};
constexpr const char *kForm22TabOrder[] = {"txtlf", "txtltn", "txtgal", "txtlts", "txtvcf",
                                           "txtgv", "txtem",  "txtapi", "txtbbl", "txtcm"};
constexpr const char *kForm6TabOrder[] = {"txtbbl", "txtapi", "txtem",  "txtgv", "txtvcf",
                                          "txtlts", "txtgal", "txtltn", "txtlf", "txtcm"};

const VolumeLayout kForm22Layout{kForm22, kTable54Results, kForm22TabOrder};
const VolumeLayout kForm6Layout{kForm6, kTable54Results, kForm6TabOrder};

} // namespace

QWidget *makeForm22(ScreenHost &host)
{
    return new VolumeCorrectionScreen(host, kForm22Layout);
}

QWidget *makeForm6(ScreenHost &host)
{
    return new VolumeCorrectionScreen(host, kForm6Layout);
}

} // namespace dravex
