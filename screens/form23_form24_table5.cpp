#include "screens/form23_form24_table5.h"

#include "core/gravity_correction.h"

#include <QFrame>
#include <QGridLayout>
#include <QVBoxLayout>

#include <tuple>
#include <utility>

namespace dravex {

GravityScreen::GravityScreen(ScreenHost &host, const QString &name, const QString &caption, const Captions &captions,
                             QWidget *parent)
    : Screen(host, name, caption, parent)
{
    auto *grid = new QGridLayout;
    const auto addRow = [&](int row, const char *labelName, const QString &text, const char *fieldName) {
        QLineEdit *field = makeField(QString::fromLatin1(fieldName), text);
        QLabel *label = makeLabel(QString::fromLatin1(labelName), text);
        label->setTextFormat(Qt::PlainText);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        return std::pair{label, field};
    };
    std::tie(Label1, txtobg) = addRow(0, "Label1", captions.observedGravity, "txtobg");
    std::tie(Label2, txtobt) = addRow(1, "Label2", captions.observedTemperature, "txtobt");
    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    grid->addWidget(Line1, 2, 0, 1, 2);
    std::tie(Label3, txtcg) = addRow(3, "Label3", captions.result, "txtcg");
    content()->addLayout(grid);

    Label4 = makeLabel(QStringLiteral("Label4"), captions.help);
    Label4->setTextFormat(Qt::PlainText);
    Label4->setWordWrap(true);
    content()->addWidget(Label4);
}

namespace {

GravityScreen::Captions table5Captions(Table5Screen::Table table)
{
    if (table == Table5Screen::Table::A)
        return {QStringLiteral(" Enter Observed API ( 0.5)"), QStringLiteral("Enter Observed Temp. (0.5)"),
                QStringLiteral("API at 60 Deg. F ="),
                QStringLiteral("Place curser in box to enter your data.  Press Enter after you have entered your "
                               "data.  Enter Temp to 0.5 Deg. F")};
    return {QStringLiteral("Enter Observed API"), QStringLiteral("Enter Observed Temp."),
            QStringLiteral("API at 60 Deg. F ="),
            QStringLiteral("Place curser in box to enter your data.  Press Enter after you have entered your "
                           "data.  Enter Temp. to 0.5 Deg. F")};
}

} // namespace

Table5Screen::Table5Screen(ScreenHost &host, Table table, QWidget *parent)
    : GravityScreen(host, table == Table::A ? QStringLiteral("Form23") : QStringLiteral("Form24"),
                    table == Table::A ? QStringLiteral("GRAVITY CORRECTION (TABLE 5a)")
                                      : QStringLiteral("GRAVITY CORRECTION (TABLE 5b)"),
                    table5Captions(table), parent),
      m_table(table)
{
    if (table == Table::A)
        setTabChain({txtobg, txtobt, txtcg});
    else
        setTabChain({txtcg, txtobt, txtobg});
    addWorkingPanel();
    onEnter(txtobg, [this] { txtobg_KeyPress(); });
    onEnter(txtobt, [this] { txtobt_KeyPress(); });
}

void Table5Screen::txtobg_KeyPress()
{
    // Table 5A puts the gravity's text back as it stands; Table 5B does nothing. Neither
    // computes: only Enter in the temperature field does.
    if (m_table == Table::A)
        txtobg->setText(txtobg->text());
}

void Table5Screen::txtobt_KeyPress()
{
    calculate([this] {
        const double t = ReadFieldNumber(txtobt);
        const double api = ReadFieldNumber(txtobg);
        const TemperatureDifference form =
            m_table == Table::A ? TemperatureDifference::WholeDegrees : TemperatureDifference::Exact;
        const Api60Correction corrected = ObservedApiToApi60(api, t, form);
        DescribeApi60Correction(corrected, working());
        const double shown = ShownApi60(corrected.api60);
        ShowFieldNumber(txtcg, shown);
        working().add("API at 60 F shown", shown, "API", "rounded to 0.1, sign kept");
    });
}

QWidget *makeForm23(ScreenHost &host)
{
    return new Table5Screen(host, Table5Screen::Table::A);
}

QWidget *makeForm24(ScreenHost &host)
{
    return new Table5Screen(host, Table5Screen::Table::B);
}

} // namespace dravex
