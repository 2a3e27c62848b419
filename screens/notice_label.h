// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace dravex {

// The bold line under a window that says why it stopped. Its red is taken from the
// window's palette: dark on a light window, light on a dark one, so a dark theme reads.
class NoticeLabel : public QLabel
{
    Q_OBJECT

public:
    explicit NoticeLabel(QWidget *parent = nullptr);

    // The text colour a notice takes on a window of this background.
    static QColor noticeColour(const QColor &background);

protected:
    void changeEvent(QEvent *event) override;

private:
    void followPalette();

    bool m_following = false;
};

} // namespace dravex
