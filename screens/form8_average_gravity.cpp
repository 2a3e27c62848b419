#include "screens/form8_average_gravity.h"

#include "core/gauging.h"
#include "screens/gauging_fields.h"
#include "screens/svg_picture.h"

#include <QGridLayout>
#include <QHBoxLayout>

namespace dravex {

Form8::Form8(ScreenHost &host, QWidget *parent)
    : Screen(host, QStringLiteral("Form8"), QStringLiteral("AVERAGE GRAVITY"), parent)
{
    // Tanks 1 to 4 from left to right, the gravity row above the volume row; tank 5, the
    // receiving tank, below tank 1.
    auto *grid = new QGridLayout;
    auto *gravity = makeLabel(QStringLiteral("Label8"), QStringLiteral("Gravity"));
    auto *volume = makeLabel(QStringLiteral("Label1"), QStringLiteral("Volume"));
    grid->addWidget(gravity, 1, 0);
    grid->addWidget(volume, 2, 0);
    const std::array<QLineEdit **, 5> gravities{&txtt1, &txtt2, &txtt3, &txtt4, &txtt5};
    const std::array<QLineEdit **, 4> volumes{&txtv1, &txtv2, &txtv3, &txtv4};
    for (int k = 1; k <= 5; ++k) {
        const QString tank = QString::number(k);
        auto *number = makeLabel(QStringLiteral("Label%1").arg(k + 2), tank);
        QLineEdit *&g = *gravities[k - 1];
        g = makeField(QStringLiteral("txtt%1").arg(k), QStringLiteral("Tank %1 Gravity").arg(tank));
        g->setMaximumWidth(110);
        if (k < 5) {
            QLineEdit *&v = *volumes[k - 1];
            v = makeField(QStringLiteral("txtv%1").arg(k), QStringLiteral("Tank %1 Volume").arg(tank));
            v->setMaximumWidth(110);
            grid->addWidget(number, 0, k, Qt::AlignHCenter);
            grid->addWidget(g, 1, k);
            grid->addWidget(v, 2, k);
        } else {
            grid->addWidget(number, 3, 1, Qt::AlignHCenter);
            grid->addWidget(g, 4, 1);
        }
    }
    gravity->setBuddy(txtt1);
    volume->setBuddy(txtv1);

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

    auto *advice = makeLabel(QStringLiteral("Label2"),
                             QStringLiteral("Enter a gravity and volume for each of the issuing tanks (1 - 4).  "
                                            "Press Enter after entering the volume for tank 4.  "
                                            "The average gravity will appear on tank 5."));
    setRunningText(advice, 600);
    content()->addWidget(advice, 0, Qt::AlignHCenter);

    setTabChain({txtt1, txtt2, txtt3, txtt4, txtt5, txtv1, txtv2, txtv3, txtv4});

    for (QLineEdit *input : {txtt1, txtt2, txtt3, txtt4, txtv1, txtv2, txtv3})
        onEnter(input, [input] { writeBack(input); });
    onEnter(txtv4, [this] { txtv4_KeyPress(); });
}

void Form8::txtv4_KeyPress()
{
    writeBack(txtv4);
    calculate([&] {
        // The volumes first, then each tank's gravity: a missing number is reported in the
        // order the fields are read.
        std::array<TankGravity, 4> tanks;
        const std::array<QLineEdit *, 4> volumes{txtv1, txtv2, txtv3, txtv4};
        const std::array<QLineEdit *, 4> gravities{txtt1, txtt2, txtt3, txtt4};
        for (std::size_t k = 0; k < tanks.size(); ++k)
            tanks[k].volume = ReadFieldNumber(volumes[k]);
        for (std::size_t k = 0; k < tanks.size(); ++k)
            tanks[k].gravity = ReadFieldNumber(gravities[k]);
        ShowFieldNumber(txtt5, AverageGravity(tanks).shown);
    });
}

QWidget *makeForm8(ScreenHost &host)
{
    return new Form8(host);
}

} // namespace dravex
