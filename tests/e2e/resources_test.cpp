// The resources GameReg.exe carries: manifest, icon group, hand cursor and
// version block, read from the file as Windows reads them.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program_under_test.h"

namespace gamereg::e2e {
namespace {

class ProductResources : public testing::Test {
protected:
    void SetUp() override {
        module = LoadLibraryExA(ProductPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr) << ProductPath();
    }
    void TearDown() override {
        if (module != nullptr) FreeLibrary(module);
    }

    std::string Resource(const char* name, const char* type) const {
        const HRSRC found = FindResourceA(module, name, type);
        if (found == nullptr) return {};
        const HGLOBAL loaded = LoadResource(module, found);
        return {static_cast<const char*>(LockResource(loaded)), SizeofResource(module, found)};
    }

    HMODULE module = nullptr;
};

TEST_F(ProductResources, ManifestAsksForAdministratorRights) {
    const std::string manifest = Resource(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    EXPECT_NE(manifest.find("requestedExecutionLevel level=\"requireAdministrator\""),
              std::string::npos)
        << manifest;
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST_F(ProductResources, IconGroupHoldsFiveSizes) {
    const std::string group = Resource("DEFAULT_ICON", MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    ASSERT_GE(group.size(), 6u);
    const WORD count = *reinterpret_cast<const WORD*>(group.data() + 4);
    ASSERT_EQ(group.size(), 6u + count * sizeof(GroupIconEntry));
    std::vector<int> sizes;
    for (WORD i = 0; i < count; ++i) {
        const auto* entry =
            reinterpret_cast<const GroupIconEntry*>(group.data() + 6 + i * sizeof(GroupIconEntry));
        sizes.push_back(entry->width == 0 ? 256 : entry->width);
        EXPECT_EQ(entry->width, entry->height);
    }
    EXPECT_EQ(sizes, (std::vector<int>{128, 64, 48, 32, 16}));
    for (const int size : {32, 16}) {
        const HANDLE icon = LoadImageA(module, "DEFAULT_ICON", IMAGE_ICON, size, size, 0);
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(static_cast<HICON>(icon), &info));
        BITMAP bitmap{};
        GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(static_cast<HICON>(icon));
    }
}

TEST_F(ProductResources, HandCursorIsMonochrome32WithHotSpotAtFingertip) {
    const std::string cursor = Resource("HAND", MAKEINTRESOURCEA(12));  // RT_GROUP_CURSOR
    ASSERT_EQ(cursor.size(), 6u + 14u);
    // The group entry: width, height (doubled), planes, bit count.
    const auto* words = reinterpret_cast<const WORD*>(cursor.data() + 6);
    EXPECT_EQ(words[0], 32);
    EXPECT_EQ(words[1], 64);
    EXPECT_EQ(words[3], 1);
    const WORD id = *reinterpret_cast<const WORD*>(cursor.data() + 6 + 12);
    const std::string image = Resource(MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(1));  // RT_CURSOR
    ASSERT_GE(image.size(), 4u);
    const auto* hotSpot = reinterpret_cast<const WORD*>(image.data());
    EXPECT_EQ(hotSpot[0], 6);
    EXPECT_EQ(hotSpot[1], 1);
}

TEST_F(ProductResources, VersionBlockNamesTheToolInChinese) {
    const std::string path = ProductPath();
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), nullptr);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    EXPECT_EQ(translation[0], 0x0804);
    EXPECT_EQ(translation[1], 936);
    char* description = nullptr;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\080403A4\\FileDescription",
                               reinterpret_cast<void**>(&description), &length));
    EXPECT_STREQ(description, "注册表工具");
    char* version = nullptr;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\080403A4\\FileVersion",
                               reinterpret_cast<void**>(&version), &length));
    EXPECT_STREQ(version, "1.0.0.0");
}

}  // namespace
}  // namespace gamereg::e2e
