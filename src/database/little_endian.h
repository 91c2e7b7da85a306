#pragma once
// Signed 32-bit little-endian words inside byte buffers of the two files.

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <span>

namespace gamereg {

inline std::int32_t Int32At(std::span<const std::uint8_t> bytes, std::size_t offset) {
    assert(offset + 4 <= bytes.size());
    return static_cast<std::int32_t>(
        std::uint32_t{bytes[offset]} | std::uint32_t{bytes[offset + 1]} << 8 |
        std::uint32_t{bytes[offset + 2]} << 16 | std::uint32_t{bytes[offset + 3]} << 24);
}

inline void PutInt32(std::span<std::uint8_t> bytes, std::size_t offset, std::int32_t value) {
    assert(offset + 4 <= bytes.size());
    const auto word = static_cast<std::uint32_t>(value);
    for (std::size_t k = 0; k < 4; ++k)
        bytes[offset + k] = static_cast<std::uint8_t>(word >> (8 * k));
}

}  // namespace gamereg
