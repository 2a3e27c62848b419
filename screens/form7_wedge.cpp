// SPDX-License-Identifier: GPL-3.0-or-later
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
    // Fields in the order Tab visits them, top to bottom and left to right, each by the
    // dimension it measures: the lengths above the plan, as its dimension lines; the
    // forward draft at the bow, high on the right, then the aft draft at the stern, low on
    // the left; depth and innage below; then the result with the unit choice and its unit.
    auto *above = new QHBoxLayout;
    for (const char *name : {"txtvl", "txttl", "txttw", "txtbhd"})
        above->addLayout(fieldUnderCaption(name, kInputWidth));
    above->addStretch();

    auto *plan = new QGridLayout;
    plan->addLayout(above, 0, 1);
    QVBoxLayout *forward = fieldUnderCaption("txtfdt", kInputWidth);
    forward->addStretch();
    plan->addLayout(forward, 1, 2);
    QVBoxLayout *aft = fieldUnderCaption("txtadt", kInputWidth);
    aft->insertStretch(0);
    plan->addLayout(aft, 1, 0);
    plan->addWidget(new SvgPicture(QStringLiteral("Picture1"), QStringLiteral(":/wedge.svg"), QSize(576, 192), this), 1,
                    1);

    auto *below = new QHBoxLayout;
    below->addLayout(fieldUnderCaption("txttdp", kInputWidth));
    below->addLayout(fieldUnderCaption("txtinn", kInputWidth));
    below->addWidget(makeLabel(QStringLiteral("Label1"), tr("Press Enter after the last input.")), 0, Qt::AlignBottom);
    below->addStretch();
    plan->addLayout(below, 2, 1);
    content()->addLayout(plan);

    // Neither unit is preset: the user chooses one before the first calculation.
    QLineEdit *txtrob = makeField("txtrob");
    auto *option1 = new TabStopRadioButton(tr("English, ft. and in."), this);
    option1->setObjectName(QStringLiteral("Option1"));
    auto *option2 = new TabStopRadioButton(tr("Metric, meters"), this);
    option2->setObjectName(QStringLiteral("Option2"));
    QLineEdit *txtmes = makeField("txtmes");
    markTextField(txtmes);
    txtmes->setMaximumWidth(90);
    auto *result = new QHBoxLayout;
    result->addStretch();
    result->addWidget(labelFor("", tr("Quantity Remaining in Tank:"), txtrob));
    result->addWidget(txtrob);
    result->addSpacing(12);
    result->addWidget(option1);
    result->addWidget(option2);
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
    run("txtinn");
}

QWidget *makeForm7(ScreenHost &host)
{
    return new Form7(host);
}

} // namespace dravex
