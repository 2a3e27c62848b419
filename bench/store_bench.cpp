// SPDX-License-Identifier: GPL-3.0-or-later
// The company store under load, against a PostgreSQL server of its own with the store's schema
// applied (bench/store.sh starts one, applies store/setup.sql and names it in DRAVEX_BENCH_PG):
//
//  1. 100,000 reports, each with one revision, loaded as the superuser with the tables' triggers
//     as they are (so the audit log holds what saves would have written).
//  2. 50 inspectors, each their own login role and connection on a thread of its own, save 100
//     revisions each at once through dravex.save_revision, as the program sends it: every save
//     an edit of one of the inspector's ten reports, from its last head. Then the store is read
//     back: every revision there, accepted, in its report's chain, audited. Save latency p50,
//     p99 and max; and, before, of one inspector saving 100 revisions alone (a save's own cost).
//  3. The store browser's searches, in the very SQL it sends, as a reviewer and as an inspector
//     (whom row-level security limits to their own reports): median and max per kind.
//  4. The store's size per report revision.
//
// Exits 1 when a save fails or a revision is lost, 2 when the store cannot be used; a missed
// target is printed, not an error (the figures depend on the machine and its load).
// DRAVEX_BENCH_EXPLAIN=1 also prints the plan of each search (EXPLAIN ANALYZE) for both roles.

#include "records/store/store_search.h"
#include "store_bench_data.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDate>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QUuid>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <random>
#include <thread>
#include <vector>

namespace {

using namespace dravex::storebench;

constexpr int kInspectors = 50;
constexpr int kSavesEach = 100;
constexpr int kReportsEach = 10;
// An inspector's time between two saves of a report, on average, in the second round.
constexpr int kEditingMs = 200;
constexpr int kSearchRuns = 15;

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The server named by "host=... port=... dbname=..." (what the cluster script prints).
struct Server
{
    QString host, port, database;
};

Server parseConninfo(const QString &conninfo)
{
    Server s;
    for (const QString &part : conninfo.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const qsizetype eq = part.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString key = part.left(eq), value = part.mid(eq + 1);
        if (key == QLatin1String("host"))
            s.host = value;
        else if (key == QLatin1String("port"))
            s.port = value;
        else if (key == QLatin1String("dbname"))
            s.database = value;
    }
    return s;
}

// A connection of its own (name), as `user` (empty: the caller, the cluster's superuser).
QSqlDatabase open(const Server &server, const QString &name, const QString &user)
{
    QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    if (!server.host.isEmpty())
        d.setHostName(server.host);
    if (!server.port.isEmpty())
        d.setPort(server.port.toInt());
    if (!server.database.isEmpty())
        d.setDatabaseName(server.database);
    if (!user.isEmpty())
        d.setUserName(user);
    if (!d.open())
        std::fprintf(stderr, "cannot connect as %s: %s\n", user.isEmpty() ? "the superuser" : qPrintable(user),
                     qPrintable(d.lastError().text()));
    return d;
}

bool exec(QSqlDatabase &d, const QString &sql, const char *what)
{
    QSqlQuery q(d);
    if (q.exec(sql))
        return true;
    std::fprintf(stderr, "%s failed: %s\n", what, qPrintable(q.lastError().text()));
    return false;
}

QVariant scalar(QSqlDatabase &d, const QString &sql)
{
    QSqlQuery q(d);
    if (!q.exec(sql) || !q.next()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(sql.left(80)), qPrintable(q.lastError().text()));
        return {};
    }
    return q.value(0);
}

double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t i = std::min(v.size() - 1, std::size_t(p * double(v.size() - 1) + 0.5));
    return v[i];
}

// What one inspector's thread did.
struct Saved
{
    QUuid report, revision, parent;
};

struct InspectorRun
{
    std::vector<double> latencies;
    std::vector<Saved> saved;
    QStringList faults;
};

const char kSaveSql[] =
    "SELECT outcome, head, head_author, head_at FROM dravex.save_revision("
    "CAST(? AS uuid), CAST(? AS uuid), CAST(? AS uuid), ?, ?, ?, ?, ?, ?, CAST(? AS date), ?, ?, ?)";

