#include "app/fatal_error_text.h"

#include <gtest/gtest.h>

#include <string>

namespace gamereg {
namespace {

struct TextCase {
    const char* name;
    std::string message;
    std::int32_t code;
    std::string expected;
    friend void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }
};

class FatalErrorTextBuilds : public testing::TestWithParam<TextCase> {};

TEST_P(FatalErrorTextBuilds, FirstLineCodeAndMessageInOrder) {
    const FatalErrorText text(GetParam().message, GetParam().code);
    EXPECT_EQ(text.View(), GetParam().expected);
    EXPECT_EQ(std::string(text.CStr()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FatalErrorTextBuilds,
    testing::Values(TextCase{"message_only", "指定字段不存在", 0,
                             "运行时出错!\r\n\r\n错误信息：指定字段不存在\r\n"},
                    TextCase{"code_and_message", "坏了", 42,
                             "运行时出错!\r\n\r\n错误代码：42\r\n\r\n错误信息：坏了\r\n"},
                    TextCase{"smallest_code", "", INT32_MIN,
                             "运行时出错!\r\n\r\n错误代码：-2147483648\r\n\r\n"},
                    TextCase{"none", "", 0, "运行时出错!\r\n\r\n"}),
    [](const testing::TestParamInfo<TextCase>& info) { return info.param.name; });

TEST(FatalErrorText, LongMessageIsCutAtACharacterAndKeepsItsLineEnd) {
    // One ASCII byte first, so that a cut by bytes alone would split a character.
    std::string chinese = "x";
    for (int i = 0; i < 1500; ++i) chinese += "错";
    const FatalErrorText text(chinese, 0);
    const std::string_view view = text.View();
    ASSERT_LT(view.size(), text.buffer.size());
    EXPECT_EQ(text.buffer[view.size()], '\0');
    const std::string head = "运行时出错!\r\n\r\n错误信息：x";
    ASSERT_EQ(view.substr(0, head.size()), head);
    EXPECT_EQ(view.substr(view.size() - 2), "\r\n");
    const std::string_view body = view.substr(head.size(), view.size() - head.size() - 2);
    EXPECT_EQ(body.size() % 2, 0u);
    for (std::size_t i = 0; i < body.size(); i += 2) EXPECT_EQ(body.substr(i, 2), "错");
    EXPECT_GE(view.size(), text.buffer.size() - 3);
}

}  // namespace
}  // namespace gamereg
