#include "services/registry_item.h"

#include <windows.h>

#include "services/path_separator.h"

namespace gamereg {

namespace {

HKEY RootKey(std::int32_t root) {
    switch (root) {
        case 1:
            return HKEY_CLASSES_ROOT;
        case 2:
            return HKEY_CURRENT_CONFIG;
        case 4:
            return HKEY_LOCAL_MACHINE;
        case 5:
            return HKEY_USERS;
        default:
            return HKEY_CURRENT_USER;
    }
}

}  // namespace

bool RegistryItemExists(std::int32_t root, const Text& itemPath) {
    const std::size_t split = LastSeparator(itemPath);
    const Text keyPath = split == Text::npos ? Text() : itemPath.substr(0, split);
    const Text valueName = split == Text::npos ? itemPath : itemPath.substr(split + 1);

    // KEY_READ alone: no WOW64 flag, so the 32-bit program reads its own view.
    HKEY key = nullptr;
    if (RegOpenKeyExA(RootKey(root), keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    DWORD type = 0;
    DWORD size = 0;
    const bool found =
        RegQueryValueExA(key, valueName.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
    RegCloseKey(key);
    return found;
}

}  // namespace gamereg
