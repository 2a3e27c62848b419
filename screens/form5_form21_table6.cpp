#include "screens/form5_form21_table6.h"

#include "core/conventions.h"
#include "core/correction_model.h"
#include "core/volume_correction.h"

#include <QFormLayout>
#include <QVBoxLayout>

namespace dravex {

Table6Screen::Table6Screen(ScreenHost &host, Table table, QWidget *parent)
    : Screen(host, table == Table::A ? QStringLiteral("Form5") : QStringLiteral("Form21"),
             table == Table::A ? QStringLiteral("VOLUME CORRECTION (TABLE 6a)")
                               : QStringLiteral("VOLUME CORRECTION (TABLE 6b)"),
             parent),
      m_table(table)
{
    const bool a = table == Table::A;
    const TwoColumns columns = addTwoColumns();
    txtapi = addField(columns.inputs, QStringLiteral("txtapi"), QStringLiteral("Gravity at 60 F (0.1)"));
    txtem = addField(columns.inputs, QStringLiteral("txtem"), QStringLiteral("Temperature to 0.5 Degrees F"));
    txtgv = addField(columns.inputs, QStringLiteral("txtgv"), QStringLiteral("Gross Barrels"));
    txtvcf = addField(columns.results, QStringLiteral("txtvcf"), QStringLiteral("Volume Correction Factor"));
    txtbbl = addField(columns.results, QStringLiteral("txtbbl"),
                      a ? QStringLiteral("Your Net Barrels at 60 F Are:")
                        : QStringLiteral("Your Net Barrels at 60 Deg F  Are:"));
    txtgal = addField(columns.results, QStringLiteral("txtgal"),
                      a ? QStringLiteral("Net Gallons at 60 F") : QStringLiteral("Net Gallons"));
    txtlf = addField(columns.results, QStringLiteral("txtlf"), QStringLiteral("LT. Factor"));
    txtlf->setMaximumWidth(100);
    txtltn = addField(columns.results, QStringLiteral("txtltn"), QStringLiteral("Long Tons Table 11"));

    auto *disclaimer = makeLabel(QString(), QStringLiteral(
        "Not responsible for errors as there are different tables and methods of calculations."));
    disclaimer->setWordWrap(true);
    content()->addWidget(disclaimer);

    if (a)
        setTabChain({txtapi, txtem, txtgv, txtvcf, txtbbl, txtgal, txtltn, txtlf});
    else
        setTabChain({txtlf, txtltn, txtgal, txtbbl, txtvcf, txtgv, txtem, txtapi});

    addWorkingPanel();

    // Enter in the gravity and temperature fields has no visible effect.
    onEnter(txtapi, [] {});
    onEnter(txtem, [] {});
    onEnter(txtgv, [this] { txtgv_KeyPress(); });
}

void Table6Screen::txtgv_KeyPress()
{
    calculate([this] {
        const double t = ReadFieldNumber(txtem);
        const double api = ReadFieldNumber(txtapi);
        const bool a = m_table == Table::A;
        const VolumeFactor factor = a ? Table6AFactor(api, t) : Table6BFactor(api, t);
        DescribeVolumeFactor(factor, working());
        if (factor.outOfRange()) {
            // Above 1074 kg/m3 Table 6B has no product group: nothing to write.
            stopWorking("density " + FormatFieldNumber(factor.density) + " kg/m3 is above 1074: no product group");
            showOutOfRange();
            return;
        }
        if (a)
            ShowFieldNumber(txtvcf, factor.vcf);
        const double gross = ReadFieldNumber(txtgv);
        const double net = NetBarrels(gross, factor.vcf);
        const double gallons = NetGallonsFromBarrels(net);
        if (!a)
            ShowFieldNumber(txtvcf, factor.vcf);
        ShowFieldNumber(txtbbl, net);
        ShowFieldNumber(txtgal, gallons);
        working().add("Gross volume", gross, "bbl");
        working().add("Net barrels at 60 F", net, "bbl", "gross x factor, rounded to 0.01");
        working().add("Net gallons", gallons, "gal", "net x 42, cut to whole gallons");
        const double longTonApi = ReadFieldNumber(txtapi);
        const double f = Table11LongTonFactor(longTonApi);
        const double ltFactor = a ? RoundToPlaces(f, 5) : TruncateToPlaces(f, 5);
        const double tons = LongTons(ltFactor, net);
        working().add("Long-ton factor before rounding", f, "LT/bbl", "gravity as entered");
        working().add("Long-ton factor", ltFactor, "LT/bbl", a ? "rounded to 5 places" : "cut to 5 places");
        working().add("Long tons", tons, "LT", "factor x net barrels, rounded to 0.01");
        ShowFieldNumber(txtlf, ltFactor);
        ShowFieldNumber(txtltn, tons);
    });
}

QWidget *makeForm5(ScreenHost &host)
{
    return new Table6Screen(host, Table6Screen::Table::A);
}

QWidget *makeForm21(ScreenHost &host)
{
    return new Table6Screen(host, Table6Screen::Table::B);
}

} // namespace dravex
