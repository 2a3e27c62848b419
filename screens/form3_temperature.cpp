// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/form3_temperature.h"

#include "core/conversions.h"

#include <QFormLayout>
#include <QVBoxLayout>

namespace dravex {

Form3::Form3(ScreenHost &host, QWidget *parent) : Screen(host, kForm3, parent)
{
    auto *rows = new QFormLayout;
    QLineEdit *txtCels = addField(rows, "txtCels", "Label1");
    QLineEdit *txtFah = addField(rows, "txtFah", "Label2");
    content()->addLayout(rows);

    QLabel *help = makeLabel(QStringLiteral("Label3"),
                             tr("Press Enter after you have entered a temperature.  Re-enter a temperature "
                                "if you desire to continue.   Temperatures may be entered in either block."));
    help->setTextFormat(Qt::PlainText);
    help->setWordWrap(true);
    content()->addWidget(help);
    content()->addStrut(320);

    setTabChain({txtCels, txtFah});
    onEnter(txtCels, [this] { txtCels_KeyPress(); });
    onEnter(txtFah, [this] { txtFah_KeyPress(); });
}

void Form3::txtCels_KeyPress()
{
    run("txtCels");
}

void Form3::txtFah_KeyPress()
{
    run("txtFah");
}

QWidget *makeForm3(ScreenHost &host)
{
    return new Form3(host);
}

} // namespace dravex
