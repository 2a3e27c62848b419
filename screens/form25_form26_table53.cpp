// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/form25_form26_table53.h"

#include "core/gravity_correction.h"

namespace dravex {

namespace {

constexpr const char *kTable53Help =
    QT_TRANSLATE_NOOP("dravex::GravityScreen", "Place curser in box to enter your data.  Press Enter after you have "
                                               "entered your data.  Enter Temp. to 0.25 Deg. C");

const GravityLayout kForm25Layout{kForm25, kTable53Help, {"txtcg", "txtobt", "txtobg"}, false};
const GravityLayout kForm26Layout{kForm26, kTable53Help, {"txtcg", "txtobt", "txtobg"}, false};

} // namespace

QWidget *makeForm25(ScreenHost &host)
{
    return new GravityScreen(host, kForm25Layout);
}

QWidget *makeForm26(ScreenHost &host)
{
    return new GravityScreen(host, kForm26Layout);
}

} // namespace dravex
