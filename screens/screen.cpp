#include "screens/screen.h"

#include "core/conventions.h"

#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace dravex {

Screen::Screen(ScreenHost &host, const QString &name, const QString &caption, QWidget *parent)
    : QWidget(parent, Qt::Window), m_host(host)
{
    setObjectName(name);
    setWindowTitle(caption);
    auto *root = new QVBoxLayout(this);
    m_content = new QVBoxLayout;
    root->addLayout(m_content);
    m_notice = new QLabel(this);
    m_notice->setObjectName(QStringLiteral("notice"));
    m_notice->setWordWrap(true);
    m_notice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_notice->setStyleSheet(QStringLiteral("QLabel { color: #a00000; font-weight: bold; }"));
    m_notice->setAccessibleName(tr("Notice"));
    m_notice->hide();
    root->addWidget(m_notice);
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
    if (!name.isEmpty())
        label->setObjectName(name);
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
    return field;
}

QLineEdit *Screen::addField(QFormLayout *form, const QString &name, const QString &label)
{
    QLineEdit *field = makeField(name, label);
    QLabel *caption = makeLabel(QString(), label);
    caption->setBuddy(field);
    form->addRow(caption, field);
    return field;
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
}

void Screen::showEvent(QShowEvent *event)
{
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
    m_notice->setText(text);
    m_notice->setVisible(!text.isEmpty());
}

double Screen::ReadFieldNumber(const QLineEdit *field) const
{
    return ParseFieldNumber(field->text().toStdString(), field->accessibleName().toStdString());
}

void Screen::ShowFieldNumber(QLineEdit *field, double x)
{
    field->setText(QString::fromStdString(FormatFieldNumber(x)));
}

void Screen::showOutOfRange()
{
    m_host.showWindow(QStringLiteral("Form15"));
}

} // namespace dravex
