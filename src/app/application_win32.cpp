#include "app/application_win32.h"

namespace gamereg {

Application& App() {
    static Application application;
    return application;
}

LoadedWindow* FindWindowTemplate(WindowId window) {
    auto& windows = App().windows;
    if (window < 0 || static_cast<std::size_t>(window) >= windows.size()) return nullptr;
    return &windows[static_cast<std::size_t>(window)];
}

ComponentAt FindComponent(HWND handle) {
    if (handle == nullptr) return {};
    for (auto& window : App().windows) {
        for (std::size_t i = 0; i < window.components.size(); ++i) {
            if (window.components[i].handle == handle) {
                return {&window, static_cast<ComponentId>(i)};
            }
        }
    }
    return {};
}

}  // namespace gamereg
