// GameReg.exe's fatal error: the error box, then the end of the process with
// exit code -1. Nothing here allocates before the box is up.

#include <windows.h>

#include "app/application_win32.h"
#include "app/fatal_error_text.h"
#include "app/program.h"
#include "services/fatal_error.h"

namespace gamereg {

void ReportFatalError(std::string_view message, std::int32_t errorCode) {
    // For good: the box is application-modal only, so the windows still take
    // input, but nothing reaches a handler any more.
    ++App().eventSuppression;
    const FatalErrorText text(message, errorCode);
    MessageBoxA(nullptr, text.CStr(), "错误", MB_OK | MB_ICONHAND);
    EndProgram(-1);
}

}  // namespace gamereg
