// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/calc_record.h"

#include <QPageSize>

#include <functional>
#include <memory>

class QIODevice;
class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace dravex {

// A4, or Letter where the locale measures in US units.
QPageSize LocalePageSize();

// The printed form of records, each from a new page: program name and version, the
// window's title, date and time, the reference line when given, inputs with the choices
// and results in two labelled columns, the working, the window's disclaimer line. Every text escaped.
QString RecordsHtml(const QList<CalcRecord> &records, const QString &reference);

// How far a long job has come; step returns false once the person has cancelled it.
class Progress
{
public:
    virtual ~Progress() = default;
    virtual bool step(qint64 done) = 0;
};

// Records handed over one at a time, in order, until take returns false; false when
// stopped so. A selection of any size is read this way, never all at once.
using RecordStream = std::function<bool(const std::function<bool(const CalcRecord &)> &take)>;
RecordStream StreamOf(const QList<CalcRecord> &records);

// Lays the records out on the device's pages with "page n of m" at each foot, one record
// laid out at a time: the pages are counted first, then painted, so progress goes to
// twice count. False when cancelled (a printer's run is then aborted).
bool PaintRecords(QPagedPaintDevice &device, qsizetype count, const RecordStream &records, const QString &reference,
                  Progress *progress = nullptr);
void PaintRecords(QPagedPaintDevice &device, const QList<CalcRecord> &records, const QString &reference);

// Writes the records to a PDF file; false when the file cannot be written.
bool WritePdf(const QString &fileName, const QList<CalcRecord> &records, const QString &reference);
// The same into out; false when cancelled.
bool WritePdf(QIODevice &out, qsizetype count, const RecordStream &records, const QString &title,
              const QString &reference, Progress *progress = nullptr);

// The questions that printing, export and delete ask. The program asks them with Qt's
// dialogs; tests answer them instead.
class RecordDialogs
{
public:
    virtual ~RecordDialogs() = default;
    virtual bool confirm(QWidget *parent, const QString &title, const QString &text);
    // A file to write; empty when cancelled.
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                                 const QString &filter);
    // The print dialog with a reference line (vessel, tank) of its own; false when cancelled.
    virtual bool printSetup(QWidget *parent, QPrinter &printer, QString &reference);
    // The reference line before a PDF export; false when cancelled.
    virtual bool askReference(QWidget *parent, QString &reference);
    virtual void warn(QWidget *parent, const QString &title, const QString &text);
    // Progress of a job over total steps, shown with a Cancel button once it takes longer
    // than a second.
    virtual std::unique_ptr<Progress> progress(QWidget *parent, const QString &label, qint64 total);
};

} // namespace dravex
