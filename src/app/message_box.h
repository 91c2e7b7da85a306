#pragma once
// The ordinary modal message box through which the handlers report outcomes.

#include <cstdint>
#include <optional>

#include "services/text.h"

namespace gamereg {

// Shows the box with no owner window, modal to the whole thread, and returns
// the code of the button that closed it: 0 OK, 1 Cancel, 2 Abort, 3 Retry,
// 4 Ignore, 5 Yes, 6 No (0 for anything else). Without a caption the box is
// titled "信息：".
std::int32_t ShowMessage(const Text& message, std::int32_t buttonCode = 0,
                         const std::optional<Text>& caption = std::nullopt);

}  // namespace gamereg
