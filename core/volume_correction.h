#pragma once

namespace dravex {

// Net barrels at 60 F from gross barrels and the factor, rounded to 0.01 (a magnitude).
//   NetBarrels(10000, 0.9911) == 9911
double NetBarrels(double gross, double vcf);

// Whole net gallons in a net volume of barrels (42 US gallons each), cut, not rounded.
//   NetGallonsFromBarrels(9911) == 416262, NetGallonsFromBarrels(0.01) == 0
double NetGallonsFromBarrels(double netBarrels);

} // namespace dravex
