#include "screens/catalog.h"

namespace dravex {

void addAdditiveScreens(ScreenCatalog &)
{
}

} // namespace dravex
