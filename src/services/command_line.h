#pragma once
// Starting a program from a command line, as the handlers start their batch
// files: hidden, and waited for.

#include <cstdint>

#include "services/text.h"

namespace gamereg {

// Show modes: 1 hidden, 2 normal, 3 minimised, 4 maximised, 5 shown without
// activation, 6 minimise; below 1 counts as 1, above 6 as 6.
inline constexpr std::int32_t kShowNormal = 2;

// Starts the program that `commandLine` names, as Windows reads it (a batch
// file through the command interpreter), in the current directory. With
// `wait` it blocks until the program ends; otherwise it waits at most a
// second for the program to be idle. True once the program was started,
// whatever its exit code.
bool RunCommandLine(const Text& commandLine, bool wait = false,
                    std::int32_t showMode = kShowNormal);

}  // namespace gamereg
