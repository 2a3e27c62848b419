#include "screens/form4_gravity_conversion.h"

#include "core/conversions.h"
#include "core/correction_model.h"

#include <QFormLayout>
#include <QVBoxLayout>

namespace dravex {

Form4::Form4(ScreenHost &host, QWidget *parent)
    : Screen(host, QStringLiteral("Form4"), QStringLiteral("GRAVITY CONVERSION"), parent)
{
    auto *rows = new QFormLayout;
    txtapi = addField(rows, QStringLiteral("txtapi"), QStringLiteral("API at 60 Deg. F"), "Label1", &Label1);
    txtden = addField(rows, QStringLiteral("txtden"), QStringLiteral("Density at 15 Deg. C"), "Label2", &Label2);
    txtspe =
        addField(rows, QStringLiteral("txtspe"), QStringLiteral("Specific at 15 Deg. C"), "Label3", &Label3);
    content()->addLayout(rows);

    Label4 = makeLabel(QStringLiteral("Label4"),
                       QStringLiteral("Press Enter after you have entered a gravity.  Re-enter a temperature "
                                      "if you desire to continue.   Temperatures may be entered in either block."));
    Label4->setTextFormat(Qt::PlainText);
    Label4->setWordWrap(true);
    content()->addWidget(Label4);
    setMinimumWidth(360);

    setTabChain({txtapi, txtden, txtspe});
    addWorkingPanel();
    onEnter(txtapi, [this] { txtapi_KeyPress(); });
    onEnter(txtden, [this] { txtden_KeyPress(); });
    onEnter(txtspe, [this] { txtspe_KeyPress(); });
}

void Form4::txtapi_KeyPress()
{
    calculate([this] {
        const double api = ReadFieldNumber(txtapi);
        working().add("API at 60 F", api, "API", "as entered");
        // The density at 60 F goes through the field before the step to 15 C.
        ShowFieldNumber(txtden, DensityFromApi(api));
        const double rho60 = ReadFieldNumber(txtden);
        working().add("Density at 60 F", rho60, "kg/m3", "141360.198 / (API + 131.5), read back from its field");
        const Density15 d = Density15FromDensity60(rho60);
        DescribeDensity15(d, working());
        ShowFieldNumber(txtden, d.density);
        const double sg = SpecificGravityFromDensity(ReadFieldNumber(txtden));
        working().add("Specific gravity at 15 C", sg, {}, "density as read back / 1000 - 0.0011, unrounded");
        ShowFieldNumber(txtspe, sg);
    });
}

void Form4::txtden_KeyPress()
{
    calculate([this] {
        const double rho = ReadFieldNumber(txtden);
        working().add("Density at 15 C", rho, "kg/m3", "as entered");
        const Api60 a = Api60FromDensity15(rho);
        DescribeApi60(a, working());
        ShowFieldNumber(txtapi, a.gravity);
        const double sg = SpecificGravityFromDensity(rho);
        working().add("Specific gravity at 15 C", sg, {}, "density / 1000 - 0.0011, unrounded");
        ShowFieldNumber(txtspe, sg);
    });
}

void Form4::txtspe_KeyPress()
{
    calculate([this] {
        const double sg = ReadFieldNumber(txtspe);
        working().add("Specific gravity at 15 C", sg, {}, "as entered");
        ShowFieldNumber(txtden, DensityFromSpecificGravity(sg));
        const double rho = ReadFieldNumber(txtden);
        working().add("Density at 15 C", rho, "kg/m3", "(specific gravity + 0.0011) x 1000, read back from its field");
        const Api60 a = Api60FromDensity15(rho);
        DescribeApi60(a, working());
        ShowFieldNumber(txtapi, a.gravity);
    });
}

QWidget *makeForm4(ScreenHost &host)
{
    return new Form4(host);
}

} // namespace dravex
