#include "program_under_test.h"

#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

namespace gamereg::e2e {

namespace {

std::string WindowsPath(std::string path) {
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return "Z:" + path;
}

// The test's own environment with the variables added (or replaced).
std::wstring EnvironmentBlock(const std::map<std::string, std::string>& variables) {
    std::map<std::string, std::string> all;
    char* strings = GetEnvironmentStringsA();
    for (const char* entry = strings; *entry != '\0'; entry += std::strlen(entry) + 1) {
        const std::string text(entry);
        const auto equals = text.find('=', 1);
        if (equals != std::string::npos) all[text.substr(0, equals)] = text.substr(equals + 1);
    }
    FreeEnvironmentStringsA(strings);
    for (const auto& [name, value] : variables) all[name] = value;
    std::string block;
    for (const auto& [name, value] : all) block += name + "=" + value + '\0';
    block += '\0';
    // Handed over in UTF-16, the form Wine keeps environments in.
    std::wstring wide(block.size(), L'\0');
    const int length = MultiByteToWideChar(936, 0, block.data(), static_cast<int>(block.size()),
                                           wide.data(), static_cast<int>(wide.size()));
    wide.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    return wide;
}

struct Search {
    DWORD processId;
    std::string className;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == search->processId && ClassOf(window) == search->className) {
        search->found.push_back(window);
    }
    return TRUE;
}

}  // namespace

std::string ProductPath() { return WindowsPath(GAMEREG_PRODUCT); }
std::string ProbePath() { return WindowsPath(GAMEREG_PROBE); }
std::string BuildFolderOnHost() { return GAMEREG_BUILD_FOLDER; }

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

std::string TextOf(HWND window) {
    // Asked in UTF-16 and turned into code page 936 here: Wine cuts the ANSI
    // text of another process's window at its length in characters.
    wchar_t text[4096] = {};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text), SMTO_BLOCK,
                             5000, &length) ||
        length == 0) {
        return {};
    }
    char bytes[8192] = {};
    const int size = WideCharToMultiByte(936, 0, text, static_cast<int>(length), bytes,
                                         sizeof bytes, nullptr, nullptr);
    return std::string(bytes, static_cast<std::size_t>(size > 0 ? size : 0));
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

ProgramUnderTest::ProgramUnderTest(const std::string& path,
                                   const std::map<std::string, std::string>& variables) {
    static int runs = 0;
    // A full path: the probe makes its own folder its current directory.
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    std::ostringstream log;
    log << folder << "\\probe-" << GetCurrentProcessId() << "-" << ++runs << ".log";
    logPath_ = log.str();
    DeleteFileA(logPath_.c_str());
    auto withLog = variables;
    withLog["GAMEREG_PROBE_LOG"] = logPath_;
    std::wstring environment = EnvironmentBlock(withLog);
    std::string commandLine = "\"" + path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                        CREATE_UNICODE_ENVIRONMENT, environment.data(), nullptr, &startup,
                        &process_)) {
        process_ = {};
    }
}

ProgramUnderTest::~ProgramUnderTest() {
    if (process_.hProcess == nullptr) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 10000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
    DeleteFileA(logPath_.c_str());
}

std::vector<HWND> ProgramUnderTest::TopLevelWindows(const std::string& className) const {
    Search search{process_.dwProcessId, className, {}};
    EnumWindows(&Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ProgramUnderTest::WaitForMainWindow(bool visible) const {
    HWND found = nullptr;
    WaitFor([&] {
        for (HWND window : TopLevelWindows("GameRegMainWindow")) {
            if (!visible || IsWindowVisible(window)) found = window;
        }
        return found != nullptr;
    });
    // Let the program finish what it was doing with the window.
    if (found != nullptr) SendAndWait(found, WM_NULL);
    return found;
}

HWND ProgramUnderTest::WaitForMessageBox() const {
    HWND found = nullptr;
    WaitFor([&] {
        for (HWND window : TopLevelWindows("#32770")) {
            if (IsWindowVisible(window)) found = window;
        }
        return found != nullptr;
    });
    if (found != nullptr) SendAndWait(found, WM_NULL);
    return found;
}

HWND ProgramUnderTest::Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(process_.dwThreadId, &info);
    return info.hwndFocus;
}

std::optional<DWORD> ProgramUnderTest::WaitForExit() const {
    if (process_.hProcess == nullptr) return std::nullopt;
    if (WaitForSingleObject(process_.hProcess, 20000) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

std::vector<std::string> ProgramUnderTest::Log() const {
    std::vector<std::string> lines;
    std::ifstream file(logPath_, std::ios::binary);
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
}

LRESULT SendAndWait(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, 10000, &result);
    return static_cast<LRESULT>(result);
}

std::vector<HWND> ChildrenOf(HWND window) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

}  // namespace gamereg::e2e
