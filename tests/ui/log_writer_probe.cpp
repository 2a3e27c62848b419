// SPDX-License-Identifier: GPL-3.0-or-later
// Writes records to a log as fast as it can through the program's writer thread and prints
// the id of each record as soon as it is reported written, one per line.
// Usage: log_writer_probe FILE COUNT [WAIT_MS] (COUNT 0: until killed). It waits WAIT_MS
// (two minutes unless given) for the records to be written, then ends: exit status 1 when
// some were not.
#include "records/log/log_writer.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <thread>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const long count = std::atol(argv[2]);
    const int waitMs = argc > 3 ? std::atoi(argv[3]) : 120000;
    dravex::LogWriter writer(QString::fromLocal8Bit(argv[1]), [](const dravex::LogWriter::Event &event) {
        if (event.kind == dravex::LogWriter::Event::Kind::Written) {
            std::printf("%lld\n", static_cast<long long>(event.id));
            std::fflush(stdout);
        } else if (event.kind == dravex::LogWriter::Event::Kind::Problem) {
            std::fprintf(stderr, "%s\n", qPrintable(event.status.message));
        }
    });
    const QDateTime at = dravex::LocalNow();
    for (long i = 0; count == 0 || i < count; ++i) {
        while (writer.pending() > 50)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        dravex::CalcRecord r;
        r.at = at;
        r.window = QStringLiteral("Form5");
        r.title = QStringLiteral("Probe");
        r.inputs = {{QStringLiteral("txtgv"), QStringLiteral("Gross Barrels"), QString::number(i)},
                    {QStringLiteral("txtapi"), QStringLiteral("API"), QStringLiteral("it's \"30\", 'x'; --")}};
        r.results = {{QStringLiteral("txtbbl"), QStringLiteral("Net"), QString::number(i * 0.98)}};
        r.working = {QStringLiteral("line one"), QStringLiteral("line two")};
        writer.add(r);
    }
    return writer.waitIdle(waitMs) ? 0 : 1;
}
