#pragma once
// A registry-editor script (REGEDIT4) split into its lines, as far as the
// checks of a database need: keys, values, deletions and what is neither.

#include <string_view>
#include <vector>

#include "services/text.h"

namespace gamereg {

struct ScriptLine {
    enum class Kind { Empty, Comment, Key, Value, Invalid };

    Kind kind = Kind::Empty;
    int number = 0;       // 1-based, counting the header line
    Text keyPath;         // Key: the path inside [ ]; Value: the key it stands under
    bool remove = false;  // [-key] or "name"=-
    Text valueName;       // Value: the name without quotes and escapes; "" for @
    Text data;            // Value: everything after "=", continuation lines joined
};

struct RegistryScript {
    Text header;  // the first line
    std::vector<ScriptLine> lines;
};

// Lines end with LF or CR LF; a hex value ending in "\" continues on the next line.
RegistryScript ParseRegistryScript(std::string_view script);

// Equal under the registry's rules: ASCII letters in any case.
bool SameRegistryName(std::string_view a, std::string_view b);

// True for a byte that starts a double-byte character of code page 936.
inline bool IsLeadByte(char c) { return (static_cast<unsigned char>(c) & 0x80) != 0; }

}  // namespace gamereg
