// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/notice_label.h"

#include <QEvent>

namespace dravex {

NoticeLabel::NoticeLabel(QWidget *parent) : QLabel(parent)
{
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    followPalette();
}

QColor NoticeLabel::noticeColour(const QColor &background)
{
    // The red of the original light window (#a00000) on a light background; on a dark
    // one the same hue lightened until it reads as well.
    return background.lightness() >= 128 ? QColor(0xa0, 0x00, 0x00) : QColor(0xff, 0x8a, 0x80);
}

void NoticeLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange)
        followPalette();
}

void NoticeLabel::followPalette()
{
    if (m_following)
        return;
    m_following = true;
    QPalette p = parentWidget() ? parentWidget()->palette() : palette();
    p.setColor(QPalette::WindowText, noticeColour(p.color(QPalette::Window)));
    setPalette(p);
    m_following = false;
}

} // namespace dravex
