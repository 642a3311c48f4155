#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "model/Message.h"

namespace mirota {

// A path held as UTF-8 text (as CurrentFilePath is) in the file system's own form.
std::filesystem::path fileSystemPath(std::string_view utf8Path);

// The message of a failed save: "ファイルを保存できませんでした。" with the file and the reason.
Message saveFailure(std::string_view path, std::string_view reason);

// Replaces the file at path (UTF-8) by bytes in one step: the bytes go to a temporary file in the
// same folder, which is flushed to the disk and then put in the old file's place; a link is
// followed. The old file's permission bits are kept; a read-only file is refused. On failure the
// old file is as it was, no temporary file remains, and the message names the file and the reason.
std::optional<Message> replaceFile(const std::string& path, std::string_view bytes);

}  // namespace mirota
