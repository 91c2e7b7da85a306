#include <iostream>

#include "cli.h"
#include "command_line.h"

int main(int argc, char** argv) {
    return gamereg::RunGameregDb(gamereg::Utf8Arguments(argc, argv), std::cout, std::cerr);
}
