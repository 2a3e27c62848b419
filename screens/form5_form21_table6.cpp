#include "screens/form5_form21_table6.h"

#include "core/volume_correction.h"

#include <QFormLayout>
#include <QVBoxLayout>

namespace dravex {

namespace {

const Table6Layout kForm5Layout{
    kForm5, Table6ANetVolume, {"txtapi", "txtem", "txtgv", "txtvcf", "txtbbl", "txtgal", "txtltn", "txtlf"}};
const Table6Layout kForm21Layout{
    kForm21, Table6BNetVolume, {"txtlf", "txtltn", "txtgal", "txtbbl", "txtvcf", "txtgv", "txtem", "txtapi"}};

} // namespace

Table6Screen::Table6Screen(ScreenHost &host, const Table6Layout &layout, QWidget *parent)
    : Screen(host, layout.form, parent), m_layout(layout)
{
    const TwoColumns columns = addTwoColumns();
    for (const char *name : {"txtapi", "txtem", "txtgv"})
        addField(columns.inputs, name);
    for (const char *name : {"txtvcf", "txtbbl", "txtgal", "txtlf", "txtltn"})
        addField(columns.results, name);
    field("txtlf")->setMaximumWidth(100);

    auto *disclaimer = makeLabel(QString(), QStringLiteral(
        "Not responsible for errors as there are different tables and methods of calculations."));
    disclaimer->setWordWrap(true);
    content()->addWidget(disclaimer);

    std::vector<QWidget *> chain;
    for (const char *name : m_layout.tabOrder)
        chain.push_back(field(name));
    setTabChain(chain);
    addWorkingPanel();

    // Enter in the gravity and temperature fields has no visible effect.
    onEnter(field("txtapi"), [] {});
    onEnter(field("txtem"), [] {});
    onEnter(field("txtgv"), [this] { txtgv_KeyPress(); });
}

void Table6Screen::txtgv_KeyPress()
{
    run(m_layout.calculation);
}

QWidget *makeForm5(ScreenHost &host)
{
    return new Table6Screen(host, kForm5Layout);
}

QWidget *makeForm21(ScreenHost &host)
{
    return new Table6Screen(host, kForm21Layout);
}

} // namespace dravex
