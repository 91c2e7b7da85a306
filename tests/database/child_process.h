#pragma once
// A second process for the tests: a program of the test folder, started
// with arguments and waited for.

#include <cstdint>
#include <vector>

#include "services/text.h"

namespace gamereg::test {

class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // `program` is a file name in the working folder. It inherits no handle.
    bool Start(const Text& program, const std::vector<Text>& arguments);
    // The exit code; -1000 when nothing was started.
    int Wait();

private:
    std::intptr_t process_ = -1;  // a process HANDLE or a pid
};

}  // namespace gamereg::test
