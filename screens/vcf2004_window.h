// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/screen.h"

class QRadioButton;

namespace dravex {

// Volume correction to the 2004 edition of the tables, for temperature and pressure:
// choices as option buttons, the entries in reading order, the rounded factors and the
// net volume at the right. Enter in any entry computes.
class Vcf2004Window : public Screen
{
    Q_OBJECT

public:
    explicit Vcf2004Window(ScreenHost &host, QWidget *parent = nullptr);

protected:
    // Commodity group, density kind, observed or at the base, base, and the units of
    // temperature and pressure, each under its caption.
    std::vector<ChosenOption> chosenOptions() const override;

private:
    // Option buttons of one choice, in a row of their own parent so they exclude each other.
    QWidget *optionRow(std::initializer_list<const char *> names, std::vector<QWidget *> &chain, int columns = 0);
    // A field of the form with option buttons beside it, under one caption.
    QLineEdit *fieldWithOptions(QFormLayout *form, const char *name, std::initializer_list<const char *> options,
                                std::vector<QWidget *> &chain);
    QRadioButton *option(const char *name) const;

    void txtgross_KeyPress();
    void optSpecial_Toggled(bool checked);
};

QWidget *makeVcf2004(ScreenHost &host);

} // namespace dravex
