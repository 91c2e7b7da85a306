// The hyperlink kind: one centred line in the link colour of its state, the
// hover colour while the pointer is over it, and a press that opens its
// target. It never takes the focus and raises no event.

#include "app/hyper_linker_win32.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "app/link_target.h"
#include "app/window_parts_win32.h"

namespace gamereg {

namespace {

constexpr char className[] = "GameRegHyperLinker";

// A stored font is exactly one LOGFONTA.
static_assert(sizeof(LOGFONTA) == 60);

// A live hyperlink's properties and state; its caption is the window text.
struct HyperLinker {
    // The values of a link made without stored ones.
    std::int32_t linkType = 0;
    Text eMailAddress;
    Text webAddress;
    Colour normalColour = 0x00FF0000;
    Colour visitedColour = 0x00000080;
    Colour hoverColour = GetSysColor(COLOR_HIGHLIGHT);
    Colour background = ButtonFace;
    std::int32_t border = 0;
    Bytes font;
    bool hovering = false;
    bool visited = false;
};

HyperLinker* LinkOf(HWND handle) {
    return reinterpret_cast<HyperLinker*>(GetWindowLongPtrA(handle, GWLP_USERDATA));
}

void Redraw(HWND handle) { InvalidateRect(handle, nullptr, FALSE); }

void ApplyBorder(HWND handle, std::int32_t border) {
    constexpr DWORD edges[] = {0,
                               WS_EX_CLIENTEDGE,
                               WS_EX_DLGMODALFRAME,
                               WS_EX_STATICEDGE,
                               WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME,
                               0};
    constexpr DWORD allEdges = WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE;
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(handle, GWL_EXSTYLE));
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(handle, GWL_STYLE));
    SetWindowLongPtrA(handle, GWL_EXSTYLE, (exStyle & ~allEdges) | edges[border]);
    SetWindowLongPtrA(handle, GWL_STYLE, border == 5 ? style | WS_BORDER : style & ~WS_BORDER);
    SetWindowPos(handle, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The stored font with the fields a link always overrides; nullptr for none.
HFONT MakeFont(const Bytes& font) {
    if (font.size() != sizeof(LOGFONTA)) return nullptr;
    LOGFONTA description;
    std::memcpy(&description, font.data(), sizeof description);
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = PROOF_QUALITY;
    description.lfPitchAndFamily = DEFAULT_PITCH;
    return CreateFontIndirectA(&description);
}

Text WindowText(HWND handle) {
    Text text(static_cast<std::size_t>(GetWindowTextLengthA(handle)) + 1, '\0');
    const int length = GetWindowTextA(handle, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(length, 0)));
    return text;
}

void Paint(HWND handle, const HyperLinker& link) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(handle, &paint);
    RECT clip;
    if (GetClipBox(dc, &clip) == NULLREGION || IsRectEmpty(&clip)) {
        EndPaint(handle, &paint);
        return;
    }
    const HBRUSH brush = CreateSolidBrush(Resolve(link.background));
    const HGDIOBJ oldBrush = SelectObject(dc, brush);
    PatBlt(dc, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top, PATCOPY);
    SelectObject(dc, oldBrush);
    DeleteObject(brush);

    Text text = WindowText(handle);
    if (text.empty()) text = link.linkType == 1 ? link.webAddress : link.eMailAddress;
    SetBkMode(dc, TRANSPARENT);
    const Colour colour = link.hovering  ? link.hoverColour
                          : link.visited ? link.visitedColour
                                         : link.normalColour;
    SetTextColor(dc, Resolve(colour));
    const HFONT made = MakeFont(link.font);
    const HGDIOBJ oldFont =
        SelectObject(dc, made != nullptr ? made : GetStockObject(DEFAULT_GUI_FONT));
    RECT client;
    GetClientRect(handle, &client);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &client,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    if (made != nullptr) DeleteObject(made);
    EndPaint(handle, &paint);
}

// The pointer moved to `point` (client coordinates). The capture lets the
// link see the movement that takes the pointer away.
void TrackHover(HWND handle, HyperLinker& link, POINT point) {
    if (!link.hovering) {
        link.hovering = true;
        Redraw(handle);
        SetCapture(handle);
        return;
    }
    RECT client;
    GetClientRect(handle, &client);
    if (!PtInRect(&client, point)) {
        link.hovering = false;
        ReleaseCapture();
        Redraw(handle);
    } else if (GetCapture() != handle) {
        SetCapture(handle);
    }
}

void Press(HWND handle, HyperLinker& link) {
    link.visited =
        OpenLinkTarget(LinkTargetOf(link.linkType, link.eMailAddress, link.webAddress), SW_SHOW);
    if (link.visited) Redraw(handle);
}

