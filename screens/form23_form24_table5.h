#pragma once

#include "screens/screen.h"

class QFrame;

namespace dravex {

// The layout every gravity-correction window shares: observed gravity and temperature,
// a line, the corrected gravity, and a help label below.
class GravityScreen : public Screen
{
    Q_OBJECT

public:
    struct Captions
    {
        QString observedGravity;     // Label1
        QString observedTemperature; // Label2
        QString result;              // Label3
        QString help;                // Label4
    };

    QLineEdit *txtobg;
    QLineEdit *txtobt;
    QLineEdit *txtcg;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label4;
    QFrame *Line1;

protected:
    GravityScreen(ScreenHost &host, const QString &name, const QString &caption, const Captions &captions,
                  QWidget *parent = nullptr);
};

// Observed API gravity to API gravity at 60 F: Form23 (Table 5A) takes the temperature
// difference in whole degrees, Form24 (Table 5B) exactly. They differ besides in their
// labels, their tab order and what Enter in the gravity field does.
class Table5Screen : public GravityScreen
{
    Q_OBJECT

public:
    enum class Table { A, B };

    Table5Screen(ScreenHost &host, Table table, QWidget *parent = nullptr);

    void txtobg_KeyPress();
    void txtobt_KeyPress();

private:
    Table m_table;
};

QWidget *makeForm23(ScreenHost &host);
QWidget *makeForm24(ScreenHost &host);

} // namespace dravex
