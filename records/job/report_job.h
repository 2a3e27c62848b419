// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/cargo_report.h"
#include "core/job.h"

class QWidget;

namespace dravex {

class CurrentJob;
class Prompts;

// The job a cargo report's header names: its vessel or terminal, voyage, port, operation
// and date. The site is the current job's when the name is the same, else a vessel (the
// header does not say).
Job JobOfReport(const ReportHeader &header, const Job &current);

// A report was opened or saved: when its header names a job other than the current one,
// asks whether to make it current, and does so on Yes. A header with nothing typed asks
// nothing.
void OfferReportJob(QWidget *parent, Prompts &prompts, const ReportHeader &header, CurrentJob &current);
void OfferReportJob(QWidget *parent, Prompts &prompts, const ReportHeader &header);

} // namespace dravex
