// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/svg_picture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace dravex {

SvgPicture::SvgPicture(const QString &name, const QString &resource, QSize size, QWidget *parent)
    : QWidget(parent), m_resource(resource), m_size(size)
{
    setObjectName(name);
    setFixedSize(size);
}

void SvgPicture::paintEvent(QPaintEvent *)
{
    if (!m_renderer)
        m_renderer = new QSvgRenderer(m_resource, this);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(rect());
    QSizeF natural = m_renderer->defaultSize();
    if (natural.isEmpty())
        natural = m_size;
    m_renderer->render(&painter, QRectF(QPointF(0, 0), natural));
}

} // namespace dravex
