#include "workflow/handlers.h"

namespace gamereg {

// The tool's work comes here; for now the window opens and closes with nothing done.
void HandleCreated() {}

void HandleImport() {}

void HandleUninstall() {}

void HandleDestroying() {}

}  // namespace gamereg
