// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/report/report_print.h"

#include "records/paper/page_frame.h"
#include "records/report/comparison_panel.h"
#include "records/report/report_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <vector>

namespace dravex {

namespace {

// The context the texts of this file are translated in.
struct ReportPrint
{
    Q_DECLARE_TR_FUNCTIONS(ReportPrint)
};

QString q(const std::string &s)
{
    return QString::fromStdString(s);
}

QString operationName(ReportOperation op)
{
    switch (op) {
    case ReportOperation::Loading:
        return ReportPrint::tr("Loading");
    case ReportOperation::Discharge:
        return ReportPrint::tr("Discharge");
    case ReportOperation::OnArrival:
        return ReportPrint::tr("On arrival");
    case ReportOperation::OnSailing:
        return ReportPrint::tr("On sailing");
    case ReportOperation::Other:
        return ReportPrint::tr("Other");
    }
    return {};
}

QString notCounted(const ReportTotal &t)
{
    QStringList names;
    for (const std::string &n : t.stoppedTanks)
        names << q(n);
    QString s =
        names.isEmpty() ? QString() : ReportPrint::tr("left out, stopped: %1").arg(names.join(QStringLiteral(", ")));
    QStringList advised;
    for (const std::string &n : t.advisedTanks)
        advised << q(n);
    if (!advised.isEmpty())
        s += (s.isEmpty() ? QString() : QStringLiteral("; ")) +
             ReportPrint::tr("counted with a notice: %1").arg(advised.join(QStringLiteral(", ")));
    if (!t.notice.empty())
        s += (s.isEmpty() ? QString() : QStringLiteral("; ")) + q(t.notice);
    return s;
}

// A table as printed: which columns hold numbers, the head row and the body rows.
struct PrintTable
{
    std::vector<bool> numeric;
    QStringList head;
    std::vector<QStringList> rows;
};

// Lays the report out page by page. Run once to count the pages, once to draw them.
class Layout
{
public:
    Layout(QPagedPaintDevice *device, QPainter *painter, int pageCount, PageFrame &frame)
        : m_device(device), m_painter(painter), m_pageCount(pageCount), m_frame(frame)
    {
        m_font = QFont(QStringLiteral("DejaVu Sans"));
        m_font.setPointSizeF(7);
        m_bold = m_font;
        m_bold.setBold(true);
        m_title = m_bold;
        m_title.setPointSizeF(11);
        const QFontMetricsF metrics(m_font, device);
        m_line = metrics.height();
        m_pad = m_line * 0.2;
        const QRectF body = frame.body(*device);
        m_width = body.width();
        m_top = body.top();
        m_bottom = body.bottom();
        m_y = m_top;
    }

    int pages() const { return m_page; }

    void text(const QString &s, const QFont &font, int flags = Qt::AlignLeft)
    {
        const QRectF box =
            measure(QRectF(0, 0, m_width, 1e9), s, font, flags | Qt::TextWordWrap | Qt::TextWrapAnywhere);
        room(box.height());
        if (m_painter) {
            m_painter->setFont(font);
            m_painter->drawText(QRectF(0, m_y, m_width, box.height()), flags | Qt::TextWordWrap | Qt::TextWrapAnywhere,
                                s);
        }
        m_y += box.height();
    }

    void gap(double lines) { m_y += m_line * lines; }

    // Pairs of caption and value, two pairs a line.
    void pairs(const std::vector<std::pair<QString, QString>> &items)
    {
        const double x[] = {0, m_width * 0.12, m_width * 0.5, m_width * 0.62};
        for (std::size_t i = 0; i < items.size(); i += 2) {
            double h = m_line;
            for (std::size_t k = i; k < i + 2 && k < items.size(); ++k) {
                h = std::max(
                    h,
                    measure(QRectF(0, 0, x[1] - x[0] - m_pad, 1e9), items[k].first, m_bold, Qt::TextWordWrap).height());
                h = std::max(h, measure(QRectF(0, 0, m_width * 0.36, 1e9), items[k].second, m_font,
                                        Qt::TextWordWrap | Qt::TextWrapAnywhere)
                                    .height());
            }
            room(h);
            for (std::size_t k = i; k < i + 2 && k < items.size(); ++k) {
                const int col = static_cast<int>(k - i) * 2;
                if (m_painter) {
                    m_painter->setFont(m_bold);
                    m_painter->drawText(QRectF(x[col], m_y, x[col + 1] - x[col] - m_pad, h), Qt::TextWordWrap,
                                        items[k].first);
                    m_painter->setFont(m_font);
                    m_painter->drawText(QRectF(x[col + 1], m_y, m_width * 0.36, h),
                                        Qt::TextWordWrap | Qt::TextWrapAnywhere, items[k].second);
                }
            }
            m_y += h;
        }
    }

