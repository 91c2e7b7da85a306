#include <windows.h>

#include "app/application_win32.h"
#include "app/control_text.h"
#include "app/window_parts_win32.h"
#include "services/fatal_error.h"

namespace gamereg {

namespace {

// The live component a text access names; the fatal errors when there is none.
LiveComponent& Accessed(WindowId window, ComponentId component) {
    LoadedWindow* loaded = FindWindowTemplate(window);
    if (loaded == nullptr || component < 0 ||
        static_cast<std::size_t>(component) >= loaded->records.size()) {
        ReportFatalError("未载入欲访问窗口组件所在的窗口", 0);
    }
    LiveComponent& live = loaded->components[static_cast<std::size_t>(component)];
    if (!loaded->Exists() || !IsWindow(loaded->Handle()) || live.handle == nullptr) {
        ReportFatalError("指定窗口尚未载入", 0);
    }
    return live;
}

ComponentKind KindAt(WindowId window, ComponentId component) {
    return KindOf(FindWindowTemplate(window)->records[static_cast<std::size_t>(component)]);
}

}  // namespace

Text GetControlText(WindowId window, ComponentId component) {
    LiveComponent& live = Accessed(window, component);
    // A window's caption is the one last set; every other kind's text is read
    // from its control, so that what the user typed counts.
    if (KindAt(window, component) == ComponentKind::Window) return live.text;
    const int length = GetWindowTextLengthA(live.handle);
    if (length <= 0) return {};
    Text text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(live.handle, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

void SetControlText(WindowId window, ComponentId component, const Text& text) {
    LiveComponent& live = Accessed(window, component);
    const HWND handle = live.handle;
    switch (KindAt(window, component)) {
        case ComponentKind::Window:
            live.text = text;
            SetWindowTextA(handle, text.c_str());
            UpdateCaptionBar(*FindWindowTemplate(window));
            break;
        case ComponentKind::EditBox:
            live.text = text;
            // The box's own notification is held back; the one sent after it
            // raises the content-changed event exactly once per write.
            live.changeHeldBack = true;
            SetWindowTextA(handle, text.c_str());
            live.changeHeldBack = false;
            SendMessageA(handle, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(handle), EN_CHANGE),
                         reinterpret_cast<LPARAM>(handle));
            break;
        default:
            SetWindowTextA(handle, text.c_str());
            break;
    }
}

}  // namespace gamereg
