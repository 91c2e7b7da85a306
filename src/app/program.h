#pragma once
// The life of the process: start step, loading a window, the message loop and
// the two ordinary ends (the last window closes, or EndProgram).

#include <cstdint>
#include <span>

#include "app/component_record.h"
#include "app/form_description.h"

namespace gamereg {

// Runs the program on the given form data: the start step, the first window,
// the message loop and the clean-up. Returns the exit code of the quit message.
int RunProgram(std::span<const ComponentRecord> formData);

// Creates a window of the form with its controls, hidden, and raises its
// load-time events; shows it afterwards if it still exists. True on success.
bool LoadWindow(WindowId window);

// Returns when the quit message has been taken.
void RunMessageLoop();

// Ends the process at once: no window is destroyed and no further event
// reaches a handler.
[[noreturn]] void EndProgram(std::int32_t exitCode);

}  // namespace gamereg
