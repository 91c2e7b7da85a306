// The fuzz seeds and every input that ever made the reader fail, replayed
// through the fuzz harness in both builds: each must end without a crash.

#include <gtest/gtest.h>

#include <filesystem>

#include "database/database_access.h"
#include "database_test_files.h"
#include "fuzz/database_fuzz_input.h"

namespace gamereg {
namespace {

TEST(FuzzInputs, SeedsAndRegressionsRunClean) {
    const Text folder = test::FreshFolder();
    int inputs = 0;
    for (const char* kind : {"fuzz/seeds", "fuzz/regressions"}) {
        for (const auto& entry : std::filesystem::directory_iterator(test::DataPath(kind))) {
            if (!entry.is_regular_file() || entry.path().filename() == "README.md") continue;
            SCOPED_TRACE(entry.path().string());
            const Bytes input = test::ReadFileBytes(entry.path().string());
            RunDatabaseFuzzInput(input.data(), input.size(), folder);
            ++inputs;
        }
    }
    EXPECT_GT(inputs, 0);
}

}  // namespace
}  // namespace gamereg
