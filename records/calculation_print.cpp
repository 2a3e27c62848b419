// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/calculation_print.h"

#include "records/job/current_job.h"
#include "records/paper/atomic_file.h"
#include "records/paper/page_frame.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextDocument>

namespace dravex {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(dravex::CalculationPrint)
};

// One record laid out for the device's page body.
std::unique_ptr<QTextDocument> layOut(const CalcRecord &record, QPagedPaintDevice &device, const QFont &font,
                                      const QSizeF &body)
{
    auto doc = std::make_unique<QTextDocument>();
    doc->documentLayout()->setPaintDevice(&device);
    doc->setDefaultFont(font);
    doc->setHtml(RecordsHtml({record}));
    doc->setPageSize(body);
    return doc;
}

QString fieldRows(const QList<RecordField> &fields)
{
    QString rows;
    for (const RecordField &f : fields)
        rows += QStringLiteral("<tr><td>%1</td><td align=\"right\"><b>%2</b></td></tr>")
                    .arg(f.caption.toHtmlEscaped(), f.text.toHtmlEscaped());
    return rows;
}

} // namespace

QString RecordsHtml(const QList<CalcRecord> &records)
{
    QString html = QStringLiteral("<html><body>");
    bool first = true;
    for (const CalcRecord &r : records) {
        html += first ? QStringLiteral("<div>") : QStringLiteral("<div style=\"page-break-before: always\">");
        first = false;
        html += QStringLiteral("<h2>%1</h2>").arg(r.title.toHtmlEscaped());
        html += QStringLiteral("<p>%1</p>").arg(ShownStamp(r.at).toHtmlEscaped());
        if (!r.job.empty())
            html += QStringLiteral("<p>%1</p>").arg(Text::tr("Job: %1").arg(CurrentJob::label(r.job)).toHtmlEscaped());
        html += QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"4\"><tr>"
                               "<td width=\"50%\" valign=\"top\"><h3>%1</h3><table cellpadding=\"2\">%2</table></td>"
                               "<td width=\"50%\" valign=\"top\"><h3>%3</h3><table cellpadding=\"2\">%4</table></td>"
                               "</tr></table>")
                    .arg(Text::tr("Inputs").toHtmlEscaped(), fieldRows(r.inputs + r.options),
                         Text::tr("Results").toHtmlEscaped(), fieldRows(r.results));
        if (r.stopped)
            html += QStringLiteral("<p><b>%1</b></p>").arg(Text::tr("Stopped: %1").arg(r.notice).toHtmlEscaped());
        if (r.outOfRange)
            html += QStringLiteral("<p>%1</p>").arg(Text::tr("Outside the range of the tables").toHtmlEscaped());
        if (!r.working.isEmpty()) {
            html += QStringLiteral("<h3>%1</h3><p style=\"font-family: monospace\">")
                        .arg(Text::tr("Working").toHtmlEscaped());
            QStringList lines;
            for (const QString &line : r.working)
                lines << line.toHtmlEscaped();
            html += lines.join(QStringLiteral("<br>")) + QStringLiteral("</p>");
        }
        if (!r.disclaimer.isEmpty())
            html += QStringLiteral("<p><i>%1</i></p>").arg(r.disclaimer.toHtmlEscaped());
        html += QStringLiteral("</div>");
    }
    return html + QStringLiteral("</body></html>");
}

RecordStream StreamOf(const QList<CalcRecord> &records)
{
    return [&records](const std::function<bool(const CalcRecord &)> &take) {
        for (const CalcRecord &r : records)
            if (!take(r))
                return false;
        return true;
    };
}

bool PaintRecords(QPagedPaintDevice &device, qsizetype count, const RecordStream &records, PageFrame &frame,
                  Progress *progress)
{
    QPainter painter(&device);
    if (!painter.isActive())
        return false;
    QFont font = QTextDocument().defaultFont();
    font.setPointSizeF(10);
    const QRectF body = frame.body(device);
    qint64 done = 0;
    auto cancelled = [&] {
        if (auto *printer = dynamic_cast<QPrinter *>(&device))
            printer->abort();
        return false;
    };

    // The pages of all, for "of m", before the first is painted.
    int pages = 0;
    if (count > 1 && !records([&](const CalcRecord &r) {
            pages += layOut(r, device, font, body.size())->pageCount();
            return !progress || progress->step(++done);
        }))
        return cancelled();

    int pageNo = 0;
    const bool complete = records([&](const CalcRecord &r) {
        const std::unique_ptr<QTextDocument> doc = layOut(r, device, font, body.size());
        if (count <= 1)
            pages = doc->pageCount();
        for (int i = 0; i < doc->pageCount(); ++i) {
            if (pageNo > 0)
                device.newPage();
            ++pageNo;
            painter.save();
            painter.translate(0, body.top() - i * body.height());
            const QRectF visible(0, i * body.height(), body.width(), body.height());
            painter.setClipRect(visible);
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = visible;
            doc->documentLayout()->draw(&painter, context);
            painter.restore();
            frame.paint(painter, pageNo, pages);
        }
        return !progress || progress->step(++done);
    });
    return (complete && pageNo > 0) || cancelled();
}

bool WritePdf(QIODevice &out, qsizetype count, const RecordStream &records, PageFrame &frame, Progress *progress)
{
    QPdfWriter pdf(&out);
    pdf.setPageSize(LocalePageSize());
    pdf.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
    pdf.setResolution(300);
    SetPdfDetails(pdf, frame.title());
    return PaintRecords(pdf, count, records, frame, progress);
}

bool WritePdf(const QString &fileName, const QList<CalcRecord> &records, const QString &reference)
{
    AtomicFile file(fileName);
    if (!file.open())
        return false;
    PageFrame frame(records.size() == 1 ? records.front().title : Text::tr("Calculation log"), reference);
    if (!WritePdf(file.device(), records.size(), StreamOf(records), frame)) {
        file.cancel();
        return false;
    }
    return file.commit();
}

} // namespace dravex
