#pragma once
// What the tool expects of its database, shared by GameReg.exe and the
// publisher's gamereg-db: the fields of the first record it reads, its
// password, and the import script's placeholder for the game folder.

#include "services/text.h"

namespace gamereg::ToolField {
inline constexpr const char* kMarkerFile = "游戏文件检测";
inline constexpr const char* kGameName = "游戏名称";
inline constexpr const char* kToolName = "注册表工具名称";
inline constexpr const char* kImportScript = "注册表代码";
inline constexpr const char* kUninstallScript = "注册表卸载";
inline constexpr const char* kCheckItem = "注册表存在检测";
}  // namespace gamereg::ToolField

namespace gamereg {

// The tool's own password for its database.
inline constexpr const char* kDatabasePassword = "391526043";

// The placeholder of the import script where the game folder belongs.
inline constexpr const char* kGameFolderPlaceholder = "游戏路径";

// The import script with every placeholder replaced by the folder, its
// backslashes doubled as the registry editor reads them in a quoted value.
Text WithGameFolder(const Text& script, const Text& gameFolder);

}  // namespace gamereg
