#include "app/event_dispatch.h"

#include "app/application_win32.h"
#include "services/fatal_error.h"

namespace gamereg {

bool RaiseEvent(WindowId window, ComponentId component, std::int32_t eventNumber) {
    if (App().eventSuppression >= 1) return false;
    const LoadedWindow* loaded = FindWindowTemplate(window);
    if (loaded == nullptr) ReportFatalError("未找到引发事件的窗口", 0);
    if (component < 0 || static_cast<std::size_t>(component) >= loaded->records.size()) {
        ReportFatalError("未找到引发事件的窗口组件", 0);
    }
    const ComponentRecord& record = loaded->records[static_cast<std::size_t>(component)];
    // A hyperlink acts by itself and raises nothing.
    if (KindOf(record) == ComponentKind::HyperLinker) {
        ReportFatalError("引发事件的窗口组件无效", 0);
    }
    for (const EventBinding& binding : record.events) {
        if (binding.event == eventNumber && binding.handler != nullptr) {
            binding.handler();
            return true;
        }
    }
    return false;
}

}  // namespace gamereg
