// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace dravex {

class RecordsModule;

// Where the records module is looked for: installed beside the program's libraries, or
// in the program's own folder (a build that is not installed). The first that exists.
QString RecordsModulePath();

// Loads the records module at path; null with the reason in problem when it cannot be.
// The module stays loaded for the rest of the run.
RecordsModule *LoadRecordsModule(const QString &path, QString &problem);

} // namespace dravex
