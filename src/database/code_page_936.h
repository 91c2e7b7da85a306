#pragma once
// Walking code page 936 text by character: a lead byte (0x81 to 0xFE) and
// the byte after it form one double-byte character.

#include <cstddef>
#include <string_view>

namespace gamereg {

inline bool IsLeadByte936(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x81 && byte <= 0xFE;
}

// The size of the character that begins at `at`: 2 for a lead byte with a
// byte after it, 1 otherwise.
inline std::size_t CharacterSizeAt(std::string_view text, std::size_t at) {
    return IsLeadByte936(text[at]) && at + 1 < text.size() ? 2 : 1;
}

}  // namespace gamereg
