// The hyperlink kind. For now its window holds the place, the identifier and
// the stacking of a hyperlink and paints only its background: drawing the
// link, hover tracking and opening the address come with the kind itself.

#include <windows.h>

#include "app/window_parts_win32.h"

namespace gamereg {

namespace {

constexpr char className[] = "GameRegHyperLinker";

LRESULT CALLBACK HyperLinkerProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        const ComponentAt at = FindComponent(handle);
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(handle, &paint);
        Colour background = ButtonFace;
        if (at) {
            const auto& record = at.window->records[static_cast<std::size_t>(at.component)];
            background = std::get<HyperLinkerProperties>(record.properties).background;
        }
        const HBRUSH brush = CreateSolidBrush(Resolve(background));
        FillRect(dc, &paint.rcPaint, brush);
        DeleteObject(brush);
        EndPaint(handle, &paint);
        return 0;
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

}  // namespace

HWND CreateHyperLinker(HWND parent, int controlId, const ComponentRecord& record, DWORD style) {
    RegisterHyperLinkerClass();
    const Text caption(std::get<HyperLinkerProperties>(record.properties).caption);
    return CreateWindowExA(0, className, caption.c_str(), style, record.left, record.top,
                           record.width, record.height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                           GetModuleHandleA(nullptr), nullptr);
}

}  // namespace gamereg
