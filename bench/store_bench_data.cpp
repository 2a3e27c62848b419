// SPDX-License-Identifier: GPL-3.0-or-later
#include "store_bench_data.h"

#include <QCryptographicHash>
#include <QStringList>

namespace dravex::storebench {

const char *const kVesselWords[20] = {"Nordic", "Aegean",  "Pacific", "Atlantic", "Baltic", "Gulf",  "Caspian",
                                      "Coral",  "Arctic",  "Ionian",  "Adriatic", "Orient", "Sea",   "Ocean",
                                      "Star",   "Crystal", "Silver",  "Golden",   "Eagle",  "Falcon"};
const char *const kVesselEnds[20] = {"Star",     "Spirit", "Pride",   "Voyager",  "Trader",   "Breeze",  "Glory",
                                     "Dawn",     "Hope",   "Venture", "Progress", "Explorer", "Harmony", "Wave",
                                     "Champion", "Leader", "Pioneer", "Jewel",    "Sky",      "Crown"};
const char *const kPorts[60] = {
    "Rotterdam", "Antwerp",       "Fujairah",      "Singapore",    "Houston",      "Corpus Christi", "Ras Tanura",
    "Jebel Ali", "Yanbu",         "Primorsk",      "Novorossiysk", "Ceyhan",       "Trieste",        "Marseille-Fos",
    "Algeciras", "Milford Haven", "Wilhelmshaven", "Gdansk",       "Sikka",        "Jamnagar",       "Ulsan",
    "Yeosu",     "Ningbo",        "Qingdao",       "Dalian",       "Chiba",        "Kiire",          "Port Hedland",
    "Santos",    "Sao Sebastiao", "Jose",          "Bonny",        "Forcados",     "Saldanha Bay",   "Durban",
    "Mombasa",   "Ras Lanuf",     "Es Sider",      "Arzew",        "Skikda",       "Bilbao",         "Sines",
    "Le Havre",  "Immingham",     "Brofjorden",    "Mongstad",     "Porvoo",       "Tallinn",        "Ventspils",
    "Klaipeda",  "Nynashamn",     "Kalundborg",    "New York",     "Philadelphia", "Los Angeles",    "Long Beach",
    "Vancouver", "Quebec",        "Point Tupper",  "Freeport"};
const char *const kGrades[30] = {"Arab Light",    "Arab Medium", "Brent",          "Urals",   "CPC Blend",
                                 "Basrah Medium", "WTI",         "Forties",        "Ekofisk", "Azeri Light",
                                 "Bonny Light",   "Es Sider",    "Murban",         "Oman",    "Dubai",
                                 "Maya",          "Iracema",     "Johan Sverdrup", "Kirkuk",  "Saharan Blend",
                                 "Gasoil 10ppm",  "Jet A-1",     "ULSD",           "Naphtha", "Fuel Oil 380",
                                 "VLSFO",         "Gasoline 95", "Condensate",     "MTBE",    "Ethanol"};

namespace {

QString sqlArray(const char *const *words, int n)
{
    QStringList quoted;
    for (int i = 0; i < n; ++i)
        quoted << QLatin1Char('\'') + QString::fromLatin1(words[i]) + QLatin1Char('\'');
    return QStringLiteral("ARRAY[") + quoted.join(QLatin1Char(',')) + QLatin1Char(']');
}

// 100,000 reports of 200 inspectors over six years on 400 vessels, each with the one revision
// that made it, in one statement: the reports and their revisions name each other.
const char kLoadSql[] = R"SQL(
WITH src AS (
  SELECT g,
         md5('report ' || g)::uuid AS report_id,
         md5('revision ' || g)::uuid AS revision_id,
         'MT ' || (%1)[1 + g %% 20] || ' ' || (%2)[1 + (g / 20) %% 20] AS vessel,
         'V' || lpad((g / 800 + 1)::text, 3, '0') AS voyage,
         (%3)[1 + (g * 13) %% %4] AS port,
         DATE '2021-01-01' + (g::bigint * 2190 / %5)::int AS day,
         CASE WHEN g %% 2 = 0 THEN 'loading' ELSE 'discharge' END AS operation,
         (%6)[1 + (g * 7) %% %7] || CASE WHEN g %% 5 = 0 THEN ', ' || (%6)[1 + (g * 11) %% %7] ELSE '' END AS grades,
         CASE WHEN g %% 10 = 3 THEN 'draft' ELSE 'final' END AS status,
         'bench_inspector_' || lpad(((g * 7 + g / 400) %% %8)::text, 3, '0') AS inspector,
         make_interval(secs => (g * 37) %% 86400) AS at
    FROM generate_series(1, %5) AS g
), doc AS (
  SELECT src.*, d.document, encode(sha256(convert_to(d.document, 'UTF8')), 'hex') AS sha256
    FROM src, LATERAL (
      SELECT '{"format":"dravex-cargo-report","version":2,"edition":"2004","units":"us",'
             || '"vcf":"per-tank","header":{"vessel":"' || src.vessel || '","voyage":"' || src.voyage
             || '","port":"' || src.port || '","date":"' || src.day || '","surveyor":"' || src.inspector
             || '","remarks":"Tanks gauged after completion; lines full.","operation":"' || src.operation
             || '"},"condition":{"draftForward":"' || (9 + src.g %% 7) || '.42","draftAft":"'
             || (10 + src.g %% 5) || '.10","lbp":"264.00","list":"0.' || src.g %% 9 || '","listSide":"P"},'
             || '"tanks":[' || string_agg(format(
                  '{"tank":"%%s%%s","grade":"%%s","type":"ullage","total":"%%s","freeWater":"%%s",'
                  '"temperature":"%%s","gravity":"%%s","observedGravity":"%%s","observedTemperature":"%%s",'
                  '"gauge":{"table":"%%s %%s%%s","tableSha256":"%%s","levelUnit":"m","referenceHeight":"%%s",'
                  '"readings":["%%s","%%s"]}}',
                  1 + t / 2, CASE WHEN t %% 2 = 0 THEN 'P' ELSE 'S' END, split_part(src.grades, ',', 1),
                  10000 + (src.g * 31 + t * 977) %% 40000, (src.g + t) %% 40, 60 + (src.g + t) %% 70 * 0.5,
                  30 + (src.g * t) %% 150 * 0.1, 30 + (src.g * t + 3) %% 150 * 0.1, 55 + (src.g + 2 * t) %% 60 * 0.5,
                  src.vessel, 1 + t / 2, CASE WHEN t %% 2 = 0 THEN 'P' ELSE 'S' END,
                  md5(src.vessel || t), 21 + t %% 3 * 0.125, 2 + (src.g * t) %% 1700 * 0.01,
                  2 + (src.g * t + 1) %% 1700 * 0.01), ',')
             || ']}' AS document
        FROM generate_series(0, 13) AS t
    ) AS d
), reports AS (
  INSERT INTO dravex.reports (id, vessel, voyage, port, report_date, operation, grades, totals, status,
                              inspector, head, head_author, head_at, created_at)
  SELECT report_id, vessel, voyage, port, day, operation, grades,
         format('GSV %%s; NSV %%s; MT %%s', 250000 + g %% 90000, 249000 + g %% 90000, 34000 + g %% 12000),
         status, inspector, revision_id, inspector, day + at, day + at
    FROM doc
  RETURNING 1
), revisions AS (
  INSERT INTO dravex.revisions (id, report_id, parent, author, created_at, sha256, document, note, accepted)
  SELECT revision_id, report_id, NULL, inspector, day + at, sha256, document, NULL, true FROM doc
  RETURNING 1
)
SELECT (SELECT count(*) FROM reports), (SELECT count(*) FROM revisions)
)SQL";

} // namespace

