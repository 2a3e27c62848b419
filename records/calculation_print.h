// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/calc_record.h"

#include <QPageSize>

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

// Lays the records out on the device's pages with "page n of m" at each foot.
void PaintRecords(QPagedPaintDevice &device, const QList<CalcRecord> &records, const QString &reference);

// Writes the records to a PDF file; false when the file cannot be written.
bool WritePdf(const QString &fileName, const QList<CalcRecord> &records, const QString &reference);

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
};

} // namespace dravex
