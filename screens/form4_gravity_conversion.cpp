// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/form4_gravity_conversion.h"

#include "core/conversions.h"

#include <QFormLayout>
#include <QVBoxLayout>

namespace dravex {

Form4::Form4(ScreenHost &host, QWidget *parent) : Screen(host, kForm4, parent)
{
    auto *rows = new QFormLayout;
    QLineEdit *txtapi = addField(rows, "txtapi", "Label1");
    QLineEdit *txtden = addField(rows, "txtden", "Label2");
    QLineEdit *txtspe = addField(rows, "txtspe", "Label3");
    content()->addLayout(rows);

    // The help text speaks of temperatures as the window always has.
    QLabel *help = makeLabel(QStringLiteral("Label4"),
                             tr("Press Enter after you have entered a gravity.  Re-enter a temperature "
                                "if you desire to continue.   Temperatures may be entered in either block."));
    help->setTextFormat(Qt::PlainText);
    help->setWordWrap(true);
    content()->addWidget(help);
    content()->addStrut(360);

    setTabChain({txtapi, txtden, txtspe});
    addWorkingPanel();
    onEnter(txtapi, [this] { txtapi_KeyPress(); });
    onEnter(txtden, [this] { txtden_KeyPress(); });
    onEnter(txtspe, [this] { txtspe_KeyPress(); });
}

void Form4::txtapi_KeyPress()
{
    run("txtapi");
}

void Form4::txtden_KeyPress()
{
    run("txtden");
}

void Form4::txtspe_KeyPress()
{
    run("txtspe");
}

QWidget *makeForm4(ScreenHost &host)
{
    return new Form4(host);
}

} // namespace dravex
