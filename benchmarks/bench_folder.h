#pragma once
// A scratch folder for the databases of one benchmark run, removed with it.

#include <filesystem>

#include "services/text.h"

namespace gamereg::bench {

class BenchFolder {
public:
    BenchFolder();
    ~BenchFolder();
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    Text PathOf(const char* name) const;

private:
    std::filesystem::path path_;
};

}  // namespace gamereg::bench
