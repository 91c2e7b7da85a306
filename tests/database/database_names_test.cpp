// Field names, file names and failure texts: pure functions of the core,
// with the answers of the Windows locale in both builds.

#include <gtest/gtest.h>

#include <ostream>

#include "database/database_access.h"
#include "database/database_error.h"
#include "database/database_paths.h"
#include "database/field_name.h"
#include "database_test_files.h"
#include "database_test_support.h"

namespace gamereg {
namespace {

struct NameCase {
    const char* name;
    friend void PrintTo(const NameCase& c, std::ostream* out) { *out << c.name; }
    const char* stored;
    const char* asked;
    bool equal;
};

const NameCase kNameCases[] = {
    {"Same", "ABC", "ABC", true},
    {"AsciiLetterCase", "ABC", "abc", true},
    {"MixedAscii", "Field_1", "fIELD_1", true},
    {"TrailingBlank", "ABC", "ABC ", false},
    {"LeadingBlank", "ABC", " ABC", false},
    {"Prefix", "ABC", "AB", false},
    {"Empty", "ABC", "", false},
    {"ChineseExact", "游戏名称", "游戏名称", true},
    {"ChineseDiffers", "游戏名称", "游戏名字", false},
    {"FullWidthLatin", "ＡＢＣ", "ａｂｃ", true},
    {"FullWidthIsNotAscii", "ＡＢＣ", "ABC", false},
    {"Greek", "ΑΒΓΩ", "αβγω", true},
    {"Cyrillic", "АБЯЁ", "абяё", true},
    {"RomanNumerals", "Ⅰ", "ⅰ", true},
    {"PinyinWithoutUpperCase", "ā", "a", false},
    {"MixedChineseAndLatin", "注册表Code", "注册表CODE", true},
    // A trail byte that is an ASCII letter is not folded on its own: 81 61
    // and 81 41 are two different characters.
    {"TrailByteNotFolded", "\x81\x61", "\x81\x41", false},
};

class FieldNames : public testing::TestWithParam<NameCase> {};

TEST_P(FieldNames, CompareAsLocaleUpperCase) {
    const NameCase& c = GetParam();
    EXPECT_EQ(FieldNamesEqual(c.stored, c.asked), c.equal);
    EXPECT_EQ(FieldNamesEqual(c.asked, c.stored), c.equal);
}

INSTANTIATE_TEST_SUITE_P(Names, FieldNames, testing::ValuesIn(kNameCases),
                         [](const auto& info) { return std::string(info.param.name); });

class FieldNamesInDatabase : public test::DatabaseTest {};

TEST_F(FieldNamesInDatabase, FirstMatchingDescriptorIsRead) {
    const Text data = test::JoinPath(test::FreshFolder(), "names.edb");
    DatabaseDefinition definition;
    definition.fields = {{"Ａｂ", 3}, {"ａＢ", 3}, {"ab", 3}};
    definition.records = {{0, {std::int32_t{1}, std::int32_t{2}, std::int32_t{3}}}};
    test::WriteTestDatabase(definition, data);
    ASSERT_TRUE(OpenDatabase(data, ""));
    EXPECT_EQ(ReadField("ａｂ"), FieldValue(std::int32_t{1}));
    EXPECT_EQ(ReadField("AB"), FieldValue(std::int32_t{3}));
}

struct PathCase {
    const char* name;
    friend void PrintTo(const PathCase& c, std::ostream* out) { *out << c.name; }
    const char* given;
    const char* withExtension;
    const char* memo;
};

const PathCase kPathCases[] = {
    {"Extension", "C:\\Games\\Demo\\registry.edb", "C:\\Games\\Demo\\registry.edb",
     "C:\\Games\\Demo\\registry.EDT"},
    {"NoExtension", "C:\\Games\\registry", "C:\\Games\\registry.EDB", "C:\\Games\\registry.EDT"},
    {"EndsWithDot", "C:\\Games\\registry.", "C:\\Games\\registry.EDB", "C:\\Games\\registry.EDT"},
    {"DotInFolderOnly", "C:\\Games.1\\registry", "C:\\Games.1\\registry.EDB",
     "C:\\Games.1\\registry.EDT"},
    {"LastDotCounts", "a.b.c", "a.b.c", "a.b.EDT"},
    {"PosixSeparator", "/srv/game.d/registry", "/srv/game.d/registry.EDB",
     "/srv/game.d/registry.EDT"},
    // 89 5C is one character whose second byte is that of "\".
    {"ChineseName", "C:\\游戏\\注册表", "C:\\游戏\\注册表.EDB", "C:\\游戏\\注册表.EDT"},
    {"TrailByteIsNotSeparator",
     "C:\\a.b\\\x89\x5C"
     "x",
     "C:\\a.b\\\x89\x5C"
     "x.EDB",
     "C:\\a.b\\\x89\x5C"
     "x.EDT"},
};

class DatabasePaths : public testing::TestWithParam<PathCase> {};

TEST_P(DatabasePaths, DefaultExtensionAndMemoFile) {
    const PathCase& c = GetParam();
    EXPECT_EQ(WithDefaultExtension(c.given), c.withExtension);
    EXPECT_EQ(MemoFileName(c.withExtension), c.memo);
}

INSTANTIATE_TEST_SUITE_P(Names, DatabasePaths, testing::ValuesIn(kPathCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DatabaseErrorTexts, EveryCodeHasItsText) {
    EXPECT_EQ(DatabaseErrorText(0), "");
    EXPECT_EQ(DatabaseErrorText(-1), "未知错误");
    EXPECT_EQ(DatabaseErrorText(-2), "未知错误");
    EXPECT_EQ(DatabaseErrorText(-3), "指定文件未找到");
    EXPECT_EQ(DatabaseErrorText(-4), "无效的路径");
    EXPECT_EQ(DatabaseErrorText(-5), "打开文件过多");
    EXPECT_EQ(DatabaseErrorText(-6), "指定文件不能被访问");
    EXPECT_EQ(DatabaseErrorText(-7), "无效的文件号");
    EXPECT_EQ(DatabaseErrorText(-8), "不能删除现行工作目录");
    EXPECT_EQ(DatabaseErrorText(-9), "创建目录过多");
    EXPECT_EQ(DatabaseErrorText(-10), "文件指针定位失败");
    EXPECT_EQ(DatabaseErrorText(-11), "访问文件时硬件产生故障");
    EXPECT_EQ(DatabaseErrorText(-12), "访问文件时产生共享冲突");
    EXPECT_EQ(DatabaseErrorText(-13), "加锁文件失败");
    EXPECT_EQ(DatabaseErrorText(-14), "磁盘空间不够");
    EXPECT_EQ(DatabaseErrorText(-15), "已经到达文件尾");
    EXPECT_EQ(DatabaseErrorText(-21), "打开指定数据库失败");
    EXPECT_EQ(DatabaseErrorText(-22), "指定文件不是数据库文件");
    EXPECT_EQ(DatabaseErrorText(-23), "指定数据库文件版本太高，无法读入，请升级系统软件");
    EXPECT_EQ(DatabaseErrorText(-28), "加锁失败");
    EXPECT_EQ(DatabaseErrorText(-35), "读入数据库辅助文件失败");
    EXPECT_EQ(DatabaseErrorText(-36), "数据库辅助文件的版本与数据库本身不一致");
    EXPECT_EQ(DatabaseErrorText(-38), "指定数据库已经被打开");
    EXPECT_EQ(DatabaseErrorText(-45), "分配内存空间失败");
    EXPECT_EQ(DatabaseErrorText(-46), "读指定字段失败");
    EXPECT_EQ(DatabaseErrorText(-59), "访问数据库的辅助文件失败");
    EXPECT_EQ(DatabaseErrorText(-78), "未提供数据库访问密码或提供了错误的密码");
    // Code page 936 bytes: 加 is BC D3.
    EXPECT_EQ(DatabaseErrorText(-13).substr(0, 2), "\xBC\xD3");
}

TEST(DatabaseErrorTexts, Win32ErrorsMapToCodes) {
    const std::pair<std::uint32_t, std::int32_t> cases[] = {
        {2, -3},   {107, -3},  {3, -4},   {206, -4}, {267, -4},  {4, -5},    {113, -5}, {5, -6},
        {999, -6}, {11, -7},   {193, -7}, {16, -8},  {145, -8},  {62, -9},   {24, -10}, {132, -10},
        {20, -11}, {997, -11}, {32, -12}, {33, -13}, {108, -13}, {167, -13}, {39, -14}, {112, -14},
        {38, -15}, {0, -1},    {1, -1},   {31, -1},  {87, -1},   {1000, -1},
    };
    for (const auto& [win32, code] : cases) {
        EXPECT_EQ(DatabaseCodeOfWin32Error(win32), code) << win32;
    }
}

}  // namespace
}  // namespace gamereg
