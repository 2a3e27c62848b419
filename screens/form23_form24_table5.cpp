// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/form23_form24_table5.h"

#include "core/gravity_correction.h"

#include <QFormLayout>
#include <QFrame>
#include <QVBoxLayout>

namespace dravex {

namespace {

// Table 5A's help says "Temp", Table 5B's "Temp.".
constexpr const char *kTable5AHelp =
    QT_TRANSLATE_NOOP("dravex::GravityScreen", "Place curser in box to enter your data.  Press Enter after you have "
                                               "entered your data.  Enter Temp to 0.5 Deg. F");
constexpr const char *kTable5BHelp =
    QT_TRANSLATE_NOOP("dravex::GravityScreen", "Place curser in box to enter your data.  Press Enter after you have "
                                               "entered your data.  Enter Temp. to 0.5 Deg. F");

const GravityLayout kForm23Layout{kForm23, kTable5AHelp, {"txtobg", "txtobt", "txtcg"}, true};
const GravityLayout kForm24Layout{kForm24, kTable5BHelp, {"txtcg", "txtobt", "txtobg"}, false};

} // namespace

GravityScreen::GravityScreen(ScreenHost &host, const GravityLayout &layout, QWidget *parent)
    : Screen(host, layout.form, parent), m_layout(layout)
{
    auto *rows = new QFormLayout;
    addField(rows, "txtobg", "Label1");
    addField(rows, "txtobt", "Label2");
    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    rows->addRow(line);
    addField(rows, "txtcg", "Label3");
    content()->addLayout(rows);

    QLabel *help = makeLabel(QStringLiteral("Label4"), tr(m_layout.help));
    help->setTextFormat(Qt::PlainText);
    help->setWordWrap(true);
    content()->addWidget(help);

    setTabChain({field(m_layout.tabOrder[0]), field(m_layout.tabOrder[1]), field(m_layout.tabOrder[2])});
    addWorkingPanel();
    onEnter(field("txtobg"), [this] { txtobg_KeyPress(); });
    onEnter(field("txtobt"), [this] { txtobt_KeyPress(); });
}

void GravityScreen::txtobg_KeyPress()
{
    // Table 5A puts the gravity's text back as it stands; the others do nothing. None
    // computes here: only Enter in the temperature field does.
    if (m_layout.enterRewritesGravity)
        field("txtobg")->setText(field("txtobg")->text());
}

void GravityScreen::txtobt_KeyPress()
{
    run("txtobt");
}

QWidget *makeForm23(ScreenHost &host)
{
    return new GravityScreen(host, kForm23Layout);
}

QWidget *makeForm24(ScreenHost &host)
{
    return new GravityScreen(host, kForm24Layout);
}

} // namespace dravex
