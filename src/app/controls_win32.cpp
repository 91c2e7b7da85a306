// The control kinds: how each is created from its record, and the
// notifications and colour queries it answers.

#include <windows.h>

#include <cassert>

#include "app/event_dispatch.h"
#include "app/window_parts_win32.h"

namespace gamereg {

namespace {

DWORD EditBoxStyle(const EditBoxProperties& box) {
    DWORD style = 0;
    if (box.multiLine) style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    if (box.scrollBars == ScrollBars::Horizontal || box.scrollBars == ScrollBars::Both) {
        style |= WS_HSCROLL | ES_AUTOHSCROLL;
    }
    if (box.scrollBars == ScrollBars::Vertical || box.scrollBars == ScrollBars::Both) {
        style |= WS_VSCROLL;
    }
    // A single line scrolls sideways; a multi-line box without scroll bars wraps.
    if (!box.multiLine) style |= ES_AUTOHSCROLL;
    if (box.alignment == Alignment::Centre) style |= ES_CENTER;
    if (box.alignment == Alignment::Right) style |= ES_RIGHT;
    if (box.inputMode == InputMode::ReadOnly) style |= ES_READONLY;
    if (box.inputMode == InputMode::Password) style |= ES_PASSWORD;
    if (box.letterCase == LetterCase::Lower) style |= ES_LOWERCASE;
    if (box.letterCase == LetterCase::Upper) style |= ES_UPPERCASE;
    if (!box.hideSelection) style |= ES_NOHIDESEL;
    return style;
}

DWORD GroupBoxStyle(const GroupBoxProperties& box) {
    DWORD style = BS_GROUPBOX;
    if (box.captionAlignment == Alignment::Left) style |= BS_LEFT;
    if (box.captionAlignment == Alignment::Centre) style |= BS_CENTER;
    if (box.captionAlignment == Alignment::Right) style |= BS_RIGHT;
    return style;
}

DWORD ButtonStyle(const ButtonProperties& button) {
    DWORD style = (button.defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_MULTILINE;
    constexpr DWORD horizontal[] = {BS_LEFT, BS_CENTER, BS_RIGHT};
    constexpr DWORD vertical[] = {BS_TOP, BS_VCENTER, BS_BOTTOM};
    style |= horizontal[static_cast<int>(button.horizontalAlignment)];
    style |= vertical[static_cast<int>(button.verticalAlignment)];
    return style;
}

LRESULT CALLBACK ControlProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

// Routes the control's messages through ControlProcedure first.
void Subclass(LiveComponent& live) {
    live.originalProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        live.handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlProcedure)));
}

LRESULT CALLBACK ControlProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    const ComponentAt at = FindComponent(handle);
    // Subclassed controls are found until their WM_NCDESTROY undoes the subclassing.
    assert(at);
    if (!at) return DefWindowProcA(handle, message, wParam, lParam);
    LiveComponent& live = at.window->components[static_cast<std::size_t>(at.component)];
    const WNDPROC original = live.originalProcedure;
    switch (message) {
        case WM_COMMAND:
            // A child's notification (the buttons in the group box), or one
            // sent to the control about itself.
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
        case WM_ERASEBKGND:
            if (live.brush != nullptr &&
                KindOf(at.window->records[static_cast<std::size_t>(at.component)]) ==
                    ComponentKind::GroupBox) {
                RECT client;
                GetClientRect(handle, &client);
                FillRect(reinterpret_cast<HDC>(wParam), &client, live.brush);
            }
            break;
        case WM_NCDESTROY:
            SetWindowLongPtrA(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
            if (live.brush != nullptr) DeleteObject(live.brush);
            live = LiveComponent{};
            break;
        default:
            break;
    }
    return CallWindowProcA(original, handle, message, wParam, lParam);
}

}  // namespace

COLORREF Resolve(Colour colour) {
    return colour == ButtonFace ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(colour);
}

