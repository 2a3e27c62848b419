// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/form8_average_gravity.h"

#include "core/gauging.h"
#include "screens/gauging_fields.h"
#include "screens/svg_picture.h"

#include <QGridLayout>
#include <QHBoxLayout>

namespace dravex {

Form8::Form8(ScreenHost &host, QWidget *parent) : Screen(host, kForm8, parent)
{
    // Tanks 1 to 4 from left to right, the gravity row above the volume row; tank 5, the
    // receiving tank, below tank 1. The row captions name the first tank's fields.
    auto *grid = new QGridLayout;
    std::vector<QWidget *> chain;
    for (int k = 1; k <= 5; ++k) {
        QLabel *number = makeLabel(QStringLiteral("Label%1").arg(k + 2), QString::number(k));
        QLineEdit *gravity = makeField(qPrintable(QStringLiteral("txtt%1").arg(k)));
        gravity->setMaximumWidth(110);
        chain.push_back(gravity);
        if (k == 5) {
            grid->addWidget(number, 3, 1, Qt::AlignHCenter);
            grid->addWidget(gravity, 4, 1);
            continue;
        }
        QLineEdit *volume = makeField(qPrintable(QStringLiteral("txtv%1").arg(k)));
        volume->setMaximumWidth(110);
        grid->addWidget(number, 0, k, Qt::AlignHCenter);
        grid->addWidget(gravity, 1, k);
        grid->addWidget(volume, 2, k);
    }
    grid->addWidget(labelFor("Label8", tr("Gravity"), field("txtt1")), 1, 0);
    grid->addWidget(labelFor("Label1", tr("Volume"), field("txtv1")), 2, 0);
    for (const char *name : {"txtv1", "txtv2", "txtv3", "txtv4"})
        chain.push_back(field(name));

    auto *row = new QHBoxLayout;
    row->addWidget(
        new SvgPicture(QStringLiteral("Image2"), QStringLiteral(":/agc_hydrometer.svg"), QSize(48, 128), this), 0,
        Qt::AlignTop);
    row->addSpacing(12);
    row->addLayout(grid);
    row->addSpacing(12);
    row->addWidget(new SvgPicture(QStringLiteral("Image1"), QStringLiteral(":/agc_tanks.svg"), QSize(160, 96), this), 0,
                   Qt::AlignBottom);
    content()->addLayout(row);

    auto *advice =
        makeLabel(QStringLiteral("Label2"), tr("Enter a gravity and volume for each of the issuing tanks (1 - 4).  "
                                               "Press Enter after entering the volume for tank 4.  "
                                               "The average gravity will appear on tank 5."));
    setRunningText(advice, 600);
    content()->addWidget(advice, 0, Qt::AlignHCenter);

    setTabChain(chain);

    for (const char *name : {"txtt1", "txtt2", "txtt3", "txtt4", "txtv1", "txtv2", "txtv3"}) {
        QLineEdit *input = field(name);
        onEnter(input, [input] { writeBack(input); });
    }
    onEnter(field("txtv4"), [this] { txtv4_KeyPress(); });
}

void Form8::txtv4_KeyPress()
{
    writeBack(field("txtv4"));
    run("txtv4");
}

QWidget *makeForm8(ScreenHost &host)
{
    return new Form8(host);
}

} // namespace dravex
