#include <windows.h>

#include "program_under_test.h"
#include "unix_command.h"

namespace gamereg::e2e {

bool StartHostCommand(const std::string& commandLine) {
    // A command line whose program is a host path starts a host process.
    std::string line = "/bin/sh -c \"" + commandLine + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

bool PressKeys(const std::string& keys) { return StartHostCommand("xdotool key " + keys); }

bool TakeScreenshot(const std::string& fileName) {
    const std::string path = BuildFolderOnHost() + "/" + fileName;
    const std::string windowsPath = "Z:" + path;
    DeleteFileA(windowsPath.c_str());
    // Written under another name first, so that the file appears whole.
    if (!StartHostCommand("import -window root " + path + ".part.png && mv " + path + ".part.png " +
                          path)) {
        return false;
    }
    return WaitFor(
        [&] { return GetFileAttributesA(windowsPath.c_str()) != INVALID_FILE_ATTRIBUTES; });
}

}  // namespace gamereg::e2e
