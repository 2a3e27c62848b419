// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/screen.h"

namespace dravex {

// The liquid left as a wedge against the aft bulkhead of a tank trimmed by the stern, in
// barrels (English units) or cubic metres (metric units).
class Form7 : public Screen
{
    Q_OBJECT

public:
    explicit Form7(ScreenHost &host, QWidget *parent = nullptr);

private:
    void txtinn_KeyPress();
};

QWidget *makeForm7(ScreenHost &host);

} // namespace dravex
