// The two hyperlinks of the main window, used as a player uses them: the
// pointer moved and pressed through the X server, the colours read back from
// the screen, and the browser replaced by a recorder that writes down the
// command line it was started with.

#include <windows.h>

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "probe_window.h"
#include "unix_command.h"

namespace gamereg::e2e {
namespace {

constexpr COLORREF normalColour = 0x00FF0000;
constexpr COLORREF visitedColour = 0x00000080;
constexpr COLORREF hoverColour = 0x00FF9933;

const std::string homePage = "http://www.example.com/";
const std::string helpPage = "http://www.example.com/handbook/201007/161921.shtml";

std::string RecorderPath() {
    std::string path = std::string("Z:") + GAMEREG_RECORDER;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

// A key of HKEY_CLASSES_ROOT, copied aside whole and put back whole: the
// tests point the shell and the browser command at the recorder.
class ClassesKey {
public:
    explicit ClassesKey(std::string name) : name_(std::move(name)) {
        // One flat key beside the others, so that deleting it leaves nothing behind.
        std::string flat = name_;
        std::replace(flat.begin(), flat.end(), '\\', '|');
        backup_ = "Software\\GameRegTests\\" + flat;
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CLASSES_ROOT, name_.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
            return;
        }
        existed_ = true;
        RegDeleteTreeA(HKEY_CURRENT_USER, backup_.c_str());
        if (HKEY copy = Create(HKEY_CURRENT_USER, backup_)) {
            saved_ = RegCopyTreeA(key, nullptr, copy) == ERROR_SUCCESS;
            RegCloseKey(copy);
        }
        RegCloseKey(key);
        if (!saved_) ADD_FAILURE() << "cannot keep HKEY_CLASSES_ROOT\\" << name_;
    }
    ~ClassesKey() {
        if (existed_ && !saved_) return;
        Remove();
        if (!existed_) return;
        HKEY copy = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, backup_.c_str(), 0, KEY_READ, &copy) ==
            ERROR_SUCCESS) {
            if (HKEY key = Create(HKEY_CLASSES_ROOT, name_)) {
                RegCopyTreeA(copy, nullptr, key);
                RegCloseKey(key);
            }
            RegCloseKey(copy);
        }
        RegDeleteTreeA(HKEY_CURRENT_USER, backup_.c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\GameRegTests");  // once it is empty
    }
    ClassesKey(const ClassesKey&) = delete;
    ClassesKey& operator=(const ClassesKey&) = delete;

    void Set(const std::string& value) const {
        const HKEY key = Create(HKEY_CLASSES_ROOT, name_);
        ASSERT_NE(key, nullptr);
        RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
        RegCloseKey(key);
    }
    // The key without a default value.
    void Clear() const {
        const HKEY key = Create(HKEY_CLASSES_ROOT, name_);
        ASSERT_NE(key, nullptr);
        RegDeleteValueA(key, nullptr);
        RegCloseKey(key);
    }
    void Remove() const { RegDeleteTreeA(HKEY_CLASSES_ROOT, name_.c_str()); }

private:
    static HKEY Create(HKEY root, const std::string& name) {
        HKEY key = nullptr;
        return RegCreateKeyExA(root, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                               nullptr) == ERROR_SUCCESS
                   ? key
                   : nullptr;
    }

    std::string name_;
    std::string backup_;  // under HKEY_CURRENT_USER
    bool existed_ = false;
    bool saved_ = false;
};

// Runs a host command line and waits until it has ended.
bool RunHostCommand(const std::string& commandLine) {
    static int runs = 0;
    const std::string marker = BuildFolderOnHost() + "/host-command-" +
                               std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++runs);
    const std::string windowsMarker = "Z:" + marker;
    DeleteFileA(windowsMarker.c_str());
    if (!StartHostCommand(commandLine + "; touch " + marker)) return false;
    const bool ended = WaitFor(
        [&] { return GetFileAttributesA(windowsMarker.c_str()) != INVALID_FILE_ATTRIBUTES; });
    DeleteFileA(windowsMarker.c_str());
    return ended;
}

// How many pixels of each link colour the screen shows in a window's
// rectangle, less the part covered by `over` (the link on top in the strip).
struct ColourCount {
    int normal = 0;
    int visited = 0;
    int hover = 0;
};