QVariant uuidValue(const QUuid &id)
{
    return id.isNull() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(id.toString(QUuid::WithoutBraces));
}

// pauseMs: the time an inspector spends editing between two saves, on average (drawn
// evenly from half to one and a half times it); 0: saves back to back.
void inspectorSaves(const Server &server, int inspector, std::atomic<int> &ready, std::atomic<bool> &go,
                    InspectorRun &run, int pauseMs = 0)
{
    const QString name = inspectorName(inspector);
    {
        QSqlDatabase d = open(server, name, name);
        ++ready;
        while (!go.load())
            std::this_thread::yield();
        if (!d.isOpen()) {
            run.faults << QStringLiteral("%1 could not connect").arg(name);
        } else {
            QUuid reports[kReportsEach], heads[kReportsEach];
            for (QUuid &r : reports)
                r = QUuid::createUuid();
            std::mt19937 editing(std::uint32_t(inspector) * 7919u + std::uint32_t(pauseMs));
            std::uniform_int_distribution<int> pause(pauseMs / 2, pauseMs + pauseMs / 2);
            for (int s = 0; s < kSavesEach; ++s) {
                if (pauseMs > 0)
                    std::this_thread::sleep_for(std::chrono::milliseconds(pause(editing)));
                const int r = s % kReportsEach;
                const int v = (inspector * kReportsEach + r) % 400;
                const QString vessel =
                    QStringLiteral("MT %1 %2")
                        .arg(QLatin1String(kVesselWords[v % 20]), QLatin1String(kVesselEnds[v / 20]));
                const QString voyage = QStringLiteral("V%1").arg(200 + r, 3, 10, QLatin1Char('0'));
                const QString port = QLatin1String(kPorts[(inspector + r) % count(kPorts)]);
                const QString grade = QLatin1String(kGrades[(inspector * 3 + r) % count(kGrades)]);
                const QDate date(2027, 1, 1 + r);
                const QString document = reportDocument(vessel, voyage, port, date, grade, name, s);
                const QString sha = QString::fromLatin1(
                    QCryptographicHash::hash(document.toUtf8(), QCryptographicHash::Sha256).toHex());
                const QUuid revision = QUuid::createUuid();
                // As the store's worker sends it: a query prepared, bound, run and read.
                const auto start = Clock::now();
                QSqlQuery q(d);
                q.setForwardOnly(true);
                bool ok = q.prepare(QString::fromLatin1(kSaveSql));
                for (const QVariant &value :
                     {uuidValue(reports[r]), uuidValue(revision), uuidValue(heads[r]), QVariant(document),
                      QVariant(sha), QVariant(QStringLiteral("edit %1").arg(s)), QVariant(vessel), QVariant(voyage),
                      QVariant(port), QVariant(date.toString(Qt::ISODate)), QVariant(QStringLiteral("loading")),
                      QVariant(grade), QVariant(QStringLiteral("GSV 250112; NSV 249870; MT 34012"))})
                    q.addBindValue(value);
                ok = ok && q.exec() && q.next();
                const QString outcome = ok ? q.value(0).toString() : QString();
                const QUuid head = ok ? QUuid::fromString(q.value(1).toString()) : QUuid();
                run.latencies.push_back(msSince(start));
                if (!ok) {
                    run.faults << QStringLiteral("%1, save %2: %3").arg(name).arg(s).arg(q.lastError().text());
                } else if (outcome != QLatin1String("saved") || head != revision) {
                    run.faults << QStringLiteral("%1, save %2: %3 (head %4)")
                                      .arg(name)
                                      .arg(s)
                                      .arg(outcome, head.toString(QUuid::WithoutBraces));
                } else {
                    run.saved.push_back({reports[r], revision, heads[r]});
                    heads[r] = revision;
                }
            }
        }
        d.close();
    }
    QSqlDatabase::removeDatabase(name);
}

