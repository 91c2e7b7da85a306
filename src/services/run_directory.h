#pragma once
// The folder that holds the executable and its database: fixed once at
// program start, before the first window exists, and never changed.

#include "services/text.h"

namespace gamereg {

// Takes the executable's path, cuts it at its last "\" (a 0x5C that is the
// second byte of a double-byte character is no separator) and makes the
// folder the current directory, which child processes inherit.
void FixRunDirectory();

// The folder without a trailing separator (C:\Games\Demo, or C: in a drive
// root); none before FixRunDirectory or when the path has no "\".
Text RunDirectory();

// The part of `path` before its last "\", by the lead-byte rules of the ANSI
// code page; none when there is no "\".
Text DirectoryOf(std::string_view path);

}  // namespace gamereg
