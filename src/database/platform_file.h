#pragma once
// A file handle of the database's two files, with byte-range locks. The
// Win32 backend uses CreateFileA and LockFile; the POSIX backend uses open,
// pread and open-file-description locks. Both report failures as Win32 error
// numbers (0 for success), so that one mapping gives the database codes.

#include <cstddef>
#include <cstdint>
#include <span>

#include "services/text.h"

namespace gamereg {

using Win32Error = std::uint32_t;

namespace Win32Errors {
constexpr Win32Error kSuccess = 0;
constexpr Win32Error kFileNotFound = 2;
constexpr Win32Error kPathNotFound = 3;
constexpr Win32Error kAccessDenied = 5;
constexpr Win32Error kLockViolation = 33;
constexpr Win32Error kFileNameTooLong = 206;
}  // namespace Win32Errors

enum class FileAccess {
    ReadWrite,  // what the tool's own open uses
    ReadOnly,   // for looking at a database without changing it
};

// Move-only; closing is implicit at destruction.
class PlatformFile {
public:
    PlatformFile() = default;
    ~PlatformFile();
    PlatformFile(PlatformFile&& other) noexcept;
    PlatformFile& operator=(PlatformFile&& other) noexcept;
    PlatformFile(const PlatformFile&) = delete;
    PlatformFile& operator=(const PlatformFile&) = delete;

    // Opens an existing file, shared for reading and writing with other
    // processes, with a handle that child processes inherit. A file whose
    // read-only attribute is set (POSIX: no write permission bit at all)
    // refuses ReadWrite with kAccessDenied, as Windows does for everyone.
    Win32Error Open(const Text& path, FileAccess access);
    bool IsOpen() const;
    void Close();

    // Exclusive byte-range locks that fail at once when another handle holds
    // an overlapping one (a shared lock on a ReadOnly handle under POSIX).
    Win32Error Lock(std::uint64_t offset, std::uint64_t length);
    Win32Error Unlock(std::uint64_t offset, std::uint64_t length);

    Win32Error Length(std::uint64_t& length) const;
    // Fewer bytes than asked for only at the end of the file.
    Win32Error ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer, std::size_t& bytesRead);
    Win32Error WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes);
    Win32Error SetLength(std::uint64_t length);

private:
    std::intptr_t handle_ = -1;  // a HANDLE or a file descriptor; -1 when closed
    bool writable_ = false;      // opened for ReadWrite
};

// The full path of `fileName` as GetFullPathNameA gives it into a buffer of
// 260 characters; a longer one fails with kFileNameTooLong.
Win32Error FullPathName(const Text& fileName, Text& fullPath);

}  // namespace gamereg
