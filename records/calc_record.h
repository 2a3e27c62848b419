// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/procedure.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace dravex {

// One field of a kept calculation: its objectName, the caption the window gives it, and
// its text exactly as typed (an input) or as shown (a result).
struct RecordField
{
    QString field;
    QString caption;
    QString text;

    friend bool operator==(const RecordField &, const RecordField &) = default;
};

// A calculation as the log keeps it: when, on which window, what went in, what came out,
// how it was worked, and whether it stopped.
struct CalcRecord
{
    qint64 id = 0;
    // Local time with its offset from UTC.
    QDateTime at;
    QString window;
    QString title;
    QList<RecordField> inputs;
    QList<RecordField> results;
    QStringList working;
    bool outOfRange = false;
    bool stopped = false;
    QString notice;
    // The window's "Not responsible for errors..." line, empty where it has none.
    QString disclaimer;
};

// The record of one run: the fields read that the run did not write are its inputs, in the
// order read; the fields written are its results, each with its last text, in the order
// first written. Captions on one line without the trailing colon.
CalcRecord MakeRecord(const FormSpec &form, const FormResult &result, const QDateTime &at);

// The current local time, fixed to its offset from UTC so that it prints with it.
QDateTime LocalNow();
// "2026-12-07T10:11:12+01:00": ISO 8601 with the offset, also "+00:00" for UTC.
QString StampText(const QDateTime &at);
// "2026-12-07 10:11:12 +01:00", as shown and printed.
QString ShownStamp(const QDateTime &at);
QDateTime ParseStamp(const QString &text);

// The inputs and results in one line: "API 30, Temp 80 -> VCF 0.98, Net 9,800".
QString SummaryLine(const CalcRecord &record);

// The calculation as plain text for the clipboard: title, date and time, one
// "caption<TAB>text" line per input and per result, the stop and its notice, the working.
QString CopyText(const CalcRecord &record);

// Records as a table: fixed columns, then one column per input caption and one per
// result caption met in the records (in order of first appearance), then the working.
struct RecordTable
{
    QStringList header;
    QList<QStringList> rows;
};
RecordTable TabulateRecords(const QList<CalcRecord> &records);

// RFC 4180: CRLF line ends, a field with a comma, quote, CR or LF in double quotes with
// its quotes doubled. UTF-8.
QByteArray CsvText(const RecordTable &table);
// Tab-separated with a header row, for pasting into a spreadsheet; a tab or line break in
// a cell becomes a space.
QString TsvText(const RecordTable &table);

} // namespace dravex