    // The table, its head row drawn again at the top of every page it runs onto. Columns
    // are as wide as their longest cell or head word, stretched or squeezed to the width.
    void table(const PrintTable &t)
    {
        const std::vector<double> x = columns(t);
        const double headHeight = rowHeight(t.head, x, m_bold, Qt::TextWordWrap);
        bool headDrawn = false;
        for (const QStringList &row : t.rows) {
            const double h = rowHeight(row, x, m_font, Qt::TextWordWrap | Qt::TextWrapAnywhere);
            if (!headDrawn || m_y + h > m_bottom) {
                if (m_y + headHeight + h > m_bottom)
                    newPage();
                drawRow(t.head, x, headHeight, m_bold, {}, true);
                headDrawn = true;
            }
            drawRow(row, x, h, m_font, t.numeric, false);
        }
        if (!headDrawn) {
            room(headHeight);
            drawRow(t.head, x, headHeight, m_bold, {}, true);
        }
    }

    // Two signature lines side by side, kept on one page.
    void signatures(const QString &left, const QString &right)
    {
        room(m_line * 2);
        if (m_painter) {
            m_painter->setFont(m_font);
            m_painter->drawText(QRectF(0, m_y, m_width / 2, m_line), Qt::AlignLeft, left);
            m_painter->drawText(QRectF(m_width / 2, m_y, m_width / 2, m_line), Qt::AlignLeft, right);
        }
        m_y += m_line;
    }

    // Keeps a block of height h on one page.
    void room(double h)
    {
        if (m_y + h > m_bottom && m_y > m_top)
            newPage();
    }

    void finish() { footer(); }

    const QFont &font() const { return m_font; }
    const QFont &bold() const { return m_bold; }
    const QFont &titleFont() const { return m_title; }

private:
    QRectF measure(const QRectF &box, const QString &s, const QFont &font, int flags) const
    {
        const QFontMetricsF metrics(font, m_device);
        return metrics.boundingRect(box, flags, s);
    }

    std::vector<double> columns(const PrintTable &t) const
    {
        const QFontMetricsF plain(m_font, m_device), bold(m_bold, m_device);
        std::vector<double> natural(t.head.size(), 0);
        for (int c = 0; c < t.head.size(); ++c)
            for (const QString &word : t.head[c].split(QLatin1Char(' ')))
                natural[c] = std::max(natural[c], bold.horizontalAdvance(word));
        for (const QStringList &row : t.rows)
            for (int c = 0; c < row.size() && c < t.head.size(); ++c)
                natural[c] = std::max(natural[c], plain.horizontalAdvance(row[c]));
        double sum = 0;
        for (double &w : natural) {
            // A long notice or list of names wraps rather than squeezing the figures.
            w = std::min(w, m_width * 0.3) + 2 * m_pad + 1;
            sum += w;
        }
        // Room to spare goes to the last column (the notices); too little squeezes all.
        if (sum < m_width)
            natural.back() += m_width - sum;
        std::vector<double> x{0};
        for (double w : natural)
            x.push_back(x.back() + (sum > m_width ? w * m_width / sum : w));
        return x;
    }

    double rowHeight(const QStringList &cells, const std::vector<double> &x, const QFont &font, int wrap) const
    {
        const QFontMetricsF metrics(font, m_device);
        double h = m_line;
        for (int c = 0; c < cells.size(); ++c) {
            if (cells[c].isEmpty())
                continue;
            const double w = x[c + 1] - x[c] - 2 * m_pad;
            // Most cells fit on a line; only those that do not are measured wrapped.
            if (metrics.horizontalAdvance(cells[c]) <= w)
                continue;
            h = std::max(h, metrics.boundingRect(QRectF(0, 0, w, 1e9), wrap, cells[c]).height());
        }
        return h + 2 * m_pad;
    }

