// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/notice_windows.h"

#include "screens/column_wrapped_label.h"
#include "screens/svg_picture.h"
#include "shell/window_registry.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace dravex {

IntroWindow::IntroWindow(WindowRegistry &registry, QWidget *parent) : QWidget(parent, Qt::Window), m_registry(registry)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Introduction"));

    auto *title = new QLabel(tr("DRAVEX"), this);
    title->setObjectName(QStringLiteral("Label1"));
    QFont titleFont = title->font();
    titleFont.setPointSize(24);
    titleFont.setBold(true);
    title->setFont(titleFont);

    auto *picture = new SvgPicture(QStringLiteral("Picture1"), QStringLiteral(":/harbour.svg"), QSize(192, 96), this);

    auto *description = new QLabel(tr("A calculations program for oil products: measurement tables, conversions, "
                                      "tank gauging and fuel additives."),
                                   this);
    description->setObjectName(QStringLiteral("Label2"));
    description->setWordWrap(true);
    description->setMaximumWidth(200);

    auto *disclaimer =
        new QLabel(tr("Not responsible for errors due to the many methods of calculations and tables."), this);
    disclaimer->setObjectName(QStringLiteral("Label3"));
    disclaimer->setWordWrap(true);

    auto *contact = new QLabel(tr("Dravex cargo calculations\nQuestions and reports: see README"), this);
    contact->setObjectName(QStringLiteral("Label4"));
    contact->setAlignment(Qt::AlignRight | Qt::AlignBottom);

    auto *next = new QPushButton(tr("Continue"), this);
    next->setObjectName(QStringLiteral("Command1"));
    next->setDefault(true);
    connect(next, &QPushButton::clicked, this, &IntroWindow::Command1_Click);

    auto *grid = new QGridLayout(this);
    grid->addWidget(title, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(picture, 1, 0, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(description, 0, 1, 2, 1, Qt::AlignTop);
    grid->addWidget(disclaimer, 2, 0, 1, 2);
    grid->addWidget(next, 3, 0, Qt::AlignLeft | Qt::AlignBottom);
    grid->addWidget(contact, 3, 1, Qt::AlignRight | Qt::AlignBottom);
    grid->setRowStretch(1, 1);
    resize(446, 276);
    next->setFocus();
}

void IntroWindow::Command1_Click()
{
    m_registry.showWindow(QStringLiteral("Form1"));
    close();
}

OutOfRangeWindow::OutOfRangeWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form15"));
    setWindowTitle(tr("ERROR"));
    // The blanks in the caption break it into "SORRY OUT OF RANGE FOR", "THE PROGRAM.
    // PLEASE" and "REFER TO TABLES." on a label 28 characters wide.
    auto *label = new ColumnWrappedLabel(tr(" SORRY OUT OF RANGE FOR    THE PROGRAM.  PLEASE         REFER TO TABLES."),
                                         28, this);
    label->setObjectName(QStringLiteral("Label1"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    setFixedSize(sizeHint().expandedTo(QSize(195, 49)));
}

} // namespace dravex
