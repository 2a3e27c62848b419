#include "screens/form3_temperature.h"

#include "core/conversions.h"

#include <QFormLayout>
#include <QVBoxLayout>

namespace dravex {

Form3::Form3(ScreenHost &host, QWidget *parent)
    : Screen(host, QStringLiteral("Form3"), QStringLiteral("Temperature Conversion"), parent)
{
    auto *rows = new QFormLayout;
    txtCels = addField(rows, QStringLiteral("txtCels"), QStringLiteral("Celsius"), "Label1", &Label1);
    txtFah = addField(rows, QStringLiteral("txtFah"), QStringLiteral("Fahrenheit"), "Label2", &Label2);
    content()->addLayout(rows);

    Label3 = makeLabel(QStringLiteral("Label3"),
                       QStringLiteral("Press Enter after you have entered a temperature.  Re-enter a temperature "
                                      "if you desire to continue.   Temperatures may be entered in either block."));
    Label3->setTextFormat(Qt::PlainText);
    Label3->setWordWrap(true);
    content()->addWidget(Label3);
    setMinimumWidth(320);

    setTabChain({txtCels, txtFah});
    onEnter(txtCels, [this] { txtCels_KeyPress(); });
    onEnter(txtFah, [this] { txtFah_KeyPress(); });
}

void Form3::txtCels_KeyPress()
{
    calculate([this] {
        const double celsius = ReadFieldNumber(txtCels);
        ShowFieldNumber(txtFah, CelsiusToFahrenheit(celsius));
    });
}

void Form3::txtFah_KeyPress()
{
    calculate([this] {
        const double fahrenheit = ReadFieldNumber(txtFah);
        ShowFieldNumber(txtCels, FahrenheitToCelsius(fahrenheit).celsius);
    });
}

QWidget *makeForm3(ScreenHost &host)
{
    return new Form3(host);
}

} // namespace dravex
