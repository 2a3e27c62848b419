// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "core/procedure.h"

#include <functional>
#include <initializer_list>
#include <map>
#include <set>
#include <string_view>
#include <vector>

class QFormLayout;
class QVBoxLayout;

namespace dravex {

class Prompts;
class StaleMarks;
class WorkingPanel;

// What a screen asks of the program around it: other windows by name (the out-of-range
// window, the FSII help) and the one modal message box. The shell provides it; tests can
// record the message box instead of blocking on it.
class ScreenHost
{
public:
    virtual ~ScreenHost() = default;
    // Shows the single instance of a window, creating it if needed, and returns it.
    virtual QWidget *showWindow(const QString &name) = 0;
    // The questions and message boxes of the program.
    virtual Prompts &prompts() = 0;
    // A calculation of a window has run to its end or stopped; the window already shows
    // its result. The program around the screens keeps it.
    virtual void calculationDone(const FormSpec &form, const FormResult &result)
    {
        Q_UNUSED(form);
        Q_UNUSED(result);
    }
    // Copy, print and PDF of the window's last calculation, by keyboard and from its
    // context menu; the program around the screens adds them to each calculating window.
    virtual void addCalculationActions(QWidget *window) { Q_UNUSED(window); }
};

// A choice a calculation used that is no typed text: the control chosen (an option button,
// or a list), the caption of the choice, and the choice as the window shows it.
struct ChosenOption
{
    QString control;
    QString caption;
    QString text;
};

// The input and result columns of a table screen.
struct TwoColumns
{
    QFormLayout *inputs = nullptr;
    QFormLayout *results = nullptr;
};

// A calculator window: text fields with labels, Enter handlers, one notice line for
// faults, and the tab order that decides where the focus starts.
class Screen : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QStringList calculatedOptions READ calculatedOptions)

public:
    Screen(ScreenHost &host, const QString &name, const QString &caption, QWidget *parent = nullptr);
    // A window whose name, title and field captions come from its calculation's form.
    Screen(ScreenHost &host, const FormSpec &form, QWidget *parent = nullptr);

    // The text of the notice line: the last calculation's stop, fault or warnings, how
    // typed numbers were read where the locale writes a decimal comma, and whether the
    // results shown are stale; empty after a calculation that completed without a word.
    QString notice() const;
    // The width a number field needs for a 15-digit result with its sign.
    static int numberFieldWidth(const QLineEdit *field);
    // The first control of the tab order, which has the focus when the window opens.
    QWidget *firstInTabOrder() const;
    // The lines of the working panel: the last completed calculation's intermediate
    // values, or where the last calculation stopped. Empty on screens without one.
    QStringList workingLines() const;
    // A line about the calculation log that cannot be written (why, and that calculating
    // goes on), under the window's own notice; empty when the log is written again.
    void showRecordsProblem(const QString &problem);

    // The choices of the window's last calculation, as they were when it ran: control,
    // caption and text of each in turn. The records module, which links no screen, reads
    // it as the property "calculatedOptions".
    QStringList calculatedOptions() const;
    // Puts a kept calculation back, by objectName: a field gets its text, an option button
    // is chosen, a list selects the item of that text. The results, notice and working of
    // earlier calculations are cleared, so that nothing shown comes from other entries;
    // nothing is computed. Where the window has choices and the entry names none (it was
    // kept without them), the notice line says to check them. Invoked by name.
    Q_INVOKABLE void restoreEntry(const QStringList &names, const QStringList &texts);

