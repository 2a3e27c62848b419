// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/form19_dmd2.h"

#include "core/additives.h"

#include <QGridLayout>
#include <QHBoxLayout>

namespace dravex {

Form19::Form19(ScreenHost &host, QWidget *parent) : Screen(host, kForm19, parent)
{
    auto *grid = new QGridLayout;
    content()->addLayout(grid);

    QLineEdit *barrels = makeField("txtbbl");
    grid->addWidget(labelFor("Label1", captionOf("txtbbl"), barrels), 0, 0);
    grid->addWidget(barrels, 0, 1);

    QLineEdit *dose = makeField("txtdmd");
    auto *result = new QHBoxLayout;
    result->addWidget(labelFor("Label2", tr("Inject"), dose));
    result->addWidget(dose);
    result->addWidget(makeLabel(QStringLiteral("Label3"), tr("gallons of DMD-2")));
    grid->addLayout(result, 1, 0, 1, 2, Qt::AlignLeft);

    QLabel *note = makeLabel(QStringLiteral("Label4"), tr(" This DMD-2 injection is based on the liquid blend of 50% "
                                                          "active ingredient and 50%solvent."));
    note->setWordWrap(true);
    content()->addWidget(note);

    setTabChain({barrels, dose});
    onEnter(barrels, [this] { txtbbl_KeyPress(); });
    resize(440, sizeHint().height());
}

void Form19::txtbbl_KeyPress()
{
    run("txtbbl");
}

QWidget *makeForm19(ScreenHost &host)
{
    return new Form19(host);
}

} // namespace dravex
