// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

class QSvgRenderer;

namespace dravex {

// A fixed picture drawn from one of our SVG resources at its natural size from the
// top-left corner, clipped to the widget: sharp at any display scale. The drawing is
// loaded when the picture is first painted.
class SvgPicture : public QWidget
{
    Q_OBJECT

public:
    SvgPicture(const QString &name, const QString &resource, QSize size, QWidget *parent = nullptr);

    QSize sizeHint() const override { return m_size; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_resource;
    QSize m_size;
    QSvgRenderer *m_renderer = nullptr;
};

} // namespace dravex
