// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/form14_calculator.h"

#include "screens/prompts.h"

#include "core/conventions.h"

#include <QClipboard>
#include <QFont>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeySequence>
#include <QPainter>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>
#include <string_view>
#include <variant>
#include <vector>

namespace dravex {

namespace {

// Operator(i) has the caption and code kOperatorCodes[i].
constexpr char kOperatorCodes[] = {'/', '+', 'X', '-', '='};

// An "=" as the log keeps it: the pending operation with its two numbers, and the result.
const FieldSpec kEqualsFields[] = {
    {"operand1", "First number"},
    {"operator", "Operation"},
    {"operand2", "Second number"},
    {"Readout", "Result"},
};
const FormSpec kEqualsForm{"Form14", "CALCULATOR", kEqualsFields};

std::string registerText(const DeskCalculator::Register &r)
{
    if (const auto *text = std::get_if<std::string>(&r))
        return *text;
    return FormatFieldNumber(std::get<double>(r));
}

// The display keeps its right end in view: a number too long for it is cut on the left,
// as on a desk calculator, so the digit just typed is always seen. The window keeps its
// size whatever the length.
class ReadoutLabel : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QFrame::paintEvent(event);
        QPainter painter(this);
        if (hasFocus()) {
            painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
            painter.drawRect(contentsRect().adjusted(1, 1, -1, -1));
        }
        QRect area = contentsRect().adjusted(margin() + 6, 0, -(margin() + 6), 0);
        painter.setClipRect(area);
        const int width = fontMetrics().horizontalAdvance(text());
        if (width > area.width())
            area.setLeft(area.right() - width);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(area, Qt::AlignRight | Qt::AlignVCenter, text());
    }
};

} // namespace

Form14::Form14(ScreenHost &host, QWidget *parent) : Screen(host, QStringLiteral("Form14"), tr("CALCULATOR"), parent)
{
    Readout = new ReadoutLabel(QStringLiteral("0."), this);
    Readout->setObjectName(QStringLiteral("Readout"));
    Readout->setTextFormat(Qt::PlainText);
    Readout->setAccessibleName(tr("Display"));
    Readout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Readout->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Readout->setAutoFillBackground(true);
    QPalette colours = Readout->palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    Readout->setPalette(colours);
    QFont digits = Readout->font();
    digits.setPointSizeF(digits.pointSizeF() * 1.6);
    Readout->setFont(digits);
    Readout->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    Readout->setMinimumHeight(Readout->sizeHint().height() + 8);
    // It takes the focus so that the keyboard and a screen reader can start at the display.
    Readout->setFocusPolicy(Qt::TabFocus);

    for (int i = 0; i < 10; ++i)
        Number[i] = makeKey(QStringLiteral("Number"), QString::number(i), i);
    for (int i = 0; i < 5; ++i)
        Operator[i] = makeKey(QStringLiteral("Operator"), QString(QLatin1Char(kOperatorCodes[i])), i);
    Decimal = makeKey(QStringLiteral("Decimal"), QStringLiteral("."));
    Percent = makeKey(QStringLiteral("Percent"), QStringLiteral("%"));
    CancelEntry = makeKey(QStringLiteral("CancelEntry"), tr("CE"));
    Cancel = makeKey(QStringLiteral("Cancel"), tr("C"));

    // Digits on the left, functions in the two right columns; 0 is two columns wide.
    auto *grid = new QGridLayout;
    grid->setSpacing(6);
    grid->addWidget(Readout, 0, 0, 1, 5);
    const std::vector<std::vector<QPushButton *>> rows{
        {Number[7], Number[8], Number[9], Cancel, CancelEntry},
        {Number[4], Number[5], Number[6], Operator[1], Operator[3]},
        {Number[1], Number[2], Number[3], Operator[2], Operator[0]},
    };
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 5; ++c)
            grid->addWidget(rows[r][c], r + 1, c);
    grid->addWidget(Number[0], 4, 0, 1, 2);
    grid->addWidget(Decimal, 4, 2);
    grid->addWidget(Operator[4], 4, 3);
    grid->addWidget(Percent, 4, 4);
    content()->addLayout(grid);

    setTabChain({Readout,     Number[7],   Number[8],   Number[9],   Cancel,      CancelEntry, Number[4],
                 Number[5],   Number[6],   Operator[1], Operator[3], Number[1],   Number[2],   Number[3],
                 Operator[2], Operator[0], Number[0],   Decimal,     Operator[4], Percent});

    for (int i = 0; i < 10; ++i) {
        connect(Number[i], &QPushButton::clicked, this, [this, i] { Number_Click(i); });
        addKeys(Number[i], {Qt::Key_0 + i});
    }
    for (int i = 0; i < 5; ++i)
        connect(Operator[i], &QPushButton::clicked, this, [this, i] { Operator_Click(i); });
    connect(Decimal, &QPushButton::clicked, this, &Form14::Decimal_Click);
    connect(Percent, &QPushButton::clicked, this, &Form14::Percent_Click);
    connect(CancelEntry, &QPushButton::clicked, this, &Form14::CancelEntry_Click);
    connect(Cancel, &QPushButton::clicked, this, &Form14::Cancel_Click);

    addKeys(Operator[0], {Qt::Key_Slash});
    addKeys(Operator[1], {Qt::Key_Plus});
    addKeys(Operator[2], {Qt::Key_Asterisk, Qt::Key_X});
    addKeys(Operator[3], {Qt::Key_Minus});
    addKeys(Operator[4], {Qt::Key_Equal, Qt::Key_Return, Qt::Key_Enter});
    // Whatever the keyboard layout writes on the keypad's decimal key, it is the point.
    addKeys(Decimal, {Qt::Key_Period, Qt::Key_Comma});
    addKeys(Percent, {Qt::Key_Percent});
    addKeys(CancelEntry, {Qt::Key_Delete});
    addKeys(Cancel, {Qt::Key_Escape});

    auto *copy = new QShortcut(QKeySequence::Copy, this);
    connect(copy, &QShortcut::activated, this, &Form14::copyDisplay);
    auto *paste = new QShortcut(QKeySequence::Paste, this);
    connect(paste, &QShortcut::activated, this, &Form14::pasteNumber);

    Form_Load();
    host.addCalculationActions(this);
}

