// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace dravex {

// Reads a file whole into text, refusing one over kMaxReportFileBytes (a device such as
// /dev/zero would otherwise be read until memory runs out). Empty on success, else the
// message: "cannot read FILE: Is a directory", "cannot read FILE: larger than 16 MiB"
// followed by tooLargeNote.
std::string ReadFileText(const std::string &path, std::string &text, std::string_view tooLargeNote = {});

// Writes text to path through a file beside it ("PATH.writing") renamed over it, so a failed
// write leaves the old file whole. Empty on success, else the message naming the file.
std::string WriteFileText(const std::string &path, std::string_view text);

} // namespace dravex
