#pragma once
// The one path for errors the system cannot go on from. The program that
// links the core provides it: GameReg.exe shows the error box, the
// command-line programs and tests report on standard error. Either way the
// process ends with exit code -1.

#include <cstdint>
#include <string_view>

namespace gamereg {

// An empty message is "none". Called when memory is exhausted too, so an
// implementation must not allocate before the report is out.
[[noreturn]] void ReportFatalError(std::string_view message, std::int32_t errorCode);

}  // namespace gamereg
