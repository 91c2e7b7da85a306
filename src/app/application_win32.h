#pragma once
// The process's application state: one instance, made before anything else
// runs, that the start step, the loader, the event dispatch and the end share.

#include <windows.h>

#include <cstdint>
#include <span>
#include <vector>

#include "app/component_record.h"
#include "app/form_description.h"
#include "services/text.h"

namespace gamereg {

// A live component: its Win32 window and what the shell keeps beside it.
struct LiveComponent {
    HWND handle = nullptr;
    WNDPROC originalProcedure = nullptr;  // the standard control's own, for subclassed controls
    HBRUSH brush = nullptr;               // the background brush of a coloured control
    Text text;                            // a window's caption, an edit box's content
    bool changeHeldBack = false;          // an edit box's change notification is not raised
};

// A window of the form: its records (the window first) and, once loaded, its
// live components at the same indices.
struct LoadedWindow {
    std::span<const ComponentRecord> records{};
    std::vector<LiveComponent> components{};
    HWND lastFocus = nullptr;  // the control that had the focus when the window lost activation

    HWND Handle() const { return components.empty() ? nullptr : components[0].handle; }
    bool Exists() const { return Handle() != nullptr; }
};

struct Application {
    bool oleInitialised = false;
    HWND ownerWindow = nullptr;
    // While it is 1 or more no event reaches a handler.
    std::int32_t eventSuppression = 0;
    bool loopStarted = false;
    std::vector<LoadedWindow> windows;
    HICON bigIcon = nullptr;
    HICON smallIcon = nullptr;
};

Application& App();

// The loaded window with that identifier; nullptr when there is none.
LoadedWindow* FindWindowTemplate(WindowId window);

// The loaded window and component index that own a Win32 window.
struct ComponentAt {
    LoadedWindow* window = nullptr;
    ComponentId component = 0;
    explicit operator bool() const { return window != nullptr; }
};
ComponentAt FindComponent(HWND handle);

}  // namespace gamereg
