#pragma once

#include <QWidget>

class QTextBrowser;

namespace dravex {

// Form13: the help window, "HELP". A read-only guide to every screen of the menu, with the
// out-of-range window, the notices and the way numbers are typed and shown.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

private:
    QTextBrowser *helpText = nullptr;
};

} // namespace dravex
