// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/screen.h"

#include <span>

namespace dravex {

// What tells the volume-correction windows apart: their form and calculation, the result
// column top to bottom, and the tab order (most do not follow the reading order). The
// inputs are always the gravity or density, the temperature and the gross volume.
struct VolumeLayout
{
    const FormSpec &form;
    std::span<const char *const> results;
    std::span<const char *const> tabOrder;
};

// Volume correction of a gross volume to net at the base temperature: in barrels at 60 F
// (Form5, Table 6A; Form21, Table 6B) and in litres at 15 C (Form22, Table 54A; Form6,
// Table 54B). Enter in the gross volume computes.
class VolumeCorrectionScreen : public Screen
{
    Q_OBJECT

public:
    VolumeCorrectionScreen(ScreenHost &host, const VolumeLayout &layout, QWidget *parent = nullptr);

private:
    const VolumeLayout &m_layout;

    void txtgv_KeyPress();
};

QWidget *makeForm5(ScreenHost &host);
QWidget *makeForm21(ScreenHost &host);

} // namespace dravex
