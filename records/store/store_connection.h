// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/store/store_worker.h"

#include <QDialog>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace dravex {

class Prompts;
class StoreSession;

// "Company store": where the store is and who connects (a service name of the user's
// PostgreSQL service file, or host, port and database; the user's own role; how TLS is
// checked and the company's CA file), Test, Connect, Disconnect and Close; the state of
// the connection and of the outbox below. No password field: libpq reads the password
// from ~/.pgpass or the service file.
class StoreConnection : public QDialog
{
    Q_OBJECT

public:
    StoreConnection(StoreSession &session, Prompts &prompts, QWidget *parent = nullptr);

    StoreSettings typed() const;

private:
    void test_Click();
    void connect_Click();
    void disconnect_Click();
    void browse_Click();
    void dropRefused_Click();
    void showState();
    QLineEdit *addLine(QFormLayout *form, const char *name, const QString &caption);

    StoreSession &m_session;
    Prompts &m_prompts;
    QLineEdit *m_service;
    QLineEdit *m_host;
    QLineEdit *m_port;
    QLineEdit *m_database;
    QLineEdit *m_user;
    QComboBox *m_sslmode;
    QLineEdit *m_caFile;
    QPushButton *m_browse;
    QLabel *m_state;
    QLabel *m_outbox;
    QPushButton *m_test;
    QPushButton *m_connect;
    QPushButton *m_disconnect;
    QPushButton *m_dropRefused;
    QString m_tested;
};

} // namespace dravex
