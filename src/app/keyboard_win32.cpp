// Keyboard handling of a form window: the focus on activation, Tab and
// Shift+Tab through the eligible controls, Esc and Enter.

#include <windows.h>

#include <algorithm>
#include <vector>

#include "app/window_parts_win32.h"

namespace gamereg {

namespace {

bool CanTakeFocus(ComponentKind kind) {
    return kind == ComponentKind::EditBox || kind == ComponentKind::Button;
}

// The controls Tab reaches, in tab order; equal tab orders keep the reverse
// of the form's order.
std::vector<HWND> TabCycle(const LoadedWindow& window) {
    std::vector<ComponentId> eligible;
    for (auto i = static_cast<ComponentId>(window.records.size()) - 1; i >= 1; --i) {
        const auto index = static_cast<std::size_t>(i);
        const ComponentRecord& record = window.records[index];
        const HWND handle = window.components[index].handle;
        if (handle == nullptr || !record.tabStop || !CanTakeFocus(KindOf(record))) continue;
        const auto style = static_cast<DWORD>(GetWindowLongPtrA(handle, GWL_STYLE));
        if ((style & WS_VISIBLE) == 0 || !IsWindowEnabled(handle)) continue;
        eligible.push_back(i);
    }
    std::stable_sort(eligible.begin(), eligible.end(), [&](ComponentId a, ComponentId b) {
        return window.records[static_cast<std::size_t>(a)].tabOrder <
               window.records[static_cast<std::size_t>(b)].tabOrder;
    });
    std::vector<HWND> cycle;
    for (const ComponentId i : eligible) {
        cycle.push_back(window.components[static_cast<std::size_t>(i)].handle);
    }
    return cycle;
}

void MoveFocus(const LoadedWindow& window, bool backwards) {
    const std::vector<HWND> cycle = TabCycle(window);
    if (cycle.empty()) return;
    const auto current = std::find(cycle.begin(), cycle.end(), GetFocus());
    const auto count = static_cast<std::ptrdiff_t>(cycle.size());
    std::ptrdiff_t next = 0;
    if (current == cycle.end()) {
        next = backwards ? count - 1 : 0;
    } else {
        next = (current - cycle.begin() + (backwards ? count - 1 : 1)) % count;
    }
    SetFocus(cycle[static_cast<std::size_t>(next)]);
}

bool IsDefaultButton(HWND handle) {
    return (GetWindowLongPtrA(handle, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

// Enter: the focused default push button, else the window's first enabled
// one in the form's order; nothing when there is none.
void PressDefaultButton(const LoadedWindow& window) {
    const HWND focus = GetFocus();
    const ComponentAt focused = FindComponent(focus);
    if (focused.window == &window &&
        KindOf(window.records[static_cast<std::size_t>(focused.component)]) ==
            ComponentKind::Button &&
        IsDefaultButton(focus)) {
        SendMessageA(focus, BM_CLICK, 0, 0);
        return;
    }
    for (std::size_t i = 1; i < window.records.size(); ++i) {
        const HWND handle = window.components[i].handle;
        if (KindOf(window.records[i]) == ComponentKind::Button && handle != nullptr &&
            IsWindowEnabled(handle) && IsDefaultButton(handle)) {
            SendMessageA(handle, BM_CLICK, 0, 0);
            return;
        }
    }
}

// A multi-line box that can be written to keeps Enter for its new line.
bool KeepsEnter(const LoadedWindow& window, HWND focus) {
    const ComponentAt focused = FindComponent(focus);
    if (focused.window != &window ||
        KindOf(window.records[static_cast<std::size_t>(focused.component)]) !=
            ComponentKind::EditBox) {
        return false;
    }
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(focus, GWL_STYLE));
    return (style & ES_MULTILINE) != 0 && (style & ES_READONLY) == 0;
}

}  // namespace

bool PreTranslateKey(LoadedWindow& window, const MSG& message) {
    if (message.message != WM_KEYDOWN) return false;
    switch (message.wParam) {
        case VK_TAB:
            MoveFocus(window, GetKeyState(VK_SHIFT) < 0);
            return true;
        case VK_ESCAPE:
            if (!std::get<WindowProperties>(window.records[0].properties).escCloses) return false;
            SendMessageA(window.Handle(), WM_CLOSE, 0, 0);
            return true;
        case VK_RETURN:
            if (KeepsEnter(window, GetFocus())) return false;
            PressDefaultButton(window);
            return true;
        default:
            return false;
    }
}

void RestoreFocus(LoadedWindow& window) {
    if (window.lastFocus != nullptr && IsWindow(window.lastFocus) &&
        IsChild(window.Handle(), window.lastFocus)) {
        SetFocus(window.lastFocus);
        return;
    }
    const std::vector<HWND> cycle = TabCycle(window);
    if (!cycle.empty()) SetFocus(cycle.front());
}

}  // namespace gamereg
