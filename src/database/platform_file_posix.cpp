#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "database/platform_file.h"

namespace gamereg {
namespace {

// The Win32 error that Windows gives for the same failure.
Win32Error Win32ErrorOf(int error) {
    switch (error) {
        case ENOENT:
            return Win32Errors::kFileNotFound;
        case ENOTDIR:
        case ELOOP:
            return Win32Errors::kPathNotFound;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
            return Win32Errors::kAccessDenied;
        case EMFILE:
        case ENFILE:
            return 4;  // ERROR_TOO_MANY_OPEN_FILES
        case EBADF:
            return 6;  // ERROR_INVALID_HANDLE
        case EIO:
            return 21;  // ERROR_NOT_READY
        case ENOSPC:
        case EFBIG:
            return 112;  // ERROR_DISK_FULL
        case ENAMETOOLONG:
            return Win32Errors::kFileNameTooLong;
        case EINVAL:
            return 87;  // ERROR_INVALID_PARAMETER
        default:
            return 31;  // ERROR_GEN_FAILURE
    }
}

Win32Error LastError() { return Win32ErrorOf(errno); }

#ifdef F_OFD_SETLK
// Locks of an open file description: like Win32 locks they belong to the
// handle, conflict between two handles of one process, and survive the
// closing of another descriptor of the same file.
constexpr int kSetLock = F_OFD_SETLK;
#else
constexpr int kSetLock = F_SETLK;
#endif

Win32Error SetLock(int fd, short type, std::uint64_t offset, std::uint64_t length) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = static_cast<off_t>(offset);
    lock.l_len = static_cast<off_t>(length);
    if (fcntl(fd, kSetLock, &lock) == 0) return 0;
    if (errno == EAGAIN || errno == EACCES || errno == EDEADLK) return Win32Errors::kLockViolation;
    return LastError();
}

bool ParentFolderExists(const Text& path) {
    const std::size_t slash = path.find_last_of('/');
    const Text parent = slash == Text::npos ? Text(".") : path.substr(0, slash + 1);
    struct stat status {};
    return stat(parent.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace

Win32Error PlatformFile::Open(const Text& path, FileAccess access) {
    Close();
    const int flags = access == FileAccess::ReadWrite ? O_RDWR : O_RDONLY;
    const int fd = open(path.c_str(), flags);
    if (fd < 0) {
        // Windows tells a missing folder from a missing file.
        if (errno == ENOENT && !ParentFolderExists(path)) return Win32Errors::kPathNotFound;
        return LastError();
    }
    struct stat status {};
    if (fstat(fd, &status) != 0) {
        const Win32Error error = LastError();
        close(fd);
        return error;
    }
    const bool readOnlyAttribute = (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    if (S_ISDIR(status.st_mode) || (access == FileAccess::ReadWrite && readOnlyAttribute)) {
        close(fd);
        return Win32Errors::kAccessDenied;
    }
    handle_ = fd;
    writable_ = access == FileAccess::ReadWrite;
    return 0;
}

bool PlatformFile::IsOpen() const { return handle_ != -1; }

void PlatformFile::Close() {
    if (!IsOpen()) return;
    close(static_cast<int>(handle_));
    handle_ = -1;
}

Win32Error PlatformFile::Lock(std::uint64_t offset, std::uint64_t length) {
    // A descriptor opened for reading can only take a shared lock; it still
    // meets every exclusive lock of another handle.
    return SetLock(static_cast<int>(handle_), writable_ ? F_WRLCK : F_RDLCK, offset, length);
}

Win32Error PlatformFile::Unlock(std::uint64_t offset, std::uint64_t length) {
    return SetLock(static_cast<int>(handle_), F_UNLCK, offset, length);
}

Win32Error PlatformFile::Length(std::uint64_t& length) const {
    struct stat status {};
    if (fstat(static_cast<int>(handle_), &status) != 0) return LastError();
    length = static_cast<std::uint64_t>(status.st_size);
    return 0;
}

Win32Error PlatformFile::ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer,
                                std::size_t& bytesRead) {
    bytesRead = 0;
    while (bytesRead < buffer.size()) {
        const ssize_t got =
            pread(static_cast<int>(handle_), buffer.data() + bytesRead, buffer.size() - bytesRead,
                  static_cast<off_t>(offset + bytesRead));
        if (got < 0) {
            if (errno == EINTR) continue;
            return LastError();
        }
        if (got == 0) break;
        bytesRead += static_cast<std::size_t>(got);
    }
    return 0;
}

Win32Error PlatformFile::WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t put = pwrite(static_cast<int>(handle_), bytes.data() + written,
                                   bytes.size() - written, static_cast<off_t>(offset + written));
        if (put < 0) {
            if (errno == EINTR) continue;
            return LastError();
        }
        written += static_cast<std::size_t>(put);
    }
    return 0;
}

Win32Error PlatformFile::SetLength(std::uint64_t length) {
    return ftruncate(static_cast<int>(handle_), static_cast<off_t>(length)) == 0 ? 0 : LastError();
}

// GetFullPathNameA's rules on a POSIX path: relative to the current
// directory, "." and ".." resolved by name, repeated "/" taken as one.
Win32Error FullPathName(const Text& fileName, Text& fullPath) {
    Text joined;
    if (!fileName.empty() && fileName[0] == '/') {
        joined = fileName;
    } else {
        std::vector<char> directory(4096);
        if (getcwd(directory.data(), directory.size()) == nullptr) return LastError();
        joined = ConcatText({directory.data(), "/", fileName});
    }
    std::vector<Text> parts;
    std::size_t at = 0;
    while (at <= joined.size()) {
        std::size_t end = joined.find('/', at);
        if (end == Text::npos) end = joined.size();
        const Text part = joined.substr(at, end - at);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        at = end + 1;
    }
    Text result;
    for (const Text& part : parts) result += "/" + part;
    if (result.empty() || joined.back() == '/') result += "/";
    if (result.size() >= 260) return Win32Errors::kFileNameTooLong;
    fullPath = result;
    return 0;
}

}  // namespace gamereg
