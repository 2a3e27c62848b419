// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/log/calculation_log.h"

#include "records/job/current_job.h"
#include "records/log/log_writer.h"
#include "records/paper/atomic_file.h"
#include "records/settings.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QPrinter>
#include <QWidget>

namespace dravex {

namespace {

const char kKeepLogKey[] = "records/keepLog";

// Problems under which records wait and that the next record written clears.
bool waitsForRoom(LogStatus::Problem problem)
{
    return problem == LogStatus::Problem::DiskFull || problem == LogStatus::Problem::Locked;
}

// "table-6a-20261207-101112.pdf", from the window's title: never a control's internal name.
QString pdfName(const CalcRecord &r)
{
    const QString table = TableOf(r.title);
    QString name = table.isEmpty() ? r.title.toLower() : QStringLiteral("table-") + table.toLower();
    for (QChar &c : name)
        if (!c.isLetterOrNumber())
            c = QLatin1Char('-');
    name = name.split(QLatin1Char('-'), Qt::SkipEmptyParts).join(QLatin1Char('-'));
    return QStringLiteral("%1-%2.pdf").arg(name, r.at.toString(QStringLiteral("yyyyMMdd-HHmmss")));
}

// Remembers whether the person cancelled.
struct WatchedProgress : Progress
{
    explicit WatchedProgress(Progress &inner) : inner(inner) {}
    bool step(qint64 done) override
    {
        cancelled = cancelled || !inner.step(done);
        return !cancelled;
    }
    Progress &inner;
    bool cancelled = false;
};

} // namespace

CalculationLog::CalculationLog(QObject *parent) : QObject(parent) {}

CalculationLog::~CalculationLog()
{
    // Writes what is queued before the program ends.
    m_writer.reset();
}

bool CalculationLog::keeping() const
{
    if (m_sessionKeeping)
        return *m_sessionKeeping;
    if (!m_keeping)
        const_cast<CalculationLog *>(this)->m_keeping = Settings().value(QLatin1String(kKeepLogKey), true).toBool();
    return *m_keeping;
}

void CalculationLog::setKeeping(bool on)
{
    m_keeping = on;
    m_sessionKeeping.reset();
    Settings().setValue(QLatin1String(kKeepLogKey), on);
}

void CalculationLog::setKeepingForSession(bool on)
{
    m_sessionKeeping = on;
}

QString CalculationLog::path() const
{
    return m_path.isEmpty() ? LogStore::defaultPath() : m_path;
}

void CalculationLog::setPath(const QString &path)
{
    m_path = path;
}

LogWriter &CalculationLog::writer()
{
    if (!m_writer) {
        m_writer = std::make_unique<LogWriter>(path(), [this](const LogWriter::Event &event) {
            QMetaObject::invokeMethod(
                this,
                [this, event] {
                    switch (event.kind) {
                    case LogWriter::Event::Kind::Opened:
                        m_ready = true;
                        m_recordsWaiting = waitsForRoom(event.status.problem);
                        setProblem(event.status.message);
                        emit readyChanged();
                        break;
                    case LogWriter::Event::Kind::Merged:
                    case LogWriter::Event::Kind::Written:
                        // A record written: the disk has room again, or the other program let go.
                        if (m_recordsWaiting) {
                            m_recordsWaiting = false;
                            setProblem(QString());
                        }
                        emit written(event.id);
                        break;
                    case LogWriter::Event::Kind::Problem:
                        m_recordsWaiting = waitsForRoom(event.status.problem);
                        setProblem(event.status.message);
                        break;
                    }
                },
                Qt::QueuedConnection);
        });
    }
    return *m_writer;
}

void CalculationLog::start()
{
    writer().start();
}

bool CalculationLog::waitWritten(int ms)
{
    return !m_writer || m_writer->waitIdle(ms);
}

void CalculationLog::setProblem(const QString &problem)
{
    if (problem == m_problem)
        return;
    m_problem = problem;
    emit problemChanged(problem);
}

void CalculationLog::record(QWidget *window, const FormSpec &form, const FormResult &result)
{
    CalcRecord r = MakeRecord(form, result, LocalNow());
    r.job = CurrentJob::instance().job();
    // The window's disclaimer line as the window shows it (translated under the context of
    // the window descriptions).
    if (!form.disclaimer.empty())
        r.disclaimer = QCoreApplication::translate("dravex::FormSpec", std::string(form.disclaimer).c_str());
    // The choices the window's calculation used: control, caption and text in turn.
    const QStringList options = window ? window->property("calculatedOptions").toStringList() : QStringList();
    for (qsizetype i = 0; i + 2 < options.size(); i += 3)
        r.options.push_back({options[i], options[i + 1], options[i + 2]});
    record(std::move(r));
}

void CalculationLog::forget(const QString &window)
{
    m_last.remove(window);
}

void CalculationLog::record(CalcRecord r)
{
    const QString window = r.window;
    if (keeping()) {
        m_last.insert(window, r);
        writer().add(std::move(r));
    } else {
        m_last.insert(window, std::move(r));
    }
}

const CalcRecord *CalculationLog::last(const QString &window) const
{
    const auto found = m_last.constFind(window);
    return found == m_last.constEnd() ? nullptr : &*found;
}

void CalculationLog::copyCalculation(QWidget *window)
{
    const CalcRecord *r = last(window->objectName());
    if (!r) {
        QApplication::beep();
        return;
    }
    QApplication::clipboard()->setText(CopyText(*r));
}

void CalculationLog::printCalculation(QWidget *window)
{
    if (const CalcRecord *r = last(window->objectName()))
        printRecords(window, {*r});
    else
        QApplication::beep();
}

void CalculationLog::exportCalculationPdf(QWidget *window)
{
    if (const CalcRecord *r = last(window->objectName()))
        exportPdf(window, {*r}, pdfName(*r));
    else
        QApplication::beep();
}

void CalculationLog::printRecords(QWidget *parent, const QList<CalcRecord> &records)
{
    if (!records.isEmpty())
        printRecords(parent, records.size(), records.size() == 1 ? records.front().title : tr("Calculation log"),
                     StreamOf(records));
}

void CalculationLog::exportPdf(QWidget *parent, const QList<CalcRecord> &records, const QString &suggestedName)
{
    if (!records.isEmpty())
        exportPdf(parent, records.size(), records.size() == 1 ? records.front().title : tr("Calculation log"),
                  suggestedName, StreamOf(records));
}

void CalculationLog::printRecords(QWidget *parent, qsizetype count, const QString &title, const RecordStream &records)
{
    if (count == 0)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(LocalePageSize());
    printer.setDocName(title);
    QString reference;
    if (!m_prompts->printSetup(parent, printer, reference))
        return;
    // Printed to a file: the file is written as an export is, whole or not at all.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        writePdfFile(parent, tr("Print"), printer.outputFileName(), count, title, reference, records);
        return;
    }
    // The pages are shown before they are printed.
    if (!m_prompts->previewPrint(parent, printer, [&](QPrinter &preview) {
            PageFrame frame(title, reference);
            PaintRecords(preview, count, records, frame);
        }))
        return;
    const std::unique_ptr<Progress> progress =
        m_prompts->progress(parent, tr("Printing %n calculation(s)...", "", int(count)), count > 1 ? 2 * count : 1);
    WatchedProgress watched(*progress);
    PageFrame frame(title, reference);
    if (!PaintRecords(printer, count, records, frame, &watched) && !watched.cancelled)
        m_prompts->warn(parent, tr("Print"),
                        tr("The calculations could not be printed on %1.").arg(printer.printerName()));
}

