#pragma once

#include "screens/screen.h"

class QPushButton;

namespace dravex {

// The density of a shore tank's contents after it has received a vessel's cargo: the
// volume-weighted density of what it held and what came in.
class Form20 : public Screen
{
    Q_OBJECT

public:
    explicit Form20(ScreenHost &host, QWidget *parent = nullptr);

    void txtv2_KeyPress();

    QLineEdit *txtd1;
    QLineEdit *txtv1;
    QLineEdit *txtd2;
    QLineEdit *txtv2;
    QLineEdit *txtd3;
    QPushButton *Command1;
};

QWidget *makeForm20(ScreenHost &host);

} // namespace dravex
