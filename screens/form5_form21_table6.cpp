// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/form5_form21_table6.h"

#include "core/volume_correction.h"

#include <QFormLayout>
#include <QVBoxLayout>

namespace dravex {

namespace {

constexpr const char *kTable6Results[] = {"txtvcf", "txtbbl", "txtgal", "txtlf", "txtltn"};
constexpr const char *kForm5TabOrder[] = {"txtapi", "txtem", "txtgv", "txtvcf", "txtbbl", "txtgal", "txtltn", "txtlf"};
constexpr const char *kForm21TabOrder[] = {"txtlf", "txtltn", "txtgal", "txtbbl", "txtvcf", "txtgv", "txtem", "txtapi"};

const VolumeLayout kForm5Layout{kForm5, kTable6Results, kForm5TabOrder};
const VolumeLayout kForm21Layout{kForm21, kTable6Results, kForm21TabOrder};

} // namespace

VolumeCorrectionScreen::VolumeCorrectionScreen(ScreenHost &host, const VolumeLayout &layout, QWidget *parent)
    : Screen(host, layout.form, parent), m_layout(layout)
{
    const TwoColumns columns = addTwoColumns();
    for (const char *name : {"txtapi", "txtem", "txtgv"})
        addField(columns.inputs, name);
    for (const char *name : m_layout.results)
        addField(columns.results, name);
    field("txtlf")->setMaximumWidth(100);

    addDisclaimer();

    std::vector<QWidget *> chain;
    for (const char *name : m_layout.tabOrder)
        chain.push_back(field(name));
    setTabChain(chain);
    addWorkingPanel();

    // Enter in the gravity (or density) and temperature fields has no visible effect.
    onEnter(field("txtapi"), [] {});
    onEnter(field("txtem"), [] {});
    onEnter(field("txtgv"), [this] { txtgv_KeyPress(); });
}

void VolumeCorrectionScreen::txtgv_KeyPress()
{
    run("txtgv");
}

QWidget *makeForm5(ScreenHost &host)
{
    return new VolumeCorrectionScreen(host, kForm5Layout);
}

QWidget *makeForm21(ScreenHost &host)
{
    return new VolumeCorrectionScreen(host, kForm21Layout);
}

} // namespace dravex
