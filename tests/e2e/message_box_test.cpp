// Message boxes and fatal errors as the player sees them: caption, text byte
// for byte, buttons, icon, what the main window does meanwhile, exit code.

#include <gtest/gtest.h>

#include <algorithm>

#include "probe_window.h"

namespace gamereg::e2e {
namespace {

constexpr DWORD fatalExit = 0xFFFFFFFF;

struct BoxCase {
    const char* name;
    const char* form;
    const char* action;  // what the probe's HandleCreated does
    const char* caption;
    const char* text;
    bool stopIcon;
    bool windowGoesOn;  // the main window appears once the box is closed
    DWORD exitCode;
    friend void PrintTo(const BoxCase& c, std::ostream* os) { *os << c.name; }
};

// The box's visible buttons by their identifiers.
std::vector<int> VisibleButtons(HWND box) {
    std::vector<int> ids;
    for (HWND child : ChildrenOf(box)) {
        if (ClassOf(child) == "Button" && IsWindowVisible(child))
            ids.push_back(GetDlgCtrlID(child));
    }
    return ids;
}

bool ShowsIcon(HWND box) {
    for (HWND child : ChildrenOf(box)) {
        if (ClassOf(child) == "Static" && IsWindowVisible(child) &&
            SendAndWait(child, STM_GETICON) != 0) {
            return true;
        }
    }
    return false;
}

class MessageBoxFromCreated : public testing::TestWithParam<BoxCase> {};

TEST_P(MessageBoxFromCreated, ShowsItsTextAloneBeforeTheWindow) {
    const BoxCase& c = GetParam();
    ProgramUnderTest probe = StartProbe(c.action, c.form);
    const HWND box = probe.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(TextOf(box), c.caption);
    EXPECT_EQ(TextOf(GetDlgItem(box, 0xFFFF)), c.text);
    EXPECT_EQ(VisibleButtons(box), (std::vector<int>{IDOK}));
    EXPECT_EQ(ShowsIcon(box), c.stopIcon);
    const std::vector<HWND> windows = probe.TopLevelWindows("GameRegMainWindow");
    for (HWND window : windows) {
        EXPECT_FALSE(IsWindowVisible(window));
        // A message box disables the thread's windows; the fatal box leaves
        // them enabled, and events are kept from the handlers instead.
        EXPECT_EQ(IsWindowEnabled(window) != FALSE, c.stopIcon);
        if (c.stopIcon) {
            SendAndWait(ChildrenOf(ChildrenOf(window).at(3)).at(1), BM_CLICK);
        }
    }
    PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    if (c.windowGoesOn) {
        const HWND window = probe.WaitForMainWindow(true);
        ASSERT_NE(window, nullptr);
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    EXPECT_EQ(probe.WaitForExit(), c.exitCode);
    const auto log = probe.Log();
    EXPECT_EQ(std::count(log.begin(), log.end(), "clicked 按钮1"), 0);
    EXPECT_EQ(std::count(log.begin(), log.end(), "destroying edit-exists"), c.windowGoesOn ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, MessageBoxFromCreated,
    testing::Values(
        BoxCase{"message", "", "created message 打开数据库失败！", "信息：", "打开数据库失败！",
                false, true, 0},
        BoxCase{"message_then_end_program", "",
                "created message-end 游戏工具箱文件不完整,缺少registry.edb数据库文件！", "信息：",
                "游戏工具箱文件不完整,缺少registry.edb数据库文件！", false, false, 0},
        BoxCase{"empty_message", "", "created message", "信息：", "", false, true, 0},
        BoxCase{"fatal_without_code", "", "created fatal 0 指定字段不存在", "错误",
                "运行时出错!\r\n\r\n错误信息：指定字段不存在\r\n", true, false, fatalExit},
        BoxCase{"fatal_with_code", "", "created fatal -2147483648 坏了", "错误",
                "运行时出错!\r\n\r\n错误代码：-2147483648\r\n\r\n错误信息：坏了\r\n", true, false,
                fatalExit},
        BoxCase{"fatal_without_message", "", "created fatal 7", "错误",
                "运行时出错!\r\n\r\n错误代码：7\r\n\r\n", true, false, fatalExit},
        BoxCase{"fatal_empty", "", "created fatal 0", "错误", "运行时出错!\r\n\r\n", true, false,
                fatalExit},
        BoxCase{"memory_refused", "", "created allocate 2147483647", "错误",
                "运行时出错!\r\n\r\n错误信息：分配 2147483647 字节内存失败!\r\n", true, false,
                fatalExit},
        BoxCase{"event_for_unknown_window", "", "created raise 1 0 0", "错误",
                "运行时出错!\r\n\r\n错误信息：未找到引发事件的窗口\r\n", true, false, fatalExit},
        BoxCase{"event_for_unknown_component", "", "created raise 0 7 0", "错误",
                "运行时出错!\r\n\r\n错误信息：未找到引发事件的窗口组件\r\n", true, false,
                fatalExit},
        BoxCase{"event_for_a_hyperlink", "", "created raise 0 1 0", "错误",
                "运行时出错!\r\n\r\n错误信息：引发事件的窗口组件无效\r\n", true, false, fatalExit},
        BoxCase{"text_of_unknown_window", "two-windows", "created text 2 0", "错误",
                "运行时出错!\r\n\r\n错误信息：未载入欲访问窗口组件所在的窗口\r\n", true, false,
                fatalExit},
        BoxCase{"text_of_window_not_loaded", "two-windows", "created text 1 0", "错误",
                "运行时出错!\r\n\r\n错误信息：指定窗口尚未载入\r\n", true, false, fatalExit},
        BoxCase{"unusable_form_data", "broken", "", "错误",
                "运行时出错!\r\n\r\n错误信息：载入窗口模板数据段出错!\r\n", true, false,
                fatalExit}),
    [](const testing::TestParamInfo<BoxCase>& info) { return info.param.name; });

// A fatal error while the window is up: clicks reach no handler, closing the
// window runs no will-be-destroyed handler, and the exit code stays -1.
TEST(FatalErrorWhileRunning, KeepsEventsFromHandlersAndEndsWithMinusOne) {
    ProgramUnderTest probe = StartProbe("import fatal 0 导入失败");
    const HWND window = probe.WaitForMainWindow(true);
    ASSERT_NE(window, nullptr);
    PostMessageA(Button1(window), BM_CLICK, 0, 0);
    const HWND box = probe.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(TextOf(GetDlgItem(box, 0xFFFF)), "运行时出错!\r\n\r\n错误信息：导入失败\r\n");
    EXPECT_TRUE(IsWindowEnabled(window));
    SendAndWait(Button1(window), BM_CLICK);
    SendAndWait(Button2(window), BM_CLICK);
    SendAndWait(window, WM_CLOSE);
    EXPECT_FALSE(IsWindow(window));
    if (IsWindow(box)) PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(probe.WaitForExit(), fatalExit);
    const auto log = probe.Log();
    EXPECT_EQ(std::count(log.begin(), log.end(), "clicked 按钮1"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "clicked 按钮2"), 0);
    EXPECT_EQ(std::count(log.begin(), log.end(), "close-query"), 0);
    EXPECT_EQ(std::count(log.begin(), log.end(), "destroying edit-exists"), 0);
}

}  // namespace
}  // namespace gamereg::e2e
