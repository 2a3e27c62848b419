#pragma once

#include <QWidget>

namespace dravex {

// Form13: the help window.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);
};

} // namespace dravex
