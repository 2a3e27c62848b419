#include "screens/catalog.h"

namespace dravex {

void addCalculatorScreens(ScreenCatalog &)
{
}

} // namespace dravex
