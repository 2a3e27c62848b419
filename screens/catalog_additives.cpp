#include "screens/catalog.h"
#include "screens/form10_form16_fsii.h"
#include "screens/form11_form18_sda.h"
#include "screens/form12_corrosion_inhibitor.h"
#include "screens/form17_fsii_help.h"
#include "screens/form19_dmd2.h"

namespace dravex {

void addAdditiveScreens(ScreenCatalog &catalog)
{
    catalog[QStringLiteral("Form10")] = makeForm10;
    catalog[QStringLiteral("Form16")] = makeForm16;
    catalog[QStringLiteral("Form17")] = makeForm17;
    catalog[QStringLiteral("Form11")] = makeForm11;
    catalog[QStringLiteral("Form18")] = makeForm18;
    catalog[QStringLiteral("Form12")] = makeForm12;
    catalog[QStringLiteral("Form19")] = makeForm19;
}

} // namespace dravex
