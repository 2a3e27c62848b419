// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/prompts.h"

namespace dravex {

// The program's prompts with the print dialog and its preview, which need the printing
// libraries of this module.
class PrintPrompts : public Prompts
{
    Q_DECLARE_TR_FUNCTIONS(dravex::PrintPrompts)

public:
    bool printSetup(QWidget *parent, QPrinter &printer, QString &reference) override;
    bool previewPrint(QWidget *parent, QPrinter &printer, const std::function<void(QPrinter &)> &paint) override;
};

} // namespace dravex
