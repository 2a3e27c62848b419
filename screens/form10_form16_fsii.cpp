// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/form10_form16_fsii.h"

#include "core/additives.h"
#include "screens/svg_picture.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>

namespace dravex {

// The names of the labels of an FSII window that do not take a field's caption.
struct FsiiLabels
{
    const char *heading;
    const char *desired;
    const char *quantity;
    const char *lab;
    const char *pressEnter;
    const char *inject;
    const char *gallonsUnit;
    const char *perThousand;
    const char *advice;
};

// What tells the two FSII windows apart: the form and its calculation, the heading, the
// fields for the quantity, the lab result, the gallons and the gallons per 1000 barrels
// (none on Form16), the labels' names, the picture, the fields where Enter leaves the
// text as typed (a field in neither list has no handler), the tab order and the width.
struct FsiiLayout
{
    const FormSpec &form;
    const char *headingText;
    const char *fields[4];
    FsiiLabels labels;
    const char *picture[2];
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
    kForm10,
    QT_TRANSLATE_NOOP("dravex::FsiiScreen", "BARRELS"),
    {"txtqtb", "txtflt", "txtfis", "txtgfs"},
    {"Label8", "Label6", "Label1", "Label2", "Label9", "Label3", "Label4", "Label7", "Label5"},
    {"Image1", ":/fsii_drums.svg"},
    {"txterd", "txtqtb"},
    {"txtqtb", "txtflt", "txtfis", "txtgfs", "txterd", "Command1"},
    620};

// Enter in End results desired leaves it as typed; typing in the quantity computes nothing.
const FsiiLayout kForm16Layout{
    kForm16,
    QT_TRANSLATE_NOOP("dravex::FsiiScreen", "GALLONS"),
    {"txtqfi", "txtpir", "txtfsi", nullptr},
    {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", nullptr, "Label8"},
    {"Picture1", ":/fsii_bottle.svg"},
    {"txterd", nullptr},
    {"txterd", "Command1", "txtqfi", "txtpir", "txtfsi", nullptr},
    560};

} // namespace

// Rows: heading and End results desired; quantity; lab result with "Press Enter"; the
// "Inject ... Gals. of FSII." line; the advice. The picture and HELP stand at the right.
FsiiScreen::FsiiScreen(ScreenHost &host, const FsiiLayout &layout, QWidget *parent)
    : Screen(host, layout.form, parent), m_layout(layout)
{
    const FsiiLabels &labels = layout.labels;
    const auto [quantityName, labName, gallonsName, perThousandName] = layout.fields;
    auto *grid = new QGridLayout;
    content()->addLayout(grid);

    QLabel *heading = makeLabel(QString::fromLatin1(labels.heading), tr(layout.headingText));
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.25);
    heading->setFont(bold);
    QLineEdit *desired = makeField("txterd");
    grid->addWidget(heading, 0, 0);
    grid->addWidget(labelFor(labels.desired, captionOf("txterd"), desired), 0, 1, Qt::AlignRight);
    grid->addWidget(desired, 0, 2);

    QLineEdit *quantity = makeField(quantityName);
    grid->addWidget(labelFor(labels.quantity, captionOf(quantityName), quantity), 1, 0, 1, 2);
    grid->addWidget(quantity, 1, 2);

    QLineEdit *lab = makeField(labName);
    grid->addWidget(labelFor(labels.lab, captionOf(labName), lab), 2, 0, 1, 2);
    grid->addWidget(lab, 2, 2);
    grid->addWidget(makeLabel(QString::fromLatin1(labels.pressEnter), tr("Press Enter")), 2, 3);

    auto *side = new QVBoxLayout;
    side->addWidget(new SvgPicture(QString::fromLatin1(layout.picture[0]), QString::fromLatin1(layout.picture[1]),
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
    QLineEdit *gallons = makeField(gallonsName);
    result->addWidget(labelFor(labels.inject, tr("Inject"), gallons));
    result->addWidget(gallons);
    result->addWidget(makeLabel(QString::fromLatin1(labels.gallonsUnit), tr("Gals. of FSII.")));
    if (perThousandName) {
        QLineEdit *perThousand = makeField(perThousandName);
        result->addWidget(perThousand);
        result->addWidget(labelFor(labels.perThousand, captionOf(perThousandName), perThousand));
    } else {
        result->addStretch();
    }
    content()->addLayout(result);

    QLabel *advice = makeLabel(QString::fromLatin1(labels.advice), tr(kFsiiAdvice));
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
    run(m_layout.fields[1]);
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
