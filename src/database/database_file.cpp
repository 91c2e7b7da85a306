#include "database/database_file.h"

#include <algorithm>

#include "services/text.h"

namespace gamereg {

Win32Error DatabaseFile::Open(const Text& path, FileAccess access, std::string_view password) {
    Close();
    if (const Win32Error error = file_.Open(path, access)) return error;
    if (!password.empty()) cipher_.emplace(password);
    return 0;
}

void DatabaseFile::Close() {
    file_.Close();
    cipher_.reset();
}

Win32Error DatabaseFile::ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer,
                                std::size_t& bytesRead) {
    bytesRead = 0;
    if (offset >= PageCipher::kOffsetLimit) return 0;
    buffer = buffer.first(static_cast<std::size_t>(
        std::min<std::uint64_t>(buffer.size(), PageCipher::kOffsetLimit - offset)));
    if (const Win32Error error = file_.ReadAt(offset, buffer, bytesRead)) return error;
    if (cipher_) cipher_->Transform(buffer.first(bytesRead), offset);
    return 0;
}

Win32Error DatabaseFile::WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
    if (!cipher_) return file_.WriteAt(offset, bytes);
    if (offset > PageCipher::kOffsetLimit || bytes.size() > PageCipher::kOffsetLimit - offset) {
        return 112;  // ERROR_DISK_FULL: no database reaches that far
    }
    Bytes copy(bytes.begin(), bytes.end());
    cipher_->Transform(copy, offset);
    return file_.WriteAt(offset, copy);
}

}  // namespace gamereg
