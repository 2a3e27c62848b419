// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/store/store_connection.h"

#include "records/store/store_session.h"
#include "screens/prompts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <iterator>

namespace dravex {

namespace {

// libpq's sslmode values; empty: libpq's default (or the service file's).
const char *const kSslModes[] = {"", "disable", "allow", "prefer", "require", "verify-ca", "verify-full"};

// A caption that names its control, for the keyboard (its Alt key) and for a screen reader.
void caption(QFormLayout *form, QWidget *control, const QString &text)
{
    auto *label = new QLabel(text, form->parentWidget());
    label->setBuddy(control);
    control->setAccessibleName(QString(text).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    form->addRow(label, control);
}

QPushButton *button(QWidget *parent, const char *name, const QString &text)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

StoreConnection::StoreConnection(StoreSession &session, Prompts &prompts, QWidget *parent)
    : QDialog(parent), m_session(session), m_prompts(prompts)
{
    setObjectName(QStringLiteral("StoreConnection"));
    setWindowTitle(tr("Company Store"));

    auto *root = new QVBoxLayout(this);
    auto *intro = new QLabel(tr("A service name of your PostgreSQL service file, or host, port and database. "
                                "Dravex keeps no password: PostgreSQL reads it from your ~/.pgpass or the "
                                "service file."),
                             this);
    intro->setWordWrap(true);
    root->addWidget(intro);
    auto *form = new QFormLayout;
    root->addLayout(form);
    m_service = addLine(form, "storeService", tr("S&ervice name:"));
    m_host = addLine(form, "storeHost", tr("&Host:"));
    m_port = addLine(form, "storePort", tr("P&ort:"));
    m_port->setValidator(new QIntValidator(1, 65535, m_port));
    m_port->setPlaceholderText(QStringLiteral("5432"));
    m_database = addLine(form, "storeDatabase", tr("&Database:"));
    m_user = addLine(form, "storeUser", tr("&User:"));
    m_sslmode = new QComboBox(this);
    m_sslmode->setObjectName(QStringLiteral("storeSslmode"));
    for (const char *mode : kSslModes)
        m_sslmode->addItem(*mode ? QString::fromLatin1(mode) : tr("(default)"), QString::fromLatin1(mode));
    caption(form, m_sslmode, tr("TLS (ssl&mode):"));
    m_caFile = new QLineEdit(this);
    m_caFile->setObjectName(QStringLiteral("storeCaFile"));
    m_browse = button(this, "storeBrowse", tr("Bro&wse…"));
    auto *caRow = new QHBoxLayout;
    caRow->addWidget(m_caFile, 1);
    caRow->addWidget(m_browse);
    auto *caLabel = new QLabel(tr("&CA file:"), this);
    caLabel->setBuddy(m_caFile);
    m_caFile->setAccessibleName(tr("CA file"));
    form->addRow(caLabel, caRow);

    m_state = new QLabel(this);
    m_state->setObjectName(QStringLiteral("storeState"));
    m_state->setTextFormat(Qt::PlainText);
    m_state->setWordWrap(true);
    m_state->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_state->setAccessibleName(tr("Connection"));
    root->addWidget(m_state);
    auto *outboxRow = new QHBoxLayout;
    m_outbox = new QLabel(this);
    m_outbox->setObjectName(QStringLiteral("storeOutbox"));
    m_outbox->setTextFormat(Qt::PlainText);
    m_outbox->setWordWrap(true);
    m_outbox->setAccessibleName(tr("Outbox"));
    m_dropRefused = button(this, "storeDropRefused", tr("Set the refused save &aside"));
    m_dropRefused->setToolTip(tr("The store keeps it as a refused revision; the saves after it are sent"));
    outboxRow->addWidget(m_outbox, 1);
    outboxRow->addWidget(m_dropRefused);
    root->addLayout(outboxRow);

    auto *buttons = new QDialogButtonBox(this);
    m_test = button(this, "storeTest", tr("Te&st"));
    m_connect = button(this, "storeConnect", tr("Co&nnect"));
    m_connect->setDefault(true);
    m_disconnect = button(this, "storeDisconnect", tr("Disconnec&t"));
    auto *close = button(this, "storeClose", tr("C&lose"));
    buttons->addButton(m_test, QDialogButtonBox::ActionRole);
    buttons->addButton(m_connect, QDialogButtonBox::AcceptRole);
    buttons->addButton(m_disconnect, QDialogButtonBox::ActionRole);
    buttons->addButton(close, QDialogButtonBox::RejectRole);
    root->addWidget(buttons);

    connect(m_test, &QPushButton::clicked, this, &StoreConnection::test_Click);
    connect(m_connect, &QPushButton::clicked, this, &StoreConnection::connect_Click);
    connect(m_disconnect, &QPushButton::clicked, this, &StoreConnection::disconnect_Click);
    connect(m_browse, &QPushButton::clicked, this, &StoreConnection::browse_Click);
    connect(m_dropRefused, &QPushButton::clicked, this, &StoreConnection::dropRefused_Click);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(&m_session, &StoreSession::stateChanged, this, &StoreConnection::showState);
    connect(&m_session, &StoreSession::tested, this, [this](bool ok, const QString &message) {
        m_tested = ok ? tr("Test: %1").arg(message) : tr("Test failed: %1").arg(message);
        m_test->setEnabled(true);
        showState();
    });

    const StoreSettings &s = m_session.settings();
    m_service->setText(s.service);
    m_host->setText(s.host);
    m_port->setText(s.port);
    m_database->setText(s.database);
    m_user->setText(s.user);
    m_sslmode->setCurrentIndex(qMax(0, m_sslmode->findData(s.sslmode)));
    m_caFile->setText(s.caFile);

    QWidget *order[] = {m_service, m_host, m_port,    m_database,   m_user, m_sslmode,    m_caFile,
                        m_browse,  m_test, m_connect, m_disconnect, close,  m_dropRefused};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    (s.service.isEmpty() && !s.host.isEmpty() ? m_host : m_service)->setFocus(Qt::OtherFocusReason);
    showState();
}

QLineEdit *StoreConnection::addLine(QFormLayout *form, const char *name, const QString &text)
{
    auto *line = new QLineEdit(this);
    line->setObjectName(QLatin1String(name));
    line->setMaxLength(500);
    caption(form, line, text);
    return line;
}

StoreSettings StoreConnection::typed() const
{
    StoreSettings s;
    s.service = m_service->text().trimmed();
    s.host = m_host->text().trimmed();
    s.port = m_port->text().trimmed();
    s.database = m_database->text().trimmed();
    s.user = m_user->text().trimmed();
    s.sslmode = m_sslmode->currentData().toString();
    s.caFile = m_caFile->text().trimmed();
    return s;
}

void StoreConnection::showState()
{
    QString text;
    switch (m_session.state()) {
    case StoreSession::State::Offline:
        text = tr("Not connected.");
        break;
    case StoreSession::State::Connecting:
        text = tr("Connecting to %1…").arg(m_session.settings().describe());
        break;
    case StoreSession::State::Connected:
        text = tr("Connected to %1.").arg(m_session.settings().describe());
        break;
    case StoreSession::State::Failed:
        text = tr("No connection to %1: %2").arg(m_session.settings().describe(), m_session.message());
        break;
    }
    if (!m_tested.isEmpty())
        text += QLatin1Char('\n') + m_tested;
    m_state->setText(text);
    const QString refused = m_session.refused();
    const qint64 waiting = m_session.waiting();
    if (!refused.isEmpty())
        m_outbox->setText(tr("The store refused a save; the outbox waits: %1").arg(refused));
    else if (waiting > 0)
        m_outbox->setText(tr("%n save(s) wait in the outbox.", nullptr, int(waiting)));
    else
        m_outbox->setText(tr("The outbox is empty."));
    if (const QString problem = m_session.outbox().problem(); !problem.isEmpty())
        m_outbox->setText(m_outbox->text() + QLatin1Char(' ') + problem);
    m_dropRefused->setVisible(!refused.isEmpty());
    m_disconnect->setEnabled(m_session.state() != StoreSession::State::Offline);
}

void StoreConnection::test_Click()
{
    m_tested = tr("Testing…");
    m_test->setEnabled(false);
    showState();
    m_session.test(typed());
}

void StoreConnection::connect_Click()
{
    m_tested.clear();
    m_session.connectTo(typed());
}

void StoreConnection::disconnect_Click()
{
    m_session.disconnectFrom();
}

void StoreConnection::browse_Click()
{
    const QString path =
        m_prompts.openPath(this, tr("CA file"), m_caFile->text(), tr("Certificates (*.crt *.pem);;All files (*)"));
    if (!path.isEmpty())
        m_caFile->setText(path);
}

void StoreConnection::dropRefused_Click()
{
    m_session.dropRefused();
}

} // namespace dravex
