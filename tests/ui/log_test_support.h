// SPDX-License-Identifier: GPL-3.0-or-later
// What the tests of the calculation log share: a program that keeps its log in a test
// folder, a reader of the file, logs made as earlier runs leave them.
#pragma once

#include "test_support.h"

#include "records/calculation_print.h"
#include "records/log/log_store.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <unistd.h>

namespace dravex::test {

// A reader of the log file, as the log window opens it.
struct Reader
{
    LogStore store{QStringLiteral("test-reader-%1").arg(QRandomGenerator::global()->generate())};
    explicit Reader(const QString &path) { store.open(path, false); }
    CalcRecord newest() const
    {
        const QList<LogRow> rows = store.page({}, 0, 1);
        return rows.isEmpty() ? CalcRecord{} : store.records({rows.front().id}).value(0);
    }
};

// A program whose log is on and kept in dir.
struct LoggingProgram : Program
{
    explicit LoggingProgram(const QString &path)
    {
        records.log().setPath(path);
        records.log().setKeepingForSession(true);
    }
};

inline QStringList fieldLines(const QList<RecordField> &fields)
{
    QStringList lines;
    for (const RecordField &f : fields)
        lines << f.field + '=' + f.caption + '=' + f.text;
    return lines;
}

inline CalcRecord sample()
{
    CalcRecord r;
    r.at = QDateTime(QDate(2026, 12, 7), QTime(10, 11, 12), Qt::OffsetFromUTC, 3600);
    r.window = "Form5";
    r.title = "VOLUME CORRECTION (TABLE 6a)";
    r.inputs = {{"txtapi", "Gravity", "30, \"light\""}, {"txtgv", "Gross", "a\nb"}};
    r.results = {{"txtbbl", "Net", "9,800.5"}};
    r.working = {"VCF\t0.98", "<b>not bold</b>"};
    r.disclaimer = "Not responsible for errors as there are different tables and methods of calculations.";
    return r;
}

// A log of count entries written and closed, as an earlier run leaves it.
inline void makeLog(const QString &path, int count, int workingLines = 1)
{
    LogStore store(QStringLiteral("make-log-%1").arg(QRandomGenerator::global()->generate()));
    QVERIFY(store.open(path, true).ok());
    QList<CalcRecord> records;
    for (int i = 0; i < count; ++i) {
        CalcRecord r = sample();
        r.inputs[1].text = QString::number(1000 + i);
        for (int line = 1; line < workingLines; ++line)
            r.working << QString("step %1 of entry %2").arg(line).arg(i);
        records << r;
    }
    QVERIFY(store.insertMany(records));
}

// Runs sql on the file through a connection of its own.
inline void execute(const QString &path, const QStringList &sql)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "raw");
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery q(db);
        for (const QString &statement : sql)
            QVERIFY2(q.exec(statement), qPrintable(statement));
        db.close();
    }
    QSqlDatabase::removeDatabase("raw");
}

// The entries of a log file, counted without the program's checks.
inline qint64 rawCount(const QString &path)
{
    qint64 count = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "raw-count");
        db.setDatabaseName(path);
        QSqlQuery q(db);
        if (db.open() && q.exec("SELECT count(*) FROM entries") && q.next())
            count = q.value(0).toLongLong();
        db.close();
    }
    QSqlDatabase::removeDatabase("raw-count");
    return count;
}

// A folder that nobody, root included, can add a file to while it lives.
struct ReadOnlyFolder
{
    QString path;
    bool made = false;
    bool immutable = false;
    explicit ReadOnlyFolder(const QString &folder) : path(folder)
    {
        if (geteuid() == 0)
            immutable = QProcess::execute("chattr", {"+i", path}) == 0;
        else
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
        QFile probe(path + "/probe");
        made = !probe.open(QIODevice::WriteOnly);
    }
    ~ReadOnlyFolder()
    {
        if (immutable)
            QProcess::execute("chattr", {"-i", path});
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

inline QList<qint64> acknowledged(const QByteArray &output)
{
    QList<qint64> ids;
    for (const QByteArray &line : output.split('\n'))
        if (!line.trimmed().isEmpty())
            ids << line.trimmed().toLongLong();
    return ids;
}

} // namespace dravex::test
