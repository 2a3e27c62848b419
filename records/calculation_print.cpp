// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/calculation_print.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace dravex {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("dravex::CalculationPrint", text);
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

QPageSize LocalePageSize()
{
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize(QPageSize::Letter)
                                                                              : QPageSize(QPageSize::A4);
}

QString RecordsHtml(const QList<CalcRecord> &records, const QString &reference)
{
    QString html = QStringLiteral("<html><body>");
    bool first = true;
    for (const CalcRecord &r : records) {
        html += first ? QStringLiteral("<div>") : QStringLiteral("<div style=\"page-break-before: always\">");
        first = false;
        html += QStringLiteral("<p><small>Dravex %1</small></p>").arg(QStringLiteral(DRAVEX_VERSION));
        html += QStringLiteral("<h2>%1</h2>").arg(r.title.toHtmlEscaped());
        html += QStringLiteral("<p>%1</p>").arg(ShownStamp(r.at).toHtmlEscaped());
        if (!reference.trimmed().isEmpty())
            html += QStringLiteral("<p>%1 %2</p>").arg(tr("Reference:").toHtmlEscaped(), reference.toHtmlEscaped());
        html += QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"4\"><tr>"
                               "<td width=\"50%\" valign=\"top\"><h3>%1</h3><table cellpadding=\"2\">%2</table></td>"
                               "<td width=\"50%\" valign=\"top\"><h3>%3</h3><table cellpadding=\"2\">%4</table></td>"
                               "</tr></table>")
                    .arg(tr("Inputs").toHtmlEscaped(), fieldRows(r.inputs + r.options), tr("Results").toHtmlEscaped(),
                         fieldRows(r.results));
        if (r.stopped)
            html += QStringLiteral("<p><b>%1</b></p>").arg(tr("Stopped: %1").arg(r.notice).toHtmlEscaped());
        if (r.outOfRange)
            html += QStringLiteral("<p>%1</p>").arg(tr("Outside the range of the tables").toHtmlEscaped());
        if (!r.working.isEmpty()) {
            html +=
                QStringLiteral("<h3>%1</h3><p style=\"font-family: monospace\">").arg(tr("Working").toHtmlEscaped());
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

void PaintRecords(QPagedPaintDevice &device, const QList<CalcRecord> &records, const QString &reference)
{
    QPainter painter(&device);
    if (!painter.isActive())
        return;
    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&device);
    QFont font = doc.defaultFont();
    font.setPointSizeF(10);
    doc.setDefaultFont(font);
    doc.setHtml(RecordsHtml(records, reference));

    const QFontMetricsF metrics(font, &device);
    const qreal footer = metrics.lineSpacing() * 2;
    const QRectF page(0, 0, device.width(), device.height());
    const QSizeF body(page.width(), page.height() - footer);
    doc.setPageSize(body);
    const int pages = doc.pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            device.newPage();
        painter.save();
        painter.translate(0, -i * body.height());
        const QRectF visible(0, i * body.height(), body.width(), body.height());
        painter.setClipRect(visible);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = visible;
        doc.documentLayout()->draw(&painter, context);
        painter.restore();
        painter.setFont(font);
        painter.drawText(
            QRectF(0, page.height() - metrics.lineSpacing() * 1.2, page.width(), metrics.lineSpacing() * 1.2),
            Qt::AlignHCenter | Qt::AlignBottom, tr("page %1 of %2").arg(i + 1).arg(pages));
    }
}

bool WritePdf(const QString &fileName, const QList<CalcRecord> &records, const QString &reference)
{
    QPdfWriter pdf(fileName);
    pdf.setPageSize(LocalePageSize());
    pdf.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
    pdf.setResolution(300);
    pdf.setCreator(QStringLiteral("Dravex " DRAVEX_VERSION));
    pdf.setTitle(records.size() == 1 ? records.front().title : tr("Calculation log"));
    PaintRecords(pdf, records, reference);
    return QFileInfo::exists(fileName) && QFileInfo(fileName).size() > 0;
}

bool RecordDialogs::confirm(QWidget *parent, const QString &title, const QString &text)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

QString RecordDialogs::saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                                    const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}

bool RecordDialogs::printSetup(QWidget *parent, QPrinter &printer, QString &reference)
{
    QPrintDialog dialog(&printer, parent);
    auto *options = new QWidget;
    options->setWindowTitle(tr("Reference"));
    auto *form = new QFormLayout(options);
    auto *line = new QLineEdit(reference, options);
    line->setObjectName(QStringLiteral("reference"));
    line->setPlaceholderText(tr("Vessel, tank, voyage"));
    form->addRow(tr("&Reference line:"), line);
    dialog.setOptionTabs({options});
    if (dialog.exec() != QDialog::Accepted)
        return false;
    reference = line->text();
    return true;
}

bool RecordDialogs::askReference(QWidget *parent, QString &reference)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent, tr("Export PDF"), tr("Reference line (vessel, tank), may be empty:"),
                              QLineEdit::Normal, reference, &ok);
    if (ok)
        reference = text;
    return ok;
}

void RecordDialogs::warn(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace dravex
