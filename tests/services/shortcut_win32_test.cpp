#include "services/shortcut.h"

#include <objbase.h>
#include <objidl.h>
#include <ole2.h>
#include <shlobj.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "windows_test_support.h"

namespace gamereg {
namespace {

using testing_support::FileExists;
using testing_support::MakeFolder;
using testing_support::ScratchFolder;
using testing_support::WriteFileText;

// What a saved shortcut holds, read back through the shell's own link object.
struct LoadedLink {
    bool loaded = false;
    std::string target, workingDirectory, arguments, description;
};

// The show command as the link file stores it: 4 bytes at offset 0x3C of its
// header. (Readers, Wine's among them, report values other than 1, 3 and 7 as
// SW_SHOWNORMAL, so the stored value is read from the file itself.)
std::uint32_t StoredShowCommand(const std::string& path) {
    const std::string content = testing_support::ReadFileText(path);
    if (content.size() < 0x40) {
        return 0xFFFFFFFF;
    }
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = value << 8 | static_cast<unsigned char>(content[0x3C + i]);
    }
    return value;
}

LoadedLink LoadLink(const std::string& path) {
    LoadedLink result;
    wchar_t wide[MAX_PATH] = {};
    if (MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH) == 0) {
        return result;
    }
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link)))) {
        return result;
    }
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        if (SUCCEEDED(file->Load(wide, STGM_READ))) {
            char text[INFOTIPSIZE] = {};
            result.loaded = true;
            link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
            result.target = text;
            text[0] = '\0';
            link->GetWorkingDirectory(text, MAX_PATH);
            result.workingDirectory = text;
            text[0] = '\0';
            link->GetArguments(text, INFOTIPSIZE);
            result.arguments = text;
            text[0] = '\0';
            link->GetDescription(text, INFOTIPSIZE);
            result.description = text;
        }
        file->Release();
    }
    link->Release();
    return result;
}

// COM as the program has it: OLE initialised on the thread before any call.
class ShortcutTest : public testing::Test {
protected:
    ShortcutTest() {
        EXPECT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        MakeFolder(scratch / "游戏乗");
        target = scratch / "游戏乗\\乗工具.exe";
        WriteFileText(target, "MZ");
    }
    ~ShortcutTest() override { OleUninitialize(); }

    ScratchFolder scratch;
    std::string target;
};

struct NameCase {
    const char* name;
    friend void PrintTo(const NameCase& c, std::ostream* out) { *out << c.name; }
    std::string linkPath;  // below the scratch folder
    std::string fileName;  // the file that must appear
};

class ShortcutNameTest : public ShortcutTest, public testing::WithParamInterface<NameCase> {};

TEST_P(ShortcutNameTest, SavesLinkToTargetUnderTheRulesName) {
    const NameCase& c = GetParam();
    // The rule looks at the whole path: the scratch folder must hold no ".".
    ASSERT_EQ(scratch.Path().find('.'), std::string::npos) << scratch.Path();
    MakeFolder(scratch / "first.last");
    EXPECT_TRUE(CreateShortcut(scratch / c.linkPath, target));
    const std::string file = scratch / c.fileName;
    ASSERT_TRUE(FileExists(file)) << file;
    if (c.fileName != c.linkPath) {
        EXPECT_FALSE(FileExists(scratch / c.linkPath));
    }
    const LoadedLink link = LoadLink(file);
    ASSERT_TRUE(link.loaded);
    EXPECT_EQ(link.target, target);
    EXPECT_EQ(StoredShowCommand(file), static_cast<std::uint32_t>(SW_SHOW));
    EXPECT_EQ(link.workingDirectory, "");
    EXPECT_EQ(link.arguments, "");
    EXPECT_EQ(link.description, "");
}

const NameCase kNameCases[] = {
    {"PlainNameGetsExtension", "Demo", "Demo.lnk"},
    {"ChineseNameGetsExtension", "演示游戏乗", "演示游戏乗.lnk"},
    {"DotInNameKeepsIt", "Demo 2.0", "Demo 2.0"},
    {"ExtensionKept", "Demo.lnk", "Demo.lnk"},
    {"DotInFolderKeepsName", "first.last\\Demo", "first.last\\Demo"},
};

INSTANTIATE_TEST_SUITE_P(Cases, ShortcutNameTest, testing::ValuesIn(kNameCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShortcutTest, GivenDetailsAreSet) {
    const std::string path = scratch / "Demo.lnk";
    EXPECT_TRUE(CreateShortcut(path, target, "演示", "-乗 /x", scratch / "游戏乗"));
    const LoadedLink link = LoadLink(path);
    ASSERT_TRUE(link.loaded);
    EXPECT_EQ(link.description, "演示");
    EXPECT_EQ(link.arguments, "-乗 /x");
    EXPECT_EQ(link.workingDirectory, scratch / "游戏乗");
}

TEST_F(ShortcutTest, SavingAgainReplacesTheLink) {
    const std::string path = scratch / "Demo.lnk";
    const std::string other = scratch / "other.exe";
    WriteFileText(other, "MZ");
    EXPECT_TRUE(CreateShortcut(path, other));
    EXPECT_TRUE(CreateShortcut(path, target));
    EXPECT_EQ(LoadLink(path).target, target);
}

TEST_F(ShortcutTest, MissingFolderIsFalse) {
    EXPECT_FALSE(CreateShortcut(scratch / "missing\\Demo", target));
    EXPECT_FALSE(FileExists(scratch / "missing"));
}

TEST_F(ShortcutTest, FileNameLongerThanAWindowsPathIsFalse) {
    // With ".lnk" the longest name that fits makes a path of MAX_PATH - 1 bytes.
    const std::size_t room = MAX_PATH - 1 - scratch.Path().size() - 1 - 4;
    const std::string fits = scratch / std::string(room, 'a');
    EXPECT_TRUE(CreateShortcut(fits, target));
    EXPECT_TRUE(FileExists(fits + ".lnk"));

    const std::string tooLong = scratch / std::string(room + 1, 'b');
    EXPECT_FALSE(CreateShortcut(tooLong, target));
    EXPECT_FALSE(FileExists(tooLong + ".lnk"));
    EXPECT_FALSE(FileExists(tooLong));
}

}  // namespace
}  // namespace gamereg
