// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/voyage/voyage_store_sync.h"

#include "records/store/store_session.h"

#include <QUuid>

#include <nlohmann/json.hpp>

namespace dravex {

namespace {

// The namespace of voyage ids (a name-based UUID of the voyage's document).
const QUuid kVoyageIds = QUuid::fromString(QLatin1String("6f1f2b8e-4c1d-4a53-9a3e-7d2c9b0e5a11"));

} // namespace

QString VoyageStoreSync::document(const VoyageEntry &voyage)
{
    VoyageEntry e = voyage;
    e.line = 0;
    return QString::fromStdString(VoyagesToJson({e}).at(0).dump());
}

QString VoyageStoreSync::id(const QString &document)
{
    return QUuid::createUuidV5(kVoyageIds, document.toUtf8()).toString(QUuid::WithoutBraces);
}

void VoyageStoreSync::send(StoreSession &session, const std::vector<VoyageEntry> &voyages, const QString &vessel,
                           Done done)
{
    nlohmann::json rows = nlohmann::json::array();
    std::size_t leftOut = 0;
    for (const VoyageEntry &v : voyages) {
        if (!v.problem.empty()) {
            ++leftOut;
            continue;
        }
        const QString doc = document(v);
        rows.push_back({{"id", id(doc).toStdString()},
                        {"vessel", v.vessel},
                        {"voyage", v.voyage},
                        {"document", doc.toStdString()}});
    }
    const QString skipped =
        leftOut ? tr(" %n voyage(s) with a problem were left out.", nullptr, int(leftOut)) : QString();
    if (rows.empty()) {
        done({true, tr("No voyage of %1 to send.").arg(vessel) + skipped, {}});
        return;
    }
    const int total = int(rows.size());
    // One statement, one transaction: all the voyages or none.
    const QString sql =
        QStringLiteral("INSERT INTO dravex.voyages (id, vessel, voyage, document)"
                       " SELECT CAST(v->>'id' AS uuid), v->>'vessel', v->>'voyage', v->>'document'"
                       " FROM jsonb_array_elements(CAST(? AS jsonb)) AS v ON CONFLICT (id) DO NOTHING RETURNING id");
    session.query(sql, {QString::fromStdString(rows.dump())}, [done, total, vessel, skipped](const StoreAnswer &a) {
        if (!a.ok) {
            done({false, tr("The voyages of %1 were not sent: %2").arg(vessel, a.message), {}});
            return;
        }
        const int added = int(a.rows.size());
        done({true,
              tr("%n voyage(s) of %1 sent to the company store", nullptr, total).arg(vessel) +
                  (added == total ? QStringLiteral(".") : tr("; %n of them it had already.", nullptr, total - added)) +
                  skipped,
              {}});
    });
}

void VoyageStoreSync::fetch(StoreSession &session, const QString &vessel, Done done)
{
    const QString sql = QStringLiteral("SELECT document FROM dravex.voyages WHERE lower(btrim(vessel)) = lower(?)"
                                       " ORDER BY created_at, id");
    session.query(sql, {vessel.trimmed()}, [done, vessel](const StoreAnswer &a) {
        if (!a.ok) {
            done({false, tr("The voyages of %1 were not read from the store: %2").arg(vessel, a.message), {}});
            return;
        }
        Outcome out{true, {}, {}};
        std::size_t unreadable = 0;
        for (const QVariantMap &row : a.rows) {
            const std::string text = row.value(QStringLiteral("document")).toString().toStdString();
            const nlohmann::ordered_json json = nlohmann::ordered_json::parse(text, nullptr, false);
            VoyageFileResult read;
            if (!json.is_discarded())
                read = VoyagesFromJson(nlohmann::ordered_json::array({json}));
            if (json.is_discarded() || !read.error.empty() || read.entries.size() != 1) {
                ++unreadable;
                continue;
            }
            out.voyages.push_back(std::move(read.entries.front()));
        }
        if (unreadable)
            out.text = tr("%n voyage(s) in the store could not be read and were left out.", nullptr, int(unreadable));
        done(out);
    });
}

} // namespace dravex
