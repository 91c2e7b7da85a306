// The demo's eye on GameReg's window, for the demo script under Xvfb:
//   demo-window wait    waits until the main window is shown and painted,
//                       then prints its place on the screen: LEFT TOP WIDTH HEIGHT
//   demo-window close   closes it as the close box does
// Exit code 0 on success, 1 when no window came within half a minute.

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

namespace {

// Painted: neither the window nor any of its controls waits for WM_PAINT.
bool Painted(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE)) return false;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (!Painted(child)) return false;
    }
    return true;
}

HWND ShownWindow() {
    const HWND window = FindWindowA("GameRegMainWindow", nullptr);
    if (window == nullptr || !IsWindowVisible(window)) return nullptr;
    DWORD_PTR result = 0;
    // Answered only once the tool is back in its message loop.
    if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result)) return nullptr;
    return Painted(window) ? window : nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    const bool close = argc == 2 && std::strcmp(argv[1], "close") == 0;
    if (argc != 2 || (!close && std::strcmp(argv[1], "wait") != 0)) {
        std::fputs("usage: demo-window wait|close\n", stderr);
        return 2;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    HWND window = nullptr;
    while ((window = ShownWindow()) == nullptr) {
        if (std::chrono::steady_clock::now() > deadline) {
            std::fputs("demo-window: GameReg's window did not appear\n", stderr);
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (close) {
        PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    }
    RECT rect;
    GetWindowRect(window, &rect);
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
                rect.bottom - rect.top);
    return 0;
}
