#include "screens/form10_form16_fsii.h"

#include "core/additives.h"
#include "screens/svg_picture.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>

namespace dravex {

// What tells the two FSII windows apart. Where a label names no field its control name
// comes with it; a per-1000 field of nullptr means the window has none.
struct FsiiLayout
{
    const FormSpec &form;
    FormResult (*calculation)(const FieldTexts &texts);
    const char *heading;
    const char *headingText;
    const char *desiredLabel;
    const char *quantity;
    const char *quantityLabel;
    const char *lab;
    const char *labLabel;
    const char *pressEnter;
    const char *picture;
    const char *pictureFile;
    const char *gallons;
    const char *injectLabel;
    const char *gallonsUnit;
    const char *perThousand;
    const char *perThousandLabel;
    const char *advice;
    // Fields where Enter leaves the text as typed; a field in neither list has no handler.
    const char *quietFields[2];
    const char *tabOrder[6];
    int width;
};

namespace {

const char *const kFsiiAdvice = QT_TRANSLATE_NOOP(
    "dravex::FsiiScreen",
    "If you are blending by hand into a Rail Car or Tank Truck, it is recommended that you first mix the FSII "
    "with product in a 5 gal can then introduce this mix into your product.  If possible circulate the product "
    "for a while to get a homogeneous mixture.");

const FsiiLayout kForm10Layout{
    .form = kForm10,
    .calculation = FsiiInjectionBarrels,
    .heading = "Label8",
    .headingText = QT_TRANSLATE_NOOP("dravex::FsiiScreen", "BARRELS"),
    .desiredLabel = "Label6",
    .quantity = "txtqtb",
    .quantityLabel = "Label1",
    .lab = "txtflt",
    .labLabel = "Label2",
    .pressEnter = "Label9",
    .picture = "Image1",
    .pictureFile = ":/fsii_drums.svg",
    .gallons = "txtfis",
    .injectLabel = "Label3",
    .gallonsUnit = "Label4",
    .perThousand = "txtgfs",
    .perThousandLabel = "Label7",
    .advice = "Label5",
    .quietFields = {"txterd", "txtqtb"},
    .tabOrder = {"txtqtb", "txtflt", "txtfis", "txtgfs", "txterd", "Command1"},
    .width = 620,
};

// Enter in End results desired leaves it as typed; the quantity field has no handler at
// all, typing in it computes nothing.
const FsiiLayout kForm16Layout{
    .form = kForm16,
    .calculation = FsiiInjectionGallons,
    .heading = "Label1",
    .headingText = QT_TRANSLATE_NOOP("dravex::FsiiScreen", "GALLONS"),
    .desiredLabel = "Label2",
    .quantity = "txtqfi",
    .quantityLabel = "Label3",
    .lab = "txtpir",
    .labLabel = "Label4",
    .pressEnter = "Label5",
    .picture = "Picture1",
    .pictureFile = ":/fsii_bottle.svg",
    .gallons = "txtfsi",
    .injectLabel = "Label6",
    .gallonsUnit = "Label7",
    .perThousand = nullptr,
    .perThousandLabel = nullptr,
    .advice = "Label8",
    .quietFields = {"txterd", nullptr},
    .tabOrder = {"txterd", "Command1", "txtqfi", "txtpir", "txtfsi", nullptr},
    .width = 560,
};

} // namespace

// Rows: heading and End results desired; quantity; lab result with "Press Enter"; the
// "Inject ... Gals. of FSII." line; the advice. The picture and HELP stand at the right.
FsiiScreen::FsiiScreen(ScreenHost &host, const FsiiLayout &layout, QWidget *parent)
    : Screen(host, layout.form, parent), m_layout(layout)
{
    auto *grid = new QGridLayout;
    content()->addLayout(grid);

    QLabel *heading = makeLabel(QString::fromLatin1(layout.heading), tr(layout.headingText));
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.25);
    heading->setFont(bold);
    QLineEdit *desired = makeField("txterd");
    grid->addWidget(heading, 0, 0);
    grid->addWidget(labelFor(layout.desiredLabel, captionOf("txterd"), desired), 0, 1, Qt::AlignRight);
    grid->addWidget(desired, 0, 2);

    QLineEdit *quantity = makeField(layout.quantity);
    grid->addWidget(labelFor(layout.quantityLabel, captionOf(layout.quantity), quantity), 1, 0, 1, 2);
    grid->addWidget(quantity, 1, 2);

    QLineEdit *lab = makeField(layout.lab);
    grid->addWidget(labelFor(layout.labLabel, captionOf(layout.lab), lab), 2, 0, 1, 2);
    grid->addWidget(lab, 2, 2);
    grid->addWidget(makeLabel(QString::fromLatin1(layout.pressEnter), tr("Press Enter")), 2, 3);

    auto *side = new QVBoxLayout;
    side->addWidget(new SvgPicture(QString::fromLatin1(layout.picture), QString::fromLatin1(layout.pictureFile),
                                   QSize(32, 32), this),
                    0, Qt::AlignRight);
    auto *help = new QPushButton(tr("HELP"), this);
    help->setObjectName(QStringLiteral("Command1"));
    help->setAutoDefault(true); // Enter on the focused button clicks it, as Space does
    side->addWidget(help, 0, Qt::AlignRight);
    side->addStretch();
    grid->addLayout(side, 0, 4, 3, 1);
    grid->setColumnStretch(3, 1);

    auto *result = new QHBoxLayout;
    QLineEdit *gallons = makeField(layout.gallons);
    result->addWidget(labelFor(layout.injectLabel, tr("Inject"), gallons));
    result->addWidget(gallons);
    result->addWidget(makeLabel(QString::fromLatin1(layout.gallonsUnit), tr("Gals. of FSII.")));
    if (layout.perThousand) {
        QLineEdit *perThousand = makeField(layout.perThousand);
        result->addWidget(perThousand);
        result->addWidget(labelFor(layout.perThousandLabel, captionOf(layout.perThousand), perThousand));
    } else {
        result->addStretch();
    }
    content()->addLayout(result);

    QLabel *advice = makeLabel(QString::fromLatin1(layout.advice), tr(kFsiiAdvice));
    advice->setWordWrap(true);
    content()->addWidget(advice);

    std::vector<QWidget *> chain;
    for (const char *name : layout.tabOrder)
        if (name)
            chain.push_back(findChild<QWidget *>(QString::fromLatin1(name)));
    setTabChain(chain);

    for (const char *name : layout.quietFields)
        if (name)
            onEnter(field(name), [] {});
    onEnter(lab, [this] { labResult_KeyPress(); });
    connect(help, &QPushButton::clicked, this, &FsiiScreen::Command1_Click);
    resize(layout.width, sizeHint().height());
}

// txtflt_KeyPress on Form10, txtpir_KeyPress on Form16.
void FsiiScreen::labResult_KeyPress()
{
    run(m_layout.calculation);
}

void FsiiScreen::Command1_Click()
{
    host().showWindow(QStringLiteral("Form17"));
}

QWidget *makeForm10(ScreenHost &host)
{
    return new FsiiScreen(host, kForm10Layout);
}

QWidget *makeForm16(ScreenHost &host)
{
    return new FsiiScreen(host, kForm16Layout);
}

} // namespace dravex
