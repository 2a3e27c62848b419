#pragma once

#include "screens/form23_form24_table5.h"

namespace dravex {

// Observed density to density at 15 C: Form25 for crude oils (Table 53A), Form26 for
// refined products (Table 53B), which picks its expansion pair by the observed density and
// shows the out-of-range window outside its bands.
class Table53Screen : public GravityScreen
{
    Q_OBJECT

public:
    enum class Table { A, B };

    Table53Screen(ScreenHost &host, Table table, QWidget *parent = nullptr);

    void txtobt_KeyPress();

private:
    Table m_table;
};

QWidget *makeForm25(ScreenHost &host);
QWidget *makeForm26(ScreenHost &host);

} // namespace dravex
