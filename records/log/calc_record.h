// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/job.h"
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
    // Unique to the calculation, given when it is handed to the writer; empty in entries
    // kept before there were such ids.
    QString uid;
    // Local time with its offset from UTC.
    QDateTime at;
    QString window;
    QString title;
    QList<RecordField> inputs;
    // The choices the calculation used that are no typed text (commodity group, unit,
    // product): the control chosen, the caption of the choice, and the choice as shown.
    QList<RecordField> options;
    QList<RecordField> results;
    QStringList working;
    bool outOfRange = false;
    bool stopped = false;
    QString notice;
    // The window's "Not responsible for errors..." line, empty where it has none.
    QString disclaimer;
    // The job that was current when it was computed; empty: none.
    Job job;
};

// A job as the log keeps it: the compact JSON object of JobToJson, empty for no job; and
// back, where text that is no such object (a file edited by hand) is no job.
QString JobText(const Job &job);
Job JobOfText(const QString &text);

// The record of one run: the fields read that the run did not write are its inputs, in the
// order read; the fields written are its results, each with its last text, in the order
// first written. Captions on one line without the trailing colon.
CalcRecord MakeRecord(const FormSpec &form, const FormResult &result, const QDateTime &at);

// Fields as a compact JSON array of [field, caption, text] arrays, as the log keeps them,
// and back; what is no such array gives no fields.
QString FieldsJson(const QList<RecordField> &fields);
QList<RecordField> FieldsFromJson(const QString &json);

// The current local time, fixed to its offset from UTC so that it prints with it.
QDateTime LocalNow();
// "2026-12-07T10:11:12+01:00": ISO 8601 with the offset, also "+00:00" for UTC.
QString StampText(const QDateTime &at);
// "2026-12-07 10:11:12 +01:00", as shown and printed.
QString ShownStamp(const QDateTime &at);
QDateTime ParseStamp(const QString &text);

// The inputs and results in one line: "API 30, Temp 80 -> VCF 0.98, Net 9,800".
QString SummaryLine(const CalcRecord &record);

// The table a window's calculation reads, from its title: "6A" for "... (TABLE 6a)",
// "2004" for the 2004 edition; empty for a window that reads none.
QString TableOf(const QString &title);

// The calculation as plain text for the clipboard: title, date and time, the job when it
// has one, one
// "caption<TAB>text" line per input, per choice and per result, the stop and its notice, the working.
QString CopyText(const CalcRecord &record);

// Records as a table: date and time, the window's title, its table, the job (when a record
// has one), stopped, notice and
// out of range (never a control's internal name), then one column per input and choice caption and
// one per result caption met in the records (in order of first appearance), then the working.
struct RecordTable
{
    QStringList header;
    QList<QStringList> rows;
};
RecordTable TabulateRecords(const QList<CalcRecord> &records);

// The same table a record at a time, for many records: every record is added to learn the
// columns, then each is made a row.
class RecordColumns
{
public:
    void add(const CalcRecord &record);
    QStringList header() const;
    QStringList row(const CalcRecord &record) const;

private:
    QStringList m_inputs;
    QStringList m_results;
    bool m_job = false;
};

// One line of CsvText (UTF-8, quoted where a cell needs it).
QByteArray CsvLine(const QStringList &cells);
// One line of TsvText, and of every block the program puts on the clipboard: cells
// separated by tabs, a cell's tabs and line ends made spaces, ended by a line end.
QString TsvLine(const QStringList &cells);

// RFC 4180: CRLF line ends, a field with a comma, quote, CR or LF in double quotes with
// its quotes doubled. UTF-8.
QByteArray CsvText(const RecordTable &table);
// Tab-separated with a header row, for pasting into a spreadsheet; a tab or line break in
// a cell becomes a space.
QString TsvText(const RecordTable &table);

} // namespace dravex
