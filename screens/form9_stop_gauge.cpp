// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/form9_stop_gauge.h"

#include "core/gauging.h"
#include "screens/gauging_fields.h"
#include "screens/svg_picture.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QRadioButton>

namespace dravex {

namespace {

constexpr int kFieldWidth = 140;

} // namespace

Form9::Form9(ScreenHost &host, QWidget *parent) : Screen(host, kForm9, parent)
{
    // Top to bottom in the order Tab visits: the choice of table (a key pressed on the
    // chosen one computes), the quantities side by side, temperature and gravity beside
    // the picture of the tank they describe, and the result with its caption at the foot.
    auto *choice = new QHBoxLayout;
    choice->addWidget(makeLabel(QStringLiteral("Label1"), tr("Sellect table to be used.")));
    auto *frame = new QGroupBox(tr("Frame1"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    Option1 = new TabStopRadioButton(tr("Table 6 A"), frame);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option2 = new TabStopRadioButton(tr("Table 6 B"), frame);
    Option2->setObjectName(QStringLiteral("Option2"));
    auto *options = new QVBoxLayout(frame);
    options->addWidget(Option1);
    options->addWidget(Option2);
    choice->addWidget(frame);
    choice->addWidget(makeLabel(QStringLiteral("Label7"), tr("Press Enter")));
    choice->addStretch();
    content()->addLayout(choice);

    auto *quantities = new QHBoxLayout;
    quantities->addLayout(fieldUnderCaption("txtbm", kFieldWidth));
    quantities->addLayout(fieldUnderCaption("txtgv", kFieldWidth));
    quantities->addStretch();
    content()->addLayout(quantities);

    // Gravity before temperature, as Tab takes them.
    auto *product = new QHBoxLayout;
    product->addWidget(
        new SvgPicture(QStringLiteral("Image2"), QStringLiteral(":/stpg_tank.svg"), QSize(96, 96), this));
    product->addLayout(fieldUnderCaption("txtapi", kFieldWidth));
    product->addLayout(fieldUnderCaption("txtem", kFieldWidth));
    product->addStretch();
    content()->addLayout(product);

    QLineEdit *txtstp = makeField("txtstp");
    txtstp->setMaximumWidth(kFieldWidth);
    QLabel *stopLabel = labelFor("Label6", captionOf("txtstp"), txtstp);
    setRunningText(stopLabel, 230);
    auto *result = new QHBoxLayout;
    result->addWidget(txtstp, 0, Qt::AlignTop);
    result->addWidget(stopLabel);
    result->addStretch();
    content()->addSpacing(12);
    content()->addLayout(result);

    setTabChain({Option1, Option2, field("txtbm"), field("txtgv"), field("txtapi"), field("txtem"), txtstp});
    addWorkingPanel();

    Option1->installEventFilter(this);
    Option2->installEventFilter(this);
    onEnter(field("txtgv"), [this] { txtgv_KeyPress(); });
}

bool Form9::eventFilter(QObject *watched, QEvent *event)
{
    // Any key that types a character counts, Enter included; Tab only moves the focus.
    // Choosing a table with the mouse or the arrow keys computes nothing by itself.
    if ((watched == Option1 || watched == Option2) && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool typesCharacter =
            !key->text().isEmpty() && key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab;
        if (typesCharacter) {
            if (watched == Option1)
                Option1_KeyPress();
            else
                Option2_KeyPress();
        }
    }
    return Screen::eventFilter(watched, event);
}

void Form9::Option1_KeyPress()
{
    if (Option1->isChecked())
        run("Option1");
}

void Form9::Option2_KeyPress()
{
    if (Option2->isChecked())
        run("Option2");
}

void Form9::txtgv_KeyPress()
{
    writeBack(field("txtgv"));
}

QWidget *makeForm9(ScreenHost &host)
{
    return new Form9(host);
}

} // namespace dravex
