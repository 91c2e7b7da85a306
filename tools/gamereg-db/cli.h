#pragma once
// gamereg-db: the publisher's tool to create, inspect, check and repair the
// database GameReg reads. Arguments and everything printed for a person are
// UTF-8; the database holds code page 936.

#include <ostream>
#include <string>
#include <vector>

namespace gamereg {

namespace ExitCode {
constexpr int kSuccess = 0;
constexpr int kFailed = 1;  // the database failed, or lint found an error
constexpr int kUsage = 2;
}  // namespace ExitCode

// `args` without the program name. `out` takes raw bytes where a command
// prints them (get without --text).
int RunGameregDb(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace gamereg
