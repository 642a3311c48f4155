#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "model/Message.h"

namespace mirota {

// A path held as UTF-8 text (as CurrentFilePath is) in the file system's own form.
std::filesystem::path fileSystemPath(std::string_view utf8Path);

// The message of a failed save: "ファイルを保存できませんでした。" with the file and the reason.
Message saveFailure(std::string_view path, std::string_view reason);

// Takes a file's bytes piece by piece.
using ByteSink = std::function<void(std::string_view)>;
// Gives a file's bytes to the sink in order; a message when they cannot all be made.
using FileContent = std::function<std::optional<Message>(const ByteSink&)>;

// How safe a replacement is made against a crash of the system soon after it. A document that
// cannot be made again is flushed to the disk before it takes the old file's place; a file made
// from it (a drawing) can be made again at any time and is left to the system's own writing.
enum class Durability { FlushedToDisk, Replaced };

// Replaces the file at path (UTF-8) by bytes in one step: the bytes go to a temporary file in the
// same folder, which (FlushedToDisk) is flushed to the disk and then put in the old file's place; a
// link is followed. The old file's permission bits are kept; a read-only file is refused. On failure the
// old file is as it was, no temporary file remains, and the message names the file and the reason.
// After a replacement, temporary files that earlier saves of the same file left behind (a save that
// was killed) are removed once they have not been written for ten minutes, so that a save of the
// same file running in another process keeps its own; no other file is touched.
std::optional<Message> replaceFile(const std::string& path, std::string_view bytes,
                                   Durability durability = Durability::FlushedToDisk);
// The same for bytes made while they are written, so that a large file need not be held whole. A
// failure of the content is given back as it is, and the old file stays.
std::optional<Message> replaceFile(const std::string& path, const FileContent& content,
                                   Durability durability = Durability::FlushedToDisk);

}  // namespace mirota
