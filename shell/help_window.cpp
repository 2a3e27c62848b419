#include "shell/help_window.h"

#include "shell/help_text.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace dravex {

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form13"));
    setWindowTitle(QStringLiteral("HELP"));

    helpText = new QTextBrowser(this);
    helpText->setObjectName(QStringLiteral("helpText"));
    helpText->setAccessibleName(tr("Help"));
    // The contents list links to the sections inside the guide; nothing leaves the window.
    helpText->setOpenLinks(true);
    helpText->setOpenExternalLinks(false);
    helpText->setHtml(helpGuideHtml());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(helpText);

    // Fits a 1366 x 768 screen with room for the task bar; the user may resize it.
    setMinimumSize(320, 240);
    resize(640, 520);
    // The guide has the focus, so the arrow and page keys scroll it at once.
    setFocusProxy(helpText);
    helpText->setFocus(Qt::OtherFocusReason);
}

} // namespace dravex
