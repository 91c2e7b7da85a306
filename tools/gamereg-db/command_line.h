#pragma once
// The program's arguments in UTF-8, without the program name, and standard
// output made ready for raw bytes.

#include <string>
#include <vector>

namespace gamereg {

std::vector<std::string> Utf8Arguments(int argc, char** argv);

}  // namespace gamereg
