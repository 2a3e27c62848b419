#pragma once

#include "screens/screen.h"

namespace dravex {

// Volume correction in litres at 15 C: Form22 for crude oils (Table 54A), Form6 for
// generalized products (Table 54B). The two differ in the factor, two labels and the tab
// order.
class Table54Screen : public Screen
{
    Q_OBJECT

public:
    enum class Table { A, B };

    Table54Screen(ScreenHost &host, Table table, QWidget *parent = nullptr);

    void txtgv_KeyPress();

    QLineEdit *txtapi;
    QLineEdit *txtem;
    QLineEdit *txtgv;
    QLineEdit *txtvcf;
    QLineEdit *txtlts;
    QLineEdit *txtbbl;
    QLineEdit *txtgal;
    QLineEdit *txtcm;
    QLineEdit *txtlf;
    QLineEdit *txtltn;

private:
    Table m_table;
};

QWidget *makeForm22(ScreenHost &host);
QWidget *makeForm6(ScreenHost &host);

} // namespace dravex
