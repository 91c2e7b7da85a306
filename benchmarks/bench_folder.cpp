#include "bench_folder.h"

#include <unistd.h>

#include <string>

namespace gamereg::bench {

BenchFolder::BenchFolder()
    : path_(std::filesystem::temp_directory_path() /
            ("gamereg-bench-" + std::to_string(::getpid()))) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

BenchFolder::~BenchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

Text BenchFolder::PathOf(const char* name) const { return (path_ / name).string(); }

}  // namespace gamereg::bench
