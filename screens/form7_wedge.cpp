#include "screens/form7_wedge.h"

#include "core/gauging.h"
#include "screens/gauging_fields.h"
#include "screens/svg_picture.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QRadioButton>

namespace dravex {

Form7::Form7(ScreenHost &host, QWidget *parent)
    : Screen(host, QStringLiteral("Form7"), QStringLiteral("WEDGE CALCULATIONS"), parent)
{
    const auto field = [this](const char *name, const QString &caption, QLineEdit *&member) {
        member = makeField(QString::fromLatin1(name), caption);
        member->setMaximumWidth(110);
        return captionOver(makeLabel(QString(), caption), member);
    };

    // Neither unit is preset: the user chooses one before the first calculation.
    Option1 = new TabStopRadioButton(QStringLiteral("English, ft. and in."), this);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option2 = new TabStopRadioButton(QStringLiteral("Metric, meters"), this);
    Option2->setObjectName(QStringLiteral("Option2"));
    auto *units = new QHBoxLayout;
    units->addStretch();
    units->addWidget(Option1);
    units->addSpacing(40);
    units->addWidget(Option2);
    units->addStretch();
    content()->addLayout(units);

    // The ship's and the tank's lengths stand above the plan, as its dimension lines do;
    // the drafts at their ends of the hull; depth and innage below.
    auto *above = new QHBoxLayout;
    above->addLayout(field("txtvl", QStringLiteral("Vsl Length"), txtvl));
    above->addLayout(field("txttl", QStringLiteral("Tank Length"), txttl));
    above->addLayout(field("txtbhd", QStringLiteral("Distance from Ullage Hatch to Bulkhead"), txtbhd));
    above->addLayout(field("txttw", QStringLiteral("Tank Width"), txttw));
    above->addStretch();

    auto *plan = new QGridLayout;
    plan->addLayout(above, 0, 1);
    auto *aft = field("txtadt", QStringLiteral("Aft Draft"), txtadt);
    aft->addStretch();
    plan->addLayout(aft, 1, 0, Qt::AlignTop);
    plan->addWidget(new SvgPicture(QStringLiteral("Picture1"), QStringLiteral(":/wedge.svg"), QSize(576, 192), this), 1,
                    1);
    auto *forward = field("txtfdt", QStringLiteral("Forward Draft"), txtfdt);
    forward->addStretch();
    plan->addLayout(forward, 1, 2, Qt::AlignTop);

    auto *below = new QHBoxLayout;
    below->addLayout(field("txttdp", QStringLiteral("Tank Depth"), txttdp));
    below->addLayout(field("txtinn", QStringLiteral("Innage"), txtinn));
    auto *pressEnter = makeLabel(QStringLiteral("Label1"), QStringLiteral("Press Enter after the last input."));
    below->addWidget(pressEnter, 0, Qt::AlignBottom);
    below->addStretch();
    plan->addLayout(below, 2, 1);
    content()->addLayout(plan);

    auto *result = new QHBoxLayout;
    txtrob = makeField(QStringLiteral("txtrob"), QStringLiteral("Quantity Remaining in Tank:"));
    txtrob->setMaximumWidth(140);
    txtmes = makeField(QStringLiteral("txtmes"), QStringLiteral("Unit"));
    txtmes->setMaximumWidth(90);
    auto *remaining = makeLabel(QString(), QStringLiteral("Quantity Remaining in Tank:"));
    remaining->setBuddy(txtrob);
    result->addStretch();
    result->addWidget(remaining);
    result->addWidget(txtrob);
    result->addWidget(txtmes);
    result->addStretch();
    content()->addLayout(result);

    auto *advice = makeLabel(
        QStringLiteral("Label11"),
        QStringLiteral(
            "Place currser in the corresponding block and enter each one of the measurements asked for.  "
            "Entries must be made in tenths ( .1 ).  For each additional tank re-enter the new measurements."));
    setRunningText(advice, 760);
    content()->addWidget(advice, 0, Qt::AlignHCenter);

    setTabChain({txtvl, txttl, txttw, txtbhd, txtfdt, txtadt, txttdp, txtinn, txtrob, Option1, Option2, txtmes});
    addWorkingPanel();

    for (QLineEdit *input : {txtvl, txttl, txttw, txtbhd, txtfdt, txtadt, txttdp})
        onEnter(input, [input] { writeBack(input); });
    onEnter(txtinn, [this] { txtinn_KeyPress(); });
}

void Form7::txtinn_KeyPress()
{
    writeBack(txtinn);
    // Without a unit system there is no quantity to give: ask for one instead of
    // answering 0.
    if (!Option1->isChecked() && !Option2->isChecked()) {
        calculate([this] { stopWorking("no unit system chosen"); });
        showNotice(tr("Choose English or Metric units, then press Enter in Innage again."));
        return;
    }
    const WedgeUnits units = Option1->isChecked() ? WedgeUnits::English : WedgeUnits::Metric;
    calculate([&] {
        const double aftDraft = ReadFieldNumber(txtadt);
        const double forwardDraft = ReadFieldNumber(txtfdt);
        const double trim = WedgeTrim(aftDraft, forwardDraft);
        const double innage = WedgeInnage(ReadFieldNumber(txtinn), units);
        const double tankLength = ReadFieldNumber(txttl);
        const double hatchToBulkhead = ReadFieldNumber(txtbhd);
        const double vesselLength = ReadFieldNumber(txtvl);
        const double limit = WedgeLimit(tankLength, hatchToBulkhead, trim, vesselLength);
        const bool beyond = WedgeBeyondLimit(innage, limit);
        DescribeWedgeLimit(units, trim, innage, limit, beyond, working());
        // Deeper than the wedge: say so, and give the wedge formula's quantity all the same.
        if (beyond)
            showOutOfRange();
        const double tankDepth = ReadFieldNumber(txttdp);
        const double tankWidth = ReadFieldNumber(txttw);
        const WedgeVolume wedge =
            WedgeQuantity(innage, hatchToBulkhead, tankDepth, trim, vesselLength, tankWidth, units);
        DescribeWedgeVolume(wedge, tankLength, units, working());
        ShowFieldNumber(txtrob, wedge.quantity);
        txtmes->setText(units == WedgeUnits::English ? QStringLiteral("BBLS.") : QStringLiteral("Cub. Mtrs."));
    });
}

QWidget *makeForm7(ScreenHost &host)
{
    return new Form7(host);
}

} // namespace dravex
