#pragma once

#include "screens/screen.h"

namespace dravex {

// What tells the two volume-correction windows in barrels apart: their form and
// calculation, and the tab order (Table 6B's runs from the results back to the gravity).
struct Table6Layout
{
    const FormSpec &form;
    FormResult (*calculation)(const FieldTexts &texts);
    const char *tabOrder[8];
};

// Volume correction in barrels at 60 F: Form5 for crude oils (Table 6A), Form21 for
// generalized products (Table 6B).
class Table6Screen : public Screen
{
    Q_OBJECT

public:
    Table6Screen(ScreenHost &host, const Table6Layout &layout, QWidget *parent = nullptr);

private:
    const Table6Layout &m_layout;

    void txtgv_KeyPress();
};

QWidget *makeForm5(ScreenHost &host);
QWidget *makeForm21(ScreenHost &host);

} // namespace dravex
