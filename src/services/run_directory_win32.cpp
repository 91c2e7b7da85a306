#include "services/run_directory.h"

#include <windows.h>

#include "services/path_separator.h"

namespace gamereg {

namespace {

// Application state: the run directory, fixed at start.
Text& FixedRunDirectory() {
    static Text runDirectory;
    return runDirectory;
}

}  // namespace

Text DirectoryOf(std::string_view path) {
    const std::size_t last = LastSeparator(path);
    return last == std::string_view::npos ? Text() : Text(path.substr(0, last));
}

void FixRunDirectory() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    // A path longer than the buffer arrives cut (and, depending on the
    // Windows version, with or without its NUL); the folder comes from the
    // cut path.
    FixedRunDirectory() = DirectoryOf(std::string_view(path, strnlen(path, length)));
    if (!FixedRunDirectory().empty()) {
        // "C:" alone names the drive's current directory, not its root; with
        // the "\" the current directory is the run directory itself.
        SetCurrentDirectoryA(ConcatText({FixedRunDirectory(), "\\"}).c_str());
    }
}

Text RunDirectory() { return FixedRunDirectory(); }

}  // namespace gamereg
