// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/working_panel.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace dravex {

WorkingPanel::WorkingPanel(QWidget *window, QVBoxLayout *content)
    : QObject(window), m_window(window), m_toggle(new QToolButton(window)), m_text(new QPlainTextEdit(window))
{
    m_toggle->setObjectName(QStringLiteral("working"));
    m_toggle->setText(tr("Working"));
    m_toggle->setCheckable(true);
    m_toggle->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_toggle->setArrowType(Qt::RightArrow);
    m_toggle->setFocusPolicy(Qt::StrongFocus);
    m_toggle->setAccessibleName(tr("Working"));
    m_toggle->setToolTip(tr("Show the intermediate values of the last calculation"));

    m_text->setObjectName(QStringLiteral("workingText"));
    m_text->setReadOnly(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Once open, Tab goes from the toggle into the text, whose lines the arrow keys select
    // and Ctrl+C copies; Tab leaves it again.
    m_text->setFocusPolicy(Qt::StrongFocus);
    m_text->setTabChangesFocus(true);
    m_text->setAccessibleName(tr("Working"));
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text->setMinimumWidth(window->fontMetrics().averageCharWidth() * 60);
    m_text->hide();

    auto *row = new QHBoxLayout;
    row->addWidget(m_toggle);
    row->addStretch();
    content->addLayout(row);
    content->addWidget(m_text);

    connect(m_toggle, &QToolButton::toggled, this, &WorkingPanel::toggled);
}

void WorkingPanel::placeAfter(QWidget *last)
{
    if (last)
        QWidget::setTabOrder(last, m_toggle);
    QWidget::setTabOrder(m_toggle, m_text);
}

void WorkingPanel::toggled(bool open)
{
    m_toggle->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
    if (open)
        m_text->setPlainText(m_lines.join(QLatin1Char('\n')));
    m_text->setVisible(open);
    // Grow to show the panel, shrink back when it closes.
    fitWindow();
}

void WorkingPanel::fitWindow()
{
    // The panel sits in the window's body, which lays itself out apart from the window:
    // each widget between them is asked its size again before the window is.
    for (QWidget *w = m_text->parentWidget(); w && w != m_window; w = w->parentWidget()) {
        if (w->layout())
            w->layout()->activate();
        w->updateGeometry();
    }
    m_window->layout()->activate();
    m_window->resize(m_window->width(), m_window->sizeHint().height());
}

void WorkingPanel::setLines(const QStringList &lines)
{
    m_lines = lines;
    // Laying out text costs more than the calculation: a closed panel is filled when opened.
    if (m_toggle->isChecked())
        m_text->setPlainText(lines.join(QLatin1Char('\n')));
    // Tall enough for the usual working without scrolling, never taller than a small
    // screen allows; an open panel grows the window with it.
    const int shown = std::clamp(int(lines.size()), 8, 20);
    const int height = m_text->fontMetrics().lineSpacing() * (shown + 1) + 2 * m_text->frameWidth() +
                       int(m_text->document()->documentMargin() * 2);
    if (m_text->minimumHeight() != height) {
        m_text->setMinimumHeight(height);
        if (m_text->isVisible())
            fitWindow();
    }
}

} // namespace dravex
