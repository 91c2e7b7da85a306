#include <windows.h>

#include <gtest/gtest.h>

#include "file_attributes.h"

namespace gamereg::test {

void SetReadOnly(const Text& path, bool readOnly) {
    EXPECT_TRUE(SetFileAttributesA(path.c_str(),
                                   readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL))
        << path;
}

}  // namespace gamereg::test
