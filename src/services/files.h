#pragma once
// Testing, writing and deleting files. Paths go to Windows unchanged, so "/"
// and doubled separators work as Windows lets them.

#include <initializer_list>

#include "services/text.h"

namespace gamereg {

// Whether anything matches `path`: a file, a folder, or a wildcard pattern
// ("*", "?") in its last part. False for an empty path.
bool PathExists(const Text& path);

// Creates the file or truncates it, then writes `parts` one after another,
// byte for byte; with no parts the file is left empty. The file is opened
// without sharing and closed before the answer. False on any failure: a file
// that cannot be opened is left as it was; one that fails while written stays
// truncated, holding what was written.
bool WriteBytesToFile(const Text& path, std::initializer_list<Bytes> parts = {});

// Deletes one file (no wildcards); false when it is missing or protected.
bool RemoveFile(const Text& path);

}  // namespace gamereg
