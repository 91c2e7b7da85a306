#pragma once
// Whether a registry value exists: how the handlers judge an import or an
// uninstall.

#include <cstdint>

#include "services/text.h"

namespace gamereg {

// Roots: 1 HKEY_CLASSES_ROOT, 2 HKEY_CURRENT_CONFIG, 3 HKEY_CURRENT_USER,
// 4 HKEY_LOCAL_MACHINE, 5 HKEY_USERS, any other HKEY_CURRENT_USER.
// `itemPath` is the key path, "\" and the value name, split at its last "\"
// (never at the 0x5C that ends a double-byte character): a trailing "\"
// names the key's default value, no "\" a value of the root key itself.
// True when the key can be read and holds that value, of any type and size.
// The key is read in the process's own view of the registry.
bool RegistryItemExists(std::int32_t root, const Text& itemPath);

}  // namespace gamereg
