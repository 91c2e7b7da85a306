// Times programs from CreateProcessA to their first visible top-level window,
// each started in its own folder, taking turns so that every program meets
// the same machine, then closes each window and waits for its program.
//   startup_benchmark [--runs N] PROGRAM...
// Prints one line per program: "startup<TAB>name<TAB>median<TAB>min<TAB>max"
// in milliseconds. Exits with 1 when a program shows no window within 20 s.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace gamereg {
namespace {

constexpr DWORD kWindowDeadlineMs = 20000;
constexpr DWORD kExitDeadlineMs = 10000;

struct Program {
    std::string path;
    std::string folder;
    std::string name;
    std::vector<double> milliseconds;
};

struct WindowSearch {
    DWORD processId = 0;
    HWND found = nullptr;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

double Elapsed(const LARGE_INTEGER& from, const LARGE_INTEGER& to, const LARGE_INTEGER& rate) {
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(rate.QuadPart);
}

// One start of `program`: the time to its visible window, or a negative
// value when none came.
double TimeOneStart(const Program& program) {
    LARGE_INTEGER rate, start, now;
    QueryPerformanceFrequency(&rate);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + program.path + "\"";
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(program.path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, program.folder.c_str(), &startup, &process)) {
        std::fprintf(stderr, "startup_benchmark: cannot start %s (error %lu)\n",
                     program.path.c_str(), GetLastError());
        return -1;
    }
    WindowSearch search{process.dwProcessId, nullptr};
    double milliseconds = -1;
    const DWORD begun = GetTickCount();
    while (GetTickCount() - begun < kWindowDeadlineMs) {
        EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            QueryPerformanceCounter(&now);
            milliseconds = Elapsed(start, now, rate);
            break;
        }
        // The program has ended without a window (a message box was closed?).
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) break;
    }
    if (search.found != nullptr) PostMessageA(search.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, kExitDeadlineMs) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, kExitDeadlineMs);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (milliseconds < 0) {
        std::fprintf(stderr, "startup_benchmark: %s showed no window\n", program.path.c_str());
    }
    return milliseconds;
}

Program ProgramAt(const std::string& path) {
    char full[MAX_PATH];
    char* name = nullptr;
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, &name);
    Program program;
    program.path = length > 0 && length < MAX_PATH ? full : path;
    const std::size_t cut = program.path.find_last_of("\\/");
    program.folder = cut == std::string::npos ? "." : program.path.substr(0, cut);
    program.name = cut == std::string::npos ? program.path : program.path.substr(cut + 1);
    return program;
}

int Run(int argc, char** argv) {
    int runs = 10;
    std::vector<Program> programs;
    for (int k = 1; k < argc; ++k) {
        const std::string argument = argv[k];
        if (argument == "--runs" && k + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++k]));
        } else {
            programs.push_back(ProgramAt(argument));
        }
    }
    if (programs.empty()) {
        std::fprintf(stderr, "usage: startup_benchmark [--runs N] PROGRAM...\n");
        return 2;
    }
    // One start each first, not counted: the files come into the cache.
    for (const Program& program : programs) {
        if (TimeOneStart(program) < 0) return 1;
    }
    for (int run = 0; run < runs; ++run) {
        for (Program& program : programs) {
            const double milliseconds = TimeOneStart(program);
            if (milliseconds < 0) return 1;
            program.milliseconds.push_back(milliseconds);
        }
    }
    for (Program& program : programs) {
        std::vector<double>& times = program.milliseconds;
        std::sort(times.begin(), times.end());
        const std::size_t middle = times.size() / 2;
        const double median =
            times.size() % 2 == 1 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
        std::printf("startup\t%s\t%.2f\t%.2f\t%.2f\n", program.name.c_str(), median, times.front(),
                    times.back());
    }
    return 0;
}

}  // namespace
}  // namespace gamereg

int main(int argc, char** argv) { return gamereg::Run(argc, argv); }
