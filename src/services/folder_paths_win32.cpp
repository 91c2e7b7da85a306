#include "services/folder_paths.h"

#include "services/path_separator.h"

#include <shlobj.h>
#include <windows.h>

namespace gamereg {

namespace {

// The folder's path as Windows reports it, or none. Every call gets a
// MAX_PATH buffer; a length that does not fit it means the buffer was left
// unfilled, so it counts as failure.
Text AskWindows(std::int32_t folder) {
    // The shell's folders 1 to 8, by number.
    static constexpr int kShellFolders[] = {CSIDL_PERSONAL, CSIDL_FAVORITES, CSIDL_DESKTOPDIRECTORY,
                                            CSIDL_FONTS,    CSIDL_STARTMENU, CSIDL_PROGRAMS,
                                            CSIDL_STARTUP,  CSIDL_APPDATA};
    char path[MAX_PATH] = {};
    UINT length = 0;
    if (folder >= 1 && folder <= 8) {
        if (!SHGetSpecialFolderPathA(nullptr, path, kShellFolders[folder - 1], FALSE)) {
            return {};
        }
        length = static_cast<UINT>(strnlen(path, MAX_PATH));
    } else if (folder == 9) {
        length = GetWindowsDirectoryA(path, MAX_PATH);
    } else if (folder == 10) {
        length = GetSystemDirectoryA(path, MAX_PATH);
    } else if (folder == 11) {
        length = GetTempPathA(MAX_PATH, path);
    } else {
        return {};
    }
    if (length == 0 || length >= MAX_PATH) {
        return {};
    }
    return Text(path, length);
}

}  // namespace

Text SpecialFolderPath(std::int32_t folder) {
    // Held in a Text, so even a folder of MAX_PATH - 1 bytes gets its "\".
    // A folder whose name ends in a character like "\x81\x5c" ends in the
    // byte 0x5C without ending in a separator, and still gets one.
    Text path = AskWindows(folder);
    if (!path.empty() && !EndsWithSeparator(path)) {
        path += '\\';
    }
    return path;
}

}  // namespace gamereg
