#pragma once

#include "screens/screen.h"

class QGroupBox;
class QListWidget;
class QRadioButton;

namespace dravex {

// Corrosion inhibitor: the product from the list, the quantity of fuel in the chosen
// unit and the inhibitor's specific gravity give the amount to mix.
class Form12 : public Screen
{
    Q_OBJECT

public:
    explicit Form12(ScreenHost &host, QWidget *parent = nullptr);

    void txtscg_KeyPress();

    QListWidget *List1;
    QLineEdit *txtqpt;
    QGroupBox *Frame1;
    QRadioButton *Option1;
    QRadioButton *Option2;
    QRadioButton *Option3;
    QLineEdit *txtscg;
    QLineEdit *txtami;
    QLineEdit *txtqan;

private:
    void Form_Load();
};

QWidget *makeForm12(ScreenHost &host);

} // namespace dravex
