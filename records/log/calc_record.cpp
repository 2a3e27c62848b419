// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/log/calc_record.h"

#include "core/csv.h"
#include "records/job/current_job.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include <nlohmann/json.hpp>

#include <set>
#include <string>
#include <string_view>
#include <vector>

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

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(dravex::CalcRecord)
};

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

QJsonArray fieldsArray(const QList<RecordField> &fields)
{
    QJsonArray array;
    for (const RecordField &f : fields)
        array.append(QJsonArray{f.field, f.caption, f.text});
    return array;
}

QList<RecordField> fieldsOf(const QJsonValue &value)
{
    QList<RecordField> fields;
    for (const QJsonValue &v : value.toArray()) {
        const QJsonArray f = v.toArray();
        fields.push_back({f.at(0).toString(), f.at(1).toString(), f.at(2).toString()});
    }
    return fields;
}

} // namespace

QString FieldsJson(const QList<RecordField> &fields)
{
    return QString::fromUtf8(QJsonDocument(fieldsArray(fields)).toJson(QJsonDocument::Compact));
}

QList<RecordField> FieldsFromJson(const QString &json)
{
    return fieldsOf(QJsonDocument::fromJson(json.toUtf8()).array());
}

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

QString TableOf(const QString &title)
{
    static const QRegularExpression table(QStringLiteral("\\(TABLE ([0-9]+[A-Za-z]?)\\)"),
                                          QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch m = table.match(title); m.hasMatch())
        return m.captured(1).toUpper();
    if (title.contains(QLatin1String("2004 EDITION"), Qt::CaseInsensitive))
        return QStringLiteral("2004");
    return {};
}

QString SummaryLine(const CalcRecord &record)
{
    QString line = joinFields(record.inputs);
    if (!record.results.isEmpty())
        line += QStringLiteral(" \u2192 ") + joinFields(record.results);
    return line.simplified();
}

QString JobText(const Job &job)
{
    return job.empty() ? QString() : QString::fromStdString(JobToJson(job).dump());
}

Job JobOfText(const QString &text)
{
    if (text.isEmpty())
        return {};
    const QByteArray utf8 = text.toUtf8();
    const JobReadResult read = JobFromJson(nlohmann::ordered_json::parse(utf8.begin(), utf8.end(), nullptr, false));
    return read.job ? *read.job : Job{};
}

QString CopyText(const CalcRecord &record)
{
    QStringList lines{record.title, ShownStamp(record.at)};
    if (!record.job.empty())
        lines << Text::tr("Job") + QLatin1Char('\t') + CurrentJob::label(record.job);
    lines << QString();
    for (const auto *list : {&record.inputs, &record.options})
        for (const RecordField &f : *list)
            lines << f.caption + QLatin1Char('\t') + f.text;
    if ((!record.inputs.isEmpty() || !record.options.isEmpty()) && !record.results.isEmpty())
        lines << QString();
    for (const RecordField &f : record.results)
        lines << f.caption + QLatin1Char('\t') + f.text;
    if (record.stopped)
        lines << QString() << Text::tr("Stopped: %1").arg(record.notice);
    if (record.outOfRange)
        lines << Text::tr("Outside the range of the tables");
    if (!record.working.isEmpty())
        lines << QString() << Text::tr("Working") << record.working;
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void RecordColumns::add(const CalcRecord &r)
{
    m_job = m_job || !r.job.empty();
    for (const auto *list : {&r.inputs, &r.options})
        for (const RecordField &f : *list)
            if (!m_inputs.contains(f.caption))
                m_inputs << f.caption;
    for (const RecordField &f : r.results)
        if (!m_results.contains(f.caption))
            m_results << f.caption;
}

QStringList RecordColumns::header() const
{
    QStringList header{Text::tr("Date and time"), Text::tr("Window"), Text::tr("Table")};
    // Only where a record has a job: a log kept without jobs exports as before.
    if (m_job)
        header << Text::tr("Job");
    return header << Text::tr("Stopped") << Text::tr("Notice") << Text::tr("Out of range") << m_inputs << m_results
                  << Text::tr("Working");
}

QStringList RecordColumns::row(const CalcRecord &r) const
{
    const int fixed = m_job ? 7 : 6;
    QStringList row(fixed + m_inputs.size() + m_results.size() + 1);
    int at = 0;
    row[at++] = ShownStamp(r.at);
    row[at++] = r.title;
    row[at++] = TableOf(r.title);
    if (m_job)
        row[at++] = r.job.empty() ? QString() : CurrentJob::label(r.job);
    row[at++] = r.stopped ? Text::tr("yes") : Text::tr("no");
    row[at++] = r.notice;
    row[at++] = r.outOfRange ? Text::tr("yes") : Text::tr("no");
    for (const auto *list : {&r.inputs, &r.options})
        for (const RecordField &f : *list)
            if (const qsizetype at = m_inputs.indexOf(f.caption); at >= 0)
                row[fixed + at] = f.text;
    for (const RecordField &f : r.results)
        if (const qsizetype at = m_results.indexOf(f.caption); at >= 0)
            row[fixed + m_inputs.size() + at] = f.text;
    row.back() = r.working.join(QLatin1Char('\n'));
    return row;
}

RecordTable TabulateRecords(const QList<CalcRecord> &records)
{
    RecordColumns columns;
    for (const CalcRecord &r : records)
        columns.add(r);
    RecordTable table;
    table.header = columns.header();
    for (const CalcRecord &r : records)
        table.rows << columns.row(r);
    return table;
}

QByteArray CsvLine(const QStringList &cells)
{
    std::vector<std::string> utf8;
    utf8.reserve(cells.size());
    for (const QString &cell : cells)
        utf8.push_back(cell.toStdString());
    const std::vector<std::string_view> fields(utf8.begin(), utf8.end());
    std::string out;
    AppendCsvRecord(out, fields);
    return QByteArray::fromStdString(out);
}

QByteArray CsvText(const RecordTable &table)
{
    QByteArray out = CsvLine(table.header);
    for (const QStringList &row : table.rows)
        out += CsvLine(row);
    return out;
}

QString TsvLine(const QStringList &cells)
{
    QStringList clean;
    for (QString cell : cells) {
        for (QChar &c : cell)
            if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
                c = QLatin1Char(' ');
        clean << cell;
    }
    return clean.join(QLatin1Char('\t')) + QLatin1Char('\n');
}

QString TsvText(const RecordTable &table)
{
    QString out = TsvLine(table.header);
    for (const QStringList &row : table.rows)
        out += TsvLine(row);
    return out;
}

} // namespace dravex
