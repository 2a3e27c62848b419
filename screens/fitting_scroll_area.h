// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScrollArea>

namespace dravex {

// The room a window has on its screen: the screen's free area less the title bar and
// border a window manager draws around it.
QSize WindowRoom(const QWidget *window);

// The body of a window: as large as its fields and pictures need while the screen has
// room for them, so the window can never be shrunk over them; on a screen too small for
// them (a small laptop at 200 %) no larger than the screen, and the body scrolls.
class FittingScrollArea : public QScrollArea
{
public:
    explicit FittingScrollArea(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The room a window's body has on its screen: the screen's free area less what the
    // window frame and the window's other rows take.
    QSize room() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QSize bodySize(const QSize &wanted) const;
};

} // namespace dravex
