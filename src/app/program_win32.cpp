// The life of the process: the start step, loading a window, the message loop
// and the end.

#include <ole2.h>
#include <windows.h>

#include "app/event_dispatch.h"
#include "app/program.h"
#include "app/window_parts_win32.h"
#include "services/fatal_error.h"
#include "services/run_directory.h"

namespace gamereg {

namespace {

constexpr char ownerClassName[] = "GameRegOwnerWindow";

void CreateOwnerWindow() {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = ownerClassName;
    RegisterClassExA(&windowClass);
    App().ownerWindow = CreateWindowExA(WS_EX_TOOLWINDOW, ownerClassName, "", 0, 0, 0, 0, 0,
                                        nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

// A control's parent is its window or a group box of the same window, never itself.
bool IsValidParent(std::span<const ComponentRecord> records, std::size_t control) {
    const std::int32_t parent = records[control].parent;
    if (parent == 0) return true;
    if (parent < 0 || static_cast<std::size_t>(parent) >= records.size() ||
        static_cast<std::size_t>(parent) == control) {
        return false;
    }
    return KindOf(records[static_cast<std::size_t>(parent)]) == ComponentKind::GroupBox;
}

// Splits the form data into its windows, each record of kind window starting
// one; false when the data cannot be used.
bool ReadFormData(std::span<const ComponentRecord> formData) {
    auto& windows = App().windows;
    std::size_t start = 0;
    while (start < formData.size()) {
        if (KindOf(formData[start]) != ComponentKind::Window) return false;
        std::size_t end = start + 1;
        while (end < formData.size() && KindOf(formData[end]) != ComponentKind::Window) ++end;
        const auto records = formData.subspan(start, end - start);
        for (std::size_t i = 1; i < records.size(); ++i) {
            if (!IsValidParent(records, i)) return false;
        }
        windows.push_back(LoadedWindow{.records = records});
        start = end;
    }
    return !windows.empty();
}

// Dispatches what is waiting, up to a quit message, which stays in the queue.
void HandleWaitingMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE) && message.message != WM_QUIT) {
        PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void DestroyPartlyMadeWindow(LoadedWindow& window) {
    if (window.Exists()) DestroyWindow(window.Handle());
    window.components.clear();
}

// Creates the window and its controls, hidden; false when one cannot be made.
bool CreateWindowAndControls(LoadedWindow& window) {
    const std::size_t count = window.records.size();
    window.components.assign(count, LiveComponent{});
    if (CreateFormWindow(window) == nullptr) return false;
    // From the last control to the first; the first created gets 100.
    int controlId = 100;
    for (std::size_t i = count - 1; i >= 1; --i, controlId += 10) {
        if (CreateFormControl(window, static_cast<ComponentId>(i), controlId) == nullptr) {
            return false;
        }
    }
    for (std::size_t i = 1; i < count; ++i) {
        const auto parent = static_cast<std::size_t>(window.records[i].parent);
        if (parent != 0) SetParent(window.components[i].handle, window.components[parent].handle);
    }
    // Each control directly below the nearest earlier one with the same
    // parent, the first of each parent at the top.
    for (std::size_t i = 1; i < count; ++i) {
        HWND above = HWND_TOP;
        for (std::size_t j = i - 1; j >= 1; --j) {
            if (window.records[j].parent == window.records[i].parent) {
                above = window.components[j].handle;
                break;
            }
        }
        SetWindowPos(window.components[i].handle, above, 0, 0, 0, 0,
                     SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    }
    for (std::size_t i = 1; i < count; ++i) {
        ShowWindow(window.components[i].handle, window.records[i].visible ? SW_SHOWNA : SW_HIDE);
    }
    return true;
}

void ShowInStartState(const LoadedWindow& window) {
    const HWND handle = window.Handle();
    switch (std::get<WindowProperties>(window.records[0].properties).startState) {
        case StartState::Minimised:
            ShowWindow(handle, SW_SHOWMINIMIZED);
            break;
        case StartState::Maximised:
            if ((GetWindowLongPtrA(handle, GWL_STYLE) & WS_THICKFRAME) != 0) {
                ShowWindow(handle, SW_SHOWMAXIMIZED);
            } else {
                SetWindowPos(handle, nullptr, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                             GetSystemMetrics(SM_CYSCREEN), SWP_NOZORDER | SWP_NOACTIVATE);
                ShowWindow(handle, SW_SHOW);
            }
            break;
        case StartState::Normal:
            ShowWindow(handle, SW_SHOW);
            break;
    }
}

// The window of a message and its ancestors examine its keys first.
bool PreTranslate(const MSG& message) {
    for (HWND handle = message.hwnd; handle != nullptr && handle != GetDesktopWindow();
         handle = GetAncestor(handle, GA_PARENT)) {
        const ComponentAt at = FindComponent(handle);
        if (at && at.component == MainWindow && PreTranslateKey(*at.window, message)) return true;
    }
    return false;
}

void CleanUp() {
    Application& app = App();
    if (app.ownerWindow != nullptr) DestroyWindow(app.ownerWindow);
    app.ownerWindow = nullptr;
    if (app.oleInitialised) OleUninitialize();
    app.oleInitialised = false;
}

}  // namespace

bool LoadWindow(WindowId id) {
    LoadedWindow* window = FindWindowTemplate(id);
    if (window == nullptr) return false;
    HandleWaitingMessages();
    ++App().eventSuppression;
    const bool made = CreateWindowAndControls(*window);
    if (made) HandleWaitingMessages();
    if (!made) DestroyPartlyMadeWindow(*window);
    --App().eventSuppression;
    if (!made) return false;
    // Each only while the window still exists: a handler may end it.
    const HWND handle = window->Handle();
    RaiseEvent(id, MainWindow, event::Created);
    if (IsWindow(handle)) RaiseEvent(id, MainWindow, event::Moved);
    if (IsWindow(handle)) RaiseEvent(id, MainWindow, event::Resized);
    if (IsWindow(handle) && window->records[0].visible) ShowInStartState(*window);
    return true;
}

void RunMessageLoop() {
    Application& app = App();
    app.loopStarted = true;
    bool anyLoaded = false;
    for (const auto& window : app.windows) anyLoaded = anyLoaded || window.Exists();
    if (!anyLoaded) return;
    // There is no idle work, so GetMessageA may simply wait for the next message.
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (PreTranslate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void EndProgram(std::int32_t exitCode) {
    ++App().eventSuppression;
    CleanUp();
    ExitProcess(static_cast<UINT>(exitCode));
}

int RunProgram(std::span<const ComponentRecord> formData) {
    // File operations never raise a system error box.
    SetErrorMode(SetErrorMode(0) | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    Application& app = App();
    if (!app.oleInitialised) {
        OleInitialize(nullptr);
        app.oleInitialised = true;
    }
    FixRunDirectory();
    CreateOwnerWindow();
    if (!ReadFormData(formData)) ReportFatalError("载入窗口模板数据段出错!", 0);
    if (!LoadWindow(0)) ReportFatalError("载入启动窗口失败", 0);
    RunMessageLoop();
    CleanUp();
    // The quit message carries 0.
    return 0;
}

}  // namespace gamereg
