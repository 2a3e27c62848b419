#include "screens/form19_dmd2.h"

#include "core/additives.h"

#include <QGridLayout>
#include <QHBoxLayout>

namespace dravex {

Form19::Form19(ScreenHost &host, QWidget *parent)
    : Screen(host, QStringLiteral("Form19"), QStringLiteral("METAL DEACTIVATOR (DMD-2)"), parent)
{
    auto *grid = new QGridLayout;
    content()->addLayout(grid);

    txtbbl = makeField(QStringLiteral("txtbbl"), QStringLiteral("Barrels of product to be injected:"));
    QLabel *quantity = makeLabel(QStringLiteral("Label1"), QStringLiteral("Barrels of product to be injected:"));
    quantity->setBuddy(txtbbl);
    grid->addWidget(quantity, 0, 0);
    grid->addWidget(txtbbl, 0, 1);

    txtdmd = makeField(QStringLiteral("txtdmd"), QStringLiteral("Inject gallons of DMD-2"));
    QLabel *inject = makeLabel(QStringLiteral("Label2"), QStringLiteral("Inject"));
    inject->setBuddy(txtdmd);
    auto *result = new QHBoxLayout;
    result->addWidget(inject);
    result->addWidget(txtdmd);
    result->addWidget(makeLabel(QStringLiteral("Label3"), QStringLiteral("gallons of DMD-2")));
    grid->addLayout(result, 1, 0, 1, 2, Qt::AlignLeft);

    QLabel *note = makeLabel(QStringLiteral("Label4"),
                             QStringLiteral(" This DMD-2 injection is based on the liquid blend of 50% active "
                                            "ingredient and 50%solvent."));
    note->setWordWrap(true);
    content()->addWidget(note);

    setTabChain({txtbbl, txtdmd});
    onEnter(txtbbl, [this] { txtbbl_KeyPress(); });
    resize(440, sizeHint().height());
}

void Form19::txtbbl_KeyPress()
{
    calculate([this] {
        const double barrels = ReadFieldNumber(txtbbl);
        ShowFieldNumber(txtdmd, DmdDoseForBarrels(barrels).shown);
    });
}

QWidget *makeForm19(ScreenHost &host)
{
    return new Form19(host);
}

} // namespace dravex
