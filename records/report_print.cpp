#include "records/report_print.h"

#include "records/report_file.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

namespace dravex {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ReportPrint", text);
}

QString esc(const std::string &text)
{
    return QString::fromStdString(text).toHtmlEscaped();
}

QString cell(const QString &html, bool number = false)
{
    return number ? QStringLiteral("<td align=\"right\">") + html + QStringLiteral("</td>")
                  : QStringLiteral("<td>") + html + QStringLiteral("</td>");
}

QString operationName(Operation op)
{
    switch (op) {
    case Operation::Loading:
        return tr("Loading");
    case Operation::Discharge:
        return tr("Discharge");
    case Operation::OnArrival:
        return tr("On arrival");
    case Operation::OnSailing:
        return tr("On sailing");
    case Operation::Other:
        return tr("Other");
    }
    return {};
}

QString stoppedList(const ReportTotal &t)
{
    QStringList names;
    for (const std::string &n : t.stoppedTanks)
        names << esc(n);
    QString s = names.isEmpty() ? QString() : tr("left out, stopped: %1").arg(names.join(QStringLiteral(", ")));
    if (!t.notice.empty())
        s += (s.isEmpty() ? QString() : QStringLiteral("; ")) + esc(t.notice);
    return s;
}

} // namespace

QString reportHtml(const CargoReport &report, const ReportResult &result, const QString &title)
{
    const ReportHeader &h = report.header;
    QString html;
    html.reserve(static_cast<int>(report.rows.size()) * 900 + 4000);
    html += QStringLiteral("<html><body style=\"font-size:7pt\">");
    html += QStringLiteral("<h3>") + tr("Cargo Report").toHtmlEscaped() + QStringLiteral(" &mdash; ") +
            title.toHtmlEscaped() + QStringLiteral("</h3>");
    html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">");
    const auto headerRow = [&](const QString &a, const QString &av, const QString &b, const QString &bv) {
        html += QStringLiteral("<tr><td><b>") + a.toHtmlEscaped() + QStringLiteral("</b></td><td>") + av +
                QStringLiteral("</td><td width=\"30\"></td><td><b>") + b.toHtmlEscaped() +
                QStringLiteral("</b></td><td>") + bv + QStringLiteral("</td></tr>");
    };
    headerRow(tr("Vessel / terminal"), esc(h.vessel), tr("Voyage"), esc(h.voyage));
    headerRow(tr("Port"), esc(h.port), tr("Date"), esc(h.date));
    headerRow(tr("Operation"), operationName(h.operation).toHtmlEscaped(), tr("Surveyor"), esc(h.surveyor));
    headerRow(tr("Units"), report.units == UnitSystem::US ? tr("US (bbl, F, API)") : tr("Metric (m3, C, kg/m3)"),
              tr("VCF"),
              report.vcfMethod == VcfMethod::PerTank ? tr("tank by tank")
                                                     : tr("per grade at the volume-weighted average temperature"));
    html += QStringLiteral("</table>");
    if (!h.remarks.empty())
        html += QStringLiteral("<p><b>") + tr("Remarks").toHtmlEscaped() + QStringLiteral("</b> ") +
                esc(h.remarks).replace(QLatin1Char('\n'), QStringLiteral("<br>")) + QStringLiteral("</p>");

    // The tank table; its head row repeats on every page.
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\"><thead><tr>");
    for (int c = 0; c < kTankColumns; ++c)
        html += QStringLiteral("<th>") + esc(TankColumnHead(static_cast<TankColumn>(c), report.units)) +
                QStringLiteral("</th>");
    for (int c = 0; c < kResultColumns; ++c)
        html += QStringLiteral("<th>") + esc(ResultColumnHead(static_cast<ResultColumn>(c), report.units)) +
                QStringLiteral("</th>");
    html += QStringLiteral("<th>") + tr("Notice").toHtmlEscaped() + QStringLiteral("</th></tr></thead>");
    for (std::size_t i = 0; i < report.rows.size(); ++i) {
        const RowResult &r = result.rows[i];
        if (r.blank)
            continue;
        html += QStringLiteral("<tr>");
        for (int c = 0; c < kTankColumns; ++c)
            html += cell(esc(report.rows[i].cells[c]), c >= static_cast<int>(TankColumn::TotalObserved));
        for (const std::string &f : r.figures)
            html += cell(esc(f), true);
        html += cell(esc(r.notice)) + QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");

    html += QStringLiteral("<h4>") + tr("Totals").toHtmlEscaped() + QStringLiteral("</h4>");
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\"><thead><tr>");
    const QString heads[] = {tr("Grade"),
                             tr("Tanks"),
                             tr("Average temperature"),
                             QString::fromStdString(ResultColumnHead(ResultColumn::GrossObserved, report.units)),
                             QString::fromStdString(ResultColumnHead(ResultColumn::GrossStandard, report.units)),
                             QString::fromStdString(ResultColumnHead(ResultColumn::LongTons, report.units)),
                             QString::fromStdString(ResultColumnHead(ResultColumn::MetricTons, report.units)),
                             tr("Not counted")};
    for (const QString &head : heads)
        html += QStringLiteral("<th>") + head.toHtmlEscaped() + QStringLiteral("</th>");
    html += QStringLiteral("</tr></thead>");
    const auto totalRow = [&](const ReportTotal &t, const QString &name) {
        html += QStringLiteral("<tr>") + cell(name) + cell(QString::number(t.tanks), true) +
                cell(esc(t.averageTemperature), true) + cell(esc(t.grossObserved), true) +
                cell(esc(t.grossStandard), true) + cell(esc(t.longTons), true) + cell(esc(t.metricTons), true) +
                cell(stoppedList(t)) + QStringLiteral("</tr>");
    };
    for (const ReportTotal &g : result.grades)
        totalRow(g, g.grade.empty() ? tr("(no grade)").toHtmlEscaped() : esc(g.grade));
    totalRow(result.overall, QStringLiteral("<b>") + tr("All grades").toHtmlEscaped() + QStringLiteral("</b>"));
    html += QStringLiteral("</table>");

    html += QStringLiteral("<p>") + esc(TablesUsed(report.edition, report.units)) + QStringLiteral("</p>");
    html += QStringLiteral("<br><br><table width=\"100%\"><tr><td width=\"50%\">") +
            tr("Surveyor: ______________________________").toHtmlEscaped() + QStringLiteral("</td><td>") +
            tr("For the vessel / terminal: ______________________________").toHtmlEscaped() +
            QStringLiteral("</td></tr></table>");
    html += QStringLiteral("</body></html>");
    return html;
}

