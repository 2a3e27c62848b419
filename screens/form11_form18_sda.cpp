#include "screens/form11_form18_sda.h"

#include "core/additives.h"
#include "screens/svg_picture.h"

#include <QGridLayout>
#include <QHBoxLayout>

namespace dravex {

namespace {

const QString kSdaAdvice = QStringLiteral(
    "If you are blending by hand into a Rail Car or Tank Truck, it is recommended that you first mix the SDA mix "
    "with more product in a 5 gal container then introduce this mix into your product.  If possible circulate "
    "the product for a while to get a homogeneous mixture.");

// The names and texts in which the two windows differ.
struct SdaLayout
{
    const char *form;
    const char *caption;
    const char *heading; // name of the unit heading
    const char *headingText;
    const char *quantity; // label names, top to bottom
    const char *lab;
    const char *desired;
    const char *pressEnter;
    const char *mix;
    const char *mixUnit;
    const char *mixUnitText;
    const char *fuelUnit;
    const char *sentenceEnd;
    const char *advice;
    const char *picture;
};

const SdaLayout kBarrels{
    .form = "Form11",
    .caption = "STATIC DISSIPATOR ADDITIVE (SDA)",
    .heading = "Label8",
    .headingText = "Barrels",
    .quantity = "Label1",
    .lab = "Label2",
    .desired = "Label9",
    .pressEnter = "Label6",
    .mix = "Label3",
    .mixUnit = "Label4",
    .mixUnitText = "Gals of SDA with ",
    .fuelUnit = "Label10",
    .sentenceEnd = "Label7",
    .advice = "Label5",
    .picture = ":/sda_drums.svg",
};

const SdaLayout kGallons{
    .form = "Form18",
    .caption = "STATIC DISSAPATOR ADDITIVE (SDA)",
    .heading = "Label1",
    .headingText = "Gallons",
    .quantity = "Label2",
    .lab = "Label3",
    .desired = "Label4",
    .pressEnter = "Label5",
    .mix = "Label6",
    .mixUnit = "Label7",
    .mixUnitText = "mls of SDA with",
    .fuelUnit = "Label8",
    .sentenceEnd = "Label9",
    .advice = "Label10",
    .picture = ":/sda_bottle.svg",
};

} // namespace

SdaScreen::SdaScreen(ScreenHost &host, Unit unit, QWidget *parent)
    : Screen(host, QString::fromLatin1((unit == Unit::Barrels ? kBarrels : kGallons).form),
             QString::fromLatin1((unit == Unit::Barrels ? kBarrels : kGallons).caption), parent),
      m_unit(unit)
{
    const SdaLayout &l = unit == Unit::Barrels ? kBarrels : kGallons;

    auto *grid = new QGridLayout;
    content()->addLayout(grid);
    QLabel *heading = makeLabel(QString::fromLatin1(l.heading), QString::fromLatin1(l.headingText));
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.25);
    heading->setFont(bold);
    grid->addWidget(heading, 0, 0);
    grid->addWidget(new SvgPicture(QStringLiteral("Picture1"), QString::fromLatin1(l.picture), QSize(32, 32), this), 0,
                    3, Qt::AlignRight);

    txtqti = makeField(QStringLiteral("txtqti"), QStringLiteral("Quantity to be Injected:"));
    grid->addWidget(labelFor(l.quantity, QStringLiteral("Quantity to be Injected:"), txtqti), 1, 0);
    grid->addWidget(txtqti, 1, 1);

    txtilr = makeField(QStringLiteral("txtilr"), QStringLiteral("Pre Injection Lab Results"));
    grid->addWidget(labelFor(l.lab, QStringLiteral("Pre Injection Lab Results"), txtilr), 2, 0);
    grid->addWidget(txtilr, 2, 1);

    txterw = makeField(QStringLiteral("txterw"), QStringLiteral("End Result Desired"));
    grid->addWidget(labelFor(l.desired, QStringLiteral("End Result Desired"), txterw), 3, 0);
    grid->addWidget(txterw, 3, 1);
    grid->addWidget(makeLabel(QString::fromLatin1(l.pressEnter), QStringLiteral("Press Enter")), 3, 2);
    grid->setColumnStretch(2, 1);

    // "Mix [txtmix] Gals of SDA with [txtprd] Gallons" / " of fuel and inject this mix ..."
    auto *sentence = new QHBoxLayout;
    txtmix = makeField(QStringLiteral("txtmix"),
                       unit == Unit::Barrels ? QStringLiteral("Mix Gals of SDA") : QStringLiteral("Mix mls of SDA"));
    txtprd = makeField(QStringLiteral("txtprd"), QStringLiteral("Gallons of fuel"));
    txtmix->setMaximumWidth(120);
    txtprd->setMaximumWidth(120);
    sentence->addWidget(labelFor(l.mix, QStringLiteral("Mix"), txtmix));
    sentence->addWidget(txtmix);
    sentence->addWidget(makeLabel(QString::fromLatin1(l.mixUnit), QString::fromLatin1(l.mixUnitText)));
    sentence->addWidget(txtprd);
    sentence->addWidget(labelFor(l.fuelUnit, QStringLiteral("Gallons"), txtprd));
    sentence->addStretch();
    content()->addLayout(sentence);
    content()->addWidget(
        makeLabel(QString::fromLatin1(l.sentenceEnd), QStringLiteral(" of fuel and inject this mix into your fuel.")));

    QLabel *advice = makeLabel(QString::fromLatin1(l.advice), kSdaAdvice);
    advice->setWordWrap(true);
    content()->addWidget(advice);

    if (unit == Unit::Barrels) {
        setTabChain({txtqti, txtilr, txtmix, txtprd, txterw});
        onEnter(txtqti, [] {});
    } else {
        // On the gallons screen the quantity field has no handler: typing in it computes nothing.
        setTabChain({txtqti, txtilr, txterw, txtmix, txtprd});
    }
    // Enter in the lab result leaves it as typed.
    onEnter(txtilr, [] {});
    onEnter(txterw, [this] { txterw_KeyPress(); });
    resize(560, sizeHint().height());
}

void SdaScreen::txterw_KeyPress()
{
    calculate([this] {
        const double lab = ReadFieldNumber(txtilr);
        const double desired = ReadFieldNumber(txterw);
        const SdaDose dose = SdaDoseFor(lab, desired);
        const double quantity = ReadFieldNumber(txtqti);
        if (m_unit == Unit::Barrels) {
            const SdaBarrelsMix mix = SdaMixForBarrels(dose, quantity);
            ShowFieldNumber(txtmix, mix.shown);
            // Nine parts of fuel to the SDA gallons as shown.
            const double shownSda = ReadFieldNumber(txtmix);
            ShowFieldNumber(txtprd, SdaPremixFuelForBarrels(shownSda));
        } else {
            const SdaGallonsMix mix = SdaMixForGallons(dose, quantity);
            ShowFieldNumber(txtmix, mix.millilitres);
            ShowFieldNumber(txtprd, SdaPremixFuelForGallons(mix).shown);
            if (const auto minimum = SdaMinimumPremixFuel(ReadFieldNumber(txtprd)))
                ShowFieldNumber(txtprd, *minimum);
        }
    });
}

QWidget *makeForm11(ScreenHost &host)
{
    return new SdaScreen(host, SdaScreen::Unit::Barrels);
}

QWidget *makeForm18(ScreenHost &host)
{
    return new SdaScreen(host, SdaScreen::Unit::Gallons);
}

} // namespace dravex
