#pragma once
// Death tests of the fatal-error path: the process ends with exit code -1,
// which a POSIX parent sees as 255.

#include <gtest/gtest.h>

namespace gamereg {

inline bool EndedWithMinusOne(int status) {
#ifdef _WIN32
    return status == -1;
#else
    return testing::ExitedWithCode(255)(status);
#endif
}

}  // namespace gamereg
