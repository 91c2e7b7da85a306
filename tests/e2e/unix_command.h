#pragma once
// Runs programs of the machine that hosts Wine: xdotool for real input
// through the X server, ImageMagick's import for screenshots. Wine gives no
// exit code for such a process, so callers wait for the effect instead.

#include <string>

namespace gamereg::e2e {

// Starts the shell command line on the host; true when it was started.
bool StartHostCommand(const std::string& commandLine);

// Presses keys through the X server as a player would, e.g. "Tab", "shift+Tab".
bool PressKeys(const std::string& keys);

// Saves the whole screen as a PNG in the build folder; true once the file is there.
bool TakeScreenshot(const std::string& fileName);

}  // namespace gamereg::e2e
