// The browser command a link runs when the shell refuses its target: the
// registered command line cut at its placeholder, then " " and the target.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/link_target.h"

namespace gamereg {
namespace {

struct CommandCase {
    const char* name;
    std::string registered;
    std::string target;
    std::optional<std::string> command;  // none: the command is not run
    friend void PrintTo(const CommandCase& c, std::ostream* os) { *os << c.name; }
};

class BrowserCommand : public testing::TestWithParam<CommandCase> {};

TEST_P(BrowserCommand, CutsAtThePlaceholderAndAppendsTheTarget) {
    EXPECT_EQ(BrowserCommandLine(GetParam().registered, GetParam().target), GetParam().command);
}

const std::string page = "http://www.example.com/";
// Fills a command to `size` bytes once " " and the page are appended.
std::string CommandOfSize(std::size_t size) {
    return "x.exe " + std::string(size - page.size() - 7, 'a');
}

INSTANTIATE_TEST_SUITE_P(
    Commands, BrowserCommand,
    testing::Values(CommandCase{"quoted", "\"x.exe\" \"%1\"", page, "\"x.exe\"  " + page},
                    CommandCase{"bare", "x.exe %1", page, "x.exe  " + page},
                    CommandCase{"no_placeholder", "x.exe", page, "x.exe " + page},
                    CommandCase{"after_placeholder", "x.exe \"%1\" -new", page, "x.exe  " + page},
                    CommandCase{"quoted_wins_over_an_earlier_bare", "x.exe -a %1 -b \"%1\"", page,
                                "x.exe -a %1 -b  " + page},
                    CommandCase{"double_byte_before", "\"浏览器.exe\" 网页\"%1\"", page,
                                "\"浏览器.exe\" 网页 " + page},
                    CommandCase{"double_byte_before_bare", "浏览器.exe 网页%1", page,
                                "浏览器.exe 网页 " + page},
                    CommandCase{"mail_target", "x.exe %1", "mailto:player@example.com",
                                "x.exe  mailto:player@example.com"},
                    CommandCase{"percent_without_one", "x.exe %2 %", page, "x.exe %2 % " + page},
                    CommandCase{"fits_exactly", CommandOfSize(519), page,
                                CommandOfSize(519) + " " + page},
                    CommandCase{"one_too_long", CommandOfSize(520), page, std::nullopt}),
    [](const testing::TestParamInfo<CommandCase>& info) { return info.param.name; });

TEST(LinkTarget, IsTheWebAddressOrTheMailAddress) {
    EXPECT_EQ(LinkTargetOf(1, "player@example.com", page), page);
    EXPECT_EQ(LinkTargetOf(0, "player@example.com", page), "mailto:player@example.com");
    EXPECT_EQ(LinkTargetOf(0, "", page), "");
    EXPECT_EQ(LinkTargetOf(1, "player@example.com", ""), "");
}

}  // namespace
}  // namespace gamereg
