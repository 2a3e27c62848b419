// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/screen.h"

class QRadioButton;

namespace dravex {

// The tank quantity at which to stop a transfer so that a given net quantity at 60 F is
// moved. A key pressed on the selected table's option button computes it.
class Form9 : public Screen
{
    Q_OBJECT

public:
    explicit Form9(ScreenHost &host, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QRadioButton *Option1;
    QRadioButton *Option2;

    void Option1_KeyPress();
    void Option2_KeyPress();
    void txtgv_KeyPress();
};

QWidget *makeForm9(ScreenHost &host);

} // namespace dravex
