// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/window_registry.h"

#include "screens/fitting_scroll_area.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>

#include <utility>

namespace dravex {

// The registry's own texts: it is no QObject.
class WindowRegistryText
{
    Q_DECLARE_TR_FUNCTIONS(dravex::WindowRegistry)
};

namespace {

struct CalculationActionEntry
{
    const char *name;
    const char *caption;
    const char *shortcut;
    RecordsModule::CalculationAction action;
};

const CalculationActionEntry kCalculationActions[] = {
    {"copyCalculation", QT_TRANSLATE_NOOP("dravex::WindowRegistry", "&Copy calculation"), "Ctrl+Shift+C",
     RecordsModule::CalculationAction::Copy},
    {"printCalculation", QT_TRANSLATE_NOOP("dravex::WindowRegistry", "&Print..."), "Ctrl+P",
     RecordsModule::CalculationAction::Print},
    {"exportPdfCalculation", QT_TRANSLATE_NOOP("dravex::WindowRegistry", "Export &PDF..."), "Ctrl+Shift+E",
     RecordsModule::CalculationAction::ExportPdf},
};

} // namespace

WindowRegistry::WindowRegistry(std::span<const ScreenEntry> screens)
{
    for (const ScreenEntry &screen : screens)
        add(QString::fromLatin1(screen.name), screen.make);
}

WindowRegistry::~WindowRegistry() = default;

void WindowRegistry::showRecordsProblem(const QString &problem)
{
    for (const auto &[name, w] : m_open)
        if (auto *screen = qobject_cast<Screen *>(w.data()))
            screen->showRecordsProblem(recordsProblemLine(problem));
}

QString WindowRegistry::recordsProblemLine(const QString &problem)
{
    return problem.isEmpty() ? QString()
                             : WindowRegistryText::tr("The calculation log is not being written: %1").arg(problem);
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

void WindowRegistry::fitToScreen(QWidget *w)
{
    // A window opens no larger than the screen's free area less its frame; a report or
    // log window shrinks its table, which scrolls, and a calculation window its body.
    const QSize free = WindowRoom(w);
    if (w->width() > free.width() || w->height() > free.height())
        w->resize(w->size().boundedTo(free).expandedTo(w->minimumSize()));
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
        if (!w)
            return nullptr;
        // The registered name is the window's objectName: given where the window sets
        // none, and a window that calls itself otherwise is a programming error.
        if (w->objectName().isEmpty())
            w->setObjectName(name);
        else if (w->objectName() != name)
            qFatal("window %s calls itself %s", qPrintable(name), qPrintable(w->objectName()));
        w->setAttribute(Qt::WA_DeleteOnClose);
        if (!many)
            m_open[name] = w;
        if (auto *screen = qobject_cast<Screen *>(w); screen && !recordsProblem().isEmpty())
            screen->showRecordsProblem(recordsProblemLine(recordsProblem()));
        fitToScreen(w);
    }
    // A minimized window is restored (keeping it maximized if it was) before it is raised.
    if (w->isMinimized())
        w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

RecordsModule *WindowRegistry::records()
{
    RecordsModule *records = m_records.records();
    if (records && m_prompts && &records->prompts() != m_prompts)
        records->setPrompts(m_prompts);
    return records;
}

void WindowRegistry::setPrompts(Prompts *prompts)
{
    m_prompts = prompts;
}

Prompts &WindowRegistry::prompts()
{
    if (m_prompts)
        return *m_prompts;
    if (RecordsModule *loaded = records())
        return loaded->prompts();
    return m_plainPrompts;
}

void WindowRegistry::calculationDone(const FormSpec &form, const FormResult &result)
{
    // The results are on the screen already: the record is made and handed to the log
    // from the event loop, after they are painted, so keeping a log never slows an Enter.
    const QPointer<QWidget> shown = window(QString::fromUtf8(form.name.data(), qsizetype(form.name.size())));
    QMetaObject::invokeMethod(
        &m_queue,
        [this, shown, &form, result] {
            if (RecordsModule *kept = records())
                kept->record(shown.data(), form, result);
        },
        Qt::QueuedConnection);
}

void WindowRegistry::addCalculationActions(QWidget *window)
{
    for (const CalculationActionEntry &entry : kCalculationActions) {
        const QString caption = WindowRegistryText::tr(entry.caption);
        auto *action = new QAction(caption, window);
        action->setObjectName(QLatin1String(entry.name));
        action->setShortcut(QKeySequence(QLatin1String(entry.shortcut)));
        action->setShortcutContext(Qt::WindowShortcut);
        action->setToolTip(QString(caption).remove(QLatin1Char('&')));
        QObject::connect(action, &QAction::triggered, window, [this, window, which = entry.action] {
            if (RecordsModule *kept = records())
                kept->calculationAction(which, window);
            else
                QApplication::beep();
        });
        window->addAction(action);
    }
    if (window->contextMenuPolicy() == Qt::DefaultContextMenu)
        window->setContextMenuPolicy(Qt::ActionsContextMenu);
}

} // namespace dravex
