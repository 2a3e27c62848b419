// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/screen.h"

#include "core/calculations.h"
#include "core/conventions.h"
#include "screens/fitting_scroll_area.h"
#include "screens/notice_label.h"
#include "screens/stale_marks.h"
#include "screens/working_panel.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QLocale>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace dravex {

namespace {

// A text of a window's form in core (its title, a field's caption, the disclaimer) as the
// window shows it, translated under one context for every form.
QString formText(std::string_view text)
{
    // Core texts are NUL-terminated literals, but a view does not promise it.
    return QCoreApplication::translate("dravex::FormSpec", std::string(text).c_str());
}

} // namespace

Screen::Screen(ScreenHost &host, const QString &name, const QString &caption, QWidget *parent)
    : QWidget(parent, Qt::Window), m_host(host)
{
    setObjectName(name);
    setWindowTitle(caption);
    auto *root = new QVBoxLayout(this);
    // The window never shrinks below what its layout needs: no number or caption is cut
    // and nothing slides over a picture.
    root->setSizeConstraint(QLayout::SetMinimumSize);
    // Fields and pictures sit in a body that scrolls only on a screen too small for them.
    auto *scroll = new FittingScrollArea(this);
    scroll->setObjectName(QStringLiteral("body"));
    auto *body = new QWidget;
    m_content = new QVBoxLayout(body);
    m_content->setContentsMargins(0, 0, 0, 0);
    scroll->setWidget(body);
    root->addWidget(scroll, 1);
    m_notice = new NoticeLabel(this);
    m_notice->setObjectName(QStringLiteral("notice"));
    // Notices quote what was typed: shown as typed, never read as markup.
    m_notice->setTextFormat(Qt::PlainText);
    m_notice->setWordWrap(true);
    m_notice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_notice->setAccessibleName(tr("Notice"));
    m_notice->hide();
    root->addWidget(m_notice);
    m_stale = new StaleMarks(this);
    connect(m_stale, &StaleMarks::changed, this, &Screen::refreshNotice);
}

Screen::Screen(ScreenHost &host, const FormSpec &form, QWidget *parent)
    : Screen(host, QString::fromUtf8(form.name.data(), qsizetype(form.name.size())), formText(form.title), parent)
{
    m_form = &form;
    host.addCalculationActions(this);
}

QString Screen::captionOf(const char *name) const
{
    const FieldSpec *described = m_form ? m_form->field(name) : nullptr;
    if (!described)
        qFatal("%s has no field %s in its form", qPrintable(objectName()), name);
    return formText(described->caption);
}

QLineEdit *Screen::field(const char *name) const
{
    auto *found = findChild<QLineEdit *>(QString::fromLatin1(name));
    if (!found)
        qFatal("%s has no field %s", qPrintable(objectName()), name);
    return found;
}

QLineEdit *Screen::addField(QFormLayout *form, const char *name, const char *labelName, QLabel **caption)
{
    return addField(form, QString::fromLatin1(name), captionOf(name), labelName, caption);
}

FieldTexts Screen::fieldTexts() const
{
    FieldTexts texts;
    for (const QLineEdit *field : findChildren<QLineEdit *>())
        if (!field->objectName().isEmpty())
            texts[field->objectName().toStdString()] = field->text().toStdString();
    for (const QAbstractButton *button : findChildren<QAbstractButton *>())
        if (button->isCheckable() && !button->objectName().isEmpty())
            texts[button->objectName().toStdString()] = button->isChecked() ? std::string(kChosen) : std::string();
    for (const QListWidget *list : findChildren<QListWidget *>()) {
        const QList<QListWidgetItem *> selected = list->selectedItems();
        texts[list->objectName().toStdString()] =
            selected.isEmpty() ? std::string() : selected.front()->text().toStdString();
    }
    return texts;
}

void Screen::run(std::string_view trigger)
{
    const Calculation *calculation = m_form ? FindCalculation(m_form->name, trigger) : nullptr;
    if (!calculation)
        qFatal("%s has no calculation started by %.*s", qPrintable(objectName()), int(trigger.size()), trigger.data());
    m_stale->watch(m_working ? m_working->toggle() : nullptr);
    const FormResult result = calculation->run(fieldTexts());
    for (const FieldText &write : result.writes) {
        auto *field = findChild<QLineEdit *>(QString::fromStdString(write.field));
        if (!field)
            qFatal("%s has no field %s to write", qPrintable(objectName()), write.field.c_str());
        field->setText(QString::fromStdString(write.text));
    }
    m_stale->calculated(result);
    noteSeparators(result);
    m_ownNotice = QString::fromStdString(result.notice);
    refreshNotice();
    QStringList lines;
    for (const std::string &line : result.working)
        lines << QString::fromStdString(line);
    publishWorking(lines);
    if (result.outOfRange)
        showOutOfRange();
    m_calculatedOptions = chosenOptions();
    m_host.calculationDone(*m_form, result);
}