// The pixels of a window's rectangle as the screen shows them, row by row.
struct ScreenPixels {
    RECT place{};
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

ScreenPixels ReadScreen(HWND window) {
    ScreenPixels read;
    GetWindowRect(window, &read.place);
    read.width = read.place.right - read.place.left;
    read.height = read.place.bottom - read.place.top;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = read.width;
    info.bmiHeader.biHeight = -read.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, read.width, read.height, screen, read.place.left, read.place.top, SRCCOPY);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    for (int at = 0; at < read.width * read.height; ++at) {
        // A DIB holds 0x00RRGGBB; a COLORREF is 0x00BBGGRR.
        const std::uint32_t rgb = pixels[at];
        read.pixels.push_back(RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return read;
}

ColourCount CountColours(HWND window, HWND over = nullptr) {
    const ScreenPixels screen = ReadScreen(window);
    RECT covered{};
    if (over != nullptr) GetWindowRect(over, &covered);
    ColourCount count;
    for (int y = 0; y < screen.height; ++y) {
        for (int x = 0; x < screen.width; ++x) {
            const POINT at{screen.place.left + x, screen.place.top + y};
            if (over != nullptr && PtInRect(&covered, at)) continue;
            const COLORREF colour = screen.At(x, y);
            if (colour == normalColour) ++count.normal;
            if (colour == visitedColour) ++count.visited;
            if (colour == hoverColour) ++count.hover;
        }
    }
    return count;
}

// The smallest rectangle, in the window's own coordinates, that holds every
// pixel of a colour other than `background`; empty when there is none.
RECT InkOf(HWND window, COLORREF background) {
    const ScreenPixels screen = ReadScreen(window);
    RECT ink{screen.width, screen.height, 0, 0};
    for (int y = 0; y < screen.height; ++y) {
        for (int x = 0; x < screen.width; ++x) {
            if (screen.At(x, y) == background) continue;
            ink = RECT{std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y),
                       std::max<LONG>(ink.right, x + 1), std::max<LONG>(ink.bottom, y + 1)};
        }
    }
    return ink.right > ink.left ? ink : RECT{};
}

// The width of a text in the font the links draw with.
int TextWidth(const std::string& text) {
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE size{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size.cx;
}

bool HasColour(HWND window, COLORREF colour) {
    const ScreenPixels screen = ReadScreen(window);
    return std::find(screen.pixels.begin(), screen.pixels.end(), colour) != screen.pixels.end();
}

// True when the window's text is drawn in `colour` and in no other link colour.
bool Shows(HWND window, COLORREF colour, HWND over = nullptr) {
    const ColourCount count = CountColours(window, over);
    constexpr int enough = 10;
    if (colour == normalColour) return count.normal >= enough && count.visited + count.hover == 0;
    if (colour == visitedColour) return count.visited >= enough && count.normal + count.hover == 0;
    return count.hover >= enough && count.normal + count.visited == 0;
}

const char* ColourName(COLORREF colour) {
    return colour == normalColour ? "normal" : colour == visitedColour ? "visited" : "hover";
}

class Hyperlinks : public testing::Test {
protected:
    void SetUp() override {
        char folder[MAX_PATH] = {};
        GetCurrentDirectoryA(MAX_PATH, folder);
        recorderLog =
            std::string(folder) + "\\recorder-" + std::to_string(GetCurrentProcessId()) + ".log";
        DeleteFileA(recorderLog.c_str());
        // The pointer starts away from the window.
        ASSERT_TRUE(RunHostCommand("xdotool mousemove 5 5"));
    }

    void TearDown() override {
        if (probe) {
            PostMessageA(window, WM_CLOSE, 0, 0);
            EXPECT_EQ(probe->WaitForExit(), 0u);
        }
        DeleteFileA(recorderLog.c_str());
    }

    // Starts the probe; `changes` are made to the links before the window shows.
    void Start(const std::string& changes = "") {
        const std::string action = changes.empty() ? "" : "created links " + changes;
        probe.emplace(ProbePath(),
                      std::map<std::string, std::string>{{"GAMEREG_PROBE_ACTION", action},
                                                         {"GAMEREG_RECORDER_LOG", recorderLog}});
        window = probe->WaitForMainWindow(true);
        ASSERT_NE(window, nullptr);
        const auto children = ChildrenOf(window);
        link2 = children.at(0);
        link1 = children.at(2);
        ASSERT_TRUE(WaitFor([&] { return probe->Focus() == Button1(window); }));
        if (changes.empty()) {
            ASSERT_TRUE(WaitFor([&] { return Shows(link1, normalColour, link2); }));
            ASSERT_TRUE(WaitFor([&] { return Shows(link2, normalColour); }));
        }
    }

    // Moves the pointer to a point of the main window's client area.
    bool MoveTo(int x, int y) const {
        POINT at{x, y};
        ClientToScreen(window, &at);
        return RunHostCommand("xdotool mousemove " + std::to_string(at.x) + " " +
                              std::to_string(at.y));
    }

    bool Click(int times = 1) const {
        return RunHostCommand("xdotool click --repeat " + std::to_string(times) + " --delay 60 1");
    }

    // The lines the recorders wrote, once no recorder runs any more.
    std::vector<std::string> Recorded() const {
        EXPECT_TRUE(WaitFor([] { return !RecorderRuns(); }));
        std::vector<std::string> lines;
        std::ifstream file(recorderLog, std::ios::binary);
        for (std::string line; std::getline(file, line);) lines.push_back(line);
        return lines;
    }

    static bool RecorderRuns() {
        const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        PROCESSENTRY32 entry{};
        entry.dwSize = sizeof entry;
        bool found = false;
        for (BOOL more = Process32First(snapshot, &entry); more && !found;
             more = Process32Next(snapshot, &entry)) {
            found = _stricmp(entry.szExeFile, "link_recorder.exe") == 0;
        }
        CloseHandle(snapshot);
        return found;
    }

    std::string recorderLog;
    std::optional<ProgramUnderTest> probe;
    HWND window = nullptr;
    HWND link1 = nullptr;
    HWND link2 = nullptr;
    // The shell opens web addresses with the recorder.
    ClassesKey http{"http\\shell\\open\\command"};
    ClassesKey mailto{"mailto\\shell\\open\\command"};
    ClassesKey page{".htm"};
    ClassesKey pageCommand{"gamereg.test.page\\shell\\open\\command"};
};

// Points of the main window's client area.
constexpr POINT outside{10, 100};      // outside both links
constexpr POINT onLink1{170, 80};      // 超级链接框1 alone
constexpr POINT onLink2{300, 105};     // 超级链接框2 alone
constexpr POINT inStrip{300, 90};      // where 超级链接框2 lies over 超级链接框1
constexpr POINT besideStrip{352, 90};  // right of 超级链接框1, inside 超级链接框2

TEST_F(Hyperlinks, ColoursFollowThePointerAndTheVisit) {
    http.Set("\"" + RecorderPath() + "\" \"%1\"");
    Start();
    ASSERT_TRUE(MoveTo(onLink1.x, onLink1.y));
    EXPECT_TRUE(WaitFor([&] { return Shows(link1, hoverColour, link2); }));
    EXPECT_TRUE(Shows(link2, normalColour));
    ASSERT_TRUE(MoveTo(outside.x, outside.y));
    EXPECT_TRUE(WaitFor([&] { return Shows(link1, normalColour, link2); }));
    ASSERT_TRUE(MoveTo(onLink2.x, onLink2.y));
    EXPECT_TRUE(WaitFor([&] { return Shows(link2, hoverColour); }));
    ASSERT_TRUE(Click());
    ASSERT_TRUE(WaitFor([&] { return !Recorded().empty(); }));
    EXPECT_TRUE(Shows(link2, hoverColour)) << "still under the pointer";
    ASSERT_TRUE(MoveTo(outside.x, outside.y));
    EXPECT_TRUE(WaitFor([&] { return Shows(link2, visitedColour); }));
    EXPECT_TRUE(Shows(link1, normalColour, link2));
    // Visited stays for the rest of the run, hovered or not.
    ASSERT_TRUE(MoveTo(onLink2.x, onLink2.y));
    EXPECT_TRUE(WaitFor([&] { return Shows(link2, hoverColour); }));
    ASSERT_TRUE(MoveTo(outside.x, outside.y));
    EXPECT_TRUE(WaitFor([&] { return Shows(link2, visitedColour); }));
}

struct PressCase {
    const char* name;
    std::vector<POINT> path;  // where the pointer goes before the press
    int clicks;
    bool secondLink;  // the link that opens: 超级链接框2, else 超级链接框1
    friend void PrintTo(const PressCase& c, std::ostream* os) { *os << c.name; }
};

class PressOn : public Hyperlinks, public testing::WithParamInterface<PressCase> {};

TEST_P(PressOn, OpensTheLinksAddressOnceThroughTheShell) {
    http.Set("\"" + RecorderPath() + "\" \"%1\"");
    Start();
    for (const POINT at : GetParam().path) ASSERT_TRUE(MoveTo(at.x, at.y));
    const HWND opened = GetParam().secondLink ? link2 : link1;
    const HWND other = GetParam().secondLink ? link1 : link2;
    const auto covering = [&](HWND link) { return link == link1 ? link2 : nullptr; };
    EXPECT_TRUE(WaitFor([&] { return Shows(opened, hoverColour, covering(opened)); }));
    ASSERT_TRUE(Click(GetParam().clicks));
    // Leaving the link comes after the presses, so it shows they were handled.
    ASSERT_TRUE(MoveTo(outside.x, outside.y));
    EXPECT_TRUE(WaitFor([&] { return Shows(opened, visitedColour, covering(opened)); }));
    EXPECT_TRUE(Shows(other, normalColour, covering(other)));
    const std::string address = GetParam().secondLink ? helpPage : homePage;
    const std::vector<std::string> expected{"\"" + RecorderPath() + "\" \"" + address + "\""};
    EXPECT_EQ(Recorded(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Links, PressOn,
    testing::Values(PressCase{"link1", {onLink1}, 1, false}, PressCase{"link2", {onLink2}, 1, true},
                    PressCase{"link1_double_click", {onLink1}, 2, false},
                    PressCase{"link2_double_click", {onLink2}, 2, true},
                    PressCase{"strip_from_outside", {outside, inStrip}, 1, true},
                    PressCase{"strip_from_beside", {besideStrip, inStrip}, 1, true},
                    PressCase{"strip_from_link1", {onLink1, inStrip}, 1, false}),
    [](const testing::TestParamInfo<PressCase>& info) { return info.param.name; });

struct FallbackCase {
    const char* name;
    std::optional<std::string> pageKind;  // .htm's default value; none: no .htm key
    std::optional<std::string> command;   // the page kind's command; none: no value
    std::optional<std::string> recorded;  // what the recorder gets; none: nothing runs
    friend void PrintTo(const FallbackCase& c, std::ostream* os) { *os << c.name; }
};

class ShellFails : public Hyperlinks, public testing::WithParamInterface<FallbackCase> {};

TEST_P(ShellFails, TheBrowserCommandOfPagesRunsOrNothingDoes) {
    http.Remove();
    if (GetParam().pageKind) {
        page.Set(*GetParam().pageKind);
    } else {
        page.Remove();
    }
    if (GetParam().command) {
        pageCommand.Set(*GetParam().command);
    } else {
        pageCommand.Clear();
    }
    Start();
    ASSERT_TRUE(MoveTo(onLink2.x, onLink2.y));
    EXPECT_TRUE(WaitFor([&] { return Shows(link2, hoverColour); }));
    ASSERT_TRUE(Click());
    ASSERT_TRUE(MoveTo(outside.x, outside.y));
    const COLORREF after = GetParam().recorded ? visitedColour : normalColour;
    EXPECT_TRUE(WaitFor([&] { return Shows(link2, after); })) << ColourName(after);
    std::vector<std::string> expected;
    if (GetParam().recorded) expected.push_back(*GetParam().recorded);
    EXPECT_EQ(Recorded(), expected);
}

const std::string recorder = RecorderPath();

INSTANTIATE_TEST_SUITE_P(
    Commands, ShellFails,
    testing::Values(
        FallbackCase{"quoted_placeholder", "gamereg.test.page", "\"" + recorder + "\" \"%1\"",
                     "\"" + recorder + "\"  " + helpPage},
        FallbackCase{"bare_placeholder", "gamereg.test.page", recorder + " %1",
                     recorder + "  " + helpPage},
        FallbackCase{"no_placeholder", "gamereg.test.page", recorder + " -page",
                     recorder + " -page " + helpPage},
        FallbackCase{"no_page_key", std::nullopt, std::nullopt, std::nullopt},
        FallbackCase{"no_command_key", "gamereg.test.nothing", std::nullopt, std::nullopt},
        FallbackCase{"no_command_value", "gamereg.test.page", std::nullopt, std::nullopt},
        FallbackCase{"page_kind_too_long", std::string(300, 'k'), std::nullopt, std::nullopt},
        FallbackCase{"command_too_long", "gamereg.test.page",
                     recorder + " " + std::string(300, 'x') + " %1", std::nullopt},
        FallbackCase{"command_does_not_run", "gamereg.test.page", "Z:\\nowhere\\browser.exe %1",
                     std::nullopt}),
    [](const testing::TestParamInfo<FallbackCase>& info) { return info.param.name; });

TEST_F(Hyperlinks, APressLeavesTheFocusAndTabNeverStopsOnALink) {
    http.Set("\"" + RecorderPath() + "\" \"%1\"");
    Start();
    ASSERT_TRUE(MoveTo(onLink1.x, onLink1.y));
    ASSERT_TRUE(Click());
    ASSERT_TRUE(MoveTo(outside.x, outside.y));
    ASSERT_TRUE(WaitFor([&] { return Shows(link1, visitedColour, link2); }));
    EXPECT_EQ(probe->Focus(), Button1(window));
    ASSERT_TRUE(PressKeys("Tab"));
    ASSERT_TRUE(WaitFor([&] { return probe->Focus() == Button2(window); }));
    ASSERT_TRUE(MoveTo(onLink2.x, onLink2.y));
    ASSERT_TRUE(Click());
    ASSERT_TRUE(MoveTo(outside.x, outside.y));
    ASSERT_TRUE(WaitFor([&] { return Shows(link2, visitedColour); }));
    EXPECT_EQ(probe->Focus(), Button2(window));
    for (const HWND next : {EditBox(window), Button1(window), Button2(window)}) {
        ASSERT_TRUE(PressKeys("Tab"));
        EXPECT_TRUE(WaitFor([&] { return probe->Focus() == next; }));
    }
    EXPECT_EQ(Recorded().size(), 2u);
}

struct ChangeCase {
    const char* name;
    std::string changes;  // made to 超级链接框2 (component 1) before the window shows
    std::string windowText;
    std::string drawn;  // the text the link shows
    friend void PrintTo(const ChangeCase& c, std::ostream* os) { *os << c.name; }
};

class ChangedLink : public Hyperlinks, public testing::WithParamInterface<ChangeCase> {};

TEST_P(ChangedLink, ShowsItsCaptionOrItsAddressCentredOnOneLine) {
    Start(GetParam().changes);
    EXPECT_EQ(TextOf(link2), GetParam().windowText);
    RECT client;
    GetClientRect(link2, &client);
    const int width = TextWidth(GetParam().drawn);
    ASSERT_LT(width, client.right) << "the text must fit the link to be measured";
    RECT ink{};
    // Glyphs stand a pixel or two inside their advance widths.
    const auto matches = [&] {
        ink = InkOf(link2, GetSysColor(COLOR_BTNFACE));
        const int left = (client.right - width) / 2;
        return std::abs(ink.left - left) <= 3 && std::abs(ink.right - (left + width)) <= 3;
    };
    EXPECT_TRUE(WaitFor(matches)) << "ink from " << ink.left << " to " << ink.right
                                  << ", text of width " << width;
    EXPECT_GT(ink.top, 0);
    EXPECT_LT(ink.bottom, client.bottom);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ChangedLink,
    testing::Values(
        ChangeCase{"caption", "1 caption Link", "Link", "Link"},
        ChangeCase{"ampersand_drawn_literally", "1 caption A&B", "A&B", "A&B"},
        ChangeCase{"no_caption_shows_the_web_address", "1 web x.cn;1 caption ", "", "x.cn"},
        ChangeCase{"web_address_after_the_caption", "1 caption ;1 web w.cn", "", "w.cn"},
        ChangeCase{"type_below_zero_is_mail", "1 email a@b.cn;1 caption ;1 type -7", "", "a@b.cn"},
        ChangeCase{"type_above_one_is_web",
                   "1 web w.cn;1 email a@b.cn;1 type 0;1 type 9;1 caption ", "", "w.cn"}),
    [](const testing::TestParamInfo<ChangeCase>& info) { return info.param.name; });

struct BorderCase {
    const char* name;
    int border;
    DWORD edges;  // extended styles
    bool line;    // WS_BORDER
    friend void PrintTo(const BorderCase& c, std::ostream* os) { *os << c.name; }
};

class LinkBorder : public Hyperlinks, public testing::WithParamInterface<BorderCase> {};

TEST_P(LinkBorder, IsClampedAndAppliedAsEdgeStyles) {
    // From a framed edge, so that every change has something to take away.
    Start("1 border 4;1 border " + std::to_string(GetParam().border));
    constexpr DWORD allEdges = WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE;
    EXPECT_EQ(GetWindowLongA(link2, GWL_EXSTYLE) & allEdges, GetParam().edges);
    EXPECT_EQ((GetWindowLongA(link2, GWL_STYLE) & WS_BORDER) != 0, GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Borders, LinkBorder,
    testing::Values(BorderCase{"below_zero", -3, 0, false}, BorderCase{"none", 0, 0, false},
                    BorderCase{"sunken", 1, WS_EX_CLIENTEDGE, false},
                    BorderCase{"raised", 2, WS_EX_DLGMODALFRAME, false},
                    BorderCase{"thin_sunken", 3, WS_EX_STATICEDGE, false},
                    BorderCase{"framed", 4, WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME, false},
                    BorderCase{"single_line", 5, 0, true}, BorderCase{"above_five", 9, 0, true}),
    [](const testing::TestParamInfo<BorderCase>& info) { return info.param.name; });

TEST(HyperlinkClass, DoubleClicksTheHandCursorAndNoBackgroundBrush) {
    ProgramUnderTest probe = StartProbe("created link-class");
    const HWND window = probe.WaitForMainWindow(true);
    ASSERT_NE(window, nullptr);
    // CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, the cursor's hot spot at the fingertip.
    EXPECT_EQ(probe.Log().at(1), "link-class b null-brush cursor 6 1");
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(probe.WaitForExit(), 0u);
}

TEST_F(Hyperlinks, TheFormsLinksHaveTheirOwnClassAndNoEdge) {
    Start();
    for (const HWND link : {link1, link2}) {
        EXPECT_EQ(ClassOf(link), "GameRegHyperLinker");
        EXPECT_EQ(GetWindowLongA(link, GWL_EXSTYLE), 0);
        EXPECT_EQ(GetWindowLongA(link, GWL_STYLE) & WS_BORDER, 0);
    }
}

TEST_F(Hyperlinks, AStoredFontIsDrawnAnyOtherLengthMeansTheGuiFont) {
    // The ink of "Aa" on 超级链接框2 with a font that is no LOGFONTA, then with a
    // tall one; a background of each run's own shows that the run has drawn.
    struct Run {
        const char* font;
        COLORREF background;
        int height = 0;
    } runs[] = {{"short", 0x00FFFFFF}, {"-22", 0x00CCFFFF}};
    for (Run& run : runs) {
        char background[16];
        std::snprintf(background, sizeof background, "%08lx", run.background);
        Start(std::string("1 caption Aa;1 background ") + background + ";1 font " + run.font);
        RECT ink{};
        EXPECT_TRUE(WaitFor([&] {
            if (ReadScreen(link2).At(0, 0) != run.background) return false;
            ink = InkOf(link2, run.background);
            return ink.bottom > ink.top;
        }));
        run.height = ink.bottom - ink.top;
        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(probe->WaitForExit(), 0u);
        probe.reset();
    }
    EXPECT_GE(runs[1].height, runs[0].height + 5) << runs[0].height << " then " << runs[1].height;
}

TEST_F(Hyperlinks, NewColoursAreDrawn) {
    Start("1 normal 0000ff00;1 background 00ffffff;1 hover 000000ff");
    EXPECT_TRUE(WaitFor([&] { return HasColour(link2, 0x0000FF00); }));
    RECT client;
    GetClientRect(link2, &client);
    const ScreenPixels screen = ReadScreen(link2);
    EXPECT_EQ(screen.At(0, 0), 0x00FFFFFFu);
    EXPECT_EQ(screen.At(client.right - 1, client.bottom - 1), 0x00FFFFFFu);
    ASSERT_TRUE(MoveTo(onLink2.x, onLink2.y));
    EXPECT_TRUE(WaitFor([&] { return HasColour(link2, 0x000000FF); }));
    EXPECT_FALSE(HasColour(link2, 0x0000FF00));
}

}  // namespace
}  // namespace gamereg::e2e
