// The shell with recording handlers, for the end-to-end tests. It writes each
// event that reaches a handler as a line to the file GAMEREG_PROBE_LOG names,
// and does what GAMEREG_PROBE_ACTION asks from one of its handlers:
//   "<when> message <text>"        ShowMessage
//   "<when> message-end <text>"    ShowMessage, then EndProgram(0)
//   "<when> fatal <code> [<text>]" ReportFatalError
//   "<when> allocate <bytes>"      asks operator new for that many bytes
//   "<when> raise <window> <component> <event>"  RaiseEvent
//   "<when> text <window> <component>"           GetControlText
//   "<when> texts"                 GetControlText and SetControlText on 编辑框1 and the caption
//   "<when> captions"              sets the caption "", "有标题", "" and logs the caption bar
//   "<when> colours"               logs the colour answers for 编辑框1 and 分组框1, and the fonts
//   "<when> icons"                 logs the sizes of the window's big and small icons
//   "<when> link-class"            logs the hyperlinks' class style, brush and cursor hot spot
//   "<when> links <change>;..."    changes hyperlinks: "<component> <property> <value>",
//                                  property caption, type, email, web, border, font
//                                  (a height; "short" for a 59-byte font) or a colour
//                                  (normal, visited, hover, background) in hexadecimal
// <when> is "created" or "import". GAMEREG_PROBE_FORM picks a form variant:
// "no-control-box" (a border, no control box), "broken" (unusable form data)
// or "two-windows" (a second window that is never loaded).

#include <windows.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/application_win32.h"
#include "app/control_text.h"
#include "app/event_dispatch.h"
#include "app/form_description.h"
#include "app/hyper_linker_win32.h"
#include "app/message_box.h"
#include "app/program.h"
#include "services/fatal_error.h"
#include "workflow/handlers.h"

