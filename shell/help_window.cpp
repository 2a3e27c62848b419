#include "shell/help_window.h"

namespace dravex {

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form13"));
    setWindowTitle(QStringLiteral("HELP"));
    resize(446, 131);
}

} // namespace dravex
