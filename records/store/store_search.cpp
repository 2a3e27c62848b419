// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/store/store_search.h"

#include <QStringList>

namespace dravex {

// A LIKE pattern that finds text anywhere, its own % and _ taken literally.
QString StoreLikeContaining(const QString &text)
{
    QString t = text;
    t.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('%'), QLatin1String("\\%"))
        .replace(QLatin1Char('_'), QLatin1String("\\_"));
    return QLatin1Char('%') + t + QLatin1Char('%');
}

StoreQuery ReportSearchQuery(const StoreReportSearch &search)
{
    QStringList where;
    StoreQuery query;
    const auto like = [&](const char *column, const QString &text) {
        const QString t = text.trimmed();
        if (t.isEmpty())
            return;
        where << QStringLiteral("%1 ILIKE ? ESCAPE '\\'").arg(QLatin1String(column));
        query.values << StoreLikeContaining(t);
    };
    like("vessel", search.vessel);
    like("voyage", search.voyage);
    like("port", search.port);
    like("grades", search.grade);
    like("inspector", search.inspector);
    for (const auto &[date, op] : {std::pair{search.from, ">="}, std::pair{search.to, "<="}}) {
        if (!date.isValid())
            continue;
        where << QStringLiteral("report_date %1 CAST(? AS date)").arg(QLatin1String(op));
        query.values << date.toString(Qt::ISODate);
    }
    if (!search.status.isEmpty()) {
        where << QStringLiteral("status = ?");
        query.values << search.status;
    }
    query.sql = QStringLiteral("SELECT id::text AS id, vessel, voyage, port, report_date, operation, grades,"
                               " status, inspector, head_author, head_at FROM dravex.reports") +
                (where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "))) +
                QStringLiteral(" ORDER BY head_at DESC NULLS LAST LIMIT 500");
    return query;
}

} // namespace dravex
