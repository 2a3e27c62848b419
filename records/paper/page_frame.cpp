// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/paper/page_frame.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>

namespace dravex {

QPageSize LocalePageSize(const QLocale &locale)
{
    // The countries that print on Letter; Qt names none of them for paper.
    static constexpr std::array kLetter{
        QLocale::UnitedStates, QLocale::Canada,     QLocale::Mexico,           QLocale::Chile,  QLocale::Colombia,
        QLocale::CostaRica,    QLocale::ElSalvador, QLocale::Guatemala,        QLocale::Panama, QLocale::Philippines,
        QLocale::PuertoRico,   QLocale::Venezuela,  QLocale::DominicanRepublic};
    const bool letter = std::find(kLetter.begin(), kLetter.end(), locale.territory()) != kLetter.end();
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

QPageSize LocalePageSize()
{
    return LocalePageSize(QLocale::system());
}

void SetPdfDetails(QPdfWriter &pdf, const QString &title)
{
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Dravex " DRAVEX_VERSION));
}

PageFrame::PageFrame(const QString &title, const QString &reference, const QDateTime &printed)
    : m_title(title), m_reference(reference.trimmed()), m_printed(printed)
{
}

QStringList PageFrame::headTexts() const
{
    QStringList texts{QStringLiteral("Dravex " DRAVEX_VERSION), m_printed.toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                      m_title};
    if (!m_reference.isEmpty())
        texts << tr("Reference: %1").arg(m_reference);
    return texts;
}

QString PageFrame::footText(int page, int pages)
{
    return tr("page %1 of %2").arg(page).arg(pages);
}

QFont PageFrame::font(bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(8);
    f.setBold(bold);
    return f;
}

qreal PageFrame::headHeight(const QPaintDevice &device) const
{
    const qreal line = QFontMetricsF(font(false), const_cast<QPaintDevice *>(&device)).lineSpacing();
    // The program line, the title, the reference, then a gap of a line under the rule.
    return line * (m_reference.isEmpty() ? 3 : 4);
}

qreal PageFrame::footHeight(const QPaintDevice &device)
{
    return QFontMetricsF(font(false), const_cast<QPaintDevice *>(&device)).lineSpacing() * 2;
}

QRectF PageFrame::body(const QPaintDevice &device) const
{
    const qreal head = headHeight(device);
    return QRectF(0, head, device.width(), std::max<qreal>(1, device.height() - head - footHeight(device)));
}

void PageFrame::paint(QPainter &painter, int page, int pages)
{
    QPaintDevice &device = *painter.device();
    const QFont plain = font(false);
    const qreal line = QFontMetricsF(plain, &device).lineSpacing();
    const qreal width = device.width();
    const QStringList head = headTexts();
    painter.save();
    painter.setPen(QPen(Qt::black, 0));
    painter.setFont(plain);
    painter.drawText(QRectF(0, 0, width, line), Qt::AlignLeft | Qt::AlignTop, head[0]);
    painter.drawText(QRectF(0, 0, width, line), Qt::AlignRight | Qt::AlignTop, head[1]);
    painter.setFont(font(true));
    painter.drawText(QRectF(0, line, width, line), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, head[2]);
    painter.setFont(plain);
    if (head.size() > 3)
        painter.drawText(QRectF(0, 2 * line, width, line), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, head[3]);
    const qreal rule = line * (head.size() - 1) + line * 0.25;
    painter.drawLine(QPointF(0, rule), QPointF(width, rule));
    const QString foot = footText(page, pages);
    painter.drawText(QRectF(0, device.height() - line * 1.2, width, line * 1.2), Qt::AlignHCenter | Qt::AlignBottom,
                     foot);
    painter.restore();
    m_painted.push_back(QStringList(head) << foot);
}

} // namespace dravex
