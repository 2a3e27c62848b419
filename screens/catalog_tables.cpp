#include "screens/catalog.h"
#include "screens/form5_form21_table6.h"

namespace dravex {

void addMeasurementTableScreens(ScreenCatalog &catalog)
{
    catalog[QStringLiteral("Form5")] = makeForm5;
    catalog[QStringLiteral("Form21")] = makeForm21;
}

} // namespace dravex
