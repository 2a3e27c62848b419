#include "screens/form22_form6_table54.h"

#include "core/conventions.h"
#include "core/correction_model.h"
#include "core/volume_correction.h"

#include <QFormLayout>
#include <QVBoxLayout>

namespace dravex {

Table54Screen::Table54Screen(ScreenHost &host, Table table, QWidget *parent)
    : Screen(host, table == Table::A ? QStringLiteral("Form22") : QStringLiteral("Form6"),
             table == Table::A ? QStringLiteral("VOLUME CORRECTION (TABLE 54a)")
                               : QStringLiteral("VOLUME CORRECTION (TABLE 54b)"),
             parent),
      m_table(table)
{
    const bool a = table == Table::A;
    const TwoColumns columns = addTwoColumns();
    txtapi = addField(columns.inputs, QStringLiteral("txtapi"), QStringLiteral("Density at 15 C"));
    txtem = addField(columns.inputs, QStringLiteral("txtem"), QStringLiteral("Temperature to 0.25 Degrees C"));
    txtgv = addField(columns.inputs, QStringLiteral("txtgv"), QStringLiteral("Gross Liters"));
    txtvcf = addField(columns.results, QStringLiteral("txtvcf"), QStringLiteral("Volume Correction Factor"));
    txtlts =
        addField(columns.results, QStringLiteral("txtlts"),
                 a ? QStringLiteral("Your Net Liters at 15 C are:") : QStringLiteral("Your Net Litrers at 15 C are:"));
    txtbbl = addField(columns.results, QStringLiteral("txtbbl"),
                      a ? QStringLiteral("Net Barrels at 60 Deg F are:") : QStringLiteral("Net Barrels at 60 F are:"));
    txtgal = addField(columns.results, QStringLiteral("txtgal"), QStringLiteral("Net Gallons at 60 F:"));
    txtcm = addField(columns.results, QStringLiteral("txtcm"), QStringLiteral("Cubic Meters at 15 C"));
    txtlf = addField(columns.results, QStringLiteral("txtlf"), QStringLiteral("LT. Factor"));
    txtlf->setMaximumWidth(100);
    txtltn = addField(columns.results, QStringLiteral("txtltn"), QStringLiteral("Long Tons Table 57"));

    auto *disclaimer = makeLabel(
        QString(),
        QStringLiteral("Not responsible for errors as there are different tables and methods of calculations."));
    disclaimer->setWordWrap(true);
    content()->addWidget(disclaimer);

    if (a)
        setTabChain({txtlf, txtltn, txtgal, txtlts, txtvcf, txtgv, txtem, txtapi, txtbbl, txtcm});
    else
        setTabChain({txtbbl, txtapi, txtem, txtgv, txtvcf, txtlts, txtgal, txtltn, txtlf, txtcm});

    addWorkingPanel();

    // Enter in the density and temperature fields has no visible effect.
    onEnter(txtapi, [] {});
    onEnter(txtem, [] {});
    onEnter(txtgv, [this] { txtgv_KeyPress(); });
}

void Table54Screen::txtgv_KeyPress()
{
    calculate([this] {
        const double t = ReadFieldNumber(txtem);
        // The density field cannot change during one calculation, so one read serves the
        // factor, the gallons factor and the long-ton factor.
        const double rho = ReadFieldNumber(txtapi);
        const VolumeFactor factor = m_table == Table::A ? Table54AFactor(rho, t) : Table54BFactor(rho, t);
        DescribeVolumeFactor(factor, working());
        const std::optional<double> gallonsPerLitre = GallonsPerLitre(rho);
        if (factor.outOfRange() || !gallonsPerLitre) {
            // Above 1074 kg/m3 there is no gallons factor (and on Table 54B no product
            // group): nothing is written.
            stopWorking("density " + FormatFieldNumber(rho) + " kg/m3 is above 1074: no " +
                        (factor.outOfRange() ? "product group or gallons factor" : "gallons factor"));
            showOutOfRange();
            return;
        }
        working().add("Gallons factor", *gallonsPerLitre, "gal/l", "US gallons at 60 F per litre at 15 C, by density");
        const double gross = ReadFieldNumber(txtgv);
        const double litres = NetLitres(gross, factor.vcf);
        ShowFieldNumber(txtvcf, factor.vcf);
        const double gallons = NetGallonsFromLitres(litres, *gallonsPerLitre);
        const double barrels = BarrelsFromGallons(gallons);
        ShowFieldNumber(txtbbl, barrels);
        ShowFieldNumber(txtvcf, factor.vcf);
        ShowFieldNumber(txtlts, litres);
        ShowFieldNumber(txtgal, gallons);
        working().add("Gross volume", gross, "l");
        working().add("Net litres at 15 C", litres, "l", "gross x factor, rounded to whole litres");
        working().add("Net gallons at 60 F", gallons, "gal", "litres x gallons factor, rounded to whole gallons");
        working().add("Net barrels at 60 F", barrels, "bbl", "gallons / 42, rounded to 0.01");
        const double ltFactor = Table57LongTonFactor(rho);
        const double cubic = CubicMetres(litres);
        const double tons = LongTons(ltFactor, cubic);
        working().add("Long-ton factor", ltFactor, "LT/m3", "(density / 1000 - 0.0011) x 0.984236, cut to 4 places");
        working().add("Cubic metres at 15 C", cubic, "m3", "litres / 1000");
        working().add("Long tons", tons, "LT", "factor x cubic metres, rounded to 0.01");
        ShowFieldNumber(txtcm, cubic);
        ShowFieldNumber(txtlf, ltFactor);
        ShowFieldNumber(txtltn, tons);
    });
}

QWidget *makeForm22(ScreenHost &host)
{
    return new Table54Screen(host, Table54Screen::Table::A);
}

QWidget *makeForm6(ScreenHost &host)
{
    return new Table54Screen(host, Table54Screen::Table::B);
}

} // namespace dravex
