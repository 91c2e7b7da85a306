// libFuzzer entry: arbitrary bytes as a database's two files.

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "database_fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string folder = [] {
        const auto path =
            std::filesystem::temp_directory_path() / ("gamereg-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(path);
        return path.string();
    }();
    gamereg::RunDatabaseFuzzInput(data, size, folder);
    return 0;
}
