#pragma once
// The read-only attribute of a file (POSIX: its write permission bits).

#include "services/text.h"

namespace gamereg::test {

void SetReadOnly(const Text& path, bool readOnly);

}  // namespace gamereg::test
