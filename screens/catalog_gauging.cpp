#include "screens/catalog.h"
#include "screens/form20_theoretical_density.h"
#include "screens/form7_wedge.h"
#include "screens/form8_average_gravity.h"
#include "screens/form9_stop_gauge.h"

namespace dravex {

void addGaugingScreens(ScreenCatalog &catalog)
{
    catalog[QStringLiteral("Form7")] = makeForm7;
    catalog[QStringLiteral("Form9")] = makeForm9;
    catalog[QStringLiteral("Form8")] = makeForm8;
    catalog[QStringLiteral("Form20")] = makeForm20;
}

} // namespace dravex
