#include <windows.h>

#include "child_process.h"

namespace gamereg::test {

ChildProcess::~ChildProcess() { Wait(); }

bool ChildProcess::Start(const Text& program, const std::vector<Text>& arguments) {
    Text commandLine = "\"" + program + "\"";
    for (const Text& argument : arguments) commandLine += " \"" + argument + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &started)) {
        return false;
    }
    CloseHandle(started.hThread);
    process_ = reinterpret_cast<std::intptr_t>(started.hProcess);
    return true;
}

int ChildProcess::Wait() {
    if (process_ == -1) return -1000;
    HANDLE process = reinterpret_cast<HANDLE>(process_);
    WaitForSingleObject(process, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    CloseHandle(process);
    process_ = -1;
    return static_cast<int>(code);
}

}  // namespace gamereg::test