void printReport(QPagedPaintDevice *device, const QString &html)
{
    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(device);
    doc.setDocumentMargin(0);
    doc.setHtml(html);
    QPainter painter(device);
    const QFont footerFont = doc.defaultFont();
    const QFontMetricsF metrics(footerFont, device);
    const qreal footer = metrics.height() * 2;
    const QSizeF page(device->width(), device->height() - footer);
    doc.setPageSize(page);
    const int pages = doc.pageCount();
    for (int p = 0; p < pages; ++p) {
        if (p > 0)
            device->newPage();
        painter.save();
        painter.translate(0, -p * page.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, p * page.height(), page.width(), page.height());
        painter.setClipRect(context.clip);
        doc.documentLayout()->draw(&painter, context);
        painter.restore();
        painter.setFont(footerFont);
        painter.drawText(QRectF(0, page.height(), page.width(), footer), Qt::AlignRight | Qt::AlignBottom,
                         tr("Page %1 of %2").arg(p + 1).arg(pages));
    }
}

bool exportReportPdf(const QString &path, const CargoReport &report, const ReportResult &result,
                     const QString &title, QString *error)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Dravex"));
        writer.setResolution(600);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12)));
        printReport(&writer, reportHtml(report, result, title));
    }
    return writeFileAtomically(path, buffer.data(), error);
}

} // namespace dravex
