#include "io/AtomicFile.h"

#include <algorithm>
#include <random>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "io/DataFileFormat.h"

namespace mirota {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kCreateStep = "一時ファイルを作成できませんでした。";
constexpr std::string_view kWriteStep = "書き込みに失敗しました。";
constexpr std::string_view kReplaceStep = "ファイルを置き換えられませんでした。";
constexpr std::string_view kReadOnly = "ファイルは読み取り専用です。";
constexpr std::string_view kFolderInTheWay = "同じ名前のフォルダーがあります。";
constexpr std::string_view kFolderMissing = "保存先のフォルダーが見つかりません。";
constexpr std::string_view kAccessDenied = "アクセスが拒否されました。";
constexpr std::string_view kReadOnlyDrive = "読み取り専用のドライブです。";
constexpr std::string_view kDiskFull = "ディスクの空き容量が足りません。";

// A name beside the target for the temporary file.
fs::path temporaryCandidate(const fs::path& folder, const fs::path& target) {
    static thread_local std::mt19937 random{std::random_device{}()};
    fs::path name = ".";
    name += target.filename();
    name += ".";
    name += std::to_string(random() % 1000000);
    name += ".tmp";
    return folder / name;
}

#ifdef _WIN32

// The file system primitives of Windows: wide-character paths, a temporary file that is flushed
// to the disk and then moved onto the target with write-through.

std::string causeOf(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_DIRECTORY: return std::string(kFolderMissing);
    case ERROR_ACCESS_DENIED: return std::string(kAccessDenied);
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return "ファイルはほかのプログラムが使用中です。";
    case ERROR_WRITE_PROTECT: return std::string(kReadOnlyDrive);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return std::string(kDiskFull);
    default: return "システムのエラーです（エラー番号 " + std::to_string(error) + "）。";
    }
}

std::string reasonOf(std::string_view step, DWORD error) { return std::string(step) + causeOf(error); }

struct TargetState {
    bool exists = false;
    DWORD attributes = FILE_ATTRIBUTE_NORMAL;
};

std::optional<std::string> inspectTarget(const fs::path& folder, const fs::path& target, TargetState& state) {
    const DWORD folderAttributes = GetFileAttributesW(folder.c_str());
    if (folderAttributes == INVALID_FILE_ATTRIBUTES) return causeOf(GetLastError());
    if ((folderAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return causeOf(ERROR_DIRECTORY);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND) return std::nullopt;
        return causeOf(error);
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return std::string(kReplaceStep) + std::string(kFolderInTheWay);
    if (attributes & FILE_ATTRIBUTE_READONLY) return std::string(kReadOnly);
    state.exists = true;
    state.attributes = attributes;
    return std::nullopt;
}

// A file beside the target that is removed again unless it has taken the target's place.
class TemporaryFile {
public:
    ~TemporaryFile() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
        if (!path_.empty()) DeleteFileW(path_.c_str());
    }

    std::optional<std::string> create(const fs::path& folder, const fs::path& target, const TargetState& state) {
        // The old file's attributes (hidden, archive ...) go over to the new one.
        const DWORD attributes =
            state.attributes & (FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED |
                                FILE_ATTRIBUTE_SYSTEM);
        for (int attempt = 0; attempt < 100; ++attempt) {
            const fs::path candidate = temporaryCandidate(folder, target);
            handle_ = CreateFileW(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  attributes ? attributes : FILE_ATTRIBUTE_NORMAL, nullptr);
            if (handle_ != INVALID_HANDLE_VALUE) {
                path_ = candidate;
                return std::nullopt;
            }
            const DWORD error = GetLastError();
            if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return reasonOf(kCreateStep, error);
        }
        return reasonOf(kCreateStep, ERROR_FILE_EXISTS);
    }

    std::optional<std::string> write(std::string_view bytes) {
        while (!bytes.empty()) {
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 20));
            DWORD written = 0;
            if (!WriteFile(handle_, bytes.data(), chunk, &written, nullptr)) return reasonOf(kWriteStep, GetLastError());
            bytes.remove_prefix(written);
        }
        if (!FlushFileBuffers(handle_)) return reasonOf(kWriteStep, GetLastError());
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        if (!CloseHandle(handle)) return reasonOf(kWriteStep, GetLastError());
        return std::nullopt;
    }

    std::optional<std::string> replace(const fs::path& target) {
        if (!MoveFileExW(path_.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return reasonOf(kReplaceStep, GetLastError());
        }
        path_.clear();
        return std::nullopt;
    }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    fs::path path_;
};

// The move was made with write-through: nothing is left to flush.
void flushFolder(const fs::path&) {}

#else

// The file system primitives of POSIX.

std::string causeOf(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR: return std::string(kFolderMissing);
    case EACCES:
    case EPERM: return std::string(kAccessDenied);
    case EROFS: return std::string(kReadOnlyDrive);
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return std::string(kDiskFull);
    case EISDIR: return std::string(kFolderInTheWay);
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
    if (!writable && !S_ISDIR(info.st_mode)) return std::string(kReadOnly);
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
        for (int attempt = 0; attempt < 100; ++attempt) {
            const fs::path candidate = temporaryCandidate(folder, target);
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
        if (::rename(path_.c_str(), target.c_str()) != 0) return reasonOf(kReplaceStep, errno);
        path_.clear();
        return std::nullopt;
    }

private:
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

#endif

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
