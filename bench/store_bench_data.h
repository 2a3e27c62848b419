// SPDX-License-Identifier: GPL-3.0-or-later
// The made-up company of the store benchmark: its vessels, ports, grades and inspectors, the
// SQL that loads its 100,000 reports and the documents its inspectors save.
#pragma once

#include <QDate>
#include <QString>

#include <cstddef>

namespace dravex::storebench {

inline constexpr int kLoadedReports = 100000;
// The loaded reports belong to this many inspectors, the first of whom log in.
inline constexpr int kCompanyInspectors = 200;

extern const char *const kVesselWords[20];
extern const char *const kVesselEnds[20];
extern const char *const kPorts[60];
extern const char *const kGrades[30];

template <typename T, std::size_t N> constexpr int count(const T (&)[N])
{
    return int(N);
}

// bench_inspector_NNN
QString inspectorName(int i);
// One statement that loads the reports, each with the one revision that made it, and answers
// the two counts.
QString loadSql();
// A cargo report's JSON document as the program writes it: header, ship's condition and 14
// gauged tanks (about 5 KB); `edit` changes the figures of one tank, as an edit does.
QString reportDocument(const QString &vessel, const QString &voyage, const QString &port, const QDate &date,
                       const QString &grade, const QString &inspector, int edit);

} // namespace dravex::storebench
