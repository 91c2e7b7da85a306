#pragma once
// The MD5 message digest (RFC 1321).

#include <array>
#include <cstdint>
#include <span>

namespace gamereg {

using Md5Digest = std::array<std::uint8_t, 16>;

Md5Digest Md5(std::span<const std::uint8_t> message);

}  // namespace gamereg