    void drawRow(const QStringList &cells, const std::vector<double> &x, double h, const QFont &font,
                 const std::vector<bool> &numeric, bool head)
    {
        if (m_painter) {
            m_painter->setFont(font);
            if (head)
                m_painter->fillRect(QRectF(x.front(), m_y, x.back() - x.front(), h), QColor(230, 230, 230));
            for (int c = 0; c < cells.size(); ++c) {
                const QRectF cell(x[c], m_y, x[c + 1] - x[c], h);
                m_painter->drawRect(cell);
                const bool right = c < static_cast<int>(numeric.size()) && numeric[c];
                m_painter->drawText(cell.adjusted(m_pad, m_pad, -m_pad, -m_pad),
                                    (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop | Qt::TextWordWrap |
                                        (head ? 0 : Qt::TextWrapAnywhere),
                                    cells[c]);
            }
        }
        m_y += h;
    }

    void newPage()
    {
        footer();
        if (m_painter)
            m_device->newPage();
        ++m_page;
        m_y = m_top;
    }

    void footer()
    {
        if (m_painter)
            m_frame.paint(*m_painter, m_page, m_pageCount);
    }

    QPagedPaintDevice *m_device;
    QPainter *m_painter; // null while counting pages
    int m_pageCount;
    PageFrame &m_frame;
    QFont m_font, m_bold, m_title;
    double m_line = 0, m_pad = 0, m_width = 0, m_top = 0, m_bottom = 0;
    double m_y = 0;
    int m_page = 1;
};

PrintTable tankTable(const CargoReport &report, const ReportResult &result)
{
    PrintTable t;
    for (int c = 0; c < kTankColumns; ++c) {
        t.head << q(TankColumnHead(static_cast<TankColumn>(c), report.units));
        t.numeric.push_back(c >= static_cast<int>(TankColumn::TotalObserved));
    }
    for (int c = 0; c < kResultColumns; ++c) {
        t.head << q(ResultColumnHead(static_cast<ResultColumn>(c), report.units));
        t.numeric.push_back(true);
    }
    t.head << ReportPrint::tr("Notice");
    for (std::size_t i = 0; i < report.rows.size(); ++i) {
        const RowResult &r = result.rows[i];
        if (r.blank)
            continue;
        QStringList row;
        for (const std::string &c : report.rows[i].cells)
            row << q(c);
        for (const std::string &f : r.figures)
            row << q(f);
        row << q(r.notice);
        t.rows.push_back(row);
    }
    return t;
}

PrintTable totalsTable(const CargoReport &report, const ReportResult &result)
{
    PrintTable t;
    t.numeric = {false, true, true, true, true, true, true, false};
    t.head = QStringList{ReportPrint::tr("Grade"),
                         ReportPrint::tr("Tanks"),
                         ReportPrint::tr("Average temperature"),
                         q(ResultColumnHead(ResultColumn::GrossObserved, report.units)),
                         q(ResultColumnHead(ResultColumn::GrossStandard, report.units)),
                         q(ResultColumnHead(ResultColumn::LongTons, report.units)),
                         q(ResultColumnHead(ResultColumn::MetricTons, report.units)),
                         ReportPrint::tr("Not counted")};
    const auto add = [&](const ReportTotal &total, const QString &name) {
        t.rows.push_back({name, QString::number(total.tanks), q(total.averageTemperature), q(total.grossObserved),
                          q(total.grossStandard), q(total.longTons), q(total.metricTons), notCounted(total)});
    };
    for (const ReportTotal &g : result.grades)
        add(g, g.grade.empty() ? ReportPrint::tr("(no grade)") : q(g.grade));
    add(result.overall, ReportPrint::tr("All grades"));
    return t;
}

// The ship/shore comparison as printed: empty when the report has none.
struct PrintComparison
{
    PrintTable table;
    QString notice;
};

PrintComparison comparisonTable(const CargoReport &report, const ReportResult &result)
{
    PrintComparison p;
    if (!ComparisonUsed(report))
        return p;
    const ComparisonTexts texts = comparisonTexts(report, result);
    p.table.head = texts.head;
    p.table.rows = texts.rows;
    p.table.numeric = {false, true, true, true, true, true, true, false};
    p.notice = texts.notice;
    if (p.notice.isEmpty())
        p.notice = QStringLiteral(" ");
    return p;
}

void lay(Layout &l, const CargoReport &report, const PrintTable &tanks, const PrintTable &totals,
         const PrintComparison &comparison, const QString &title)
{
    const ReportHeader &h = report.header;
    l.text(ReportPrint::tr("Cargo Report") + QStringLiteral(" \u2014 ") + title, l.titleFont());
    l.gap(0.5);
    l.pairs({{ReportPrint::tr("Vessel / terminal"), q(h.vessel)},
             {ReportPrint::tr("Voyage"), q(h.voyage)},
             {ReportPrint::tr("Port"), q(h.port)},
             {ReportPrint::tr("Date"), q(h.date)},
             {ReportPrint::tr("Operation"), operationName(h.operation)},
             {ReportPrint::tr("Surveyor"), q(h.surveyor)},
             {ReportPrint::tr("Units"), report.units == UnitSystem::US ? ReportPrint::tr("US (bbl, F, API)")
                                                                       : ReportPrint::tr("Metric (m3, C, kg/m3)")},
             {ReportPrint::tr("Edition"), report.edition == Edition::Tables1980
                                              ? ReportPrint::tr("1980 tables")
                                              : ReportPrint::tr("2004 edition (API MPMS 11.1-2004)")},
             {ReportPrint::tr("VCF"), report.vcfMethod == VcfMethod::PerTank
                                          ? ReportPrint::tr("tank by tank")
                                          : ReportPrint::tr("per grade at the volume-weighted average temperature")}});
    if (!h.remarks.empty())
        l.pairs({{ReportPrint::tr("Remarks"), q(h.remarks)}});
    l.gap(0.5);
    l.table(tanks);
    l.gap(1);
    l.text(ReportPrint::tr("Totals"), l.bold());
    l.table(totals);
    if (!comparison.notice.isEmpty()) {
        l.gap(1);
        l.text(ReportPrint::tr("Ship and shore"), l.bold());
        if (!comparison.table.rows.empty())
            l.table(comparison.table);
        l.text(comparison.notice, l.font());
    }
    l.gap(0.5);
    l.text(q(TablesUsed(report.edition, report.units)), l.font());
    l.gap(3);
    l.signatures(ReportPrint::tr("Surveyor: ______________________________"),
                 ReportPrint::tr("For the vessel / terminal: ______________________________"));
}

} // namespace

QString reportReference(const CargoReport &report)
{
    QStringList parts;
    for (const std::string *part : {&report.header.vessel, &report.header.voyage, &report.header.port})
        if (!q(*part).trimmed().isEmpty())
            parts << q(*part).trimmed();
    return parts.join(QStringLiteral(", "));
}

QString reportPrintTitle(const QString &title)
{
    return ReportPrint::tr("Cargo Report") + QStringLiteral(" \u2014 ") + title;
}

bool printReport(QPagedPaintDevice *device, const CargoReport &report, const ReportResult &result, const QString &title,
                 PageFrame &frame)
{
    const PrintTable tanks = tankTable(report, result);
    const PrintTable totals = totalsTable(report, result);
    const PrintComparison comparison = comparisonTable(report, result);
    Layout count(device, nullptr, 0, frame);
    lay(count, report, tanks, totals, comparison, title);
    QPainter painter(device);
    if (!painter.isActive())
        return false;
    painter.setPen(QPen(Qt::black, 0));
    Layout draw(device, &painter, count.pages(), frame);
    lay(draw, report, tanks, totals, comparison, title);
    draw.finish();
    return true;
}

bool exportReportPdf(const QString &path, const CargoReport &report, const ReportResult &result, const QString &title,
                     QString *error, const QString &reference)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        PageFrame frame(reportPrintTitle(title), reference.isNull() ? reportReference(report) : reference);
        SetPdfDetails(writer, frame.title());
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(LocalePageSize(), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12)));
        printReport(&writer, report, result, title, frame);
    }
    return writeReportBytes(path, buffer.data(), error);
}

} // namespace dravex
