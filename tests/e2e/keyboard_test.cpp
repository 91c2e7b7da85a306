// The main window's keyboard, pressed for real through the X server: focus
// on activation, the Tab cycle, Esc from every control, Space and Enter.

#include <gtest/gtest.h>

#include <algorithm>

#include "probe_window.h"
#include "unix_command.h"

namespace gamereg::e2e {
namespace {

class Keyboard : public testing::Test {
protected:
    void SetUp() override {
        window = probe.WaitForMainWindow(true);
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(WaitFor([&] { return probe.Focus() == Button1(window); }))
            << "the focus is not on 按钮1";
    }

    // Presses the keys and waits until the focus is on `control`.
    bool PressAndFocus(const std::string& keys, HWND control) {
        return PressKeys(keys) && WaitFor([&] { return probe.Focus() == control; });
    }

    long LogCount(const std::string& line) const {
        const auto log = probe.Log();
        return std::count(log.begin(), log.end(), line);
    }

    ProgramUnderTest probe = StartProbe("");
    HWND window = nullptr;
};

TEST_F(Keyboard, TabCyclesButtonsAndEditBoxShiftTabGoesBack) {
    EXPECT_TRUE(PressAndFocus("Tab", Button2(window)));
    EXPECT_TRUE(PressAndFocus("Tab", EditBox(window)));
    EXPECT_TRUE(PressAndFocus("Tab", Button1(window)));
    EXPECT_TRUE(PressAndFocus("shift+Tab", EditBox(window)));
    EXPECT_TRUE(PressAndFocus("shift+Tab", Button2(window)));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(probe.WaitForExit(), 0u);
}

TEST_F(Keyboard, SpaceClicksTheFocusedButtonEnterDoesNot) {
    ASSERT_TRUE(PressKeys("Return space"));
    EXPECT_TRUE(WaitFor([&] { return LogCount("clicked 按钮1") == 1; }));
    ASSERT_TRUE(PressAndFocus("Tab", Button2(window)));
    ASSERT_TRUE(PressKeys("Return space"));
    EXPECT_TRUE(WaitFor([&] { return LogCount("clicked 按钮2") == 1; }));
    SendAndWait(window, WM_NULL);
    EXPECT_EQ(LogCount("clicked 按钮1"), 1);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(probe.WaitForExit(), 0u);
}

TEST_F(Keyboard, EnterAndTypingInTheEditBoxChangeTheScript) {
    ASSERT_TRUE(PressAndFocus("Tab Tab", EditBox(window)));
    ASSERT_TRUE(PressKeys("a Return b"));
    EXPECT_TRUE(WaitFor([&] { return TextOf(EditBox(window)) == "a\r\nb"; }))
        << TextOf(EditBox(window));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(probe.WaitForExit(), 0u);
}

struct EscCase {
    const char* name;
    int tabs;  // from 按钮1
    friend void PrintTo(const EscCase& c, std::ostream* os) { *os << c.name; }
};

class EscFrom : public Keyboard, public testing::WithParamInterface<EscCase> {};

TEST_P(EscFrom, ClosesTheWindowAndDestroyingRunsOnce) {
    const HWND targets[] = {Button1(window), Button2(window), EditBox(window)};
    std::string keys;
    for (int i = 0; i < GetParam().tabs; ++i) keys += "Tab ";
    if (!keys.empty()) {
        ASSERT_TRUE(PressAndFocus(keys, targets[GetParam().tabs]));
    }
    ASSERT_TRUE(PressKeys("Escape"));
    EXPECT_EQ(probe.WaitForExit(), 0u);
    EXPECT_EQ(LogCount("destroying edit-exists"), 1);
    EXPECT_EQ(LogCount("destroying edit-gone"), 0);
}

INSTANTIATE_TEST_SUITE_P(Controls, EscFrom,
                         testing::Values(EscCase{"button1", 0}, EscCase{"button2", 1},
                                         EscCase{"edit_box1", 2}),
                         [](const testing::TestParamInfo<EscCase>& info) {
                             return info.param.name;
                         });

}  // namespace
}  // namespace gamereg::e2e
