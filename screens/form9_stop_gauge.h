#pragma once

#include "screens/screen.h"

class QGroupBox;
class QRadioButton;

namespace dravex {

// The tank quantity at which to stop a transfer so that a given net quantity at 60 F is
// moved. A key pressed on the selected table's option button computes it.
class Form9 : public Screen
{
    Q_OBJECT

public:
    explicit Form9(ScreenHost &host, QWidget *parent = nullptr);

    void Option1_KeyPress();
    void Option2_KeyPress();
    void txtgv_KeyPress();

    QLineEdit *txtbm;
    QLineEdit *txtgv;
    QLineEdit *txtem;
    QLineEdit *txtapi;
    QLineEdit *txtstp;
    QGroupBox *Frame1;
    QRadioButton *Option1;
    QRadioButton *Option2;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Table { A, B };
    void stopGauge(Table table);
};

QWidget *makeForm9(ScreenHost &host);

} // namespace dravex