// Every revision a client was told is saved is in the store as it was sent: accepted, under its
// report, from its parent, audited; each report's head is its last save and nothing else is there.
bool checkSaves(QSqlDatabase &db, const std::vector<Saved> &saved, int expected, int reports)
{
    if (saved.empty()) {
        std::printf("  no save was made\n");
        return false;
    }
    QStringList rows;
    rows.reserve(qsizetype(saved.size()));
    for (const Saved &s : saved)
        rows << QStringLiteral("('%1'::uuid,'%2'::uuid,%3)")
                    .arg(s.revision.toString(QUuid::WithoutBraces), s.report.toString(QUuid::WithoutBraces),
                         s.parent.isNull()
                             ? QStringLiteral("NULL::uuid")
                             : QLatin1Char('\'') + s.parent.toString(QUuid::WithoutBraces) + QStringLiteral("'::uuid"));
    if (!exec(db,
              QStringLiteral("CREATE TEMP TABLE sent (id uuid PRIMARY KEY, report_id uuid, parent uuid);"
                             "INSERT INTO sent VALUES ") +
                  rows.join(QLatin1Char(',')),
              "listing the saves"))
        return false;
    struct Check
    {
        const char *what;
        const char *sql;
        int want;
    };
    const Check checks[] = {
        {"saves the clients were told were saved", "SELECT count(*) FROM sent", expected},
        {"of them in the store, accepted, as sent",
         "SELECT count(*) FROM sent s JOIN dravex.revisions v ON v.id = s.id AND v.report_id = s.report_id"
         " AND v.parent IS NOT DISTINCT FROM s.parent AND v.accepted",
         expected},
        {"revisions of these reports in the store",
         "SELECT count(*) FROM dravex.revisions WHERE report_id IN (SELECT report_id FROM sent)", expected},
        {"reports whose head is their last save",
         "SELECT count(*) FROM dravex.reports r WHERE r.id IN (SELECT report_id FROM sent)"
         " AND r.head IN (SELECT s.id FROM sent s WHERE NOT EXISTS (SELECT FROM sent c WHERE c.parent = s.id))",
         reports},
        {"revisions reached from the heads by their parents",
         "WITH RECURSIVE chain AS (SELECT v.id, v.parent FROM dravex.revisions v JOIN dravex.reports r"
         " ON r.head = v.id WHERE r.id IN (SELECT report_id FROM sent) UNION ALL SELECT v.id, v.parent"
         " FROM dravex.revisions v JOIN chain c ON v.id = c.parent) SELECT count(*) FROM chain",
         expected},
        {"revisions in the audit log",
         "SELECT count(*) FROM dravex.audit_log a JOIN sent s ON a.row_id = s.id::text"
         " WHERE a.table_name = 'revisions' AND a.action = 'insert'",
         expected},
    };
    bool ok = true;
    for (const Check &c : checks) {
        const QVariant v = scalar(db, QString::fromLatin1(c.sql));
        const bool right = v.isValid() && v.toInt() == c.want;
        std::printf("  %-52s %6d %s\n", c.what, v.toInt(), right ? "ok" : "WRONG");
        if (!right) {
            std::printf("    expected %d\n", c.want);
            ok = false;
        }
    }
    return ok;
}

// The store browser's search, as it builds it (ReportSearchQuery).
using Search = dravex::StoreReportSearch;

struct SearchKind
{
    const char *name;
    // The search for run i.
    Search (*make)(int i, const QString &inspector);
};

Search dates(int i)
{
    Search s;
    s.from = QDate(2021, 1, 1).addDays(i * 137 % 2100);
    s.to = s.from.addMonths(1);
    return s;
}

const SearchKind kSearches[] = {
    {"everything", [](int, const QString &) { return Search{}; }},
    {"vessel",
     [](int i, const QString &) {
         Search s;
         s.vessel = QString::fromLatin1(kVesselEnds[i % 20]).toLower();
         return s;
     }},
    {"voyage",
     [](int i, const QString &) {
         Search s;
         s.voyage = QStringLiteral("V%1").arg(1 + i * 7 % 120, 3, 10, QLatin1Char('0'));
         return s;
     }},
    {"port",
     [](int i, const QString &) {
         Search s;
         s.port = QString::fromLatin1(kPorts[i * 7 % 60]).left(6);
         return s;
     }},
    {"dates (one month)", [](int i, const QString &) { return dates(i); }},
    {"grade",
     [](int i, const QString &) {
         Search s;
         s.grade = QString::fromLatin1(kGrades[i * 7 % 30]);
         return s;
     }},
    {"status draft",
     [](int, const QString &) {
         Search s;
         s.status = QStringLiteral("draft");
         return s;
     }},
    {"inspector",
     [](int i, const QString &me) {
         Search s;
         s.inspector = me.isEmpty() ? inspectorName(i * 13 % kCompanyInspectors) : me;
         return s;
     }},
    {"vessel and dates",
     [](int i, const QString &) {
         Search s = dates(i);
         s.vessel = QString::fromLatin1(kVesselWords[i % 20]);
         return s;
     }},
};

