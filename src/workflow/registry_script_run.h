#pragma once
// What import and uninstall share: a script and the batch file that feeds it
// to the registry editor, written into the temporary-files folder, run
// hidden and waited for, and the verdict of the registry item.

#include <string_view>

#include "services/text.h"

namespace gamereg {

// The two temporary files of one kind of run: "Gamereg" or "Gameuninstall".
struct ScriptFiles {
    std::string_view baseName;

    Text ScriptPath() const;  // the temporary-files folder, "/", the name and ".reg"
    Text BatchPath() const;   // the same with ".bat"
    void Remove() const;
};

inline constexpr ScriptFiles kImportFiles{"Gamereg"};
inline constexpr ScriptFiles kUninstallFiles{"Gameuninstall"};

// Writes `script` and its batch file, runs the batch file hidden and waits
// for it; answers whether the item of the field "注册表存在检测" is now under
// HKEY_LOCAL_MACHINE. The files are left for the caller.
bool RunRegistryScript(const ScriptFiles& files, const Bytes& script);

}  // namespace gamereg
