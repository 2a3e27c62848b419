// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace dravex {

// The help guide as HTML, compiled into the program: an introduction with a list of
// contents, one section per screen in menu order, then "Notices" and "Numbers".
QString helpGuideHtml();

// The anchor of the guide's section on the window of that objectName ("Form5" -> "t6a"),
// or empty for a window without a section of its own.
QString helpSectionFor(const QString &windowName);

// The second half of the guide's HTML, from the calculation log on (help_text_records.cpp).
extern const char kGuideRecordsAndAfter[];

} // namespace dravex
