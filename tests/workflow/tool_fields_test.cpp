#include "workflow/tool_fields.h"

#include <gtest/gtest.h>

#include <ostream>

namespace gamereg {
namespace {

struct FolderCase {
    const char* name;
    Text script, folder, expected;
    friend void PrintTo(const FolderCase& c, std::ostream* out) { *out << c.name; }
};

class WithGameFolderTest : public testing::TestWithParam<FolderCase> {};

TEST_P(WithGameFolderTest, FillsInTheEscapedFolder) {
    EXPECT_EQ(WithGameFolder(GetParam().script, GetParam().folder), GetParam().expected);
}

// "\x81\x5c" is 乗, whose second byte is no backslash and is not doubled.
const FolderCase kFolderCases[] = {
    {"EveryPlaceholder", "\"A\"=\"游戏路径\"\r\n\"B\"=\"游戏路径\\\\Demo.exe\"", "C:\\Games\\Demo",
     "\"A\"=\"C:\\\\Games\\\\Demo\"\r\n\"B\"=\"C:\\\\Games\\\\Demo\\\\Demo.exe\""},
    {"DriveRoot", "\"A\"=\"游戏路径\"", "C:", "\"A\"=\"C:\""},
    {"DoubleByteSecondByte", "\"A\"=\"游戏路径\"", "D:\\\x81\x5c", "\"A\"=\"D:\\\\\x81\x5c\""},
    {"NoPlaceholder", "REGEDIT4\r\n", "C:\\Games", "REGEDIT4\r\n"},
    {"EmptyScriptStaysNone", "", "C:\\Games", ""},
};

INSTANTIATE_TEST_SUITE_P(Cases, WithGameFolderTest, testing::ValuesIn(kFolderCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace gamereg
