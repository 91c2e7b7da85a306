#pragma once
// The desktop shortcut to the game: a shell link file written through the
// shell's link object. COM must already be initialised on the calling thread
// (the program does it once at start).

#include <optional>

#include "services/text.h"

namespace gamereg {

// Writes a shell link at `linkPath` that points to `targetPath`, shown
// normally (SW_SHOW). ".lnk" is appended unless the path holds a "." anywhere,
// folders included. The description, arguments and working directory are set
// only when given. True when the file was saved; false, with nothing written,
// when the file name would be longer than a Windows path (MAX_PATH - 1 bytes).
bool CreateShortcut(const Text& linkPath, const Text& targetPath,
                    const std::optional<Text>& description = std::nullopt,
                    const std::optional<Text>& arguments = std::nullopt,
                    const std::optional<Text>& workingDirectory = std::nullopt);

}  // namespace gamereg