protected:
    ScreenHost &host() const { return m_host; }

    // The layout above the notice line that a screen fills with its controls.
    QVBoxLayout *content() const { return m_content; }

    // A labelled single-line field. The label is its buddy and its accessible name, and
    // names the field in fault notices.
    // labelName names the caption's own control where the window gives it one.
    QLineEdit *addField(QFormLayout *form, const QString &name, const QString &label, const char *labelName = nullptr,
                        QLabel **caption = nullptr);
    // The same for a field of the window's form, captioned as the form names it.
    QLineEdit *addField(QFormLayout *form, const char *name, const char *labelName = nullptr,
                        QLabel **caption = nullptr);
    QLineEdit *makeField(const QString &name, const QString &caption);
    // A field of the window's form, named for screen readers as the form names it; place
    // it with a caption from labelFor.
    QLineEdit *makeField(const char *name);
    QLabel *makeLabel(const QString &name, const QString &text);
    // A caption that names buddy: Alt with its access key moves there, and screen readers
    // read it as the field's name.
    QLabel *labelFor(const char *name, const QString &text, QWidget *buddy);
    // A field of the window's form under its caption, in a box to place. The caption reads
    // as the form names the field unless text replaces it on screen (a name with the
    // field's entry pattern, say); width caps the field's width.
    QVBoxLayout *fieldUnderCaption(const char *name, int width, const QString &text = QString());

    // The window's disclaimer line, as its form words it, under what is there so far.
    void addDisclaimer();

    // "Your Data Entered on This Side" | "Results Displayed on This Side", split by a line.
    TwoColumns addTwoColumns();

    // Runs handler when Enter (Return or the keypad Enter, key code 13) is pressed in
    // widget. Every other key reaches the widget unchanged.
    void onEnter(QWidget *widget, std::function<void()> handler);

    // Sets the whole tab chain; the first control gets the focus when the window opens.
    void setTabChain(std::initializer_list<QWidget *> chain);
    void setTabChain(const std::vector<QWidget *> &chain);

    // The texts of the window's named controls as calculations read them: each field's
    // text, "1" for a chosen option button ("" otherwise), a list's selected item.
    FieldTexts fieldTexts() const;
    // The inverse of fieldTexts: each named control of texts gets its text (a field), is
    // chosen where its text is not empty (an option button), or selects the item of that
    // text (a list). Names the window does not have are passed over; nothing is computed.
    void setFieldTexts(const FieldTexts &texts);
    // Runs the calculation of core that the control trigger starts on the window's texts
    // and shows what it did: the texts it wrote, its notice, its working and, where due,
    // the out-of-range window. A trigger the calculations do not list is a programming
    // error and stops the program at once.
    void run(std::string_view trigger);

    // The window's field of that name; a name the window does not have is a programming
    // error and stops the program at once.
    QLineEdit *field(const char *name) const;
    // The caption the window's form gives a field.
    QString captionOf(const char *name) const;

    // Shows a notice of the window's own (not a calculation's), or hides the line when
    // text is empty; the next calculation replaces it.
    void showNotice(const QString &text);

    // A field that holds words rather than a number (a unit, a name): left-aligned, and as
    // narrow as its layout makes it.
    static void markTextField(QLineEdit *field);

    // The "Working" toggle and its panel, closed, below the results and last in the tab
    // order; call after setTabChain.
    void addWorkingPanel();

    // Runs a key of the desk calculator, which keeps its own state instead of running a
    // procedure over field texts: a CalcFault stops the key where it was thrown and the
    // notice names the fault; a key that completes clears the notice.
    void calculate(const std::function<void()> &steps);

    // The choices the window's calculations use as they stand now, in the window's order:
    // by default each chosen option button, captioned "Choice", and each list's selected
    // item under the list's name. A window with captions of its own for them says so.
    virtual std::vector<ChosenOption> chosenOptions() const;

    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    ScreenHost &m_host;
    const FormSpec *m_form = nullptr;
    QVBoxLayout *m_content = nullptr;
    QLabel *m_notice = nullptr;
    std::map<QObject *, std::function<void()>> m_enterHandlers;
    QPointer<QWidget> m_first;
    QPointer<QWidget> m_last;
    bool m_focusPlaced = false;
    // The working panel, on windows that have one.
    WorkingPanel *m_working = nullptr;
    StaleMarks *m_stale = nullptr;
    QString m_ownNotice;
    QString m_recordsProblem;
    QStringList m_readNotes;
    std::vector<ChosenOption> m_calculatedOptions;

    // Shows the single out-of-range window, centred over this screen.
    void showOutOfRange();
    void publishWorking(const QStringList &lines);
    void noteSeparators(const FormResult &result);
    void refreshNotice();
    void sizeNumberFields();
};

} // namespace dravex
