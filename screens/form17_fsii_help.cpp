// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/form17_fsii_help.h"

#include "screens/column_wrapped_label.h"

#include <QVBoxLayout>

namespace dravex {

namespace {

// The runs of blanks in the help texts break their lines on a label 50 characters wide:
// two, three and four lines.
constexpr int kHelpColumns = 50;

} // namespace

Form17::Form17(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form17"));
    setWindowTitle(tr("FSII HELP"));
    const QString texts[] = {
        tr(" > Place currser in the End results desired box     and enter the results you desire ( .12)"),
        tr(" > Place the curser in the Quantity to be               Injected box and enter the quantity "
           "of fuel        you are going to additize ( 1234.56 )"),
        tr(" > Place the currser in the Pre Injection Lab         Results box and enter the FSII results "
           "of          the product you are additizing ( .09 ) then         Press Enter"),
    };
    auto *layout = new QVBoxLayout(this);
    int number = 1;
    for (const QString &text : texts) {
        auto *label = new ColumnWrappedLabel(text, kHelpColumns, this);
        label->setObjectName(QStringLiteral("Label%1").arg(number++));
        layout->addWidget(label);
    }
    setFixedSize(sizeHint());
}

QWidget *makeForm17(ScreenHost &)
{
    return new Form17;
}

} // namespace dravex
