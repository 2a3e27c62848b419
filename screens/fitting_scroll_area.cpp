// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/fitting_scroll_area.h"

#include <QBoxLayout>
#include <QEvent>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace dravex {

namespace {

// What a title bar and border take, as window managers draw them; the free area of a
// screen is reported without them.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 48;

} // namespace

QSize WindowRoom(const QWidget *window)
{
    const QScreen *s = window->screen();
    if (!s)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    return (s->availableGeometry().size() - QSize(kFrameWidth, kFrameHeight)).expandedTo(QSize(0, 0));
}

FittingScrollArea::FittingScrollArea(QWidget *parent) : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    // Tab goes through the fields, and the body scrolls to the one that has the focus.
    setFocusPolicy(Qt::NoFocus);
    // The body keeps the window's own background.
    viewport()->setBackgroundRole(QPalette::NoRole);
}

QSize FittingScrollArea::room() const
{
    QSize free = WindowRoom(this);
    // The window's margins and its rows outside the body (the notice line).
    if (const QWidget *window = this->window(); window != this) {
        if (const auto *box = qobject_cast<const QBoxLayout *>(window->layout())) {
            const QMargins m = box->contentsMargins();
            free -= QSize(m.left() + m.right(), m.top() + m.bottom());
            for (int i = 0; i < box->count(); ++i) {
                const QLayoutItem *item = box->itemAt(i);
                if (item->widget() != this && !item->isEmpty())
                    free.rheight() -= item->minimumSize().height() + box->spacing();
            }
        }
    }
    return free.expandedTo(QSize(0, 0));
}

QSize FittingScrollArea::bodySize(const QSize &wanted) const
{
    const QSize available = room();
    QSize body = wanted.boundedTo(available);
    // A side that scrolls makes room for its scroll bar on the other side.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    if (wanted.width() > available.width())
        body.rheight() = std::min(available.height(), wanted.height() + bar);
    if (wanted.height() > available.height())
        body.rwidth() = std::min(available.width(), wanted.width() + bar);
    return body;
}

QSize FittingScrollArea::sizeHint() const
{
    const QWidget *body = widget();
    return body ? bodySize(body->sizeHint().expandedTo(body->minimumSizeHint())) : QScrollArea::sizeHint();
}

QSize FittingScrollArea::minimumSizeHint() const
{
    const QWidget *body = widget();
    return body ? bodySize(body->minimumSizeHint()) : QScrollArea::minimumSizeHint();
}

bool FittingScrollArea::eventFilter(QObject *watched, QEvent *event)
{
    // The body's layout changed (a working panel shown, fields sized to their numbers):
    // the window asks again how large the body wants to be.
    if (watched == widget() && event->type() == QEvent::LayoutRequest)
        updateGeometry();
    return QScrollArea::eventFilter(watched, event);
}

} // namespace dravex
