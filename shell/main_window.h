// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class QLabel;

namespace dravex {

class WindowRegistry;

// Form1: the main window, "DRAVEX", a sky picture and the menu into every screen.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(WindowRegistry &registry, QWidget *parent = nullptr);

private:
    // "E&xit": closes every open window at once and ends the program; each document with
    // unsaved changes asks first, and Cancel there keeps the program running.
    void exit1_Click();
    // "Help" (F1, from any window): the guide, at the section on the window in use.
    void help2_Click();
    // "&Keep a log": calculations go to the log or not, from now on and in later runs.
    void keeplog1_Click(bool on);
    void buildMenu();

    WindowRegistry &m_registry;
    QLabel *m_jobStatus;
    QLabel *m_storeStatus;
};

} // namespace dravex