void Form14::copyDisplay()
{
    // The number without the point that ends a whole number being typed: "12." copies 12.
    QString number = Readout->text();
    if (number.endsWith(QLatin1Char(DeskCalculator::kDecimalSeparator)))
        number.chop(1);
    QGuiApplication::clipboard()->setText(number);
}

void Form14::pasteNumber()
{
    // A number on the clipboard is read as a field reads it ("1,250.75", " 7 ", "1.5E3"),
    // then typed key by key in the form a field shows it, so it behaves as typing it would.
    // Text that is not a number, or a number the display cannot hold, types nothing.
    const QString text = QGuiApplication::clipboard()->text().trimmed();
    std::string typed;
    try {
        typed = FormatFieldNumber(ParseFieldNumber(text.toStdString()));
    } catch (const CalcFault &) {
        showNotice(tr("Paste: '%1' is not a number; nothing was typed.").arg(text.left(40)));
        return;
    }
    const auto digits = std::count_if(typed.begin(), typed.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (typed.find_first_not_of("-.0123456789") != std::string::npos || digits > DeskCalculator::kMaxDigits) {
        showNotice(tr("Paste: '%1' has more digits than the display holds; nothing was typed.").arg(text.left(40)));
        return;
    }
    for (const char c : typed) {
        if (c == '-')
            Operator[3]->click();
        else if (c == DeskCalculator::kDecimalSeparator)
            Decimal->click();
        else
            Number[c - '0']->click();
    }
}

QPushButton *Form14::makeKey(const QString &name, const QString &caption, int index)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    if (index >= 0)
        button->setProperty("index", index);
    button->setMinimumSize(52, 40);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    return button;
}

void Form14::addKeys(QPushButton *button, std::initializer_list<int> keys)
{
    QStringList names;
    for (int key : keys) {
        // Keypad keys find these too: a shortcut without the keypad modifier matches them.
        auto *shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
        names << QKeySequence(key).toString(QKeySequence::NativeText);
    }
    button->setToolTip(tr("Key: %1").arg(names.join(tr(" or "))));
}

void Form14::press(const std::function<void()> &key)
{
    calculate(key);
    showReadout();
}

void Form14::showReadout()
{
    Readout->setText(QString::fromStdString(m_calc.display()));
}

void Form14::Form_Load()
{
    m_calc.Load();
    showReadout();
}

void Form14::Number_Click(int index)
{
    press([&] { m_calc.Number(Number[index]->text().toInt()); });
}

void Form14::Operator_Click(int index)
{
    const char op = Operator[index]->text().at(0).toLatin1();
    FormResult equals;
    if (op == '=') {
        const char pending = m_calc.pendingOperator();
        if (std::string_view("+-X/%").find(pending) != std::string_view::npos) {
            equals.reads.push_back({"operand1", registerText(m_calc.accumulator())});
            equals.reads.push_back({"operator", std::string(1, pending)});
        }
        equals.reads.push_back({"operand2", m_calc.display()});
    }
    press([&] {
        m_calc.Operator(op, [this, &equals] {
            showReadout();
            host().prompts().warn(this, tr("Calculator"), tr("Can't divide by zero"));
            equals.outcome = FormOutcome::Fault;
            equals.fault = CalcFault::Kind::DivisionByZero;
            equals.notice = "Can't divide by zero";
        });
    });
    if (op != '=')
        return;
    if (!notice().isEmpty() && equals.completed()) {
        equals.outcome = FormOutcome::Fault;
        equals.notice = notice().toStdString();
    }
    equals.writes.push_back({"Readout", m_calc.display()});
    host().calculationDone(kEqualsForm, equals);
}

void Form14::Decimal_Click()
{
    press([&] { m_calc.Decimal(); });
}

void Form14::Percent_Click()
{
    press([&] { m_calc.Percent(); });
}

void Form14::CancelEntry_Click()
{
    press([&] { m_calc.CancelEntry(); });
}

void Form14::Cancel_Click()
{
    press([&] { m_calc.Cancel(); });
}

QWidget *makeForm14(ScreenHost &host)
{
    return new Form14(host);
}

} // namespace dravex
