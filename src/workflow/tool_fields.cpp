#include "workflow/tool_fields.h"

namespace gamereg {

Text WithGameFolder(const Text& script, const Text& gameFolder) {
    const Text escapedFolder = ReplaceText(gameFolder, "\\", "\\\\", 1, std::nullopt, true);
    return ReplaceText(script, kGameFolderPlaceholder, escapedFolder, 1, std::nullopt, true);
}

}  // namespace gamereg
