// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace dravex {

class ScreenHost;

// The help window both FSII screens open: three steps with the help's own example
// values. It has no fields and no code of its own.
class Form17 : public QWidget
{
    Q_OBJECT

public:
    explicit Form17(QWidget *parent = nullptr);
};

QWidget *makeForm17(ScreenHost &host);

} // namespace dravex
