// The start: the data files, the database, the tool's place in the game
// folder, the caption, and the import script with the folder filled in.

#include "app/control_text.h"
#include "app/message_box.h"
#include "app/program.h"
#include "database/database_access.h"
#include "services/field_value.h"
#include "services/files.h"
#include "services/run_directory.h"
#include "workflow/handlers.h"
#include "workflow/tool_fields.h"

namespace gamereg {

namespace {

[[noreturn]] void EndWithMessage(const Text& message) {
    ShowMessage(message);
    EndProgram(0);
}

Text FieldText(const char* name) { return ToText(ReadField(name)); }

}  // namespace

void HandleCreated() {
    const Text runDirectory = RunDirectory();
    if (!PathExists(ConcatText({runDirectory, "/registry.edb"}))) {
        EndWithMessage("游戏工具箱文件不完整,缺少registry.edb数据库文件！");
    }
    if (!PathExists(ConcatText({runDirectory, "/registry.EDT"}))) {
        EndWithMessage("游戏工具箱文件不完整,缺少registry.EDT数据库文件！");
    }
    if (!OpenDatabase(ConcatText({runDirectory, "\\registry.edb"}), kDatabasePassword)) {
        EndWithMessage("打开数据库失败！");
    }
    if (!PathExists(ConcatText({runDirectory, "/", FieldText(ToolField::kMarkerFile)}))) {
        EndWithMessage(ConcatText(
            {"请将本注册表工具放置到【", FieldText(ToolField::kGameName), "】游戏目录下！"}));
    }
    SetControlText(kMainWindow, MainWindow, FieldText(ToolField::kToolName));
    SetControlText(kMainWindow, 编辑框1, FieldText(ToolField::kImportScript));
    SetControlText(kMainWindow, 编辑框1,
                   WithGameFolder(GetControlText(kMainWindow, 编辑框1), runDirectory));
}

}  // namespace gamereg
