#include "io/AtomicFilePlatform.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mirota::atomicfile {

namespace {

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

int descriptor(std::intptr_t handle) { return static_cast<int>(handle); }

}  // namespace

std::optional<std::string> inspectTarget(const fs::path& folder, const fs::path& target, TargetState& state) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) return causeOf(errno);
    if (!S_ISDIR(info.st_mode)) return causeOf(ENOTDIR);
    state.kept = 0666;
    if (::stat(target.c_str(), &info) != 0) {
        if (errno == ENOENT) return std::nullopt;
        return causeOf(errno);
    }
    state.exists = true;
    state.kept = info.st_mode & 07777;
    // The rename would replace a file that is not ours to write, and root may write anything:
    // the write permission bits decide.
    const bool writable = ::geteuid() == 0 ? (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0
                                           : ::access(target.c_str(), W_OK) == 0;
    if (!writable && !S_ISDIR(info.st_mode)) return std::string(kReadOnly);
    return std::nullopt;
}

TemporaryFile::~TemporaryFile() {
    if (handle_ != kClosed) ::close(descriptor(handle_));
    if (!path_.empty()) ::unlink(path_.c_str());
}

std::optional<std::string> TemporaryFile::create(const fs::path& folder, const fs::path& target,
                                                 const TargetState& state) {
    const mode_t mode = static_cast<mode_t>(state.kept);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate = temporaryCandidate(folder, target);
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) {
            handle_ = fd;
            path_ = candidate;
            // The creation mask took bits away: put back exactly the old file's.
            if (state.exists && ::fchmod(fd, mode) != 0) return reasonOf(kCreateStep, errno);
            return std::nullopt;
        }
        if (errno != EEXIST) return reasonOf(kCreateStep, errno);
    }
    return reasonOf(kCreateStep, EEXIST);
}

std::optional<std::string> TemporaryFile::append(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor(handle_), bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return reasonOf(kWriteStep, errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return std::nullopt;
}

std::optional<std::string> TemporaryFile::finish(bool flushToDisk) {
    if (flushToDisk && ::fsync(descriptor(handle_)) != 0) return reasonOf(kWriteStep, errno);
    const int fd = descriptor(handle_);
    handle_ = kClosed;
    if (::close(fd) != 0) return reasonOf(kWriteStep, errno);
    return std::nullopt;
}

std::optional<std::string> TemporaryFile::replace(const fs::path& target) {
    if (::rename(path_.c_str(), target.c_str()) != 0) return reasonOf(kReplaceStep, errno);
    path_.clear();
    return std::nullopt;
}

// Makes the rename itself durable; a folder that cannot be flushed leaves the file saved all the same.
void flushFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace mirota::atomicfile
