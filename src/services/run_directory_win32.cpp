#include "services/run_directory.h"

#include <windows.h>

namespace gamereg {

namespace {

// Application state: the run directory, fixed at start.
Text& FixedRunDirectory() {
    static Text runDirectory;
    return runDirectory;
}

}  // namespace

Text DirectoryOf(std::string_view path) {
    std::size_t lastSeparator = std::string_view::npos;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (path[i] == '\\') {
            lastSeparator = i;
        } else if (IsDBCSLeadByte(static_cast<BYTE>(path[i]))) {
            ++i;
        }
    }
    return lastSeparator == std::string_view::npos ? Text() : Text(path.substr(0, lastSeparator));
}

void FixRunDirectory() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    // A path longer than the buffer arrives cut; the folder comes from the cut path.
    FixedRunDirectory() = DirectoryOf(std::string_view(path, length));
    SetCurrentDirectoryA(FixedRunDirectory().c_str());
}

Text RunDirectory() { return FixedRunDirectory(); }

}  // namespace gamereg
