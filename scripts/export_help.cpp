// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the guide shown under Help as a stand-alone web page, for the documentation
// folder of an installed copy.
#include "shell/help_text.h"

#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s guide.html\n", argv[0]);
        return 2;
    }
    const QString page = QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                                        "<title>Dravex guide</title>\n</head>\n<body>\n<h1>Dravex guide</h1>\n") +
                         dravex::helpGuideHtml() + QStringLiteral("</body>\n</html>\n");
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    const QByteArray bytes = page.toUtf8();
    return out.write(bytes) == bytes.size() ? 0 : 1;
}
