#pragma once
// A handle of one of the database's files with the page cipher of its
// password: reads come out deciphered, writes go in enciphered (from a copy:
// the caller's bytes stay as they are). Without a password both are plain.

#include <optional>
#include <string_view>

#include "database/page_cipher.h"
#include "database/platform_file.h"

namespace gamereg {

class DatabaseFile {
public:
    Win32Error Open(const Text& path, FileAccess access, std::string_view password);
    bool IsOpen() const { return file_.IsOpen(); }
    void Close();

    Win32Error Lock(std::uint64_t offset, std::uint64_t length) {
        return file_.Lock(offset, length);
    }
    Win32Error Unlock(std::uint64_t offset, std::uint64_t length) {
        return file_.Unlock(offset, length);
    }
    Win32Error Length(std::uint64_t& length) const { return file_.Length(length); }
    Win32Error SetLength(std::uint64_t length) { return file_.SetLength(length); }

    // Bytes at or beyond 4 GiB lie outside any database and read as the end
    // of the file.
    Win32Error ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer, std::size_t& bytesRead);
    Win32Error WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes);

private:
    PlatformFile file_;
    std::optional<PageCipher> cipher_;
};

}  // namespace gamereg
