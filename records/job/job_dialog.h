// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/job.h"

#include <QDialog>

class QComboBox;
class QFormLayout;
class QLineEdit;

namespace dravex {

class CurrentJob;

// "Job": what the figures are computed for from now on. Vessel or shore terminal, its
// name, the voyage or reference, the port, the operation and the date, opened with the
// current job; Set job makes it current, No job clears it, Cancel leaves it.
class JobDialog : public QDialog
{
    Q_OBJECT

public:
    explicit JobDialog(CurrentJob &current, QWidget *parent = nullptr);

    // The job as typed.
    Job typed() const;

private:
    void setJob_Click();
    void noJob_Click();
    QLineEdit *addLine(QFormLayout *form, const char *name, const QString &caption);

    CurrentJob &m_current;
    QComboBox *m_site;
    QLineEdit *m_name;
    QLineEdit *m_voyage;
    QLineEdit *m_port;
    QComboBox *m_operation;
    QLineEdit *m_date;
};

} // namespace dravex
