#include "services/registry_item.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace gamereg {
namespace {

// A key of the test's own, made with the registry API and removed with all
// it holds when the test ends.
class TestKey {
public:
    TestKey(HKEY root, std::string path, REGSAM view = 0)
        : root_(root), path_(std::move(path)), view_(view) {
        EXPECT_EQ(RegCreateKeyExA(root_, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view,
                                  nullptr, &key_, nullptr),
                  ERROR_SUCCESS)
            << path_;
    }
    TestKey(const TestKey&) = delete;
    TestKey& operator=(const TestKey&) = delete;
    ~TestKey() {
        RegCloseKey(key_);
        HKEY parent = nullptr;
        const std::size_t split = path_.rfind('\\');
        if (RegOpenKeyExA(root_, path_.substr(0, split).c_str(), 0, KEY_ALL_ACCESS | view_,
                          &parent) == ERROR_SUCCESS) {
            RegDeleteTreeA(parent, path_.substr(split + 1).c_str());
            RegCloseKey(parent);
        }
    }

    const std::string& Path() const { return path_; }

    // A value in the key, or in its subkey `subkey` (made as needed).
    void Set(const std::string& subkey, const std::string& name, DWORD type,
             const std::string& data) {
        HKEY target = nullptr;
        ASSERT_EQ(RegCreateKeyExA(key_, subkey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view_,
                                  nullptr, &target, nullptr),
                  ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExA(target, name.c_str(), 0, type,
                                 reinterpret_cast<const BYTE*>(data.data()),
                                 static_cast<DWORD>(data.size())),
                  ERROR_SUCCESS);
        RegCloseKey(target);
    }
    void MakeSubkey(const std::string& subkey) {
        HKEY target = nullptr;
        ASSERT_EQ(RegCreateKeyExA(key_, subkey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view_,
                                  nullptr, &target, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(target);
    }

private:
    HKEY root_;
    std::string path_;
    REGSAM view_ = 0;
    HKEY key_ = nullptr;
};

std::string UniqueName(const char* stem) {
    return std::string(stem) + std::to_string(GetCurrentProcessId());
}

// The same layout under HKEY_LOCAL_MACHINE and, with values of its own, under
// HKEY_CURRENT_USER. "乗" is 81 5C in code page 936.
class RegistryItemTest : public testing::Test {
protected:
    RegistryItemTest() {
        for (TestKey* key : {&machine, &user}) {
            key->Set("", "InstallPath", REG_SZ, std::string("C:\\Games\\Demo", 14));
            key->Set("", "Empty", REG_SZ, std::string(1, '\0'));
            key->Set("", "NoData", REG_BINARY, "");
            key->MakeSubkey("Demo");
            key->Set("WithDefault", "", REG_SZ, std::string("x", 2));
            key->Set("游戏乗", "乗", REG_DWORD, std::string(4, '\0'));
            key->Set("游戏乗", "a乗", REG_DWORD, std::string(4, '\0'));
        }
        machine.Set("", "MachineOnly", REG_SZ, std::string(1, '\0'));
        user.Set("", "UserOnly", REG_SZ, std::string(1, '\0'));
    }

    TestKey machine{HKEY_LOCAL_MACHINE, "Software\\" + UniqueName("GameRegTest")};
    TestKey user{HKEY_CURRENT_USER, "Software\\" + UniqueName("GameRegTest")};
};

struct ItemCase {
    const char* name;
    friend void PrintTo(const ItemCase& c, std::ostream* out) { *out << c.name; }
    std::int32_t root;
    std::string item;  // below the test's key
    bool exists;
};

class RegistryItemCaseTest : public RegistryItemTest,
                             public testing::WithParamInterface<ItemCase> {};

TEST_P(RegistryItemCaseTest, AnswersWhetherValueExists) {
    const ItemCase& c = GetParam();
    EXPECT_EQ(RegistryItemExists(c.root, machine.Path() + "\\" + c.item), c.exists);
}

const ItemCase kItemCases[] = {
    {"ValuePresent", 4, "InstallPath", true},
    {"EmptyStringValue", 4, "Empty", true},
    {"ValueWithoutData", 4, "NoData", true},
    {"ValueNameIgnoresCase", 4, "installpath", true},
    {"ValueMissing", 4, "Missing", false},
    {"KeyWithoutValue", 4, "Demo\\Missing", false},
    {"KeyMissing", 4, "Missing\\InstallPath", false},
    {"TrailingSeparatorWithoutDefault", 4, "Demo\\", false},
    {"TrailingSeparatorWithDefault", 4, "WithDefault\\", true},
    {"ValueNameEndsInSecondByte", 4, "游戏乗\\乗", true},
    {"ValueNameWithSecondByte", 4, "游戏乗\\a乗", true},
    {"MachineOnlyUnderMachine", 4, "MachineOnly", true},
    {"UserOnlyNotUnderMachine", 4, "UserOnly", false},
    {"CurrentUser", 3, "UserOnly", true},
    {"ZeroIsCurrentUser", 0, "UserOnly", true},
    {"SevenIsCurrentUser", 7, "UserOnly", true},
    {"NegativeIsCurrentUser", -1, "UserOnly", true},
    {"MachineOnlyNotUnderUser", 3, "MachineOnly", false},
};

INSTANTIATE_TEST_SUITE_P(Cases, RegistryItemCaseTest, testing::ValuesIn(kItemCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RegistryItemExists, WithoutSeparatorLooksUnderRootKey) {
    const std::string name = UniqueName("GameRegTestValue");
    ASSERT_EQ(RegSetValueExA(HKEY_CURRENT_USER, name.c_str(), 0, REG_SZ,
                             reinterpret_cast<const BYTE*>(""), 1),
              ERROR_SUCCESS);
    EXPECT_TRUE(RegistryItemExists(3, name));
    EXPECT_FALSE(RegistryItemExists(4, name));
    RegDeleteValueA(HKEY_CURRENT_USER, name.c_str());
    EXPECT_FALSE(RegistryItemExists(3, name));
}

TEST(RegistryItemExists, EveryRootNumberReadsItsKey) {
    const HKEY roots[] = {HKEY_CLASSES_ROOT, HKEY_CURRENT_CONFIG, HKEY_CURRENT_USER,
                          HKEY_LOCAL_MACHINE, HKEY_USERS};
    const std::string path = UniqueName("GameRegTest");
    for (std::int32_t root = 1; root <= 5; ++root) {
        // Under HKEY_USERS the test writes into the default user's hive.
        const std::string keyPath = (root == 5 ? ".DEFAULT\\Software\\" : "Software\\") + path;
        TestKey key(roots[root - 1], keyPath);
        key.Set("", "Value" + std::to_string(root), REG_SZ, std::string(1, '\0'));
        for (std::int32_t other = 1; other <= 5; ++other) {
            EXPECT_EQ(RegistryItemExists(other, keyPath + "\\Value" + std::to_string(root)),
                      other == root)
                << "written under root " << root << ", read under root " << other;
        }
    }
}

// A 32-bit program on 64-bit Windows has two views of HKLM\Software. The
// value must be read in the program's own, 32-bit view.
TEST(RegistryItemExists, ReadsTheProcessesOwnView) {
    BOOL wow64 = FALSE;
    ASSERT_TRUE(IsWow64Process(GetCurrentProcess(), &wow64));
    if (!wow64) {
        GTEST_SKIP() << "32-bit Windows (or a 32-bit Wine prefix) has a single registry view";
    }
    const std::string path = "Software\\" + UniqueName("GameRegViewTest");
    TestKey wide(HKEY_LOCAL_MACHINE, path, KEY_WOW64_64KEY);
    wide.Set("", "OnlyIn64", REG_SZ, std::string(1, '\0'));
    TestKey narrow(HKEY_LOCAL_MACHINE, path, KEY_WOW64_32KEY);
    narrow.Set("", "OnlyIn32", REG_SZ, std::string(1, '\0'));
    EXPECT_FALSE(RegistryItemExists(4, path + "\\OnlyIn64"));
    EXPECT_TRUE(RegistryItemExists(4, path + "\\OnlyIn32"));
}

}  // namespace
}  // namespace gamereg
