#pragma once

#include "screens/screen.h"

class QRadioButton;

namespace dravex {

// The liquid left as a wedge against the aft bulkhead of a tank trimmed by the stern, in
// barrels (English units) or cubic metres (metric units).
class Form7 : public Screen
{
    Q_OBJECT

public:
    explicit Form7(ScreenHost &host, QWidget *parent = nullptr);

    void txtinn_KeyPress();

    QLineEdit *txtvl;
    QLineEdit *txttl;
    QLineEdit *txttw;
    QLineEdit *txtbhd;
    QLineEdit *txtfdt;
    QLineEdit *txtadt;
    QLineEdit *txttdp;
    QLineEdit *txtinn;
    QLineEdit *txtrob;
    QLineEdit *txtmes;
    QRadioButton *Option1;
    QRadioButton *Option2;
};

QWidget *makeForm7(ScreenHost &host);

} // namespace dravex
