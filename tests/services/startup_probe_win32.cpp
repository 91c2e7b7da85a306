// A child that records how it was started: the STARTUPINFO flags and window
// state, then its command line, one per line, into the file named by its
// first argument. A second argument delays the record by that many
// milliseconds. The record appears at once, whole (written aside, then renamed).

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2) {
        return 2;
    }
    if (argc > 2) {
        Sleep(static_cast<DWORD>(std::atoi(argv[2])));
    }
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    GetStartupInfoA(&startup);
    const std::string aside = std::string(argv[1]) + ".part";
    std::FILE* record = std::fopen(aside.c_str(), "wb");
    if (record == nullptr) {
        return 1;
    }
    std::fprintf(record, "%lu %u\n%s\n", startup.dwFlags, startup.wShowWindow, GetCommandLineA());
    if (std::fclose(record) != 0 ||
        !MoveFileExA(aside.c_str(), argv[1], MOVEFILE_REPLACE_EXISTING)) {
        return 1;
    }
    // Exits with an error code on purpose: callers must not care.
    return 7;
}