struct Timing
{
    std::vector<double> ms;
    std::vector<int> rows;
};

bool runSearch(QSqlDatabase &d, const Search &s, Timing &t)
{
    const auto start = Clock::now();
    const dravex::StoreQuery query = dravex::ReportSearchQuery(s);
    QSqlQuery q(d);
    q.setForwardOnly(true);
    bool ok = q.prepare(query.sql);
    for (const QVariant &v : query.values)
        q.addBindValue(v);
    ok = ok && q.exec();
    int rows = 0;
    while (ok && q.next()) {
        const QSqlRecord record = q.record();
        for (int i = 0; i < record.count(); ++i)
            (void)record.value(i);
        ++rows;
    }
    t.ms.push_back(msSince(start));
    t.rows.push_back(rows);
    if (!ok)
        std::fprintf(stderr, "search failed: %s\n", qPrintable(q.lastError().text()));
    return ok;
}

void explain(QSqlDatabase &d, const Search &s)
{
    const dravex::StoreQuery query = dravex::ReportSearchQuery(s);
    QString sql = QStringLiteral("EXPLAIN (ANALYZE, BUFFERS) ") + query.sql;
    // The values inline, for the plan (they are this program's own texts).
    for (const QVariant &v : query.values)
        sql.replace(sql.indexOf(QLatin1Char('?')), 1, QLatin1Char('\'') + v.toString() + QLatin1Char('\''));
    QSqlQuery q(d);
    if (!q.exec(sql)) {
        std::fprintf(stderr, "EXPLAIN failed: %s\n", qPrintable(q.lastError().text()));
        return;
    }
    while (q.next())
        std::printf("      %s\n", qPrintable(q.value(0).toString()));
}

bool searches(const Server &server, const QString &role, bool asInspector, bool showPlans, double *worst)
{
    bool ok = true;
    {
        QSqlDatabase d = open(server, QStringLiteral("search ") + role, role);
        if (!d.isOpen())
            return false;
        const QString me = asInspector ? role : QString();
        std::printf("  as %s (%s):\n", qPrintable(role), asInspector ? "an inspector, own reports only" : "a reviewer");
        std::printf("    %-20s %10s %10s %8s\n", "search", "median ms", "max ms", "rows");
        for (const SearchKind &kind : kSearches) {
            Timing warm, t;
            ok = runSearch(d, kind.make(0, me), warm) && ok;
            for (int i = 0; i < kSearchRuns; ++i)
                ok = runSearch(d, kind.make(i, me), t) && ok;
            std::vector<double> rows(t.rows.begin(), t.rows.end());
            const double max = *std::max_element(t.ms.begin(), t.ms.end());
            *worst = std::max(*worst, max);
            std::printf("    %-20s %10.2f %10.2f %8.0f\n", kind.name, percentile(t.ms, 0.5), max,
                        percentile(rows, 0.5));
            if (showPlans)
                explain(d, kind.make(1, me));
        }
        d.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("search ") + role);
    return ok;
}

