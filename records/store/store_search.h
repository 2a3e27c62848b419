// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QVariantList>

namespace dravex {

// What the store browser finds reports by. Each text typed is found anywhere in its column,
// any case, its own % and _ taken literally; the dates bound the report's date; the status
// is exact. Empty or invalid: not searched by.
struct StoreReportSearch
{
    QString vessel, voyage, port, grade, inspector, status;
    QDate from, to;
};

// A statement with its bound values.
struct StoreQuery
{
    QString sql;
    QVariantList values;
};

// A LIKE pattern (a backslash its escape) that finds text anywhere, its own % and _ taken literally.
QString StoreLikeContaining(const QString &text);

// The search as the store answers it: the reports' search columns, newest save first, 500 at
// most (the browser's list and the store's benchmark send this same statement).
StoreQuery ReportSearchQuery(const StoreReportSearch &search);

} // namespace dravex
