// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/screen.h"

class QListWidget;

namespace dravex {

// Corrosion inhibitor: the product from the list, the quantity of fuel in the chosen
// unit and the inhibitor's specific gravity give the amount to mix.
class Form12 : public Screen
{
    Q_OBJECT

public:
    explicit Form12(ScreenHost &host, QWidget *parent = nullptr);

protected:
    // The product chosen in the list and the unit of the quantity.
    std::vector<ChosenOption> chosenOptions() const override;

private:
    QListWidget *List1;

    void Form_Load();
    void txtscg_KeyPress();
};

QWidget *makeForm12(ScreenHost &host);

} // namespace dravex