std::vector<ChosenOption> Screen::chosenOptions() const
{
    std::vector<ChosenOption> options;
    for (const QAbstractButton *button : findChildren<QAbstractButton *>())
        if (button->isCheckable() && button->autoExclusive() && button->isChecked() &&
            !button->objectName().isEmpty() && (!m_working || button != m_working->toggle()))
            options.push_back({button->objectName(), tr("Choice"), QString(button->text()).remove(QLatin1Char('&'))});
    for (const QListWidget *list : findChildren<QListWidget *>())
        if (const QList<QListWidgetItem *> selected = list->selectedItems(); !selected.isEmpty())
            options.push_back({list->objectName(), list->accessibleName(), selected.front()->text()});
    return options;
}

QStringList Screen::calculatedOptions() const
{
    QStringList texts;
    for (const ChosenOption &option : m_calculatedOptions)
        texts << option.control << option.caption << option.text;
    return texts;
}

void Screen::setFieldTexts(const FieldTexts &texts)
{
    for (const auto &[key, value] : texts) {
        const QString name = QString::fromStdString(key);
        const QString text = QString::fromStdString(value);
        if (auto *line = findChild<QLineEdit *>(name)) {
            line->setText(text);
        } else if (auto *button = findChild<QAbstractButton *>(name); button && button->isCheckable()) {
            if (!text.isEmpty())
                button->setChecked(true);
        } else if (auto *list = findChild<QListWidget *>(name)) {
            const QList<QListWidgetItem *> items = list->findItems(text, Qt::MatchExactly);
            if (!items.isEmpty())
                list->setCurrentItem(items.front());
        }
    }
}

void Screen::restoreEntry(const QStringList &names, const QStringList &texts)
{
    FieldTexts entry;
    bool choices = false;
    std::set<QString> given;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString &name = names[i];
        entry[name.toStdString()] = texts.value(i).toStdString();
        given.insert(name);
        if (!findChild<QLineEdit *>(name)) {
            const auto *button = findChild<QAbstractButton *>(name);
            choices = choices || (button && button->isCheckable()) || findChild<QListWidget *>(name);
        }
    }
    setFieldTexts(entry);
    // Nothing of another calculation stays beside these inputs.
    m_stale->clearResultsExcept(given);
    m_readNotes.clear();
    m_ownNotice = choices || chosenOptions().empty()
                      ? QString()
                      : tr("This entry was kept without its choices: check them before you compute.");
    publishWorking({});
    refreshNotice();
}

void Screen::noteSeparators(const FormResult &result)
{
    m_readNotes.clear();
    // Where the locale writes a decimal comma, "10.000" may be meant as ten thousand and
    // "1,250" as one and a quarter; fields always read a point as the decimal separator.
    if (QLocale().decimalPoint() != QLatin1String(","))
        return;
    for (const FieldText &read : result.reads) {
        const SeparatorShape shape = ThousandsShape(read.text);
        if (shape == SeparatorShape::None)
            continue;
        double value = 0;
        try {
            value = ParseFieldNumber(read.text);
        } catch (const CalcFault &) {
            continue;
        }
        const QString typed = QString::fromStdString(read.text).trimmed();
        const QString number = QString::fromStdString(FormatFieldNumber(value));
        m_readNotes << (shape == SeparatorShape::Point
                            ? tr("%1 was read as %2 (the decimal separator is a point)").arg(typed, number)
                            : tr("%1 was read as %2 (a comma separates thousands; the decimal separator is a point)")
                                  .arg(typed, number));
    }
}

void Screen::showRecordsProblem(const QString &problem)
{
    m_recordsProblem = problem;
    refreshNotice();
}

void Screen::refreshNotice()
{
    QStringList lines;
    if (!m_ownNotice.isEmpty())
        lines << m_ownNotice;
    lines << m_readNotes;
    if (!m_recordsProblem.isEmpty())
        lines << m_recordsProblem;
    if (m_stale->anyStale())
        lines << tr("Results are from the previous entries");
    const QString text = lines.join(QLatin1Char('\n'));
    m_notice->setText(text);
    m_notice->setVisible(!text.isEmpty());
    // A notice wraps within the window's width; the window grows to show its lines
    // rather than squashing the fields above it.
    layout()->activate();
    const int needed =
        layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width()) : layout()->totalSizeHint().height();
    if (height() < needed)
        resize(width(), needed);
}

void Screen::addWorkingPanel()
{
    m_working = new WorkingPanel(this, m_content);
    m_working->placeAfter(m_last);
}

QStringList Screen::workingLines() const
{
    return m_working ? m_working->lines() : QStringList();
}

void Screen::publishWorking(const QStringList &lines)
{
    if (m_working)
        m_working->setLines(lines);
}

QString Screen::notice() const
{
    return m_notice->text();
}

QWidget *Screen::firstInTabOrder() const
{
    return m_first;
}

QLabel *Screen::makeLabel(const QString &name, const QString &text)
{
    auto *label = new QLabel(text, this);
    label->setTextFormat(Qt::PlainText);
    if (!name.isEmpty())
        label->setObjectName(name);
    return label;
}

