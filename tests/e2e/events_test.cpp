// Events reaching handlers: the load-time order, clicks through the group
// box, control texts and the caption bar, seen through the probe's log.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "probe_window.h"

namespace gamereg::e2e {
namespace {

using Lines = std::vector<std::string>;

Lines FirstLines(const Lines& lines, std::size_t count) {
    return Lines(lines.begin(),
                 lines.begin() + static_cast<std::ptrdiff_t>(std::min(count, lines.size())));
}

long Count(const Lines& lines, const std::string& line) {
    return std::count(lines.begin(), lines.end(), line);
}

TEST(ShellEvents, CreatedRunsHiddenThenMovedResizedAndShown) {
    ProgramUnderTest probe = StartProbe("");
    const HWND window = probe.WaitForMainWindow(true);
    ASSERT_NE(window, nullptr);
    // Nothing before created: the moves and sizes of the making are not raised.
    EXPECT_EQ(FirstLines(probe.Log(), 4), (Lines{"created hidden", "moved", "resized", "shown"}));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(probe.WaitForExit(), 0u);
    const Lines log = probe.Log();
    EXPECT_EQ(Count(log, "created hidden"), 1);
    EXPECT_EQ(Count(log, "close-query"), 1);
    EXPECT_EQ(Count(log, "destroying edit-exists"), 1);
    EXPECT_EQ(log.back(), "destroying edit-exists");
}

TEST(ShellEvents, ButtonClicksReachTheirHandlersThroughTheGroupBox) {
    ProgramUnderTest probe = StartProbe("");
    const HWND window = probe.WaitForMainWindow(true);
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(GetParent(Button1(window)), GroupBox(window));
    SendAndWait(Button1(window), BM_CLICK);
    SendAndWait(Button2(window), BM_CLICK);
    SendAndWait(Button1(window), BM_CLICK);
    Lines clicks;
    for (const auto& line : probe.Log()) {
        if (line.rfind("clicked", 0) == 0) clicks.push_back(line);
    }
    EXPECT_EQ(clicks, (Lines{"clicked 按钮1", "clicked 按钮2", "clicked 按钮1"}));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(probe.WaitForExit(), 0u);
}

TEST(ShellEvents, ControlTextsAreNoneWhenEmptyAndEachWriteRaisesOneChange) {
    ProgramUnderTest probe = StartProbe("created texts");
    const HWND window = probe.WaitForMainWindow(true);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(FirstLines(probe.Log(), 7),
              (Lines{"created hidden", "get-empty none", "changed", "get 脚本 游戏路径", "changed",
                     "get-after-none none", "caption 标题 标题"}));
    EXPECT_EQ(TextOf(window), "标题");
    EXPECT_EQ(TextOf(EditBox(window)), "");
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(probe.WaitForExit(), 0u);
}

TEST(ShellEvents, WindowShowsTheIconGroupsThirtyTwoAndSixteenPixelImages) {
    ProgramUnderTest probe = StartProbe("created icons");
    const HWND window = probe.WaitForMainWindow(true);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(FirstLines(probe.Log(), 3),
              (Lines{"created hidden", "icon-big 32", "icon-small 16"}));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(probe.WaitForExit(), 0u);
}

TEST(ShellEvents, EditBoxAndGroupBoxAnswerWithTheirColoursAllUseTheGuiFont) {
    ProgramUnderTest probe = StartProbe("created colours");
    const HWND window = probe.WaitForMainWindow(true);
    ASSERT_NE(window, nullptr);
    char group[64];
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    std::snprintf(group, sizeof group, "group 000000 %06lx %06lx", face, face);
    EXPECT_EQ(FirstLines(probe.Log(), 4),
              (Lines{"created hidden", "edit 000000 ffffff ffffff", group, "fonts default"}));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(probe.WaitForExit(), 0u);
}

struct CaptionCase {
    const char* name;
    const char* form;
    Lines captionBars;  // after setting "", "有标题" and "" again
    friend void PrintTo(const CaptionCase& c, std::ostream* os) { *os << c.name; }
};

class CaptionBar : public testing::TestWithParam<CaptionCase> {};

TEST_P(CaptionBar, FollowsCaptionAndControlBox) {
    ProgramUnderTest probe = StartProbe("created captions", GetParam().form);
    const HWND window = probe.WaitForMainWindow(true);
    ASSERT_NE(window, nullptr);
    // A changed frame moves and sizes the client area: those events come between.
    Lines captionBars;
    for (const auto& line : probe.Log()) {
        if (line.rfind("caption-bar", 0) == 0) captionBars.push_back(line);
    }
    EXPECT_EQ(captionBars, GetParam().captionBars);
    // The outer size never changes with the frame.
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.right - rect.left, 369);
    EXPECT_EQ(rect.bottom - rect.top, 141);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(probe.WaitForExit(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, CaptionBar,
    testing::Values(CaptionCase{"with_control_box",
                                "",
                                {"caption-bar '' 1", "caption-bar '有标题' 1", "caption-bar '' 1"}},
                    CaptionCase{
                        "border_without_control_box",
                        "no-control-box",
                        {"caption-bar '' 0", "caption-bar '有标题' 1", "caption-bar '' 0"}}),
    [](const testing::TestParamInfo<CaptionCase>& info) { return info.param.name; });

}  // namespace
}  // namespace gamereg::e2e
