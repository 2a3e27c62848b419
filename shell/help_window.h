// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QToolButton;

namespace dravex {

// Form13: the help window, "HELP". A read-only guide to every screen of the menu, with the
// out-of-range window, the notices and the way numbers are typed and shown. Back, Forward
// and Home as in a browser (Alt+Left, Alt+Right, Alt+Home); Ctrl+F searches the guide.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Scrolls to the section on the window of that objectName; the top of the guide for a
    // window without one.
    void showSectionFor(const QString &windowName);

private:
    QTextBrowser *helpText = nullptr;
    QToolButton *backButton = nullptr;
    QToolButton *forwardButton = nullptr;
    QToolButton *homeButton = nullptr;
    QLineEdit *findText = nullptr;
    QLabel *findStatus = nullptr;

    QToolButton *addNavigationButton(const char *name, const QString &text, const QKeySequence &keys);
    void find(bool backward);
};

} // namespace dravex
