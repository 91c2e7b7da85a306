#pragma once
// Changing a live hyperlink. Each change redraws the control as far as it
// shows; nothing of the form data changes.

#include <windows.h>

#include <cstdint>

#include "app/component_record.h"
#include "services/text.h"

namespace gamereg {

enum class LinkColour { Normal, Visited, Hover, Background };

// The caption becomes the window text.
void SetLinkCaption(HWND link, const Text& caption);
// Clamped to 0 (e-mail address) or 1 (web address).
void SetLinkType(HWND link, std::int32_t linkType);
void SetLinkEMailAddress(HWND link, const Text& address);
void SetLinkWebAddress(HWND link, const Text& address);
void SetLinkColour(HWND link, LinkColour which, Colour colour);
// A 60-byte LOGFONTA; any other length stands for DEFAULT_GUI_FONT.
void SetLinkFont(HWND link, const Bytes& font);
// Clamped to 0 to 5: none, sunken, raised, thin sunken, framed, single line.
void SetLinkBorder(HWND link, std::int32_t border);

}  // namespace gamereg
