#pragma once
// What the handlers share: the names of the fields the tool reads from the
// first record, the database's password, the script's placeholder, and the
// window the handlers address.

#include "app/form_description.h"

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
// The form's one window, MainWindow.
inline constexpr WindowId kMainWindow = 0;
}  // namespace gamereg
