#include "screens/catalog.h"
#include "screens/form14_calculator.h"

namespace dravex {

void addCalculatorScreens(ScreenCatalog &catalog)
{
    catalog[QStringLiteral("Form14")] = makeForm14;
}

} // namespace dravex
