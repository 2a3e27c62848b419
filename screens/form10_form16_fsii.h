#pragma once

#include "screens/screen.h"

class QPushButton;

namespace dravex {

// FSII injection for a quantity of fuel in barrels, with the gallons per 1000 barrels.
class Form10 : public Screen
{
    Q_OBJECT

public:
    explicit Form10(ScreenHost &host, QWidget *parent = nullptr);

    void txtflt_KeyPress();
    void Command1_Click();

    QLineEdit *txterd;
    QLineEdit *txtqtb;
    QLineEdit *txtflt;
    QLineEdit *txtfis;
    QLineEdit *txtgfs;
    QPushButton *Command1;
};

// FSII injection for a quantity of fuel in gallons.
class Form16 : public Screen
{
    Q_OBJECT

public:
    explicit Form16(ScreenHost &host, QWidget *parent = nullptr);

    void txtpir_KeyPress();
    void Command1_Click();

    QLineEdit *txterd;
    QLineEdit *txtqfi;
    QLineEdit *txtpir;
    QLineEdit *txtfsi;
    QPushButton *Command1;
};

QWidget *makeForm10(ScreenHost &host);
QWidget *makeForm16(ScreenHost &host);

} // namespace dravex
