// The import button: the script of 编辑框1 into the registry, and on success
// the desktop shortcut to the game.

#include "app/control_text.h"
#include "app/message_box.h"
#include "database/database_access.h"
#include "services/field_value.h"
#include "services/folder_paths.h"
#include "services/run_directory.h"
#include "services/shortcut.h"
#include "workflow/handlers.h"
#include "workflow/registry_script_run.h"
#include "workflow/tool_fields.h"

namespace gamereg {

namespace {
constexpr std::int32_t kDesktop = 3;
}  // namespace

void HandleImport() {
    if (!RunRegistryScript(kImportFiles, ToBytes(GetControlText(kMainWindow, 编辑框1)))) {
        ShowMessage("导入注册表失败！");
        return;
    }
    ShowMessage("导入注册表成功！");
    CreateShortcut(
        ConcatText({SpecialFolderPath(kDesktop), ToText(ReadField(ToolField::kGameName))}),
        ConcatText({RunDirectory(), "\\", ToText(ReadField(ToolField::kMarkerFile))}));
    kImportFiles.Remove();
}

}  // namespace gamereg
