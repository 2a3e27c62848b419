#include "screens/form25_form26_table53.h"

#include "core/conventions.h"
#include "core/gravity_correction.h"

namespace dravex {

namespace {

GravityScreen::Captions table53Captions()
{
    return {QStringLiteral("Enter Observed Density"), QStringLiteral("Enter Observed Temp. C"),
            QStringLiteral("Density at 15 Deg. C"),
            QStringLiteral("Place curser in box to enter your data.  Press Enter after you have entered your "
                           "data.  Enter Temp. to 0.25 Deg. C")};
}

} // namespace

Table53Screen::Table53Screen(ScreenHost &host, Table table, QWidget *parent)
    : GravityScreen(host, table == Table::A ? QStringLiteral("Form25") : QStringLiteral("Form26"),
                    table == Table::A ? QStringLiteral("GRAVITY CORRECTION (TABLE 53a)")
                                      : QStringLiteral("GRAVITY CORRECTION (TABLE 53b)"),
                    table53Captions(), parent),
      m_table(table)
{
    setTabChain({txtcg, txtobt, txtobg});
    addWorkingPanel();
    // Enter in the density field computes nothing.
    onEnter(txtobg, [] {});
    onEnter(txtobt, [this] { txtobt_KeyPress(); });
}

void Table53Screen::txtobt_KeyPress()
{
    calculate([this] {
        const double t = ReadFieldNumber(txtobt);
        const double observed = ReadFieldNumber(txtobg);
        const DensityTable table = m_table == Table::A ? DensityTable::Table53A : DensityTable::Table53B;
        const Density15Correction corrected = ObservedDensityToDensity15(observed, t, table);
        DescribeDensity15Correction(corrected, working());
        // Outside the Table 53B bands the window says so, and the density corrected for the
        // glass alone is still shown.
        if (corrected.outOfRange)
            showOutOfRange();
        const double shown = RoundToPlaces(corrected.density15, 1);
        ShowFieldNumber(txtcg, shown);
        working().add("Density at 15 C shown", shown, "kg/m3", "rounded to 0.1");
    });
}

QWidget *makeForm25(ScreenHost &host)
{
    return new Table53Screen(host, Table53Screen::Table::A);
}

QWidget *makeForm26(ScreenHost &host)
{
    return new Table53Screen(host, Table53Screen::Table::B);
}

} // namespace dravex
