#include "workflow/registry_script_run.h"

#include "database/database_access.h"
#include "services/command_line.h"
#include "services/field_value.h"
#include "services/files.h"
#include "services/folder_paths.h"
#include "services/registry_item.h"
#include "workflow/tool_fields.h"

namespace gamereg {

namespace {

constexpr std::int32_t kTemporaryFiles = 11;
constexpr std::int32_t kLocalMachine = 4;
constexpr std::int32_t kHidden = 1;

Text TemporaryFolder() { return SpecialFolderPath(kTemporaryFiles); }

Text Quoted(std::string_view text) { return ConcatText({"\"", text, "\""}); }

}  // namespace

Text ScriptFiles::ScriptPath() const {
    return ConcatText({TemporaryFolder(), "/", baseName, ".reg"});
}

Text ScriptFiles::BatchPath() const {
    return ConcatText({TemporaryFolder(), "/", baseName, ".bat"});
}

void ScriptFiles::Remove() const {
    RemoveFile(ScriptPath());
    RemoveFile(BatchPath());
}

bool RunRegistryScript(const ScriptFiles& files, const Bytes& script) {
    WriteBytesToFile(files.ScriptPath(), {script});
    // The registry editor's switch stands apart from its name and the script's
    // path is quoted: Wine's command interpreter does not run "regedit.exe/s",
    // and a temporary folder with a blank (a user name with a space) would
    // otherwise hand the editor two file names.
    const Text scriptForEditor = ConcatText({TemporaryFolder(), files.baseName, ".reg"});
    const Text batch = ConcatText({"@echo off\r\nregedit.exe /s ", Quoted(scriptForEditor)});
    WriteBytesToFile(files.BatchPath(), {ToBytes(batch)});
    // Quoted, so that Windows never tries a shorter name at a blank of the
    // path (C:\Users\John.exe for C:\Users\John Smith\...) in this elevated program.
    RunCommandLine(Quoted(files.BatchPath()), true, kHidden);
    return RegistryItemExists(kLocalMachine, ToText(ReadField(ToolField::kCheckItem)));
}

}  // namespace gamereg
