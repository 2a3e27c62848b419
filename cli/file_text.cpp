// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/file_text.h"

#include "core/cargo_report.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace dravex {

std::string ReadFileText(const std::string &path, std::string &text, std::string_view tooLargeNote)
{
    errno = 0;
    const std::unique_ptr<std::FILE, int (*)(std::FILE *)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file)
        return "cannot open " + path + ": " + std::strerror(errno);
    std::array<char, 64 * 1024> buffer;
    for (;;) {
        const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file.get());
        if (text.size() + got > kMaxReportFileBytes)
            return "cannot read " + path + ": larger than " + std::to_string(kMaxReportFileBytes / (1024 * 1024)) +
                   " MiB" + std::string(tooLargeNote);
        text.append(buffer.data(), got);
        if (got < buffer.size())
            break;
    }
    if (std::ferror(file.get()))
        return "cannot read " + path + ": " + std::strerror(errno != 0 ? errno : EIO);
    return {};
}

std::string WriteFileText(const std::string &path, std::string_view text)
{
    const std::string temporary = path + ".writing";
    {
        const std::unique_ptr<std::FILE, int (*)(std::FILE *)> file(std::fopen(temporary.c_str(), "wb"), &std::fclose);
        if (!file)
            return "cannot write " + temporary + ": " + std::strerror(errno);
        if (std::fwrite(text.data(), 1, text.size(), file.get()) != text.size() || std::fflush(file.get()) != 0) {
            const int error = errno;
            std::remove(temporary.c_str());
            return "cannot write " + temporary + ": " + std::strerror(error);
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::remove(temporary.c_str());
        return "cannot replace " + path + ": " + ec.message();
    }
    return {};
}

} // namespace dravex
