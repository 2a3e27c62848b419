#include "screens/catalog.h"
#include "screens/form22_form6_table54.h"
#include "screens/form23_form24_table5.h"
#include "screens/form25_form26_table53.h"
#include "screens/form5_form21_table6.h"
#include "screens/vcf2004_window.h"

namespace dravex {

void addMeasurementTableScreens(ScreenCatalog &catalog)
{
    catalog[QStringLiteral("Form5")] = makeForm5;
    catalog[QStringLiteral("Form21")] = makeForm21;
    catalog[QStringLiteral("Form22")] = makeForm22;
    catalog[QStringLiteral("Form6")] = makeForm6;
    catalog[QStringLiteral("Form23")] = makeForm23;
    catalog[QStringLiteral("Form24")] = makeForm24;
    catalog[QStringLiteral("Form25")] = makeForm25;
    catalog[QStringLiteral("Form26")] = makeForm26;
    catalog[QStringLiteral("Vcf2004")] = makeVcf2004;
}

} // namespace dravex
