#include "screens/catalog.h"
#include "screens/form3_temperature.h"
#include "screens/form4_gravity_conversion.h"

namespace dravex {

void addConversionScreens(ScreenCatalog &catalog)
{
    catalog[QStringLiteral("Form3")] = makeForm3;
    catalog[QStringLiteral("Form4")] = makeForm4;
}

} // namespace dravex
