#include "services/files.h"

#include <windows.h>

namespace gamereg {

bool PathExists(const Text& path) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    FindClose(search);
    return true;
}

bool WriteBytesToFile(const Text& path, std::initializer_list<Bytes> parts) {
    if (path.empty()) {
        return false;
    }
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool written = true;
    for (const Bytes& part : parts) {
        if (part.empty()) {
            continue;
        }
        DWORD done = 0;
        const auto size = static_cast<DWORD>(part.size());
        if (!WriteFile(file, part.data(), size, &done, nullptr) || done != size) {
            written = false;
            break;
        }
    }
    const bool closed = CloseHandle(file) != FALSE;
    return written && closed;
}

bool RemoveFile(const Text& path) { return DeleteFileA(path.c_str()) != FALSE; }

}  // namespace gamereg