namespace gamereg {

namespace {

std::string Environment(const wchar_t* name) {
    // Read in UTF-16: Wine's GetEnvironmentVariableA cuts double-byte text
    // at its length in characters.
    wchar_t value[2048] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, 2048);
    if (length == 0 || length >= 2048) return {};
    char bytes[4096] = {};
    const int size = WideCharToMultiByte(CP_ACP, 0, value, static_cast<int>(length), bytes,
                                         sizeof bytes, nullptr, nullptr);
    return std::string(bytes, static_cast<std::size_t>(size > 0 ? size : 0));
}

void Log(const std::string& line) {
    const std::string path = Environment(L"GAMEREG_PROBE_LOG");
    if (path.empty()) return;
    if (FILE* file = std::fopen(path.c_str(), "ab")) {
        std::fprintf(file, "%s\n", line.c_str());
        std::fclose(file);
    }
}

HWND Handle(ComponentId component) {
    return FindWindowTemplate(0)->components[static_cast<std::size_t>(component)].handle;
}

std::string Shown(const Text& text) { return text.empty() ? "none" : text; }

// The next word of `rest`, which loses it and the blank after it.
std::string TakeWord(std::string& rest) {
    const auto blank = rest.find(' ');
    std::string word = rest.substr(0, blank);
    rest = blank == std::string::npos ? std::string() : rest.substr(blank + 1);
    return word;
}

void ChangeLink(std::string change) {
    const HWND link = Handle(std::atoi(TakeWord(change).c_str()));
    const std::string property = TakeWord(change);
    const auto number = [&] {
        return static_cast<std::int32_t>(std::strtol(change.c_str(), nullptr, 10));
    };
    const auto colour = [&] {
        return static_cast<Colour>(std::strtoul(change.c_str(), nullptr, 16));
    };
    if (property == "caption") {
        SetLinkCaption(link, change);
    } else if (property == "type") {
        SetLinkType(link, number());
    } else if (property == "email") {
        SetLinkEMailAddress(link, change);
    } else if (property == "web") {
        SetLinkWebAddress(link, change);
    } else if (property == "border") {
        SetLinkBorder(link, number());
    } else if (property == "font") {
        LOGFONTA font{};
        font.lfHeight = change == "short" ? 0 : number();
        font.lfWeight = FW_NORMAL;
        // Fields a link overrides: a symbol character set would draw no letters.
        font.lfCharSet = SYMBOL_CHARSET;
        std::strcpy(font.lfFaceName, "Tahoma");
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(&font);
        SetLinkFont(link,
                    Bytes(bytes, bytes + (change == "short" ? sizeof font - 1 : sizeof font)));
    } else if (property == "normal") {
        SetLinkColour(link, LinkColour::Normal, colour());
    } else if (property == "visited") {
        SetLinkColour(link, LinkColour::Visited, colour());
    } else if (property == "hover") {
        SetLinkColour(link, LinkColour::Hover, colour());
    } else if (property == "background") {
        SetLinkColour(link, LinkColour::Background, colour());
    }
}

void Act(const char* when) {
    std::string rest = Environment(L"GAMEREG_PROBE_ACTION");
    if (TakeWord(rest) != when) return;
    const std::string what = TakeWord(rest);
    if (what == "message") {
        ShowMessage(rest);
    } else if (what == "message-end") {
        ShowMessage(rest);
        EndProgram(0);
    } else if (what == "fatal") {
        const int code = std::atoi(TakeWord(rest).c_str());
        ReportFatalError(rest, code);
    } else if (what == "allocate") {
        const auto bytes = static_cast<std::size_t>(std::strtoul(rest.c_str(), nullptr, 10));
        ::operator delete(::operator new(bytes));
    } else if (what == "raise") {
        const WindowId window = std::atoi(TakeWord(rest).c_str());
        const ComponentId component = std::atoi(TakeWord(rest).c_str());
        Log(RaiseEvent(window, component, std::atoi(rest.c_str())) ? "raised" : "not raised");
    } else if (what == "text") {
        const WindowId window = std::atoi(TakeWord(rest).c_str());
        Log("text " + Shown(GetControlText(window, std::atoi(rest.c_str()))));
    } else if (what == "texts") {
        Log("get-empty " + Shown(GetControlText(MainWindow, 编辑框1)));
        SetControlText(MainWindow, 编辑框1, "脚本 游戏路径");
        Log("get " + Shown(GetControlText(MainWindow, 编辑框1)));
        SetControlText(MainWindow, 编辑框1, Text());
        Log("get-after-none " + Shown(GetControlText(MainWindow, 编辑框1)));
        SetControlText(MainWindow, MainWindow, "标题");
        char caption[64] = {};
        GetWindowTextA(Handle(MainWindow), caption, sizeof caption);
        Log("caption " + Shown(GetControlText(MainWindow, MainWindow)) + " " + caption);
    } else if (what == "icons") {
        for (const WPARAM which : {ICON_BIG, ICON_SMALL}) {
            const auto icon =
                reinterpret_cast<HICON>(SendMessageA(Handle(MainWindow), WM_GETICON, which, 0));
            ICONINFO info{};
            BITMAP bitmap{};
            if (icon != nullptr && GetIconInfo(icon, &info)) {
                GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
                DeleteObject(info.hbmColor);
                DeleteObject(info.hbmMask);
            }
            Log((which == ICON_BIG ? "icon-big " : "icon-small ") + std::to_string(bitmap.bmWidth));
        }
    } else if (what == "colours") {
        // The answers the window gives for its coloured controls, and their fonts.
        for (const ComponentId component : {编辑框1, 分组框1}) {
            const HWND control = Handle(component);
            const HDC dc = GetDC(control);
            const UINT query = component == 编辑框1 ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC;
            const auto brush = reinterpret_cast<HBRUSH>(
                SendMessageA(Handle(MainWindow), query, reinterpret_cast<WPARAM>(dc),
                             reinterpret_cast<LPARAM>(control)));
            LOGBRUSH logBrush{};
            GetObjectA(brush, sizeof logBrush, &logBrush);
            char line[64];
            std::snprintf(line, sizeof line, "%s %06lx %06lx %06lx",
                          component == 编辑框1 ? "edit" : "group", GetTextColor(dc), GetBkColor(dc),
                          logBrush.lbColor);
            Log(line);
            ReleaseDC(control, dc);
        }
        bool defaultFont = true;
        for (const ComponentId component : {编辑框1, 按钮2, 按钮1, 分组框1}) {
            defaultFont = defaultFont && reinterpret_cast<HGDIOBJ>(
                                             SendMessageA(Handle(component), WM_GETFONT, 0, 0)) ==
                                             GetStockObject(DEFAULT_GUI_FONT);
        }
        Log(defaultFont ? "fonts default" : "fonts other");
    } else if (what == "link-class") {
        const HWND link = Handle(超级链接框1);
        ICONINFO cursor{};
        GetIconInfo(reinterpret_cast<HICON>(GetClassLongPtrA(link, GCLP_HCURSOR)), &cursor);
        if (cursor.hbmMask != nullptr) DeleteObject(cursor.hbmMask);
        if (cursor.hbmColor != nullptr) DeleteObject(cursor.hbmColor);
        const bool nullBrush = reinterpret_cast<HGDIOBJ>(GetClassLongPtrA(
                                   link, GCLP_HBRBACKGROUND)) == GetStockObject(NULL_BRUSH);
        char line[96];
        std::snprintf(line, sizeof line, "link-class %lx %s %s %lu %lu",
                      GetClassLongA(link, GCL_STYLE), nullBrush ? "null-brush" : "other-brush",
                      cursor.fIcon ? "icon" : "cursor", cursor.xHotspot, cursor.yHotspot);
        Log(line);
    } else if (what == "links") {
        for (std::size_t end; !rest.empty();
             rest = end == std::string::npos ? "" : rest.substr(end + 1)) {
            end = rest.find(';');
            ChangeLink(rest.substr(0, end));
        }
    } else if (what == "captions") {
        for (const char* caption : {"", "有标题", ""}) {
            SetControlText(MainWindow, MainWindow, caption);
            const auto style = GetWindowLongPtrA(Handle(MainWindow), GWL_STYLE);
            Log(std::string("caption-bar '") + caption + "' " +
                ((style & WS_CAPTION) == WS_CAPTION ? "1" : "0"));
        }
    }
}

void LogMoved() { Log("moved"); }
void LogResized() { Log("resized"); }
void LogShown() { Log("shown"); }
void LogCloseQuery() { Log("close-query"); }
void LogChanged() { Log("changed"); }

// The product's form with every event on the tests' road recorded.
std::vector<ComponentRecord> ProbeForm() {
    static constexpr std::array windowEvents{
        EventBinding{event::Created, &HandleCreated},
        EventBinding{event::CloseQuery, &LogCloseQuery},
        EventBinding{event::WillBeDestroyed, &HandleDestroying},
        EventBinding{event::Moved, &LogMoved},
        EventBinding{event::Resized, &LogResized},
        EventBinding{event::Shown, &LogShown}};
    static constexpr std::array editEvents{EventBinding{event::ContentChanged, &LogChanged}};
    const auto product = FormDescription();
    std::vector<ComponentRecord> form(product.begin(), product.end());
    form[MainWindow].events = windowEvents;
    form[编辑框1].events = editEvents;
    const std::string variant = Environment(L"GAMEREG_PROBE_FORM");
    if (variant == "no-control-box") {
        auto& window = std::get<WindowProperties>(form[MainWindow].properties);
        window.controlBox = false;
        window.minimiseBox = false;
    } else if (variant == "broken") {
        form[按钮1].parent = 按钮2;  // a button holds no controls
    } else if (variant == "two-windows") {
        form.push_back(form[MainWindow]);
    }
    return form;
}

}  // namespace

void HandleCreated() {
    Log(IsWindowVisible(Handle(MainWindow)) ? "created visible" : "created hidden");
    Act("created");
}

void HandleImport() {
    Log("clicked 按钮1");
    Act("import");
}

void HandleUninstall() { Log("clicked 按钮2"); }

void HandleDestroying() {
    Log(IsWindow(Handle(编辑框1)) ? "destroying edit-exists" : "destroying edit-gone");
}

}  // namespace gamereg

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    static const std::vector<gamereg::ComponentRecord> form = gamereg::ProbeForm();
    return gamereg::RunProgram(form);
}
