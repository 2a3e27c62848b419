// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/form12_corrosion_inhibitor.h"

#include "core/additives.h"
#include "screens/column_wrapped_label.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

namespace dravex {

namespace {

// The runs of blanks in the instructions break them into four lines at 77 columns.
constexpr int kInstructionColumns = 77;

} // namespace

// The product list at the left; at the right the quantity, its unit, the specific
// gravity and the line "Mix [amount] [unit] CI into your  fuel."; the instructions below.
Form12::Form12(ScreenHost &host, QWidget *parent) : Screen(host, kForm12, parent)
{
    auto *row = new QHBoxLayout;
    content()->addLayout(row);

    auto *products = new QVBoxLayout;
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    const QString productCaption = tr("Select your CI Type");
    List1->setAccessibleName(productCaption);
    products->addWidget(labelFor("Label5", productCaption, List1));
    products->addWidget(List1);
    row->addLayout(products);

    auto *entry = new QGridLayout;
    row->addLayout(entry, 1);
    QLineEdit *quantity = makeField("txtqpt");
    entry->addWidget(labelFor("Label1", captionOf("txtqpt"), quantity), 0, 0);
    entry->addWidget(quantity, 0, 1);

    auto *frame = new QGroupBox(tr("Frame1"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *units = new QHBoxLayout(frame);
    std::vector<QWidget *> options;
    for (const auto &[name, caption] :
         {std::pair{"Option1", QT_TR_NOOP("Barrels")}, std::pair{"Option2", QT_TR_NOOP("Gallons")},
          std::pair{"Option3", QT_TR_NOOP("Liters")}}) {
        auto *option = new QRadioButton(tr(caption), frame);
        option->setObjectName(QString::fromLatin1(name));
        units->addWidget(option);
        options.push_back(option);
    }
    entry->addWidget(frame, 1, 0, 1, 3);

    QLineEdit *gravity = makeField("txtscg");
    entry->addWidget(labelFor("Label2", captionOf("txtscg"), gravity), 2, 0);
    entry->addWidget(gravity, 2, 1);
    entry->addWidget(makeLabel(QStringLiteral("Label6"), tr("If Unkown enter .95")), 2, 2);

    QLineEdit *amount = makeField("txtami");
    QLineEdit *unit = makeField("txtqan");
    amount->setMaximumWidth(120);
    unit->setMaximumWidth(60);
    markTextField(unit);
    auto *result = new QHBoxLayout;
    result->addWidget(labelFor("Label3", tr("Mix"), amount));
    result->addWidget(amount);
    result->addWidget(unit);
    result->addWidget(labelFor("Label4", tr("CI into your  fuel."), unit));
    result->addStretch();
    entry->addLayout(result, 3, 0, 1, 3);
    entry->setRowStretch(4, 1);

    auto *instructions = new ColumnWrappedLabel(
        tr(" Select the type of CI you are using.  Place the currser in the Quantity of    producted to be injected "
           "block and enter the quantity of product you         are injecting.  Select the volume in which you are "
           "working with (Barrels.    Gallons or Liters).  Enter the SG of the CI and press Enter."),
        kInstructionColumns, this);
    instructions->setObjectName(QStringLiteral("Label7"));
    content()->addWidget(instructions);

    Form_Load();

    setTabChain({quantity, gravity, amount, options[0], options[1], options[2], List1, unit});
    // Enter in the quantity leaves it as typed.
    onEnter(quantity, [] {});
    onEnter(gravity, [this] { txtscg_KeyPress(); });
    resize(sizeHint());
}

void Form12::Form_Load()
{
    for (const CorrosionInhibitor &product : CorrosionInhibitors())
        List1->addItem(QString::fromLatin1(product.name.data(), qsizetype(product.name.size())));
    // Thirteen short names: show them all without scrolling.
    List1->setFixedWidth(List1->sizeHintForColumn(0) + 2 * List1->frameWidth() + 8);
    List1->setMinimumHeight(List1->sizeHintForRow(0) * List1->count() + 2 * List1->frameWidth());
}

std::vector<ChosenOption> Form12::chosenOptions() const
{
    std::vector<ChosenOption> chosen;
    if (const QList<QListWidgetItem *> selected = List1->selectedItems(); !selected.isEmpty())
        chosen.push_back({List1->objectName(), tr("Product"), selected.front()->text()});
    for (const QRadioButton *unit : findChildren<QRadioButton *>())
        if (unit->isChecked())
            chosen.push_back({unit->objectName(), tr("Unit"), unit->text()});
    return chosen;
}

void Form12::txtscg_KeyPress()
{
    run("txtscg");
}

QWidget *makeForm12(ScreenHost &host)
{
    return new Form12(host);
}

} // namespace dravex
