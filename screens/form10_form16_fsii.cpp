#include "screens/form10_form16_fsii.h"

#include "core/additives.h"
#include "screens/svg_picture.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>

namespace dravex {

namespace {

const QString kFsiiCaption = QStringLiteral("FSII INJECTION CALCULATIONS");

const QString kFsiiAdvice = QStringLiteral(
    "If you are blending by hand into a Rail Car or Tank Truck, it is recommended that you first mix the FSII "
    "with product in a 5 gal can then introduce this mix into your product.  If possible circulate the product "
    "for a while to get a homogeneous mixture.");

QFont headingFont(QFont font)
{
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.25);
    return font;
}

} // namespace

// Rows: heading and End results desired; quantity; lab result with "Press Enter"; the
// "Inject ... Gals. of FSII." line; the advice. The picture and HELP stand at the right.
Form10::Form10(ScreenHost &host, QWidget *parent) : Screen(host, QStringLiteral("Form10"), kFsiiCaption, parent)
{
    auto *grid = new QGridLayout;
    content()->addLayout(grid);

    QLabel *heading = makeLabel(QStringLiteral("Label8"), QStringLiteral("BARRELS"));
    heading->setFont(headingFont(heading->font()));
    txterd = makeField(QStringLiteral("txterd"), QStringLiteral("End results desired"));
    grid->addWidget(heading, 0, 0);
    grid->addWidget(labelFor("Label6", QStringLiteral("End results desired"), txterd), 0, 1, Qt::AlignRight);
    grid->addWidget(txterd, 0, 2);

    txtqtb = makeField(QStringLiteral("txtqtb"), QStringLiteral("Quantity of fuel to be injected :"));
    grid->addWidget(labelFor("Label1", QStringLiteral("Quantity of fuel to be injected :"), txtqtb), 1, 0, 1, 2);
    grid->addWidget(txtqtb, 1, 2);

    txtflt = makeField(QStringLiteral("txtflt"), QStringLiteral("Pre Injection Lab Results"));
    grid->addWidget(labelFor("Label2", QStringLiteral("Pre Injection Lab Results"), txtflt), 2, 0, 1, 2);
    grid->addWidget(txtflt, 2, 2);
    grid->addWidget(makeLabel(QStringLiteral("Label9"), QStringLiteral("Press Enter")), 2, 3);

    auto *side = new QVBoxLayout;
    side->addWidget(new SvgPicture(QStringLiteral("Image1"), QStringLiteral(":/fsii_drums.svg"), QSize(32, 32), this),
                    0, Qt::AlignRight);
    Command1 = new QPushButton(QStringLiteral("HELP"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAutoDefault(true); // Enter on the focused button clicks it, as Space does
    side->addWidget(Command1, 0, Qt::AlignRight);
    side->addStretch();
    grid->addLayout(side, 0, 4, 3, 1);
    grid->setColumnStretch(3, 1);

    auto *result = new QHBoxLayout;
    txtfis = makeField(QStringLiteral("txtfis"), QStringLiteral("Inject Gals. of FSII."));
    txtgfs = makeField(QStringLiteral("txtgfs"), QStringLiteral("Gals Per 1000 BBLS."));
    result->addWidget(labelFor("Label3", QStringLiteral("Inject"), txtfis));
    result->addWidget(txtfis);
    result->addWidget(makeLabel(QStringLiteral("Label4"), QStringLiteral("Gals. of FSII.")));
    result->addWidget(txtgfs);
    result->addWidget(labelFor("Label7", QStringLiteral("Gals Per 1000 BBLS."), txtgfs));
    content()->addLayout(result);

    QLabel *advice = makeLabel(QStringLiteral("Label5"), kFsiiAdvice);
    advice->setWordWrap(true);
    content()->addWidget(advice);

    setTabChain({txtqtb, txtflt, txtfis, txtgfs, txterd, Command1});

    // Enter in the percentages and the quantity leaves them as typed.
    onEnter(txterd, [] {});
    onEnter(txtqtb, [] {});
    onEnter(txtflt, [this] { txtflt_KeyPress(); });
    connect(Command1, &QPushButton::clicked, this, &Form10::Command1_Click);
    resize(620, sizeHint().height());
}

void Form10::txtflt_KeyPress()
{
    calculate([this] {
        const double lab = ReadFieldNumber(txtflt);
        const double desired = ReadFieldNumber(txterd);
        const double fraction = FsiiFraction(desired, lab);
        const double barrels = ReadFieldNumber(txtqtb);
        ShowFieldNumber(txtfis, FsiiGallonsForBarrels(barrels, fraction));
        // The per-1000 figure works from the gallons as shown and the quantity as it
        // stands now.
        const double shownGallons = ReadFieldNumber(txtfis);
        const double barrelsAgain = ReadFieldNumber(txtqtb);
        ShowFieldNumber(txtgfs, FsiiGallonsPerThousandBarrels(shownGallons, barrelsAgain));
    });
}

void Form10::Command1_Click()
{
    host().showWindow(QStringLiteral("Form17"));
}

Form16::Form16(ScreenHost &host, QWidget *parent) : Screen(host, QStringLiteral("Form16"), kFsiiCaption, parent)
{
    auto *grid = new QGridLayout;
    content()->addLayout(grid);

    QLabel *heading = makeLabel(QStringLiteral("Label1"), QStringLiteral("GALLONS"));
    heading->setFont(headingFont(heading->font()));
    txterd = makeField(QStringLiteral("txterd"), QStringLiteral("End results desired"));
    grid->addWidget(heading, 0, 0);
    grid->addWidget(labelFor("Label2", QStringLiteral("End results desired"), txterd), 0, 1, Qt::AlignRight);
    grid->addWidget(txterd, 0, 2);

    txtqfi = makeField(QStringLiteral("txtqfi"), QStringLiteral("Quantity of fuel to be injected:"));
    grid->addWidget(labelFor("Label3", QStringLiteral("Quantity of fuel to be injected:"), txtqfi), 1, 0, 1, 2);
    grid->addWidget(txtqfi, 1, 2);

    txtpir = makeField(QStringLiteral("txtpir"), QStringLiteral("Pre Injection Lab Results"));
    grid->addWidget(labelFor("Label4", QStringLiteral("Pre Injection Lab Results"), txtpir), 2, 0, 1, 2);
    grid->addWidget(txtpir, 2, 2);
    grid->addWidget(makeLabel(QStringLiteral("Label5"), QStringLiteral("Press Enter")), 2, 3);

    auto *side = new QVBoxLayout;
    side->addWidget(
        new SvgPicture(QStringLiteral("Picture1"), QStringLiteral(":/fsii_bottle.svg"), QSize(32, 32), this), 0,
        Qt::AlignRight);
    Command1 = new QPushButton(QStringLiteral("HELP"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAutoDefault(true);
    side->addWidget(Command1, 0, Qt::AlignRight);
    side->addStretch();
    grid->addLayout(side, 0, 4, 3, 1);
    grid->setColumnStretch(3, 1);

    auto *result = new QHBoxLayout;
    txtfsi = makeField(QStringLiteral("txtfsi"), QStringLiteral("Inject Gals. of FSII."));
    result->addWidget(labelFor("Label6", QStringLiteral("Inject"), txtfsi));
    result->addWidget(txtfsi);
    result->addWidget(makeLabel(QStringLiteral("Label7"), QStringLiteral("Gals. of FSII.")));
    result->addStretch();
    content()->addLayout(result);

    QLabel *advice = makeLabel(QStringLiteral("Label8"), kFsiiAdvice);
    advice->setWordWrap(true);
    content()->addWidget(advice);

    setTabChain({txterd, Command1, txtqfi, txtpir, txtfsi});

    // Enter in End results desired leaves it as typed; the quantity field has no handler
    // at all, typing in it computes nothing.
    onEnter(txterd, [] {});
    onEnter(txtpir, [this] { txtpir_KeyPress(); });
    connect(Command1, &QPushButton::clicked, this, &Form16::Command1_Click);
    resize(560, sizeHint().height());
}

void Form16::txtpir_KeyPress()
{
    calculate([this] {
        const double lab = ReadFieldNumber(txtpir);
        const double desired = ReadFieldNumber(txterd);
        const double fraction = FsiiFraction(desired, lab);
        const double gallons = ReadFieldNumber(txtqfi);
        ShowFieldNumber(txtfsi, FsiiGallonsForGallons(gallons, fraction));
    });
}

void Form16::Command1_Click()
{
    host().showWindow(QStringLiteral("Form17"));
}

QWidget *makeForm10(ScreenHost &host)
{
    return new Form10(host);
}

QWidget *makeForm16(ScreenHost &host)
{
    return new Form16(host);
}

} // namespace dravex
