#include "cli.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>

namespace gamereg {
namespace {

namespace fs = std::filesystem;

// Arguments and output are UTF-8, while plain literals here are code page 936.
std::string Utf8(std::u8string_view text) { return std::string(text.begin(), text.end()); }

std::string ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct CliRun {
    int exitCode;
    std::string out, err;
};

CliRun Gameregdb(const std::vector<std::u8string_view>& args) {
    std::vector<std::string> utf8;
    for (auto arg : args) utf8.push_back(Utf8(arg));
    std::ostringstream out, err;
    const int exitCode = RunGameregDb(utf8, out, err);
    return {exitCode, out.str(), err.str()};
}

class GameregDbTest : public testing::Test {
protected:
    void SetUp() override {
        folder =
            fs::current_path() /
            ("cli-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    // The demo game's database, made from its manifest.
    std::u8string CreateDemo(std::initializer_list<std::u8string_view> options = {}) {
        std::vector<std::string> args = {"create", "data/demo/manifest.json", "--out",
                                         (folder / "demo").string()};
        for (auto option : options) args.push_back(Utf8(option));
        std::ostringstream out, err;
        EXPECT_EQ(RunGameregDb(args, out, err), ExitCode::kSuccess) << err.str();
        return Path("demo/registry.edb");
    }

    std::u8string Path(const std::string& relative) const {
        const std::string path = (folder / relative).string();
        return std::u8string(path.begin(), path.end());
    }

    std::string WriteManifest(std::u8string_view json) {
        const fs::path file = folder / "manifest.json";
        std::ofstream(file, std::ios::binary) << Utf8(json);
        return file.string();
    }

    fs::path folder;
};

TEST_F(GameregDbTest, DemoRoundTrip) {
    const std::u8string db = CreateDemo();

    const CliRun dump = Gameregdb({u8"dump", db});
    EXPECT_EQ(dump.exitCode, 0) << dump.err;
    EXPECT_NE(dump.out.find(Utf8(u8"游戏名称 = 演示游戏\n")), std::string::npos) << dump.out;
    EXPECT_NE(dump.out.find(Utf8(u8"  注册表存在检测  text (10)  offset 220  width 260\n")),
              std::string::npos)
        << dump.out;

    const CliRun json = Gameregdb({u8"dump", db, u8"--json"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const auto parsed = nlohmann::json::parse(json.out);
    EXPECT_EQ(parsed["magic"], "WCDB");
    EXPECT_EQ(parsed["fields"].size(), 6u);
    EXPECT_EQ(parsed["records"][0]["values"][Utf8(u8"游戏文件检测")], "Demo.exe");

    EXPECT_EQ(Gameregdb({u8"get", db, u8"注册表代码"}).out, ReadFile("data/demo/import.reg"));
    EXPECT_EQ(Gameregdb({u8"get", db, u8"注册表卸载"}).out, ReadFile("data/demo/uninstall.reg"));
    EXPECT_EQ(Gameregdb({u8"get", db, u8"游戏名称", u8"--text"}).out, Utf8(u8"演示游戏\n"));
    EXPECT_EQ(Gameregdb({u8"check", db}).out, "ok\n");
    EXPECT_EQ(Gameregdb({u8"lint", db}).out, "ok\n");

    const CliRun preview = Gameregdb({u8"preview", db, u8"C:\\Games\\演示"});
    EXPECT_EQ(preview.exitCode, 0);
    EXPECT_NE(preview.out.find(Utf8(u8"\"Exe\"=\"C:\\\\Games\\\\演示\\\\Demo.exe\"\r\n")),
              std::string::npos)
        << preview.out;
}

// The demo manifest makes, byte for byte, the database a separate
// implementation made from the same values.
TEST_F(GameregDbTest, DemoEqualsReferenceDatabase) {
    CreateDemo();
    EXPECT_EQ(ReadFile(folder / "demo" / "registry.edb"), ReadFile("data/reference/registry.edb"));
    EXPECT_EQ(ReadFile(folder / "demo" / "registry.EDT"), ReadFile("data/reference/registry.EDT"));
    const std::u8string reference = u8"data/reference/registry.edb";
    EXPECT_EQ(Gameregdb({u8"get", reference, u8"注册表工具名称", u8"--text"}).out,
              Utf8(u8"演示游戏注册表工具\n"));
    EXPECT_EQ(Gameregdb({u8"get", reference, u8"注册表存在检测"}).out,
              "SOFTWARE\\Demo Studio\\Demo\\InstallPath");
    EXPECT_EQ(Gameregdb({u8"get", reference, u8"注册表代码"}).out,
              ReadFile("data/demo/import.reg"));
}

TEST_F(GameregDbTest, GetWritesToFile) {
    const std::u8string db = CreateDemo();
    const CliRun get = Gameregdb({u8"get", db, u8"注册表代码", u8"-o", Path("script.reg")});
    EXPECT_EQ(get.exitCode, 0) << get.err;
    EXPECT_EQ(get.out, "");
    EXPECT_EQ(ReadFile(folder / "script.reg"), ReadFile("data/demo/import.reg"));
}

// Every type, plain and protected: what get yields is what the manifest says.
TEST_F(GameregDbTest, EveryTypeRoundTrips) {
    const std::string manifest = WriteManifest(
        u8R"({
        "fields": [
            {"name": "b", "type": "byte"}, {"name": "s", "type": "short"},
            {"name": "i", "type": "integer"}, {"name": "l", "type": "long"},
            {"name": "f", "type": "float"}, {"name": "d", "type": "double"},
            {"name": "y", "type": "logical"}, {"name": "t", "type": "datetime"},
            {"name": "r", "type": "routine"}, {"name": "名称", "type": "text", "width": 8},
            {"name": "x", "type": "bytes"}, {"name": "m", "type": "memo"}
        ],
        "records": [{"b": 200, "s": -2, "i": 7, "l": -9000000000, "f": 1.5, "d": 0.25,
                     "y": true, "t": "2011-04-29 08:30:00", "r": 3735928559, "名称": "游戏",
                     "x": {"hex": "00ff00"}, "m": "第二行\r\n"}]
    })");
    const std::pair<const char8_t*, std::u8string> expectedText[] = {
        {u8"b", u8"200\n"}, {u8"s", u8"-2\n"},
        {u8"i", u8"7\n"},   {u8"l", u8"-9000000000\n"},
        {u8"f", u8"1.5\n"}, {u8"d", u8"0.25\n"},
        {u8"y", u8"真\n"},  {u8"t", u8"2011年4月29日8时30分\n"},
        {u8"r", u8"\n"},    {u8"名称", u8"游戏\n"},
        {u8"x", u8"\n"},    {u8"m", u8"第二行\r\n\n"},
    };
    const std::u8string manifestPath(manifest.begin(), manifest.end());
    const std::vector<std::u8string_view> passwordOptions[] = {{u8"--no-password"},
                                                               {u8"--password", u8"秘密"}};
    for (const auto& options : passwordOptions) {
        SCOPED_TRACE(Utf8(options[0]));
        const auto run = [&options](std::vector<std::u8string_view> args) {
            args.insert(args.end(), options.begin(), options.end());
            return Gameregdb(args);
        };
        const std::u8string out = Path(Utf8(options[0]));
        const CliRun create = run({u8"create", manifestPath, u8"--out", out});
        ASSERT_EQ(create.exitCode, 0) << create.err;
        const std::u8string db = out + u8"/registry.edb";
        for (const auto& [field, text] : expectedText) {
            const CliRun get = run({u8"get", db, field, u8"--text"});
            EXPECT_EQ(get.out, Utf8(text)) << Utf8(field) << get.err;
        }
        EXPECT_EQ(run({u8"get", db, u8"x"}).out, std::string("\x00\xff\x00", 3));
        EXPECT_EQ(run({u8"get", db, u8"r"}).out, "\xef\xbe\xad\xde");
    }
}

struct FailureCase {
    const char* name;
    std::function<std::vector<std::u8string>(const std::u8string& db, const fs::path& folder)> args;
    int exitCode;
    const char8_t* err;
    friend void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.name; }
};

class GameregDbFailureTest : public GameregDbTest,
                             public testing::WithParamInterface<FailureCase> {};

TEST_P(GameregDbFailureTest, ReportsWithExitCode) {
    const std::u8string db = CreateDemo();
    std::vector<std::string> args;
    for (const auto& arg : GetParam().args(db, folder)) args.push_back(Utf8(arg));
    std::ostringstream out, err;
    EXPECT_EQ(RunGameregDb(args, out, err), GetParam().exitCode);
    EXPECT_NE(err.str().find(Utf8(GetParam().err)), std::string::npos) << err.str();
}

const FailureCase kFailureCases[] = {
    {"NoCommand", [](auto&, auto&) { return std::vector<std::u8string>{}; }, 2,
     u8"gamereg-db: no command\nusage: gamereg-db COMMAND"},
    {"UnknownCommand", [](auto&, auto&) { return std::vector<std::u8string>{u8"show"}; }, 2,
     u8"gamereg-db: unknown command show\nusage:"},
    {"UnknownOption",
     [](auto& db, auto&) {
         return std::vector<std::u8string>{u8"dump", db, u8"--all"};
     },
     2, u8"gamereg-db: unknown option --all\n"},
    {"MissingField",
     [](auto& db, auto&) {
         return std::vector<std::u8string>{u8"get", db};
     },
     2, u8"gamereg-db: missing FIELD\n"},
    {"BothPasswordOptions",
     [](auto& db, auto&) {
         return std::vector<std::u8string>{u8"check", db, u8"--password", u8"a", u8"--no-password"};
     },
     2, u8"--password and --no-password exclude each other"},
    {"CreateWithoutOut",
     [](auto&, auto&) {
         return std::vector<std::u8string>{u8"create", u8"data/demo/manifest.json"};
     },
     2, u8"create needs --out DIR"},
    {"UnknownFieldName",
     [](auto& db, auto&) {
         return std::vector<std::u8string>{u8"get", db, u8"游戏名"};
     },
     1, u8"error: no field named \"游戏名\"\n"},
    {"WrongPassword",
     [](auto& db, auto&) {
         return std::vector<std::u8string>{u8"check", db, u8"--password", u8"391526044"};
     },
     1, u8"error -78: 未提供数据库访问密码或提供了错误的密码\n"},
    {"PasswordForPlainDatabaseMissing",
     [](auto& db, auto&) {
         return std::vector<std::u8string>{u8"dump", db, u8"--no-password"};
     },
     1, u8"error -78: "},
    {"MissingDataFile",
     [](auto&, auto& folder) {
         const std::string path = (folder / "none.edb").string();
         return std::vector<std::u8string>{u8"dump", std::u8string(path.begin(), path.end())};
     },
     1, u8"error -3: 指定文件未找到\n"},
    {"MissingMemoFile",
     [](auto& db, auto& folder) {
         fs::remove(folder / "demo" / "registry.EDT");
         return std::vector<std::u8string>{u8"check", db};
     },
     1, u8"error -35: 读入数据库辅助文件失败\n"},
};

INSTANTIATE_TEST_SUITE_P(Cases, GameregDbFailureTest, testing::ValuesIn(kFailureCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GameregDbTest, BadManifestWritesNothing) {
    const std::string manifest = WriteManifest(
        u8R"({"fields": [{"name": "a", "type": "text", "width": 2}], "records": [{"a": "abc"}]})");
    const CliRun create = Gameregdb(
        {u8"create", std::u8string(manifest.begin(), manifest.end()), u8"--out", Path("out")});
    EXPECT_EQ(create.exitCode, 1);
    EXPECT_EQ(create.err, "error: records[0].a: 3 bytes do not fit the width 2\n");
    EXPECT_FALSE(fs::exists(folder / "out" / "registry.edb"));
}

TEST_F(GameregDbTest, CreateReplacesAnEarlierDatabaseWhole) {
    CreateDemo();
    const std::string manifest =
        WriteManifest(u8R"({"fields": [{"name": "a", "type": "byte"}], "records": [{"a": 1}]})");
    const std::u8string manifestPath(manifest.begin(), manifest.end());
    EXPECT_EQ(Gameregdb({u8"create", manifestPath, u8"--out", Path("demo")}).exitCode, 0);
    EXPECT_EQ(Gameregdb({u8"get", Path("demo/registry.edb"), u8"a", u8"--text"}).out, "1\n");
    for (const auto& entry : fs::directory_iterator(folder / "demo")) {
        EXPECT_TRUE(entry.path().extension() == ".edb" || entry.path().extension() == ".EDT")
            << entry.path();
    }
}

TEST_F(GameregDbTest, DumpReportsRepairsThatRepairThenMakes) {
    const std::u8string db = CreateDemo();
    const fs::path dataFile = folder / "demo" / "registry.edb";
    std::ofstream(dataFile, std::ios::binary | std::ios::app) << "0123456789";
    const std::string before = ReadFile(dataFile);

    const CliRun dump = Gameregdb({u8"dump", db});
    EXPECT_EQ(dump.exitCode, 0);
    EXPECT_NE(
        dump.out.find("needs repair: 10 bytes after the last record cut from the data file\n"),
        std::string::npos)
        << dump.out;
    EXPECT_EQ(Gameregdb({u8"check", db}).out,
              "needs repair: 10 bytes after the last record cut from the data file\nok\n");
    EXPECT_EQ(ReadFile(dataFile), before);

    const CliRun repair = Gameregdb({u8"repair", db});
    EXPECT_EQ(repair.exitCode, 0) << repair.err;
    EXPECT_EQ(repair.out, "repaired: 10 bytes after the last record cut from the data file\n");
    EXPECT_EQ(ReadFile(dataFile), before.substr(0, before.size() - 10));
    EXPECT_EQ(Gameregdb({u8"repair", db}).out, "nothing to repair\n");
}

TEST_F(GameregDbTest, LintFailsOnScriptsThatNeverSucceed) {
    std::string manifest = ReadFile("data/demo/manifest.json");
    const std::string item = "SOFTWARE\\\\Demo Studio\\\\Demo\\\\InstallPath";
    manifest.replace(manifest.find(item), item.size(), "SOFTWARE\\\\Other");
    const fs::path game = folder / "game";
    fs::create_directories(game);
    fs::copy_file("data/demo/import.reg", game / "import.reg");
    fs::copy_file("data/demo/uninstall.reg", game / "uninstall.reg");
    std::ofstream(game / "manifest.json", std::ios::binary) << manifest;
    const std::string path = (game / "manifest.json").string();
    ASSERT_EQ(
        Gameregdb({u8"create", std::u8string(path.begin(), path.end()), u8"--out", Path("game")})
            .exitCode,
        0);
    const CliRun lint = Gameregdb({u8"lint", Path("game/registry.edb")});
    EXPECT_EQ(lint.exitCode, 1);
    EXPECT_EQ(lint.out,
              "error: the import script does not set the checked item HKEY_LOCAL_MACHINE\\SOFTWARE "
              "value \"Other\": an import can never succeed\n"
              "error: the uninstall script does not remove the checked item "
              "HKEY_LOCAL_MACHINE\\SOFTWARE value \"Other\": an uninstall can never succeed\n");
}

}  // namespace
}  // namespace gamereg
