#include "io/AtomicFile.h"

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <random>

#include "io/AtomicFilePlatform.h"
#include "io/DataFileFormat.h"

namespace mirota {

namespace fs = std::filesystem;

namespace atomicfile {

namespace {

constexpr std::string_view kTemporaryExtension = ".tmp";
constexpr std::size_t kMostNumberDigits = 6;
constexpr unsigned kNumberRange = 1000000;

// ".name.123456.tmp": a temporary file of an earlier save of target (perhaps a killed one). Compared
// in the file system's own characters, so that any name works on every platform.
bool isTemporaryOf(const fs::path& entry, const fs::path& target) {
    using Name = fs::path::string_type;
    const Name name = entry.filename().native();
    const Name prefix = (fs::path(".") += target.filename()).native() + Name(1, '.');
    const Name extension = fs::path(kTemporaryExtension).native();
    if (name.size() <= prefix.size() + extension.size() || !name.starts_with(prefix) || !name.ends_with(extension)) {
        return false;
    }
    const std::size_t digits = name.size() - prefix.size() - extension.size();
    return digits <= kMostNumberDigits && std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()),
                                                      name.end() - static_cast<std::ptrdiff_t>(extension.size()),
                                                      [](auto c) { return c >= '0' && c <= '9'; });
}

// A save writes its temporary file within seconds, even to a slow network folder; one not written
// for this long belongs to a save that was killed, not to one that another process is making now. The
// margin also covers a file server whose clock runs some minutes ahead of or behind this machine's.
constexpr auto kLeftoverAge = std::chrono::minutes(10);

bool isLeftover(const fs::directory_entry& entry, const fs::path& target, fs::file_time_type now) {
    std::error_code error;
    if (!isTemporaryOf(entry.path(), target) || !entry.is_regular_file(error)) return false;
    const fs::file_time_type written = entry.last_write_time(error);
    return !error && now - written > kLeftoverAge;
}

// Leftovers are removed as far as they can be: the save itself has succeeded.
void removeLeftovers(const fs::path& folder, const fs::path& target) {
    const fs::file_time_type now = fs::file_time_type::clock::now();
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        std::error_code ignored;
        if (isLeftover(*entry, target, now)) fs::remove(entry->path(), ignored);
    }
}

}  // namespace

fs::path temporaryCandidate(const fs::path& folder, const fs::path& target) {
    static thread_local std::mt19937 random{std::random_device{}()};
    fs::path name = ".";
    name += target.filename();
    name += ".";
    name += std::to_string(random() % kNumberRange);
    name += std::string(kTemporaryExtension);
    return folder / name;
}

namespace {

// The reason the file could not be replaced, or the content's own failure as it gave it.
struct Outcome {
    std::optional<std::string> reason;
    std::optional<Message> contentFailure;
};

Outcome replaceFileContents(fs::path target, const FileContent& content, Durability durability) {
    std::error_code error;
    if (fs::is_symlink(target, error)) {
        const fs::path resolved = fs::canonical(target, error);
        if (!error) target = resolved;
    }
    if (target.filename().empty()) return {std::string("ファイル名がありません。"), {}};
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    TargetState state;
    if (auto failure = inspectTarget(folder, target, state)) return {failure, {}};
    TemporaryFile temporary;
    if (auto failure = temporary.create(folder, target, state)) return {failure, {}};
    std::optional<std::string> writeFailure;
    const ByteSink sink = [&](std::string_view piece) {
        if (!writeFailure) writeFailure = temporary.append(piece);
    };
    if (auto failure = content(sink)) return {{}, failure};
    if (writeFailure) return {writeFailure, {}};
    const bool flushToDisk = durability == Durability::FlushedToDisk;
    if (auto failure = temporary.finish(flushToDisk)) return {failure, {}};
    if (auto failure = temporary.replace(target)) return {failure, {}};
    if (flushToDisk) flushFolder(folder);
    removeLeftovers(folder, target);
    return {};
}

}  // namespace

}  // namespace atomicfile

fs::path fileSystemPath(std::string_view utf8Path) {
    return fs::path(std::u8string(utf8Path.begin(), utf8Path.end()));
}

Message saveFailure(std::string_view path, std::string_view reason) {
    return Message{"ファイルを保存できませんでした。\r\n【" + std::string(path) + "】\r\n\r\n" + std::string(reason),
                   std::string(datafile::kMessageTitle), Message::Icon::Critical};
}

std::optional<Message> replaceFile(const std::string& path, const FileContent& content, Durability durability) {
    try {
        const atomicfile::Outcome outcome =
            atomicfile::replaceFileContents(fileSystemPath(path), content, durability);
        if (outcome.contentFailure) return outcome.contentFailure;
        if (outcome.reason) return saveFailure(path, *outcome.reason);
        return std::nullopt;
    } catch (const std::bad_alloc&) {
        return saveFailure(path, "メモリが不足しています。");
    }
}

std::optional<Message> replaceFile(const std::string& path, std::string_view bytes, Durability durability) {
    return replaceFile(
        path,
        [bytes](const ByteSink& sink) -> std::optional<Message> {
            sink(bytes);
            return std::nullopt;
        },
        durability);
}

}  // namespace mirota
