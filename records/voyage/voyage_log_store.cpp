// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/voyage/voyage_log_store.h"

#include "records/paper/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <nlohmann/json.hpp>

namespace dravex {

namespace {

constexpr const char *kFormat = "dravex-voyage-log";
// A voyage log of thousands of voyages is well under this; a device or a wrong file is
// refused rather than read to the end.
constexpr qint64 kMaxBytes = 64 * 1024 * 1024;

} // namespace

QString VoyageLogStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/voyage-log.json");
}

VoyageLogStore::VoyageLogStore(QString path) : m_path(std::move(path))
{
    QFile file(m_path);
    if (!file.exists())
        return;
    const auto refuse = [this](const QString &fault) {
        m_readOnly = true;
        m_problem = tr("The voyage log %1 cannot be read (%2); it is left as it is and nothing is saved into it.")
                        .arg(QDir::toNativeSeparators(m_path), fault);
    };
    if (!file.open(QIODevice::ReadOnly)) {
        refuse(file.errorString());
        return;
    }
    if (file.size() > kMaxBytes) {
        refuse(tr("larger than %1 MB").arg(kMaxBytes / (1024 * 1024)));
        return;
    }
    const QByteArray bytes = file.read(kMaxBytes + 1);
    const nlohmann::ordered_json j = nlohmann::ordered_json::parse(bytes.begin(), bytes.end(), nullptr, false);
    if (j.is_discarded() || !j.is_object()) {
        refuse(tr("not valid JSON"));
        return;
    }
    const auto format = j.find("format");
    if (format == j.end() || !format->is_string() || format->get<std::string>() != kFormat) {
        refuse(tr("not a Dravex voyage log"));
        return;
    }
    const auto version = j.find("version");
    if (version == j.end() || !version->is_number_integer() || version->get<std::int64_t>() != 1) {
        refuse(tr("a version this program does not read"));
        return;
    }
    const auto voyages = j.find("voyages");
    if (voyages == j.end()) {
        refuse(tr("no voyages list"));
        return;
    }
    VoyageFileResult read = VoyagesFromJson(*voyages);
    if (!read.error.empty()) {
        refuse(QString::fromStdString(read.error));
        return;
    }
    m_entries = std::move(read.entries);
}

bool VoyageLogStore::save(std::vector<VoyageEntry> entries)
{
    if (m_readOnly)
        return false;
    nlohmann::ordered_json j;
    j["format"] = kFormat;
    j["version"] = 1;
    j["voyages"] = VoyagesToJson(entries);
    const std::string text = j.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QString reason;
    if (!WriteWholeFile(m_path, QByteArray::fromStdString(text), &reason)) {
        m_problem = tr("The voyage log %1 could not be written: %2. The change was not kept.")
                        .arg(QDir::toNativeSeparators(m_path), reason);
        return false;
    }
    m_problem.clear();
    m_entries = std::move(entries);
    return true;
}

} // namespace dravex
