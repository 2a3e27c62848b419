// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/job/job_dialog.h"

#include "records/job/current_job.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace dravex {

namespace {

constexpr ReportOperation kOperations[] = {ReportOperation::Loading, ReportOperation::Discharge,
                                           ReportOperation::OnArrival, ReportOperation::OnSailing,
                                           ReportOperation::Other};

// A caption that names its control, for the keyboard (its Alt key) and for a screen reader.
void caption(QFormLayout *form, QWidget *control, const QString &text)
{
    auto *label = new QLabel(text, form->parentWidget());
    label->setBuddy(control);
    control->setAccessibleName(QString(text).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    form->addRow(label, control);
}

} // namespace

JobDialog::JobDialog(CurrentJob &current, QWidget *parent) : QDialog(parent), m_current(current)
{
    setObjectName(QStringLiteral("JobDialog"));
    setWindowTitle(tr("Job"));

    auto *form = new QFormLayout;
    auto *root = new QVBoxLayout(this);
    root->addLayout(form);

    m_site = new QComboBox(this);
    m_site->setObjectName(QStringLiteral("jobSite"));
    m_site->addItems({tr("Vessel"), tr("Shore terminal")});
    caption(form, m_site, tr("&Site:"));
    m_name = addLine(form, "jobName", tr("&Name:"));
    m_voyage = addLine(form, "jobVoyage", tr("&Voyage or reference:"));
    m_port = addLine(form, "jobPort", tr("&Port:"));
    m_operation = new QComboBox(this);
    m_operation->setObjectName(QStringLiteral("jobOperation"));
    for (const ReportOperation op : kOperations)
        m_operation->addItem(CurrentJob::operationName(op));
    caption(form, m_operation, tr("&Operation:"));
    m_date = addLine(form, "jobDate", tr("&Date:"));
    m_date->setPlaceholderText(tr("YYYY-MM-DD"));

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *set = buttons->addButton(tr("S&et job"), QDialogButtonBox::AcceptRole);
    set->setObjectName(QStringLiteral("jobSet"));
    set->setDefault(true);
    QPushButton *none = buttons->addButton(tr("No &job"), QDialogButtonBox::ResetRole);
    none->setObjectName(QStringLiteral("jobNone"));
    none->setToolTip(tr("Figures computed from now on belong to no job"));
    QPushButton *cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("jobCancel"));
    root->addWidget(buttons);
    connect(set, &QPushButton::clicked, this, &JobDialog::setJob_Click);
    connect(none, &QPushButton::clicked, this, &JobDialog::noJob_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    const Job &job = m_current.job();
    m_site->setCurrentIndex(job.site == JobSite::Vessel ? 0 : 1);
    m_name->setText(QString::fromStdString(job.name));
    m_voyage->setText(QString::fromStdString(job.voyage));
    m_port->setText(QString::fromStdString(job.port));
    m_operation->setCurrentIndex(int(job.operation));
    m_date->setText(QString::fromStdString(job.date));

    // The reading order, whole, and the name first: the site is most often a vessel.
    QWidget *order[] = {m_site, m_name, m_voyage, m_port, m_operation, m_date, set, none, cancel};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    m_name->setFocus(Qt::OtherFocusReason);
}

QLineEdit *JobDialog::addLine(QFormLayout *form, const char *name, const QString &text)
{
    auto *line = new QLineEdit(this);
    line->setObjectName(QLatin1String(name));
    line->setMaxLength(200);
    caption(form, line, text);
    return line;
}

Job JobDialog::typed() const
{
    Job job;
    job.site = m_site->currentIndex() == 1 ? JobSite::ShoreTerminal : JobSite::Vessel;
    job.name = m_name->text().trimmed().toStdString();
    job.voyage = m_voyage->text().trimmed().toStdString();
    job.port = m_port->text().trimmed().toStdString();
    job.operation = kOperations[std::max(0, m_operation->currentIndex())];
    job.date = m_date->text().trimmed().toStdString();
    return job;
}

void JobDialog::setJob_Click()
{
    // Nothing typed is "No job".
    m_current.setJob(typed());
    accept();
}

void JobDialog::noJob_Click()
{
    m_current.setJob({});
    accept();
}

} // namespace dravex
