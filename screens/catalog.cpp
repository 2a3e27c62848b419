// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/catalog.h"

#include "screens/form10_form16_fsii.h"
#include "screens/form11_form18_sda.h"
#include "screens/form12_corrosion_inhibitor.h"
#include "screens/form14_calculator.h"
#include "screens/form17_fsii_help.h"
#include "screens/form19_dmd2.h"
#include "screens/form20_theoretical_density.h"
#include "screens/form22_form6_table54.h"
#include "screens/form23_form24_table5.h"
#include "screens/form25_form26_table53.h"
#include "screens/form3_temperature.h"
#include "screens/form4_gravity_conversion.h"
#include "screens/form5_form21_table6.h"
#include "screens/form7_wedge.h"
#include "screens/form8_average_gravity.h"
#include "screens/form9_stop_gauge.h"
#include "screens/vcf2004_window.h"

namespace dravex {

namespace {

const ScreenEntry kScreens[] = {
    // Tables
    {"Form23", makeForm23},
    {"Form24", makeForm24},
    {"Form25", makeForm25},
    {"Form26", makeForm26},
    {"Form5", makeForm5},
    {"Form21", makeForm21},
    {"Form22", makeForm22},
    {"Form6", makeForm6},
    {"Vcf2004", makeVcf2004},
    // Conversion
    {"Form3", makeForm3},
    {"Form4", makeForm4},
    // Gauging
    {"Form7", makeForm7},
    {"Form9", makeForm9},
    {"Form8", makeForm8},
    {"Form20", makeForm20},
    // Additives, with the help both FSII windows open
    {"Form10", makeForm10},
    {"Form16", makeForm16},
    {"Form17", makeForm17},
    {"Form11", makeForm11},
    {"Form18", makeForm18},
    {"Form12", makeForm12},
    {"Form19", makeForm19},
    // Calculator
    {"Form14", makeForm14},
};

} // namespace

std::span<const ScreenEntry> allScreens()
{
    return kScreens;
}

} // namespace dravex
