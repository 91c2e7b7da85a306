#pragma once
// What the loader, the main window and the controls tell each other.

#include <windows.h>

#include <optional>

#include "app/application_win32.h"

namespace gamereg {

// A colour as Windows draws it: ButtonFace becomes the system colour now.
COLORREF Resolve(Colour colour);

// The main window of a window record, hidden; nullptr when it cannot be made.
HWND CreateFormWindow(LoadedWindow& window);

// The caption bar: WS_CAPTION, WS_SYSMENU and the two boxes as the window's
// border, control box, box properties and caption ask for them.
void UpdateCaptionBar(const LoadedWindow& window);

// A control of the window as a hidden child of it, with its Win32 identifier;
// nullptr when it cannot be made.
HWND CreateFormControl(LoadedWindow& window, ComponentId component, int controlId);

// The hyperlink kind's own window.
HWND CreateHyperLinker(HWND parent, int controlId, const ComponentRecord& record, DWORD style);

// A control's notification, wherever it arrived: the parent it went to hands
// it back here, and the control raises its event.
void ControlNotified(HWND control, UINT code);

// A control's answer to a WM_CTLCOLOR message its parent received for it:
// the brush of its background, none for the system colours.
std::optional<LRESULT> AnswerColour(HWND control, HDC dc);

// Keyboard handling of the window before the focused control sees a key;
// true when the key was used.
bool PreTranslateKey(LoadedWindow& window, const MSG& message);

// The window got the focus: hand it to the control that had it, or the first
// of the tab order.
void RestoreFocus(LoadedWindow& window);

}  // namespace gamereg
