#include "services/folder_paths.h"

#include <shlobj.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "services/path_separator.h"
#include "windows_test_support.h"

namespace gamereg {
namespace {

// Sets the temporary-files folder of this process for one test, since
// GetTempPathA takes it from TMP; the old value comes back afterwards.
class TemporaryFolderOverride {
public:
    explicit TemporaryFolderOverride(const std::string& folder) {
        char old[32767];
        const DWORD length = GetEnvironmentVariableA("TMP", old, sizeof(old));
        if (length > 0 && length < sizeof(old)) {
            old_ = std::string(old, length);
        }
        SetEnvironmentVariableA("TMP", folder.c_str());
    }
    TemporaryFolderOverride(const TemporaryFolderOverride&) = delete;
    TemporaryFolderOverride& operator=(const TemporaryFolderOverride&) = delete;
    ~TemporaryFolderOverride() { SetEnvironmentVariableA("TMP", old_ ? old_->c_str() : nullptr); }

private:
    std::optional<std::string> old_;
};

TEST(SpecialFolderPath, EveryKnownFolderEndsWithOneSeparator) {
    for (std::int32_t folder = 1; folder <= 11; ++folder) {
        const Text path = SpecialFolderPath(folder);
        SCOPED_TRACE(testing::Message() << "folder " << folder << ": " << path);
        if (folder == 2 && path.empty()) {
            continue;  // a prefix may have no favourites folder
        }
        ASSERT_GE(path.size(), 3u);
        EXPECT_EQ(path.back(), '\\');
        EXPECT_NE(path[path.size() - 2], '\\');
    }
}

TEST(SpecialFolderPath, AddsTheSeparatorWindowsLeavesOff) {
    char windows[MAX_PATH] = {};
    ASSERT_GT(GetWindowsDirectoryA(windows, MAX_PATH), 0u);
    EXPECT_EQ(SpecialFolderPath(9), std::string(windows) + "\\");
    char system[MAX_PATH] = {};
    ASSERT_GT(GetSystemDirectoryA(system, MAX_PATH), 0u);
    EXPECT_EQ(SpecialFolderPath(10), std::string(system) + "\\");
    char desktop[MAX_PATH] = {};
    ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, desktop, CSIDL_DESKTOPDIRECTORY, FALSE));
    EXPECT_EQ(SpecialFolderPath(3), std::string(desktop) + "\\");
}

TEST(SpecialFolderPath, OtherNumbersAreNone) {
    for (const std::int32_t folder : {0, 12, -1, 3000}) {
        EXPECT_EQ(SpecialFolderPath(folder), "") << folder;
    }
}

// Points the user's favourites folder somewhere else for one test, as a user
// who moves the folder does; the old setting comes back afterwards.
class FavoritesOverride {
public:
    explicit FavoritesOverride(const std::string& folder) {
        EXPECT_EQ(
            RegOpenKeyExA(HKEY_CURRENT_USER, kUserShellFolders, 0, KEY_READ | KEY_SET_VALUE, &key_),
            ERROR_SUCCESS);
        char old[MAX_PATH] = {};
        DWORD size = sizeof(old);
        if (RegQueryValueExA(key_, "Favorites", nullptr, &type_, reinterpret_cast<BYTE*>(old),
                             &size) == ERROR_SUCCESS) {
            old_ = std::string(old, size);
        }
        RegSetValueExA(key_, "Favorites", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                       static_cast<DWORD>(folder.size() + 1));
    }
    FavoritesOverride(const FavoritesOverride&) = delete;
    FavoritesOverride& operator=(const FavoritesOverride&) = delete;
    ~FavoritesOverride() {
        if (old_) {
            RegSetValueExA(key_, "Favorites", 0, type_, reinterpret_cast<const BYTE*>(old_->data()),
                           static_cast<DWORD>(old_->size()));
        } else {
            RegDeleteValueA(key_, "Favorites");
        }
        RegCloseKey(key_);
    }

private:
    static constexpr const char* kUserShellFolders =
        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    HKEY key_ = nullptr;
    DWORD type_ = REG_SZ;
    std::optional<std::string> old_;
};

TEST(SpecialFolderPath, FolderNameEndingInSecondByteBackslashGetsSeparator) {
    // "乗" ends in the byte 0x5C, which is no separator.
    testing_support::ScratchFolder scratch;
    const std::string folder = scratch / "收藏乗";
    testing_support::MakeFolder(folder);
    const FavoritesOverride favorites(folder);
    EXPECT_EQ(SpecialFolderPath(2), folder + "\\");
}

struct TemporaryCase {
    const char* name;
    friend void PrintTo(const TemporaryCase& c, std::ostream* out) { *out << c.name; }
    std::string tmp;
    std::string expected;
};

class TemporaryFolderTest : public testing::TestWithParam<TemporaryCase> {};

TEST_P(TemporaryFolderTest, ComesBackWithOneSeparator) {
    const TemporaryFolderOverride temp(GetParam().tmp);
    EXPECT_EQ(SpecialFolderPath(11), GetParam().expected);
}

// Windows puts a "\" after the TMP folder itself; a folder that would then
// not fit a Windows path is none, never a cut path.
const TemporaryCase kTemporaryCases[] = {
    {"AlreadyEndsWithSeparator", "C:\\Temp\\", "C:\\Temp\\"},
    {"WithoutSeparator", "C:\\Temp", "C:\\Temp\\"},
    {"ChineseWithSecondByteBackslash", "C:\\临时乗", "C:\\临时乗\\"},
    {"LongestThatFits", "C:\\" + std::string(255, 'a'), "C:\\" + std::string(255, 'a') + "\\"},
    {"TooLongForWindows", "C:\\" + std::string(256, 'a'), ""},
};

INSTANTIATE_TEST_SUITE_P(Cases, TemporaryFolderTest, testing::ValuesIn(kTemporaryCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace gamereg
