#include "screens/catalog.h"

namespace dravex {

ScreenCatalog AllScreens()
{
    ScreenCatalog catalog;
    addMeasurementTableScreens(catalog);
    addConversionScreens(catalog);
    addGaugingScreens(catalog);
    addAdditiveScreens(catalog);
    addCalculatorScreens(catalog);
    return catalog;
}

} // namespace dravex
