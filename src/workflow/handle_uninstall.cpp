// The uninstall button: the database's removal script into the registry.

#include "app/message_box.h"
#include "database/database_access.h"
#include "services/field_value.h"
#include "workflow/handlers.h"
#include "workflow/registry_script_run.h"
#include "workflow/tool_fields.h"

namespace gamereg {

void HandleUninstall() {
    if (RunRegistryScript(kUninstallFiles, ToBytes(ReadField(ToolField::kUninstallScript)))) {
        ShowMessage("卸载注册表失败！");
        return;
    }
    ShowMessage("卸载注册表成功！");
    kUninstallFiles.Remove();
}

}  // namespace gamereg
