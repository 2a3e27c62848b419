// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/calc_record.h"

#include <QCoreApplication>
#include <QHash>

#include <set>

namespace dravex {

namespace {

QString fromStd(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString captionFor(const FormSpec &form, const std::string &field)
{
    const FieldSpec *described = form.field(field);
    return described ? fromStd(NoticeCaption(described->caption)) : QString::fromStdString(field);
}

QString tr(const char *text)
{
    return QCoreApplication::translate("dravex::CalcRecord", text);
}

QString offsetText(int seconds)
{
    const QChar sign = seconds < 0 ? QLatin1Char('-') : QLatin1Char('+');
    seconds = std::abs(seconds);
    return QStringLiteral("%1%2:%3")
        .arg(sign)
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'));
}

QString joinFields(const QList<RecordField> &fields)
{
    QStringList parts;
    for (const RecordField &f : fields)
        parts << f.caption + QLatin1Char(' ') + f.text;
    return parts.join(QStringLiteral(", "));
}

} // namespace

CalcRecord MakeRecord(const FormSpec &form, const FormResult &result, const QDateTime &at)
{
    CalcRecord record;
    record.at = at;
    record.window = fromStd(form.name);
    record.title = fromStd(form.title);
    std::set<std::string_view> written;
    for (const FieldText &write : result.writes)
        written.insert(write.field);
    for (const FieldText &read : result.reads)
        if (!written.count(read.field))
            record.inputs.push_back(
                {QString::fromStdString(read.field), captionFor(form, read.field), QString::fromStdString(read.text)});
    for (const FieldText &write : result.writes) {
        const QString field = QString::fromStdString(write.field);
        auto same = std::find_if(record.results.begin(), record.results.end(),
                                 [&](const RecordField &f) { return f.field == field; });
        if (same != record.results.end())
            same->text = QString::fromStdString(write.text);
        else
            record.results.push_back({field, captionFor(form, write.field), QString::fromStdString(write.text)});
    }
    for (const std::string &line : result.working)
        record.working << QString::fromStdString(line);
    record.outOfRange = result.outOfRange;
    record.stopped = !result.completed();
    record.notice = QString::fromStdString(result.notice);
    return record;
}

QDateTime LocalNow()
{
    const QDateTime now = QDateTime::currentDateTime();
    return now.toOffsetFromUtc(now.offsetFromUtc());
}

QString StampText(const QDateTime &at)
{
    return at.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) + offsetText(at.offsetFromUtc());
}

QString ShownStamp(const QDateTime &at)
{
    return at.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss ")) + offsetText(at.offsetFromUtc());
}

QDateTime ParseStamp(const QString &text)
{
    QDateTime at = QDateTime::fromString(text, Qt::ISODate);
    return at.toOffsetFromUtc(at.offsetFromUtc());
}

QString SummaryLine(const CalcRecord &record)
{
    QString line = joinFields(record.inputs);
    if (!record.results.isEmpty())
        line += QStringLiteral(" \u2192 ") + joinFields(record.results);
    return line.simplified();
}

QString CopyText(const CalcRecord &record)
{
    QStringList lines{record.title, ShownStamp(record.at), QString()};
    for (const RecordField &f : record.inputs)
        lines << f.caption + QLatin1Char('\t') + f.text;
    if (!record.inputs.isEmpty() && !record.results.isEmpty())
        lines << QString();
    for (const RecordField &f : record.results)
        lines << f.caption + QLatin1Char('\t') + f.text;
    if (record.stopped)
        lines << QString() << tr("Stopped: %1").arg(record.notice);
    if (record.outOfRange)
        lines << tr("Outside the range of the tables");
    if (!record.working.isEmpty())
        lines << QString() << tr("Working") << record.working;
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

RecordTable TabulateRecords(const QList<CalcRecord> &records)
{
    QStringList inputCaptions;
    QStringList resultCaptions;
    for (const CalcRecord &r : records) {
        for (const RecordField &f : r.inputs)
            if (!inputCaptions.contains(f.caption))
                inputCaptions << f.caption;
        for (const RecordField &f : r.results)
            if (!resultCaptions.contains(f.caption))
                resultCaptions << f.caption;
    }
    RecordTable table;
    table.header << tr("Date and time") << tr("Window") << tr("Title") << tr("Stopped") << tr("Notice")
                 << tr("Out of range") << inputCaptions << resultCaptions << tr("Working");
    const int fixed = 6;
    for (const CalcRecord &r : records) {
        QStringList row(table.header.size());
        row[0] = ShownStamp(r.at);
        row[1] = r.window;
        row[2] = r.title;
        row[3] = r.stopped ? tr("yes") : tr("no");
        row[4] = r.notice;
        row[5] = r.outOfRange ? tr("yes") : tr("no");
        for (const RecordField &f : r.inputs)
            row[fixed + inputCaptions.indexOf(f.caption)] = f.text;
        for (const RecordField &f : r.results)
            row[fixed + inputCaptions.size() + resultCaptions.indexOf(f.caption)] = f.text;
        row.back() = r.working.join(QLatin1Char('\n'));
        table.rows << row;
    }
    return table;
}

QByteArray CsvText(const RecordTable &table)
{
    QByteArray out;
    auto line = [&out](const QStringList &cells) {
        for (qsizetype i = 0; i < cells.size(); ++i) {
            if (i)
                out += ',';
            QByteArray cell = cells[i].toUtf8();
            if (cell.contains(',') || cell.contains('"') || cell.contains('\r') || cell.contains('\n')) {
                cell.replace("\"", "\"\"");
                cell = '"' + cell + '"';
            }
            out += cell;
        }
        out += "\r\n";
    };
    line(table.header);
    for (const QStringList &row : table.rows)
        line(row);
    return out;
}

QString TsvText(const RecordTable &table)
{
    QString out;
    auto line = [&out](const QStringList &cells) {
        QStringList clean;
        for (QString cell : cells) {
            for (QChar &c : cell)
                if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
                    c = QLatin1Char(' ');
            clean << cell;
        }
        out += clean.join(QLatin1Char('\t')) + QLatin1Char('\n');
    };
    line(table.header);
    for (const QStringList &row : table.rows)
        line(row);
    return out;
}

} // namespace dravex
