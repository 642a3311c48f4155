#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The file system steps of a file replacement, one implementation per platform (POSIX, Win32).
// Every step gives nothing when done or the reason it failed, as the save messages show it.
namespace mirota::atomicfile {

namespace fs = std::filesystem;

inline constexpr std::string_view kCreateStep = "一時ファイルを作成できませんでした。";
inline constexpr std::string_view kWriteStep = "書き込みに失敗しました。";
inline constexpr std::string_view kReplaceStep = "ファイルを置き換えられませんでした。";
inline constexpr std::string_view kReadOnly = "ファイルは読み取り専用です。";
inline constexpr std::string_view kFolderInTheWay = "同じ名前のフォルダーがあります。";
inline constexpr std::string_view kFolderMissing = "保存先のフォルダーが見つかりません。";
inline constexpr std::string_view kAccessDenied = "アクセスが拒否されました。";
inline constexpr std::string_view kReadOnlyDrive = "読み取り専用のドライブです。";
inline constexpr std::string_view kDiskFull = "ディスクの空き容量が足りません。";

// A fresh name beside the target for the temporary file: "." name "." up to six digits ".tmp".
fs::path temporaryCandidate(const fs::path& folder, const fs::path& target);

// What the new file takes over from the old one: its permission bits (POSIX) or attributes (Win32).
struct TargetState {
    bool exists = false;
    std::uint32_t kept = 0;
};

// Checks that the folder exists and that the target, if there, may be replaced.
std::optional<std::string> inspectTarget(const fs::path& folder, const fs::path& target, TargetState& state);

// A file beside the target that is removed again unless it has taken the target's place.
class TemporaryFile {
public:
    TemporaryFile() = default;
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    std::optional<std::string> create(const fs::path& folder, const fs::path& target, const TargetState& state);
    std::optional<std::string> append(std::string_view bytes);
    // Closes the file, flushing its bytes to the disk first when asked to.
    std::optional<std::string> finish(bool flushToDisk);
    std::optional<std::string> replace(const fs::path& target);

private:
    static constexpr std::intptr_t kClosed = -1;  // also the value of Win32's INVALID_HANDLE_VALUE
    std::intptr_t handle_ = kClosed;              // a file descriptor or a HANDLE
    fs::path path_;
};

// Makes the replacement itself durable where the platform needs a step for it.
void flushFolder(const fs::path& folder);

}  // namespace mirota::atomicfile
