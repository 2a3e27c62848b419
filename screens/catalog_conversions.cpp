#include "screens/catalog.h"

namespace dravex {

void addConversionScreens(ScreenCatalog &)
{
}

} // namespace dravex
