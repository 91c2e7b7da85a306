// GameReg.exe doing its job under Wine: the script with the game folder
// filled in, import and uninstall through the registry editor, the desktop
// shortcut, and the clean-up when the window closes.

#include <map>
#include <sstream>

#include "unix_command.h"
#include "workflow_fixture.h"

namespace gamereg::e2e {
namespace {

using Values = std::map<std::string, std::optional<std::string>>;

// A script that writes a value the database does not check.
constexpr const char* kScriptWithoutCheckValue =
    "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Demo Studio\\Demo]\r\n\"Other\"=\"x\"\r\n\r\n";

// Demo values after a good import into `folder`.
Values DemoValues(const std::string& folder) {
    return {{"InstallPath", folder}, {"Exe", folder + "\\Demo.exe"}, {"Language", "简体中文"}};
}

Values ValuesNow(const Values& expected) {
    Values now;
    for (const auto& [name, value] : expected) now[name] = MachineValue(kDemoKey, name);
    return now;
}

Message Info(const char* text) { return {kInformation, text}; }

std::string CrLf(const std::string& lines) {
    std::string text;
    for (char c : lines) text += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return text;
}

// The xdotool key names that type `text` in the edit box.
std::string KeysFor(const std::string& text) {
    static const std::map<char, const char*> named = {
        {' ', "space"},      {'[', "bracketleft"}, {']', "bracketright"},
        {'\\', "backslash"}, {'"', "quotedbl"},    {'=', "equal"},
        {'_', "underscore"}, {'\n', "Return"},     {'.', "period"}};
    std::string keys;
    for (char c : text) {
        const auto name = named.find(c);
        keys += name != named.end() ? std::string(name->second) : std::string(1, c);
        keys += ' ';
    }
    return keys;
}

// A point of the window's close box on the screen, found by the window's own
// hit test along its caption bar.
std::optional<POINT> CloseBoxPoint(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    for (LONG y = rect.top; y < rect.top + 40; ++y) {
        for (LONG x = rect.right - 1; x > rect.right - 80; --x) {
            if (SendAndWait(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) {
                // The middle of the box's row, a few pixels in.
                return POINT{x - 4, y + 6};
            }
        }
    }
    return std::nullopt;
}

class Running : public WorkflowTest {
protected:
    // Starts in a game folder with the demo game and this record's database.
    HWND StartWith(const DemoRecord& record = {}) {
        game.CopyDemoGame();
        game.WriteDatabase(DemoDatabase(record));
        return StartedWindow();
    }

    // Clicks a button and answers the box that comes.
    std::optional<Message> Click(HWND button) {
        PostMessageA(button, BM_CLICK, 0, 0);
        return MessageNow(*product);
    }

    // Dismisses the box and waits until the handler has returned.
    void Dismiss(HWND window) {
        EXPECT_TRUE(DismissMessage(*product));
        SendAndWait(window, WM_NULL);
    }

    std::string BatchFor(const std::string& script) const {
        return "@echo off\r\nregedit.exe /s \"" + temp.Path() + "\\" + script + "\"";
    }

    void ImportSucceeds(HWND window) {
        ASSERT_EQ(Click(Button1(window)), Info("导入注册表成功！"));
        Dismiss(window);
        ASSERT_TRUE(WaitFor([&] { return FileExists(Shortcut()); }));
    }

    void CloseAndExpectCleanExit(HWND window) {
        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(product->WaitForExit(), 0u);
        EXPECT_EQ(TemporaryFilesLeft(), std::vector<std::string>{});
    }
};

struct PreparedCase {
    const char* name;
    bool referenceDatabase;  // the shipped demo database, else one written here
    const char* script;      // the record's import script
    friend void PrintTo(const PreparedCase& c, std::ostream* os) { *os << c.name; }
};

class PreparedScriptIn : public Running, public testing::WithParamInterface<PreparedCase> {};

TEST_P(PreparedScriptIn, CaptionAndEditBoxWithTheFolderFilledIn) {
    const PreparedCase& c = GetParam();
    game.CopyDemoGame();
    DemoRecord record;
    record.importScript = c.script;
    if (c.referenceDatabase) {
        game.CopyReferenceDatabase();
    } else {
        game.WriteDatabase(DemoDatabase(record));
    }
    const HWND window = StartedWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(TextOf(window), "演示游戏注册表工具");
    EXPECT_EQ(TextOf(EditBox(window)), PreparedScript(c.script, game.Path()));
    CloseAndExpectCleanExit(window);
}

INSTANTIATE_TEST_SUITE_P(
    GameFolder, PreparedScriptIn,
    testing::Values(PreparedCase{"reference_database", true, kDemoImportScript},
                    PreparedCase{"written_database", false, kDemoImportScript},
                    PreparedCase{"script_without_placeholder", false, kScriptWithoutCheckValue},
                    PreparedCase{"placeholders_side_by_side", false,
                                 "游戏路径游戏路径\r\n;游戏路径\r\n"}),
    [](const testing::TestParamInfo<PreparedCase>& info) { return info.param.name; });

struct ImportCase {
    const char* name;
    const char* script;
    bool valueBefore;  // InstallPath is in the registry before the click
    bool succeeds;
    Values (*values)(const std::string& folder);  // in the registry afterwards
    friend void PrintTo(const ImportCase& c, std::ostream* os) { *os << c.name; }
};

class Import : public Running, public testing::WithParamInterface<ImportCase> {};

TEST_P(Import, JudgedByTheCheckValueAlone) {
    const ImportCase& c = GetParam();
    if (c.valueBefore) {
        ASSERT_TRUE(SetMachineValue(kDemoKey, "InstallPath", "before"));
    }
    DemoRecord record;
    record.importScript = c.script;
    const HWND window = StartWith(record);
    ASSERT_NE(window, nullptr);

    EXPECT_EQ(Click(Button1(window)), Info(c.succeeds ? "导入注册表成功！" : "导入注册表失败！"));
    // While the box is up: the files as run, and no shortcut yet.
    EXPECT_EQ(ReadWholeFile(temp / "Gamereg.reg"), PreparedScript(c.script, game.Path()));
    EXPECT_EQ(ReadWholeFile(temp / "Gamereg.bat"), BatchFor("Gamereg.reg"));
    EXPECT_FALSE(FileExists(Shortcut()));
    Dismiss(window);

    if (c.succeeds) {
        EXPECT_TRUE(WaitFor([&] { return FileExists(Shortcut()); }));
        EXPECT_EQ(ShortcutTarget(Shortcut()), game / "Demo.exe");
        EXPECT_EQ(TemporaryFilesLeft(), std::vector<std::string>{});
    } else {
        EXPECT_FALSE(FileExists(Shortcut()));
        EXPECT_EQ(TemporaryFilesLeft(), (std::vector<std::string>{"Gamereg.reg", "Gamereg.bat"}));
    }
    const Values expected = c.values(game.Path());
    EXPECT_EQ(ValuesNow(expected), expected);
    CloseAndExpectCleanExit(window);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, Import,
    testing::Values(ImportCase{"demo_script", kDemoImportScript, false, true, DemoValues},
                    // The editor ran (Other is there) but the check value is not set.
                    ImportCase{"script_without_check_value", kScriptWithoutCheckValue, false, false,
                               [](const std::string&) {
                                   return Values{{"InstallPath", std::nullopt}, {"Other", "x"}};
                               }},
                    ImportCase{"check_value_there_before", kScriptWithoutCheckValue, true, true,
                               [](const std::string&) {
                                   return Values{{"InstallPath", "before"}, {"Other", "x"}};
                               }},
                    ImportCase{"empty_script", "", false, false,
                               [](const std::string&) {
                                   return Values{{"InstallPath", std::nullopt}};
                               }},
                    ImportCase{"empty_script_check_value_there_before", "", true, true,
                               [](const std::string&) {
                                   return Values{{"InstallPath", "before"}};
                               }}),
    [](const testing::TestParamInfo<ImportCase>& info) { return info.param.name; });

TEST_F(Running, SecondImportSucceedsAgainAndMakesTheShortcutAgain) {
    const HWND window = StartWith();
    ASSERT_NE(window, nullptr);
    ImportSucceeds(window);
    ASSERT_TRUE(SetMachineValue(kDemoKey, "InstallPath", "changed"));
    ASSERT_TRUE(DeleteFileA(Shortcut().c_str()));
    ImportSucceeds(window);
    EXPECT_EQ(ShortcutTarget(Shortcut()), game / "Demo.exe");
    EXPECT_EQ(MachineValue(kDemoKey, "InstallPath"), game.Path());
    EXPECT_EQ(TemporaryFilesLeft(), std::vector<std::string>{});
    CloseAndExpectCleanExit(window);
}

// Typed as a player would: Tab to the edit box, type, Tab back, Space.
TEST_F(Running, TextTypedIntoTheEditBoxIsWhatTheImportWrites) {
    const HWND window = StartWith();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitFor([&] { return product->Focus() == Button1(window); }));
    ASSERT_TRUE(PressKeys("Tab Tab"));
    ASSERT_TRUE(WaitFor([&] { return product->Focus() == EditBox(window); }));
    const std::string typed =
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Demo Studio\\Demo]\n\"Typed\"=\"yes\"\n";
    ASSERT_TRUE(PressKeys("ctrl+End " + KeysFor(typed)));
    const std::string expected = PreparedScript(kDemoImportScript, game.Path()) + CrLf(typed);
    ASSERT_TRUE(WaitFor([&] { return TextOf(EditBox(window)) == expected; }))
        << TextOf(EditBox(window));
    ASSERT_TRUE(PressKeys("Tab"));
    ASSERT_TRUE(WaitFor([&] { return product->Focus() == Button1(window); }));
    ASSERT_TRUE(PressKeys("space"));
    EXPECT_EQ(MessageNow(*product), Info("导入注册表成功！"));
    EXPECT_EQ(ReadWholeFile(temp / "Gamereg.reg"), expected);
    Dismiss(window);
    EXPECT_EQ(MachineValue(kDemoKey, "Typed"), "yes");
    EXPECT_EQ(MachineValue(kDemoKey, "InstallPath"), game.Path());
    CloseAndExpectCleanExit(window);
}

// Removes Exe alone; the comment keeps its placeholder as written.
constexpr const char* kUninstallLeavingCheckValue =
    "REGEDIT4\r\n\r\n; 游戏路径\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Demo Studio\\Demo]\r\n"
    "\"Exe\"=-\r\n\r\n";

struct UninstallCase {
    const char* name;
    const char* script;
    bool importFirst;
    bool succeeds;
    Values (*values)(const std::string& folder);
    friend void PrintTo(const UninstallCase& c, std::ostream* os) { *os << c.name; }
};

class Uninstall : public Running, public testing::WithParamInterface<UninstallCase> {};

TEST_P(Uninstall, JudgedByTheCheckValueBeingGone) {
    const UninstallCase& c = GetParam();
    DemoRecord record;
    record.uninstallScript = c.script;
    const HWND window = StartWith(record);
    ASSERT_NE(window, nullptr);
    if (c.importFirst) ImportSucceeds(window);

    EXPECT_EQ(Click(Button2(window)), Info(c.succeeds ? "卸载注册表成功！" : "卸载注册表失败！"));
    EXPECT_EQ(ReadWholeFile(temp / "Gameuninstall.reg"), c.script);
    EXPECT_EQ(ReadWholeFile(temp / "Gameuninstall.bat"), BatchFor("Gameuninstall.reg"));
    Dismiss(window);

    const std::vector<std::string> left =
        c.succeeds ? std::vector<std::string>{}
                   : std::vector<std::string>{"Gameuninstall.reg", "Gameuninstall.bat"};
    EXPECT_EQ(TemporaryFilesLeft(), left);
    // An uninstall never touches the shortcut.
    EXPECT_EQ(FileExists(Shortcut()), c.importFirst);
    const Values expected = c.values(game.Path());
    EXPECT_EQ(ValuesNow(expected), expected);
    CloseAndExpectCleanExit(window);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, Uninstall,
    testing::Values(
        UninstallCase{"after_import", kDemoUninstallScript, true, true,
                      [](const std::string&) {
                          return Values{{"InstallPath", std::nullopt}, {"Exe", std::nullopt}};
                      }},
        UninstallCase{"script_leaves_check_value", kUninstallLeavingCheckValue, true, false,
                      [](const std::string& folder) {
                          return Values{{"InstallPath", folder}, {"Exe", std::nullopt}};
                      }},
        UninstallCase{"nothing_imported", kDemoUninstallScript, false, true,
                      [](const std::string&) {
                          return Values{{"InstallPath", std::nullopt}};
                      }}),
    [](const testing::TestParamInfo<UninstallCase>& info) { return info.param.name; });

struct MissingFieldCase {
    const char* name;
    const char* field;
    bool import;                         // 按钮1, else 按钮2
    std::optional<Message> before;       // the box before the fatal error
    std::vector<std::string> filesLeft;  // no clean-up after a fatal error
    friend void PrintTo(const MissingFieldCase& c, std::ostream* os) { *os << c.name; }
};

class MissingFieldOnClick : public Running, public testing::WithParamInterface<MissingFieldCase> {};

TEST_P(MissingFieldOnClick, EndsWithTheFatalErrorAtItsFirstRead) {
    const MissingFieldCase& c = GetParam();
    game.CopyDemoGame();
    game.WriteDatabase(DemoDatabase({}, c.field));
    const HWND window = StartedWindow();
    ASSERT_NE(window, nullptr);
    PostMessageA(c.import ? Button1(window) : Button2(window), BM_CLICK, 0, 0);
    if (c.before) {
        EXPECT_EQ(MessageNow(*product), *c.before);
        EXPECT_TRUE(DismissMessage(*product));
    }
    EXPECT_EQ(MessageNow(*product), kFieldMissing);
    EXPECT_TRUE(DismissMessage(*product));
    EXPECT_EQ(product->WaitForExit(), kFatalExit);
    EXPECT_FALSE(FileExists(Shortcut()));
    EXPECT_EQ(TemporaryFilesLeft(), c.filesLeft);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, MissingFieldOnClick,
    testing::Values(MissingFieldCase{"check_item_on_import",
                                     "注册表存在检测",
                                     true,
                                     std::nullopt,
                                     {"Gamereg.reg", "Gamereg.bat"}},
                    MissingFieldCase{"game_name_on_import",
                                     "游戏名称",
                                     true,
                                     Info("导入注册表成功！"),
                                     {"Gamereg.reg", "Gamereg.bat"}},
                    MissingFieldCase{
                        "uninstall_script_on_uninstall", "注册表卸载", false, std::nullopt, {}},
                    MissingFieldCase{"check_item_on_uninstall",
                                     "注册表存在检测",
                                     false,
                                     std::nullopt,
                                     {"Gameuninstall.reg", "Gameuninstall.bat"}}),
    [](const testing::TestParamInfo<MissingFieldCase>& info) { return info.param.name; });

enum class CloseBy { Escape, AltF4, CloseBox, SystemMenu };

struct CloseCase {
    const char* name;
    CloseBy how;
    friend void PrintTo(const CloseCase& c, std::ostream* os) { *os << c.name; }
};

class Closing : public Running, public testing::WithParamInterface<CloseCase> {};

TEST_P(Closing, ClosesTheDatabaseAndRemovesTheFourTemporaryFiles) {
    const HWND window = StartWith();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitFor([&] { return product->Focus() == Button1(window); }));
    for (const char* name : kTemporaryFiles) ASSERT_TRUE(WriteWholeFile(temp / name, "left"));
    // Open: nobody else may have the data file to themselves.
    const std::string dataFile = game / "registry.edb";
    const HANDLE whileOpen =
        CreateFileA(dataFile.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(whileOpen, INVALID_HANDLE_VALUE);
    if (whileOpen != INVALID_HANDLE_VALUE) CloseHandle(whileOpen);

    switch (GetParam().how) {
        case CloseBy::Escape:
            ASSERT_TRUE(PressKeys("Escape"));
            break;
        case CloseBy::AltF4:
            ASSERT_TRUE(PressKeys("alt+F4"));
            break;
        case CloseBy::CloseBox: {
            const auto point = CloseBoxPoint(window);
            ASSERT_TRUE(point.has_value());
            std::ostringstream click;
            click << "xdotool mousemove " << point->x << " " << point->y << " click 1";
            ASSERT_TRUE(StartHostCommand(click.str()));
            break;
        }
        case CloseBy::SystemMenu:
            PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
            break;
    }
    EXPECT_EQ(product->WaitForExit(), 0u);
    EXPECT_EQ(TemporaryFilesLeft(), std::vector<std::string>{});
    const HANDLE afterClose =
        CreateFileA(dataFile.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(afterClose, INVALID_HANDLE_VALUE);
    if (afterClose != INVALID_HANDLE_VALUE) CloseHandle(afterClose);
}

INSTANTIATE_TEST_SUITE_P(Ways, Closing,
                         testing::Values(CloseCase{"escape", CloseBy::Escape},
                                         CloseCase{"alt_f4", CloseBy::AltF4},
                                         CloseCase{"close_box", CloseBy::CloseBox},
                                         CloseCase{"system_menu", CloseBy::SystemMenu}),
                         [](const testing::TestParamInfo<CloseCase>& info) {
                             return info.param.name;
                         });

}  // namespace
}  // namespace gamereg::e2e
