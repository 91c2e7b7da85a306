// GameReg.exe's window as a player meets it, in the demo game's folder:
// place, frame, controls, stacking; a screenshot of it is kept in the build
// folder.

#include <gtest/gtest.h>

#include "game_setup.h"
#include "program_under_test.h"
#include "unix_command.h"

namespace gamereg::e2e {
namespace {

class ProductWindow : public testing::Test {
protected:
    void SetUp() override {
        window = product.WaitForMainWindow(true);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override {
        if (window != nullptr) {
            PostMessageA(window, WM_CLOSE, 0, 0);
            EXPECT_EQ(product.WaitForExit(), 0u);
        }
    }

    RECT PlaceInClient(HWND control) const {
        RECT rect;
        GetWindowRect(control, &rect);
        MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    DemoGameFolder game;
    ProgramUnderTest product{game / "GameReg.exe", {}};
    HWND window = nullptr;
};

TEST_F(ProductWindow, OpensCentredWithExactOuterSize) {
    RECT rect;
    GetWindowRect(window, &rect);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(rect.left, (screenWidth - 369) / 2);
    EXPECT_EQ(rect.top, (screenHeight - 141) / 2);
    EXPECT_EQ(rect.right - rect.left, 369);
    EXPECT_EQ(rect.bottom - rect.top, 141);
    if (screenWidth == 1920 && screenHeight == 1080) {
        EXPECT_EQ(rect.left, 775);
        EXPECT_EQ(rect.top, 469);
    }
    EXPECT_TRUE(TakeScreenshot("gamereg-window.png"));
}

TEST_F(ProductWindow, HasCaptionBarMinimiseAndCloseBoxesAndFixedFrame) {
    EXPECT_EQ(TextOf(window), "演示游戏注册表工具");
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
    EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_TRUE(style & WS_CLIPCHILDREN);
    const auto extendedStyle = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE));
    EXPECT_FALSE(extendedStyle & WS_EX_TOPMOST);
    EXPECT_FALSE(extendedStyle & WS_EX_TOOLWINDOW);
    // Unowned: it has its own taskbar button.
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
    EXPECT_EQ(ClassOf(window), "GameRegMainWindow");
}

struct ControlCase {
    const char* name;
    bool inGroupBox;
    int stackPlace;  // among its siblings, top first
    int id;
    const char* className;
    const char* text;  // none: the prepared import script
    RECT place;        // in MainWindow's client area
    DWORD style;
    friend void PrintTo(const ControlCase& c, std::ostream* os) { *os << c.name; }
};

class ProductControl : public ProductWindow, public testing::WithParamInterface<ControlCase> {};

TEST_P(ProductControl, HasClassIdentifierPlaceAndStacking) {
    const ControlCase& c = GetParam();
    const std::vector<HWND> top = ChildrenOf(window);
    ASSERT_EQ(top.size(), 4u);
    const std::vector<HWND> grouped = ChildrenOf(top[3]);
    ASSERT_EQ(grouped.size(), 2u);
    const HWND control = (c.inGroupBox ? grouped : top)[static_cast<std::size_t>(c.stackPlace)];
    EXPECT_EQ(GetDlgCtrlID(control), c.id);
    EXPECT_EQ(ClassOf(control), c.className);
    EXPECT_EQ(TextOf(control),
              c.text != nullptr ? c.text : PreparedScript(kDemoImportScript, game.Path()));
    const RECT place = PlaceInClient(control);
    EXPECT_EQ(place.left, c.place.left);
    EXPECT_EQ(place.top, c.place.top);
    EXPECT_EQ(place.right, c.place.right);
    EXPECT_EQ(place.bottom, c.place.bottom);
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE));
    EXPECT_EQ(style & c.style, c.style);
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_TRUE(style & WS_CLIPSIBLINGS);
}

// The edit box's place comes with its sunken edge, outside the client area.
INSTANTIATE_TEST_SUITE_P(
    MainWindowForm, ProductControl,
    testing::Values(
        ControlCase{"hyperlink 2",
                    false,
                    0,
                    150,
                    "GameRegHyperLinker",
                    "无法运行游戏请点我",
                    {228, 88, 356, 112},
                    WS_CHILD},
        ControlCase{"edit box 1",
                    false,
                    1,
                    140,
                    "Edit",
                    nullptr,
                    {296, 224, 360, 280},
                    WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN},
        ControlCase{"hyperlink 1",
                    false,
                    2,
                    130,
                    "GameRegHyperLinker",
                    "游戏工具站：http://www.example.com/",
                    {144, 69, 350, 93},
                    WS_CHILD},
        ControlCase{
            "group box 1", false, 3, 100, "Button", "注册表导入区", {17, 8, 344, 64}, BS_GROUPBOX},
        ControlCase{"button 2",
                    true,
                    0,
                    120,
                    "Button",
                    "卸载注册表",
                    {199, 28, 328, 56},
                    WS_TABSTOP | BS_CENTER | BS_VCENTER | BS_MULTILINE},
        ControlCase{"button 1",
                    true,
                    1,
                    110,
                    "Button",
                    "导入注册表",
                    {31, 28, 160, 56},
                    WS_TABSTOP | BS_CENTER | BS_VCENTER | BS_MULTILINE}),
    [](const testing::TestParamInfo<ControlCase>& info) {
        return std::string("entry") + std::to_string(info.index + 1);
    });

TEST_F(ProductWindow, EditBoxLiesOutOfSightWithSunkenEdge) {
    const HWND edit = ChildrenOf(window)[1];
    RECT client;
    GetClientRect(window, &client);
    EXPECT_GE(PlaceInClient(edit).top, client.bottom);
    EXPECT_TRUE(GetWindowLongPtrA(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(edit, GWL_STYLE));
    EXPECT_FALSE(style & (WS_HSCROLL | WS_VSCROLL | ES_AUTOHSCROLL));
}

}  // namespace
}  // namespace gamereg::e2e
