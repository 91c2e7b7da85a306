// GameReg.exe refusing to start: missing or unusable data files, a database
// held by another process, the tool outside its game folder, a field the
// record lacks. Each time one box, the main window never shown, no
// temporary file, and the data files as they were.

#include <memory>
#include <sstream>

#include "database/child_process.h"
#include "workflow_fixture.h"

namespace gamereg::e2e {
namespace {

// Another process holding a lock on the whole file, as a second copy of the
// tool does while it opens the database.
class HeldLock {
public:
    explicit HeldLock(const std::string& file) {
        std::ostringstream name;
        name << "lock-" << GetCurrentProcessId();
        ready_ = name.str() + ".ready";
        release_ = name.str() + ".release";
        DeleteFileA(ready_.c_str());
        DeleteFileA(release_.c_str());
        EXPECT_TRUE(
            holder_.Start(GAMEREG_LOCK_HOLDER, {file, "0", "0x7FFFFFFF", ready_, release_}));
        EXPECT_TRUE(WaitFor([&] { return FileExists(ready_); })) << "the lock holder did not start";
    }
    ~HeldLock() {
        WriteWholeFile(release_, "");
        EXPECT_EQ(holder_.Wait(), 0);
        DeleteFileA(ready_.c_str());
        DeleteFileA(release_.c_str());
    }

private:
    std::string ready_;
    std::string release_;
    test::ChildProcess holder_;
};

struct StartupCase {
    const char* name;
    void (*prepare)(const GameFolder& game);
    bool locked;  // another process holds the data file
    Message message;
    DWORD exitCode;
    friend void PrintTo(const StartupCase& c, std::ostream* os) { *os << c.name; }
};

Message Info(const char* text) { return {kInformation, text}; }

void DemoGameAndDatabase(const GameFolder& game) {
    game.CopyDemoGame();
    game.WriteDatabase(DemoDatabase());
}

class Startup : public WorkflowTest, public testing::WithParamInterface<StartupCase> {};

TEST_P(Startup, ShowsOneMessageAloneAndEnds) {
    const StartupCase& c = GetParam();
    c.prepare(game);
    const auto dataBefore = ReadWholeFile(game / "registry.edb");
    const auto memoBefore = ReadWholeFile(game / "registry.EDT");
    std::unique_ptr<HeldLock> lock;
    if (c.locked) lock = std::make_unique<HeldLock>(game / "registry.edb");

    Start();
    EXPECT_EQ(MessageNow(*product), c.message);
    for (HWND window : product->TopLevelWindows("GameRegMainWindow")) {
        EXPECT_FALSE(IsWindowVisible(window));
    }
    EXPECT_TRUE(DismissMessage(*product));
    EXPECT_EQ(product->WaitForExit(), c.exitCode);
    EXPECT_TRUE(product->TopLevelWindows("GameRegMainWindow").empty());
    lock.reset();

    EXPECT_EQ(TemporaryFilesLeft(), std::vector<std::string>{});
    EXPECT_EQ(ReadWholeFile(game / "registry.edb"), dataBefore);
    EXPECT_EQ(ReadWholeFile(game / "registry.EDT"), memoBefore);
    EXPECT_FALSE(FileExists(Shortcut()));
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, Startup,
    testing::Values(
        StartupCase{"data_file_missing",
                    [](const GameFolder& game) {
                        DemoGameAndDatabase(game);
                        DeleteFileA((game / "registry.edb").c_str());
                    },
                    false, Info("游戏工具箱文件不完整,缺少registry.edb数据库文件！"), 0},
        StartupCase{"both_data_files_missing", [](const GameFolder& game) { game.CopyDemoGame(); },
                    false, Info("游戏工具箱文件不完整,缺少registry.edb数据库文件！"), 0},
        // The data file is left as it was: no open is tried.
        StartupCase{"memo_file_missing",
                    [](const GameFolder& game) {
                        DemoGameAndDatabase(game);
                        DeleteFileA((game / "registry.EDT").c_str());
                    },
                    false, Info("游戏工具箱文件不完整,缺少registry.EDT数据库文件！"), 0},
        StartupCase{"not_a_database",
                    [](const GameFolder& game) {
                        game.CopyDemoGame();
                        WriteWholeFile(game / "registry.edb", "not a database\r\n");
                        WriteWholeFile(game / "registry.EDT", "not a memo file\r\n");
                    },
                    false, Info("打开数据库失败！"), 0},
        StartupCase{"wrong_password",
                    [](const GameFolder& game) {
                        game.CopyDemoGame();
                        DatabaseDefinition database = DemoDatabase();
                        database.password = "Secret";
                        game.WriteDatabase(database);
                    },
                    false, Info("打开数据库失败！"), 0},
        StartupCase{"plain_database",
                    [](const GameFolder& game) {
                        game.CopyDemoGame();
                        DatabaseDefinition database = DemoDatabase();
                        database.password.clear();
                        game.WriteDatabase(database);
                    },
                    false, Info("打开数据库失败！"), 0},
        StartupCase{"locked_by_another_process", DemoGameAndDatabase, true,
                    Info("打开数据库失败！"), 0},
        StartupCase{"read_only_data_file",
                    [](const GameFolder& game) {
                        DemoGameAndDatabase(game);
                        SetFileAttributesA((game / "registry.edb").c_str(),
                                           FILE_ATTRIBUTE_READONLY);
                    },
                    false, Info("打开数据库失败！"), 0},
        StartupCase{"marker_file_missing",
                    [](const GameFolder& game) { game.WriteDatabase(DemoDatabase()); }, false,
                    Info("请将本注册表工具放置到【演示游戏】游戏目录下！"), 0},
        StartupCase{"marker_names_another_file",
                    [](const GameFolder& game) {
                        game.CopyDemoGame();
                        DemoRecord record;
                        record.markerFile = "bin\\Game.exe";
                        record.gameName = "另一个 游戏";
                        game.WriteDatabase(DemoDatabase(record));
                    },
                    false, Info("请将本注册表工具放置到【另一个 游戏】游戏目录下！"), 0},
        // No record: every field reads as an empty text, so the place is
        // tested on the run directory followed by "/" alone. A search for a
        // folder name ending in a separator finds nothing, so the tool
        // reports the wrong place, with an empty game name.
        StartupCase{"no_record",
                    [](const GameFolder& game) {
                        game.CopyDemoGame();
                        game.WriteDatabase(DemoDatabase({}, {}, false));
                    },
                    false, Info("请将本注册表工具放置到【】游戏目录下！"), 0},
        StartupCase{"marker_field_missing",
                    [](const GameFolder& game) {
                        game.CopyDemoGame();
                        game.WriteDatabase(DemoDatabase({}, "游戏文件检测"));
                    },
                    false, kFieldMissing, kFatalExit},
        StartupCase{"tool_name_field_missing",
                    [](const GameFolder& game) {
                        game.CopyDemoGame();
                        game.WriteDatabase(DemoDatabase({}, "注册表工具名称"));
                    },
                    false, kFieldMissing, kFatalExit},
        StartupCase{"import_script_field_missing",
                    [](const GameFolder& game) {
                        game.CopyDemoGame();
                        game.WriteDatabase(DemoDatabase({}, "注册表代码"));
                    },
                    false, kFieldMissing, kFatalExit}),
    [](const testing::TestParamInfo<StartupCase>& info) { return info.param.name; });

// The marker file's presence is the only proof of the place: a game name
// missing from the database is never needed when the marker is there.
TEST_F(WorkflowTest, StartsWithoutTheGameNameWhenTheMarkerIsThere) {
    game.CopyDemoGame();
    game.WriteDatabase(DemoDatabase({}, "游戏名称"));
    const HWND window = StartedWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(TextOf(window), "演示游戏注册表工具");
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(product->WaitForExit(), 0u);
}

}  // namespace
}  // namespace gamereg::e2e
