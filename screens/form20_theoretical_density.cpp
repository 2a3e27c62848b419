// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/form20_theoretical_density.h"

#include "core/gauging.h"
#include "screens/gauging_fields.h"
#include "screens/svg_picture.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>

namespace dravex {

namespace {

constexpr int kFieldWidth = 130;

} // namespace

Form20::Form20(ScreenHost &host, QWidget *parent) : Screen(host, kForm20, parent)
{
    // The densities are typed with one decimal, as the patterns show; the button above the
    // vessel's density is that field's pattern and does nothing.
    auto *grid = new QGridLayout;
    grid->addWidget(makeLabel(QString(), QStringLiteral("1")), 1, 0);
    grid->addLayout(fieldUnderCaption("txtd1", kFieldWidth, tr("Density     xxx.x")), 0, 1, 2, 1, Qt::AlignBottom);
    grid->addLayout(fieldUnderCaption("txtv1", kFieldWidth), 0, 2, 2, 1, Qt::AlignBottom);
    QVBoxLayout *vessel = fieldUnderCaption("txtd2", kFieldWidth);
    auto *pattern = new QPushButton(tr("xxx,x"), this);
    pattern->setObjectName(QStringLiteral("Command1"));
    pattern->setMaximumWidth(kFieldWidth);
    vessel->insertWidget(1, pattern);
    grid->addLayout(vessel, 2, 1, Qt::AlignBottom);
    grid->addLayout(fieldUnderCaption("txtv2", kFieldWidth), 2, 2, Qt::AlignBottom);
    grid->setVerticalSpacing(10);
    grid->setHorizontalSpacing(18);

    auto *row = new QHBoxLayout;
    row->addWidget(new SvgPicture(QStringLiteral("Image1"), QStringLiteral(":/theo1_tank.svg"), QSize(96, 128), this),
                   0, Qt::AlignTop);
    row->addSpacing(12);
    row->addLayout(grid);
    row->addStretch();
    content()->addLayout(row);

    QLineEdit *txtd3 = makeField("txtd3");
    txtd3->setMaximumWidth(kFieldWidth);
    auto *result = new QHBoxLayout;
    result->addStretch();
    result->addWidget(labelFor("", tr("Theoretical Density ="), txtd3));
    result->addWidget(txtd3);
    result->addStretch();
    content()->addLayout(result);

    auto *advice = makeLabel(QStringLiteral("Label7"), tr("Place curser in each block entering data.  "
                                                          "Press Enter after entering closing volume."));
    setRunningText(advice, 420);
    content()->addWidget(advice, 0, Qt::AlignHCenter);

    setTabChain({field("txtv1"), txtd3, field("txtd1"), field("txtd2"), field("txtv2"), pattern});

    for (const char *name : {"txtd1", "txtv1", "txtd2"}) {
        QLineEdit *input = field(name);
        onEnter(input, [input] { writeBack(input); });
    }
    onEnter(field("txtv2"), [this] { txtv2_KeyPress(); });
}

void Form20::txtv2_KeyPress()
{
    writeBack(field("txtv2"));
    run("txtv2");
}

QWidget *makeForm20(ScreenHost &host)
{
    return new Form20(host);
}

} // namespace dravex
