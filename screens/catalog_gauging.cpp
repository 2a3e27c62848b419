#include "screens/catalog.h"

namespace dravex {

void addGaugingScreens(ScreenCatalog &)
{
}

} // namespace dravex
