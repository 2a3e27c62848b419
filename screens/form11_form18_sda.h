#pragma once

#include "screens/screen.h"

namespace dravex {

// SDA injection: Form11 for a quantity of fuel in barrels (SDA in gallons, pre-mix fuel
// 9 times that), Form18 for gallons (SDA in millilitres, pre-mix fuel of at least one
// gallon). Same fields and rows; the labels' names, the tab order and the arithmetic
// after the dose differ.
class SdaScreen : public Screen
{
    Q_OBJECT

public:
    enum class Unit { Barrels, Gallons };

    SdaScreen(ScreenHost &host, Unit unit, QWidget *parent = nullptr);

    void txterw_KeyPress();

    QLineEdit *txtqti;
    QLineEdit *txtilr;
    QLineEdit *txterw;
    QLineEdit *txtmix;
    QLineEdit *txtprd;

private:
    Unit m_unit;
};

QWidget *makeForm11(ScreenHost &host);
QWidget *makeForm18(ScreenHost &host);

} // namespace dravex
