// SPDX-License-Identifier: GPL-3.0-or-later
// The program's side of the company store: a silent server never holds up the window, the
// connection dialog is worked from the keyboard alone, saves made offline reach the store in
// order once it is back, and a save refused for a conflict stops the outbox.
#include "records/report/cargo_report_document.h"
#include "records/settings.h"
#include "records/store/report_store_link.h"
#include "records/store/store_browser.h"
#include "records/store/store_connection.h"
#include "records/store/store_session.h"
#include "records/tanks/tank_table_store.h"
#include "records/voyage/vef_log_window.h"
#include "records/voyage/voyage_log_store.h"

#include "scripted_prompts.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace dravex;
using dravex::test::ScriptedPrompts;

namespace {

// A TCP port that takes connections (the system completes them) and never says a word.
class SilentServer
{
public:
    SilentServer()
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof a;
        if (::bind(m_fd, reinterpret_cast<sockaddr *>(&a), len) == 0 && ::listen(m_fd, 8) == 0 &&
            ::getsockname(m_fd, reinterpret_cast<sockaddr *>(&a), &len) == 0)
            m_port = ntohs(a.sin_port);
    }
    ~SilentServer() { ::close(m_fd); }
    int port() const { return m_port; }

private:
    int m_fd = -1;
    int m_port = 0;
};

StoreSettings at(const QString &host, const QString &port, const QString &database = {}, const QString &user = {})
{
    StoreSettings s;
    s.host = host;
    s.port = port;
    s.database = database;
    s.user = user;
    s.sslmode = QStringLiteral("disable");
    return s;
}

StoreRevision revisionOf(const QUuid &report, const QUuid &parent, const QString &text)
{
    StoreRevision r;
    r.report = report;
    r.revision = QUuid::createUuid();
    r.parent = parent;
    r.document = QStringLiteral("{\"remarks\": \"%1\"}").arg(text);
    r.sha256 = QString(64, QLatin1Char('0'));
    r.vessel = QStringLiteral("Northern Star'; DROP TABLE dravex.reports; --");
    r.date = QDate(2026, 3, 14);
    return r;
}

// "host=... port=..." of the test server as settings.
StoreSettings fromEnvironment(const QByteArray &conninfo)
{
    StoreSettings s;
    for (const QByteArray &part : conninfo.simplified().split(' ')) {
        const int eq = part.indexOf('=');
        if (part.left(eq) == "host")
            s.host = QString::fromUtf8(part.mid(eq + 1));
        else if (part.left(eq) == "port")
            s.port = QString::fromUtf8(part.mid(eq + 1));
    }
    s.sslmode = QStringLiteral("disable");
    return s;
}

} // namespace

class StoreClientTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    // The test server with a store of its own, and two inspectors' roles; unset without one.
    StoreSettings m_live;
    QString m_database;
    QString m_inspector;
    QString m_skip;

    QSqlDatabase admin() { return QSqlDatabase::database(QStringLiteral("admin")); }

    bool needStore()
    {
        if (!m_skip.isEmpty())
            return false;
        return true;
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        // Settings of its own: the window tests running beside it read the shared test
        // settings, and a store set up there would change what their windows show.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        Settings().remove(QStringLiteral("store"));
        const QByteArray pg = qgetenv("DRAVEX_TEST_PG");
        if (pg.isEmpty()) {
            m_skip = QStringLiteral("PostgreSQL is not available: DRAVEX_TEST_PG is not set");
            // Where the test command requires PostgreSQL, its absence is a failure.
            if (!qEnvironmentVariableIsEmpty("DRAVEX_REQUIRE_POSTGRESQL"))
                QFAIL(qPrintable(m_skip));
            return;
        }
        m_live = fromEnvironment(pg);
        const QString suffix = QString::number(QCoreApplication::applicationPid());
        m_database = QStringLiteral("dravex_client_") + suffix;
        m_inspector = QStringLiteral("inspector_client_") + suffix;
        {
            QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("setup"));
            d.setHostName(m_live.host);
            d.setPort(m_live.port.toInt());
            d.setDatabaseName(QStringLiteral("postgres"));
            if (!d.open()) {
                m_skip = QStringLiteral("PostgreSQL is not available: ") + d.lastError().text();
                // Where the test command requires PostgreSQL, its absence is a failure.
                if (!qEnvironmentVariableIsEmpty("DRAVEX_REQUIRE_POSTGRESQL"))
                    QFAIL(qPrintable(m_skip));
                return;
            }
            QSqlQuery q(d);
            QVERIFY(q.exec(QStringLiteral("DROP DATABASE IF EXISTS %1").arg(m_database)));
            QVERIFY2(q.exec(QStringLiteral("CREATE DATABASE %1").arg(m_database)), qPrintable(q.lastError().text()));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("setup"));
        QProcess psql;
        psql.start(QStringLiteral("psql"),
                   {QStringLiteral("-q"), QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-f"),
                    QStringLiteral(DRAVEX_SOURCE_DIR "/store/setup.sql"),
                    QStringLiteral("host=%1 port=%2 dbname=%3").arg(m_live.host, m_live.port, m_database)});
        QVERIFY(psql.waitForFinished(60000));
        QVERIFY2(psql.exitCode() == 0, psql.readAllStandardError().constData());
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("admin"));
        d.setHostName(m_live.host);
        d.setPort(m_live.port.toInt());
        d.setDatabaseName(m_database);
        QVERIFY(d.open());
        QSqlQuery q(d);
        QVERIFY2(q.exec(QStringLiteral("CREATE ROLE %1 LOGIN IN ROLE dravex_inspector").arg(m_inspector)),
                 qPrintable(q.lastError().text()));
        m_live.database = m_database;
        m_live.user = m_inspector;
    }

    // Each test starts with no store set up.
    void init() { Settings().remove(QStringLiteral("store")); }

    void cleanupTestCase()
    {
        // The other tests start with no store set up.
        Settings().remove(QStringLiteral("store"));
        if (!m_skip.isEmpty())
            return;
        admin().close();
        QSqlDatabase::removeDatabase(QStringLiteral("admin"));
    }

    // Two revisions compared line by line: kept lines once, a changed line as the old one
    // taken out and the new one put in, in the order of the documents.
    void revisions_compare_line_by_line()
    {
        const QStringList before{"{", "\"vessel\": \"A\",", "\"tanks\": 1", "}"};
        const QStringList after{"{", "\"vessel\": \"B\",", "\"tanks\": 1", "\"remarks\": \"x\"", "}"};
        QCOMPARE(StoreLineDiff(before, after), QStringList({"  {", "- \"vessel\": \"A\",", "+ \"vessel\": \"B\",",
                                                            "  \"tanks\": 1", "+ \"remarks\": \"x\"", "  }"}));
        QCOMPARE(StoreLineDiff({}, {"a"}), QStringList({"+ a"}));
        QCOMPARE(StoreLineDiff({"a"}, {}), QStringList({"- a"}));
    }

    // The server takes the connection and never answers: the window's thread goes on
    // painting, and the timeout says what happened.
    void silent_server_never_blocks_the_window()
    {
        SilentServer silent;
        QVERIFY(silent.port() > 0);
        StoreSession session(m_dir.filePath(QStringLiteral("silent.sqlite")));
        session.setTimeout(1000);
        QElapsedTimer clock;
        qint64 longestGap = 0, last = 0;
        QTimer tick;
        tick.setInterval(20);
        connect(&tick, &QTimer::timeout, this, [&] {
            longestGap = std::max(longestGap, clock.elapsed() - last);
            last = clock.elapsed();
        });
        clock.start();
        tick.start();
        session.connectTo(at(QStringLiteral("127.0.0.1"), QString::number(silent.port()), QStringLiteral("any")));
        QCOMPARE(session.state(), StoreSession::State::Connecting);
        QTRY_COMPARE_WITH_TIMEOUT(session.state(), StoreSession::State::Failed, 8000);
        QVERIFY2(!session.message().isEmpty(), "no message");
        QVERIFY2(session.message().contains(QLatin1String("did not answer")) ||
                     session.message().contains(QLatin1String("timeout")),
                 qPrintable(session.message()));
        QVERIFY2(longestGap < 500, qPrintable(QString::number(longestGap)));
        // A save meanwhile waits in the outbox.
        QVERIFY(session.saveRevision(revisionOf(QUuid::createUuid(), {}, QStringLiteral("a"))));
        QCOMPARE(session.waiting(), 1);
        QVERIFY(session.statusLine().contains(QLatin1String("1 save(s) in the outbox")));
    }

    // Service, host, port, database, user, TLS, CA file and the buttons in reading order, each
    // caption its control's accessible name; Connect from the keyboard reports the failure.
    void connection_dialog_from_the_keyboard()
    {
        ScriptedPrompts prompts;
        StoreSession session(m_dir.filePath(QStringLiteral("keys.sqlite")));
        session.setTimeout(2000);
        StoreConnection dialog(session, prompts);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("storeService"));
        QCOMPARE(QApplication::focusWidget()->accessibleName(), QString("Service name"));
        const char *expected[] = {"storeService", "storeHost",    "storePort",  "storeDatabase",
                                  "storeUser",    "storeSslmode", "storeCaFile"};
        const char *typed[] = {"", "127.0.0.1", "1", "survey", "kim", nullptr, ""};
        for (int i = 0; i < 7; ++i) {
            QWidget *focus = QApplication::focusWidget();
            QCOMPARE(focus->objectName(), QString(expected[i]));
            if (typed[i] && *typed[i])
                QTest::keyClicks(focus, QString::fromLatin1(typed[i]));
            if (i == 5)
                QTest::keyClick(focus, Qt::Key_End); // verify-full
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("storeBrowse"));
        QCOMPARE(dialog.typed().host, QString("127.0.0.1"));
        QCOMPARE(dialog.typed().sslmode, QString("verify-full"));
        QTest::keyClick(&dialog, Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE_WITH_TIMEOUT(session.state(), StoreSession::State::Failed, 8000);
        auto *state = dialog.findChild<QLabel *>(QStringLiteral("storeState"));
        QVERIFY2(state->text().startsWith(QLatin1String("No connection to 127.0.0.1:1/survey: ")),
                 qPrintable(state->text()));
        QVERIFY(dialog.findChild<QPushButton *>(QStringLiteral("storeDisconnect"))->isEnabled());
        // Disconnect is on now, and in the Tab cycle.
        for (int i = 0; i < 15 && QApplication::focusWidget()->objectName() != QLatin1String("storeDisconnect"); ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("storeDisconnect"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(session.state(), StoreSession::State::Offline);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
    }

    // Three saves while the server is out of reach wait in the outbox; once it is back they
    // are the report's revisions in the order they were made, the last one its head.
    void offline_saves_are_replayed_in_order()
    {
        if (!needStore())
            QSKIP(qPrintable(m_skip));
        const QString outbox = m_dir.filePath(QStringLiteral("replay.sqlite"));
        const StoreSettings nowhere =
            at(m_dir.filePath(QStringLiteral("no-server")), m_live.port, m_database, m_inspector);
        const QUuid report = QUuid::createUuid();
        QList<QUuid> made;
        QUuid parent;
        const auto saveOffline = [&](StoreSession &session, const char *text) {
            const StoreRevision r = revisionOf(report, parent, QString::fromLatin1(text));
            QVERIFY(session.saveRevision(r));
            made << r.revision;
            parent = r.revision;
        };
        {
            // Two saves made at sea, and the program ends.
            StoreSession before(outbox);
            before.setTimeout(3000);
            before.connectTo(nowhere);
            QTRY_COMPARE_WITH_TIMEOUT(before.state(), StoreSession::State::Failed, 8000);
            saveOffline(before, "first");
            saveOffline(before, "second");
            QCOMPARE(before.waiting(), 2);
        }
        // The next run finds them, and a third save goes after them.
        StoreSession session(outbox);
        session.setTimeout(3000);
        session.connectTo(nowhere);
        QTRY_COMPARE_WITH_TIMEOUT(session.waiting(), 2, 5000);
        saveOffline(session, "third");
        QTRY_COMPARE_WITH_TIMEOUT(session.state(), StoreSession::State::Failed, 8000);
        QCOMPARE(session.waiting(), 3);
        QSignalSpy answers(&session, &StoreSession::revisionAnswered);
        session.connectTo(m_live);
        QTRY_COMPARE_WITH_TIMEOUT(session.waiting(), 0, 10000);
        QCOMPARE(session.state(), StoreSession::State::Connected);
        QCOMPARE(answers.count(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(answers[i][0].toUuid(), made[i]);
            QCOMPARE(answers[i][1].toString(), QString("saved"));
        }
        QSqlQuery q(admin());
        q.prepare(QStringLiteral("SELECT id::text, parent::text, accepted FROM dravex.revisions WHERE report_id = ?"
                                 " ORDER BY created_at, id"));
        q.addBindValue(report.toString(QUuid::WithoutBraces));
        QVERIFY(q.exec());
        QStringList chain;
        while (q.next()) {
            QVERIFY(q.value(2).toBool());
            chain << q.value(0).toString();
        }
        QCOMPARE(chain.size(), 3);
        // Each one's parent is the one before: in order, none lost.
        q.prepare(QStringLiteral("SELECT head::text, vessel FROM dravex.reports WHERE id = ?"));
        q.addBindValue(report.toString(QUuid::WithoutBraces));
        QVERIFY(q.exec() && q.next());
        QCOMPARE(q.value(0).toString(), made[2].toString(QUuid::WithoutBraces));
        QCOMPARE(q.value(1).toString(), QString("Northern Star'; DROP TABLE dravex.reports; --"));
    }

    // Two sessions of one inspector on one report: the second save from the same parent is
    // refused with who saved first, the outbox stops there, and the store keeps both.
    void conflict_stops_the_outbox()
    {
        if (!needStore())
            QSKIP(qPrintable(m_skip));
        StoreSession a(m_dir.filePath(QStringLiteral("a.sqlite")));
        StoreSession b(m_dir.filePath(QStringLiteral("b.sqlite")));
        for (StoreSession *s : {&a, &b}) {
            s->connectTo(m_live);
            QTRY_COMPARE_WITH_TIMEOUT(s->state(), StoreSession::State::Connected, 8000);
        }
        const QUuid report = QUuid::createUuid();
        const StoreRevision first = revisionOf(report, {}, QStringLiteral("first"));
        QVERIFY(a.saveRevision(first));
        QTRY_COMPARE_WITH_TIMEOUT(a.waiting(), 0, 5000);
        QVERIFY(b.saveRevision(revisionOf(report, first.revision, QStringLiteral("b's edit"))));
        QTRY_COMPARE_WITH_TIMEOUT(b.waiting(), 0, 5000);

        QSignalSpy answers(&a, &StoreSession::revisionAnswered);
        const StoreRevision mine = revisionOf(report, first.revision, QStringLiteral("a's edit"));
        QVERIFY(a.saveRevision(mine));
        QVERIFY(a.saveRevision(revisionOf(report, mine.revision, QStringLiteral("a's next"))));
        QTRY_COMPARE_WITH_TIMEOUT(answers.count(), 1, 5000);
        QCOMPARE(answers[0][1].toString(), QString("conflict"));
        QCOMPARE(answers[0][2].toString(), m_inspector);
        QVERIFY(answers[0][3].toDateTime().isValid());
        QVERIFY(a.refused().startsWith(m_inspector + QLatin1String(" saved this report first, at ")));
        QTest::qWait(300);
        QCOMPARE(a.waiting(), 2);
        QVERIFY(a.statusLine().endsWith(QLatin1String(", a save was refused")));

        QSqlQuery q(admin());
        q.prepare(QStringLiteral("SELECT count(*) FILTER (WHERE accepted), count(*) FILTER (WHERE NOT accepted)"
                                 " FROM dravex.revisions WHERE report_id = ?"));
        q.addBindValue(report.toString(QUuid::WithoutBraces));
        QVERIFY(q.exec() && q.next());
        QCOMPARE(q.value(0).toInt(), 2);
        QCOMPARE(q.value(1).toInt(), 1);
    }

    // Saving a report to its file while connected saves a revision too; a second copy of it
    // saved from the same revision after that is refused, and the person is told who saved
    // first. The file keeps what this person saved.
    void report_saved_after_another_is_refused_with_who_saved_first()
    {
        if (!needStore())
            QSKIP(qPrintable(m_skip));
        ScriptedPrompts prompts;
        StoreSession session(m_dir.filePath(QStringLiteral("reports.sqlite")));
        StoreSession::setProgram(&session);
        ReportStoreLink::setPrompts(&prompts);
        session.connectTo(m_live);
        QTRY_COMPARE_WITH_TIMEOUT(session.state(), StoreSession::State::Connected, 8000);
        CargoReport report;
        report.header.vessel = "Northern Star";
        report.header.date = "2026-03-14";
        CargoReportDocument mine, theirs;
        mine.restore(report, QString());
        QString error;
        QVERIFY2(mine.save(m_dir.filePath(QStringLiteral("mine.json")), &error), qPrintable(error));
        QTRY_COMPARE_WITH_TIMEOUT(session.waiting(), 0, 5000);
        ReportStoreLink *link = ReportStoreLink::of(&mine);
        QVERIFY(!link->report().isNull());
        // The other copy holds the same revision, as opened from the store browser.
        report.header.remarks = "theirs";
        theirs.restore(report, QString());
        ReportStoreLink::of(&theirs)->setRevision(link->report(), link->parent());
        QVERIFY(mine.save(mine.filePath(), &error));
        QTRY_COMPARE_WITH_TIMEOUT(session.waiting(), 0, 5000);
        QVERIFY(theirs.save(m_dir.filePath(QStringLiteral("theirs.json")), &error));
        QTRY_COMPARE_WITH_TIMEOUT(prompts.warnings.size(), 1, 5000);
        QVERIFY2(prompts.warnings[0].startsWith(QLatin1String("Saved by Someone Else First|The store did not take this "
                                                              "save of theirs.json: ") +
                                                m_inspector + QLatin1String(" saved this report first, at ")),
                 qPrintable(prompts.warnings[0]));
        QFile file(m_dir.filePath(QStringLiteral("theirs.json")));
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll().contains("theirs"));
        ReportStoreLink::setPrompts(nullptr);
        StoreSession::setProgram(nullptr);
    }

    // The browser finds a vessel's reports by a part of its name (typed with the LIKE
    // wildcards it holds taken literally), and a report saved by someone else appears
    // without a new search.
    void browser_shows_reports_saved_by_others_without_asking()
    {
        if (!needStore())
            QSKIP(qPrintable(m_skip));
        StoreSession viewer(m_dir.filePath(QStringLiteral("viewer.sqlite")));
        StoreSession writer(m_dir.filePath(QStringLiteral("writer.sqlite")));
        for (StoreSession *s : {&viewer, &writer}) {
            s->connectTo(m_live);
            QTRY_COMPARE_WITH_TIMEOUT(s->state(), StoreSession::State::Connected, 8000);
        }
        ScriptedPrompts prompts;
        TankTableStore tables(m_dir.filePath(QStringLiteral("tables")));
        StoreBrowser browser(viewer, tables, prompts);
        browser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&browser));
        auto *results = browser.findChild<QTreeWidget *>(QStringLiteral("storeResults"));
        auto *detail = browser.findChild<QPlainTextEdit *>(QStringLiteral("storeDetail"));
        QWidget *vessel = QApplication::focusWidget();
        QCOMPARE(vessel->objectName(), QString("storeVessel"));
        QTest::keyClicks(vessel, QStringLiteral("100%_Browse"));
        QTest::keyClick(vessel, Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(detail->toPlainText(), QString("No report found."), 5000);

        StoreRevision r = revisionOf(QUuid::createUuid(), {}, QStringLiteral("seen"));
        r.vessel = QStringLiteral("MT 100%_Browser");
        StoreRevision decoy = revisionOf(QUuid::createUuid(), {}, QStringLiteral("not seen"));
        decoy.vessel = QStringLiteral("MT 1000 Browser");
        QVERIFY(writer.saveRevision(decoy));
        QVERIFY(writer.saveRevision(r));
        QTRY_COMPARE_WITH_TIMEOUT(results->topLevelItemCount(), 1, 5000);
        QCOMPARE(results->topLevelItem(0)->text(0), r.vessel);
        results->setCurrentItem(results->topLevelItem(0));
        auto *revisions = browser.findChild<QTreeWidget *>(QStringLiteral("storeRevisions"));
        QTRY_COMPARE_WITH_TIMEOUT(revisions->topLevelItemCount(), 1, 5000);
        QCOMPARE(revisions->topLevelItem(0)->text(1), m_inspector);
    }

    // A reviewer makes a report final and returns it to draft only with a reason, which the
    // audit trail keeps; the inspector's own attempt is refused by the database.
    void reviewer_makes_final_and_returns_to_draft_with_a_reason()
    {
        if (!needStore())
            QSKIP(qPrintable(m_skip));
        const QString pid = QString::number(QCoreApplication::applicationPid());
        const QString reviewer = QStringLiteral("reviewer_client_") + pid;
        QSqlQuery q(admin());
        QVERIFY2(q.exec(QStringLiteral("CREATE ROLE %1 LOGIN IN ROLE dravex_reviewer").arg(reviewer)),
                 qPrintable(q.lastError().text()));
        StoreSettings asReviewer = m_live;
        asReviewer.user = reviewer;
        StoreSession inspector(m_dir.filePath(QStringLiteral("status-inspector.sqlite")));
        StoreSession desk(m_dir.filePath(QStringLiteral("status-desk.sqlite")));
        inspector.connectTo(m_live);
        desk.connectTo(asReviewer);
        QTRY_COMPARE_WITH_TIMEOUT(inspector.state(), StoreSession::State::Connected, 8000);
        QTRY_COMPARE_WITH_TIMEOUT(desk.state(), StoreSession::State::Connected, 8000);
        StoreRevision r = revisionOf(QUuid::createUuid(), {}, QStringLiteral("to sign"));
        r.vessel = QStringLiteral("MT Status ") + pid;
        QVERIFY(inspector.saveRevision(r));
        const auto status = [this, &r] {
            QSqlQuery s(admin());
            s.prepare(QStringLiteral("SELECT status FROM dravex.reports WHERE id = CAST(? AS uuid)"));
            s.addBindValue(r.report.toString(QUuid::WithoutBraces));
            return s.exec() && s.next() ? s.value(0).toString() : QString();
        };
        QTRY_COMPARE_WITH_TIMEOUT(status(), QString("draft"), 8000);

        ScriptedPrompts prompts;
        prompts.confirmAnswer = true;
        TankTableStore tables(m_dir.filePath(QStringLiteral("status-tables")));
        const auto found = [&r](StoreBrowser &browser) {
            browser.show();
            auto *vessel = browser.findChild<QLineEdit *>(QStringLiteral("storeVessel"));
            auto *results = browser.findChild<QTreeWidget *>(QStringLiteral("storeResults"));
            QTest::keyClicks(vessel, r.vessel);
            QTest::keyClick(vessel, Qt::Key_Return);
            if (!QTest::qWaitFor([results] { return results->topLevelItemCount() == 1; }, 5000))
                return false;
            results->setCurrentItem(results->topLevelItem(0));
            return true;
        };
        StoreBrowser own(inspector, tables, prompts);
        QVERIFY(found(own));
        own.findChild<QPushButton *>(QStringLiteral("storeFinal"))->click();
        auto *ownDetail = own.findChild<QPlainTextEdit *>(QStringLiteral("storeDetail"));
        QTRY_VERIFY_WITH_TIMEOUT(ownDetail->toPlainText().startsWith(QStringLiteral("The store refused")), 5000);
        QCOMPARE(status(), QString("draft"));

        StoreBrowser browser(desk, tables, prompts);
        QVERIFY(found(browser));
        browser.findChild<QPushButton *>(QStringLiteral("storeFinal"))->click();
        QTRY_COMPARE_WITH_TIMEOUT(status(), QString("final"), 5000);
        auto *detail = browser.findChild<QPlainTextEdit *>(QStringLiteral("storeDetail"));
        auto *results = browser.findChild<QTreeWidget *>(QStringLiteral("storeResults"));
        QTRY_COMPARE_WITH_TIMEOUT(results->topLevelItemCount(), 1, 5000);
        results->setCurrentItem(results->topLevelItem(0));
        prompts.text = QStringLiteral("   ");
        browser.findChild<QPushButton *>(QStringLiteral("storeDraft"))->click();
        QVERIFY(detail->toPlainText().contains(QStringLiteral("only with a reason")));
        QCOMPARE(status(), QString("final"));
        prompts.text = QStringLiteral("Tank 3P ullage misread");
        browser.findChild<QPushButton *>(QStringLiteral("storeDraft"))->click();
        QTRY_COMPARE_WITH_TIMEOUT(status(), QString("draft"), 5000);
        q.prepare(QStringLiteral("SELECT count(*) FROM dravex.audit_log WHERE row_id = ? AND actor = ?"
                                 " AND detail->>'reason' = ?"));
        q.addBindValue(r.report.toString(QUuid::WithoutBraces));
        q.addBindValue(reviewer);
        q.addBindValue(prompts.text.value());
        QVERIFY(q.exec() && q.next());
        QCOMPARE(q.value(0).toInt(), 1);

        // The inspector's next save is the correction: without a note it is not sent (and
        // the outbox goes on); with one, the store keeps it with the revision.
        StoreSession::setProgram(&inspector);
        ReportStoreLink::setPrompts(&prompts);
        CargoReportDocument document;
        CargoReport report;
        report.header.vessel = r.vessel.toStdString();
        document.restore(report, QString());
        ReportStoreLink::of(&document)->setRevision(r.report, r.revision);
        const auto revisions = [this, &r] {
            QSqlQuery s(admin());
            s.prepare(QStringLiteral("SELECT string_agg(author || ': ' || coalesce(note, ''), '; ' ORDER BY"
                                     " created_at) FROM dravex.revisions WHERE report_id = CAST(? AS uuid)"));
            s.addBindValue(r.report.toString(QUuid::WithoutBraces));
            return s.exec() && s.next() ? s.value(0).toString() : QString();
        };
        const QString first = revisions();
        prompts.text.reset();
        prompts.warnings.clear();
        QString error;
        QVERIFY2(document.save(m_dir.filePath(QStringLiteral("corrected.json")), &error), qPrintable(error));
        QTRY_COMPARE_WITH_TIMEOUT(prompts.warnings.size(), 1, 5000);
        QVERIFY2(prompts.warnings[0].contains(QLatin1String("a correction needs a note")),
                 qPrintable(prompts.warnings[0]));
        QCOMPARE(inspector.waiting(), 0);
        QCOMPARE(revisions(), first);
        prompts.text = QStringLiteral("Tank 3P ullage 1.234 m, was 1.243 m");
        QVERIFY(document.save(document.filePath(), &error));
        QTRY_COMPARE_WITH_TIMEOUT(
            revisions(),
            first + QStringLiteral("; ") + m_inspector + QStringLiteral(": Tank 3P ullage 1.234 m, was 1.243 m"), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(inspector.waiting(), 0, 5000);
        QCOMPARE(prompts.warnings.size(), 1);
        ReportStoreLink::setPrompts(nullptr);
        StoreSession::setProgram(nullptr);
    }

    // A vessel's voyages go to the store once each (those with a problem stay behind), and
    // another inspector's program adds the ones it lacks, keeping its own figures where they
    // differ and naming that voyage.
    void voyages_sent_once_and_added_where_missing()
    {
        if (!needStore())
            QSKIP(qPrintable(m_skip));
        const QString vessel = QStringLiteral("MT Voyages ") + QString::number(QCoreApplication::applicationPid());
        const auto entry = [&vessel](const char *voyage, double shore) {
            VoyageEntry e;
            e.vessel = vessel.toStdString();
            e.voyage = voyage;
            e.date = "2026-05-01";
            e.vesselTcv = 100000;
            e.shoreTcv = shore;
            e.unit = "bbl";
            return e;
        };
        VoyageLogStore mine(m_dir.filePath(QStringLiteral("voyages-mine.json")));
        VoyageEntry unreadable = entry("V3", 0);
        unreadable.problem = "shore_tcv: 'x' is not a number";
        QVERIFY(mine.save({entry("V1", 99900), entry("V2", 100100), unreadable}));
        VoyageLogStore theirs(m_dir.filePath(QStringLiteral("voyages-theirs.json")));
        QVERIFY(theirs.save({entry("V1", 99950)}));

        ScriptedPrompts prompts;
        VefLogWindow sender(mine, prompts);
        auto *notice = sender.findChild<QLabel *>(QStringLiteral("notice"));
        auto *send = sender.findChild<QPushButton *>(QStringLiteral("sendtostore"));
        send->click();
        QVERIFY2(notice->text().startsWith(QLatin1String("Not connected")), qPrintable(notice->text()));

        StoreSession session(m_dir.filePath(QStringLiteral("voyages.sqlite")));
        StoreSession::setProgram(&session);
        session.connectTo(m_live);
        QTRY_COMPARE_WITH_TIMEOUT(session.state(), StoreSession::State::Connected, 8000);
        send->click();
        QTRY_COMPARE_WITH_TIMEOUT(notice->text(),
                                  QStringLiteral("2 voyage(s) of %1 sent to the company store. 1 voyage(s) with a "
                                                 "problem were left out.")
                                      .arg(vessel),
                                  5000);
        send->click();
        QTRY_VERIFY_WITH_TIMEOUT(notice->text().contains(QLatin1String("; 2 of them it had already.")), 5000);
        QSqlQuery q(admin());
        q.prepare(QStringLiteral("SELECT count(*) FROM dravex.voyages WHERE vessel = ?"));
        q.addBindValue(vessel);
        QVERIFY(q.exec() && q.next());
        QCOMPARE(q.value(0).toInt(), 2);

        VefLogWindow receiver(theirs, prompts);
        prompts.text = vessel.toUpper();
        receiver.findChild<QPushButton *>(QStringLiteral("getfromstore"))->click();
        auto *received = receiver.findChild<QLabel *>(QStringLiteral("notice"));
        QTRY_VERIFY_WITH_TIMEOUT(received->text().startsWith(QLatin1String("1 voyage(s) of")), 5000);
        QVERIFY2(received->text().contains(QLatin1String("other figures for V1 (load); yours are kept")),
                 qPrintable(received->text()));
        QCOMPARE(theirs.entries().size(), std::size_t(2));
        QCOMPARE(theirs.entries()[0].shoreTcv, std::optional<double>(99950));
        QCOMPARE(theirs.entries()[1].voyage, std::string("V2"));
        QCOMPARE(theirs.entries()[1].shoreTcv, std::optional<double>(100100));
        StoreSession::setProgram(nullptr);
    }

    // An inspector's own tables go to the store once per version, and another inspector's
    // program keeps them for use without a connection, the same to the last value.
    void tank_tables_sent_and_kept_for_offline_use()
    {
        if (!needStore())
            QSKIP(qPrintable(m_skip));
        const QString vessel = QStringLiteral("MT Tables ") + QString::number(QCoreApplication::applicationPid());
        TankTable table;
        table.name = "1P";
        table.evenKeel = {{1000, 1100}, {}, {5000, 4900}};
        TankTableStore mine(m_dir.filePath(QStringLiteral("tables-mine")));
        QString error;
        TankTableFile *file = mine.fileFor(TableOwnerKind::Vessel, vessel, &error);
        QVERIFY2(file && file->addTable(table, &error), qPrintable(error));

        StoreSession session(m_dir.filePath(QStringLiteral("tables.sqlite")));
        session.connectTo(m_live);
        QTRY_COMPARE_WITH_TIMEOUT(session.state(), StoreSession::State::Connected, 8000);
        ScriptedPrompts prompts;
        StoreBrowser sender(session, mine, prompts);
        sender.findChild<QLineEdit *>(QStringLiteral("storeSite"))->setText(vessel);
        auto *detail = sender.findChild<QPlainTextEdit *>(QStringLiteral("storeDetail"));
        const auto count = [this, &vessel] {
            QSqlQuery q(admin());
            q.prepare(QStringLiteral("SELECT count(*) FROM dravex.tank_tables t JOIN dravex.sites s"
                                     " ON s.id = t.site_id WHERE s.name = ? AND s.kind = 'vessel'"));
            q.addBindValue(vessel);
            return q.exec() && q.next() ? q.value(0).toInt() : -1;
        };
        for (const char *said : {"1 table(s) sent", "0 table(s) sent"}) {
            detail->clear();
            sender.findChild<QPushButton *>(QStringLiteral("storeSendTables"))->click();
            QTRY_VERIFY_WITH_TIMEOUT(detail->toPlainText().startsWith(QLatin1String(said)), 5000);
            QCOMPARE(count(), 1);
        }

        TankTableStore theirs(m_dir.filePath(QStringLiteral("tables-theirs")));
        StoreBrowser keeper(session, theirs, prompts);
        keeper.findChild<QLineEdit *>(QStringLiteral("storeSite"))->setText(vessel);
        keeper.findChild<QPushButton *>(QStringLiteral("storeListTables"))->click();
        auto *listed = keeper.findChild<QTreeWidget *>(QStringLiteral("storeSiteTables"));
        QVERIFY(listed);
        QTRY_COMPARE_WITH_TIMEOUT(listed->topLevelItemCount(), 1, 5000);
        listed->topLevelItem(0)->setSelected(true);
        keeper.findChild<QPushButton *>(QStringLiteral("storeKeepOffline"))->click();
        const TankTableFile *kept = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT(
            (kept = theirs.find(TableOwnerKind::Vessel, vessel)) != nullptr && kept->tables().tables.size() == 1, 5000);
        QCOMPARE(kept->tables().tables.front(), file->tables().tables.front());
    }
};

QTEST_MAIN(StoreClientTest)
#include "store_client_test.moc"
