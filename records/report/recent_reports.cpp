// SPDX-License-Identifier: GPL-3.0-or-later
// The report window's list of recently opened reports, kept in the settings.
#include "records/report/cargo_report_window.h"
#include "records/settings.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

namespace dravex {

namespace {

constexpr int kRecentFiles = 8;
const char *const kRecentKey = "cargoReport/recentFiles";

} // namespace

void CargoReportWindow::rememberRecent(const QString &path)
{
    Settings settings;
    QStringList recent = settings.value(QLatin1String(kRecentKey)).toStringList();
    const QString full = QFileInfo(path).absoluteFilePath();
    recent.removeAll(full);
    recent.prepend(full);
    while (recent.size() > kRecentFiles)
        recent.removeLast();
    settings.setValue(QLatin1String(kRecentKey), recent);
}

void CargoReportWindow::fillRecentMenu()
{
    m_recentMenu->clear();
    const QStringList recent = Settings().value(QLatin1String(kRecentKey)).toStringList();
    for (int i = 0; i < recent.size(); ++i) {
        // The path is shown as it is: "&" would otherwise mark an access key.
        QString label = recent[i];
        label.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *a = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(label));
        const QString path = recent[i];
        connect(a, &QAction::triggered, this, [this, path] { openPath(path); });
    }
    m_recentMenu->setEnabled(!recent.isEmpty());
}

} // namespace dravex