QString inspectorName(int i)
{
    return QStringLiteral("bench_inspector_%1").arg(i, 3, 10, QLatin1Char('0'));
}

QString loadSql()
{
    return QString::fromLatin1(kLoadSql)
        .arg(sqlArray(kVesselWords, count(kVesselWords)), sqlArray(kVesselEnds, count(kVesselEnds)),
             sqlArray(kPorts, count(kPorts)))
        .arg(count(kPorts))
        .arg(kLoadedReports)
        .arg(sqlArray(kGrades, count(kGrades)))
        .arg(count(kGrades))
        .arg(kCompanyInspectors)
        .replace(QLatin1String("%%"), QLatin1String("%"));
}

QString reportDocument(const QString &vessel, const QString &voyage, const QString &port, const QDate &date,
                       const QString &grade, const QString &inspector, int edit)
{
    QString tanks;
    for (int t = 0; t < 14; ++t) {
        const QString tank = QStringLiteral("%1%2").arg(1 + t / 2).arg(t % 2 ? QLatin1Char('S') : QLatin1Char('P'));
        const int k = t + (t == edit % 14 ? edit : 0);
        if (t)
            tanks += QLatin1Char(',');
        tanks += QStringLiteral("{\"tank\":\"%1\",\"grade\":\"%2\",\"type\":\"ullage\",\"total\":\"%3\","
                                "\"freeWater\":\"%4\",\"temperature\":\"%5\",\"gravity\":\"%6\","
                                "\"observedGravity\":\"%7\",\"observedTemperature\":\"%8\",")
                     .arg(tank, grade)
                     .arg(10000 + k * 977 % 40000)
                     .arg(k % 40)
                     .arg(60 + k % 70 * 0.5, 0, 'f', 1)
                     .arg(30 + k * 7 % 150 * 0.1, 0, 'f', 1)
                     .arg(30 + (k * 7 + 3) % 150 * 0.1, 0, 'f', 1)
                     .arg(55 + (2 * k) % 60 * 0.5, 0, 'f', 1);
        tanks += QStringLiteral("\"gauge\":{\"table\":\"%1 %2\",\"tableSha256\":\"%3\",\"levelUnit\":\"m\","
                                "\"referenceHeight\":\"%4\",\"readings\":[\"%5\",\"%6\"]}}")
                     .arg(vessel, tank,
                          QString::fromLatin1(
                              QCryptographicHash::hash((vessel + tank).toUtf8(), QCryptographicHash::Md5).toHex()))
                     .arg(21 + t % 3 * 0.125, 0, 'f', 3)
                     .arg(2 + k * 13 % 1700 * 0.01, 0, 'f', 2)
                     .arg(2 + (k * 13 + 1) % 1700 * 0.01, 0, 'f', 2);
    }
    return QStringLiteral("{\"format\":\"dravex-cargo-report\",\"version\":2,\"edition\":\"2004\",\"units\":\"us\","
                          "\"vcf\":\"per-tank\",\"header\":{\"vessel\":\"%1\",\"voyage\":\"%2\",\"port\":\"%3\","
                          "\"date\":\"%4\",\"surveyor\":\"%5\",\"remarks\":\"Edit %6.\",\"operation\":\"loading\"},"
                          "\"condition\":{\"draftForward\":\"11.42\",\"draftAft\":\"12.10\",\"lbp\":\"264.00\","
                          "\"list\":\"0.5\",\"listSide\":\"P\"},\"tanks\":[")
               .arg(vessel, voyage, port, date.toString(Qt::ISODate), inspector)
               .arg(edit) +
           tanks + QStringLiteral("]}");
}

} // namespace dravex::storebench
