// Stands in for a browser: appends its command line, as a line, to the file
// that GAMEREG_RECORDER_LOG names, and ends. A GUI program without a window:
// a console would take the activation from the window under test.

#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("GAMEREG_RECORDER_LOG", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return 1;
    const HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    // One write, so that two recorders running at once never mix their lines.
    const std::string line = std::string(GetCommandLineA()) + "\n";
    DWORD written = 0;
    const bool whole =
        WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr) != 0 &&
        written == line.size();
    CloseHandle(file);
    return whole ? 0 : 1;
}
