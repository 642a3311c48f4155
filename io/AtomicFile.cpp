#include "io/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "io/DataFileFormat.h"

namespace mirota {

namespace fs = std::filesystem;

namespace {

// The file system primitives. These are the POSIX ones; the Windows ones (CreateFileW,
// FlushFileBuffers, ReplaceFileW or MoveFileExW with MOVEFILE_REPLACE_EXISTING |
// MOVEFILE_WRITE_THROUGH) take the same shape beside them.

std::string causeOf(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR: return "保存先のフォルダーが見つかりません。";
    case EACCES:
    case EPERM: return "アクセスが拒否されました。";
    case EROFS: return "読み取り専用のドライブです。";
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return "ディスクの空き容量が足りません。";
    case EISDIR: return "同じ名前のフォルダーがあります。";
    default: return std::string("システムのエラーです（") + std::strerror(error) + "）。";
    }
}

std::string reasonOf(std::string_view step, int error) { return std::string(step) + causeOf(error); }

struct TargetState {
    bool exists = false;
    mode_t mode = 0666;
};

std::optional<std::string> inspectTarget(const fs::path& folder, const fs::path& target, TargetState& state) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) return causeOf(errno);
    if (!S_ISDIR(info.st_mode)) return causeOf(ENOTDIR);
    if (::stat(target.c_str(), &info) != 0) {
        if (errno == ENOENT) return std::nullopt;
        return causeOf(errno);
    }
    state.exists = true;
    state.mode = info.st_mode & 07777;
    // The rename would replace a file that is not ours to write, and root may write anything:
    // the write permission bits decide.
    const bool writable = ::geteuid() == 0 ? (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0
                                           : ::access(target.c_str(), W_OK) == 0;
    if (!writable && !S_ISDIR(info.st_mode)) return std::string("ファイルは読み取り専用です。");
    return std::nullopt;
}

// A file beside the target that is removed again unless it has taken the target's place.
class TemporaryFile {
public:
    ~TemporaryFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!path_.empty()) ::unlink(path_.c_str());
    }

    std::optional<std::string> create(const fs::path& folder, const fs::path& target, const TargetState& state) {
        std::random_device seed;
        std::mt19937 random(seed());
        for (int attempt = 0; attempt < 100; ++attempt) {
            const fs::path candidate =
                folder / ("." + target.filename().string() + "." + std::to_string(random() % 1000000) + ".tmp");
            fd_ = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, state.mode);
            if (fd_ >= 0) {
                path_ = candidate;
                // The creation mask took bits away: put back exactly the old file's.
                if (state.exists && ::fchmod(fd_, state.mode) != 0) return reasonOf(kCreateStep, errno);
                return std::nullopt;
            }
            if (errno != EEXIST) return reasonOf(kCreateStep, errno);
        }
        return reasonOf(kCreateStep, EEXIST);
    }

    std::optional<std::string> write(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
            if (written < 0) {
                if (errno == EINTR) continue;
                return reasonOf(kWriteStep, errno);
            }
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        if (::fsync(fd_) != 0) return reasonOf(kWriteStep, errno);
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) return reasonOf(kWriteStep, errno);
        return std::nullopt;
    }

    std::optional<std::string> replace(const fs::path& target) {
        if (::rename(path_.c_str(), target.c_str()) != 0) return reasonOf("ファイルを置き換えられませんでした。", errno);
        path_.clear();
        return std::nullopt;
    }

private:
    static constexpr std::string_view kCreateStep = "一時ファイルを作成できませんでした。";
    static constexpr std::string_view kWriteStep = "書き込みに失敗しました。";

    int fd_ = -1;
    fs::path path_;
};

// Makes the rename itself durable; a folder that cannot be flushed leaves the file saved all the same.
void flushFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

std::optional<std::string> replaceFileContents(fs::path target, std::string_view bytes) {
    std::error_code error;
    if (fs::is_symlink(target, error)) {
        const fs::path resolved = fs::canonical(target, error);
        if (!error) target = resolved;
    }
    if (target.filename().empty()) return std::string("ファイル名がありません。");
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    TargetState state;
    if (auto failure = inspectTarget(folder, target, state)) return failure;
    TemporaryFile temporary;
    if (auto failure = temporary.create(folder, target, state)) return failure;
    if (auto failure = temporary.write(bytes)) return failure;
    if (auto failure = temporary.replace(target)) return failure;
    flushFolder(folder);
    return std::nullopt;
}

}  // namespace

fs::path fileSystemPath(std::string_view utf8Path) {
    return fs::path(std::u8string(utf8Path.begin(), utf8Path.end()));
}

Message saveFailure(std::string_view path, std::string_view reason) {
    return Message{"ファイルを保存できませんでした。\r\n【" + std::string(path) + "】\r\n\r\n" + std::string(reason),
                   std::string(datafile::kMessageTitle), Message::Icon::Critical};
}

std::optional<Message> replaceFile(const std::string& path, std::string_view bytes) {
    try {
        if (auto reason = replaceFileContents(fileSystemPath(path), bytes)) return saveFailure(path, *reason);
        return std::nullopt;
    } catch (const std::bad_alloc&) {
        return saveFailure(path, "メモリが不足しています。");
    }
}

}  // namespace mirota
