#pragma once

#include "screens/screen.h"

namespace dravex {

// Volume correction in barrels at 60 F: Form5 for crude oils (Table 6A), Form21 for
// generalized products (Table 6B). The two differ in the factor, two labels, the tab
// order, when the factor is written and the precision of the long-ton factor.
class Table6Screen : public Screen
{
    Q_OBJECT

public:
    enum class Table { A, B };

    Table6Screen(ScreenHost &host, Table table, QWidget *parent = nullptr);

    void txtgv_KeyPress();

    QLineEdit *txtapi;
    QLineEdit *txtem;
    QLineEdit *txtgv;
    QLineEdit *txtvcf;
    QLineEdit *txtbbl;
    QLineEdit *txtgal;
    QLineEdit *txtlf;
    QLineEdit *txtltn;

private:
    Table m_table;
};

QWidget *makeForm5(ScreenHost &host);
QWidget *makeForm21(ScreenHost &host);

} // namespace dravex
