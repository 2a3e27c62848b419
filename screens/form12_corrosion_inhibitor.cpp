#include "screens/form12_corrosion_inhibitor.h"

#include "core/additives.h"
#include "screens/column_wrapped_label.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

#include <optional>

namespace dravex {

namespace {

// The runs of blanks in the instructions break them into four lines at 77 columns.
constexpr int kInstructionColumns = 77;

const QString kInstructions = QStringLiteral(
    " Select the type of CI you are using.  Place the currser in the Quantity of    producted to be injected "
    "block and enter the quantity of product you         are injecting.  Select the volume in which you are "
    "working with (Barrels.    Gallons or Liters).  Enter the SG of the CI and press Enter.");

} // namespace

// The product list at the left; at the right the quantity, its unit, the specific
// gravity and the line "Mix [amount] [unit] CI into your  fuel."; the instructions below.
Form12::Form12(ScreenHost &host, QWidget *parent)
    : Screen(host, QStringLiteral("Form12"), QStringLiteral("CORROSION INHIBITOR (CI)"), parent)
{

    auto *row = new QHBoxLayout;
    content()->addLayout(row);

    auto *products = new QVBoxLayout;
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setAccessibleName(QStringLiteral("Select your CI Type"));
    products->addWidget(labelFor("Label5", QStringLiteral("Select your CI Type"), List1));
    products->addWidget(List1);
    row->addLayout(products);

    auto *entry = new QGridLayout;
    row->addLayout(entry, 1);
    txtqpt = makeField(QStringLiteral("txtqpt"), QStringLiteral("Quantity of product to be injected"));
    entry->addWidget(labelFor("Label1", QStringLiteral("Quantity of product to be injected"), txtqpt), 0, 0);
    entry->addWidget(txtqpt, 0, 1);

    Frame1 = new QGroupBox(QStringLiteral("Frame1"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto *units = new QHBoxLayout(Frame1);
    Option1 = new QRadioButton(QStringLiteral("Barrels"), Frame1);
    Option2 = new QRadioButton(QStringLiteral("Gallons"), Frame1);
    Option3 = new QRadioButton(QStringLiteral("Liters"), Frame1);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option2->setObjectName(QStringLiteral("Option2"));
    Option3->setObjectName(QStringLiteral("Option3"));
    for (QRadioButton *option : {Option1, Option2, Option3})
        units->addWidget(option);
    entry->addWidget(Frame1, 1, 0, 1, 3);

    txtscg = makeField(QStringLiteral("txtscg"), QStringLiteral("Specific Gravity of CI being injected"));
    entry->addWidget(labelFor("Label2", QStringLiteral("Specific Gravity of CI being injected"), txtscg), 2, 0);
    entry->addWidget(txtscg, 2, 1);
    entry->addWidget(makeLabel(QStringLiteral("Label6"), QStringLiteral("If Unkown enter .95")), 2, 2);

    auto *result = new QHBoxLayout;
    txtami = makeField(QStringLiteral("txtami"), QStringLiteral("Mix"));
    txtqan = makeField(QStringLiteral("txtqan"), QStringLiteral("Unit of the CI to mix"));
    txtami->setMaximumWidth(120);
    txtqan->setMaximumWidth(60);
    result->addWidget(labelFor("Label3", QStringLiteral("Mix"), txtami));
    result->addWidget(txtami);
    result->addWidget(txtqan);
    result->addWidget(labelFor("Label4", QStringLiteral("CI into your  fuel."), txtqan));
    result->addStretch();
    entry->addLayout(result, 3, 0, 1, 3);
    entry->setRowStretch(4, 1);

    auto *instructions = new ColumnWrappedLabel(kInstructions, kInstructionColumns, this);
    instructions->setObjectName(QStringLiteral("Label7"));
    content()->addWidget(instructions);

    Form_Load();

    setTabChain({txtqpt, txtscg, txtami, Option1, Option2, Option3, List1, txtqan});
    // Enter in the quantity leaves it as typed.
    onEnter(txtqpt, [] {});
    onEnter(txtscg, [this] { txtscg_KeyPress(); });
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

void Form12::txtscg_KeyPress()
{
    const QList<QListWidgetItem *> selected = List1->selectedItems();
    const QString product = selected.isEmpty() ? QString() : selected.first()->text();
    const std::optional<int> doseNumber = CorrosionInhibitorDoseNumber(product.toStdString());
    if (!doseNumber) {
        // Without a product there is no dose to work out.
        showNotice(tr("Select your CI Type in the list first."));
        return;
    }
    bool unitMissing = false;
    calculate([&] {
        const double specificGravity = ReadFieldNumber(txtscg);
        const CorrosionInhibitorRate rate = CorrosionInhibitorRateFor(*doseNumber, specificGravity);
        std::optional<VolumeUnit> unit;
        if (Option1->isChecked())
            unit = VolumeUnit::Barrels;
        else if (Option2->isChecked())
            unit = VolumeUnit::Gallons;
        else if (Option3->isChecked())
            unit = VolumeUnit::Litres;
        if (!unit) {
            unitMissing = true; // nothing to write without a unit
            return;
        }
        const double quantity = ReadFieldNumber(txtqpt);
        const CorrosionInhibitorAmount amount = CorrosionInhibitorAmountFor(rate.rounded, quantity, *unit);
        ShowFieldNumber(txtami, amount.amount);
        txtqan->setText(QString::fromLatin1(amount.unitText.data(), qsizetype(amount.unitText.size())));
    });
    if (unitMissing)
        showNotice(tr("Choose Barrels, Gallons or Liters, then press Enter again."));
}

QWidget *makeForm12(ScreenHost &host)
{
    return new Form12(host);
}

} // namespace dravex