QLabel *Screen::labelFor(const char *name, const QString &text, QWidget *buddy)
{
    QLabel *label = makeLabel(QString::fromLatin1(name), text);
    label->setTextFormat(Qt::PlainText);
    label->setBuddy(buddy);
    return label;
}

QLineEdit *Screen::makeField(const QString &name, const QString &caption)
{
    auto *field = new QLineEdit(this);
    field->setObjectName(name);
    QString accessible = caption.simplified();
    while (accessible.endsWith(QLatin1Char(':')))
        accessible.chop(1);
    field->setAccessibleName(accessible);
    // Numbers line up on their points, as in a spreadsheet, and the longest result fits.
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->setMinimumWidth(numberFieldWidth(field));
    return field;
}

int Screen::numberFieldWidth(const QLineEdit *field)
{
    // 15 significant digits, a sign, a point and a leading 0; exponent forms are as long.
    static const QString kLongest = QStringLiteral("-0.123456789012345");
    const int frame = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field);
    const QMargins margins = field->textMargins();
    // QLineEdit keeps 2 pixels each side of its text and room for the cursor.
    return field->fontMetrics().horizontalAdvance(kLongest) + 2 * frame + margins.left() + margins.right() + 6;
}

void Screen::markTextField(QLineEdit *field)
{
    field->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    field->setMinimumWidth(0);
}

void Screen::sizeNumberFields()
{
    // A width cap set for the look of a window never cuts a number.
    for (QLineEdit *field : findChildren<QLineEdit *>())
        if (field->maximumWidth() < field->minimumWidth())
            field->setMaximumWidth(field->minimumWidth());
}

QLineEdit *Screen::makeField(const char *name)
{
    return makeField(QString::fromLatin1(name), captionOf(name));
}

QVBoxLayout *Screen::fieldUnderCaption(const char *name, int width, const QString &text)
{
    QLineEdit *field = makeField(name);
    field->setMaximumWidth(std::max(width, field->minimumWidth()));
    auto *box = new QVBoxLayout;
    box->setSpacing(2);
    box->addWidget(labelFor("", text.isEmpty() ? captionOf(name) : text, field));
    box->addWidget(field);
    return box;
}

QLineEdit *Screen::addField(QFormLayout *form, const QString &name, const QString &label, const char *labelName,
                            QLabel **caption)
{
    QLineEdit *field = makeField(name, label);
    QLabel *text = labelFor(labelName ? labelName : "", label, field);
    form->addRow(text, field);
    if (caption)
        *caption = text;
    return field;
}

void Screen::addDisclaimer()
{
    const std::string_view text = m_form ? m_form->disclaimer : std::string_view();
    if (text.empty())
        return;
    auto *line = makeLabel(QString(), formText(text));
    line->setWordWrap(true);
    m_content->addWidget(line);
}

TwoColumns Screen::addTwoColumns()
{
    auto *row = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    left->addWidget(makeLabel(QString(), tr("Your Data Entered on This Side")));
    right->addWidget(makeLabel(QString(), tr("Results Displayed on This Side")));
    TwoColumns columns;
    columns.inputs = new QFormLayout;
    columns.results = new QFormLayout;
    left->addLayout(columns.inputs);
    left->addStretch();
    right->addLayout(columns.results);
    right->addStretch();
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    row->addLayout(left);
    row->addWidget(line);
    row->addLayout(right);
    m_content->addLayout(row);
    return columns;
}

void Screen::onEnter(QWidget *widget, std::function<void()> handler)
{
    m_enterHandlers[widget] = std::move(handler);
    widget->installEventFilter(this);
}

bool Screen::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            const auto handler = m_enterHandlers.find(watched);
            if (handler != m_enterHandlers.end()) {
                handler->second();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Screen::setTabChain(std::initializer_list<QWidget *> chain)
{
    setTabChain(std::vector<QWidget *>(chain));
}

void Screen::setTabChain(const std::vector<QWidget *> &chain)
{
    if (chain.empty())
        return;
    // Qt links each pair into the focus cycle; setting every pair in turn gives the whole
    // chain even where it runs against the order of creation.
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    m_first = chain.front();
    m_last = chain.back();
}

void Screen::showEvent(QShowEvent *event)
{
    if (!m_focusPlaced)
        sizeNumberFields();
    QWidget::showEvent(event);
    if (!m_focusPlaced && m_first) {
        m_focusPlaced = true;
        m_first->setFocus(Qt::OtherFocusReason);
    }
}

void Screen::calculate(const std::function<void()> &steps)
{
    try {
        steps();
        showNotice(QString());
    } catch (const CalcFault &fault) {
        showNotice(QString::fromStdString(fault.message()));
    }
}

void Screen::showNotice(const QString &text)
{
    m_ownNotice = text;
    m_readNotes.clear();
    refreshNotice();
}

void Screen::showOutOfRange()
{
    // Over the middle of the window that raised it, where the eye already is.
    if (QWidget *window = m_host.showWindow(QStringLiteral("Form15")))
        window->move(frameGeometry().center() - QRect(QPoint(), window->frameSize()).center());
}

} // namespace dravex
