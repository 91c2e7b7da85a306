// repair: GameReg's own open, which writes its repairs to the files.

#include "cli.h"
#include "code_page.h"
#include "database/tool_database.h"
#include "invocation.h"
#include "repairs.h"

namespace gamereg {

int CommandRepair(const Invocation& run) {
    std::vector<std::string> repairs;
    Text fullPath;
    {
        ReadOnlyDatabase database;
        if (const auto failed = run.OpenInspected(database)) return *failed;
        repairs = DescribeRepairs(database);
        fullPath = database.FullPath();
    }
    if (repairs.empty()) {
        run.out << "nothing to repair\n";
        return ExitCode::kSuccess;
    }
    ToolDatabase database;
    if (const std::int32_t code =
            OpenToolDatabase(fullPath, run.Password(), OpenMode::Tool, database);
        code != 0) {
        return run.DatabaseFailure(code);
    }
    for (const std::string& repair : repairs) run.out << "repaired: " << repair << "\n";
    return ExitCode::kSuccess;
}

}  // namespace gamereg
