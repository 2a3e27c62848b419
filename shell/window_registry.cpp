// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/window_registry.h"

#include <QMessageBox>

namespace dravex {

WindowRegistry::WindowRegistry(std::span<const ScreenEntry> screens)
{
    for (const ScreenEntry &screen : screens)
        add(QString::fromLatin1(screen.name), screen.make);
    // Every calculating window says, under its own notice, when the log cannot be
    // written; the log window says it at length.
    QObject::connect(&m_log, &CalculationLog::problemChanged, &m_log, [this](const QString &problem) {
        for (const auto &[name, w] : m_open)
            if (auto *screen = qobject_cast<Screen *>(w.data()))
                screen->showRecordsProblem(recordsProblemLine(problem));
    });
}

QString WindowRegistry::recordsProblemLine(const QString &problem)
{
    return problem.isEmpty() ? QString() : QObject::tr("The calculation log is not being written: %1").arg(problem);
}

void WindowRegistry::add(const QString &name, ScreenFactory factory)
{
    if (!m_factories.emplace(name, std::move(factory)).second)
        qFatal("window %s registered twice", qPrintable(name));
}

void WindowRegistry::addMany(const QString &name, ScreenFactory factory)
{
    m_factories[name] = std::move(factory);
    m_many.insert(name);
}

bool WindowRegistry::has(const QString &name) const
{
    return m_factories.count(name) != 0;
}

QWidget *WindowRegistry::window(const QString &name) const
{
    const auto open = m_open.find(name);
    return open == m_open.end() ? nullptr : open->second.data();
}

QWidget *WindowRegistry::showWindow(const QString &name)
{
    const bool many = m_many.count(name) != 0;
    QWidget *w = many ? nullptr : window(name);
    if (!w) {
        const auto factory = m_factories.find(name);
        if (factory == m_factories.end())
            return nullptr;
        w = factory->second(*this);
        // The registered name is the window's objectName: given where the window sets
        // none, and a window that calls itself otherwise is a programming error.
        if (w->objectName().isEmpty())
            w->setObjectName(name);
        else if (w->objectName() != name)
            qFatal("window %s calls itself %s", qPrintable(name), qPrintable(w->objectName()));
        w->setAttribute(Qt::WA_DeleteOnClose);
        if (!many)
            m_open[name] = w;
        if (auto *screen = qobject_cast<Screen *>(w); screen && !m_log.problem().isEmpty())
            screen->showRecordsProblem(recordsProblemLine(m_log.problem()));
    }
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

void WindowRegistry::showWarning(QWidget *parent, const QString &title, const QString &text)
{
    if (m_warningSink) {
        m_warningSink(parent, title, text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    // Message texts may one day quote what was typed: never read them as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void WindowRegistry::calculationDone(const FormSpec &form, const FormResult &result)
{
    // The results are on the screen already: the record is made and handed to the log
    // from the event loop, after they are painted, so keeping a log never slows an Enter.
    const QPointer<QWidget> shown = window(QString::fromUtf8(form.name.data(), qsizetype(form.name.size())));
    QMetaObject::invokeMethod(
        &m_log, [this, shown, &form, result] { m_log.record(shown.data(), form, result); }, Qt::QueuedConnection);
}

void WindowRegistry::addCalculationActions(QWidget *window)
{
    m_log.addCalculationActions(window);
}

} // namespace dravex
