#pragma once

#include <QLabel>
#include <QStringList>
#include <QWidget>

namespace dravex {

class WindowRegistry;

// Breaks text into lines the way a fixed-width label of the given number of character
// columns does: blanks after a word stay on its line, and a word that would pass the
// last column starts the next line. Runs of blanks are how the old captions break lines.
QStringList wrapToColumns(const QString &text, int columns);

// A label that keeps its text exactly as given and shows it broken into lines by
// wrapToColumns, so the lines come out the same whatever the font.
class ColumnWrappedLabel : public QLabel
{
    Q_OBJECT

public:
    ColumnWrappedLabel(const QString &text, int columns, QWidget *parent = nullptr);

    QStringList lines() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_columns;
};

// Form2: the introduction screen, the first window of every run.
class IntroWindow : public QWidget
{
    Q_OBJECT

public:
    explicit IntroWindow(WindowRegistry &registry, QWidget *parent = nullptr);

    // "Continue": shows the main window and closes this one.
    void Command1_Click();

private:
    WindowRegistry &m_registry;
};

// Form13: the help window.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);
};

// Form15: the out-of-range window that screens raise; their calculation goes on.
class OutOfRangeWindow : public QWidget
{
    Q_OBJECT

public:
    explicit OutOfRangeWindow(QWidget *parent = nullptr);
};

} // namespace dravex
