#include "services/text.h"

#include <gtest/gtest.h>

#include <ostream>

namespace gamereg {
namespace {

TEST(ConcatText, JoinsInOrderWithNothingBetween) {
    EXPECT_EQ(ConcatText({"C:\\Games\\Demo", "/registry.edb"}), "C:\\Games\\Demo/registry.edb");
    EXPECT_EQ(ConcatText({"请将本注册表工具放置到【", "演示游戏", "】游戏目录下！"}),
              "请将本注册表工具放置到【演示游戏】游戏目录下！");
    EXPECT_EQ(ConcatText({"a", {}}), "a");
    EXPECT_EQ(ConcatText({{}, {}, {}}), "");
}

struct ReplaceCase {
    const char* name;
    friend void PrintTo(const ReplaceCase& c, std::ostream* out) { *out << c.name; }
    Text text, find, replacement;
    std::int32_t start;
    std::optional<std::int32_t> count;
    bool caseSensitive;
    Text expected;
};

class ReplaceTextTest : public testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceTextTest, GivesExpectedText) {
    const ReplaceCase& c = GetParam();
    EXPECT_EQ(ReplaceText(c.text, c.find, c.replacement, c.start, c.count, c.caseSensitive),
              c.expected);
}

// "\x81\x5c" is one code page 936 character whose second byte is a "\".
const ReplaceCase kReplaceCases[] = {
    {"EscapesBackslashes", "C:\\Games\\Demo", "\\", "\\\\", 1, {}, true, "C:\\\\Games\\\\Demo"},
    {"NeverOverlaps", "aaa", "aa", "b", 1, {}, true, "ba"},
    {"ReplacementNotScannedAgain", "ab", "a", "aa", 1, {}, true, "aab"},
    {"EmptyFindKeepsText", "abc", "", "x", 1, {}, true, "abc"},
    {"EmptyTextStaysNone", "", "a", "x", 1, {}, true, ""},
    {"EmptyReplacementDeletes", "a-b-c", "-", "", 1, {}, true, "abc"},
    {"StartSkipsLeadingMatches", "aaaa", "a", "b", 3, {}, true, "aabb"},
    {"StartBelowOneIsOne", "aa", "a", "b", -5, {}, true, "bb"},
    {"StartPastEndKeepsText", "aa", "a", "b", 3, {}, true, "aa"},
    {"CountLimitsReplacements", "a.b.c", ".", "/", 1, 1, true, "a/b.c"},
    {"ZeroCountKeepsText", "a.b", ".", "/", 1, 0, true, "a.b"},
    {"NegativeCountIsUnlimited", "a.b.c", ".", "/", 1, -1, true, "a/b/c"},
    {"CaseFoldsAsciiLetters", "Demo DEMO demo", "demo", "x", 1, {}, false, "x x x"},
    {"CaseSensitiveByDefaultOff", "ABC", "b", "x", 1, {}, false, "AxC"},
    {"CaseSensitiveKeepsOtherCase", "ABC", "b", "x", 1, {}, true, "ABC"},
    {"SecondByteBackslashStays",
     "C:\\\x81\x5c\\x",
     "\\",
     "\\\\",
     1,
     {},
     true,
     "C:\\\\\x81\x5c\\\\x"},
    {"PlaceholderInChinese",
     "\"InstallPath\"=\"游戏路径\"",
     "游戏路径",
     "D:\\\\游戏",
     1,
     {},
     true,
     "\"InstallPath\"=\"D:\\\\游戏\""},
    {"LoneLeadByteAtEndDropped", "ab\x81", "b", "x", 1, {}, true, "ax"},
    {"ShortTailCopiedAsIs", "xab\x81", "abc", "-", 1, {}, true, "xab\x81"},
};

INSTANTIATE_TEST_SUITE_P(Cases, ReplaceTextTest, testing::ValuesIn(kReplaceCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReplaceText, DefaultsReplaceEveryMatchWithNothingIgnoringCase) {
    EXPECT_EQ(ReplaceText("xAxa", "a"), "xx");
}

TEST(SourceLiterals, AreCodePage936Bytes) {
    // 导入注册表 in code page 936: a wrong execution character set shows here.
    EXPECT_EQ(Text("导入注册表"), "\xb5\xbc\xc8\xeb\xd7\xa2\xb2\xe1\xb1\xed");
    EXPECT_EQ(Text("信息："), "\xd0\xc5\xcf\xa2\xa3\xba");
}

}  // namespace
}  // namespace gamereg
