// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/records_loader.h"

#include "records/records_module.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPluginLoader>

#include <utility>

namespace dravex {

// The loader's texts: it is no QObject.
class RecordsModuleText
{
    Q_DECLARE_TR_FUNCTIONS(dravex::RecordsModuleLoader)
};

RecordsModuleLoader::RecordsModuleLoader(ProblemSink sink) : m_sink(std::move(sink)) {}

RecordsModuleLoader::~RecordsModuleLoader() = default;

RecordsModule *RecordsModuleLoader::records()
{
    if (!m_records && m_load) {
        QString problem;
        RecordsModule *loaded = std::exchange(m_load, nullptr)(problem);
        if (loaded) {
            m_loaded.reset(loaded);
            setRecords(loaded);
        } else {
            m_loadProblem = problem;
            m_sink(problem);
        }
    }
    return m_records;
}

void RecordsModuleLoader::setRecords(RecordsModule *records)
{
    m_records = records;
    m_loadProblem.clear();
    if (!records)
        return;
    records->onProblemChanged(m_sink);
    for (auto &task : std::exchange(m_whenLoaded, {}))
        task(*records);
}

void RecordsModuleLoader::whenLoaded(std::function<void(RecordsModule &)> task)
{
    if (m_records)
        task(*m_records);
    else
        m_whenLoaded.push_back(std::move(task));
}

QString RecordsModuleLoader::problem() const
{
    return m_records ? m_records->problem() : m_loadProblem;
}

QString RecordsModulePath()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    const QString name = QStringLiteral(DRAVEX_RECORDS_MODULE_NAME);
    const QString installed = programDir + QStringLiteral("/" DRAVEX_RECORDS_MODULE_DIR "/") + name;
    if (QFileInfo::exists(installed))
        return QFileInfo(installed).canonicalFilePath();
    return programDir + QLatin1Char('/') + name;
}

RecordsModule *LoadRecordsModule(const QString &path, QString &problem)
{
    QPluginLoader loader(path);
    QObject *root = loader.instance();
    auto *records = qobject_cast<RecordsModule *>(root);
    if (!records) {
        problem = RecordsModuleText::tr("its module %1 could not be loaded (%2)")
                      .arg(path, root ? QStringLiteral("not a records module") : loader.errorString());
        if (root)
            loader.unload();
    }
    return records;
}

} // namespace dravex
