#include "screens/form11_form18_sda.h"

#include "core/additives.h"
#include "screens/svg_picture.h"

#include <QGridLayout>
#include <QHBoxLayout>

namespace dravex {

// What tells the two SDA windows apart: the form and its calculation, the names of the
// labels, top to bottom, two texts, the picture, and where Enter leaves a field as typed.
struct SdaLayout
{
    const FormSpec &form;
    FormResult (*calculation)(const FieldTexts &texts);
    const char *heading;
    const char *headingText;
    const char *quantity;
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
    // Fields where Enter leaves the text as typed; a field in neither list has no handler.
    const char *quietFields[2];
    const char *tabOrder[5];
};

namespace {

const char *const kSdaAdvice = QT_TRANSLATE_NOOP(
    "dravex::SdaScreen",
    "If you are blending by hand into a Rail Car or Tank Truck, it is recommended that you first mix the SDA mix "
    "with more product in a 5 gal container then introduce this mix into your product.  If possible circulate "
    "the product for a while to get a homogeneous mixture.");

const SdaLayout kForm11Layout{
    .form = kForm11,
    .calculation = SdaInjectionBarrels,
    .heading = "Label8",
    .headingText = QT_TRANSLATE_NOOP("dravex::SdaScreen", "Barrels"),
    .quantity = "Label1",
    .lab = "Label2",
    .desired = "Label9",
    .pressEnter = "Label6",
    .mix = "Label3",
    .mixUnit = "Label4",
    .mixUnitText = QT_TRANSLATE_NOOP("dravex::SdaScreen", "Gals of SDA with "),
    .fuelUnit = "Label10",
    .sentenceEnd = "Label7",
    .advice = "Label5",
    .picture = ":/sda_drums.svg",
    .quietFields = {"txtqti", "txtilr"},
    .tabOrder = {"txtqti", "txtilr", "txtmix", "txtprd", "txterw"},
};

// On the gallons window the quantity field has no handler: typing in it computes nothing.
const SdaLayout kForm18Layout{
    .form = kForm18,
    .calculation = SdaInjectionGallons,
    .heading = "Label1",
    .headingText = QT_TRANSLATE_NOOP("dravex::SdaScreen", "Gallons"),
    .quantity = "Label2",
    .lab = "Label3",
    .desired = "Label4",
    .pressEnter = "Label5",
    .mix = "Label6",
    .mixUnit = "Label7",
    .mixUnitText = QT_TRANSLATE_NOOP("dravex::SdaScreen", "mls of SDA with"),
    .fuelUnit = "Label8",
    .sentenceEnd = "Label9",
    .advice = "Label10",
    .picture = ":/sda_bottle.svg",
    .quietFields = {"txtilr", nullptr},
    .tabOrder = {"txtqti", "txtilr", "txterw", "txtmix", "txtprd"},
};

} // namespace

SdaScreen::SdaScreen(ScreenHost &host, const SdaLayout &layout, QWidget *parent)
    : Screen(host, layout.form, parent), m_layout(layout)
{
    auto *grid = new QGridLayout;
    content()->addLayout(grid);
    QLabel *heading = makeLabel(QString::fromLatin1(layout.heading), tr(layout.headingText));
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.25);
    heading->setFont(bold);
    grid->addWidget(heading, 0, 0);
    grid->addWidget(
        new SvgPicture(QStringLiteral("Picture1"), QString::fromLatin1(layout.picture), QSize(32, 32), this), 0, 3,
        Qt::AlignRight);

    // Quantity, lab result and desired result, each captioned as the form names it.
    const struct
    {
        const char *field;
        const char *label;
    } rows[] = {{"txtqti", layout.quantity}, {"txtilr", layout.lab}, {"txterw", layout.desired}};
    int row = 1;
    for (const auto &r : rows) {
        QLineEdit *input = makeField(r.field);
        grid->addWidget(labelFor(r.label, captionOf(r.field), input), row, 0);
        grid->addWidget(input, row, 1);
        ++row;
    }
    grid->addWidget(makeLabel(QString::fromLatin1(layout.pressEnter), tr("Press Enter")), 3, 2);
    grid->setColumnStretch(2, 1);

    // "Mix [txtmix] Gals of SDA with [txtprd] Gallons" / " of fuel and inject this mix ..."
    QLineEdit *mix = makeField("txtmix");
    QLineEdit *fuel = makeField("txtprd");
    mix->setMaximumWidth(120);
    fuel->setMaximumWidth(120);
    auto *sentence = new QHBoxLayout;
    sentence->addWidget(labelFor(layout.mix, tr("Mix"), mix));
    sentence->addWidget(mix);
    sentence->addWidget(makeLabel(QString::fromLatin1(layout.mixUnit), tr(layout.mixUnitText)));
    sentence->addWidget(fuel);
    sentence->addWidget(labelFor(layout.fuelUnit, tr("Gallons"), fuel));
    sentence->addStretch();
    content()->addLayout(sentence);
    content()->addWidget(
        makeLabel(QString::fromLatin1(layout.sentenceEnd), tr(" of fuel and inject this mix into your fuel.")));

    QLabel *advice = makeLabel(QString::fromLatin1(layout.advice), tr(kSdaAdvice));
    advice->setWordWrap(true);
    content()->addWidget(advice);

    std::vector<QWidget *> chain;
    for (const char *name : layout.tabOrder)
        chain.push_back(field(name));
    setTabChain(chain);
    for (const char *name : layout.quietFields)
        if (name)
            onEnter(field(name), [] {});
    onEnter(field("txterw"), [this] { txterw_KeyPress(); });
    resize(560, sizeHint().height());
}

void SdaScreen::txterw_KeyPress()
{
    run(m_layout.calculation);
}

QWidget *makeForm11(ScreenHost &host)
{
    return new SdaScreen(host, kForm11Layout);
}

QWidget *makeForm18(ScreenHost &host)
{
    return new SdaScreen(host, kForm18Layout);
}

} // namespace dravex
