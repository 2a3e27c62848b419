// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/log/calc_record.h"

#include "records/paper/page_frame.h"
#include "screens/prompts.h"

#include <functional>
#include <memory>

class QIODevice;
class QPagedPaintDevice;

namespace dravex {

// The printed form of records, each from a new page: the window's title, the date and time
// of the calculation, its job when it has one, inputs in the window's order with the
// choices and results in two labelled columns, the working, the window's disclaimer line.
// Every text escaped. The program, the reference line and the page numbers are the page
// frame's.
QString RecordsHtml(const QList<CalcRecord> &records);

// Records handed over one at a time, in order, until take returns false; false when
// stopped so. A selection of any size is read this way, never all at once.
using RecordStream = std::function<bool(const std::function<bool(const CalcRecord &)> &take)>;
RecordStream StreamOf(const QList<CalcRecord> &records);

// Lays the records out on the device's pages inside frame, which paints each page's head
// and "page n of m", one record laid out at a time: the pages are counted first, then
// painted, so progress goes to twice count. False when cancelled (a printer's run is then
// aborted) or when nothing could be painted.
bool PaintRecords(QPagedPaintDevice &device, qsizetype count, const RecordStream &records, PageFrame &frame,
                  Progress *progress = nullptr);

// Writes the records to a PDF file whole or not at all; false when the file cannot be
// written.
bool WritePdf(const QString &fileName, const QList<CalcRecord> &records, const QString &reference);
// The same into out, on the locale's paper, titled with the frame's title; false when
// cancelled or failed.
bool WritePdf(QIODevice &out, qsizetype count, const RecordStream &records, PageFrame &frame,
              Progress *progress = nullptr);

} // namespace dravex
