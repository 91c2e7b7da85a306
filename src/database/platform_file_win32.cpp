#include <windows.h>

#include "database/platform_file.h"

namespace gamereg {
namespace {

HANDLE AsHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

Win32Error LastError() {
    const DWORD error = GetLastError();
    return error != 0 ? error : ERROR_GEN_FAILURE;
}

Win32Error Seek(HANDLE handle, std::uint64_t offset) {
    LARGE_INTEGER distance;
    distance.QuadPart = static_cast<LONGLONG>(offset);
    return SetFilePointerEx(handle, distance, nullptr, FILE_BEGIN) ? 0 : LastError();
}

}  // namespace

Win32Error PlatformFile::Open(const Text& path, FileAccess access) {
    Close();
    // Windows refuses writing to a read-only file to everyone; Wine run by
    // root would open it, so the attribute is asked first.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (access == FileAccess::ReadWrite && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_READONLY) != 0 &&
        (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        return ERROR_ACCESS_DENIED;
    }
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    const DWORD desired =
        access == FileAccess::ReadWrite ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ;
    HANDLE handle = CreateFileA(path.c_str(), desired, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                &inheritable, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return LastError();
    handle_ = reinterpret_cast<std::intptr_t>(handle);
    writable_ = access == FileAccess::ReadWrite;
    return 0;
}

bool PlatformFile::IsOpen() const { return handle_ != -1; }

void PlatformFile::Close() {
    if (!IsOpen()) return;
    CloseHandle(AsHandle(handle_));
    handle_ = -1;
}

Win32Error PlatformFile::Lock(std::uint64_t offset, std::uint64_t length) {
    if (!LockFile(AsHandle(handle_), static_cast<DWORD>(offset), static_cast<DWORD>(offset >> 32),
                  static_cast<DWORD>(length), static_cast<DWORD>(length >> 32))) {
        return LastError();
    }
    return 0;
}

Win32Error PlatformFile::Unlock(std::uint64_t offset, std::uint64_t length) {
    if (!UnlockFile(AsHandle(handle_), static_cast<DWORD>(offset), static_cast<DWORD>(offset >> 32),
                    static_cast<DWORD>(length), static_cast<DWORD>(length >> 32))) {
        return LastError();
    }
    return 0;
}

Win32Error PlatformFile::Length(std::uint64_t& length) const {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(AsHandle(handle_), &size)) return LastError();
    length = static_cast<std::uint64_t>(size.QuadPart);
    return 0;
}

Win32Error PlatformFile::ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer,
                                std::size_t& bytesRead) {
    bytesRead = 0;
    if (const Win32Error error = Seek(AsHandle(handle_), offset)) return error;
    DWORD got = 0;
    if (!ReadFile(AsHandle(handle_), buffer.data(), static_cast<DWORD>(buffer.size()), &got,
                  nullptr)) {
        return LastError();
    }
    bytesRead = got;
    return 0;
}

Win32Error PlatformFile::WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
    if (const Win32Error error = Seek(AsHandle(handle_), offset)) return error;
    DWORD written = 0;
    if (!WriteFile(AsHandle(handle_), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                   nullptr)) {
        return LastError();
    }
    return written == bytes.size() ? 0 : ERROR_HANDLE_DISK_FULL;
}

Win32Error PlatformFile::SetLength(std::uint64_t length) {
    if (const Win32Error error = Seek(AsHandle(handle_), length)) return error;
    return SetEndOfFile(AsHandle(handle_)) ? 0 : LastError();
}

Win32Error FullPathName(const Text& fileName, Text& fullPath) {
    char buffer[MAX_PATH];
    const DWORD length = GetFullPathNameA(fileName.c_str(), MAX_PATH, buffer, nullptr);
    if (length == 0) return LastError();
    if (length >= MAX_PATH) return ERROR_FILENAME_EXCED_RANGE;
    fullPath.assign(buffer, length);
    return 0;
}

}  // namespace gamereg