void CalculationLog::exportPdf(QWidget *parent, qsizetype count, const QString &title, const QString &suggestedName,
                               const RecordStream &records)
{
    if (count == 0)
        return;
    QString reference;
    if (!m_prompts->askReference(parent, tr("Export PDF"), reference))
        return;
    QString file = m_prompts->savePath(parent, tr("Export PDF"), suggestedName, tr("PDF files (*.pdf)"));
    if (file.isEmpty())
        return;
    if (!file.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        file += QLatin1String(".pdf");
    writePdfFile(parent, tr("Export PDF"), file, count, title, reference, records);
}

void CalculationLog::writePdfFile(QWidget *parent, const QString &caption, const QString &file, qsizetype count,
                                  const QString &title, const QString &reference, const RecordStream &records)
{
    // A cancelled or failed export leaves no file and keeps what was there.
    AtomicFile out(file);
    if (out.open()) {
        const std::unique_ptr<Progress> progress = m_prompts->progress(
            parent, tr("Exporting %n calculation(s)...", "", int(count)), count > 1 ? 2 * count : 1);
        WatchedProgress watched(*progress);
        PageFrame frame(title, reference);
        const bool painted = WritePdf(out.device(), count, records, frame, &watched);
        if (watched.cancelled) {
            out.cancel();
            return;
        }
        if (painted && out.commit())
            return;
        if (!painted) {
            out.cancel();
            // Nothing failed on the disk: the entries could not be read or laid out.
            if (out.reason().isEmpty()) {
                m_prompts->warn(parent, caption,
                                tr("The file %1 could not be written: the calculations could not be read.")
                                    .arg(QDir::toNativeSeparators(file)));
                return;
            }
        }
    }
    m_prompts->warn(parent, caption, out.failure());
}

void CalculationLog::reportDamage()
{
    writer().checkAgain();
}

} // namespace dravex
