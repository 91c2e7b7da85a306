#include "services/command_line.h"

#include <windows.h>

#include <algorithm>

namespace gamereg {

namespace {

// The window state of each show mode, 1 to 6.
constexpr WORD kWindowStates[] = {SW_HIDE,          SW_SHOWNORMAL,     SW_SHOWMINIMIZED,
                                  SW_SHOWMAXIMIZED, SW_SHOWNOACTIVATE, SW_MINIMIZE};

// The size programs of this kind have always handed over.
static_assert(sizeof(STARTUPINFOA) == 68);

}  // namespace

bool RunCommandLine(const Text& commandLine, bool wait, std::int32_t showMode) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = kWindowStates[std::clamp(showMode, 1, 6) - 1];

    // CreateProcess may write into the command line; the caller's stays as it was.
    Text writable = commandLine;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    if (wait) {
        WaitForSingleObject(process.hProcess, INFINITE);
    } else {
        WaitForInputIdle(process.hProcess, 1000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

}  // namespace gamereg