int runBench(Server server)
{
    QSqlDatabase admin = open(server, QStringLiteral("superuser"), QString());
    if (!admin.isOpen())
        return 2;
    // Everyone connects to the database the superuser reached (named for it by default).
    server.database = scalar(admin, QStringLiteral("SELECT current_database()")).toString();
    const QVariant version = scalar(admin, QStringLiteral("SELECT max(version) FROM dravex.schema_version"));
    if (!version.isValid()) {
        std::fprintf(stderr, "no company store in this database: apply store/setup.sql first\n");
        return 2;
    }
    if (scalar(admin, QStringLiteral("SELECT count(*) FROM dravex.reports")).toInt() != 0) {
        std::fprintf(stderr, "the store has reports already: run this on an empty store (bench/store.sh)\n");
        return 2;
    }
    std::printf(
        "Company store, schema version %d, %s\n", version.toInt(),
        qPrintable(scalar(admin, QStringLiteral("SELECT version()")).toString().section(QLatin1Char(','), 0, 0)));

    // The people: 50 inspectors who log in, and a reviewer.
    if (!exec(
            admin,
            QStringLiteral(
                "DO $$ BEGIN FOR i IN 0..%1 LOOP"
                " IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'bench_inspector_' || lpad(i::text, 3, '0')) THEN"
                " EXECUTE format('CREATE ROLE %I LOGIN IN ROLE dravex_inspector', 'bench_inspector_' || lpad(i::text, "
                "3, '0'));"
                " END IF; END LOOP;"
                " IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'bench_reviewer') THEN"
                " CREATE ROLE bench_reviewer LOGIN IN ROLE dravex_reviewer; END IF; END $$")
                .arg(kInspectors - 1),
            "creating the roles"))
        return 2;

    // 1. The company's reports so far.
    auto start = Clock::now();
    {
        QSqlQuery q(admin);
        if (!q.exec(loadSql()) || !q.next()) {
            std::fprintf(stderr, "loading the reports failed: %s\n", qPrintable(q.lastError().text()));
            return 2;
        }
        std::printf("\nLoaded %d reports with %d revisions in %.1f s", q.value(0).toInt(), q.value(1).toInt(),
                    msSince(start) / 1000);
    }
    start = Clock::now();
    if (!exec(admin, QStringLiteral("VACUUM ANALYZE"), "VACUUM ANALYZE"))
        return 2;
    std::printf(" (VACUUM ANALYZE %.1f s)\n", msSince(start) / 1000);

    // 2. One inspector saving alone: what a save costs the server without waiting for others.
    InspectorRun alone;
    {
        std::atomic<int> ready{0};
        std::atomic<bool> go{true};
        inspectorSaves(server, 0, ready, go, alone);
    }
    std::printf("\nOne inspector saving %d revisions alone: latency ms p50 %.2f, p99 %.2f, max %.2f\n", kSavesEach,
                percentile(alone.latencies, 0.5), percentile(alone.latencies, 0.99),
                alone.latencies.empty() ? 0 : *std::max_element(alone.latencies.begin(), alone.latencies.end()));

    // 3. 50 inspectors saving at once: back to back (the server's limit), then as people
    // do, editing for a while between saves. Each round's inspectors have reports of their own.
    std::vector<Saved> saved = alone.saved;
    QStringList faults = alone.faults;
    int rounds = 0;
    for (const int pauseMs : {0, kEditingMs}) {
        ++rounds;
        if (pauseMs == 0)
            std::printf("\n%d inspectors saving %d revisions each, at once and back to back, each on their own "
                        "connection:\n",
                        kInspectors, kSavesEach);
        else
            std::printf("\n%d inspectors saving %d revisions each, at once, editing %d ms on average between "
                        "saves:\n",
                        kInspectors, kSavesEach, pauseMs);
        std::vector<InspectorRun> runs(kInspectors);
        std::atomic<int> ready{0};
        std::atomic<bool> go{false};
        std::vector<std::thread> threads;
        for (int i = 0; i < kInspectors; ++i)
            threads.emplace_back(inspectorSaves, std::cref(server), i, std::ref(ready), std::ref(go), std::ref(runs[i]),
                                 pauseMs);
        while (ready.load() < kInspectors)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        start = Clock::now();
        go = true;
        for (std::thread &t : threads)
            t.join();
        const double wall = msSince(start);
        std::vector<double> latencies;
        QStringList roundFaults;
        for (const InspectorRun &r : runs) {
            latencies.insert(latencies.end(), r.latencies.begin(), r.latencies.end());
            saved.insert(saved.end(), r.saved.begin(), r.saved.end());
            roundFaults += r.faults;
        }
        const double p99 = percentile(latencies, 0.99);
        std::printf("  %zu saves in %.1f s (%.0f saves/s)\n", latencies.size(), wall / 1000,
                    double(latencies.size()) / (wall / 1000));
        std::printf("  save latency ms: p50 %.2f, p99 %.2f, max %.2f (target: p99 under 50 ms: %s)\n",
                    percentile(latencies, 0.5), p99,
                    latencies.empty() ? 0 : *std::max_element(latencies.begin(), latencies.end()),
                    p99 < 50 ? "met" : "MISSED");
        for (qsizetype i = 0; i < std::min<qsizetype>(roundFaults.size(), 10); ++i)
            std::printf("  fault: %s\n", qPrintable(roundFaults[i]));
        if (!roundFaults.isEmpty())
            std::printf("  %lld saves failed\n", static_cast<long long>(roundFaults.size()));
        faults += roundFaults;
    }
    std::printf(" Read back, with the saves made alone:\n");
    const bool kept =
        checkSaves(admin, saved, (rounds * kInspectors + 1) * kSavesEach, (rounds * kInspectors + 1) * kReportsEach) &&
        faults.isEmpty();
    std::printf("  %s\n", kept ? "no revision lost" : "REVISIONS LOST OR REFUSED");

    // 4. The browser's searches.
    if (!exec(admin, QStringLiteral("ANALYZE dravex.reports"), "ANALYZE"))
        return 2;
    std::printf("\nSearches over %d reports, as the store browser sends them (%d runs each, other values each run):\n",
                scalar(admin, QStringLiteral("SELECT count(*) FROM dravex.reports")).toInt(), kSearchRuns);
    const bool showPlans = qEnvironmentVariableIntValue("DRAVEX_BENCH_EXPLAIN") != 0;
    double worst = 0;
    bool searched = searches(server, QStringLiteral("bench_reviewer"), false, showPlans, &worst);
    searched = searches(server, inspectorName(7), true, showPlans, &worst) && searched;
    std::printf("  slowest search %.2f ms (target: under 100 ms: %s)\n", worst, worst < 100 ? "met" : "MISSED");

    // 5. The store's size.
    QSqlQuery q(admin);
    if (!q.exec(QStringLiteral(
            "SELECT pg_total_relation_size('dravex.revisions'), pg_total_relation_size('dravex.audit_log'),"
            " pg_total_relation_size('dravex.reports'), (SELECT count(*) FROM dravex.revisions),"
            " (SELECT count(*) FROM dravex.reports), (SELECT count(*) FROM dravex.audit_log),"
            " (SELECT avg(octet_length(document)) FROM dravex.revisions)")) ||
        !q.next()) {
        std::fprintf(stderr, "sizes: %s\n", qPrintable(q.lastError().text()));
        return 2;
    }
    const double revisions = q.value(0).toDouble(), audit = q.value(1).toDouble(), reports = q.value(2).toDouble();
    const double n = q.value(3).toDouble();
    std::printf("\nSize: %.0f revisions of %.0f reports (documents %.0f bytes on average), %.0f audit rows\n", n,
                q.value(4).toDouble(), q.value(6).toDouble(), q.value(5).toDouble());
    std::printf("  revisions with indexes and TOAST %.1f MB, audit log %.1f MB, reports %.1f MB\n", revisions / 1e6,
                audit / 1e6, reports / 1e6);
    std::printf("  bytes per revision: %.0f (revisions %.0f + audit log %.0f); with the reports table %.0f\n",
                (revisions + audit) / n, revisions / n, audit / n, (revisions + audit + reports) / n);

    admin.close();
    if (!kept || !searched)
        return 1;
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString conninfo = qEnvironmentVariable("DRAVEX_BENCH_PG");
    if (conninfo.isEmpty()) {
        std::fprintf(stderr, "DRAVEX_BENCH_PG names no server: run bench/store.sh BUILD_DIR\n");
        return 2;
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        std::fprintf(stderr, "Qt's PostgreSQL driver is not installed (libqt6sql6-psql)\n");
        return 2;
    }
    const int status = runBench(parseConninfo(conninfo));
    QSqlDatabase::removeDatabase(QStringLiteral("superuser"));
    return status;
}
