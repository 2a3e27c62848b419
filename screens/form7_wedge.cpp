#include "screens/form7_wedge.h"

#include "core/gauging.h"
#include "screens/gauging_fields.h"
#include "screens/svg_picture.h"

#include <QGridLayout>
#include <QHBoxLayout>

namespace dravex {

namespace {

constexpr int kInputWidth = 110;

} // namespace

Form7::Form7(ScreenHost &host, QWidget *parent) : Screen(host, kForm7, parent)
{
    // Neither unit is preset: the user chooses one before the first calculation.
    auto *option1 = new TabStopRadioButton(tr("English, ft. and in."), this);
    option1->setObjectName(QStringLiteral("Option1"));
    auto *option2 = new TabStopRadioButton(tr("Metric, meters"), this);
    option2->setObjectName(QStringLiteral("Option2"));
    auto *units = new QHBoxLayout;
    units->addStretch();
    units->addWidget(option1);
    units->addSpacing(40);
    units->addWidget(option2);
    units->addStretch();
    content()->addLayout(units);

    // The ship's and the tank's lengths stand above the plan, as its dimension lines do;
    // the drafts at their ends of the hull; depth and innage below.
    auto *above = new QHBoxLayout;
    for (const char *name : {"txtvl", "txttl", "txtbhd", "txttw"})
        above->addLayout(fieldUnderCaption(name, kInputWidth));
    above->addStretch();

    auto *plan = new QGridLayout;
    plan->addLayout(above, 0, 1);
    QVBoxLayout *aft = fieldUnderCaption("txtadt", kInputWidth);
    aft->addStretch();
    plan->addLayout(aft, 1, 0, Qt::AlignTop);
    plan->addWidget(new SvgPicture(QStringLiteral("Picture1"), QStringLiteral(":/wedge.svg"), QSize(576, 192), this), 1,
                    1);
    QVBoxLayout *forward = fieldUnderCaption("txtfdt", kInputWidth);
    forward->addStretch();
    plan->addLayout(forward, 1, 2, Qt::AlignTop);

    auto *below = new QHBoxLayout;
    below->addLayout(fieldUnderCaption("txttdp", kInputWidth));
    below->addLayout(fieldUnderCaption("txtinn", kInputWidth));
    below->addWidget(makeLabel(QStringLiteral("Label1"), tr("Press Enter after the last input.")), 0, Qt::AlignBottom);
    below->addStretch();
    plan->addLayout(below, 2, 1);
    content()->addLayout(plan);

    QLineEdit *txtrob = makeField("txtrob");
    txtrob->setMaximumWidth(140);
    QLineEdit *txtmes = makeField("txtmes");
    txtmes->setMaximumWidth(90);
    auto *result = new QHBoxLayout;
    result->addStretch();
    result->addWidget(labelFor("", tr("Quantity Remaining in Tank:"), txtrob));
    result->addWidget(txtrob);
    result->addWidget(txtmes);
    result->addStretch();
    content()->addLayout(result);

    auto *advice = makeLabel(
        QStringLiteral("Label11"),
        tr("Place currser in the corresponding block and enter each one of the measurements asked for.  "
           "Entries must be made in tenths ( .1 ).  For each additional tank re-enter the new measurements."));
    setRunningText(advice, 760);
    content()->addWidget(advice, 0, Qt::AlignHCenter);

    setTabChain({field("txtvl"), field("txttl"), field("txttw"), field("txtbhd"), field("txtfdt"), field("txtadt"),
                 field("txttdp"), field("txtinn"), txtrob, option1, option2, txtmes});
    addWorkingPanel();

    for (const char *name : {"txtvl", "txttl", "txttw", "txtbhd", "txtfdt", "txtadt", "txttdp"}) {
        QLineEdit *input = field(name);
        onEnter(input, [input] { writeBack(input); });
    }
    onEnter(field("txtinn"), [this] { txtinn_KeyPress(); });
}

void Form7::txtinn_KeyPress()
{
    writeBack(field("txtinn"));
    run(WedgeQuantityRemaining);
}

QWidget *makeForm7(ScreenHost &host)
{
    return new Form7(host);
}

} // namespace dravex
