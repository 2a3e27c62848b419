#pragma once

#include <QString>

namespace dravex {

// The help guide as HTML, compiled into the program: an introduction with a list of
// contents, one section per screen in menu order, then "Notices" and "Numbers".
QString helpGuideHtml();

} // namespace dravex
