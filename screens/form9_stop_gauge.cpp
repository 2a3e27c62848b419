#include "screens/form9_stop_gauge.h"

#include "core/conventions.h"
#include "core/correction_model.h"
#include "core/gauging.h"
#include "screens/gauging_fields.h"
#include "screens/svg_picture.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QRadioButton>

namespace dravex {

Form9::Form9(ScreenHost &host, QWidget *parent)
    : Screen(host, QStringLiteral("Form9"), QStringLiteral("STOP GAUGE"), parent)
{
    const auto field = [this](const char *name, const QString &caption, QLineEdit *&member) {
        member = makeField(QString::fromLatin1(name), caption);
        member->setMaximumWidth(140);
        return captionOver(makeLabel(QString(), caption), member);
    };

    auto *row = new QHBoxLayout;

    // Temperature and gravity at the left, under the picture.
    auto *left = new QVBoxLayout;
    left->addWidget(new SvgPicture(QStringLiteral("Image2"), QStringLiteral(":/stpg_tank.svg"), QSize(96, 96), this));
    left->addLayout(field("txtem", QStringLiteral("Temp."), txtem));
    left->addLayout(field("txtapi", QStringLiteral("API"), txtapi));
    left->addStretch();
    row->addLayout(left);
    row->addSpacing(24);

    // The quantities and the result in one column in the middle.
    auto *middle = new QVBoxLayout;
    middle->addLayout(field("txtbm", QStringLiteral("Net Quantity to be Moved"), txtbm));
    middle->addLayout(field("txtgv", QStringLiteral("Opening gauge quantity"), txtgv));
    const QString stopCaption = QStringLiteral("This is the stop gauge quantity.  Find this quantity in the receiving "
                                               "tank strapping tables.  The gauge shown is your stop gauge.");
    txtstp = makeField(QStringLiteral("txtstp"), stopCaption);
    txtstp->setMaximumWidth(140);
    auto *stopLabel = makeLabel(QStringLiteral("Label6"), stopCaption);
    setRunningText(stopLabel, 230);
    stopLabel->setBuddy(txtstp);
    middle->addSpacing(12);
    middle->addWidget(txtstp);
    middle->addWidget(stopLabel);
    middle->addStretch();
    row->addLayout(middle);
    row->addSpacing(24);

    // The choice of table at the right; a key pressed on the chosen one computes.
    auto *right = new QVBoxLayout;
    right->addWidget(makeLabel(QStringLiteral("Label1"), QStringLiteral("Sellect table to be used.")));
    Frame1 = new QGroupBox(QStringLiteral("Frame1"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Option1 = new TabStopRadioButton(QStringLiteral("Table 6 A"), Frame1);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option2 = new TabStopRadioButton(QStringLiteral("Table 6 B"), Frame1);
    Option2->setObjectName(QStringLiteral("Option2"));
    auto *options = new QVBoxLayout(Frame1);
    options->addWidget(Option1);
    options->addWidget(Option2);
    right->addWidget(Frame1);
    right->addWidget(makeLabel(QStringLiteral("Label7"), QStringLiteral("Press Enter")));
    right->addStretch();
    row->addLayout(right);
    content()->addLayout(row);

    setTabChain({Option1, Option2, txtbm, txtgv, txtapi, txtem, txtstp});
    addWorkingPanel();

    Option1->installEventFilter(this);
    Option2->installEventFilter(this);
    onEnter(txtgv, [this] { txtgv_KeyPress(); });
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
        stopGauge(Table::A);
}

void Form9::Option2_KeyPress()
{
    if (Option2->isChecked())
        stopGauge(Table::B);
}

void Form9::txtgv_KeyPress()
{
    writeBack(txtgv);
}

void Form9::stopGauge(Table table)
{
    calculate([&] {
        const double api = ReadFieldNumber(txtapi);
        const double t = ReadFieldNumber(txtem);
        const VolumeFactor factor = table == Table::A ? Table6AFactor(api, t) : Table6BFactor(api, t);
        if (factor.outOfRange()) {
            // Above 1074 kg/m3 Table 6B has no product group: no factor, no stop gauge.
            stopWorking("density " + FormatFieldNumber(factor.density) + " kg/m3 is above 1074: no product group");
            showOutOfRange();
            return;
        }
        DescribeVolumeFactor(factor, working());
        const double net = ReadFieldNumber(txtbm);
        const double gross = StopGaugeGross(net, factor.vcf);
        working().add("Net quantity to move", net, {}, "at 60 F");
        working().add("Gross quantity to move", gross, {}, "net / factor, not rounded");
        const double opening = ReadFieldNumber(txtgv);
        const double stop = StopGaugeQuantity(opening, gross);
        const double shown = StopGaugeShown(stop);
        working().add("Opening quantity", opening);
        working().add("Stop quantity before rounding", stop, {}, "opening - gross");
        working().add("Stop gauge quantity", shown, {}, "rounded to 0.01, sign kept");
        ShowFieldNumber(txtstp, shown);
    });
}

QWidget *makeForm9(ScreenHost &host)
{
    return new Form9(host);
}

} // namespace dravex
