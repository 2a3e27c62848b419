// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/form11_form18_sda.h"

#include "core/additives.h"
#include "screens/svg_picture.h"

#include <QGridLayout>
#include <QHBoxLayout>

namespace dravex {

// The names of the labels of an SDA window, top to bottom.
struct SdaLabels
{
    const char *heading;
    const char *quantity;
    const char *lab;
    const char *desired;
    const char *pressEnter;
    const char *mix;
    const char *mixUnit;
    const char *fuelUnit;
    const char *sentenceEnd;
    const char *advice;
};

// What tells the two SDA windows apart: the form and its calculation, the heading and the
// unit of the mix, the labels' names, the picture, the fields where Enter leaves the text
// as typed (a field in neither list has no handler) and the tab order.
struct SdaLayout
{
    const FormSpec &form;
    const char *headingText;
    const char *mixUnitText;
    SdaLabels labels;
    const char *picture;
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
    kForm11,
    QT_TRANSLATE_NOOP("dravex::SdaScreen", "Barrels"),
    QT_TRANSLATE_NOOP("dravex::SdaScreen", "Gals of SDA with "),
    {"Label8", "Label1", "Label2", "Label9", "Label6", "Label3", "Label4", "Label10", "Label7", "Label5"},
    ":/sda_drums.svg",
    {"txtqti", "txtilr"},
    {"txtqti", "txtilr", "txtmix", "txtprd", "txterw"}};

// On the gallons window the quantity field has no handler: typing in it computes nothing.
const SdaLayout kForm18Layout{
    kForm18,
    QT_TRANSLATE_NOOP("dravex::SdaScreen", "Gallons"),
    QT_TRANSLATE_NOOP("dravex::SdaScreen", "mls of SDA with"),
    {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8", "Label9", "Label10"},
    ":/sda_bottle.svg",
    {"txtilr", nullptr},
    {"txtqti", "txtilr", "txterw", "txtmix", "txtprd"}};

} // namespace

SdaScreen::SdaScreen(ScreenHost &host, const SdaLayout &layout, QWidget *parent)
    : Screen(host, layout.form, parent), m_layout(layout)
{
    const SdaLabels &labels = layout.labels;
    auto *grid = new QGridLayout;
    content()->addLayout(grid);
    QLabel *heading = makeLabel(QString::fromLatin1(labels.heading), tr(layout.headingText));
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
    } rows[] = {{"txtqti", labels.quantity}, {"txtilr", labels.lab}, {"txterw", labels.desired}};
    int row = 1;
    for (const auto &r : rows) {
        QLineEdit *input = makeField(r.field);
        grid->addWidget(labelFor(r.label, captionOf(r.field), input), row, 0);
        grid->addWidget(input, row, 1);
        ++row;
    }
    grid->addWidget(makeLabel(QString::fromLatin1(labels.pressEnter), tr("Press Enter")), 3, 2);
    grid->setColumnStretch(2, 1);

    // "Mix [txtmix] Gals of SDA with [txtprd] Gallons" / " of fuel and inject this mix ..."
    QLineEdit *mix = makeField("txtmix");
    QLineEdit *fuel = makeField("txtprd");
    mix->setMaximumWidth(120);
    fuel->setMaximumWidth(120);
    auto *sentence = new QHBoxLayout;
    sentence->addWidget(labelFor(labels.mix, tr("Mix"), mix));
    sentence->addWidget(mix);
    sentence->addWidget(makeLabel(QString::fromLatin1(labels.mixUnit), tr(layout.mixUnitText)));
    sentence->addWidget(fuel);
    sentence->addWidget(labelFor(labels.fuelUnit, tr("Gallons"), fuel));
    sentence->addStretch();
    content()->addLayout(sentence);
    content()->addWidget(
        makeLabel(QString::fromLatin1(labels.sentenceEnd), tr(" of fuel and inject this mix into your fuel.")));

    QLabel *advice = makeLabel(QString::fromLatin1(labels.advice), tr(kSdaAdvice));
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
    run("txterw");
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
