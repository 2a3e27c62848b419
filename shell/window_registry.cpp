#include "shell/window_registry.h"

#include <QMessageBox>

namespace dravex {

WindowRegistry::WindowRegistry(ScreenCatalog catalog) : m_factories(std::move(catalog)) {}

void WindowRegistry::add(const QString &name, ScreenFactory factory)
{
    m_factories[name] = std::move(factory);
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
        w->setAttribute(Qt::WA_DeleteOnClose);
        if (!many)
            m_open[name] = w;
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

} // namespace dravex
