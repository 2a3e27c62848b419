// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/help_window.h"

#include "shell/help_text.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace dravex {

namespace {

// The guide is compiled in: the browser loads it by its own address, so Back and Forward
// move between places in it as between pages.
const QUrl kGuideUrl(QStringLiteral("dravex-help:guide"));

class GuideBrowser : public QTextBrowser
{
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl &name) override
    {
        if (type == QTextDocument::HtmlResource && name.scheme() == kGuideUrl.scheme())
            return helpGuideHtml();
        return QTextBrowser::loadResource(type, name);
    }
};

} // namespace

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form13"));
    setWindowTitle(tr("HELP"));

    helpText = new GuideBrowser(this);
    helpText->setObjectName(QStringLiteral("helpText"));
    helpText->setAccessibleName(tr("Help"));
    // The contents list links to the sections inside the guide; nothing leaves the window.
    helpText->setOpenLinks(true);
    helpText->setOpenExternalLinks(false);
    helpText->setSource(kGuideUrl, QTextDocument::HtmlResource);

    auto *bar = new QHBoxLayout;
    bar->setContentsMargins(6, 6, 6, 0);
    backButton = addNavigationButton("back", tr("Back"), QKeySequence(Qt::ALT | Qt::Key_Left));
    forwardButton = addNavigationButton("forward", tr("Forward"), QKeySequence(Qt::ALT | Qt::Key_Right));
    homeButton = addNavigationButton("home", tr("Home"), QKeySequence(Qt::ALT | Qt::Key_Home));
    backButton->setEnabled(false);
    forwardButton->setEnabled(false);
    for (QToolButton *button : {backButton, forwardButton, homeButton})
        bar->addWidget(button);
    bar->addStretch();

    findText = new QLineEdit(this);
    findText->setObjectName(QStringLiteral("findText"));
    findText->setPlaceholderText(tr("Find in help (Ctrl+F)"));
    findText->setAccessibleName(tr("Find in help"));
    findText->setClearButtonEnabled(true);
    auto *findLabel = new QLabel(tr("&Find:"), this);
    findLabel->setBuddy(findText);
    findStatus = new QLabel(this);
    findStatus->setObjectName(QStringLiteral("findStatus"));
    findStatus->setTextFormat(Qt::PlainText);
    bar->addWidget(findLabel);
    bar->addWidget(findText);
    bar->addWidget(findStatus);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(bar);
    layout->addWidget(helpText);

    connect(backButton, &QToolButton::clicked, helpText, &QTextBrowser::backward);
    connect(forwardButton, &QToolButton::clicked, helpText, &QTextBrowser::forward);
    connect(homeButton, &QToolButton::clicked, this, [this] { showSectionFor(QString()); });
    connect(helpText, &QTextBrowser::backwardAvailable, backButton, &QToolButton::setEnabled);
    connect(helpText, &QTextBrowser::forwardAvailable, forwardButton, &QToolButton::setEnabled);

    auto *findAction = new QAction(this);
    findAction->setShortcut(QKeySequence::Find);
    findAction->setShortcutContext(Qt::WindowShortcut);
    addAction(findAction);
    connect(findAction, &QAction::triggered, this, [this] {
        findText->setFocus(Qt::ShortcutFocusReason);
        findText->selectAll();
    });
    auto *nextAction = new QAction(this);
    nextAction->setShortcut(QKeySequence::FindNext);
    addAction(nextAction);
    connect(nextAction, &QAction::triggered, this, [this] { find(false); });
    auto *previousAction = new QAction(this);
    previousAction->setShortcut(QKeySequence::FindPrevious);
    addAction(previousAction);
    connect(previousAction, &QAction::triggered, this, [this] { find(true); });
    connect(findText, &QLineEdit::returnPressed, this, [this] { find(false); });

    // Fits a 1366 x 768 screen with room for the task bar; the user may resize it.
    setMinimumSize(320, 240);
    resize(640, 520);
    setTabOrder(helpText, findText);
    // The guide has the focus, so the arrow and page keys scroll it at once.
    setFocusProxy(helpText);
    helpText->setFocus(Qt::OtherFocusReason);
}

QToolButton *HelpWindow::addNavigationButton(const char *name, const QString &text, const QKeySequence &keys)
{
    auto *button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(text);
    button->setAccessibleName(text);
    button->setToolTip(QStringLiteral("%1 (%2)").arg(text, keys.toString(QKeySequence::NativeText)));
    button->setShortcut(keys);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

void HelpWindow::showSectionFor(const QString &windowName)
{
    const QString anchor = helpSectionFor(windowName);
    if (anchor.isEmpty()) {
        // Home: the top of the guide, kept in the history so Back returns from it.
        helpText->setSource(kGuideUrl);
        helpText->verticalScrollBar()->setValue(0);
        return;
    }
    QUrl section = kGuideUrl;
    section.setFragment(anchor);
    helpText->setSource(section);
}

void HelpWindow::find(bool backward)
{
    const QString wanted = findText->text();
    if (wanted.isEmpty()) {
        findStatus->clear();
        return;
    }
    const QTextDocument::FindFlags flags = backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (helpText->find(wanted, flags)) {
        findStatus->clear();
        return;
    }
    // Not found from here on: wrap round to the other end once.
    QTextCursor cursor = helpText->textCursor();
    cursor.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
    helpText->setTextCursor(cursor);
    findStatus->setText(helpText->find(wanted, flags) ? tr("Wrapped around") : tr("Not found"));
}

} // namespace dravex
