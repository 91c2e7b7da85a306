#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "command_line.h"

namespace gamereg {

namespace {

std::string Utf8OfWide(const wchar_t* wide) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1) return std::string();
    std::string utf8(static_cast<std::size_t>(length - 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

}  // namespace

// The narrow argv is in the ANSI code page; the wide command line holds every character.
std::vector<std::string> Utf8Arguments(int, char**) {
    // get writes raw bytes: no CR may be added before a LF.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; wide && i < count; ++i) args.push_back(Utf8OfWide(wide[i]));
    LocalFree(wide);
    return args;
}

}  // namespace gamereg
