// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

class QPlainTextEdit;
class QToolButton;
class QVBoxLayout;
class QWidget;

namespace dravex {

// The "Working" toggle and its panel, closed, at the foot of a window: the intermediate
// values of the window's last calculation, or where it stopped. The window grows to show
// the open panel and shrinks back when it closes.
class WorkingPanel : public QObject
{
    Q_OBJECT

public:
    // Adds the toggle and its panel to content, as controls of window.
    WorkingPanel(QWidget *window, QVBoxLayout *content);

    // The toggle, which comes after the window's last control in the tab order.
    QToolButton *toggle() const { return m_toggle; }
    // Puts the toggle, then its panel, after last (if any) in the tab order.
    void placeAfter(QWidget *last);
    QStringList lines() const { return m_lines; }
    // Shows the working of a calculation (none: the panel is empty).
    void setLines(const QStringList &lines);

private:
    QWidget *m_window;
    QToolButton *m_toggle;
    QPlainTextEdit *m_text;
    QStringList m_lines;

    void toggled(bool open);
    void fitWindow();
};

} // namespace dravex