HWND CreateFormControl(LoadedWindow& window, ComponentId component, int controlId) {
    const ComponentRecord& record = window.records[static_cast<std::size_t>(component)];
    LiveComponent& live = window.components[static_cast<std::size_t>(component)];
    const HWND parent = window.Handle();
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    if (record.disabled) style |= WS_DISABLED;
    if (record.tabStop) style |= WS_TABSTOP;
    auto create = [&](const char* className, std::string_view text, DWORD kindStyle) {
        const Text caption(text);
        return CreateWindowExA(0, className, caption.c_str(), style | kindStyle, record.left,
                               record.top, record.width, record.height, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                               GetModuleHandleA(nullptr), nullptr);
    };
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    switch (KindOf(record)) {
        case ComponentKind::EditBox: {
            const auto& box = std::get<EditBoxProperties>(record.properties);
            live.handle = create("EDIT", box.content, EditBoxStyle(box));
            if (live.handle == nullptr) return nullptr;
            live.text = Text(box.content);
            live.brush = CreateSolidBrush(Resolve(box.background));
            Subclass(live);
            SendMessageA(live.handle, WM_SETFONT, font, TRUE);
            SendMessageA(live.handle, EM_LIMITTEXT, static_cast<WPARAM>(box.maximumLength), 0);
            if (box.inputMode == InputMode::Password) {
                SendMessageA(live.handle, EM_SETPASSWORDCHAR,
                             static_cast<unsigned char>(box.passwordCharacter), 0);
            }
            SendMessageA(live.handle, EM_SETSEL, static_cast<WPARAM>(box.selectionStart),
                         box.selectionStart + box.selectionLength);
            SendMessageA(live.handle, EM_SCROLLCARET, 0, 0);
            if (box.sunkenBorder) {
                SetWindowLongPtrA(live.handle, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
                SetWindowPos(
                    live.handle, nullptr, 0, 0, 0, 0,
                    SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
            break;
        }
        case ComponentKind::GroupBox: {
            const auto& box = std::get<GroupBoxProperties>(record.properties);
            live.handle = create("BUTTON", box.caption, GroupBoxStyle(box));
            if (live.handle == nullptr) return nullptr;
            live.brush = CreateSolidBrush(Resolve(box.background));
            Subclass(live);
            SendMessageA(live.handle, WM_SETFONT, font, TRUE);
            break;
        }
        case ComponentKind::Button: {
            const auto& button = std::get<ButtonProperties>(record.properties);
            live.handle = create("BUTTON", button.caption, ButtonStyle(button));
            if (live.handle == nullptr) return nullptr;
            Subclass(live);
            SendMessageA(live.handle, WM_SETFONT, font, TRUE);
            break;
        }
        case ComponentKind::HyperLinker:
            live.handle = CreateHyperLinker(parent, controlId, record, style);
            break;
        case ComponentKind::Window:
            // A window record inside a window: the form data reader refuses it.
            assert(false);
            return nullptr;
    }
    return live.handle;
}

void ControlNotified(HWND control, UINT code) {
    const ComponentAt at = FindComponent(control);
    if (!at) return;
    const auto index = static_cast<std::size_t>(at.component);
    const WindowId window = static_cast<WindowId>(at.window - App().windows.data());
    switch (KindOf(at.window->records[index])) {
        case ComponentKind::Button:
            if (code == BN_CLICKED) RaiseEvent(window, at.component, event::Clicked);
            break;
        case ComponentKind::EditBox:
            if (code == EN_CHANGE && !at.window->components[index].changeHeldBack) {
                RaiseEvent(window, at.component, event::ContentChanged);
            }
            break;
        default:
            break;
    }
}

std::optional<LRESULT> AnswerColour(HWND control, HDC dc) {
    const ComponentAt at = FindComponent(control);
    if (!at) return std::nullopt;
    const auto index = static_cast<std::size_t>(at.component);
    const ComponentRecord& record = at.window->records[index];
    const HBRUSH brush = at.window->components[index].brush;
    Colour text = 0;
    Colour background = 0;
    if (const auto* box = std::get_if<EditBoxProperties>(&record.properties)) {
        text = box->textColour;
        background = box->background;
    } else if (const auto* group = std::get_if<GroupBoxProperties>(&record.properties)) {
        text = group->textColour;
        background = group->background;
    } else {
        return std::nullopt;
    }
    SetTextColor(dc, Resolve(text));
    SetBkColor(dc, Resolve(background));
    return reinterpret_cast<LRESULT>(brush);
}

}  // namespace gamereg
