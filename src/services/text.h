#pragma once
// Text and byte values: the strings the system shows, compares, writes and
// hands to Windows, and the file contents it writes.

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gamereg {

// Bytes in the ANSI code page (936), never transcoded and never holding a NUL.
// An empty Text is "none".
using Text = std::string;

// A counted byte sequence without terminator; an empty one is "none".
using Bytes = std::vector<std::uint8_t>;

// The parts joined in order, nothing inserted between them.
Text ConcatText(std::initializer_list<std::string_view> parts);

// Replaces occurrences of `find` in `text`, left to right and never
// overlapping, from the 1-based `startPosition` on. A byte of 0x80 or more
// starts a two-byte character whose second byte is never matched on its own,
// so the 0x5C trailing a code page 936 character is never taken for a "\".
// Without `count` every occurrence is replaced. Case-insensitive compares
// fold only the ASCII letters.
Text ReplaceText(std::string_view text, std::string_view find, std::string_view replacement = {},
                 std::int32_t startPosition = 1, std::optional<std::int32_t> count = std::nullopt,
                 bool caseSensitive = false);

}  // namespace gamereg
