#pragma once
// Events of the form's components reach the handlers bound to them here.

#include <cstdint>

#include "app/form_description.h"

namespace gamereg {

// Calls the handler bound to the event, if any, and tells whether one ran.
// While events are suppressed nothing happens.
bool RaiseEvent(WindowId window, ComponentId component, std::int32_t eventNumber);

}  // namespace gamereg
