// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace dravex {

class WindowRegistry;

// Form2: the introduction screen, the first window of every run.
class IntroWindow : public QWidget
{
    Q_OBJECT

public:
    explicit IntroWindow(WindowRegistry &registry, QWidget *parent = nullptr);

private:
    // "Continue": shows the main window and closes this one.
    void Command1_Click();

    WindowRegistry &m_registry;
};

// Form15: the out-of-range window that screens raise; their calculation goes on.
class OutOfRangeWindow : public QWidget
{
    Q_OBJECT

public:
    explicit OutOfRangeWindow(QWidget *parent = nullptr);
};

} // namespace dravex
