// Holds a byte-range lock on a file, as another copy of the tool does while
// it opens or reads a database:
//   database_lock_holder FILE OFFSET LENGTH READY RELEASE
// It locks, creates READY, and lets go when RELEASE exists (or after a
// minute). Exit code 0 when the lock was held, 1 otherwise.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "database/platform_file.h"

int main(int argc, char** argv) {
    using namespace gamereg;
    if (argc != 6) {
        std::fputs("usage: database_lock_holder FILE OFFSET LENGTH READY RELEASE\n", stderr);
        return 1;
    }
    PlatformFile file;
    if (const Win32Error error = file.Open(argv[1], FileAccess::ReadWrite)) {
        std::fprintf(stderr, "open failed: %u\n", static_cast<unsigned>(error));
        return 1;
    }
    if (const Win32Error error =
            file.Lock(std::strtoull(argv[2], nullptr, 0), std::strtoull(argv[3], nullptr, 0))) {
        std::fprintf(stderr, "lock failed: %u\n", static_cast<unsigned>(error));
        return 1;
    }
    std::FILE* ready = std::fopen(argv[4], "wb");
    if (ready == nullptr) return 1;
    std::fclose(ready);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (!std::filesystem::exists(argv[5]) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return 0;
}
