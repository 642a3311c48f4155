#include "io/AtomicFilePlatform.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>

// Wide-character paths, a temporary file that is flushed to the disk and then moved onto the
// target with write-through.
namespace mirota::atomicfile {

namespace {

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

HANDLE fileHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

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
    state.kept = attributes;
    return std::nullopt;
}

TemporaryFile::~TemporaryFile() {
    if (handle_ != kClosed) CloseHandle(fileHandle(handle_));
    if (!path_.empty()) DeleteFileW(path_.c_str());
}

std::optional<std::string> TemporaryFile::create(const fs::path& folder, const fs::path& target,
                                                 const TargetState& state) {
    // The old file's attributes (hidden, archive ...) go over to the new one.
    const DWORD attributes = state.kept & (FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN |
                                           FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_SYSTEM);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate = temporaryCandidate(folder, target);
        const HANDLE handle = CreateFileW(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                          attributes ? attributes : FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            handle_ = reinterpret_cast<std::intptr_t>(handle);
            path_ = candidate;
            return std::nullopt;
        }
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return reasonOf(kCreateStep, error);
    }
    return reasonOf(kCreateStep, ERROR_FILE_EXISTS);
}

std::optional<std::string> TemporaryFile::append(std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 20));
        DWORD written = 0;
        if (!WriteFile(fileHandle(handle_), bytes.data(), chunk, &written, nullptr)) {
            return reasonOf(kWriteStep, GetLastError());
        }
        bytes.remove_prefix(written);
    }
    return std::nullopt;
}

std::optional<std::string> TemporaryFile::finish(bool flushToDisk) {
    if (flushToDisk && !FlushFileBuffers(fileHandle(handle_))) return reasonOf(kWriteStep, GetLastError());
    const HANDLE handle = fileHandle(handle_);
    handle_ = kClosed;
    if (!CloseHandle(handle)) return reasonOf(kWriteStep, GetLastError());
    return std::nullopt;
}

std::optional<std::string> TemporaryFile::replace(const fs::path& target) {
    if (!MoveFileExW(path_.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return reasonOf(kReplaceStep, GetLastError());
    }
    path_.clear();
    return std::nullopt;
}

// The move was made with write-through: nothing is left to flush.
void flushFolder(const fs::path&) {}

}  // namespace mirota::atomicfile
