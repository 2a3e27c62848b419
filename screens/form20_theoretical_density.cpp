#include "screens/form20_theoretical_density.h"

#include "core/gauging.h"
#include "screens/gauging_fields.h"
#include "screens/svg_picture.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>

namespace dravex {

Form20::Form20(ScreenHost &host, QWidget *parent)
    : Screen(host, QStringLiteral("Form20"), QStringLiteral("THEORETICAL DENSITY"), parent)
{
    const auto field = [this](const char *name, const QString &accessible, QLineEdit *&member) {
        member = makeField(QString::fromLatin1(name), accessible);
        member->setMaximumWidth(130);
        return member;
    };
    field("txtd1", QStringLiteral("Density"), txtd1);
    field("txtv1", QStringLiteral("Open Volume"), txtv1);
    field("txtd2", QStringLiteral("Vessel Composit Density"), txtd2);
    field("txtv2", QStringLiteral("Closing Volume"), txtv2);
    field("txtd3", QStringLiteral("Theoretical Density"), txtd3);

    // The densities are typed with one decimal, as the patterns show; the button above the
    // vessel's density is that field's pattern and does nothing.
    Command1 = new QPushButton(QStringLiteral("xxx,x"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setMaximumWidth(130);

    auto *grid = new QGridLayout;
    grid->addWidget(makeLabel(QString(), QStringLiteral("1")), 1, 0);
    grid->addLayout(captionOver(makeLabel(QString(), QStringLiteral("Density     xxx.x")), txtd1), 0, 1, 2, 1,
                    Qt::AlignBottom);
    grid->addLayout(captionOver(makeLabel(QString(), QStringLiteral("Open Volume")), txtv1), 0, 2, 2, 1,
                    Qt::AlignBottom);
    auto *vessel = captionOver(makeLabel(QString(), QStringLiteral("Vessel Composit Density")), txtd2);
    vessel->insertWidget(1, Command1);
    grid->addLayout(vessel, 2, 1, Qt::AlignBottom);
    grid->addLayout(captionOver(makeLabel(QString(), QStringLiteral("Closing Volume")), txtv2), 2, 2, Qt::AlignBottom);
    grid->setVerticalSpacing(10);
    grid->setHorizontalSpacing(18);

    auto *row = new QHBoxLayout;
    row->addWidget(new SvgPicture(QStringLiteral("Image1"), QStringLiteral(":/theo1_tank.svg"), QSize(96, 128), this),
                   0, Qt::AlignTop);
    row->addSpacing(12);
    row->addLayout(grid);
    row->addStretch();
    content()->addLayout(row);

    auto *result = new QHBoxLayout;
    auto *theoretical = makeLabel(QString(), QStringLiteral("Theoretical Density ="));
    theoretical->setBuddy(txtd3);
    result->addStretch();
    result->addWidget(theoretical);
    result->addWidget(txtd3);
    result->addStretch();
    content()->addLayout(result);

    auto *advice = makeLabel(QStringLiteral("Label7"), QStringLiteral("Place curser in each block entering data.  "
                                                                      "Press Enter after entering closing volume."));
    setRunningText(advice, 420);
    content()->addWidget(advice, 0, Qt::AlignHCenter);

    setTabChain({txtv1, txtd3, txtd1, txtd2, txtv2, Command1});

    for (QLineEdit *input : {txtd1, txtv1, txtd2})
        onEnter(input, [input] { writeBack(input); });
    onEnter(txtv2, [this] { txtv2_KeyPress(); });
}

void Form20::txtv2_KeyPress()
{
    writeBack(txtv2);
    calculate([&] {
        const double openDensity = ReadFieldNumber(txtd1);
        const double openVolume = ReadFieldNumber(txtv1);
        const double closingVolume = ReadFieldNumber(txtv2);
        const double vesselDensity = ReadFieldNumber(txtd2);
        const TheoreticalDensityResult r = TheoreticalDensity(openDensity, openVolume, vesselDensity, closingVolume);
        ShowFieldNumber(txtd3, r.shown);
    });
}

QWidget *makeForm20(ScreenHost &host)
{
    return new Form20(host);
}

} // namespace dravex
