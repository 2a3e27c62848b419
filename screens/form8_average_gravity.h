#pragma once

#include "screens/screen.h"

#include <array>

namespace dravex {

// The volume-weighted gravity of a receiving tank (tank 5) filled from up to four issuing
// tanks, on whatever gravity scale the user enters.
class Form8 : public Screen
{
    Q_OBJECT

public:
    explicit Form8(ScreenHost &host, QWidget *parent = nullptr);

    void txtv4_KeyPress();

    QLineEdit *txtt1;
    QLineEdit *txtt2;
    QLineEdit *txtt3;
    QLineEdit *txtt4;
    QLineEdit *txtt5;
    QLineEdit *txtv1;
    QLineEdit *txtv2;
    QLineEdit *txtv3;
    QLineEdit *txtv4;
};

QWidget *makeForm8(ScreenHost &host);

} // namespace dravex
