#pragma once
// Field names compare as the system locale compares them ignoring case:
// character by character, each mapped to upper case first. Single bytes fold
// a to z; double-byte characters fold as the locale's upper-case mapping
// does (full-width Latin, Greek and Cyrillic letters have case; Chinese
// characters do not). Nothing is trimmed.

#include <string_view>

#include "services/text.h"

namespace gamereg {

// The upper-case form of the double-byte character `lead`, `trail` of code
// page 936, as the bytes of code page 936.
Text UpperDoubleByte(char lead, char trail);

bool FieldNamesEqual(std::string_view a, std::string_view b);

}  // namespace gamereg
