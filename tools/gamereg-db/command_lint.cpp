// lint and preview: the game's scripts as GameReg will use them.

#include "cli.h"
#include "code_page.h"
#include "invocation.h"
#include "workflow/tool_fields.h"

namespace gamereg {

int CommandLint(const Invocation& run) {
    ReadOnlyDatabase database;
    if (const auto failed = run.OpenInspected(database)) return *failed;
    std::vector<LintFinding> findings;
    if (database.RecordCount() == 0) {
        findings.push_back({true, "the database holds no record: GameReg reads every field empty"});
    }
    const std::vector<LintFinding> fieldFindings = LintToolFields(ReadToolFields(database));
    findings.insert(findings.end(), fieldFindings.begin(), fieldFindings.end());
    bool anyError = false;
    for (const LintFinding& finding : findings) {
        run.out << (finding.error ? "error: " : "warning: ") << CodePage936ToUtf8(finding.message)
                << "\n";
        anyError = anyError || finding.error;
    }
    if (findings.empty()) run.out << "ok\n";
    return anyError ? ExitCode::kFailed : ExitCode::kSuccess;
}

int CommandPreview(const Invocation& run) {
    const std::optional<Text> gameFolder = Utf8ToCodePage936(run.Operand(1, "GAMEDIR"));
    if (!gameFolder) throw UsageError{"GAMEDIR has a character code page 936 cannot hold"};
    ReadOnlyDatabase database;
    if (const auto failed = run.OpenInspected(database)) return *failed;
    const std::optional<Text> script = ReadToolFields(database).importScript;
    if (!script) {
        run.err << "error: the database has no field "
                << CodePage936ToUtf8(ToolField::kImportScript) << "\n";
        return ExitCode::kFailed;
    }
    run.out << CodePage936ToUtf8(WithGameFolder(*script, *gameFolder));
    return ExitCode::kSuccess;
}

}  // namespace gamereg
