#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace dravex {

// Enter in a field that starts nothing puts its text back as it stands, caret included.
inline void writeBack(QLineEdit *field)
{
    const int caret = field->cursorPosition();
    field->setText(field->text());
    field->setCursorPosition(caret);
}

// A caption standing over its field, the caption the field's buddy.
inline QVBoxLayout *captionOver(QLabel *caption, QWidget *field)
{
    caption->setBuddy(field);
    auto *box = new QVBoxLayout;
    box->setSpacing(2);
    box->addWidget(caption);
    box->addWidget(field);
    return box;
}

// Running text with its blanks kept as written, wrapped at the given width.
inline void setRunningText(QLabel *label, int width)
{
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setFixedWidth(width);
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
