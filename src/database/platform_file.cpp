// What both backends share: a handle owned by one PlatformFile at a time.

#include "database/platform_file.h"

namespace gamereg {

PlatformFile::~PlatformFile() { Close(); }

PlatformFile::PlatformFile(PlatformFile&& other) noexcept
    : handle_(other.handle_), writable_(other.writable_) {
    other.handle_ = -1;
}

PlatformFile& PlatformFile::operator=(PlatformFile&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = other.handle_;
        writable_ = other.writable_;
        other.handle_ = -1;
    }
    return *this;
}

}  // namespace gamereg