// The second press of a double-click arrives as WM_LBUTTONDBLCLK and goes to
// the default handling, so a double-click opens the target once.
LRESULT CALLBACK HyperLinkerProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    HyperLinker* link = LinkOf(handle);
    if (link == nullptr) return DefWindowProcA(handle, message, wParam, lParam);
    switch (message) {
        case WM_PAINT:
            Paint(handle, *link);
            return 0;
        case WM_MOUSEMOVE:
            TrackHover(
                handle, *link,
                POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
            return 0;
        case WM_LBUTTONDOWN:
            Press(handle, *link);
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrA(handle, GWLP_USERDATA, 0);
            delete link;
            break;
        default:
            break;
    }
    return DefWindowProcA(handle, message, wParam, lParam);
}

void RegisterHyperLinkerClass() {
    static const bool registered = [] {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        windowClass.lpfnWndProc = &HyperLinkerProcedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursorA(GetModuleHandleA(nullptr), "HAND");
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
        windowClass.lpszClassName = className;
        return RegisterClassExA(&windowClass) != 0;
    }();
    (void)registered;
}

// The link's state when `handle` is a live hyperlink; nullptr otherwise.
HyperLinker* LiveLink(HWND handle) {
    if (GetWindowLongPtrA(handle, GWLP_WNDPROC) !=
        reinterpret_cast<LONG_PTR>(&HyperLinkerProcedure)) {
        return nullptr;
    }
    return LinkOf(handle);
}

}  // namespace

HWND CreateHyperLinker(HWND parent, int controlId, const ComponentRecord& record, DWORD style) {
    RegisterHyperLinkerClass();
    const auto& stored = std::get<HyperLinkerProperties>(record.properties);
    const Text caption(stored.caption);
    const HWND handle = CreateWindowExA(0, className, caption.c_str(), style, record.left,
                                        record.top, record.width, record.height, parent,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                                        GetModuleHandleA(nullptr), nullptr);
    if (handle == nullptr) return nullptr;
    auto link = std::make_unique<HyperLinker>();
    link->linkType = std::clamp(static_cast<std::int32_t>(stored.linkType), 0, 1);
    link->eMailAddress = Text(stored.eMailAddress);
    link->webAddress = Text(stored.webAddress);
    link->normalColour = stored.normalColour;
    link->visitedColour = stored.visitedColour;
    link->hoverColour = stored.hoverColour;
    link->background = stored.background;
    link->border = std::clamp(stored.border, 0, 5);
    SetWindowLongPtrA(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(link.release()));
    ApplyBorder(handle, LinkOf(handle)->border);
    return handle;
}

}  // namespace gamereg

namespace gamereg {

void SetLinkCaption(HWND handle, const Text& caption) {
    if (LiveLink(handle) == nullptr) return;
    SetWindowTextA(handle, caption.c_str());
    Redraw(handle);
}

void SetLinkType(HWND handle, std::int32_t linkType) {
    if (HyperLinker* link = LiveLink(handle)) {
        link->linkType = std::clamp(linkType, 0, 1);
        Redraw(handle);
    }
}

void SetLinkEMailAddress(HWND handle, const Text& address) {
    if (HyperLinker* link = LiveLink(handle)) {
        link->eMailAddress = address;
        if (GetWindowTextLengthA(handle) == 0) Redraw(handle);
    }
}

void SetLinkWebAddress(HWND handle, const Text& address) {
    if (HyperLinker* link = LiveLink(handle)) {
        link->webAddress = address;
        if (GetWindowTextLengthA(handle) == 0) Redraw(handle);
    }
}

void SetLinkColour(HWND handle, LinkColour which, Colour colour) {
    HyperLinker* link = LiveLink(handle);
    if (link == nullptr) return;
    switch (which) {
        case LinkColour::Normal:
            link->normalColour = colour;
            break;
        case LinkColour::Visited:
            link->visitedColour = colour;
            break;
        case LinkColour::Hover:
            link->hoverColour = colour;
            break;
        case LinkColour::Background:
            link->background = colour;
            break;
    }
    Redraw(handle);
}

void SetLinkFont(HWND handle, const Bytes& font) {
    if (HyperLinker* link = LiveLink(handle)) {
        link->font = font;
        Redraw(handle);
    }
}

void SetLinkBorder(HWND handle, std::int32_t border) {
    if (HyperLinker* link = LiveLink(handle)) {
        link->border = std::clamp(border, 0, 5);
        ApplyBorder(handle, link->border);
    }
}

}  // namespace gamereg
