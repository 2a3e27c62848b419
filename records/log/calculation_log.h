// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/calculation_print.h"
#include "records/log/calc_record.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include <memory>
#include <optional>

class QWidget;

namespace dravex {

class LogWriter;

// The calculation log of the running program: takes each calculation a window reports,
// keeps the last one of every window for copy and print, and hands it to the writer
// thread while logging is on. The file is opened with the first record or the first look
// at the log, never during start-up. A problem with the file never stops calculating: it
// is reported through problemChanged in one line.
class CalculationLog : public QObject
{
    Q_OBJECT

public:
    explicit CalculationLog(QObject *parent = nullptr);
    ~CalculationLog() override;

    // "Keep a log": remembered across runs; on unless turned off.
    bool keeping() const;
    void setKeeping(bool on);
    // For this run only, not remembered (tests, benchmarks).
    void setKeepingForSession(bool on);

    QString path() const;
    void setPath(const QString &path);

    // A window computed, or stopped: window shows the result already. The record carries
    // the current job.
    void record(QWidget *window, const FormSpec &form, const FormResult &result);
    void record(CalcRecord record);
    // The last calculation of a window in this run, or null.
    const CalcRecord *last(const QString &window) const;
    // The window shows no calculation of this run any more (an entry of the log was put
    // back into it): copy and print have nothing to take until it computes again.
    void forget(const QString &window);

    // Opens the file on the writer's thread if not done yet.
    void start();
    // The file is open and up to date.
    bool ready() const { return m_ready; }
    // The last problem in one line, empty when the log is written as it should be.
    QString problem() const { return m_problem; }
    // Waits until every record handed over is written or ms have passed (tests).
    bool waitWritten(int ms);

    // Copy calculation, Print... and Export PDF... of a window's last calculation.
    void copyCalculation(QWidget *window);
    void printCalculation(QWidget *window);
    void exportCalculationPdf(QWidget *window);

    // Prints or exports records, asking as the program does.
    void printRecords(QWidget *parent, const QList<CalcRecord> &records);
    void exportPdf(QWidget *parent, const QList<CalcRecord> &records, const QString &suggestedName);
    // The same for count records read one at a time, with progress and Cancel once it takes
    // more than a second. A cancelled export leaves no file; a cancelled print is aborted.
    void printRecords(QWidget *parent, qsizetype count, const QString &title, const RecordStream &records);
    void exportPdf(QWidget *parent, qsizetype count, const QString &title, const QString &suggestedName,
                   const RecordStream &records);

    // The log window found the file damaged while reading it: the writer checks it and, if
    // so, sets it aside and starts a new log, as when it finds damage itself.
    void reportDamage();

    // The questions printing, export and delete ask; set by the records before first use.
    Prompts &prompts() { return *m_prompts; }
    void setPrompts(Prompts *prompts) { m_prompts = prompts; }

signals:
    void problemChanged(const QString &problem);
    void readyChanged();
    void written(qint64 id);

private:
    std::unique_ptr<LogWriter> m_writer;
    Prompts *m_prompts = nullptr;
    QString m_path;
    std::optional<bool> m_keeping;
    std::optional<bool> m_sessionKeeping;
    QHash<QString, CalcRecord> m_last;
    bool m_ready = false;
    QString m_problem;
    // The problem is one that a later write clears (a full disk, a log in use).
    bool m_recordsWaiting = false;

    LogWriter &writer();
    // The records as a PDF file, whole or not at all; a failure is told under caption.
    void writePdfFile(QWidget *parent, const QString &caption, const QString &file, qsizetype count,
                      const QString &title, const QString &reference, const RecordStream &records);
    void setProblem(const QString &problem);
};

} // namespace dravex
