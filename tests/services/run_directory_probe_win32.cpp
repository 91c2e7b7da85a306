// Fixes the run directory as the program does at start and records it and
// the current directory, one per line, into the file named by its argument.

#include <windows.h>

#include <cstdio>

#include "services/run_directory.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    gamereg::FixRunDirectory();
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    std::FILE* record = std::fopen(argv[1], "wb");
    if (record == nullptr) {
        return 1;
    }
    std::fprintf(record, "%s\n%s\n", gamereg::RunDirectory().c_str(), current);
    return std::fclose(record) == 0 ? 0 : 1;
}
