#pragma once
// Opening a hyperlink's target: through the shell, or else with the command
// of the browser registered for ".htm" pages.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "services/text.h"

namespace gamereg {

// The longest browser command line that can be run, terminator excluded.
inline constexpr std::size_t MaximumBrowserCommand = 519;

// What a link opens: with link type 0 "mailto:" and the e-mail address, with
// any other type the web address; none when that address is empty.
Text LinkTargetOf(std::int32_t linkType, std::string_view eMailAddress,
                  std::string_view webAddress);

// The registered browser command with its placeholder cut off (at a quoted
// "%1", else at a bare one, else nothing cut), then " " and the target; none
// when the result would be longer than MaximumBrowserCommand.
std::optional<Text> BrowserCommandLine(std::string_view registered, std::string_view target);

// Opens the target with the show command; true when the shell or the browser
// command took it. None opens nothing.
bool OpenLinkTarget(const Text& target, int showCommand);

}  // namespace gamereg
