#include <shlobj.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(WineBench, AnsiCodePageIs936) {
    EXPECT_EQ(GetACP(), 936u);
    // 导 is B5 BC in code page 936 and U+5BFC in Unicode.
    wchar_t wide[2] = {};
    ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, "导", -1, wide, 2), 2);
    EXPECT_EQ(wide[0], 0x5BFC);
}

TEST(WineBench, DesktopIsARealFolderOfThePrefix) {
    char desktop[MAX_PATH] = {};
    ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, desktop, CSIDL_DESKTOPDIRECTORY, FALSE));
    const DWORD attributes = GetFileAttributesA(desktop);
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << desktop;
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
    // A link into the Unix home folder would show as a reparse point.
    EXPECT_FALSE(attributes & FILE_ATTRIBUTE_REPARSE_POINT) << desktop;
}

}  // namespace
