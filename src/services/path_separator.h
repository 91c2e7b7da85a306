#pragma once
// Finding the "\" that separates the parts of a path or registry item path
// in ANSI text, where a double-byte character may end in the byte 0x5C.

#include <cstddef>
#include <string_view>

namespace gamereg {

// The position of the last "\" in `path`, or npos. A lead byte of the ANSI
// code page takes the byte after it along, so the 0x5C that ends a character
// such as "\x81\x5c" is never a separator; a lead byte at the very end ends
// the search.
std::size_t LastSeparator(std::string_view path);

// Whether `path` ends with a "\" that is a separator of its own.
bool EndsWithSeparator(std::string_view path);

}  // namespace gamereg
