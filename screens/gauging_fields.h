// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace dravex {

// Enter in a field that starts nothing puts its text back as it stands, caret included.
inline void writeBack(QLineEdit *field)
{
    const int caret = field->cursorPosition();
    field->setText(field->text());
    field->setCursorPosition(caret);
}

// Running text with its blanks kept as written, wrapped at the given width.
inline void setRunningText(QLabel *label, int width)
{
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setFixedWidth(width);
    // Its lines at that width are its least height, so a shrunk window never squeezes
    // the rows around it.
    label->setMinimumHeight(label->heightForWidth(width));
}

// An option button that stays a tab stop of its own. Qt keeps only the focused button of
// an exclusive group in the Tab chain; these windows visit every option button on Tab,
// and the arrow keys still move between them.
class TabStopRadioButton : public QRadioButton
{
    Q_OBJECT

public:
    using QRadioButton::QRadioButton;

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        QRadioButton::focusInEvent(event);
        for (QRadioButton *button : parentWidget()->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly))
            button->setFocusPolicy(Qt::FocusPolicy(button->focusPolicy() | Qt::TabFocus));
    }
};

} // namespace dravex
