#pragma once
// The four handlers of the tool's own work, bound to the main window's events
// by the form description: start-up checks, import, uninstall, clean-up.

namespace gamereg {

// The main window's created event: runs once while the window is still hidden.
void HandleCreated();

// The click on 按钮1 "导入注册表".
void HandleImport();

// The click on 按钮2 "卸载注册表".
void HandleUninstall();

// The main window's will-be-destroyed event: the controls still exist.
void HandleDestroying();

}  // namespace gamereg
