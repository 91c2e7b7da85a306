#include <sys/stat.h>

#include <gtest/gtest.h>

#include "file_attributes.h"

namespace gamereg::test {

void SetReadOnly(const Text& path, bool readOnly) {
    EXPECT_EQ(chmod(path.c_str(), readOnly ? 0444 : 0644), 0) << path;
}

}  // namespace gamereg::test
