// The window goes away: the database is closed and no temporary file stays.

#include "database/database_access.h"
#include "workflow/handlers.h"
#include "workflow/registry_script_run.h"

namespace gamereg {

void HandleDestroying() {
    CloseDatabase();
    kImportFiles.Remove();
    kUninstallFiles.Remove();
}

}  // namespace gamereg
