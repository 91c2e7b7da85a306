// The demo game: what the desktop shortcut opens. It only says it is there.

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    MessageBoxA(nullptr, "演示游戏正在运行。", "演示游戏", MB_OK | MB_ICONINFORMATION);
    return 0;
}
