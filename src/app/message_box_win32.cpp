#include <windows.h>

#include "app/message_box.h"

namespace gamereg {

std::int32_t ShowMessage(const Text& message, std::int32_t buttonCode,
                         const std::optional<Text>& caption) {
    // Task-modal without an owner: every top-level window of the thread is
    // disabled while the box is up, the hidden main window included.
    const UINT style = (buttonCode & MB_SYSTEMMODAL) != 0
                           ? static_cast<UINT>(buttonCode)
                           : static_cast<UINT>(buttonCode) | MB_TASKMODAL;
    const int result =
        MessageBoxA(nullptr, message.c_str(), caption ? caption->c_str() : "信息：", style);
    switch (result) {
        case IDCANCEL:
            return 1;
        case IDABORT:
            return 2;
        case IDRETRY:
            return 3;
        case IDIGNORE:
            return 4;
        case IDYES:
            return 5;
        case IDNO:
            return 6;
        default:
            return 0;
    }
}

}  // namespace gamereg
