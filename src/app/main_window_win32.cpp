// The form's window: its class, its place and frame, and the window messages
// that become events or are handed back to the controls.

#include <windows.h>

#include "app/event_dispatch.h"
#include "app/window_parts_win32.h"

namespace gamereg {

namespace {

constexpr char className[] = "GameRegMainWindow";
constexpr DWORD captionBarBits = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

const WindowProperties& PropertiesOf(const LoadedWindow& window) {
    return std::get<WindowProperties>(window.records[0].properties);
}

WindowId IdOf(const LoadedWindow& window) {
    return static_cast<WindowId>(&window - App().windows.data());
}

DWORD CaptionBarStyles(const WindowProperties& properties, bool captionEmpty) {
    if (properties.borderStyle == 0) return 0;
    DWORD style = WS_DLGFRAME;
    if (!captionEmpty || properties.controlBox) style |= WS_CAPTION;
    if (properties.controlBox) style |= WS_SYSMENU;
    if (properties.minimiseBox) style |= WS_MINIMIZEBOX;
    if (properties.maximiseBox) style |= WS_MAXIMIZEBOX;
    return style;
}

void PaintBackground(const LoadedWindow& window, HDC dc) {
    RECT client;
    GetClientRect(window.Handle(), &client);
    const HBRUSH brush = CreateSolidBrush(Resolve(PropertiesOf(window).background));
    FillRect(dc, &client, brush);
    DeleteObject(brush);
}

// The window's final destruction: once no loaded window is left, the loop ends.
void WindowGone(LoadedWindow& window) {
    window.components.assign(window.components.size(), LiveComponent{});
    window.lastFocus = nullptr;
    bool anyLeft = false;
    for (const auto& other : App().windows) anyLeft = anyLeft || other.Exists();
    if (!anyLeft && App().loopStarted) PostQuitMessage(0);
}

LRESULT CALLBACK WindowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* window = static_cast<LoadedWindow*>(
            reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
        window->components[0].handle = handle;
        SetWindowLongPtrA(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<LoadedWindow*>(GetWindowLongPtrA(handle, GWLP_USERDATA));
    if (window == nullptr) return DefWindowProcA(handle, message, wParam, lParam);
    const WindowId id = IdOf(*window);
    switch (message) {
        case WM_ERASEBKGND:
            PaintBackground(*window, reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_COMMAND:
            if (lParam != 0) {
                ControlNotified(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
                return 0;
            }
            break;
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            if (auto answer =
                    AnswerColour(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam))) {
                return *answer;
            }
            break;
        case WM_SETFOCUS:
            RestoreFocus(*window);
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                const HWND focus = GetFocus();
                if (focus != nullptr && IsChild(handle, focus)) window->lastFocus = focus;
            }
            break;
        case WM_CLOSE:
            // No handler of this system answers the close query with false,
            // so the close always goes on once the window still exists.
            RaiseEvent(id, MainWindow, event::CloseQuery);
            if (!IsWindow(handle)) return 0;
            break;
        case WM_QUERYENDSESSION:
            RaiseEvent(id, MainWindow, event::CloseQuery);
            return TRUE;
        case WM_DESTROY: {
            const LRESULT result = DefWindowProcA(handle, message, wParam, lParam);
            // The controls still exist here.
            RaiseEvent(id, MainWindow, event::WillBeDestroyed);
            return result;
        }
        case WM_NCDESTROY: {
            const LRESULT result = DefWindowProcA(handle, message, wParam, lParam);
            SetWindowLongPtrA(handle, GWLP_USERDATA, 0);
            WindowGone(*window);
            return result;
        }
        case WM_MOVE:
            RaiseEvent(id, MainWindow, event::Moved);
            break;
        case WM_SIZE:
            RaiseEvent(id, MainWindow, event::Resized);
            break;
        case WM_SHOWWINDOW:
            RaiseEvent(id, MainWindow, wParam ? event::Shown : event::Hidden);
            break;
        default:
            break;
    }
    return DefWindowProcA(handle, message, wParam, lParam);
}

void RegisterWindowClass() {
    static const bool registered = [] {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        windowClass.lpfnWndProc = &WindowProcedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        // The window paints its own background.
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
        windowClass.lpszClassName = className;
        return RegisterClassExA(&windowClass) != 0;
    }();
    (void)registered;
}

// The icon group's 32 x 32 and 16 x 16 images, loaded once for the process.
void LoadIcons() {
    Application& app = App();
    if (app.bigIcon != nullptr) return;
    app.bigIcon = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), "DEFAULT_ICON", IMAGE_ICON, 32, 32, 0));
    app.smallIcon = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), "DEFAULT_ICON", IMAGE_ICON, 16, 16, 0));
}

}  // namespace

void UpdateCaptionBar(const LoadedWindow& window) {
    const HWND handle = window.Handle();
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(handle, GWL_STYLE));
    const DWORD wanted = CaptionBarStyles(PropertiesOf(window), window.components[0].text.empty());
    if ((style & captionBarBits) == (wanted & captionBarBits)) return;
    SetWindowLongPtrA(handle, GWL_STYLE, static_cast<LONG_PTR>((style & ~captionBarBits) | wanted));
    SetWindowPos(handle, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND CreateFormWindow(LoadedWindow& window) {
    RegisterWindowClass();
    LoadIcons();
    const ComponentRecord& record = window.records[0];
    const WindowProperties& properties = PropertiesOf(window);
    window.components[0].text = Text(properties.caption);
    int left = record.left;
    int top = record.top;
    if (properties.startPosition == StartPosition::CentredOnScreen) {
        left = (GetSystemMetrics(SM_CXSCREEN) - record.width) / 2;
        top = (GetSystemMetrics(SM_CYSCREEN) - record.height) / 2;
    }
    const DWORD style = WS_OVERLAPPED | WS_CLIPCHILDREN | (record.disabled ? WS_DISABLED : 0) |
                        CaptionBarStyles(properties, properties.caption.empty());
    const DWORD extendedStyle = properties.alwaysOnTop ? WS_EX_TOPMOST : 0;
    // Without a taskbar button a window is owned by the hidden owner window.
    const HWND owner = properties.showInTaskbar ? nullptr : App().ownerWindow;
    const HWND handle = CreateWindowExA(extendedStyle, className, window.components[0].text.c_str(),
                                        style, left, top, record.width, record.height, owner,
                                        nullptr, GetModuleHandleA(nullptr), &window);
    if (handle == nullptr) return nullptr;
    RECT outer;
    GetWindowRect(handle, &outer);
    if (outer.right - outer.left != record.width || outer.bottom - outer.top != record.height) {
        SetWindowPos(handle, nullptr, left, top, record.width, record.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    UpdateCaptionBar(window);
    SendMessageA(handle, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(App().bigIcon));
    SendMessageA(handle, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(App().smallIcon));
    SendMessageA(handle, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 TRUE);
    return handle;
}

}  // namespace gamereg
