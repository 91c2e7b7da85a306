#pragma once
// A GameReg process started by a test, and what the test reads from and does
// to its windows from outside.

#include <windows.h>

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace gamereg::e2e {

using namespace std::chrono_literals;
constexpr auto deadline = 20s;

// The programs under test, as Windows sees them.
std::string ProductPath();
std::string ProbePath();
// The build folder, as the host sees it.
std::string BuildFolderOnHost();

// Waits for the condition with a deadline, never for a fixed time.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit = deadline);

// The text and class of a window, as bytes in the ANSI code page.
std::string TextOf(HWND window);
std::string ClassOf(HWND window);

class ProgramUnderTest {
public:
    // Starts the program with these variables added to the test's environment.
    ProgramUnderTest(const std::string& path, const std::map<std::string, std::string>& variables);
    ~ProgramUnderTest();  // ends the process if it still runs
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    // The process's top-level windows of a class, visible or not.
    std::vector<HWND> TopLevelWindows(const std::string& className) const;
    // The main window once it exists; nullptr at the deadline.
    HWND WaitForMainWindow(bool visible) const;
    // The message box once it is up; nullptr at the deadline.
    HWND WaitForMessageBox() const;
    // The control that has the keyboard focus in the process's UI thread.
    HWND Focus() const;
    // The exit code once the process has ended; none at the deadline.
    std::optional<DWORD> WaitForExit() const;
    // Lines the probe recorded so far.
    std::vector<std::string> Log() const;

private:
    PROCESS_INFORMATION process_{};
    std::string logPath_;
};

// Sends a message and waits until the program has handled it.
LRESULT SendAndWait(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// The window's direct children, top of the stacking order first.
std::vector<HWND> ChildrenOf(HWND window);

}  // namespace gamereg::e2e
